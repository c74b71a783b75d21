#include "test_support.h"

#include "cursor_reader.h"

#include <QBuffer>
#include <QtEndian>
#include <QtTest>

using namespace pixelwick;

Q_DECLARE_METATYPE(pixelwick::KeyColours)

namespace {

const ColourValue kGreen = colourValue(0, 255, 0);
const ColourValue kMagenta = colourValue(255, 0, 255);
const ColourValue kGrey = colourValue(128, 128, 128);

using Painting = std::function<ColourValue(int x, int y, const KeyColours &keys)>;

struct NamedPainting {
    const char *name;
    Painting paint;
};

const QList<NamedPainting> &paintings()
{
    static const QList<NamedPainting> list = {
        {"background only", [](int, int, const KeyColours &keys) { return keys.background; }},
        {"four looks in columns",
         [](int x, int, const KeyColours &keys) {
             const ColourValue colours[] = {kWhite, kBlack, keys.background, keys.invert};
             return colours[x % 4];
         }},
        {"four looks, diagonal",
         [](int x, int y, const KeyColours &keys) {
             const ColourValue colours[] = {keys.invert, kWhite, keys.background, kBlack};
             return colours[(x + 3 * y) % 4];
         }},
        {"grey ramp", [](int x, int y, const KeyColours &) { return colourValue((x * 8 + y) % 256, (x * 8 + y) % 256, (x * 8 + y) % 256); }},
        {"colours", [](int x, int y, const KeyColours &) { return colourValue(x * 8, y * 8, (x + y) * 4); }},
        {"picture smaller than the cursor",
         [](int x, int y, const KeyColours &keys) {
             return x >= 20 || y >= 12 ? kNoColour : (x + y) % 2 ? keys.invert : kWhite;
         }},
    };
    return list;
}

struct NamedKeys {
    const char *name;
    KeyColours keys;
};

const QList<NamedKeys> keyChoices()
{
    return {
        {"default keys", kDefaultKeyColours},
        {"white background key", {kWhite, kMagenta}},
        {"black invert key", {kGreen, kBlack}},
        {"black background, white invert", {kBlack, kWhite}},
        {"white background, black invert", {kWhite, kBlack}},
        {"one colour for both keys", {kGrey, kGrey}},
    };
}

Look lookFromPlanes(char xorBit, char andBit)
{
    if (andBit == '1')
        return xorBit == '1' ? Look::Inverted : Look::Transparent;
    return xorBit == '1' ? Look::White : Look::Black;
}

// A .cur laid out field by field from the format description, each field
// open to change so that each can be made wrong on its own.
struct HandMade {
    int width = 32;
    int height = 32;
    quint16 reserved = 0;
    quint16 type = 2;
    quint16 imageCount = 1;
    quint8 colourCount = 2;
    quint16 hotSpotX = 0;
    quint16 hotSpotY = 0;
    qint64 offset = -1;    // -1: right after the directory
    qint64 imageSize = -1; // -1: what the image takes
    quint32 headerSize = 40;
    qint32 bitmapWidth = -1;  // -1: the width
    qint32 bitmapHeight = -1; // -1: twice the height
    quint16 planes = 1;
    quint16 bitsPerPixel = 1;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
    QByteArray colourTable = QByteArray::fromHex("00000000FFFFFF00");
    bool png = false;
    std::function<Look(int, int)> paint = [](int, int) { return Look::Transparent; };

    QByteArray image() const
    {
        if (png)
            return QByteArray::fromHex("89504E470D0A1A0A0000000D49484452000000200000002008060000007A7AF4");
        QByteArray bytes;
        const auto u16 = [&bytes](quint16 v) { bytes.append(char(v & 0xFF)).append(char(v >> 8)); };
        const auto u32 = [&u16](quint32 v) { u16(quint16(v & 0xFFFF)); u16(quint16(v >> 16)); };
        u32(headerSize);
        u32(quint32(bitmapWidth < 0 ? width : bitmapWidth));
        u32(quint32(bitmapHeight == -1 ? 2 * height : bitmapHeight));
        u16(planes);
        u16(bitsPerPixel);
        u32(compression);
        for (int i = 0; i < 3; ++i)
            u32(0);
        u32(coloursUsed);
        u32(0);
        bytes.append(colourTable);
        if (bitsPerPixel == 4)
            bytes.append(QByteArray(14 * 4, '\x80')); // the rest of a 16-colour table
        // Padding bits are set, so that a reader taking them for pixels shows it.
        const int xorRow = (width * bitsPerPixel + 31) / 32 * 4;
        const int andRow = (width + 31) / 32 * 4;
        const bool whiteIsOne = colourTable.startsWith(QByteArray::fromHex("00000000"));
        for (const bool andPlane : {false, true}) {
            for (int y = height - 1; y >= 0; --y) {
                QByteArray row(andPlane ? andRow : xorRow, '\xFF');
                for (int x = 0; x < width && (andPlane || bitsPerPixel == 1); ++x) {
                    const Look look = paint(x, y);
                    const bool white = look == Look::White || look == Look::Inverted;
                    const bool bit = andPlane ? (look == Look::Transparent || look == Look::Inverted)
                                              : white == whiteIsOne;
                    const char mask = char(0x80 >> (x % 8));
                    row[x / 8] = char(bit ? row[x / 8] | mask : row[x / 8] & ~mask);
                }
                bytes.append(row);
            }
        }
        return bytes;
    }

    QByteArray bytes() const
    {
        const QByteArray data = image();
        QByteArray bytes;
        const auto u16 = [&bytes](quint16 v) { bytes.append(char(v & 0xFF)).append(char(v >> 8)); };
        const auto u32 = [&u16](quint32 v) { u16(quint16(v & 0xFFFF)); u16(quint16(v >> 16)); };
        u16(reserved);
        u16(type);
        u16(imageCount);
        const qint64 firstImage = 6 + 16 * qint64(imageCount);
        for (int i = 0; i < imageCount; ++i) {
            bytes.append(char(width & 0xFF)).append(char(height & 0xFF)); // 256 is written as 0
            bytes.append(char(colourCount)).append('\0');
            u16(hotSpotX);
            u16(hotSpotY);
            u32(quint32(imageSize < 0 ? data.size() : imageSize));
            u32(quint32(offset < 0 ? firstImage + i * data.size() : offset));
        }
        for (int i = 0; i < imageCount; ++i)
            bytes.append(data);
        return bytes;
    }
};

Look knownPattern(int x, int y)
{
    return Look(((x * 5) ^ (y * 3) ^ (x >> 3)) & 3);
}

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
    void everyCutIsRefused();
    void changedBytesNeverReadWrongly();
};

void CursorLooksTest::roundTrip_data()
{
    QTest::addColumn<int>("painting");
    QTest::addColumn<KeyColours>("keys");
    QTest::addColumn<int>("hotSpotX");
    QTest::addColumn<int>("hotSpotY");
    const QList<QPair<int, int>> hotSpots = {{15, 15}, {0, 0}, {31, 31}, {-1, 40}, {-32768, 32767}, {100, -5}, {7, 0}};
    int row = 0;
    for (int p = 0; p < paintings().size(); ++p) {
        for (const NamedKeys &keys : keyChoices()) {
            const QPair<int, int> hotSpot = hotSpots[row++ % hotSpots.size()];
            QTest::addRow("%s, %s", paintings()[p].name, keys.name)
                << p << keys.keys << hotSpot.first << hotSpot.second;
        }
    }
}

void CursorLooksTest::roundTrip()
{
    QFETCH(int, painting);
    QFETCH(KeyColours, keys);
    QFETCH(int, hotSpotX);
    QFETCH(int, hotSpotY);
    const Painting &paint = paintings()[painting].paint;
    const testing::GridSource source([&](int x, int y) { return paint(x, y, keys); });

    QByteArray bytes;
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(writeCursor(buffer, HotSpot{std::int16_t(hotSpotX), std::int16_t(hotSpotY)}, source, keys));
    buffer.close();

    const CursorReading reading = readCursor(bytes);
    QVERIFY2(reading.cursor.has_value(), qPrintable(reading.problem));
    QVERIFY(reading.problem.isEmpty());
    const CursorImage &cursor = *reading.cursor;
    QCOMPARE(cursor.width, 32);
    QCOMPARE(cursor.height, 32);
    QCOMPARE(cursor.hotSpotX, hotSpotX);
    QCOMPARE(cursor.hotSpotY, hotSpotY);
    QCOMPARE(cursor.looks.size(), 32 * 32);
    QMap<Look, int> counts;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const ColourValue c = source.colourAt(x, y);
            const Look expected = lookFromPlanes(xorCharacter(c, keys), andCharacter(c, keys));
            QVERIFY2(cursor.lookAt(x, y) == expected, qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
            ++counts[expected];
        }
    }
    for (Look look : {Look::Black, Look::White, Look::Transparent, Look::Inverted})
        QCOMPARE(cursor.count(look), counts.value(look));
}

void CursorLooksTest::handMade_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rawHotSpotX");
    QTest::addColumn<int>("rawHotSpotY");
    QTest::addColumn<int>("colourCount");
    QTest::addColumn<bool>("whiteFirst");
    QTest::addColumn<int>("hotSpotX");
    QTest::addColumn<int>("hotSpotY");
    QTest::newRow("16 x 16") << 16 << 16 << 3 << 12 << 2 << false << 3 << 12;
    QTest::newRow("48 x 48, rows padded") << 48 << 48 << 47 << 0 << 2 << false << 47 << 0;
    QTest::newRow("64 x 64") << 64 << 64 << 20 << 63 << 2 << false << 20 << 63;
    QTest::newRow("256 x 256, sizes written as 0") << 256 << 256 << 255 << 128 << 2 << false << 255 << 128;
    QTest::newRow("1 x 1") << 1 << 1 << 0 << 0 << 2 << false << 0 << 0;
    QTest::newRow("40 x 24, not square") << 40 << 24 << 39 << 23 << 2 << false << 39 << 23;
    QTest::newRow("colour count 0") << 32 << 32 << 15 << 15 << 0 << false << 15 << 15;
    QTest::newRow("white first in the colour table") << 32 << 32 << 1 << 2 << 2 << true << 1 << 2;
    QTest::newRow("hot spot FFFF, FFFF") << 32 << 32 << 0xFFFF << 0xFFFF << 2 << false << -1 << -1;
    QTest::newRow("hot spot 8000, 7FFF") << 16 << 16 << 0x8000 << 0x7FFF << 2 << false << -32768 << 32767;
}

void CursorLooksTest::handMade()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, rawHotSpotX);
    QFETCH(int, rawHotSpotY);
    QFETCH(int, colourCount);
    QFETCH(bool, whiteFirst);
    QFETCH(int, hotSpotX);
    QFETCH(int, hotSpotY);
    HandMade made;
    made.width = width;
    made.height = height;
    made.hotSpotX = quint16(rawHotSpotX);
    made.hotSpotY = quint16(rawHotSpotY);
    made.colourCount = quint8(colourCount);
    if (whiteFirst)
        made.colourTable = QByteArray::fromHex("FFFFFF0000000000");
    made.paint = knownPattern;
    const QByteArray bytes = made.bytes();
    const int rowBytes = (width + 31) / 32 * 4;
    QCOMPARE(bytes.size(), 6 + 16 + 40 + 8 + 2 * rowBytes * height);
    if (width == 256)
        QCOMPARE(bytes.left(8).right(2), QByteArray(2, '\0'));

    const CursorReading reading = readCursor(bytes);
    QVERIFY2(reading.cursor.has_value(), qPrintable(reading.problem));
    const CursorImage &cursor = *reading.cursor;
    QCOMPARE(cursor.width, width);
    QCOMPARE(cursor.height, height);
    QCOMPARE(cursor.hotSpotX, hotSpotX);
    QCOMPARE(cursor.hotSpotY, hotSpotY);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            QVERIFY2(cursor.lookAt(x, y) == knownPattern(x, y), qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
    }
    QCOMPARE(cursor.lookAt(-1, 0), Look::Transparent);
    QCOMPARE(cursor.lookAt(width, height - 1), Look::Transparent);
}

void CursorLooksTest::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mention");
    const HandMade good;
    const QByteArray whole = good.bytes();
    const auto changed = [](const std::function<void(HandMade &)> &change) {
        HandMade made;
        change(made);
        return made.bytes();
    };

    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("cut in the file header") << whole.left(3) << "3 byte";
    QTest::newRow("text") << QByteArray("This is plain text, not a cursor.") << "not a cursor";
    QTest::newRow("a PNG picture") << changed([](HandMade &m) { m.png = true; }).mid(22) << "not a cursor";
    QTest::newRow("reserved word set") << changed([](HandMade &m) { m.reserved = 1; }) << "not a cursor";
    QTest::newRow("type 3") << changed([](HandMade &m) { m.type = 3; }) << "not a cursor";
    QTest::newRow("an icon") << changed([](HandMade &m) { m.type = 1; }) << "icon";
    QTest::newRow("no image") << whole.left(4) + QByteArray(2, '\0') << "no image";
    QTest::newRow("two images") << changed([](HandMade &m) { m.imageCount = 2; }) << "2 images";
    QTest::newRow("cut in the directory entry") << whole.left(15) << "15 byte";
    QTest::newRow("offset inside the header") << changed([](HandMade &m) { m.offset = 10; }) << "byte 10";
    QTest::newRow("offset past the end") << changed([](HandMade &m) { m.offset = 1000; }) << "past the end";
    QTest::newRow("offset just past the end") << changed([](HandMade &m) { m.offset = 326; }) << "past the end";
    QTest::newRow("size past the end") << changed([](HandMade &m) { m.imageSize = 305; }) << "cut short";
    QTest::newRow("offset and size overflow") << changed([](HandMade &m) { m.imageSize = 0xFFFFFFFF; }) << "cut short";
    for (const int cut : {30, 62, 66, 69, 70, 150, 198, 199, 250, 325})
        QTest::addRow("cut after %d bytes", cut) << whole.left(cut) << QStringLiteral("only %1 byte").arg(cut);
    QTest::newRow("size too small for the header") << changed([](HandMade &m) { m.imageSize = 30; }) << "30 byte";
    QTest::newRow("size too small for the planes") << changed([](HandMade &m) { m.imageSize = 200; }) << "304 bytes";
    QTest::newRow("PNG-compressed entry") << changed([](HandMade &m) { m.png = true; }) << "PNG";
    QTest::newRow("4-bit depth") << changed([](HandMade &m) { m.bitsPerPixel = 4; m.colourCount = 16; }) << "4 bit";
    QTest::newRow("32-bit depth") << changed([](HandMade &m) { m.bitsPerPixel = 32; m.colourCount = 0; }) << "32 bit";
    QTest::newRow("12-byte header") << changed([](HandMade &m) { m.headerSize = 12; }) << "12 bytes";
    QTest::newRow("124-byte header") << changed([](HandMade &m) { m.headerSize = 124; }) << "124 bytes";
    QTest::newRow("height not twice") << changed([](HandMade &m) { m.bitmapHeight = 32; }) << "twice";
    QTest::newRow("height upside down") << changed([](HandMade &m) { m.bitmapHeight = -64; }) << "twice";
    QTest::newRow("width not the entry's") << changed([](HandMade &m) { m.bitmapWidth = 16; }) << "16 pixels wide";
    QTest::newRow("compression set") << changed([](HandMade &m) { m.compression = 1; }) << "compressed";
    QTest::newRow("two planes") << changed([](HandMade &m) { m.planes = 2; }) << "2 colour plane";
    QTest::newRow("16 colours in the entry") << changed([](HandMade &m) { m.colourCount = 16; }) << "16 colours";
    QTest::newRow("3 colours used") << changed([](HandMade &m) { m.coloursUsed = 3; }) << "3 entries";
    QTest::newRow("red and white") << changed([](HandMade &m) { m.colourTable = QByteArray::fromHex("0000FF00FFFFFF00"); })
                                   << "not black and white";
    QTest::newRow("black twice") << changed([](HandMade &m) { m.colourTable = QByteArray(8, '\0'); })
                                 << "not black and white";
}

void CursorLooksTest::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, mention);
    const CursorReading reading = readCursor(bytes);
    QVERIFY(!reading.cursor.has_value());
    QVERIFY2(reading.problem.contains(mention), qPrintable(reading.problem));
}

void CursorLooksTest::everyCutIsRefused()
{
    HandMade made;
    made.width = made.height = 48;
    made.paint = knownPattern;
    const QByteArray whole = made.bytes();
    QVERIFY(readCursor(whole).cursor.has_value());
    for (qsizetype size = 0; size < whole.size(); ++size) {
        const CursorReading reading = readCursor(QByteArrayView(whole).first(size));
        QVERIFY2(!reading.cursor.has_value(), qPrintable(QStringLiteral("cut to %1 bytes").arg(size)));
        QVERIFY(!reading.problem.isEmpty());
    }
}

// Each fixed byte set to other values: the reader refuses or reads a whole
// cursor of the size it claims, never anything in between.
void CursorLooksTest::changedBytesNeverReadWrongly()
{
    const QByteArray whole = HandMade().bytes();
    for (int at = 0; at < 70; ++at) {
        for (const char value : {'\0', '\x01', '\x7F', '\x80', '\xFF'}) {
            QByteArray bytes = whole;
            bytes[at] = value;
            const CursorReading reading = readCursor(bytes);
            QCOMPARE(reading.cursor.has_value(), reading.problem.isEmpty());
            if (reading.cursor)
                QCOMPARE(reading.cursor->looks.size(), qsizetype(reading.cursor->width) * reading.cursor->height);
        }
    }
}

QTEST_MAIN(CursorLooksTest)
#include "test_cursor_looks.moc"
