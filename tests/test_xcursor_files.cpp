// SPDX-License-Identifier: MIT
// Runs the real pixelwick-convert on Xcursor files: those it writes
// (--xcursor), read back by libXcursor itself; the desktop theme's own,
// shown as libXcursor reads them; an Xcursor file taken as a picture; and
// damaged ones, refused with their reason within the time and memory every
// file gets.
#include "child_process.h"
#include "test_support.h"
#include "xcursor_looks.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <X11/Xcursor/Xcursor.h>

using namespace testing;

namespace {

const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);
struct FreeImages {
    void operator()(XcursorImages *images) const { XcursorImagesDestroy(images); }
};
using Images = std::unique_ptr<XcursorImages, FreeImages>;

// The lines --show prints for every image of an Xcursor file, made from what
// libXcursor reads of it: '.' where more than half transparent, else '#' or
// 'O' by the brightness of the colour before its alpha darkened it.
QString shownByLibXcursor(const QString &name, const XcursorImages &images)
{
    QHash<quint32, int> framesOfSize, shown;
    for (int i = 0; i < images.nimage; ++i)
        ++framesOfSize[images.images[i]->size];
    QString text;
    for (int i = 0; i < images.nimage; ++i) {
        const XcursorImage &image = *images.images[i];
        text += QStringLiteral("%1: %2 x %3 cursor, hot spot %4, %5, nominal size %6")
                    .arg(name)
                    .arg(image.width)
                    .arg(image.height)
                    .arg(image.xhot)
                    .arg(image.yhot)
                    .arg(image.size);
        if (framesOfSize[image.size] > 1)
            text += QStringLiteral(", frame %1 of %2").arg(++shown[image.size]).arg(framesOfSize[image.size]);
        if (framesOfSize[image.size] > 1 && image.delay > 0)
            text += QStringLiteral(", %1 ms").arg(image.delay);
        text += u'\n';
        for (quint32 y = 0; y < image.height; ++y) {
            for (quint32 x = 0; x < image.width; ++x) {
                const quint32 pixel = image.pixels[y * image.width + x];
                const quint32 alpha = pixel >> 24;
                const auto channel = [&](int shift) {
                    return qMin(255u, ((pixel >> shift) & 0xFF) * 255 / qMax(1u, alpha));
                };
                const int brightness = (299 * channel(16) + 587 * channel(8) + 114 * channel(0)) / 1000;
                text += alpha < 128 ? u'.' : brightness >= 128 ? u'O' : u'#';
            }
            text += u'\n';
        }
    }
    return text;
}

// Xcursor bytes made by hand from the format's description, to damage.
struct Chunk {
    quint32 headerLength = 36, type = 0xFFFD0002, size = 32, width = 32, height = 32, x = 0, y = 0;
    qint64 pixels = -1; // bytes of pixels written; -1 for all
};
QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}
// The file of `chunks`, each listed `repeats` times, then `comments`
// entries of comments; its header claims `claimed` entries where given.
QByteArray xcursorOf(const QList<Chunk> &chunks, int repeats = 1, quint32 comments = 0, quint32 claimed = 0)
{
    const quint32 entries = quint32(chunks.size() * repeats) + comments;
    QByteArray file = "Xcur" + le32(16) + le32(0x10000) + le32(claimed ? claimed : entries);
    qint64 position = 16 + qint64(entries) * 12;
    QByteArray body;
    for (const Chunk &chunk : chunks) {
        for (int i = 0; i < repeats; ++i)
            file += le32(0xFFFD0002) + le32(chunk.size) + le32(quint32(position));
        QByteArray bytes = le32(chunk.headerLength) + le32(chunk.type) + le32(chunk.size) + le32(1) + le32(chunk.width)
                           + le32(chunk.height) + le32(chunk.x) + le32(chunk.y) + le32(50);
        bytes += QByteArray(chunk.pixels >= 0 ? chunk.pixels : qint64(chunk.width) * chunk.height * 4, '\xff');
        body += bytes;
        position += bytes.size();
    }
    for (quint32 i = 0; i < comments; ++i)
        file += le32(0xFFFE0001) + le32(1) + le32(16);
    return file + body;
}

// What refusing a file may cost: its bytes, held by the converter and by its
// reader process, and some room beside; the sanitizers' runtimes take more.
long mostMegabytes(qint64 bytes)
{
#ifdef __SANITIZE_ADDRESS__
    constexpr long kBeside = 400;
#else
    constexpr long kBeside = 100;
#endif
    return 2 * (bytes >> 20) + kBeside;
}

} // namespace

class XcursorFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void writtenAsLibXcursorReads_data();
    void writtenAsLibXcursorReads();
    void desktopThemeShown_data();
    void desktopThemeShown();
    void readAsPicture();
    void damagedRefused_data();
    void damagedRefused();

private:
    QTemporaryDir m_dir;
    Looks m_looks;
};

void XcursorFilesTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(lookPicture(m_looks).save(m_dir.filePath(QStringLiteral("looks.png"))));
}

void XcursorFilesTest::writtenAsLibXcursorReads_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("invertedAs");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<QPoint>>("hotSpots");
    QTest::newRow("outline") << QStringList{"--fit", "-x", "2", "-y", "3"} << "outline" << QList<int>{32}
                             << QList<QPoint>{{2, 3}};
    QTest::newRow("black") << QStringList{"--fit", "--inverted-as", "black"} << "black" << QList<int>{32}
                           << QList<QPoint>{{15, 15}};
    QTest::newRow("white, 16 x 16") << QStringList{"--size", "16", "--inverted-as", "white", "-x", "0", "-y", "15"}
                                    << "white" << QList<int>{16} << QList<QPoint>{{0, 15}};
    // Each size its own hot spot: the same spot of the picture, or by hand.
    QTest::newRow("sizes") << QStringList{"--sizes", "32,48,64", "-x", "2", "-y", "3", "--hotspot-for", "64:63,0"}
                           << "outline" << QList<int>{32, 48, 64} << QList<QPoint>{{2, 3}, {3, 5}, {63, 0}};
}

// What --xcursor writes is what libXcursor reads: each size with its own
// hot spot, inverted pixels drawn as asked.
void XcursorFilesTest::writtenAsLibXcursorReads()
{
    QFETCH(QStringList, options);
    QFETCH(QString, invertedAs);
    QFETCH(QList<int>, sizes);
    QFETCH(QList<QPoint>, hotSpots);
    const QString file = m_dir.filePath(QStringLiteral("written"));
    const Run run = runProgram(kConvert, options + QStringList{"--xcursor", "-o", file, "looks.png"}, m_dir.path());
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    const Images images(XcursorFilenameLoadAllImages(QFile::encodeName(file).constData()));
    QVERIFY(images);
    QCOMPARE(images->nimage, int(sizes.size()));
    for (int i = 0; i < images->nimage; ++i) {
        const XcursorImage &image = *images->images[i];
        QCOMPARE(int(image.size), sizes[i]);
        QCOMPARE(int(image.width), sizes[i]);
        QCOMPARE(int(image.height), sizes[i]);
        QCOMPARE(QPoint(int(image.xhot), int(image.yhot)), hotSpots[i]);
        const QList<quint32> pixels(image.pixels, image.pixels + image.width * image.height);
        QCOMPARE(pixels, expectedPixels(scaled(m_looks, sizes[i] / 16), invertedAs));
    }
}

void XcursorFilesTest::desktopThemeShown_data()
{
    QTest::addColumn<QString>("file");
    for (const QString theme : {"Adwaita", "DMZ-White", "DMZ-Black"}) {
        const QString cursors = QStringLiteral("/usr/share/icons/%1/cursors/").arg(theme);
        if (QFileInfo::exists(cursors + QStringLiteral("left_ptr"))
            && QFileInfo::exists(cursors + QStringLiteral("watch"))) {
            QTest::newRow(qPrintable(theme + QStringLiteral(" left_ptr"))) << cursors + QStringLiteral("left_ptr");
            QTest::newRow(qPrintable(theme + QStringLiteral(" watch"))) << cursors + QStringLiteral("watch");
            return;
        }
    }
    QSKIP("no pointer theme is installed (./run test installs adwaita-icon-theme)");
}

// --show prints every image of the desktop's own pointers, animated ones
// too, as libXcursor reads them.
void XcursorFilesTest::desktopThemeShown()
{
    QFETCH(QString, file);
    const Images images(XcursorFilenameLoadAllImages(QFile::encodeName(file).constData()));
    QVERIFY(images && images->nimage > 0);
    Child child({kConvert, QStringLiteral("--show"), file}, m_dir.path(), {}, {1024, 60});
    QCOMPARE(exitCode(child.wait()), 0);
    QCOMPARE(child.err, QByteArray());
    const QString shown = QString::fromUtf8(child.out);
    const QString expected = shownByLibXcursor(file, *images);
    QCOMPARE(shown.count(u'\n'), expected.count(u'\n'));
    QCOMPARE(shown, expected);
}

// An Xcursor file is a picture too: its image of the cursor's size becomes
// the .cur, its transparent pixels transparent; fitted at several sizes,
// each size is made of the image drawn for it.
void XcursorFilesTest::readAsPicture()
{
    const QString xcursor = m_dir.filePath(QStringLiteral("pointer"));
    Run run = runProgram(kConvert, {"--sizes", "16,32,64", "--xcursor", "-o", xcursor, "looks.png"}, m_dir.path());
    QCOMPARE(run.exitCode, 0);
    run = runProgram(kConvert, {"-x", "1", "-y", "2", "-o", "pointer.cur", xcursor}, m_dir.path());
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    const QByteArray cursor = readAll(m_dir.filePath(QStringLiteral("pointer.cur")));
    QCOMPARE(cursorDiffers(cursor, expectedPixels(scaled(m_looks, 2))), QString());
    run = runProgram(kConvert, {"--sizes", "16,64", "--xcursor", "-o", "again", xcursor}, m_dir.path());
    QCOMPARE(run.exitCode, 0);
    const Images original(XcursorFilenameLoadAllImages(QFile::encodeName(xcursor).constData()));
    const Images again(XcursorFilenameLoadAllImages(QFile::encodeName(m_dir.filePath("again")).constData()));
    QVERIFY(original && again && original->nimage == 3 && again->nimage == 2);
    for (const auto &[made, drawn] : {std::pair{0, 0}, std::pair{1, 2}}) {
        const XcursorImage &image = *again->images[made], &source = *original->images[drawn];
        QCOMPARE(image.size, source.size);
        QCOMPARE(QList<quint32>(image.pixels, image.pixels + image.width * image.height),
                 QList<quint32>(source.pixels, source.pixels + source.width * source.height));
    }
}

void XcursorFilesTest::damagedRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const Chunk whole;
    QTest::newRow("header cut") << QByteArray("Xcur\x10\0\0\0", 8) << "too short for an Xcursor file";
    QTest::newRow("no image") << xcursorOf({}) << "holds no image";
    QTest::newRow("only comments") << xcursorOf({}, 1, 3) << "holds no image";
    QTest::newRow("a million entries") << xcursorOf({whole}, 1, 0, 1000000) << "lists 1000000 entries";
    QTest::newRow("table cut") << xcursorOf({}, 1, 0, 5) << "cut short";
    QTest::newRow("pixels cut") << xcursorOf({Chunk{.pixels = 4000}}) << "cut short";
    QTest::newRow("32767 x 32767") << xcursorOf({Chunk{.width = 32767, .height = 32767, .pixels = 64}})
                                   << "is 32767 x 32767 pixels";
    QTest::newRow("hot spot outside") << xcursorOf({Chunk{.x = 33}}) << "hot spot 33, 0 lies outside";
    QTest::newRow("chunk of another entry") << xcursorOf({Chunk{.type = 0xFFFE0001}}) << "not the one its entry";
    QTest::newRow("short chunk header") << xcursorOf({Chunk{.headerLength = 16}}) << "header is 16 bytes long";
    // One 256 x 256 chunk listed 1024 times: 256 MB of pixels from a file
    // of 256 kB, were every entry read.
    QTest::newRow("one chunk a thousand times")
        << xcursorOf({Chunk{.size = 256, .width = 256, .height = 256}}, 1024) << "more images than can be shown";
    QTest::newRow("comments by the thousand") << xcursorOf({whole}, 1, 1500) << "more than 1024 entries beside";
}

// A damaged Xcursor file is refused with its reason, shown or taken as a
// picture, within a time and memory limit.
void XcursorFilesTest::damagedRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(QStringLiteral("damaged")), bytes));
    for (const QStringList &options : {QStringList{"--show"}, QStringList{"-o", "out.cur"}}) {
        Child child(QStringList{kConvert} + options + QStringList{"damaged"}, dir.path(), {}, {1024, 20});
        QCOMPARE(exitCode(child.wait()), 1);
        QVERIFY2(child.peakMegabytes() <= mostMegabytes(bytes.size()),
                 qPrintable(QStringLiteral("%1 MB").arg(child.peakMegabytes())));
        const QStringList said = lines(child.err);
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().startsWith(QStringLiteral("pixelwick-convert: damaged: ")), qPrintable(said.first()));
        QVERIFY2(said.first().contains(reason), qPrintable(said.first()));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out.cur"))));
    }
}

QTEST_GUILESS_MAIN(XcursorFilesTest)
#include "test_xcursor_files.moc"
