// SPDX-License-Identifier: MIT
// The test area on a desktop of its own (tests/x11/with_display.sh), as a
// person tries a cursor there: the real pointer moved by xdotool, and the
// X server asked (tests/x11/pointer_probe) what the pointer looks like and
// what the screen shows under it.
#include "cursor_file.h"
#include "fitting.h"
#include "test_support.h"
#include "try_surface.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using pixelwick::PixelLook;

namespace {

const QString kWindow = QStringLiteral(PIXELWICK_WINDOW);
const QString kProbe = QStringLiteral(PIXELWICK_POINTER_PROBE);
constexpr int kBand = pixelwick::TrySurface::kBandWidth;
constexpr QRgb kMark = pixelwick::TrySurface::kMark;
constexpr QRgb kStripeA = pixelwick::TrySurface::kStripeA;
constexpr QRgb kStripeB = pixelwick::TrySurface::kStripeB;

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("timeout"), QStringList{QStringLiteral("20"), program} + arguments);
    process.waitForFinished(30000);
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

// What the X server's pointer looks like now, as XFixes reports it.
struct Pointer {
    QSize size;
    QPoint hotSpot;
    QPoint at;
    QList<QRgb> pixels; // ARGB, row by row
};

Pointer pointer()
{
    const QList<QByteArray> lines = run(kProbe, {}).split('\n');
    Pointer found;
    const QList<QByteArray> head = lines.value(0).split(' ');
    if (head.size() != 6)
        return found;
    found.size = QSize(head[0].toInt(), head[1].toInt());
    found.hotSpot = QPoint(head[2].toInt(), head[3].toInt());
    found.at = QPoint(head[4].toInt(), head[5].toInt());
    for (int y = 1; y <= found.size.height(); ++y)
        for (const QByteArray &pixel : lines.value(y).split(' '))
            found.pixels << pixel.toUInt(nullptr, 16);
    return found;
}

// The screen's pixels in `rect`, as the X server holds them.
QImage screen(const QRect &rect)
{
    const QList<QByteArray> lines = run(kProbe, {QString::number(rect.x()), QString::number(rect.y()),
                                                 QString::number(rect.width()), QString::number(rect.height())})
                                        .split('\n');
    QImage image(rect.size(), QImage::Format_RGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < rect.height(); ++y) {
        const QList<QByteArray> row = lines.value(y + 1).split(' ');
        for (int x = 0; x < rect.width() && x < row.size(); ++x)
            image.setPixel(x, y, 0xFF000000 | row[x].toUInt(nullptr, 16));
    }
    return image;
}

// Every look beside every other, in blocks of four pixels.
PixelLook knownLook(int x, int y)
{
    return PixelLook((x / 4 + 2 * (y / 4)) % 4);
}

QByteArray knownCursor(const QList<std::tuple<int, int, int>> &sizesAndHotSpots)
{
    QList<pixelwick::LookSource> sources;
    for (const auto &[size, x, y] : sizesAndHotSpots) {
        pixelwick::LookGrid looks(size, size);
        for (int row = 0; row < size; ++row)
            for (int column = 0; column < size; ++column)
                looks.set(column, row, knownLook(column, row));
        sources.append(pixelwick::LookSource(looks));
    }
    QList<pixelwick::CursorFrame> frames;
    for (qsizetype i = 0; i < sources.size(); ++i) {
        const auto &[size, x, y] = sizesAndHotSpots[i];
        frames.append({size, {std::int16_t(x), std::int16_t(y)}, &sources[i]});
    }
    return pixelwick::cursorFileBytes(frames, pixelwick::kLookKeys);
}

// What this desktop is given for the known cursor: X cannot invert, so
// inverted pixels are black, with white where transparent ones touch them.
QRgb desktopPixel(int x, int y, int size)
{
    const auto look = [size](int column, int row) {
        return column < 0 || row < 0 || column >= size || row >= size ? PixelLook::Transparent : knownLook(column, row);
    };
    switch (look(x, y)) {
    case PixelLook::White: return 0xFFFFFFFF;
    case PixelLook::Black:
    case PixelLook::Inverted: return 0xFF000000;
    case PixelLook::Transparent: break;
    }
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (look(x + dx, y + dy) == PixelLook::Inverted)
                return 0xFFFFFFFF;
    return 0;
}

// The known cursor shown by the desktop with this size and hot spot.
bool showsKnownCursor(QSize size, QPoint hotSpot)
{
    const Pointer now = pointer();
    if (now.size != size || now.hotSpot != hotSpot)
        return false;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (now.pixels.value(y * size.width() + x) != desktopPixel(x, y, size.width()))
                return false;
    return true;
}

// The screen under Windows' cursor: (screen AND and) XOR xor, bit by bit.
QImage asWindowsDraws(const QImage &beneath, int scale)
{
    QImage drawn = beneath;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const PixelLook look = knownLook(x / scale, y / scale);
            const QRgb andMask = look == PixelLook::Transparent || look == PixelLook::Inverted ? 0xFFFFFF : 0;
            const QRgb xorMask = look == PixelLook::White || look == PixelLook::Inverted ? 0xFFFFFF : 0;
            drawn.setPixel(x, y, 0xFF000000 | ((drawn.pixel(x, y) & andMask) ^ xorMask));
        }
    }
    return drawn;
}

struct Surfaces {
    QPoint desktop, windows; // top-left screen pixels of the two halves
};

// Where the two halves are: the rows where the white band is followed by
// the black band, each exactly a band wide, twice.
std::optional<Surfaces> surfaces(int scale)
{
    const QStringList extent = xdotool({"getdisplaygeometry"}).split(u' ');
    const QImage shown = screen(QRect(0, 0, extent.value(0).toInt(), extent.value(1).toInt()));
    const int band = kBand * scale;
    for (int y = 0; y < shown.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        QList<int> starts;
        for (int x = 0; x + 2 * band < shown.width(); ++x) {
            const auto run = [&](int from, QRgb colour) {
                return std::all_of(row + from, row + from + band, [&](QRgb pixel) { return pixel == colour; })
                       && row[from + band] != colour && (from == 0 || row[from - 1] != colour);
            };
            if (run(x, 0xFFFFFFFF) && run(x + band, 0xFF000000))
                starts << x;
        }
        if (starts.size() == 2)
            return Surfaces{{starts[0], y}, {starts[1], y}};
    }
    return std::nullopt;
}

// Pixelwick started at `scale`; its first window once the window manager
// has mapped it.
QString started(QProcess &process, int scale, const QStringList &arguments, const QString &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(kWindow, arguments);
    if (!process.waitForStarted())
        return {};
    return xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(process.processId())})
        .section(u'\n', 0, 0);
}

} // namespace

class TryAreaTest : public QObject {
    Q_OBJECT

private slots:
    void knownCursor_data();
    void knownCursor();
    void sizesOffered_data();
    void sizesOffered();
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
    QVERIFY(testing::writeAll(dir.filePath("known.cur"), ::knownCursor({{32, hotSpot.x(), hotSpot.y()}})));
    QProcess pixelwick;
    const QString window = started(pixelwick, scale, {"--try", "known.cur"}, dir.path());
    QVERIFY(!window.isEmpty());
    std::optional<Surfaces> halves;
    QTRY_VERIFY_WITH_TIMEOUT((halves = surfaces(scale)).has_value(), 20000);

    const int band = kBand * scale;
    const QPoint middle(band / 2 + 1, 100 * scale + 1); // of a band, odd on a scaled screen
    moveTo(halves->desktop + middle);
    QTRY_VERIFY_WITH_TIMEOUT(showsKnownCursor({32, 32}, hotSpot), 10000);

    for (const int column : {0, 1, 2}) { // white, black, stripes
        const QPoint at = halves->windows + QPoint(column * band, 0) + middle;
        const QRect under(at - hotSpot * scale, QSize(32, 32) * scale);
        moveTo(halves->desktop + middle);
        const QImage beneath = screen(under);
        // Each band as it should be, so that every look is seen over it.
        const QList<QSet<QRgb>> bands{{0xFFFFFFFF}, {0xFF000000}, {kStripeA, kStripeB}};
        QSet<QRgb> seen;
        for (int y = 0; y < beneath.height(); ++y)
            for (int x = 0; x < beneath.width(); ++x)
                seen.insert(beneath.pixel(x, y));
        QCOMPARE(seen, bands[column]);
        moveTo(at);
        QTRY_COMPARE_WITH_TIMEOUT(screen(under), asWindowsDraws(beneath, scale), 10000);
        QCOMPARE(pointer().pixels.count(0), pointer().pixels.size()); // the pointer itself is hidden
    }

    for (const QPoint &half : {halves->desktop, halves->windows}) {
        const QPoint clicked = half + middle + QPoint(3, 5);
        moveTo(clicked);
        xdotool({"click", "1"});
        moveTo(halves->desktop + QPoint(2 * band, 0) + middle); // off the mark
        // The mark's middle is the pixel clicked.
        QRect marked;
        QTRY_VERIFY_WITH_TIMEOUT(screen(QRect(clicked, QSize(1, 1))).pixel(0, 0) == kMark, 10000);
        const QImage around = screen(QRect(clicked - QPoint(20, 20), QSize(41, 41)));
        for (int y = 0; y < around.height(); ++y)
            for (int x = 0; x < around.width(); ++x)
                if (around.pixel(x, y) == kMark)
                    marked |= QRect(x, y, 1, 1);
        QCOMPARE(marked.left() + marked.right(), 2 * 20 + scale - 1);
        QCOMPARE(marked.top() + marked.bottom(), 2 * 20 + scale - 1);
    }
    xdotool({"windowactivate", "--sync", window, "key", "Escape"});
    QVERIFY(pixelwick.waitForFinished(10000));
    QCOMPARE(pixelwick.exitCode(), 0);
}

void TryAreaTest::sizesOffered_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("scale 1") << 1;
    QTest::newRow("scale 2") << 2;
}

// Each size of a file is offered; the one chosen is the pointer, its hot
// spot kept within the image.
void TryAreaTest::sizesOffered()
{
    QFETCH(int, scale);
    QTemporaryDir dir;
    QVERIFY(testing::writeAll(dir.filePath("sizes.cur"), ::knownCursor({{24, 30, 4}, {32, 5, 9}, {48, 20, 33}})));
    QProcess pixelwick;
    const QString window = started(pixelwick, scale, {"--try", "sizes.cur"}, dir.path());
    QVERIFY(!window.isEmpty());
    std::optional<Surfaces> halves;
    QTRY_VERIFY_WITH_TIMEOUT((halves = surfaces(scale)).has_value(), 20000);
    const QList<std::pair<int, QPoint>> offered{{24, {23, 4}}, {32, {5, 9}}, {48, {20, 33}}};
    for (const auto &[size, hotSpot] : offered) {
        moveTo(halves->desktop + QPoint(10, 10 + size));
        QTRY_VERIFY_WITH_TIMEOUT(showsKnownCursor({size, size}, hotSpot), 10000);
        xdotool({"windowactivate", "--sync", window, "key", "Down"}); // the next size in the chooser
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
    opening.replaceInStrings("WINDOW", window);
    xdotool(QStringList{"windowactivate", "--sync", window} + opening);
    std::optional<Surfaces> halves;
    QTRY_VERIFY_WITH_TIMEOUT((halves = surfaces(scale)).has_value(), 20000);
    moveTo(halves->desktop + QPoint(40, 40));
    QTRY_VERIFY_WITH_TIMEOUT(showsKnownCursor({32, 32}, {15, 15}), 10000);

    // The x field, at 152, 32 of the window: typed anew.
    xdotool({"windowactivate", "--sync", window, "mousemove", "--window", window, QString::number(160 * scale),
             QString::number(40 * scale), "click", "1", "key", "ctrl+a", "type", "3"});
    moveTo(halves->desktop + QPoint(40, 40));
    QTRY_VERIFY_WITH_TIMEOUT(showsKnownCursor({32, 32}, {3, 15}), 10000);
    xdotool({"windowactivate", "--sync", window, "key", "ctrl+q"});
    QVERIFY(pixelwick.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(TryAreaTest)
#include "test_try_area.moc"
