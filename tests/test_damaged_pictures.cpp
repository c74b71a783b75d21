// SPDX-License-Identifier: MIT
// Runs the real pixelwick-convert on pictures of every format that are cut
// short, carry a tail, or claim far more pixels than they hold.
#include "test_support.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace pixelwick;
using namespace testing;

namespace {

Run convert(const QString &folder, const QStringList &arguments)
{
    return runProgram(QStringLiteral(PIXELWICK_CONVERT), arguments, folder);
}

// A picture with something in every corner, larger than the cursor so that
// the cuts fall among its pixel rows.
QImage sample()
{
    QImage image(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x < 12 ? qRgb(0, 255, 0) : (x + y) % 7 == 0 ? qRgb(0, 0, 0) : qRgb(x * 6, y * 6, 200));
    return image;
}

QByteArray written(const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    QImage image = sample();
    if (qstrcmp(format, "ico") == 0 || qstrcmp(format, "cur") == 0 || qstrcmp(format, "icns") == 0)
        image = image.scaled(32, 32);
    return writer.write(image) ? bytes : QByteArray();
}

QByteArray fixture(const char *name)
{
    return readAll(QStringLiteral(PIXELWICK_TEST_DATA "/pictures/") + QLatin1String(name));
}

// The checksum of a PNG chunk.
quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

QStringList lines(const QByteArray &text)
{
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class DamagedPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void cutPicturesRefused_data();
    void cutPicturesRefused();
    void lyingHeadersRefused_data();
    void lyingHeadersRefused();
};

void DamagedPicturesTest::cutPicturesRefused_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("whole");
    QTest::addColumn<bool>("tailConverts");

    const auto row = [](const char *name, const char *suffix, const QByteArray &whole, bool tailConverts = true) {
        QTest::newRow(name) << QString::fromLatin1(suffix) << whole << tailConverts;
    };
    row("BMP", "bmp", written("bmp"));
    row("BMP, OS/2", "bmp", fixture("os2.bmp"));
    row("BMP, bit fields", "bmp", fixture("bitfields.bmp"));
    row("BMP, RLE4", "bmp", fixture("rle4.bmp"));
    row("BMP, RLE8", "bmp", fixture("rle8.bmp"));
    row("GIF", "gif", fixture("gif.gif"));
    row("JPEG, baseline", "jpg", written("jpeg", 90));
    row("JPEG, progressive", "jpg", fixture("progressive.jpg"));
    row("PNG", "png", written("png"));
    // A version 2 TGA ends in a footer, which Qt's reader looks for at the
    // very end: a tail hides it.
    row("TGA", "tga", fixture("truecolour.tga"), false);
    row("XBM", "xbm", written("xbm"));
    row("XPM", "xpm", written("xpm"));
    row("PBM", "pbm", written("pbm"));
    row("PGM", "pgm", written("pgm"));
    row("PPM", "ppm", written("ppm"));
    row("PBM, text", "pbm", fixture("ascii.pbm"));
    row("PGM, text", "pgm", fixture("ascii.pgm"));
    row("PPM, text", "ppm", fixture("ascii.ppm"));
    row("ICO", "ico", written("ico"));
    // Upper case, so that no cursor made here lands on a picture.
    row("CUR", "CUR", written("cur"));
    row("ICNS", "icns", written("icns"));
    row("WebP, lossy", "webp", written("webp", 80));
    row("WebP, lossless", "webp", fixture("lossless.webp"));
    row("TIFF", "tif", written("tiff"));
    row("TIFF, LZW", "tiff", fixture("lzw.tiff"));
    row("MNG", "mng", fixture("mng.mng"));
    // Qt knows a WBMP, which has no signature, only by its exact length.
    row("WBMP", "wbmp", written("wbmp"), false);
}

// Each picture cut at several points is refused with one line of its own,
// and the older cursor beside it stays as it was; whole, it converts.
void DamagedPicturesTest::cutPicturesRefused()
{
    QFETCH(QString, suffix);
    QFETCH(QByteArray, whole);
    QFETCH(bool, tailConverts);
    QVERIFY(!whole.isEmpty());

    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(QStringLiteral("whole.") + suffix), whole));
    QList<QByteArray> damaged;
    for (int percent : {20, 45, 70, 90})
        damaged << whole.left(whole.size() * percent / 100);
    if (suffix == QLatin1String("gif")) {
        // Cut, with the trailer byte put back; and with an empty block first.
        damaged << whole.left(whole.size() / 2) + ';' << whole.left(whole.size() * 3 / 4) + QByteArray("\0;", 2);
    }
    QImage blank(32, 32, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QVERIFY(blank.save(dir.filePath(QStringLiteral("blank.png"))));
    QStringList pictures{QStringLiteral("blank.png"), QStringLiteral("whole.") + suffix};
    const QByteArray older("an older cursor");
    for (qsizetype i = 0; i < damaged.size(); ++i) {
        const QString name = QStringLiteral("cut%1.").arg(i) + suffix;
        QVERIFY(writeAll(dir.filePath(name), damaged[i]));
        QVERIFY(writeAll(dir.filePath(QStringLiteral("cut%1.cur").arg(i)), older));
        pictures << name;
    }
    if (tailConverts) {
        QVERIFY(writeAll(dir.filePath(QStringLiteral("tail.") + suffix), whole + QByteArray("\0\0 extra bytes\n", 15)));
        pictures << QStringLiteral("tail.") + suffix;
    }

    const Run run = convert(dir.path(), pictures);
    QCOMPARE(run.exitCode, 1);
    QStringList said = lines(run.err);
    // A whole picture larger than the cursor says so; only refusals count here.
    said.removeIf([](const QString &line) { return line.contains(QLatin1String(": warning: only the top-left ")); });
    QCOMPARE(said.size(), damaged.size());
    for (qsizetype i = 0; i < damaged.size(); ++i) {
        const QString name = QStringLiteral("cut%1.").arg(i) + suffix;
        QVERIFY2(said[i].startsWith(QStringLiteral("pixelwick-convert: %1: ").arg(name)), qPrintable(said[i]));
        QVERIFY2(said[i].contains(QLatin1String("incomplete")) || said[i].contains(QLatin1String("damaged"))
                     || said[i].contains(QLatin1String("not a picture")),
                 qPrintable(said[i]));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("cut%1.cur").arg(i))), older);
    }
    const QByteArray cursor = readAll(dir.filePath(QStringLiteral("whole.cur")));
    QCOMPARE(cursor.size(), kCursorFileSize);
    // The picture itself was read, not an empty one in its place.
    QVERIFY(cursor != readAll(dir.filePath(QStringLiteral("blank.cur"))));
    if (tailConverts)
        QCOMPARE(readAll(dir.filePath(QStringLiteral("tail.cur"))), cursor);
}

void DamagedPicturesTest::lyingHeadersRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");

    QByteArray tga(18, '\0');
    tga[2] = 2;
    qToLittleEndian<quint16>(8192, tga.data() + 12);
    qToLittleEndian<quint16>(8191, tga.data() + 14);
    tga[16] = 24;
    tga += QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.", 18);
    QByteArray smallerTga = tga;
    qToLittleEndian<quint16>(2000, smallerTga.data() + 12);
    qToLittleEndian<quint16>(2000, smallerTga.data() + 14);

    const QByteArray bmp = written("bmp");
    QByteArray hugeBmp = bmp.left(54) + QByteArray(64, '\0');
    qToLittleEndian<qint32>(0x7FFFFFFF, hugeBmp.data() + 18);
    qToLittleEndian<qint32>(0x7FFFFFFF, hugeBmp.data() + 22);
    QByteArray wideBmp = hugeBmp;
    qToLittleEndian<qint32>(0x7FFFFFFF, wideBmp.data() + 18);
    qToLittleEndian<qint32>(1, wideBmp.data() + 22);

    // PNG and GIF headers claiming millions of pixels over a few bytes of data.
    QByteArray png = written("png");
    qToBigEndian<quint32>(4000, png.data() + 16);
    qToBigEndian<quint32>(4000, png.data() + 20);
    qToBigEndian<quint32>(crc32(png.mid(12, 17)), png.data() + 29);
    QByteArray gif = fixture("gif.gif");
    qToLittleEndian<quint16>(3000, gif.data() + 6);
    qToLittleEndian<quint16>(3000, gif.data() + 8);
    // A JPEG frame header claiming 4000 x 4000 in a file of 2 KB.
    QByteArray jpeg = written("jpeg", 90);
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    QVERIFY(frame > 0);
    qToBigEndian<quint16>(4000, jpeg.data() + frame + 5);
    qToBigEndian<quint16>(4000, jpeg.data() + frame + 7);

    QTest::newRow("TGA 8192 x 8191, no pixels") << "lie.tga" << tga << "too large";
    QTest::newRow("TGA 2000 x 2000, no pixels") << "small.tga" << smallerTga << "incomplete";
    QTest::newRow("BMP 2^31 x 2^31") << "huge.bmp" << hugeBmp << "too large";
    QTest::newRow("BMP 2^31 x 1") << "wide.bmp" << wideBmp << "too large";
    QTest::newRow("PNG 4000 x 4000") << "lie.png" << png << "more than a file";
    QTest::newRow("GIF 3000 x 3000") << "lie.gif" << gif << "more than a file";
    // Within what Huffman coding could hold; the decoder finds the data short.
    QTest::newRow("JPEG 4000 x 4000") << "lie.jpg" << jpeg << "premature end";
    QTest::newRow("PPM 4000 x 4000") << "lie.ppm" << QByteArray("P6\n4000 4000\n255\n") + QByteArray(30, 'x')
                                     << "more than a file";
    QTest::newRow("XPM 4000 x 4000") << "lie.xpm"
                                     << QByteArray("/* XPM */\nstatic char *x[] = {\n\"4000 4000 1 1\",\n"
                                                   "\"a c #ffffff\",\n\"aaaa\"};\n")
                                     << "more than a file";
    QTest::newRow("XBM 4000 x 4000") << "lie.xbm"
                                     << QByteArray("#define x_width 4000\n#define x_height 4000\n"
                                                   "static char x_bits[] = {0x00};\n")
                                     << "incomplete";
}

// Refused from the header alone, before a pixel is read. The test's own
// time-out is the only clock.
void DamagedPicturesTest::lyingHeadersRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(name), bytes));
    const Run run = convert(dir.path(), {name});
    QCOMPARE(run.exitCode, 1);
    const QStringList said = lines(run.err);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().contains(says), qPrintable(said.first()));
    QCOMPARE(listing(dir.path()), QStringList{name});
}

QTEST_GUILESS_MAIN(DamagedPicturesTest)
#include "test_damaged_pictures.moc"
