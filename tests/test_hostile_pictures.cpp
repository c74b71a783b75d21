// SPDX-License-Identifier: MIT
// Runs the real pixelwick-convert on pictures made to keep a reader busy
// for ever or for minutes (the hostile files in tests/fuzz/findings/, made
// by tests/fuzz/make_findings.py): each is refused at once with its reason,
// or, where what keeps the reader busy leaves the pixels as they are (an
// animation's repeats, compressed texts), read without that part. Files of
// millions of small parts, made here, are refused by their count within
// the converter's limits, and files of as many as are read still work.
#include "child_process.h"
#include "hostile_files.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <fcntl.h>
#include <unistd.h>

// What makes a row's file, when its row runs.
using Maker = std::function<QByteArray()>;
Q_DECLARE_METATYPE(Maker)

using namespace pixelwick;
using namespace testing;

namespace {

QString finding(const char *name)
{
    return QStringLiteral(PIXELWICK_FINDINGS "/") + QLatin1String(name);
}

// Read part by part, a file of millions of parts takes a reader past this
// memory or for seconds; counted first, it is refused with a fraction of it.
constexpr Limits kLimits{1024, 60};

// What refusing or reading a file may cost: its bytes, held by the converter
// and by its reader process, and some room beside. The sanitizers' runtimes
// take several times more.
long mostMegabytes(qint64 bytes)
{
#ifdef __SANITIZE_ADDRESS__
    constexpr long kBeside = 400;
#else
    constexpr long kBeside = 100;
#endif
    return 2 * (bytes >> 20) + kBeside;
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
    void partsCounted_data();
    void partsCounted();
    void endlessStandardInput();
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

void HostilePicturesTest::partsCounted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QString>("refusal"); // empty where the file is read

    const QByteArray cursor = encodedCursor(GridSource(), {});
    const QByteArray junk = riffChunk("junk"), list = riffChunk("LIST", "INFO"), empty = icnsElement("zzzz");
    // Pictures, and cursor files, which --show reads itself.
    const auto row = [](const char *title, const char *name, const Maker &make, const char *refusal = "") {
        QTest::newRow(title) << QString::fromLatin1(name) << make << QString::fromUtf8(refusal);
    };
    const char *const tooManyFrames = "a WebP animation of more than 16384 frames";
    row("WebP of 16384 frames", "a.webp", [] { return webpAnimation(16384); });
    row(
        "WebP of 16385 frames", "a.webp", [] { return webpAnimation(16385); }, tooManyFrames);
    row(
        "WebP of 1.5 M frames", "a.webp", [] { return webpAnimation(1'500'000); }, tooManyFrames);
    // Its header and animation chunk count too.
    row("WebP of 1024 chunks beside its frames", "c.webp", [] { return webpAnimation(1, 1022); });
    row(
        "WebP of 1.5 M chunks beside its frames", "c.webp", [] { return webpAnimation(1, 1'500'000); },
        "a WebP file of more than 1024 chunks beside its frames");
    row("XPM of 262144 colours", "c.xpm", [] { return xpmOfColours(262144); });
    row(
        "XPM of 262145 colours", "c.xpm", [] { return xpmOfColours(262145); },
        "an XPM picture of 262145 colours, more than the 262144 this program reads");
    row(
        "XPM of 2 M colours", "c.xpm", [] { return xpmOfColours(2'000'000); }, "an XPM picture of 2000000 colours");
    const char *const tooManyElements = "an icon file of more than 1024 elements";
    row("ICNS of 1024 elements", "e.icns", [=] { return icnsFile(icnsPngElement() + empty.repeated(1023)); });
    row(
        "ICNS of 1025 elements", "e.icns", [=] { return icnsFile(icnsPngElement() + empty.repeated(1024)); },
        tooManyElements);
    row(
        "ICNS of 160 K elements", "e.icns", [=] { return icnsFile(empty.repeated(160'000)); }, tooManyElements);
    row(
        "ICNS variant of 160 K elements", "v.icns",
        [=] { return icnsFile(icnsPngElement() + icnsElement("tile", empty.repeated(160'000))); }, tooManyElements);
    row("ANI of 1024 frames", "f.ani", [=] { return animatedCursor(cursor, 1024); });
    row(
        "ANI of 1025 frames", "f.ani", [=] { return animatedCursor(cursor, 1025); }, "more than 1024 frames");
    row(
        "ANI of 7.8 M empty frames", "f.ani", [] { return animatedCursor({}, 7'800'000); }, "more than 1024 frames");
    row("ANI of 64 lists", "l.ani", [=] { return animatedCursor(cursor, 1, list.repeated(63)); });
    row(
        "ANI of 65 lists", "l.ani", [=] { return animatedCursor(cursor, 1, list.repeated(64)); },
        "more than 64 lists of chunks");
    row(
        "ANI of 2 M empty lists", "l.ani",
        [=] { return animatedCursor(cursor, 1, riffChunk("LIST", "fram").repeated(2'000'000)); },
        "more than 64 lists of chunks");
    row("ANI of 1024 chunks beside its frames", "j.ani",
        [=] { return animatedCursor(cursor, 1, junk.repeated(1023)); });
    row(
        "ANI of 3 M chunks beside its frames", "j.ani",
        [=] { return animatedCursor(cursor, 1, junk.repeated(3'000'000)); }, "more than 1024 chunks beside its frames");
    row("CUR of 1024 images", "i.cur", [=] { return cursorDirectory(cursor, 1024); });
    row(
        "CUR of 65535 images", "i.cur", [=] { return cursorDirectory(cursor, 65535); },
        "The file's directory lists 65535 images, more than the 1024 that can be shown.");
}

// Within the converter's limits, a file of many parts is refused by their
// count with its one line, or read; either way the next file is read too.
void HostilePicturesTest::partsCounted()
{
    QFETCH(QString, name);
    QFETCH(Maker, make);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    // Made here and let go before the converter starts, which counts this
    // process's memory as its own until it has started.
    const qint64 size = [&] {
        const QByteArray bytes = make();
        return writeAll(dir.filePath(name), bytes) ? bytes.size() : -1;
    }();
    QVERIFY(size > 0);
    QVERIFY(diagonal().save(dir.filePath(QStringLiteral("still.png"))));
    Child child({QStringLiteral(PIXELWICK_CONVERT), QStringLiteral("--show"), name, QStringLiteral("still.png")},
                dir.path(), {}, kLimits);
    const int status = child.wait();
    QVERIFY2(child.peakMegabytes() <= mostMegabytes(size),
             qPrintable(QStringLiteral("%1 MB").arg(child.peakMegabytes())));
    QVERIFY2(child.out.contains("still.png: 32 x 32 cursor"), child.err.constData());
    if (refusal.isEmpty()) {
        QCOMPARE(child.err, QByteArray());
        QCOMPARE(exitCode(status), 0);
        QVERIFY(child.out.startsWith(name.toUtf8() + ": "));
        return;
    }
    QCOMPARE(exitCode(status), 1);
    const QStringList said = lines(child.err);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().startsWith(QStringLiteral("pixelwick-convert: %1: ").arg(name)), qPrintable(said.first()));
    QVERIFY2(said.first().contains(refusal), qPrintable(said.first()));
}

// Standard input that never ends is refused at its limit, and holds no more.
void HostilePicturesTest::endlessStandardInput()
{
#ifdef __SANITIZE_ADDRESS__
    // AddressSanitizer keeps up to 256 MB of freed memory from reuse, the
    // doubled buffers' among it; what is measured is the program's own.
    qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":quarantine_size_mb=16");
#endif
    QTemporaryDir dir;
    int ends[2];
    QCOMPARE(pipe2(ends, O_CLOEXEC), 0);
    Child yes({QStandardPaths::findExecutable(QStringLiteral("yes"))}, dir.path(), {{1, ends[1]}});
    Child child(
        {QStringLiteral(PIXELWICK_CONVERT), QStringLiteral("-o"), QStringLiteral("out.cur"), QStringLiteral("-")},
        dir.path(), {{0, ends[0]}}, kLimits);
    close(ends[0]);
    close(ends[1]);
    const int status = child.wait();
    yes.wait();
    QCOMPARE(exitCode(status), 1);
    QCOMPARE(lines(child.err),
             QStringList{QStringLiteral("pixelwick-convert: -: standard input holds more than 256 MB, "
                                        "more than any picture needs")});
    QVERIFY2(child.peakMegabytes() <= mostMegabytes(0) + 256,
             qPrintable(QStringLiteral("%1 MB").arg(child.peakMegabytes())));
    QCOMPARE(listing(dir.path()), QStringList());
}

QTEST_GUILESS_MAIN(HostilePicturesTest)
#include "test_hostile_pictures.moc"
