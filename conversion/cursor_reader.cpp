// SPDX-License-Identifier: MIT
#include "cursor_reader.h"

#include <QCoreApplication>
#include <QtEndian>
#include <QtNumeric>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace pixelwick {

Look CursorImage::lookAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return Look::Transparent;
    const qsizetype index = qsizetype(y) * width + x;
    return index < looks.size() ? looks[index] : Look::Transparent;
}

int CursorImage::count(Look look) const
{
    return int(std::count(looks.cbegin(), looks.cend(), look));
}

namespace {

constexpr quint32 kFileHeaderSize = 6;
constexpr quint32 kEntrySize = 16;
constexpr quint32 kBitmapHeaderSize = 40;
constexpr quint32 kColourTableSize = 2 * 4;
constexpr quint16 kIconType = 1;
constexpr quint16 kCursorType = 2;

// Every read is checked against the view's end, so no input can make one
// reach past it; a read that does not fit gives 0.
class LittleEndianView {
public:
    explicit LittleEndianView(QByteArrayView bytes) : m_bytes(bytes) {}

    bool holds(quint32 at, quint32 count) const
    {
        return at <= quint64(m_bytes.size()) && count <= quint64(m_bytes.size()) - at;
    }
    quint8 u8(quint32 at) const { return holds(at, 1) ? quint8(m_bytes[at]) : 0; }
    quint16 u16(quint32 at) const { return holds(at, 2) ? qFromLittleEndian<quint16>(m_bytes.data() + at) : 0; }
    quint32 u32(quint32 at) const { return holds(at, 4) ? qFromLittleEndian<quint32>(m_bytes.data() + at) : 0; }
    qint32 i32(quint32 at) const { return holds(at, 4) ? qFromLittleEndian<qint32>(m_bytes.data() + at) : 0; }

private:
    QByteArrayView m_bytes;
};

CursorReading refused(const QString &problem)
{
    return {std::nullopt, problem};
}

bool startsWithPng(QByteArrayView image)
{
    static constexpr char signature[] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    return image.size() >= qsizetype(sizeof signature)
           && std::equal(std::begin(signature), std::end(signature), image.data());
}

enum class TableColour { Black, White, Other };

TableColour tableColour(const LittleEndianView &image, quint32 at)
{
    // Blue, green, red, then a reserved byte.
    const quint8 blue = image.u8(at), green = image.u8(at + 1), red = image.u8(at + 2);
    if (blue == 0 && green == 0 && red == 0)
        return TableColour::Black;
    if (blue == 0xFF && green == 0xFF && red == 0xFF)
        return TableColour::White;
    return TableColour::Other;
}

} // namespace

CursorReading readCursor(QByteArrayView bytes)
{
    const LittleEndianView file(bytes);
    const int fileSize = int(std::min<qsizetype>(bytes.size(), std::numeric_limits<int>::max()));

    if (bytes.isEmpty())
        return refused(QCoreApplication::translate("CursorLooks", "The file is empty."));
    if (!file.holds(0, kFileHeaderSize))
        return refused(QCoreApplication::translate(
            "CursorLooks", "The file is only %n byte(s) long, too short for a cursor.", nullptr, fileSize));

    const quint16 reserved = file.u16(0);
    const quint16 type = file.u16(2);
    const quint16 imageCount = file.u16(4);
    if (reserved != 0 || (type != kIconType && type != kCursorType))
        return refused(QCoreApplication::translate("CursorLooks", "This is not a cursor file."));
    if (type == kIconType)
        return refused(
            QCoreApplication::translate("CursorLooks", "This is an icon, not a cursor: an icon has no hot spot."));
    if (imageCount == 0)
        return refused(QCoreApplication::translate("CursorLooks", "The cursor file holds no image."));
    if (imageCount > 1)
        return refused(QCoreApplication::translate(
            "CursorLooks", "The cursor file holds %n images; only a cursor with exactly one image can be read.",
            nullptr, imageCount));

    if (!file.holds(kFileHeaderSize, kEntrySize))
        return refused(QCoreApplication::translate(
            "CursorLooks", "The file is cut short: it ends after %n byte(s), inside its directory entry.", nullptr,
            fileSize));

    // A size byte of 0 stands for 256, the one size a byte cannot hold.
    const int width = file.u8(6) == 0 ? kLargestCursorSide : file.u8(6);
    const int height = file.u8(7) == 0 ? kLargestCursorSide : file.u8(7);
    const int colourCount = file.u8(8);
    // Byte 9 is reserved; writers disagree on it, and nothing depends on it.
    const int hotSpotX = std::int16_t(file.u16(10));
    const int hotSpotY = std::int16_t(file.u16(12));
    const quint32 imageSize = file.u32(14);
    const quint32 imageOffset = file.u32(18);

    if (imageOffset < kFileHeaderSize + kEntrySize)
        return refused(QCoreApplication::translate(
                           "CursorLooks", "The image is said to start at byte %1, inside the file's own header.")
                           .arg(imageOffset));
    if (imageOffset >= quint64(bytes.size()))
        return refused(
            QCoreApplication::translate("CursorLooks",
                                        "The image is said to start at byte %1, past the end of the file (%n byte(s)).",
                                        nullptr, fileSize)
                .arg(imageOffset));
    quint32 imageEnd = 0;
    if (qAddOverflow(imageOffset, imageSize, &imageEnd) || !file.holds(imageOffset, imageSize))
        return refused(
            QCoreApplication::translate(
                "CursorLooks",
                "The file is cut short: its image should be %1 bytes from byte %2, but the file has only %n byte(s).",
                nullptr, fileSize)
                .arg(imageSize)
                .arg(imageOffset));

    const QByteArrayView imageBytes = bytes.sliced(imageOffset, imageSize);
    const LittleEndianView image(imageBytes);

    if (startsWithPng(imageBytes))
        return refused(QCoreApplication::translate(
            "CursorLooks", "The image is stored as PNG; only cursors stored as 1-bit bitmaps can be read."));
    if (!image.holds(0, kBitmapHeaderSize))
        return refused(QCoreApplication::translate(
            "CursorLooks", "The image is only %n byte(s) long, too short for its bitmap header.", nullptr,
            int(imageSize)));

    const quint32 headerSize = image.u32(0);
    const qint32 bitmapWidth = image.i32(4);
    const qint32 bitmapHeight = image.i32(8);
    const quint16 planes = image.u16(12);
    const quint16 bitsPerPixel = image.u16(14);
    const quint32 compression = image.u32(16);
    const quint32 coloursUsed = image.u32(32);

    if (headerSize != kBitmapHeaderSize)
        return refused(
            QCoreApplication::translate(
                "CursorLooks", "The bitmap header is %1 bytes long; only the usual 40-byte header can be read.")
                .arg(headerSize));
    if (bitsPerPixel != 1)
        return refused(QCoreApplication::translate(
            "CursorLooks",
            "The image has %n bit(s) per pixel; only black and white cursors, 1 bit per pixel, can be read.", nullptr,
            bitsPerPixel));
    if (compression != 0)
        return refused(QCoreApplication::translate(
                           "CursorLooks", "The image is compressed (method %1); only uncompressed cursors can be read.")
                           .arg(compression));
    if (planes != 1)
        return refused(QCoreApplication::translate(
            "CursorLooks", "The bitmap has %n colour plane(s) where a cursor has 1.", nullptr, planes));
    if (bitmapWidth != width)
        return refused(
            QCoreApplication::translate("CursorLooks", "The bitmap is %1 pixels wide, but the directory entry says %2.")
                .arg(bitmapWidth)
                .arg(width));
    // The XOR and AND planes are stacked, so the bitmap is twice as high as the cursor.
    if (bitmapHeight != 2 * height)
        return refused(
            QCoreApplication::translate(
                "CursorLooks",
                "The bitmap is %1 pixels high; a cursor %2 pixels high needs %3, twice its height, for its two planes.")
                .arg(bitmapHeight)
                .arg(height)
                .arg(2 * height));
    if (colourCount != 2 && colourCount != 0)
        return refused(QCoreApplication::translate(
                           "CursorLooks", "The directory entry gives %1 colours where a black and white cursor has 2.")
                           .arg(colourCount));
    if (coloursUsed != 0 && coloursUsed != 2)
        return refused(QCoreApplication::translate(
                           "CursorLooks", "The colour table has %1 entries where a black and white cursor has 2.")
                           .arg(coloursUsed));

    // Rows of a 1-bit bitmap are padded to whole 4-byte words.
    const int rowBytes = (width + 31) / 32 * 4;
    int planeBytes = 0;
    int needed = 0;
    if (qMulOverflow(rowBytes, height, &planeBytes) || qMulOverflow(planeBytes, 2, &needed)
        || qAddOverflow(needed, int(kBitmapHeaderSize + kColourTableSize), &needed))
        return refused(QCoreApplication::translate("CursorLooks", "The image's planes are too large."));
    if (!image.holds(0, quint32(needed)))
        return refused(
            QCoreApplication::translate(
                "CursorLooks", "The image needs %1 bytes for its header, colours and two planes, but has only %2.")
                .arg(needed)
                .arg(imageSize));

    // Either order of black and white is a monochrome cursor; the XOR bit
    // picks its colour through the table.
    const TableColour first = tableColour(image, kBitmapHeaderSize);
    const TableColour second = tableColour(image, kBitmapHeaderSize + 4);
    if (first == TableColour::Other || second == TableColour::Other || first == second)
        return refused(QCoreApplication::translate("CursorLooks", "The cursor's two colours are not black and white."));
    const int whiteIndex = second == TableColour::White ? 1 : 0;

    const quint32 xorPlane = kBitmapHeaderSize + kColourTableSize;
    const quint32 andPlane = xorPlane + quint32(planeBytes);
    CursorImage cursor;
    cursor.width = width;
    cursor.height = height;
    cursor.hotSpotX = hotSpotX;
    cursor.hotSpotY = hotSpotY;
    cursor.looks.reserve(qsizetype(width) * height);
    for (int y = 0; y < height; ++y) {
        const quint32 row = quint32(height - 1 - y) * quint32(rowBytes); // stored bottom-up
        for (int x = 0; x < width; ++x) {
            const quint32 byte = row + quint32(x / 8);
            const int bit = 7 - x % 8; // leftmost pixel in the most significant bit
            const bool white = ((image.u8(xorPlane + byte) >> bit) & 1) == whiteIndex;
            const bool masked = (image.u8(andPlane + byte) >> bit) & 1;
            if (masked)
                cursor.looks.append(white ? Look::Inverted : Look::Transparent);
            else
                cursor.looks.append(white ? Look::White : Look::Black);
        }
    }
    return {std::move(cursor), QString()};
}

} // namespace pixelwick
