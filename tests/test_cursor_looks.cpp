// SPDX-License-Identifier: MIT
#include "test_support.h"

#include "cursor_looks.h"

#include <QRegion>
#include <QtTest>

using namespace pixelwick;

Q_DECLARE_METATYPE(pixelwick::KeyColours)

namespace {

// Each value in as many little-endian bytes as paired with it (zeros past 4).
void appendLittleEndian(QByteArray &bytes, std::initializer_list<std::pair<quint32, int>> fields)
{
    for (const auto &[value, size] : fields)
        for (int i = 0; i < size; ++i)
            bytes.append(char(i < 4 ? value >> (8 * i) : 0));
}

Look knownPattern(int x, int y)
{
    return Look(((x * 5) ^ (y * 3) ^ (x >> 3)) & 3);
}

// A .cur laid out field by field from the format description; each field
// can be made wrong on its own.
struct HandMade {
    int width = 32, height = 32;
    quint32 reserved = 0, type = 2, imageCount = 1, colourCount = 2, hotSpotX = 0, hotSpotY = 0;
    qint64 offset = -1, imageSize = -1; // -1: where the image is, how long it is
    quint32 headerSize = 40, planes = 1, bitsPerPixel = 1, compression = 0, coloursUsed = 0;
    qint64 bitmapWidth = -1, bitmapHeight = -1; // -1: the width, twice the height
    QByteArray colourTable = QByteArray::fromHex("00000000FFFFFF00");
    bool png = false;
    std::function<Look(int, int)> paint = knownPattern;

    QByteArray image() const
    {
        if (png)
            return QByteArray::fromHex("89504E470D0A1A0A0000000D4948445200000020000000200806000000");
        QByteArray b;
        appendLittleEndian(b, {{headerSize, 4},
                               {quint32(bitmapWidth == -1 ? width : bitmapWidth), 4},
                               {quint32(bitmapHeight == -1 ? 2 * height : bitmapHeight), 4},
                               {planes, 2},
                               {bitsPerPixel, 2},
                               {compression, 4},
                               {0, 12},
                               {coloursUsed, 4},
                               {0, 4}});
        b.append(colourTable);
        if (bitsPerPixel == 4)
            b.append(14 * 4, '\x80'); // the rest of a 16-colour table
        const bool whiteIsOne = colourTable.startsWith(QByteArray(4, '\0'));
        for (const bool andPlane : {false, true}) {
            const int rowBytes = ((andPlane ? 1 : int(bitsPerPixel)) * width + 31) / 32 * 4;
            for (int y = height - 1; y >= 0; --y) {
                QByteArray row(rowBytes, '\xFF'); // padding set, to catch a reader taking it for pixels
                for (int x = 0; x < width && (andPlane || bitsPerPixel == 1); ++x) {
                    const Look look = paint(x, y);
                    const bool bit = andPlane ? look == Look::Transparent || look == Look::Inverted
                                              : (look == Look::White || look == Look::Inverted) == whiteIsOne;
                    if (!bit)
                        row[x / 8] = char(row[x / 8] & ~(0x80 >> (x % 8)));
                }
                b.append(row);
            }
        }
        return b;
    }

    QByteArray bytes() const
    {
        const QByteArray data = image();
        QByteArray b;
        appendLittleEndian(b, {{reserved, 2}, {type, 2}, {imageCount, 2}});
        for (quint32 i = 0; i < imageCount; ++i) {
            // A size of 256 goes in as 0.
            appendLittleEndian(b, {{quint32(width & 0xFF), 1},
                                   {quint32(height & 0xFF), 1},
                                   {colourCount, 1},
                                   {0, 1},
                                   {hotSpotX, 2},
                                   {hotSpotY, 2},
                                   {quint32(imageSize == -1 ? data.size() : imageSize), 4},
                                   {quint32(offset == -1 ? 6 + 16 * imageCount + i * data.size() : offset), 4}});
        }
        for (quint32 i = 0; i < imageCount; ++i)
            b.append(data);
        return b;
    }
};

const char *const kPaintingNames[] = {
    "background only", "four looks in columns",          "four looks, diagonal", "grey ramp",
    "colours",         "picture smaller than the cursor"};

ColourValue painting(int which, int x, int y, const KeyColours &keys)
{
    const ColourValue fours[] = {kWhite, kBlack, keys.background, keys.invert};
    switch (which) {
    case 0: return keys.background;
    case 1: return fours[x % 4];
    case 2: return fours[(x + 3 * y) % 4];
    case 3: return colourValue(x * 8 + y, x * 8 + y, x * 8 + y);
    case 4: return colourValue(x * 8, y * 8, (x + y) * 4);
    default: return x >= 20 || y >= 12 ? kNoColour : fours[(x + y) % 4];
    }
}

CursorImage patterned(int width, int height, int hotSpotX, int hotSpotY)
{
    CursorImage cursor{width, height, hotSpotX, hotSpotY, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            cursor.looks.append(knownPattern(x, y));
    return cursor;
}

bool strongRed(QRgb c)
{
    return qRed(c) >= 200 && qGreen(c) <= 60 && qBlue(c) <= 60;
}

constexpr LooksRow kRows[] = {LooksRow::Windows, LooksRow::BrowsersAndLinux};
constexpr LooksBackground kBackgrounds[] = {LooksBackground::White, LooksBackground::Black, LooksBackground::Stripes};

} // namespace

class CursorLooksTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void handMade_data();
    void handMade();
    void refused_data();
    void refused();
    void everyCutAndChangedByteIsSafe();
    void lookColours_data();
    void lookColours();
    void hotSpotMark_data();
    void hotSpotMark();
    void summary_data();
    void summary();
    void asText_data();
    void asText();
};

void CursorLooksTest::roundTrip_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<KeyColours>("keys");
    QTest::addColumn<int>("hotSpotX");
    QTest::addColumn<int>("hotSpotY");
    const ColourValue green = colourValue(0, 255, 0), magenta = colourValue(255, 0, 255), grey = 0x808080;
    const QList<QPair<const char *, KeyColours>> keys = {{"default keys", kDefaultKeyColours},
                                                         {"white background key", {kWhite, magenta}},
                                                         {"black invert key", {green, kBlack}},
                                                         {"black background, white invert", {kBlack, kWhite}},
                                                         {"white background, black invert", {kWhite, kBlack}},
                                                         {"one colour for both keys", {grey, grey}}};
    const int hotSpots[][2] = {{15, 15}, {0, 0}, {31, 31}, {-1, 40}, {-32768, 32767}, {100, -5}, {7, 0}};
    int row = 0;
    for (int picture = 0; picture < int(std::size(kPaintingNames)); ++picture) {
        for (const auto &[name, key] : keys) {
            const auto &hotSpot = hotSpots[row++ % 7];
            QTest::addRow("%s, %s", kPaintingNames[picture], name) << picture << key << hotSpot[0] << hotSpot[1];
        }
    }
}

void CursorLooksTest::roundTrip()
{
    QFETCH(int, picture);
    QFETCH(KeyColours, keys);
    QFETCH(int, hotSpotX);
    QFETCH(int, hotSpotY);
    const testing::GridSource source([&](int x, int y) { return painting(picture, x, y, keys); });
    const QByteArray bytes =
        testing::encodedCursor(source, keys, HotSpot{std::int16_t(hotSpotX), std::int16_t(hotSpotY)});
    QCOMPARE(bytes.size(), kCursorFileSize);

    const CursorReading reading = readCursor(bytes);
    QVERIFY2(reading.cursor && reading.problem.isEmpty(), qPrintable(reading.problem));
    QCOMPARE(reading.cursor->width, 32);
    QCOMPARE(reading.cursor->height, 32);
    QCOMPARE(reading.cursor->hotSpotX, hotSpotX);
    QCOMPARE(reading.cursor->hotSpotY, hotSpotY);
    QMap<Look, int> counts;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const ColourValue c = source.colourAt(x, y);
            const bool white = xorCharacter(c, keys) == '1';
            const Look expected = andCharacter(c, keys) == '1' ? (white ? Look::Inverted : Look::Transparent)
                                                               : (white ? Look::White : Look::Black);
            QVERIFY2(reading.cursor->lookAt(x, y) == expected, qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
            ++counts[expected];
        }
    }
    for (Look look : {Look::Black, Look::White, Look::Transparent, Look::Inverted})
        QCOMPARE(reading.cursor->count(look), counts.value(look));
}

void CursorLooksTest::handMade_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rawX");
    QTest::addColumn<int>("rawY");
    QTest::addColumn<int>("colourCount");
    QTest::addColumn<QByteArray>("colourTable");
    QTest::addColumn<int>("hotSpotX");
    QTest::addColumn<int>("hotSpotY");
    const QByteArray blackFirst = QByteArray::fromHex("00000000FFFFFF00");
    QTest::newRow("16 x 16") << 16 << 16 << 3 << 12 << 2 << blackFirst << 3 << 12;
    QTest::newRow("48 x 48, rows padded") << 48 << 48 << 47 << 0 << 2 << blackFirst << 47 << 0;
    QTest::newRow("64 x 64") << 64 << 64 << 20 << 63 << 2 << blackFirst << 20 << 63;
    QTest::newRow("256 x 256, sizes written as 0") << 256 << 256 << 255 << 128 << 2 << blackFirst << 255 << 128;
    QTest::newRow("1 x 1") << 1 << 1 << 0 << 0 << 2 << blackFirst << 0 << 0;
    QTest::newRow("40 x 24") << 40 << 24 << 39 << 23 << 2 << blackFirst << 39 << 23;
    QTest::newRow("colour count 0") << 32 << 32 << 15 << 15 << 0 << blackFirst << 15 << 15;
    QTest::newRow("white first") << 32 << 32 << 1 << 2 << 2 << QByteArray::fromHex("FFFFFF7F00000011") << 1 << 2;
    QTest::newRow("hot spot FFFF, FFFF") << 32 << 32 << 0xFFFF << 0xFFFF << 2 << blackFirst << -1 << -1;
    QTest::newRow("hot spot 8000, 7FFF") << 16 << 16 << 0x8000 << 0x7FFF << 2 << blackFirst << -32768 << 32767;
}

void CursorLooksTest::handMade()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, rawX);
    QFETCH(int, rawY);
    QFETCH(int, colourCount);
    QFETCH(QByteArray, colourTable);
    QFETCH(int, hotSpotX);
    QFETCH(int, hotSpotY);
    HandMade made;
    made.width = width;
    made.height = height;
    made.hotSpotX = quint32(rawX);
    made.hotSpotY = quint32(rawY);
    made.colourCount = quint32(colourCount);
    made.colourTable = colourTable;
    const QByteArray bytes = made.bytes();
    QCOMPARE(bytes.size(), 6 + 16 + 40 + 8 + 2 * ((width + 31) / 32 * 4) * height);

    const CursorReading reading = readCursor(bytes);
    QVERIFY2(reading.cursor, qPrintable(reading.problem));
    QCOMPARE(reading.cursor->width, width);
    QCOMPARE(reading.cursor->height, height);
    QCOMPARE(reading.cursor->hotSpotX, hotSpotX);
    QCOMPARE(reading.cursor->hotSpotY, hotSpotY);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            QVERIFY2(reading.cursor->lookAt(x, y) == knownPattern(x, y),
                     qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
    QVERIFY(reading.cursor->lookAt(-1, 0) == Look::Transparent
            && reading.cursor->lookAt(width, 0) == Look::Transparent);
}

void CursorLooksTest::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mention");
    const QByteArray whole = HandMade().bytes();
    const auto changed = [](const std::function<void(HandMade &)> &change) {
        HandMade made;
        change(made);
        return made.bytes();
    };
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("cut in the file header") << whole.left(3) << "3 byte";
    QTest::newRow("text") << QByteArray("This is plain text.") << "not a cursor";
    QTest::newRow("a PNG picture") << changed([](HandMade &m) { m.png = true; }).mid(22) << "not a cursor";
    QTest::newRow("reserved word set") << changed([](HandMade &m) { m.reserved = 1; }) << "not a cursor";
    QTest::newRow("type 3") << changed([](HandMade &m) { m.type = 3; }) << "not a cursor";
    QTest::newRow("an icon") << changed([](HandMade &m) { m.type = 1; }) << "icon";
    QTest::newRow("no image") << whole.left(4) + QByteArray(2, '\0') << "no image";
    QTest::newRow("two images") << changed([](HandMade &m) { m.imageCount = 2; }) << "2 images";
    QTest::newRow("cut in the directory entry") << whole.left(15) << "15 byte";
    QTest::newRow("offset inside the header") << changed([](HandMade &m) { m.offset = 10; }) << "byte 10";
    QTest::newRow("offset past the end") << changed([](HandMade &m) { m.offset = 1000; }) << "past the end";
    QTest::newRow("offset at the end") << changed([](HandMade &m) { m.offset = 326; }) << "past the end";
    QTest::newRow("size past the end") << changed([](HandMade &m) { m.imageSize = 305; }) << "cut short";
    QTest::newRow("offset and size overflow") << changed([](HandMade &m) { m.imageSize = 0xFFFFFFFF; }) << "cut short";
    for (const int cut : {30, 62, 66, 70, 150, 198, 199, 325})
        QTest::addRow("cut after %d bytes", cut) << whole.left(cut) << QStringLiteral("only %1 byte").arg(cut);
    QTest::newRow("size too small for the header") << changed([](HandMade &m) { m.imageSize = 30; }) << "30 byte";
    QTest::newRow("size too small for the planes") << changed([](HandMade &m) { m.imageSize = 200; }) << "304 bytes";
    QTest::newRow("PNG-compressed entry") << changed([](HandMade &m) { m.png = true; }) << "PNG";
    QTest::newRow("4-bit depth") << changed([](HandMade &m) {
        m.bitsPerPixel = 4;
        m.colourCount = 16;
    }) << "4 bit";
    QTest::newRow("32-bit depth") << changed([](HandMade &m) {
        m.bitsPerPixel = 32;
        m.colourCount = 0;
    }) << "32 bit";
    QTest::newRow("12-byte header") << changed([](HandMade &m) { m.headerSize = 12; }) << "12 bytes";
    QTest::newRow("124-byte header") << changed([](HandMade &m) { m.headerSize = 124; }) << "124 bytes";
    QTest::newRow("height not twice") << changed([](HandMade &m) { m.bitmapHeight = 32; }) << "twice";
    QTest::newRow("height upside down") << changed([](HandMade &m) { m.bitmapHeight = -64; }) << "twice";
    QTest::newRow("width not the entry's") << changed([](HandMade &m) { m.bitmapWidth = 16; }) << "16 pixels wide";
    QTest::newRow("compression set") << changed([](HandMade &m) { m.compression = 1; }) << "compressed";
    QTest::newRow("two planes") << changed([](HandMade &m) { m.planes = 2; }) << "2 colour plane";
    QTest::newRow("16 colours in the entry") << changed([](HandMade &m) { m.colourCount = 16; }) << "16 colours";
    QTest::newRow("3 colours used") << changed([](HandMade &m) { m.coloursUsed = 3; }) << "3 entries";
    QTest::newRow("red and white") << changed([](HandMade &m) {
        m.colourTable = QByteArray::fromHex("0000FF00FFFFFF00");
    }) << "not black and white";
    QTest::newRow("black twice") << changed([](HandMade &m) { m.colourTable.fill('\0'); }) << "not black and white";
}

void CursorLooksTest::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, mention);
    const CursorReading reading = readCursor(bytes);
    QVERIFY(!reading.cursor);
    QVERIFY2(reading.problem.contains(mention), qPrintable(reading.problem));
}

// Every shorter file is refused; with any fixed byte changed the reader
// refuses or gives a whole cursor of the size it claims, nothing between.
void CursorLooksTest::everyCutAndChangedByteIsSafe()
{
    HandMade made;
    made.width = made.height = 48;
    const QByteArray whole = made.bytes();
    QVERIFY(readCursor(whole).cursor);
    for (qsizetype size = 0; size < whole.size(); ++size) {
        const CursorReading reading = readCursor(QByteArrayView(whole).first(size));
        QVERIFY2(!reading.cursor && !reading.problem.isEmpty(), qPrintable(QString::number(size)));
    }
    for (int at = 0; at < 70; ++at) {
        for (const char value : {'\0', '\x01', '\x7F', '\x80', '\xFF'}) {
            QByteArray bytes = whole;
            bytes[at] = value;
            const CursorReading reading = readCursor(bytes);
            QCOMPARE(bool(reading.cursor), reading.problem.isEmpty());
            if (reading.cursor)
                QCOMPARE(reading.cursor->looks.size(), qsizetype(reading.cursor->width) * reading.cursor->height);
        }
    }
}

void CursorLooksTest::lookColours_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (const auto &[w, h] : {std::pair{16, 16}, {32, 32}, {48, 48}, {64, 64}, {40, 24}, {256, 256}})
        QTest::addRow("%d x %d", w, h) << w << h;
}

// Every picture pixel of every cell against what a wholly transparent
// cursor shows there: the background itself.
void CursorLooksTest::lookColours()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const CursorImage cursor = patterned(width, height, -1, -1);
    CursorImage clear = cursor;
    clear.looks.fill(Look::Transparent);
    const QImage image = renderLooks(cursor), background = renderLooks(clear);
    const LooksLayout layout = looksLayout(cursor), backgroundLayout = looksLayout(clear);
    for (LooksRow row : kRows) {
        for (LooksBackground shade : kBackgrounds) {
            QSet<QRgb> under;
            int wrong = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const QRect cell = layout.cell(row, shade, x, y);
                    const QPoint shift = backgroundLayout.cell(row, shade, x, y).topLeft() - cell.topLeft();
                    for (int py = cell.top(); py <= cell.bottom(); ++py) {
                        for (int px = cell.left(); px <= cell.right(); ++px) {
                            const QRgb b = background.pixel(px + shift.x(), py + shift.y());
                            under.insert(b);
                            const Look look = cursor.lookAt(x, y);
                            const QRgb expected = look == Look::Black   ? qRgb(0, 0, 0)
                                                  : look == Look::White ? qRgb(255, 255, 255)
                                                  : look == Look::Inverted && row == LooksRow::Windows ? b ^ 0xFFFFFF
                                                                                                       : b;
                            wrong += image.pixel(px, py) != expected;
                        }
                    }
                }
            }
            QCOMPARE(wrong, 0);
            if (shade == LooksBackground::White)
                QCOMPARE(under, QSet<QRgb>{qRgb(255, 255, 255)});
            else if (shade == LooksBackground::Black)
                QCOMPARE(under, QSet<QRgb>{qRgb(0, 0, 0)});
            else
                QVERIFY(under.size() >= 2 && !under.contains(qRgb(0, 0, 0)) && !under.contains(qRgb(255, 255, 255)));
            if (layout.grid) {
                const QRect first = backgroundLayout.cell(row, shade, 0, 0);
                QVERIFY(background.pixel(first.right() + 1, first.top()) != background.pixel(first.topLeft()));
            }
        }
    }
}

void CursorLooksTest::hotSpotMark_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("hotSpotX");
    QTest::addColumn<int>("hotSpotY");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("pitch"); // largest; 0 for the usual
    QTest::addColumn<bool>("markExpected");
    for (const qreal scale : {1.0, 2.0}) {
        QTest::addRow("middle, scale %g", scale) << 32 << 15 << 15 << QString() << scale << 0 << true;
        QTest::addRow("top-left corner, scale %g", scale) << 32 << 0 << 0 << QString() << scale << 0 << true;
        QTest::addRow("bottom-right corner, scale %g", scale) << 32 << 31 << 31 << QString() << scale << 0 << true;
        QTest::addRow("small pixels, scale %g", scale) << 32 << 4 << 30 << QString() << scale << 4 << true;
        QTest::addRow("no grid, scale %g", scale) << 32 << 9 << 2 << QString() << scale << 2 << true;
        QTest::addRow("16 x 16, top-right, scale %g", scale) << 16 << 15 << 0 << QString() << scale << 0 << true;
    }
    QTest::newRow("256 x 256") << 256 << 128 << 200 << QString() << 1.0 << 0 << true;
    QTest::newRow("reason given") << 32 << 15 << 15 << QStringLiteral("no number") << 1.0 << 0 << false;
    QTest::newRow("left of the cursor") << 32 << -1 << 5 << QString() << 2.0 << 0 << false;
    QTest::newRow("below the cursor") << 32 << 5 << 32 << QString() << 1.0 << 0 << false;
    QTest::newRow("far outside") << 48 << -32768 << 32767 << QString() << 1.0 << 0 << false;
}

// The mark never hides a cursor pixel, however thin the cursor: every
// cell shows its look as a cursor without a mark does, and the red of the
// mark lies only at the hot spot's row and column, on every panel.
void CursorLooksTest::hotSpotMark()
{
    QFETCH(int, size);
    QFETCH(int, hotSpotX);
    QFETCH(int, hotSpotY);
    QFETCH(QString, reason);
    QFETCH(qreal, scale);
    QFETCH(int, pitch);
    QFETCH(bool, markExpected);
    const CursorImage cursor = patterned(size, size, hotSpotX, hotSpotY);
    const QImage image = renderLooks(cursor, reason, pitch, scale);
    QCOMPARE(renderLooks(cursor, reason, pitch, scale), image);
    const LooksLayout layout = looksLayout(cursor, reason, pitch, scale);
    QCOMPARE(image.size(), layout.imageSize);
    // Twice the scale, twice the whole screen pixels a cursor pixel.
    QCOMPARE(layout.pitch, pitch > 0 ? pitch : looksLayout(cursor, reason).pitch * int(scale));
    QCOMPARE(layout.grid, layout.pitch >= 3);
    const CursorImage unmarked = patterned(size, size, -1, -1);
    const QImage plain = renderLooks(unmarked, {}, pitch, scale);
    const LooksLayout plainLayout = looksLayout(unmarked, {}, pitch, scale);

    QRegion markable;
    for (LooksRow row : kRows) {
        for (LooksBackground shade : kBackgrounds) {
            int changed = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const QRect cell = layout.cell(row, shade, x, y);
                    const QRect plainCell = plainLayout.cell(row, shade, x, y);
                    changed += image.copy(cell) != plain.copy(plainCell);
                }
            }
            QCOMPARE(changed, 0);
            if (!markExpected)
                continue;
            // Bands along the hot spot's row and column, out to the pointers.
            const QRect panel = layout.panel(row, shade);
            const QRect cell = layout.cell(row, shade, hotSpotX, hotSpotY);
            const QRect reach =
                panel.adjusted(-layout.markReach, -layout.markReach, layout.markReach, layout.markReach);
            const QRegion column(QRect(cell.left() - layout.markReach, reach.top(), cell.width() + 2 * layout.markReach,
                                       reach.height()));
            const QRegion line(QRect(reach.left(), cell.top() - layout.markReach, reach.width(),
                                     cell.height() + 2 * layout.markReach));
            markable += column + line;
            // A pointer on each side of the panel.
            const QRect outside[] = {{cell.left(), reach.top(), cell.width(), layout.markReach},
                                     {cell.left(), panel.bottom() + 1, cell.width(), layout.markReach},
                                     {reach.left(), cell.top(), layout.markReach, cell.height()},
                                     {panel.right() + 1, cell.top(), layout.markReach, cell.height()}};
            for (const QRect &side : outside) {
                int red = 0;
                for (int y = side.top(); y <= side.bottom(); ++y)
                    for (int x = side.left(); x <= side.right(); ++x)
                        red += strongRed(image.pixel(x, y));
                QVERIFY2(red > 0, "a side of the panel without its pointer");
            }
            // With a grid, the lines around the hot-spot pixel are red too.
            if (layout.grid) {
                QVERIFY(strongRed(image.pixel(cell.center().x(), cell.top() - 1)));
                QVERIFY(strongRed(image.pixel(cell.right() + 1, cell.center().y())));
            }
        }
    }
    int strayRed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            strayRed += strongRed(image.pixel(x, y)) && !markable.contains(QPoint(x, y));
    QCOMPARE(strayRed, 0);
}

void CursorLooksTest::summary_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("inverted");
    QTest::addColumn<int>("hotSpotX");
    QTest::addColumn<int>("hotSpotY");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("said");
    QTest::newRow("no inverted pixels") << 32 << 0 << 15 << 15 << QString() << QStringLiteral("32 × 32");
    QTest::newRow("12 inverted") << 32 << 12 << 3 << 30 << QString() << "12 inverted";
    QTest::newRow("1 inverted") << 16 << 1 << 0 << 0 << QString() << "1 inverted";
    QTest::newRow("hot spot outside") << 32 << 0 << -1 << 40 << QString() << "outside";
    QTest::newRow("reason") << 48 << 3 << 15 << 15 << "the field says %1"
                            << "3 inverted";
}

// Size, hot spot or reason, and the inverted pixels exactly when there are any.
void CursorLooksTest::summary()
{
    QFETCH(int, size);
    QFETCH(int, inverted);
    QFETCH(int, hotSpotX);
    QFETCH(int, hotSpotY);
    QFETCH(QString, reason);
    QFETCH(QString, said);
    CursorImage cursor{size, size, hotSpotX, hotSpotY, QList<Look>(size * size, Look::Black)};
    for (int i = 0; i < inverted; ++i)
        cursor.looks[i * 3] = Look::Inverted;
    const QString text = looksSummary(cursor, reason);
    QVERIFY2(text.contains(said) && text.contains(reason), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("%1 × %1").arg(size)), qPrintable(text));
    QCOMPARE(text.contains(QStringLiteral("%1, %2").arg(hotSpotX).arg(hotSpotY)), reason.isEmpty());
    QCOMPARE(text.contains(QStringLiteral("Windows")), inverted > 0);
}

void CursorLooksTest::asText_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("rawX");
    QTest::addColumn<int>("rawY");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("4 x 3") << QStringList{"#O.~", ".~#O", "OO.."} << 1 << 2 << "arrow"
                           << "arrow: 4 x 3 cursor, hot spot 1, 2\n#O.~\n.~#O\nOO..\n";
    QTest::newRow("9 x 2, name with %1") << QStringList{"#########", "~.O#~.O#~"} << 0xFFFF << 0xFFFE << "a %1 b"
                                         << "a %1 b: 9 x 2 cursor, hot spot -1, -2\n#########\n~.O#~.O#~\n";
}

void CursorLooksTest::asText()
{
    QFETCH(QStringList, rows);
    QFETCH(int, rawX);
    QFETCH(int, rawY);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    HandMade made;
    made.width = int(rows.first().size());
    made.height = int(rows.size());
    made.hotSpotX = quint32(rawX);
    made.hotSpotY = quint32(rawY);
    made.paint = [&rows](int x, int y) { return Look(QStringLiteral("#O.~").indexOf(rows[y][x])); };
    const CursorReading reading = readCursor(made.bytes());
    QVERIFY2(reading.cursor, qPrintable(reading.problem));
    QCOMPARE(looksAsText(*reading.cursor, name), expected);
}

QTEST_MAIN(CursorLooksTest)
#include "test_cursor_looks.moc"
