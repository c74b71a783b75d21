// SPDX-License-Identifier: MIT
// Runs the real pixelwick-convert on pictures made to keep a reader busy
// for ever or for minutes (the hostile files in tests/fuzz/findings/, made
// by tests/fuzz/make_findings.py): each is refused at once with its reason,
// or, where what keeps the reader busy leaves the pixels as they are (an
// animation's repeats, compressed texts), read without that part.
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace pixelwick;
using namespace testing;

namespace {

QString finding(const char *name)
{
    return QStringLiteral(PIXELWICK_FINDINGS "/") + QLatin1String(name);
}

QStringList lines(const QByteArray &text)
{
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

// The picture the hostile MNG and PNG files hold: black with a white diagonal.
QImage diagonal()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int i = 0; i < 32; ++i)
        image.setPixel(i, i, qRgb(255, 255, 255));
    return image;
}

// A 16 x 16 grey progressive JPEG of all-zero coefficients: a DC scan, then
// `acScans` times the same AC scan. Each Huffman table holds one code, "0":
// category 0 for DC, and for AC an EOB run of 4 to 7 blocks with two more
// bits; the picture's 4 blocks take 1 and 3 bits a scan, padded with ones.
QByteArray progressiveJpeg(int acScans)
{
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += QByteArray("\xFF\xDB\x00\x43\x00", 5) + QByteArray(64, '\x01');
    jpeg += QByteArray("\xFF\xC2\x00\x0B\x08\x00\x10\x00\x10\x01\x01\x11\x00", 13);
    // Table class and number, the count of codes of each length, the symbol.
    for (const char table : {'\x00', '\x10'}) {
        jpeg += QByteArray("\xFF\xC4\x00\x14", 4) + table + '\x01' + QByteArray(15, '\0');
        jpeg += table == 0 ? '\0' : '\x20';
    }
    jpeg += QByteArray("\xFF\xDA\x00\x08\x01\x01\x00\x00\x00\x00\x0F", 11);
    for (int i = 0; i < acScans; ++i)
        jpeg += QByteArray("\xFF\xDA\x00\x08\x01\x01\x00\x01\x3F\x00\x1F", 11);
    return jpeg + QByteArray("\xFF\xD9", 2);
}

// A GIF whose `screen` holds one frame of `frame` at the top-left, whose
// data is `pixels` pixels of colour 1, one 3-bit code each: a clear code
// after every second keeps the codes that short.
QByteArray gif(QSize screen, QSize frame, qint64 pixels)
{
    const auto le16 = [](int value) { return QByteArray(1, char(value & 0xFF)) + char(value >> 8); };
    QByteArray file = QByteArray("GIF89a") + le16(screen.width()) + le16(screen.height()) + "\x81" + '\0' + '\0';
    file += QByteArray("\0\0\0\xFF\xFF\xFF\0\0\0\0\0\0", 12);
    file += ',' + le16(0) + le16(0) + le16(frame.width()) + le16(frame.height()) + '\0' + '\x02';
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](quint32 code) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            data += char(bits & 0xFF);
    };
    for (qint64 i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            put(4); // clear
        put(1);
    }
    put(5); // end
    if (count > 0)
        data += char(bits & 0xFF);
    for (qsizetype at = 0; at < data.size(); at += 255)
        file += char(qMin<qsizetype>(255, data.size() - at)) + data.mid(at, 255);
    return file + '\0' + ';';
}

} // namespace

class HostilePicturesTest : public QObject {
    Q_OBJECT

private slots:
    void refusedWithReason_data();
    void refusedWithReason();
    void busyPartsLeftOut_data();
    void busyPartsLeftOut();
    void boundsLetPicturesThrough_data();
    void boundsLetPicturesThrough();
};

void HostilePicturesTest::refusedWithReason_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");

    const auto row = [](const char *name, const char *file, const char *reason) {
        QTest::newRow(name) << finding(file) << QString::fromUtf8(reason);
    };
    row("GIF frame of 65535 x 65535 on a 32 x 32 screen", "slow_gif_65535x65535_frame_on_32x32_screen.gif",
        "a GIF frame of 65535 × 65535 pixels on a screen of 32 × 32");
    row("GIF data of 4 G pixels in a 32 x 32 frame", "slow_gif_lzw_runs_4g_pixels_past_32x32_frame.gif",
        "GIF picture data that runs on past its 32 × 32 frame");
    row("JPEG of 20 000 scans", "slow_jpeg_20000_progressive_scans.jpg",
        "a JPEG of 20001 scans, more than the 256 this program reads");
    row("JPEG of 251 scans over 4088 x 4096", "slow_jpeg_250_scans_over_4088x4096.jpg",
        "a JPEG whose 251 scans of 4088 × 4096 pixels would take too long to decode");
    row("MNG of 100 layers of 4096 x 4096", "slow_mng_100_layers_of_4096x4096.mng",
        "an MNG animation that would take more than 64 million pixels to draw");
    row("MNG of 5000 layers", "slow_mng_5000_layers.mng", "an MNG animation of more than 4096 layers");
    // The directory's size bytes say 256 x 256; the PNG inside says more.
    row("ICO holding a 16384 x 16384 PNG", "ico_holding_16384x16384_png.ico",
        "is too large to load (16384 × 16384 pixels)");
}

// One line, naming the file and the reason; the older cursor beside it
// stays as it was. runProgram's own time-out is the hang guard.
void HostilePicturesTest::refusedWithReason()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString name = QStringLiteral("hostile.") + QFileInfo(file).suffix();
    QVERIFY(QFile::copy(file, dir.filePath(name)));
    const QByteArray older("an older cursor");
    QVERIFY(writeAll(dir.filePath(QStringLiteral("hostile.cur")), older));

    const Run run = runProgram(QStringLiteral(PIXELWICK_CONVERT), {name}, dir.path());
    QCOMPARE(run.exitCode, 1);
    const QStringList said = lines(run.err);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().startsWith(QStringLiteral("pixelwick-convert: %1: ").arg(name)), qPrintable(said.first()));
    QVERIFY2(said.first().contains(reason), qPrintable(said.first()));
    QCOMPARE(readAll(dir.filePath(QStringLiteral("hostile.cur"))), older);
    QCOMPARE(listing(dir.path()), (QStringList{QStringLiteral("hostile.cur"), name}));
}

void HostilePicturesTest::busyPartsLeftOut_data()
{
    QTest::addColumn<QString>("file");
    // Compressed texts that libpng would inflate, 790 MB in all.
    QTest::newRow("PNG of 100 compressed texts") << finding("slow_png_100_compressed_texts_of_8mb.png");
    QTest::newRow("ICO holding that PNG") << finding("slow_ico_png_100_compressed_texts_of_8mb.ico");
    QTest::newRow("ICNS holding that PNG") << finding("slow_icns_png_100_compressed_texts_of_8mb.icns");
    // Animations that repeat for ever without a pause.
    QTest::newRow("a loop of 0x7fffffff") << finding("hang_mng_loop_0x7fffffff_iterations.mng");
    QTest::newRow("three nested loops") << finding("hang_mng_three_nested_loops_of_65535.mng");
    QTest::newRow("a loop of frames without delay") << finding("hang_mng_loop_of_0x7fffffff_frames_without_delay.mng");
    QTest::newRow("TERM repeating 0x7fffffff times") << finding("hang_mng_term_repeats_0x7fffffff_times.mng");
}

// Converted as the same picture in a plain PNG is, at once: the parts that
// no pixel depends on and that would keep the reader busy are left out.
void HostilePicturesTest::busyPartsLeftOut()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString name = QStringLiteral("busy.") + QFileInfo(file).suffix();
    QVERIFY(QFile::copy(file, dir.filePath(name)));
    QVERIFY(diagonal().save(dir.filePath(QStringLiteral("still.png"))));

    const Run run = runProgram(QStringLiteral(PIXELWICK_CONVERT), {name, QStringLiteral("still.png")}, dir.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    const QByteArray cursor = readAll(dir.filePath(QStringLiteral("busy.cur")));
    QCOMPARE(cursor.size(), kCursorFileSize);
    QCOMPARE(cursor, readAll(dir.filePath(QStringLiteral("still.cur"))));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            QCOMPARE(lookName(lookAt(cursor, x, y)), lookName(x == y ? Look::White : Look::Black));
    }
}

void HostilePicturesTest::boundsLetPicturesThrough_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("JPEG of 256 scans") << "scans.jpg" << progressiveJpeg(255) << QString();
    QTest::newRow("JPEG of 257 scans") << "scans.jpg" << progressiveJpeg(256)
                                       << "a JPEG of 257 scans, more than the 256 this program reads";
    // Past the screen, but small: Qt's reader draws what falls on it.
    QTest::newRow("GIF frame larger than its screen") << "wide.gif" << gif({32, 32}, {40, 40}, 1600) << QString();
    QTest::newRow("GIF data a little past its frame")
        << "spare.gif" << gif({32, 32}, {32, 32}, 1024 + 100) << QString();
    QTest::newRow("GIF data far past its frame")
        << "past.gif" << gif({32, 32}, {32, 32}, 1024 + 65537)
        << QString::fromUtf8("GIF picture data that runs on past its 32 × 32 frame");
    QTest::newRow("GIF frame of 4097 x 4096")
        << "huge.gif" << gif({32, 32}, {4097, 4096}, 16) << QString::fromUtf8("a GIF frame of 4097 × 4096 pixels");
}

// Just within each bound a picture converts; just past it, it is refused.
void HostilePicturesTest::boundsLetPicturesThrough()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(name), bytes));
    const Run run = runProgram(QStringLiteral(PIXELWICK_CONVERT), {name}, dir.path());
    const QString cursor = dir.filePath(QFileInfo(name).completeBaseName() + QStringLiteral(".cur"));
    if (refusal.isEmpty()) {
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(readAll(cursor).size(), kCursorFileSize);
    } else {
        QCOMPARE(run.exitCode, 1);
        const QStringList said = lines(run.err);
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().contains(refusal), qPrintable(said.first()));
        QVERIFY(!QFile::exists(cursor));
    }
}

QTEST_GUILESS_MAIN(HostilePicturesTest)
#include "test_hostile_pictures.moc"
