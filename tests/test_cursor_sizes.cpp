// SPDX-License-Identifier: MIT
// Cursors of other sizes than 32 x 32, and files that hold several sizes,
// made by the real converter and read back byte by byte.
#include "child_process.h"
#include "test_support.h"

#include "cursor_reader.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace testing;

namespace {

// A pattern that tells every row and column apart: black, white, the
// background key and the invert key, and what each gives.
QRgb patternAt(int x, int y, int size)
{
    const int band = ((x * 7 + y * 3) / 5 + (x == size - 1 ? 1 : 0)) % 4;
    static constexpr QRgb colours[] = {0xFF000000, 0xFFFFFFFF, 0xFF00FF00, 0xFFFF00FF};
    return colours[band];
}

pixelwick::Look expectedLook(QRgb colour)
{
    switch (colour) {
    case 0xFF000000: return pixelwick::Look::Black;
    case 0xFFFFFFFF: return pixelwick::Look::White;
    case 0xFF00FF00: return pixelwick::Look::Transparent;
    default: return pixelwick::Look::Inverted;
    }
}

quint32 le32(const QByteArray &bytes, int at)
{
    return quint32(littleEndianAt(bytes, at, 4));
}
qint16 le16(const QByteArray &bytes, int at)
{
    return qint16(littleEndianAt(bytes, at, 2));
}

} // namespace

class CursorSizesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void oneSize_data();
    void oneSize();
    void thirtyTwoIsAsBefore();
    void combined_data();
    void combined();
    void refused_data();
    void refused();
    void standardInputWhole_data();
    void standardInputWhole();
    void keysFoundInEverySize();
    void secondOfASizeStopsReading_data();
    void secondOfASizeStopsReading();

private:
    QString picture(int width, int height = -1, const QString &name = {});
    Run convert(const QStringList &arguments);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void CursorSizesTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString CursorSizesTest::picture(int width, int height, const QString &name)
{
    height = height < 0 ? width : height;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, patternAt(x, y, width));
    const QString file = name.isEmpty() ? QStringLiteral("p%1x%2.png").arg(width).arg(height) : name;
    if (!image.save(m_dir->filePath(file)))
        qFatal("cannot write the picture");
    return file;
}

Run CursorSizesTest::convert(const QStringList &arguments)
{
    return runProgram(QStringLiteral(PIXELWICK_CONVERT), arguments, m_dir->path());
}

void CursorSizesTest::oneSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("hotSpot"); // -x, -y, or none for the default
    QTest::addColumn<int>("hotSpotX");
    QTest::addColumn<int>("hotSpotY");
    QTest::newRow("16") << 16 << QStringList() << 7 << 7;
    QTest::newRow("24, rows padded") << 24 << QStringList() << 11 << 11;
    QTest::newRow("48, rows padded") << 48 << QStringList{"-x", "40", "-y", "2"} << 40 << 2;
    QTest::newRow("64") << 64 << QStringList() << 31 << 31;
    QTest::newRow("72, rows padded") << 72 << QStringList{"-x", "0"} << 0 << 35;
    QTest::newRow("256, written as 0") << 256 << QStringList{"-y", "255"} << 127 << 255;
}

// The top-left N x N pixels of a larger picture, by the rules of the
// 32 x 32 cursor, with the directory entry and bitmap header of size N.
void CursorSizesTest::oneSize()
{
    QFETCH(int, size);
    QFETCH(QStringList, hotSpot);
    QFETCH(int, hotSpotX);
    QFETCH(int, hotSpotY);
    const QString source = picture(size + 9);
    const Run run =
        convert(QStringList{"--size", QString::number(size), "-o", "sized.cur"} + hotSpot + QStringList{source});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QByteArray cursor = readAll(m_dir->filePath(QStringLiteral("sized.cur")));
    const int rowBytes = (size + 31) / 32 * 4;
    QCOMPARE(cursor.size(), 6 + 16 + 40 + 8 + 2 * rowBytes * size);
    QCOMPARE(quint8(cursor[6]), quint8(size & 0xFF));
    QCOMPARE(quint8(cursor[7]), quint8(size & 0xFF));
    QCOMPARE(le16(cursor, 10), qint16(hotSpotX));
    QCOMPARE(le16(cursor, 12), qint16(hotSpotY));
    QCOMPARE(le32(cursor, 14), quint32(cursor.size() - 22));
    QCOMPARE(le32(cursor, 22 + 4), quint32(size));
    QCOMPARE(le32(cursor, 22 + 8), quint32(2 * size));
    // The padding at the end of each row is zero in both planes.
    for (int row = 0; row < 2 * size; ++row)
        for (int pad = size / 8; pad < rowBytes; ++pad)
            QCOMPARE(cursor[70 + row * rowBytes + pad], '\0');

    const pixelwick::CursorReading reading = pixelwick::readCursor(cursor);
    QVERIFY2(reading.cursor, qPrintable(reading.problem));
    QCOMPARE(reading.cursor->width, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            QCOMPARE(reading.cursor->lookAt(x, y), expectedLook(patternAt(x, y, size + 9)));
    QVERIFY2(icotoolList(m_dir->filePath(QStringLiteral("sized.cur")))
                 .contains(QStringLiteral("--width=%1 --height=%1 --bit-depth=1").arg(size)),
             qPrintable(icotoolList(m_dir->filePath(QStringLiteral("sized.cur")))));
}

// --size 32 and one 32 x 32 picture combined give the cursor of old.
void CursorSizesTest::thirtyTwoIsAsBefore()
{
    const QString source = picture(40);
    QCOMPARE(convert({"-x", "3", "-y", "4", "-o", "plain.cur", source}).exitCode, 0);
    QCOMPARE(convert({"--size", "32", "-x", "3", "-y", "4", "-o", "sized.cur", source}).exitCode, 0);
    const QByteArray plain = readAll(m_dir->filePath(QStringLiteral("plain.cur")));
    QCOMPARE(plain.size(), 326);
    QCOMPARE(readAll(m_dir->filePath(QStringLiteral("sized.cur"))), plain);
    const QString exact = picture(32);
    QCOMPARE(convert({"-x", "3", "-y", "4", "-o", "plain.cur", exact}).exitCode, 0);
    QCOMPARE(convert({"--combine", "-x", "3", "-y", "4", "-o", "combined.cur", exact}).exitCode, 0);
    QCOMPARE(readAll(m_dir->filePath(QStringLiteral("combined.cur"))),
             readAll(m_dir->filePath(QStringLiteral("plain.cur"))));
}

void CursorSizesTest::combined_data()
{
    QTest::addColumn<QList<int>>("sizes"); // as given on the command line
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<int>>("hotSpots"); // x, y of each image, smallest first

    QTest::newRow("a set for high-DPI screens")
        << QList<int>{64, 32, 48} << QStringList{"-x", "15", "-y", "14"} << QList<int>{15, 14, 23, 21, 31, 29};
    QTest::newRow("the default: each one's middle")
        << QList<int>{32, 48, 64} << QStringList() << QList<int>{15, 15, 23, 23, 31, 31};
    QTest::newRow("the corners") << QList<int>{16, 32, 256} << QStringList{"-x", "0", "-y", "31"}
                                 << QList<int>{0, 15, 0, 31, 4, 252};
    QTest::newRow("outside, left") << QList<int>{24, 48} << QStringList{"-x", "-1", "-y", "8"}
                                   << QList<int>{-1, 6, -1, 12};
    QTest::newRow("one size by hand") << QList<int>{32, 48, 64}
                                      << QStringList{"-x", "15", "-y", "14", "--hotspot-for", "48:20,22"}
                                      << QList<int>{15, 14, 20, 22, 31, 29};
    QTest::newRow("every size by hand") << QList<int>{16, 24}
                                        << QStringList{"--hotspot-for", "24:1,2", "--hotspot-for", "16:3,4"}
                                        << QList<int>{3, 4, 1, 2};
}

// One image per picture, smallest first, each after the whole directory.
void CursorSizesTest::combined()
{
    QFETCH(QList<int>, sizes);
    QFETCH(QStringList, options);
    QFETCH(QList<int>, hotSpots);
    QStringList pictures;
    for (int size : sizes)
        pictures << picture(size);
    const Run run = convert(QStringList{"--combine", "-o", "set.cur"} + options + pictures);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QString path = m_dir->filePath(QStringLiteral("set.cur"));
    const QByteArray file = readAll(path);
    QList<int> sorted = sizes;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(le16(file, 4), qint16(sorted.size()));
    qint64 offset = 6 + 16 * sorted.size();
    for (int i = 0; i < sorted.size(); ++i) {
        const int entry = 6 + 16 * i;
        QCOMPARE(le32(file, entry + 12), quint32(offset));
        offset += le32(file, entry + 8);
    }
    QCOMPARE(offset, file.size());

    const pixelwick::CursorFileReading reading = pixelwick::readCursorFile(file);
    QVERIFY2(reading.problem.isEmpty(), qPrintable(reading.problem));
    QCOMPARE(reading.images.size(), sorted.size());
    const QStringList listed = icotoolList(path).split(u'\n');
    QCOMPARE(listed.size(), sorted.size());
    for (int i = 0; i < sorted.size(); ++i) {
        const pixelwick::CursorImage &image = reading.images[i].image;
        QCOMPARE(image.width, sorted[i]);
        QCOMPARE(image.hotSpotX, hotSpots[2 * i]);
        QCOMPARE(image.hotSpotY, hotSpots[2 * i + 1]);
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                QCOMPARE(image.lookAt(x, y), expectedLook(patternAt(x, y, image.width)));
        QVERIFY2(listed[i].contains(QStringLiteral("--width=%1").arg(sorted[i]))
                     && listed[i].contains(QStringLiteral("--hotspot-x=%1").arg(quint16(hotSpots[2 * i]))),
                 qPrintable(listed[i]));
    }
}

void CursorSizesTest::refused_data()
{
    QTest::addColumn<QList<QSize>>("pictures");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("mention");

    const QStringList combine{"--combine", "-o", "out.cur"};
    QTest::newRow("not square") << QList<QSize>{{32, 32}, {48, 40}} << combine << 1 << "48 x 40";
    QTest::newRow("not a multiple of 8") << QList<QSize>{{20, 20}} << combine << 1 << "20 x 20";
    QTest::newRow("too small") << QList<QSize>{{8, 8}, {32, 32}} << combine << 1 << "8 x 8";
    QTest::newRow("too large") << QList<QSize>{{264, 264}} << combine << 1 << "264 x 264";
    QTest::newRow("one size twice") << QList<QSize>{{48, 48}, {32, 32}, {48, 48}} << combine << 1 << "48 x 48";
    QTest::newRow("a hot spot for a size not given")
        << QList<QSize>{{32, 32}} << combine + QStringList{"--hotspot-for", "64:1,1"} << 1 << "64";
    QTest::newRow("--hotspot-for not SIZE:X,Y")
        << QList<QSize>{{32, 32}} << combine + QStringList{"--hotspot-for", "48=1,1"} << 2 << "SIZE:X,Y";
    QTest::newRow("--hotspot-for a size twice")
        << QList<QSize>{{32, 32}} << combine + QStringList{"--hotspot-for", "32:1,1", "--hotspot-for", "32:2,2"} << 2
        << "twice";
    QTest::newRow("--hotspot-for a size not made")
        << QList<QSize>{{64, 64}} << QStringList{"--size", "64", "--hotspot-for", "48:1,1", "-o", "out.cur"} << 2
        << "not made";
    QTest::newRow("--combine without -o") << QList<QSize>{{32, 32}} << QStringList{"--combine"} << 2 << "-o";
    QTest::newRow("--combine with --size")
        << QList<QSize>{{32, 32}} << combine + QStringList{"--size", "32"} << 2 << "--size";
    // Options that contradict each other, or values that are no such thing.
    const QList<std::pair<QStringList, const char *>> contradictions = {
        {{"--sizes", "24,32", "--size", "32"}, "--size has nothing to do"},
        {{"--sizes", "24,32", "--combine"}, "--sizes has nothing to do"},
        {{"--fit", "--combine"}, "--fit has nothing to do"},
        {{"--from", "1,1", "--combine"}, "--from has nothing to do"},
        {{"--from", "1,1", "--fit"}, "--from has nothing to do"},
        {{"--from", "1,1", "--sizes", "32"}, "--from has nothing to do"},
        {{"--sizes", "24,20"}, "\"20\" is not one a cursor can have"},
        {{"--sizes", "24,,32"}, "\"\" is not one a cursor can have"},
        {{"--sizes", "32,24,32"}, "--sizes gives the size 32 twice"},
        {{"--sizes", "24,32", "--hotspot-for", "48:1,1"}, "48 names a size that --sizes does not make"},
        {{"--tolerance", "256"}, "from 0 to 255"},
        {{"--tolerance", "-1"}, "from 0 to 255"},
        {{"--tolerance", "2.5"}, "from 0 to 255"},
        {{"--from", "3"}, "is not X,Y"},
        {{"--from", "-1,0"}, "is not X,Y"},
        {{"--from", "1,2,3"}, "is not X,Y"},
        {{"--from", "67108864,0"}, "is not X,Y"},
    };
    for (const auto &[given, mention] : contradictions)
        QTest::addRow("%s", qPrintable(given.join(u' ')))
            << QList<QSize>{{32, 32}} << given + QStringList{"-o", "out.cur"} << 2 << mention;
    for (const char *size : {"20", "8", "264", "0", "thirty"})
        QTest::addRow("--size %s", size) << QList<QSize>{{64, 64}} << QStringList{"--size", size, "-o", "out.cur"} << 2
                                         << "16 to 256";
}

// Refused before anything is written: an older cursor stays as it was.
void CursorSizesTest::refused()
{
    QFETCH(QList<QSize>, pictures);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, mention);
    QStringList names;
    for (qsizetype i = 0; i < pictures.size(); ++i)
        names << picture(pictures[i].width(), pictures[i].height(), QStringLiteral("p%1.png").arg(i));
    QVERIFY(writeAll(m_dir->filePath(QStringLiteral("out.cur")), "older"));
    const Run run = convert(options + names);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(run.err).contains(mention), run.err.constData());
    QCOMPARE(readAll(m_dir->filePath(QStringLiteral("out.cur"))), QByteArray("older"));
    QCOMPARE(listing(m_dir->path()).filter(QStringLiteral(".cur")), QStringList{QStringLiteral("out.cur")});
}

void CursorSizesTest::standardInputWhole_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("PNG") << "png";
    QTest::newRow("JPEG, whose reader can stop early") << "jpg";
}

// A picture piped in is read as far as the cursor's size, as a file is.
void CursorSizesTest::standardInputWhole()
{
    QFETCH(QString, format);
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, x < 32 || y >= 40 ? 0xFF000000 : 0xFFFFFFFF);
    const QString name = QStringLiteral("piped.") + format;
    QVERIFY(image.save(m_dir->filePath(name), nullptr, 100));
    const Run fromFile = convert({"--show", "--size", "64", name});
    QVERIFY2(fromFile.exitCode == 0, fromFile.err.constData());
    QVERIFY(fromFile.out.contains(QByteArray(64, '#')));
    const Run piped = runProgram(QStringLiteral("/bin/sh"),
                                 {"-c", QStringLiteral("\"$0\" --show --size 64 - < %1").arg(name), PIXELWICK_CONVERT},
                                 m_dir->path());
    QVERIFY2(piped.exitCode == 0, piped.err.constData());
    QCOMPARE(piped.out.mid(piped.out.indexOf('\n')), fromFile.out.mid(fromFile.out.indexOf('\n')));
}

// A key colour that only a larger picture holds, beyond its first 32 x 32
// pixels, is found there: no warning, and the pixels are transparent.
void CursorSizesTest::keysFoundInEverySize()
{
    QImage large(64, 64, QImage::Format_RGB32);
    large.fill(Qt::black);
    for (int y = 40; y < 64; ++y)
        for (int x = 40; x < 64; ++x)
            large.setPixel(x, y, 0xFF00FF00);
    QVERIFY(large.save(m_dir->filePath(QStringLiteral("large.png"))));
    const Run run = convert({"--combine", "--background", "#00ff00", "-o", "set.cur", picture(32), "large.png"});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(run.err, QByteArray());
    const pixelwick::CursorFileReading reading =
        pixelwick::readCursorFile(readAll(m_dir->filePath(QStringLiteral("set.cur"))));
    QCOMPARE(reading.images.size(), 2);
    QCOMPARE(reading.images[1].image.lookAt(50, 50), pixelwick::Look::Transparent);
    QCOMPARE(reading.images[1].image.lookAt(10, 10), pixelwick::Look::Black);
}

void CursorSizesTest::secondOfASizeStopsReading_data()
{
    QTest::addColumn<int>("links"); // to the 256 x 256 picture; without any, every size once first
    QTest::addColumn<QString>("refusal");
    QTest::newRow("every size, the largest again, then a damaged picture")
        << 0 << "again.png: it is 256 x 256 pixels, as p256x256.png is; a cursor holds one image of each size";
    QTest::newRow("2000 links to one 256 x 256 picture")
        << 2000 << "l1.png: it is 256 x 256 pixels, as l0.png is; a cursor holds one image of each size";
}

// A second picture of one size ends the reading at once: no picture after
// it is read, and no more images are held than a cursor has sizes.
void CursorSizesTest::secondOfASizeStopsReading()
{
    QFETCH(int, links);
    QFETCH(QString, refusal);
    const QString largest = picture(256);
    QStringList pictures;
    for (int i = 0; i < links; ++i) {
        pictures << QStringLiteral("l%1.png").arg(i);
        QVERIFY(QFile::link(largest, m_dir->filePath(pictures.last())));
    }
    if (links == 0) {
        for (int size = 16; size <= 256; size += 8)
            pictures << picture(size);
        pictures << QStringLiteral("again.png") << QStringLiteral("damaged.png");
        QVERIFY(QFile::link(largest, m_dir->filePath(QStringLiteral("again.png"))));
        QVERIFY(writeAll(m_dir->filePath(QStringLiteral("damaged.png")), readAll(m_dir->filePath(largest)).left(60)));
    }
    // Each picture of the call would hold its image: limited in time, and
    // its memory measured.
    Child child(QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                            QStringLiteral("ulimit -t 60; exec \"$0\" \"$@\""), QStringLiteral(PIXELWICK_CONVERT),
                            QStringLiteral("--combine"), QStringLiteral("-o"), QStringLiteral("out.cur")}
                    + pictures,
                m_dir->path());
    QCOMPARE(exitCode(child.wait()), 1);
    QCOMPARE(lines(child.err), QStringList{QStringLiteral("pixelwick-convert: ") + refusal});
    QVERIFY2(child.peakMegabytes() < 512, qPrintable(QString::number(child.peakMegabytes())));
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("out.cur"))));
}

QTEST_GUILESS_MAIN(CursorSizesTest)
#include "test_cursor_sizes.moc"
