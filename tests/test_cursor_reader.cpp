// SPDX-License-Identifier: MIT
// Cursor, icon and animated cursor files read back whole, as --show and
// --preview give them: every image, every depth, every frame.
#include "test_support.h"

#include "cursor_reader.h"

#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace testing;

namespace {

void put16(QByteArray &b, quint32 v)
{
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
void put32(QByteArray &b, quint32 v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// What one band of columns holds: a colour (a palette index for paletted
// depths) and the AND mask bit.
struct Band {
    QRgb colour;
    bool masked = false;
};

// One image of a hand-made file, laid out from the format description:
// four bands of columns, each a quarter of the width.
struct Image {
    int size = 32;
    int hotSpotX = 0, hotSpotY = 0;
    int depth = 1;           // bits per pixel; 0 for a PNG
    QList<QRgb> palette{};   // for depths up to 8
    QList<Band> bands{};     // colours, or palette indexes
    int declaredColours = 0; // the bitmap header's colours used

    Band bandAt(int x) const { return bands[x * bands.size() / size]; }

    QByteArray png() const
    {
        QImage image(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                image.setPixel(x, y, bandAt(x).colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

    QByteArray data() const
    {
        if (depth == 0)
            return png();
        QByteArray b;
        for (quint32 v : {40u, quint32(size), quint32(2 * size)})
            put32(b, v);
        put16(b, 1);
        put16(b, quint32(depth));
        for (int i = 0; i < 4; ++i)
            put32(b, 0);
        put32(b, quint32(declaredColours));
        put32(b, 0);
        for (QRgb c : palette)
            put32(b, c & 0xFFFFFF);
        const int xorRow = (size * depth + 31) / 32 * 4, andRow = (size + 31) / 32 * 4;
        for (int y = size - 1; y >= 0; --y) {
            QByteArray row(xorRow, '\0');
            for (int x = 0; x < size; ++x) {
                const QRgb c = bandAt(x).colour;
                if (depth <= 8) {
                    const int bit = x * depth;
                    row[bit / 8] = char(row[bit / 8] | (c << (8 - depth - bit % 8)));
                } else {
                    const int at = x * depth / 8;
                    row[at] = char(qBlue(c));
                    row[at + 1] = char(qGreen(c));
                    row[at + 2] = char(qRed(c));
                    if (depth == 32)
                        row[at + 3] = char(qAlpha(c));
                }
            }
            b.append(row);
        }
        for (int y = size - 1; y >= 0; --y) {
            QByteArray row(andRow, '\0');
            for (int x = 0; x < size; ++x)
                if (bandAt(x).masked)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            b.append(row);
        }
        return b;
    }
};

QByteArray iconFile(const QList<Image> &images, int type = 2)
{
    QByteArray b;
    put16(b, 0);
    put16(b, quint32(type));
    put16(b, quint32(images.size()));
    QByteArray body;
    for (const Image &image : images) {
        const QByteArray data = image.data();
        b.append(char(image.size & 0xFF)).append(char(image.size & 0xFF)).append('\0').append('\0');
        put16(b, quint32(image.hotSpotX));
        put16(b, quint32(image.hotSpotY));
        put32(b, quint32(data.size()));
        put32(b, quint32(6 + 16 * images.size() + body.size()));
        body.append(data);
    }
    return b + body;
}

QByteArray chunk(const char *id, const QByteArray &data)
{
    QByteArray b(id, 4);
    put32(b, quint32(data.size()));
    b.append(data);
    if (data.size() % 2)
        b.append('\0');
    return b;
}

// An animated cursor: its header, then the given steps, then the frames.
QByteArray animated(const QList<QByteArray> &frames, const QList<quint32> &sequence = {}, quint32 flags = 1,
                    qint64 frameCount = -1)
{
    QByteArray header;
    for (quint32 v : {36u, quint32(frameCount < 0 ? frames.size() : frameCount),
                      quint32(sequence.isEmpty() ? frames.size() : sequence.size()), 0u, 0u, 0u, 0u, 6u, flags})
        put32(header, v);
    QByteArray body = QByteArray("ACON") + chunk("anih", header);
    if (!sequence.isEmpty()) {
        QByteArray steps, rates;
        for (quint32 s : sequence) {
            put32(steps, s);
            put32(rates, 10);
        }
        body += chunk("rate", rates) + chunk("seq ", steps);
    }
    QByteArray list("fram");
    for (const QByteArray &frame : frames)
        list += chunk("icon", frame);
    body += chunk("LIST", list);
    QByteArray riff("RIFF");
    put32(riff, quint32(body.size()));
    return riff + body;
}

const QRgb kWhiteOpaque = 0xFFFFFFFF, kBlackOpaque = 0xFF000000;

Image monochrome(int size, int x, int y)
{
    return {size, x, y, 1, {0, 0xFFFFFF}, {{1}, {0}, {0, true}, {1, true}}};
}

// The rows an image of four bands shows: each band's character a quarter
// of the width, on every row.
QString bandRows(int size, const QString &bands)
{
    QString row;
    for (int x = 0; x < size; ++x)
        row += bands[x * bands.size() / size];
    return (row + u'\n').repeated(size);
}

} // namespace

class CursorReaderTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void showsEveryImage_data();
    void showsEveryImage();
    void refusesDamage_data();
    void refusesDamage();
    void previewStacksEveryImage();
    void previewOfTooManyImages();
    void previewPastFormatLimits_data();
    void previewPastFormatLimits();
    void everyCutOrChangedByteIsSafe();

private:
    Run show(const QByteArray &file, const QStringList &more = {});
    std::unique_ptr<QTemporaryDir> m_dir;
};

void CursorReaderTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

Run CursorReaderTest::show(const QByteArray &file, const QStringList &more)
{
    const QString path = m_dir->filePath(QStringLiteral("shown.cur"));
    if (!writeAll(path, file))
        return {};
    return runProgram(QStringLiteral(PIXELWICK_CONVERT),
                      QStringList{QStringLiteral("--show")} + more + QStringList{QStringLiteral("shown.cur")},
                      m_dir->path());
}

void CursorReaderTest::showsEveryImage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected"); // the whole --show text, "shown.cur: " left out of each heading

    const QString mono = QStringLiteral("O#.~");
    QTest::newRow("32, 48 and 64, each its hot spot")
        << iconFile({monochrome(32, 15, 14), monochrome(48, 23, 21), monochrome(64, 31, 29)})
        << "32 x 32 cursor, hot spot 15, 14, image 1 of 3\n" + bandRows(32, mono)
               + "48 x 48 cursor, hot spot 23, 21, image 2 of 3\n" + bandRows(48, mono)
               + "64 x 64 cursor, hot spot 31, 29, image 3 of 3\n" + bandRows(64, mono);
    QTest::newRow("256, its size written as 0")
        << iconFile({monochrome(256, 255, 0)}) << "256 x 256 cursor, hot spot 255, 0\n" + bandRows(256, mono);
    QTest::newRow("16 and 24, sizes padded to whole words")
        << iconFile({monochrome(16, 1, 2), monochrome(24, 3, 4)})
        << "16 x 16 cursor, hot spot 1, 2, image 1 of 2\n" + bandRows(16, mono)
               + "24 x 24 cursor, hot spot 3, 4, image 2 of 2\n" + bandRows(24, mono);
    QTest::newRow("an icon has no hot spot")
        << iconFile({monochrome(32, 7, 7)}, 1) << "32 x 32 icon, no hot spot\n" + bandRows(32, mono);

    // Colour: light and dark by brightness; under the mask black lets the
    // screen through and any other colour changes it.
    const QList<QRgb> palette{0xFFFF00, 0x000080, 0x000000, 0xFFFFFF};
    QTest::newRow("1-bit, red and yellow")
        << iconFile({{32, 2, 3, 1, {0xFF0000, 0xFFFF00}, {{1}, {0}, {0, true}, {1, true}}}})
        << "32 x 32 cursor, hot spot 2, 3, 1-bit colour\n" + bandRows(32, QStringLiteral("O#~~"));
    QTest::newRow("4-bit") << iconFile(
        {{32, 0, 0, 4, palette + QList<QRgb>(12, 0x808080), {{0}, {1}, {2, true}, {3, true}}}})
                           << "32 x 32 cursor, hot spot 0, 0, 4-bit colour\n" + bandRows(32, mono);
    QTest::newRow("8-bit, a short table") << iconFile({{32, 0, 0, 8, palette, {{0}, {1}, {2, true}, {3, true}}, 4}})
                                          << "32 x 32 cursor, hot spot 0, 0, 8-bit colour\n" + bandRows(32, mono);
    QTest::newRow("24-bit") << iconFile({{48, 5, 5, 24, {}, {{0xC8C8C8}, {0x800000}, {0, true}, {0x808080, true}}}})
                            << "48 x 48 cursor, hot spot 5, 5, 24-bit colour\n" + bandRows(48, mono);
    QTest::newRow("32-bit, alpha") << iconFile(
        {{32, 9, 9, 32, {}, {{kWhiteOpaque}, {0xFFFF0000}, {0x7FFFFFFF}, {0x80000000, true}}}})
                                   << "32 x 32 cursor, hot spot 9, 9, 32-bit colour\n"
                                          + bandRows(32, QStringLiteral("O#.#"));
    QTest::newRow("32-bit, no alpha anywhere: the mask")
        << iconFile({{32, 9, 9, 32, {}, {{0xFFFFFF}, {0x000000, true}, {0xFFFFFF, true}, {0x303030}}}})
        << "32 x 32 cursor, hot spot 9, 9, 32-bit colour\n" + bandRows(32, QStringLiteral("O.~#"));
    QTest::newRow("PNG") << iconFile({{64, 1, 60, 0, {}, {{kWhiteOpaque}, {kBlackOpaque}, {0x7F000000}, {0x80FFFFFF}}}})
                         << "64 x 64 cursor, hot spot 1, 60, 32-bit colour, PNG\n"
                                + bandRows(64, QStringLiteral("O#.O"));
    QTest::newRow("mixed: monochrome and PNG")
        << iconFile({monochrome(32, 15, 15), {256, 128, 128, 0, {}, {{kWhiteOpaque}, {kBlackOpaque}, {0}, {0}}}})
        << "32 x 32 cursor, hot spot 15, 15, image 1 of 2\n" + bandRows(32, mono)
               + "256 x 256 cursor, hot spot 128, 128, image 2 of 2, 32-bit colour, PNG\n"
               + bandRows(256, QStringLiteral("O#.."));

    const QByteArray first = iconFile({monochrome(32, 0, 0)});
    const QByteArray second = iconFile({monochrome(32, 31, 31), monochrome(48, 47, 47)});
    QTest::newRow("animated, frame by frame")
        << animated({first, second}, {0, 1, 1, 0})
        << "32 x 32 cursor, hot spot 0, 0, frame 1 of 2, 10/60 s\n" + bandRows(32, mono)
               + "32 x 32 cursor, hot spot 31, 31, image 1 of 2, frame 2 of 2, 10/60 s\n" + bandRows(32, mono)
               + "48 x 48 cursor, hot spot 47, 47, image 2 of 2, frame 2 of 2, 10/60 s\n" + bandRows(48, mono);
    QTest::newRow("animated, no steps") << animated({first})
                                        << "32 x 32 cursor, hot spot 0, 0, frame 1 of 1, 6/60 s\n" + bandRows(32, mono);
}

void CursorReaderTest::showsEveryImage()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    const Run run = show(file);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(run.err, QByteArray());
    QString withNames;
    for (const QString &line : expected.split(u'\n', Qt::SkipEmptyParts))
        withNames += (line.contains(u' ') ? QStringLiteral("shown.cur: ") + line : line) + u'\n';
    QCOMPARE(QString::fromUtf8(run.out), withNames);
}

void CursorReaderTest::refusesDamage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("mention");

    QByteArray pastTheEnd = iconFile({monochrome(32, 0, 0), monochrome(32, 0, 0)});
    qToLittleEndian(quint32(100000), pastTheEnd.data() + 6 + 16 + 12);
    QTest::newRow("second image past the end")
        << pastTheEnd << "Image 2 of 2: The image is said to start at byte 100000";
    QTest::newRow("2 bits per pixel") << iconFile({{32, 0, 0, 2, {0, 0, 0, 0}, {{0}, {1}, {2}, {3}}}})
                                      << "per pixel, which no cursor";
    QTest::newRow("table too large") << iconFile({{32, 0, 0, 4, QList<QRgb>(20, 0), {{0}, {1}, {2}, {3}}, 20}})
                                     << "20 entries";
    QTest::newRow("PNG larger than 256") << iconFile({{300, 0, 0, 0, {}, {{kWhiteOpaque}}}}) << "at most 256 x 256";
    QTest::newRow("animated: frame count wrong")
        << animated({iconFile({monochrome(32, 0, 0)})}, {}, 1, 3) << "3 frames, but it holds 1";
    QTest::newRow("animated: a step shows a frame it lacks")
        << animated({iconFile({monochrome(32, 0, 0)})}, {0, 4}) << "Step 2 of the animated cursor shows frame 5";
    QTest::newRow("animated: a step shows the last frame number there is")
        << animated({iconFile({monochrome(32, 0, 0)})}, {0, 0xFFFFFFFF})
        << "Step 2 of the animated cursor shows frame 4294967296,";
    QByteArray steps = animated({iconFile({monochrome(32, 0, 0)})}, {0});
    qToLittleEndian(quint32(0xFFFFFFFF), steps.data() + 28);
    QTest::newRow("animated: the most steps there are") << steps << "does not match its 4294967295 steps";
    QTest::newRow("animated: bare bitmaps") << animated({iconFile({monochrome(32, 0, 0)})}, {}, 0) << "bare bitmaps";
    QTest::newRow("animated: cut short") << animated({iconFile({monochrome(32, 0, 0)})}).chopped(9) << "cut short";
    QTest::newRow("animated: a damaged frame")
        << animated({iconFile({monochrome(32, 0, 0)}), iconFile({monochrome(32, 0, 0)}).left(20)})
        << "Frame 2 of 2: The file is cut short";
    QTest::newRow("more images than can be shown")
        << iconFile(QList<Image>(1025, monochrome(16, 0, 0))) << "lists 1025 images, more than the 1024";
    // Entries may share their data; what is kept of it counts each time.
    const Image tiny{16, 0, 0, 0, {}, {{kWhiteOpaque}}};
    QByteArray shared = iconFile({tiny}) + QByteArray(2 * 1024 * 1024, '\0');
    const quint32 blob = quint32(shared.size() - 22);
    QByteArray sharing = shared.left(4);
    put16(sharing, 40);
    for (int i = 0; i < 40; ++i) {
        sharing += shared.mid(6, 8);
        put32(sharing, blob);
        put32(sharing, 6 + 16 * 40);
    }
    sharing += shared.mid(22);
    QTest::newRow("entries sharing a large PNG") << sharing << "more images than can be shown";
    QTest::newRow("animated: RIFF size 0") << QByteArray("RIFF\0\0\0\0ACON", 12) << "cut short";
    QTest::newRow("animated: no header") << QByteArray("RIFF\x04\0\0\0ACON", 12) << "no header";
}

// A damaged cursor is refused with its reason and shown as nothing else.
void CursorReaderTest::refusesDamage()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, mention);
    const Run run = show(file);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(QString::fromUtf8(run.err).contains(mention), run.err.constData());
}

// Every image's looks, one under the other, in file order.
void CursorReaderTest::previewStacksEveryImage()
{
    const QList<Image> images{monochrome(32, 15, 14),
                              monochrome(48, 23, 21),
                              {64, 31, 29, 32, {}, {{kWhiteOpaque}, {0}, {kBlackOpaque}, {0}}}};
    QList<QImage> alone;
    for (const Image &image : images) {
        QVERIFY(show(iconFile({image}), {QStringLiteral("--preview"), QStringLiteral("alone.png")}).exitCode == 0);
        alone.append(QImage(m_dir->filePath(QStringLiteral("alone.png"))).convertToFormat(QImage::Format_RGB32));
        QVERIFY(!alone.last().isNull());
    }
    const Run run = show(iconFile(images), {QStringLiteral("--preview"), QStringLiteral("all.png")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QImage all = QImage(m_dir->filePath(QStringLiteral("all.png"))).convertToFormat(QImage::Format_RGB32);
    int top = 0;
    for (const QImage &part : alone) {
        QVERIFY(all.width() >= part.width());
        // The summary differs ("image 2 of 3"), the panels do not: compare the lower part.
        const int skip = part.height() / 3;
        QCOMPARE(all.copy(0, top + skip, part.width(), part.height() - skip),
                 part.copy(0, skip, part.width(), part.height() - skip));
        top += part.height();
    }
    QCOMPARE(all.height(), top);
}

// A file of many images is shown as text, but drawn only up to a limit.
void CursorReaderTest::previewOfTooManyImages()
{
    const QByteArray file = iconFile(QList<Image>(65, monochrome(16, 0, 0)));
    const Run run = show(file, {QStringLiteral("--preview"), QStringLiteral("many.png")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("at most 64 images"), run.err.constData());
    QCOMPARE(run.out.count("16 x 16 cursor"), 65);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("many.png"))));
    QCOMPARE(show(iconFile(QList<Image>(64, monochrome(16, 0, 0))),
                  {QStringLiteral("--preview"), QStringLiteral("many.png")})
                 .exitCode,
             0);
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("many.png"))));
}

void CursorReaderTest::previewPastFormatLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("everySize");  // else one 32 x 32 image
    QTest::addColumn<QString>("refusal"); // empty when written
    if (QImageWriter::supportedImageFormats().contains("webp")) {
        QTest::newRow("webp, every size")
            << "looks.webp" << true << "the picture format webp holds at most 16383 x 16383";
        QTest::newRow("webp, one image") << "looks.webp" << false << "";
    }
    QTest::newRow("jpg, every size") << "looks.jpg" << true << "";
    QTest::newRow("png, every size") << "looks.png" << true << "";
    QTest::newRow("ico, one image") << "looks.ico" << false << "the picture format ico holds at most 256 x 256";
    QTest::newRow("cur, every size") << "looks.cur" << true << "the picture format cur holds at most 256 x 256";
    if (QImageWriter::supportedImageFormats().contains("icns"))
        QTest::newRow("icns, one image") << "looks.icns" << false << "the picture format icns holds only squares";
}

// Looks taller than a format can hold are refused with the sizes, never
// written shrunk or squeezed, and never with a reason that says nothing.
void CursorReaderTest::previewPastFormatLimits()
{
    QFETCH(QString, name);
    QFETCH(bool, everySize);
    QFETCH(QString, refusal);
    QList<Image> images;
    for (int size = everySize ? 16 : 32; size <= (everySize ? 256 : 32); size += 8)
        images.append(monochrome(size, 1, 2));
    const Run run = show(iconFile(images), {QStringLiteral("--preview"), name});
    QCOMPARE(run.out.count(" cursor, hot spot 1, 2"), images.size());
    const QString path = m_dir->filePath(name);
    if (!refusal.isEmpty()) {
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(QString::fromUtf8(run.err).contains(refusal), run.err.constData());
        QVERIFY(!QFileInfo::exists(path));
        return;
    }
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QImage written(path);
    QVERIFY(!written.isNull());
    QCOMPARE(written.height() > 16383, everySize);
}

// Whatever a file's bytes, the reader refuses it with a reason or gives
// whole images of the sizes they claim.
void CursorReaderTest::everyCutOrChangedByteIsSafe()
{
    const QByteArray cursor = iconFile({monochrome(16, 1, 1), {32, 2, 2, 8, {0, 0xFFFFFF}, {{0}, {1}}, 2}});
    const QByteArray ani = animated({cursor, iconFile({monochrome(24, 0, 0)})}, {1, 0});
    for (const QByteArray &whole : {cursor, ani}) {
        QVERIFY(pixelwick::readCursorFile(whole).problem.isEmpty());
        const auto check = [](const QByteArray &bytes) {
            const pixelwick::CursorFileReading reading = pixelwick::readCursorFile(bytes);
            QCOMPARE(reading.images.isEmpty(), !reading.problem.isEmpty());
            for (const pixelwick::StoredImage &stored : reading.images) {
                const qsizetype pixels = qsizetype(stored.image.width) * stored.image.height;
                QVERIFY(stored.image.looks.size() == pixels || stored.masked.size() == pixels);
            }
        };
        for (qsizetype size = 0; size < whole.size(); ++size)
            check(whole.first(size));
        for (qsizetype at = 0; at < qMin<qsizetype>(whole.size(), 200); ++at) {
            for (const char value : {'\0', '\x01', '\x7F', '\x80', '\xFF'}) {
                QByteArray bytes = whole;
                bytes[at] = value;
                check(bytes);
            }
        }
    }
}

QTEST_GUILESS_MAIN(CursorReaderTest)
#include "test_cursor_reader.moc"
