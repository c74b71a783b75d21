// SPDX-License-Identifier: MIT
// The test area on a desktop of its own (tests/x11/with_display.sh), as a
// person tries a cursor there: the real pointer moved by xdotool, and the
// X server asked (tests/x11/pointer_probe) what the pointer looks like and
// what the screen shows under it.
#include "cursor_file.h"
#include "fitting.h"
#include "test_support.h"
#include "try_surface.h"
#include "x11/desktop_tools.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using pixelwick::PixelLook;
using pixelwick::TrySurface;

namespace {

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("timeout"), QStringList{QStringLiteral("60"), program} + arguments);
    process.waitForFinished(90000);
    return process.readAllStandardOutput();
}

QString xdotool(const QStringList &arguments)
{
    return QString::fromUtf8(run(QStringLiteral("xdotool"), arguments)).trimmed();
}

void moveTo(QPoint screen)
{
    xdotool({"mousemove", QString::number(screen.x()), QString::number(screen.y())});
}

// The probe's answer: its first line's numbers, then its rows of
// hexadecimal pixels as an image.
QImage probe(const QStringList &arguments, QList<int> &head, QImage::Format format)
{
    const QList<QByteArray> lines = run(QStringLiteral(PIXELWICK_POINTER_PROBE), arguments).split('\n');
    head.clear();
    for (const QByteArray &number : lines.value(0).split(' '))
        head << number.toInt();
    QImage image(head.value(0), head.value(1), format);
    image.fill(0);
    for (int y = 0; y < image.height(); ++y) {
        const QList<QByteArray> row = lines.value(y + 1).split(' ');
        for (int x = 0; x < image.width() && x < row.size(); ++x)
            image.setPixel(x, y, row[x].toUInt(nullptr, 16) | (format == QImage::Format_RGB32 ? 0xFF000000 : 0));
    }
    return image;
}

// The screen's pixels in `rect`, as the X server holds them.
QImage screen(const QRect &rect)
{
    QList<int> head;
    return probe({QString::number(rect.x()), QString::number(rect.y()), QString::number(rect.width()),
                  QString::number(rect.height())},
                 head, QImage::Format_RGB32);
}

// Every look beside every other, in blocks of four pixels.
PixelLook knownLook(int x, int y)
{
    return PixelLook((x / 4 + 2 * (y / 4)) % 4);
}

// A cursor file of the known looks at each size with its hot spot; an icon
// has planes and bit counts where a cursor has its hot spot.
QByteArray knownFile(const QList<int> &sizes, const QList<QPoint> &hotSpots, bool icon)
{
    QList<pixelwick::LookSource> sources;
    for (const int size : sizes) {
        pixelwick::LookGrid looks(size, size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                looks.set(x, y, knownLook(x, y));
        sources.append(pixelwick::LookSource(looks));
    }
    QList<pixelwick::CursorFrame> frames;
    for (qsizetype i = 0; i < sizes.size(); ++i)
        frames.append({sizes[i], {std::int16_t(hotSpots[i].x()), std::int16_t(hotSpots[i].y())}, &sources[i]});
    QByteArray bytes = pixelwick::cursorFileBytes(frames, pixelwick::kLookKeys);
    for (qsizetype i = 0; icon && i < sizes.size(); ++i)
        bytes[6 + 16 * i + 4] = bytes[6 + 16 * i + 6] = 1;
    if (icon)
        bytes[2] = 1;
    return bytes;
}

// Whether the X server's pointer is the known cursor of this size and hot
// spot as the desktop draws it: X cannot invert, so inverted pixels are
// black, with white where transparent pixels touch them.
bool showsKnownCursor(int size, QPoint hotSpot)
{
    QList<int> head;
    const QImage pointer = probe({}, head, QImage::Format_ARGB32);
    const auto look = [size](int x, int y) {
        return QRect(0, 0, size, size).contains(x, y) ? knownLook(x, y) : PixelLook::Transparent;
    };
    bool same = pointer.size() == QSize(size, size) && QPoint(head.value(2), head.value(3)) == hotSpot;
    for (int y = 0; same && y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            bool outlined = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    outlined = outlined || look(x + dx, y + dy) == PixelLook::Inverted;
            const QRgb expected = look(x, y) == PixelLook::White         ? 0xFFFFFFFF
                                  : look(x, y) != PixelLook::Transparent ? 0xFF000000
                                  : outlined                             ? 0xFFFFFFFF
                                                                         : 0;
            same = same && pointer.pixel(x, y) == expected;
        }
    }
    return same;
}

// The screen under Windows' cursor: (screen AND and) XOR xor, bit by bit.
QImage asWindowsDraws(QImage beneath, int scale)
{
    for (int y = 0; y < beneath.height(); ++y) {
        for (int x = 0; x < beneath.width(); ++x) {
            const PixelLook look = knownLook(x / scale, y / scale);
            const QRgb andMask = look == PixelLook::Transparent || look == PixelLook::Inverted ? 0xFFFFFF : 0;
            const QRgb xorMask = look == PixelLook::White || look == PixelLook::Inverted ? 0xFFFFFF : 0;
            beneath.setPixel(x, y, 0xFF000000 | ((beneath.pixel(x, y) & andMask) ^ xorMask));
        }
    }
    return beneath;
}

// The top-left screen pixels of the two halves: the white band followed by
// the black band, each exactly a band wide, twice in a row of the screen.
QList<QPoint> halves(int scale)
{
    const QStringList extent = xdotool({"getdisplaygeometry"}).split(u' ');
    const QImage shown = screen(QRect(0, 0, extent.value(0).toInt(), extent.value(1).toInt()));
    const int band = TrySurface::kBandWidth * scale;
    for (int y = 0; y < shown.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        const auto isBand = [&](int from, QRgb colour) {
            return std::all_of(row + from, row + from + band, [&](QRgb pixel) { return pixel == colour; })
                   && row[from + band] != colour && (from == 0 || row[from - 1] != colour);
        };
        QList<QPoint> found;
        for (int x = 0; x + 2 * band < shown.width(); ++x)
            if (isBand(x, 0xFFFFFFFF) && isBand(x + band, 0xFF000000))
                found << QPoint(x, y);
        if (found.size() == 2)
            return found;
    }
    return {};
}

// Pixelwick started at `scale`; its first window once it is mapped.
QString started(QProcess &process, int scale, const QStringList &arguments, const QString &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QStringLiteral(PIXELWICK_WINDOW), arguments);
    QString window;
    // xdotool gives up when another window goes while it searches.
    for (int tries = 0; tries < 20 && window.isEmpty() && process.waitForStarted(); ++tries)
        window = xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(process.processId())})
                     .section(u'\n', 0, 0);
    return window;
}

} // namespace

class TryAreaTest : public QObject {
    Q_OBJECT

private slots:
    void knownCursor_data();
    void knownCursor();
    void sizesOffered_data();
    void sizesOffered();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void followsTheWindow_data();
    void followsTheWindow();
};

void TryAreaTest::knownCursor_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("scale 1") << 1;
    QTest::newRow("scale 2") << 2;
}

// Over the left half the X server's pointer is the cursor, pixel for pixel;
// over the right half it is hidden, and the screen under it is what Windows
// makes of white, black and the stripes. A click marks the hot spot.
void TryAreaTest::knownCursor()
{
    QFETCH(int, scale);
    QTemporaryDir dir;
    const QPoint hotSpot(5, 9);
    QVERIFY(testing::writeAll(dir.filePath("known.cur"), knownFile({32}, {hotSpot}, false)));
    QProcess pixelwick;
    const QString window = started(pixelwick, scale, {"--try", "known.cur"}, dir.path());
    QList<QPoint> half;
    QTRY_VERIFY_WITH_TIMEOUT((half = halves(scale)).size() == 2, 20000);
    const int band = TrySurface::kBandWidth * scale;
    const QPoint middle(band / 2 + 1, 100 * scale + 1); // of a band, odd on a scaled screen
    moveTo(half[0] + middle);
    QTRY_VERIFY_WITH_TIMEOUT(showsKnownCursor(32, hotSpot), 10000);

    const QList<QSet<QRgb>> bands{{0xFFFFFFFF}, {0xFF000000}, {TrySurface::kStripeA, TrySurface::kStripeB}};
    for (qsizetype column = 0; column < bands.size(); ++column) {
        const QPoint at = half[1] + QPoint(int(column) * band, 0) + middle;
        const QRect under(at - hotSpot * scale, QSize(32, 32) * scale);
        moveTo(half[0] + middle);
        const QImage beneath = screen(under);
        QSet<QRgb> seen; // each band as it should be, so that every look is seen over it
        for (int y = 0; y < beneath.height(); ++y)
            for (int x = 0; x < beneath.width(); ++x)
                seen.insert(beneath.pixel(x, y));
        QCOMPARE(seen, bands[column]);
        moveTo(at);
        QTRY_COMPARE_WITH_TIMEOUT(screen(under), asWindowsDraws(beneath, scale), 10000);
        QList<int> head;
        const QImage pointer = probe({}, head, QImage::Format_ARGB32);
        QImage clear(pointer.size(), QImage::Format_ARGB32);
        clear.fill(0);
        QVERIFY(!pointer.isNull());
        QCOMPARE(pointer, clear); // the real pointer is hidden
    }

    for (const QPoint &corner : half) {
        const QPoint clicked = corner + middle + QPoint(3, 5);
        xdotool({"mousemove", QString::number(clicked.x()), QString::number(clicked.y()), "click", "1"});
        moveTo(half[0] + QPoint(2 * band, 0) + middle); // off the mark
        // The mark's middle is the pixel clicked.
        QTRY_COMPARE_WITH_TIMEOUT(screen(QRect(clicked, QSize(1, 1))).pixel(0, 0), TrySurface::kMark, 10000);
        const QImage around = screen(QRect(clicked - QPoint(20, 20), QSize(41, 41)));
        QRect marked;
        for (int y = 0; y < around.height(); ++y)
            for (int x = 0; x < around.width(); ++x)
                marked |= around.pixel(x, y) == TrySurface::kMark ? QRect(x, y, 1, 1) : QRect();
        QCOMPARE(marked.topLeft() + marked.bottomRight(), QPoint(40, 40) + QPoint(scale - 1, scale - 1));
    }
    xdotool({"windowactivate", "--sync", window, "key", "Escape"});
    QVERIFY(pixelwick.waitForFinished(10000));
    QCOMPARE(pixelwick.exitCode(), 0);
}

void TryAreaTest::sizesOffered_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<QPoint>>("hotSpots");
    QTest::addColumn<QList<QPoint>>("tried"); // an X pointer's hot spot lies within it
    for (const int scale : {1, 2})
        QTest::addRow("a cursor, scale %d", scale)
            << scale << false << QList<int>{24, 32, 48} << QList<QPoint>{{30, 4}, {5, 9}, {20, 33}}
            << QList<QPoint>{{23, 4}, {5, 9}, {20, 33}};
    QTest::newRow("an icon, tried at its middle")
        << 1 << true << QList<int>{16, 32} << QList<QPoint>{{0, 0}, {0, 0}} << QList<QPoint>{{8, 8}, {16, 16}};
}

// Each image of a file is offered and, chosen, becomes the pointer.
void TryAreaTest::sizesOffered()
{
    QFETCH(int, scale);
    QFETCH(bool, icon);
    QFETCH(QList<int>, sizes);
    QFETCH(QList<QPoint>, hotSpots);
    QFETCH(QList<QPoint>, tried);
    QTemporaryDir dir;
    const QString name = icon ? "sizes.ico" : "sizes.cur";
    QVERIFY(testing::writeAll(dir.filePath(name), knownFile(sizes, hotSpots, icon)));
    QProcess pixelwick;
    const QString window = started(pixelwick, scale, {"--try", name}, dir.path());
    QList<QPoint> half;
    QTRY_VERIFY_WITH_TIMEOUT((half = halves(scale)).size() == 2, 20000);
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        moveTo(half[0] + QPoint(10, 10 + sizes[i]));
        QTRY_VERIFY_WITH_TIMEOUT(showsKnownCursor(sizes[i], tried[i]), 10000);
        xdotool({"windowactivate", "--sync", window, "key", "Down"}); // the next in the chooser
    }
    xdotool({"windowactivate", "--sync", window, "key", "Escape"});
    QVERIFY(pixelwick.waitForFinished(10000));
}

void TryAreaTest::followsTheWindow_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QStringList>("opening");
    QTest::newRow("Ctrl+T, scale 1") << 1 << QStringList{"key", "ctrl+t"};
    QTest::newRow("the preview's menu, scale 2")
        << 2 << QStringList{"mousemove", "--window", "WINDOW", "90", "90", "click", "3", "key", "Up", "key", "Return"};
}

// Opened from the window, the area tries what Make CUR would write, and
// follows the hot spot typed.
void TryAreaTest::followsTheWindow()
{
    QFETCH(int, scale);
    QFETCH(QStringList, opening);
    QTemporaryDir dir;
    QImage picture(32, 32, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 255, 0), qRgb(255, 0, 255)};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            picture.setPixel(x, y, colours[int(knownLook(x, y))]);
    QVERIFY(picture.save(dir.filePath("known.png")));
    QProcess pixelwick;
    const QString window = started(pixelwick, scale, {"known.png"}, dir.path());
    QTRY_VERIFY_WITH_TIMEOUT(xdotool({"getwindowname", window}).startsWith("known.png"), 20000);
    xdotool(QStringList{"windowactivate", "--sync", window} + opening.replaceInStrings("WINDOW", window));
    QList<QPoint> half;
    QTRY_VERIFY_WITH_TIMEOUT((half = halves(scale)).size() == 2, 20000);
    moveTo(half[0] + QPoint(40, 40));
    QTRY_VERIFY_WITH_TIMEOUT(showsKnownCursor(32, {15, 15}), 10000);

    // The x field, at 152, 32 of the window, typed anew.
    xdotool({"windowactivate", "--sync", window, "mousemove", "--window", window, QString::number(160 * scale),
             QString::number(40 * scale), "click", "1", "key", "ctrl+a", "type", "3"});
    // Then back over the area, raised again where the window covered it.
    xdotool({"search", "--onlyvisible", "--name", "^Try the cursor", "windowactivate", "--sync"});
    moveTo(half[0] + QPoint(40, 40));
    QTRY_VERIFY_WITH_TIMEOUT(showsKnownCursor(32, {3, 15}), 10000);
    xdotool({"windowactivate", "--sync", window, "key", "ctrl+q"});
    QVERIFY(pixelwick.waitForFinished(10000));
}

void TryAreaTest::fitsTheScreen_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("fromWindow"); // Ctrl+T in the window, else --try
    for (const int scale : {1, 2}) {
        QTest::addRow("Ctrl+T, scale %d", scale) << scale << true;
        QTest::addRow("--try, scale %d", scale) << scale << false;
    }
}

// The whole area and its frame lie on the screen, whatever its size: on a
// small one what does not fit is scrolled to.
void TryAreaTest::fitsTheScreen()
{
    QFETCH(int, scale);
    QFETCH(bool, fromWindow);
    QTemporaryDir dir;
    QVERIFY(testing::writeAll(dir.filePath("known.cur"), knownFile({32}, {{5, 9}}, false)));
    QProcess pixelwick;
    const QString window = started(
        pixelwick, scale, fromWindow ? QStringList{"known.cur"} : QStringList{"--try", "known.cur"}, dir.path());
    QVERIFY(!window.isEmpty());
    if (fromWindow) {
        QTRY_VERIFY_WITH_TIMEOUT(xdotool({"getwindowname", window}).startsWith("known.cur"), 20000);
        xdotool({"windowactivate", "--sync", window, "key", "ctrl+t"});
    }
    QString area;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(area = xdotool({"search", "--onlyvisible", "--name", "^Try the cursor"}).section(u'\n', 0, 0)).isEmpty(),
        20000);
    const QRect screen = testing::screenArea();
    QRect frame;
    // Placed once the window manager has framed it.
    QTRY_VERIFY_WITH_TIMEOUT((frame = testing::placedOf(area).frame) != testing::placedOf(area).client, 10000);
    QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("frame %1 x %2 at %3, %4 on a screen %5 x %6")
                                                    .arg(frame.width())
                                                    .arg(frame.height())
                                                    .arg(frame.x())
                                                    .arg(frame.y())
                                                    .arg(screen.width())
                                                    .arg(screen.height())));
    pixelwick.terminate();
    QVERIFY(pixelwick.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(TryAreaTest)
#include "test_try_area.moc"
