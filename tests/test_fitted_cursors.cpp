// SPDX-License-Identifier: MIT
// Whole pictures fitted into cursors of one size or several, parts taken
// from anywhere, near colours as keys, and the lines that say a cursor is
// of little use, made by the real converter from pictures whose looks are
// known by their construction.
#include "test_support.h"

#include "cursor_reader.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace testing;

namespace {

using Looks = QStringList; // '#' black, 'O' white, '.' transparent, '~' inverted; a text a row
using Files = QMap<QString, QByteArray>;

Looks looksBy(int width, int height, const std::function<char(int, int)> &look)
{
    Looks rows;
    for (int y = 0; y < height; ++y) {
        rows << QString(width, u' ');
        for (int x = 0; x < width; ++x)
            rows.last()[x] = QLatin1Char(look(x, y));
    }
    return rows;
}

Looks square(int size, const std::function<char(int, int)> &look)
{
    return looksBy(size, size, look);
}

// Every look, with no pattern that fitting could hide.
char scattered(int x, int y)
{
    return "#O.~"[(x * 7 + y * 13 + x * y) % 4];
}

// The picture of these looks in the default keys' colours, as `format`;
// any other character but two is white, as transparent as its code says.
QByteArray picture(const Looks &looks, const char *format = "png")
{
    // 'g' and 'm': 31 away from the keys in two channels.
    static const QMap<QChar, QRgb> colours{{u'#', qRgb(0, 0, 0)},    {u'O', qRgb(255, 255, 255)},
                                           {u'.', qRgb(0, 255, 0)},  {u'~', qRgb(255, 0, 255)},
                                           {u'g', qRgb(0, 224, 31)}, {u'm', qRgb(224, 31, 255)}};
    QImage image(int(looks.first().size()), int(looks.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colours.value(looks[y][x], looks[y][x].unicode() << 24 | 0xFFFFFF));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

// Four-pixel blocks, left two over right two, of these looks in a row.
Looks blocks(const QStringList &quads)
{
    return square(
        64, [&](int x, int y) { return y / 2 < quads.size() ? quads[y / 2][x % 2 + 2 * (y % 2)].toLatin1() : 'O'; });
}

// A drawing 5 pixels wide of its own, on a grid of 4 of its 32 units.
const QByteArray kDrawing = "<svg xmlns='http://www.w3.org/2000/svg' width='5' height='5' viewBox='0 0 32 32'>"
                            "<rect x='4' y='4' width='8' height='8'/><rect x='16' y='8' width='12' height='4' "
                            "fill='#f0f'/><rect y='20' width='32' height='12' fill='#fff'/></svg>";

Looks drawn(int size)
{
    const auto in = [size](int at, int from, int to) { return at >= from * size / 32 && at < to * size / 32; };
    return square(size, [&](int x, int y) {
        return in(x, 4, 12) && in(y, 4, 12) ? '#' : in(x, 16, 28) && in(y, 8, 12) ? '~' : in(y, 20, 32) ? 'O' : '.';
    });
}

QByteArray rect(double x, double width)
{
    return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='32' height='32'><rect x='%1' width='%2' "
                          "height='32'/></svg>")
        .arg(x)
        .arg(width)
        .toUtf8();
}

bool inIBeam(int x, int y)
{
    return (((y >= 4 && y < 8) || (y >= 24 && y < 28)) && x >= 8 && x < 24) || (x >= 14 && x < 18 && y >= 4 && y < 28);
}

QString warning(const char *picture, const QString &text)
{
    return QStringLiteral("pixelwick-convert: %1: warning: %2").arg(QLatin1String(picture), text);
}

QString partOnly(const char *picture, const QString &part, const QString &whole)
{
    return warning(picture,
                   QStringLiteral("only the %1 of the %2 picture was used: --fit uses all of it").arg(part, whole));
}

Looks clear(int size)
{
    return square(size, [](int, int) { return '.'; });
}

const QString kInvisible = QStringLiteral("every pixel of the cursor is transparent, so it would be invisible");

QList<Looks> looksOf(const QList<pixelwick::StoredImage> &images)
{
    QList<Looks> all;
    for (const pixelwick::StoredImage &stored : images)
        all << looksBy(stored.image.width, stored.image.height,
                       [&](int x, int y) { return "#O.~"[int(stored.image.lookAt(x, y))]; });
    return all;
}

} // namespace

class FittedCursorsTest : public QObject {
    Q_OBJECT

private slots:
    void looks_data();
    void looks();
    void sizes_data();
    void sizes();
};

void FittedCursorsTest::looks_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<Looks>>("expected"); // each image's; none: the picture is refused
    QTest::addColumn<QStringList>("lines");

    const QStringList fit{"--fit", "p.png"};
    const Looks pattern = square(32, scattered);
    QTest::newRow("256 to 32") << Files{{"p.png",
                                         picture(square(256, [](int x, int y) { return scattered(x / 8, y / 8); }))}}
                               << fit << QList<Looks>{pattern} << QStringList();
    QTest::newRow("16 to 32") << Files{{"p.png", picture(square(16, scattered))}} << fit
                              << QList<Looks>{square(32, [](int x, int y) { return scattered(x / 2, y / 2); })}
                              << QStringList();
    // A cursor pixel is 3.125 picture pixels: 25 and 75 are edges of both;
    // 2 of 3.125 is more than half, 1 less.
    QTest::newRow("100 to 32") << Files{
        {"p.png", picture(square(100, [](int x, int y) {
             return (x >= 25 && x < 75 && y >= 25 && y < 75) || x < 2 || x == 95 ? '#' : 'O';
         }))}} << fit << QList<Looks>{square(32, [](int x, int y) {
        return (x >= 8 && x < 24 && y >= 8 && y < 24) || x == 0 ? '#' : 'O';
    })} << QStringList();
    // Picture column 20 covers cursor column 30 and half of 31: a tie, black.
    QTest::newRow("32 to 48")
        << Files{{"p.png", picture(square(32, [](int x, int) { return x < 16 || x == 20 ? '#' : 'O'; }))}}
        << QStringList{"--size", "48"} + fit
        << QList<Looks>{square(48, [](int x, int) { return x < 24 || x == 30 || x == 31 ? '#' : 'O'; })}
        << QStringList();
    QTest::newRow("64 x 32, clear around")
        << Files{{"p.png", picture(looksBy(64, 32, [](int, int) { return '#'; }))}} << fit
        << QList<Looks>{square(32, [](int, int y) { return y >= 8 && y < 24 ? '#' : '.'; })} << QStringList();
    // 5.5 rows of margin: the edge rows are half clear, a tie kept opaque.
    QTest::newRow("32 x 21, on half a pixel")
        << Files{{"p.png", picture(looksBy(32, 21, [](int, int) { return '#'; }))}} << fit
        << QList<Looks>{square(32, [](int, int y) { return y >= 5 && y <= 26 ? '#' : '.'; })} << QStringList();
    QTest::newRow("ties at exactly half")
        << Files{{"p.png", picture(blocks({"#O#O", ".O.O", ".~.~", "#O.~", "...O"}))}} << fit
        << QList<Looks>{square(32, [](int, int y) { return y < 5 ? "#O~#."[y] : 'O'; })} << QStringList();
    // Alpha 127 is more than half transparent; 128 of white over white is white.
    QTest::newRow("alpha 127 and 128") << Files{{"p.png",
                                                 picture(square(16, [](int x, int) { return x < 8 ? 127 : 128; }))}}
                                       << fit << QList<Looks>{square(32, [](int x, int) { return x < 16 ? '.' : 'O'; })}
                                       << QStringList();
    // A white background key makes white invert, and so the margins.
    QTest::newRow("a white background key")
        << Files{{"p.png", picture(looksBy(64, 32, [](int x, int y) { return x < 4 && y < 4 ? 'O' : '#'; }))}}
        << QStringList{"--background", "white"} + fit
        << QList<Looks>{square(32, [](int x, int y) { return y < 8 || y >= 24 || (x < 2 && y < 10) ? '~' : '#'; })}
        << QStringList();
    // A black key makes black transparent, whichever key it is; magenta,
    // no longer a key, is dark.
    QTest::newRow("a black invert key") << Files{{"p.png", picture(pattern)}} << QStringList{"--invert", "black"} + fit
                                        << QList<Looks>{square(32,
                                                               [](int x, int y) {
                                                                   return scattered(x, y) == '#'   ? '.'
                                                                          : scattered(x, y) == '~' ? '#'
                                                                                                   : scattered(x, y);
                                                               })}
                                        << QStringList();
    for (int size : {16, 32, 64})
        QTest::addRow("a drawing at %d", size)
            << Files{{"d.svg", kDrawing}} << QStringList{"--fit", "--size", QString::number(size), "d.svg"}
            << QList<Looks>{drawn(size)} << QStringList();
    QTest::newRow("a drawing at four sizes")
        << Files{{"d.svg", kDrawing}} << QStringList{"--sizes", "64,16,48,24", "d.svg"}
        << QList<Looks>{drawn(16), drawn(24), drawn(48), drawn(64)} << QStringList();

    const Files scattered64{{"p.png", picture(square(64, scattered))}};
    QTest::newRow("the top-left corner") << scattered64 << QStringList{"p.png"} << QList<Looks>{pattern}
                                         << QStringList{partOnly("p.png", "top-left 32 x 32", "64 x 64")};
    QTest::newRow("--from") << scattered64 << QStringList{"--size", "16", "--from", "40, 8", "p.png"}
                            << QList<Looks>{square(16, [](int x, int y) { return scattered(x + 40, y + 8); })}
                            << QStringList{partOnly("p.png", "16 x 16 from 40, 8", "64 x 64")};
    QTest::newRow("--from reaching past")
        << scattered64 << QStringList{"--from", "50,40", "p.png"}
        << QList<Looks>{square(32, [](int x, int y) { return x < 14 && y < 24 ? scattered(x + 50, y + 40) : 'O'; })}
        << QStringList{partOnly("p.png", "14 x 24 from 50, 40", "64 x 64"),
                       warning("p.png",
                               "the 32 x 32 part from 50, 40 reaches past the 64 x 64 picture, so white fills the "
                               "rest of the cursor")};
    // JPEG keeps blocks of 8 x 8 as they are, and its reader stops at the part.
    const auto tiles = [](int x, int y) { return (x / 8 + y / 8 * 3) % 4 ? '#' : 'O'; };
    QTest::newRow("--from in a JPEG") << Files{{"p.jpg", picture(square(64, tiles), "jpg")}}
                                      << QStringList{"--from", "8,16", "p.jpg"}
                                      << QList<Looks>{square(32, [&](int x, int y) { return tiles(x + 8, y + 16); })}
                                      << QStringList{partOnly("p.jpg", "32 x 32 from 8, 16", "64 x 64")};
    QTest::newRow("--from outside")
        << scattered64 << QStringList{"--from", "0,64", "p.png"} << QList<Looks>()
        << QStringList{"pixelwick-convert: p.png: the part from 0, 64 lies outside the 64 x 64 picture"};

    const QByteArray nearBytes = picture(square(32, [](int x, int) { return x < 10 ? 'g' : x < 20 ? 'm' : '#'; }));
    const Looks keyed = square(32, [](int x, int) { return x < 10 ? '.' : x < 20 ? '~' : '#'; });
    for (const char *way : {"--fit", "--sizes=32", "--combine", "--size=32"})
        QTest::addRow("%s --tolerance 31", way)
            << Files{{"p.png", nearBytes}} << QStringList{way, "--tolerance", "31", "p.png"} << QList<Looks>{keyed}
            << QStringList();
    QTest::newRow("--tolerance 30") << Files{{"p.png", nearBytes}} << QStringList{"--tolerance", "30", "p.png"}
                                    << QList<Looks>{square(32, [](int x, int) { return x < 10 ? 'O' : '#'; })}
                                    << QStringList();
    QTest::newRow("keys given, within --tolerance 31")
        << Files{{"p.png", picture(square(32, [](int x, int) { return x < 16 ? '.' : '~'; }))}}
        << QStringList{"--background", "#00e000", "--invert", "#e000ff", "--tolerance", "31", "p.png"}
        << QList<Looks>{square(32, [](int x, int) { return x < 16 ? '.' : '~'; })} << QStringList();
    QTest::newRow("keys given, beyond --tolerance 30")
        << Files{{"p.png", picture(square(32, [](int x, int) { return x < 16 ? '.' : '~'; }))}}
        << QStringList{"--background", "#00e000", "--invert", "#e000ff", "--tolerance", "30", "p.png"}
        << QList<Looks>{square(32, [](int x, int) { return x < 16 ? 'O' : '#'; })}
        << QStringList{warning("p.png", "the background colour #00e000 matches no pixel of the picture"),
                       warning("p.png", "the invert colour #e000ff matches no pixel of the picture")};
    // JPEG changes every colour a little, and its shapes' edges more.
    const Files iBeam{
        {"p.jpg", picture(square(128, [](int x, int y) { return inIBeam(x / 4, y / 4) ? '~' : '.'; }), "jpg")}};
    QTest::newRow("a JPEG I-beam, --tolerance 40")
        << iBeam << QStringList{"--fit", "--tolerance", "40", "p.jpg"}
        << QList<Looks>{square(32, [](int x, int y) { return inIBeam(x, y) ? '~' : '.'; })} << QStringList();
    QTest::newRow("a JPEG I-beam, exact")
        << iBeam << QStringList{"--fit", "p.jpg"}
        << QList<Looks>{square(32, [](int x, int y) { return inIBeam(x, y) ? '#' : 'O'; })} << QStringList();

    QTest::newRow("clear") << Files{{"p.png", picture(clear(32))}} << QStringList{"--sizes", "16,32", "p.png"}
                           << QList<Looks>{clear(16), clear(32)} << QStringList{warning("p.png", kInvisible)};
    // Three quarters of a pixel at 32 is three eighths of one at 16.
    QTest::newRow("gone at 16")
        << Files{{"l.svg", rect(15, 0.75)}} << QStringList{"--sizes", "16,32", "l.svg"}
        << QList<Looks>{clear(16), square(32, [](int x, int) { return x == 15 ? '#' : '.'; })}
        << QStringList{warning(
               "l.svg",
               "every pixel of the 16 x 16 image of the cursor is transparent, so it would be invisible at that size")};
    // Three eighths of a pixel at 64, which a drawing for 16 would blur.
    QTest::newRow("drawn anew for each size")
        << Files{{"l.svg", rect(16, 0.1875)}} << QStringList{"--sizes", "16,64", "l.svg"}
        << QList<Looks>{clear(16), clear(64)} << QStringList{warning("l.svg", kInvisible)};
    QTest::newRow("combined, one clear")
        << Files{{"a.png", picture(clear(16))}, {"b.png", picture(pattern)}}
        << QStringList{"--combine", "a.png", "b.png"} << QList<Looks>{clear(16), pattern}
        << QStringList{warning(
               "a.png",
               "every pixel of the 16 x 16 image of the cursor is transparent, so it would be invisible at that size")};
}

// Each image's looks as the project's reader reads the file written, and
// every line said; a cursor is made whatever it warns of.
void FittedCursorsTest::looks()
{
    QFETCH(Files, files);
    QFETCH(QStringList, arguments);
    QFETCH(QList<Looks>, expected);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        QVERIFY(writeAll(dir.filePath(file.key()), file.value()));
    const Run run = runProgram(QStringLiteral(PIXELWICK_CONVERT), QStringList{"-o", "out.cur"} + arguments, dir.path());
    QCOMPARE(QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts), lines);
    QCOMPARE(run.exitCode, expected.isEmpty() ? 1 : 0);
    QCOMPARE(looksOf(pixelwick::readCursorFile(readAll(dir.filePath(QStringLiteral("out.cur")))).images), expected);
}

void FittedCursorsTest::sizes_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<int>>("hotSpots"); // x, y of each image, smallest first
    QTest::newRow("each one's middle") << QStringList() << QList<int>{11, 11, 15, 15, 23, 23, 31, 31};
    // floor((x + 0.5) * N / 32), as --combine has it.
    QTest::newRow("-x and -y at 32") << QStringList{"-x", "15", "-y", "14"}
                                     << QList<int>{11, 10, 15, 14, 23, 21, 31, 29};
    QTest::newRow("one by hand") << QStringList{"-x", "15", "-y", "14", "--hotspot-for", "48:1,2"}
                                 << QList<int>{11, 10, 15, 14, 1, 2, 31, 29};
}

// The four images' hot spots as icotool and --show see them, and the
// preview draws them all.
void FittedCursorsTest::sizes()
{
    QFETCH(QStringList, options);
    QFETCH(QList<int>, hotSpots);
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(QStringLiteral("d.svg")), kDrawing));
    const QStringList arguments = options + QStringList{"--sizes", "64,24,48,32", "d.svg"};
    const Run run = runProgram(QStringLiteral(PIXELWICK_CONVERT),
                               QStringList{"-o", "d.cur", "--preview", "l.png"} + arguments, dir.path());
    QCOMPARE(run.exitCode, 0);
    const Run shown = runProgram(QStringLiteral(PIXELWICK_CONVERT), QStringList{"--show"} + arguments, dir.path());
    const QStringList listed = icotoolList(dir.filePath(QStringLiteral("d.cur"))).split(u'\n');
    const QStringList headers = QString::fromUtf8(shown.out).split(u'\n').filter(QStringLiteral("d.svg: "));
    QCOMPARE(listed.size(), 4);
    QCOMPARE(headers.size(), 4);
    const QList<int> sizes{24, 32, 48, 64};
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(
            listed[i].contains(
                QStringLiteral("--width=%1 --height=%1 --bit-depth=1 --palette-size=2 --hotspot-x=%2 --hotspot-y=%3")
                    .arg(sizes[i])
                    .arg(hotSpots[2 * i])
                    .arg(hotSpots[2 * i + 1])),
            qPrintable(listed[i]));
        QCOMPARE(headers[i], QStringLiteral("d.svg: %1 x %1 cursor, hot spot %2, %3, image %4 of 4")
                                 .arg(sizes[i])
                                 .arg(hotSpots[2 * i])
                                 .arg(hotSpots[2 * i + 1])
                                 .arg(i + 1));
    }
    QVERIFY(QImage(dir.filePath(QStringLiteral("l.png"))).height() > 2 * (24 + 32 + 48 + 64));
}

QTEST_GUILESS_MAIN(FittedCursorsTest)
#include "test_fitted_cursors.moc"
