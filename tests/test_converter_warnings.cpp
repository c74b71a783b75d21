// SPDX-License-Identifier: MIT
// The converter's warnings and the outputs it refuses: key colours that
// match no pixel, a hot spot outside the cursor, a terminal as the cursor's
// place, and the preview's format, on the real program.
#include "child_process.h"
#include "cursor_file.h"
#include "cursor_reader.h"
#include "test_support.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

using namespace pixelwick;
using namespace testing;

namespace {

const QString kConverter = QStringLiteral(PIXELWICK_CONVERT);

// `size` square of `colour`, its left half clear where `clearHalf` is set.
// A black pixel in the bottom-right corner keeps every cursor of it visible.
QImage picture(const QColor &colour, int size = 32, bool clearHalf = false)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    image.setPixelColor(size - 1, size - 1, Qt::black);
    for (int y = 0; clearHalf && y < size; ++y)
        for (int x = 0; x < size / 2; ++x)
            image.setPixelColor(x, y, Qt::transparent);
    return image;
}

Run convert(const QTemporaryDir &dir, const QStringList &arguments)
{
    return runProgram(kConverter, arguments, dir.path());
}

qint16 headerValue(const QByteArray &cursor, int offset)
{
    return qint16(quint8(cursor.at(offset)) | quint8(cursor.at(offset + 1)) << 8);
}

// A pseudo-terminal of our own; the child gets its terminal end.
struct Terminal {
    int master = -1, slave = -1;
    Terminal()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return;
        slave = ::open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    ~Terminal()
    {
        for (int descriptor : {master, slave})
            if (descriptor >= 0)
                ::close(descriptor);
    }
    // What reached the terminal so far.
    QByteArray shown() const
    {
        QByteArray bytes;
        char chunk[4096];
        ssize_t got;
        while ((got = ::read(master, chunk, sizeof chunk)) > 0)
            bytes.append(chunk, got);
        return bytes;
    }
};

} // namespace

class ConverterWarningsTest : public QObject {
    Q_OBJECT

private slots:
    void keyColours_data();
    void keyColours();
    void hotSpotOutside_data();
    void hotSpotOutside();
    void hotSpotOutsideAnImage_data();
    void hotSpotOutsideAnImage();
    void terminal_data();
    void terminal();
    void previewFormat_data();
    void previewFormat();
    void previewFormatRefused_data();
    void previewFormatRefused();
};

void ConverterWarningsTest::keyColours_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("warning"); // empty: none
    const QImage lime = picture(QColor(0, 255, 0));
    // Qt reads "green" as SVG's #008000, not the #00ff00 the picture has.
    QTest::newRow("background green on lime")
        << lime << QStringList{"--background", "green"}
        << "p.png: warning: the background colour green (#008000) matches no pixel of the picture";
    QTest::newRow("background lime on lime") << lime << QStringList{"--background", "lime"} << "";
    QTest::newRow("background typed as #RRGGBB")
        << lime << QStringList{"--background=#008000"}
        << "p.png: warning: the background colour #008000 matches no pixel of the picture";
    QTest::newRow("invert green on lime")
        << lime << QStringList{"--invert", "green"}
        << "p.png: warning: the invert colour green (#008000) matches no pixel of the picture";
    QTest::newRow("invert lime on lime") << lime << QStringList{"--invert", "#00FF00"} << "";
    // The defaults match nothing here, but nobody chose them.
    QTest::newRow("defaults on red") << picture(Qt::red) << QStringList{} << "";
    // The clear half shows the key by construction; only the red half counts.
    QTest::newRow("background only on clear pixels")
        << picture(Qt::red, 32, true) << QStringList{"--background", "blue"}
        << "p.png: warning: the background colour blue (#0000ff) matches no pixel of the picture";
    QTest::newRow("background on the opaque half")
        << picture(Qt::red, 32, true) << QStringList{"--background", "red"} << "";
    QTest::newRow("invert only on clear pixels")
        << picture(Qt::red, 32, true) << QStringList{"--background", "red", "--invert", "red"} << "";
    // Where a small picture does not reach, white shows and is keyed too.
    QTest::newRow("white around a small picture") << picture(Qt::red, 16) << QStringList{"--background", "white"} << "";
    QTest::newRow("standard output")
        << lime << QStringList{"--invert", "green", "-o", "-"}
        << "p.png: warning: the invert colour green (#008000) matches no pixel of the picture";
    QTest::newRow("shown as text")
        << lime << QStringList{"--invert", "green", "--show"}
        << "p.png: warning: the invert colour green (#008000) matches no pixel of the picture";
}

void ConverterWarningsTest::keyColours()
{
    QFETCH(QImage, image);
    QFETCH(QStringList, options);
    QFETCH(QString, warning);
    QTemporaryDir dir;
    QVERIFY(image.save(dir.filePath(QStringLiteral("p.png"))));
    const Run run = convert(dir, options << QStringLiteral("p.png"));
    QCOMPARE(run.exitCode, 0);
    const QStringList errors = lines(run.err);
    if (warning.isEmpty()) {
        QCOMPARE(errors, QStringList());
    } else {
        QCOMPARE(errors, QStringList{QStringLiteral("pixelwick-convert: ") + warning});
    }
    if (options.contains(QStringLiteral("--show"))) {
        QVERIFY(run.out.startsWith("p.png: 32 x 32 cursor"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("p.cur"))));
    } else {
        const QByteArray cursor =
            options.contains(QStringLiteral("-")) ? run.out : readAll(dir.filePath(QStringLiteral("p.cur")));
        QCOMPARE(cursor.size(), kCursorFileSize);
    }
}

void ConverterWarningsTest::hotSpotOutside_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QString>("warning");
    QTest::newRow("40, 3") << QStringList{"-x", "40", "-y", "3"} << 1
                           << "pixelwick-convert: warning: the hot spot 40, 3 lies outside the 32 x 32 cursor";
    QTest::newRow("once for a batch") << QStringList{
        "-x", "40", "-y", "3"} << 3 << "pixelwick-convert: warning: the hot spot 40, 3 lies outside the 32 x 32 cursor";
    QTest::newRow("above the top") << QStringList{"-x", "0", "-y", "-1"} << 1
                                   << "pixelwick-convert: warning: the hot spot 0, -1 lies outside the 32 x 32 cursor";
    QTest::newRow("32 is past the edge") << QStringList{
        "-x", "32", "-y",
        "31"} << 1 << "pixelwick-convert: warning: the hot spot 32, 31 lies outside the 32 x 32 cursor";
    QTest::newRow("the far corner is inside") << QStringList{"-x", "31", "-y", "31"} << 1 << "";
    QTest::newRow("the near corner is inside") << QStringList{"-x", "0", "-y", "0"} << 2 << "";
}

void ConverterWarningsTest::hotSpotOutside()
{
    QFETCH(QStringList, options);
    QFETCH(int, pictures);
    QFETCH(QString, warning);
    QTemporaryDir dir;
    QStringList arguments = options;
    for (int i = 0; i < pictures; ++i) {
        const QString name = QStringLiteral("p%1.png").arg(i);
        QVERIFY(picture(Qt::black).save(dir.filePath(name)));
        arguments << name;
    }
    const Run run = convert(dir, arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(lines(run.err), warning.isEmpty() ? QStringList() : QStringList{warning});
    // Written as typed all the same.
    for (int i = 0; i < pictures; ++i) {
        const QByteArray cursor = readAll(dir.filePath(QStringLiteral("p%1.cur").arg(i)));
        QCOMPARE(cursor.size(), kCursorFileSize);
        QCOMPARE(headerValue(cursor, kHotSpotXOffset), qint16(options.at(1).toInt()));
        QCOMPARE(headerValue(cursor, kHotSpotYOffset), qint16(options.at(3).toInt()));
    }
}

void ConverterWarningsTest::hotSpotOutsideAnImage_data()
{
    QTest::addColumn<QList<int>>("sizes"); // combined when more than one
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("warnings");
    const auto outside = [](const char *spot, int size) {
        return QStringLiteral(
                   "pixelwick-convert: warning: the hot spot %1 lies outside the %2 x %2 image of the cursor")
            .arg(QLatin1String(spot))
            .arg(size);
    };
    QTest::newRow("--hotspot-for the 32 x 32")
        << QList<int>{32, 48} << QStringList{"--hotspot-for", "32:40,3"} << QStringList{outside("40, 3", 32)};
    QTest::newRow("-x scaled to each size, no 32 x 32")
        << QList<int>{16, 48} << QStringList{"-x", "40"} << QStringList{outside("20, 7", 16), outside("60, 23", 48)};
    QTest::newRow("-x for the sizes --hotspot-for leaves")
        << QList<int>{32, 48} << QStringList{"-x", "40", "--hotspot-for", "32:1,1"}
        << QStringList{outside("60, 23", 48)};
    QTest::newRow("--hotspot-for past the edge")
        << QList<int>{16, 48} << QStringList{"--hotspot-for", "48:48,0"} << QStringList{outside("48, 0", 48)};
    QTest::newRow("the far corners are inside")
        << QList<int>{16, 32, 256} << QStringList{"-x", "31", "-y", "31"} << QStringList();
    QTest::newRow("one cursor, --hotspot-for") << QList<int>{32} << QStringList{"--hotspot-for", "32:40,3"}
                                               << QStringList{QStringLiteral("pixelwick-convert: warning: the hot spot "
                                                                             "40, 3 lies outside the 32 x 32 cursor")};
}

// Every image whose hot spot lies outside it is named by its size,
// whichever option set the spot, and no other image is; the file is
// written all the same.
void ConverterWarningsTest::hotSpotOutsideAnImage()
{
    QFETCH(QList<int>, sizes);
    QFETCH(QStringList, options);
    QFETCH(QStringList, warnings);
    QTemporaryDir dir;
    QStringList arguments = options;
    if (sizes.size() > 1)
        arguments << QStringLiteral("--combine");
    arguments << QStringLiteral("-o") << QStringLiteral("out.cur");
    for (int size : sizes) {
        arguments << QStringLiteral("p%1.png").arg(size);
        QVERIFY(picture(Qt::black, size).save(dir.filePath(arguments.last())));
    }
    const Run run = convert(dir, arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(lines(run.err), warnings);
    const CursorFileReading reading = readCursorFile(readAll(dir.filePath(QStringLiteral("out.cur"))));
    QCOMPARE(reading.images.size(), sizes.size());
}

void ConverterWarningsTest::terminal_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("onTerminal");
    QTest::addColumn<QString>("refusal"); // empty: converted
    QTest::newRow("-o - on a terminal") << QStringList{"-o", "-"} << true
                                        << "-o - writes the cursor's bytes to standard output, which is a terminal";
    QTest::newRow("-o - into a pipe") << QStringList{"-o", "-"} << false << "";
    QTest::newRow("/dev/stdout on a terminal")
        << QStringList{"-o", "/dev/stdout"} << true << "the output “/dev/stdout” is a terminal";
    QTest::newRow("/dev/fd/1 on a terminal")
        << QStringList{"--output=/dev/fd/1"} << true << "the output “/dev/fd/1” is a terminal";
    QTest::newRow("/dev/stdout into a pipe") << QStringList{"-o", "/dev/stdout"} << false << "";
    QTest::newRow("preview on a terminal")
        << QStringList{"-o", "q.cur", "--preview", "/dev/stdout"} << true << "the preview “/dev/stdout” is a terminal";
    // A file named as usual is no business of the terminal's.
    QTest::newRow("a file, the terminal as standard output") << QStringList{"-o", "q.cur"} << true << "";
    QTest::newRow("--show on a terminal") << QStringList{"--show"} << true << "";
}

void ConverterWarningsTest::terminal()
{
    QFETCH(QStringList, options);
    QFETCH(bool, onTerminal);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    QVERIFY(picture(Qt::black).save(dir.filePath(QStringLiteral("p.png"))));
    Terminal terminal;
    QVERIFY2(terminal.slave >= 0, "no pseudo-terminal");
    QVERIFY(::isatty(terminal.slave));
    QMap<int, int> descriptors;
    if (onTerminal)
        descriptors.insert(1, terminal.slave);
    Child child(QStringList{kConverter} << options << QStringLiteral("p.png"), dir.path(), descriptors);
    const int status = child.wait();
    const QByteArray shown = terminal.shown();
    if (!refusal.isEmpty()) {
        QCOMPARE(exitCode(status), 2);
        const QStringList errors = lines(child.err);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith(QStringLiteral("pixelwick-convert: ") + refusal),
                 qPrintable(errors.first()));
        QCOMPARE(shown, QByteArray());
        QCOMPARE(listing(dir.path()), QStringList{QStringLiteral("p.png")});
        return;
    }
    QCOMPARE(exitCode(status), 0);
    QCOMPARE(child.err, QByteArray());
    if (options.contains(QStringLiteral("--show"))) {
        // Text is fine on a terminal; its line ends come back as CR LF.
        QVERIFY(shown.startsWith("p.png: 32 x 32 cursor"));
    } else if (options.contains(QStringLiteral("q.cur"))) {
        QCOMPARE(readAll(dir.filePath(QStringLiteral("q.cur"))).size(), kCursorFileSize);
        QCOMPARE(shown, QByteArray());
    } else {
        QCOMPARE(child.out.size(), kCursorFileSize);
    }
}

void ConverterWarningsTest::previewFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("signature");
    const QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QTest::newRow("png") << "looks.png" << png;
    QTest::newRow("jpg") << "looks.jpg" << QByteArray("\xff\xd8\xff", 3);
    QTest::newRow("JPEG in capitals") << "looks.JPEG" << QByteArray("\xff\xd8\xff", 3);
    QTest::newRow("bmp") << "looks.bmp" << QByteArray("BM");
    QTest::newRow("ppm") << "looks.ppm" << QByteArray("P6");
    QTest::newRow("no suffix") << "looks" << png;
    QTest::newRow("unknown suffix") << "looks.2024" << png;
    if (QImageWriter::supportedImageFormats().contains("webp"))
        QTest::newRow("webp") << "looks.webp" << QByteArray("RIFF");
}

void ConverterWarningsTest::previewFormat()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, signature);
    QTemporaryDir dir;
    QVERIFY(picture(Qt::black).save(dir.filePath(QStringLiteral("p.png"))));
    const Run run = convert(dir, {QStringLiteral("--preview"), name, QStringLiteral("p.png")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    const QByteArray bytes = readAll(dir.filePath(name));
    QVERIFY2(bytes.startsWith(signature), bytes.left(8).toHex().constData());
    // Qt reads it back as a picture of the looks, larger than the cursor.
    QImage shown;
    QVERIFY(shown.loadFromData(bytes));
    QVERIFY(shown.width() > 32 && shown.height() > 32);
    QCOMPARE(readAll(dir.filePath(QStringLiteral("p.cur"))).size(), kCursorFileSize);
}

void ConverterWarningsTest::previewFormatRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    // Qt reads these here but does not write them.
    QTest::newRow("gif") << "looks.gif"
                         << "gif";
    QTest::newRow("GIF in capitals") << "looks.GIF"
                                     << "gif";
    // No plugin here reads it either, but it is a picture format all the same.
    QTest::newRow("avif") << "looks.avif"
                          << "avif";
}

void ConverterWarningsTest::previewFormatRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, format);
    QTemporaryDir dir;
    QVERIFY(picture(Qt::black).save(dir.filePath(QStringLiteral("p.png"))));
    const Run run = convert(dir, {QStringLiteral("--preview"), name, QStringLiteral("p.png")});
    QCOMPARE(run.exitCode, 2);
    const QStringList errors = lines(run.err);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(
        errors.first().contains(QStringLiteral("names the picture format %1, which cannot be written").arg(format)),
        qPrintable(errors.first()));
    QCOMPARE(listing(dir.path()), QStringList{QStringLiteral("p.png")});
}

QTEST_MAIN(ConverterWarningsTest)
#include "test_converter_warnings.moc"
