// SPDX-License-Identifier: MIT
// SVG drawings, made here, through the real pixelwick-convert: known by
// their content as well as their suffix, packed or not; every way a
// document can name something outside itself refused without the reader
// touching it; and hostile documents refused within the converter's limits.
// The library draws a document at a size asked for, keeping its shape.
#include "child_process.h"
#include "picture_loading.h"
#include "test_support.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <zlib.h>

using Maker = std::function<QByteArray()>;
Q_DECLARE_METATYPE(Maker)

using namespace testing;

namespace {

QByteArray svg(const QByteArray &body, const QByteArray &size = R"(width="32" height="32")",
               const QByteArray &prolog = {})
{
    return prolog + R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )" + size
           + ">" + body + "</svg>";
}

// A black square and a magenta bar (the default invert key) on nothing.
const QByteArray kShapes = R"(<rect x="4" y="4" width="8" height="8" fill="black"/>)"
                           R"(<rect x="16" y="20" width="12" height="4" fill="#ff00ff"/>)";

// What --show prints for kShapes, from the rectangles themselves.
QByteArray shapesShown(const QByteArray &name)
{
    QByteArray shown = name + ": 32 x 32 cursor, hot spot 15, 15\n";
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool black = x >= 4 && x < 12 && y >= 4 && y < 12;
            const bool magenta = x >= 16 && x < 28 && y >= 20 && y < 24;
            shown += black ? '#' : magenta ? '~' : '.';
        }
        shown += '\n';
    }
    return shown;
}

// `head`, `middle` `repeats` times and `tail` as a gzip file, as `gzip`
// writes it; packed as it goes, so a bomb needs no room for what it unpacks to.
QByteArray gzipped(const QByteArray &head, const QByteArray &middle = {}, qint64 repeats = 0,
                   const QByteArray &tail = {})
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray packed;
    char out[1 << 16];
    const auto pack = [&](const QByteArray &bytes, int flush) {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
        stream.avail_in = uInt(bytes.size());
        do {
            stream.next_out = reinterpret_cast<Bytef *>(out);
            stream.avail_out = sizeof out;
            deflate(&stream, flush);
            packed.append(out, qsizetype(sizeof out - stream.avail_out));
        } while (stream.avail_out == 0);
    };
    pack(head, Z_NO_FLUSH);
    for (qint64 i = 0; i < repeats; ++i)
        pack(middle, Z_NO_FLUSH);
    pack(tail, Z_FINISH);
    deflateEnd(&stream);
    return packed;
}

// kShapes with a comment of `megabytes` of spaces, packed.
QByteArray packedSpaces(qint64 megabytes)
{
    return gzipped(svg(kShapes + "<!--").chopped(6), QByteArray(1 << 20, ' '), megabytes, "--></svg>");
}

// Entities that each name the one before ten times, `levels` deep.
QByteArray laughs(int levels, const QByteArray &use)
{
    QByteArray declarations = R"(<!ENTITY e0 "ha">)";
    for (int i = 1; i <= levels; ++i)
        declarations += "<!ENTITY e" + QByteArray::number(i) + " \""
                        + ("&e" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    return svg(kShapes + use, R"(width="32" height="32")", "<!DOCTYPE svg [" + declarations + "]>");
}

// Read part by part, hostile documents took a reader to a gigabyte or the
// time limit; refused by the walk, they cost a fraction of this.
constexpr Limits kLimits{1024, 60};
#ifdef __SANITIZE_ADDRESS__
constexpr long kMostMegabytes = 500;
#else
constexpr long kMostMegabytes = 150;
#endif

} // namespace

class SvgPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void drawnOrRefused_data();
    void drawnOrRefused();
    void outsideNeverReached_data();
    void outsideNeverReached();
    void drawnAtSize_data();
    void drawnAtSize();
};

void SvgPicturesTest::outsideNeverReached_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("refusal"); // empty where the document is drawn

    // TARGET stands for a pipe beside the picture that nothing writes to,
    // which a reader opening it would wait on; DIR for the folder, PORT
    // for a port this test listens on.
    const QString outside = QStringLiteral("refers to another file (");
    const auto row = [&](const char *title, const QByteArray &body, const QByteArray &prolog = {}) {
        QTest::newRow(title) << svg(kShapes + body, R"(width="32" height="32")", prolog) << outside;
    };
    row("image", R"(<image width="8" height="8" xlink:href="TARGET"/>)");
    row("image by absolute path", R"(<image width="8" height="8" xlink:href="DIR/TARGET"/>)");
    row("image by plain href", R"(<image width="8" height="8" href="TARGET"/>)");
    row("image by file URL", R"(<image width="8" height="8" xlink:href="file://DIR/TARGET"/>)");
    row("image over HTTP", R"(<image width="8" height="8" xlink:href="http://127.0.0.1:PORT/TARGET"/>)");
    // Qt's plugin takes an image's "#part" for a file name: a pipe here.
    row("image of a part", R"(<rect id="part"/><image width="8" height="8" xlink:href="#part"/>)");
    row("use of another file's part", R"(<use xlink:href="TARGET#part"/>)");
    row("filter image", R"(<filter id="f"><feImage xlink:href="TARGET"/></filter>)");
    row("style sheet import", "<style>@import url(TARGET);</style>");
    row("paint from another file", R"x(<rect width="2" height="2" style="fill: url('TARGET#g')"/>)x");
    row("xml-stylesheet instruction", {}, R"(<?xml-stylesheet type="text/css" href="TARGET"?>)");
    row("XInclude", R"(<xi:include xmlns:xi="http://www.w3.org/2001/XInclude" href="TARGET"/>)");
    row("external entity", "<desc>&x;</desc>", R"(<!DOCTYPE svg [<!ENTITY x SYSTEM "TARGET">]>)");
    row("external parameter entity", {}, R"(<!DOCTYPE svg [<!ENTITY % x SYSTEM "TARGET"> %x;]>)");
    row("public entity", "<desc>&x;</desc>", R"(<!DOCTYPE svg [<!ENTITY x PUBLIC "-//A//B//EN" "TARGET">]>)");
    QTest::newRow("SVG in a data: address, naming the file")
        << svg(R"(<image width="8" height="8" xlink:href="data:image/svg+xml;base64,)"
               + svg(R"(<image width="8" height="8" xlink:href="target.png"/>)").toBase64() + "\"/>")
        << QStringLiteral("it holds a damaged SVG picture: it refers to another file (TARGET)");
    // Named, but never read by anything that draws.
    QTest::newRow("document type naming the file")
        << svg(kShapes, R"(width="32" height="32")", R"(<!DOCTYPE svg SYSTEM "TARGET">)") << QString();
    QTest::newRow("link to the file") << svg(R"(<a xlink:href="TARGET">)" + kShapes + "</a>") << QString();
}

// Refused with its one line, or drawn, at once: a reader that opened the
// pipe would wait there until its time ran out. Where strace is installed,
// no process of the converter's ever names the file, nor connects.
void SvgPicturesTest::outsideNeverReached()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    QCOMPARE(::bind(listener, reinterpret_cast<sockaddr *>(&address), length), 0);
    QCOMPARE(::listen(listener, 4), 0);
    QCOMPARE(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length), 0);
    for (const char *pipe : {"target.png", "#part"})
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QLatin1String(pipe))).constData(), 0600), 0);
    document.replace("DIR", QFile::encodeName(dir.path()))
        .replace("PORT", QByteArray::number(ntohs(address.sin_port)))
        .replace("TARGET", "target.png");
    QVERIFY(writeAll(dir.filePath(QStringLiteral("page.svg")), document));

    QStringList command{QStringLiteral(PIXELWICK_CONVERT), QStringLiteral("--show"), QStringLiteral("page.svg")};
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
#ifdef __SANITIZE_ADDRESS__
    // LeakSanitizer cannot work under a tracer, and says so at the end.
    if (!strace.isEmpty() && !qgetenv("ASAN_OPTIONS").contains("detect_leaks=0"))
        qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":detect_leaks=0");
#endif
    if (!strace.isEmpty())
        command = QStringList{strace,
                              QStringLiteral("-f"),
                              QStringLiteral("-qq"),
                              QStringLiteral("-s4096"),
                              QStringLiteral("-etrace=%file,connect"),
                              QStringLiteral("-o"),
                              trace}
                  + command;
    QElapsedTimer clock;
    clock.start();
    Child child(command, dir.path(), {}, kLimits);
    const int status = child.wait();
    QVERIFY2(clock.elapsed() < 8000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
    QVERIFY(::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC) < 0 && errno == EAGAIN);
    ::close(listener);
    if (!strace.isEmpty()) {
        const QByteArray traced = readAll(trace);
        QVERIFY(traced.contains("page.svg"));
        for (const QByteArray &line : traced.split('\n'))
            QVERIFY2(!line.contains("target.png") && !line.contains("#part"), line.constData());
        QVERIFY(!traced.contains("connect("));
    }
    if (refusal.isEmpty()) {
        QCOMPARE(child.err, QByteArray());
        QCOMPARE(exitCode(status), 0);
        QCOMPARE(child.out, shapesShown("page.svg"));
        return;
    }
    QCOMPARE(exitCode(status), 1);
    QCOMPARE(lines(child.err).size(), 1);
    QVERIFY2(child.err.contains(refusal.replace(QLatin1String("TARGET"), QLatin1String("target.png")).toUtf8()),
             child.err.constData());
}

void SvgPicturesTest::drawnOrRefused_data()
{
    QTest::addColumn<QString>("name"); // "-" for standard input
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QString>("refusal"); // empty where kShapes is drawn

    const auto row = [](const char *title, const char *name, const Maker &make, const char *refusal = "") {
        QTest::newRow(title) << QString::fromLatin1(name) << make << QString::fromUtf8(refusal);
    };
    const QByteArray plain = svg(kShapes), packed = gzipped(plain);
    row("SVG", "a.svg", [=] { return plain; });
    row("SVG without suffix", "drawing", [=] { return plain; });
    row("SVG from standard input", "-", [=] { return plain; });
    row("SVGZ", "a.svgz", [=] { return packed; });
    row("SVGZ without suffix", "drawing", [=] { return packed; });
    row("SVGZ from standard input", "-", [=] { return packed; });
    // What drawing programs write before the root: BOM, declaration,
    // comments, a document type naming the SVG DTD (never read) with an
    // entity of its own; the square drawn by reference.
    row("SVG of a long prolog, drawn by reference", "drawing", [] {
        return svg(R"(<defs><rect id="b" x="4" y="4" width="8" height="8" fill="&ink;"/></defs><use xlink:href="#b"/>)"
                   R"(<rect x="16" y="20" width="12" height="4" fill="#ff00ff"/>)",
                   R"(width="32" height="32")",
                   "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- <svg> -->\n"
                   R"(<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 1.1//EN" "svg11.dtd" [<!ENTITY ink "black"> <!-- ]> -->]>)"
                       + QByteArray(4000, '\n'));
    });
    // The square as a picture held in the document: PNG is Qt's own, JPEG
    // needs its plugin loaded while the drawing is drawn.
    for (const char *format : {"png", "jpeg"}) {
        QTest::addRow("SVG holding a %s", format) << QStringLiteral("a.svg") << Maker([format] {
            QImage square(8, 8, QImage::Format_RGB32);
            square.fill(Qt::black);
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            square.save(&buffer, format);
            return svg(R"(<image x="4" y="4" width="8" height="8" xlink:href="data:image/)" + QByteArray(format)
                       + ";base64," + bytes.toBase64()
                       + R"("/><rect x="16" y="20" width="12" height="4" fill="#ff00ff"/>)");
        }) << QString();
    }
    // Hostile documents; just within each bound, drawn.
    const char *const expands = "entities that would take the document past 16 MB";
    row(
        "entities of 10^9 characters", "a.svg", [] { return laughs(9, "<desc>&e9;</desc>"); }, expands);
    row(
        "an entity of 4000 characters named 20000 times", "b.svg",
        [] {
            return svg(R"(<rect class=")" + QByteArray("&a;").repeated(20000) + R"("/>)" + kShapes,
                       R"(width="32" height="32")", "<!DOCTYPE svg [<!ENTITY a \"" + QByteArray(4000, 'a') + "\">]>");
        },
        expands);
    row("entities of 2000 characters", "c.svg", [] { return laughs(3, "<desc>&e3;</desc>"); });
    row(
        "SVGZ of 256 MB", "d.svgz", [] { return packedSpaces(256); }, "an SVGZ file that unpacks to more than 16 MB");
    row("SVGZ of 15 MB", "e.svgz", [] { return packedSpaces(15); });
    row(
        "SVGZ cut short", "f.svgz", [] { return packedSpaces(1).chopped(100); }, "is incomplete");
    // The root and the two shapes are three.
    row("131072 elements", "g.svg", [] { return svg(kShapes + QByteArray("<g/>").repeated(131069)); });
    row(
        "131073 elements", "h.svg", [] { return svg(kShapes + QByteArray("<g/>").repeated(131070)); },
        "an SVG document of more than 131072 elements");
    row(
        "17 MB document", "j.svg", [] { return svg(kShapes + "<!--" + QByteArray(17 << 20, ' ') + "-->"); },
        "an SVG document of more than 16 MB");
    row(
        "100000 x 100000 view box", "l.svg", [] { return svg(kShapes, R"(viewBox="0 0 100000 100000")"); },
        "is too large to load (100000 × 100000 pixels)");
    // Qt ends a program that draws text without fonts.
    row(
        "text without fonts", "m.svg", [] { return svg(kShapes + "<text>A</text>"); },
        "it holds text, and no fonts are loaded to draw it");
}

// At 1:1, whatever names it, a document is drawn at its own size; within
// the converter's limits, and with little of its memory, a hostile one is
// refused with its one line.
void SvgPicturesTest::drawnOrRefused()
{
    QFETCH(QString, name);
    QFETCH(Maker, make);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString file = dir.filePath(name == QLatin1String("-") ? QStringLiteral("input") : name);
    QVERIFY(writeAll(file, make()));
    const int input = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    Child child({QStringLiteral(PIXELWICK_CONVERT), QStringLiteral("--show"), name}, dir.path(), {{0, input}}, kLimits);
    const int status = child.wait();
    ::close(input);
    QVERIFY2(child.peakMegabytes() <= kMostMegabytes, qPrintable(QStringLiteral("%1 MB").arg(child.peakMegabytes())));
    if (refusal.isEmpty()) {
        QCOMPARE(child.err, QByteArray());
        QCOMPARE(exitCode(status), 0);
        QCOMPARE(child.out, shapesShown(name.toUtf8()));
        return;
    }
    QCOMPARE(exitCode(status), 1);
    QCOMPARE(lines(child.err).size(), 1);
    QVERIFY2(child.err.contains(refusal.toUtf8()), child.err.constData());
}

void SvgPicturesTest::drawnAtSize_data()
{
    QTest::addColumn<QByteArray>("size");
    QTest::addColumn<QSizeF>("user"); // the drawing's own units
    QTest::addColumn<int>("drawnSide");
    QTest::addColumn<QSize>("drawn");

    const auto row = [](const char *title, const char *size, QSizeF user, int side, QSize drawn) {
        QTest::newRow(title) << QByteArray(size) << user << side << drawn;
    };
    row("32 x 16 at its own size", R"(width="32" height="16")", {32, 16}, 0, {32, 16});
    row("32 x 16 at 256", R"(width="32" height="16")", {32, 16}, 256, {256, 128});
    row("view box only, at its own size", R"(viewBox="0 0 10 20")", {10, 20}, 0, {10, 20});
    row("view box only at 256", R"(viewBox="0 0 10 20")", {10, 20}, 256, {128, 256});
    row("view box of 3 x 2 at 256", R"(viewBox="0 0 3 2")", {3, 2}, 256, {256, 171});
    row("millimetres at 100", R"(width="40mm" height="10mm" viewBox="0 0 4 1")", {4, 1}, 100, {100, 25});
}

// Read whole through the library: the document's longer side drawnSide
// long (or its own size at 0), its shape kept: the left half is black.
void SvgPicturesTest::drawnAtSize()
{
    QFETCH(QByteArray, size);
    QFETCH(QSizeF, user);
    QFETCH(int, drawnSide);
    QFETCH(QSize, drawn);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("half.svg"));
    QVERIFY(writeAll(path, svg(QStringLiteral(R"(<rect width="%1" height="%2" fill="black"/>)")
                                   .arg(user.width() / 2)
                                   .arg(user.height())
                                   .toUtf8(),
                               size)));
    const pixelwick::LoadedPicture loaded =
        pixelwick::loadPicture(path, {}, pixelwick::PictureRegion::whole(drawnSide));
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(loaded.image.size(), drawn);
    QCOMPARE(loaded.size, drawn);
    const int middle = drawn.height() / 2;
    QCOMPARE(loaded.image.pixel(drawn.width() / 4, middle), qRgb(0, 0, 0));
    QCOMPARE(qAlpha(loaded.image.pixel(drawn.width() * 3 / 4, middle)), 0);
}

QTEST_GUILESS_MAIN(SvgPicturesTest)
#include "test_svg_pictures.moc"
