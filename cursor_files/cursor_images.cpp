// SPDX-License-Identifier: MIT
#include "bitmap_file.h"
#include "cursor_file.h"
#include "cursor_parsing.h"

#include <QCoreApplication>
#include <QtNumeric>

#include <algorithm>
#include <limits>

namespace pixelwick::cursor_parsing {

namespace {

using namespace layout;

ParsedImage refused(const QString &problem)
{
    return {std::nullopt, problem};
}

enum class TableColour { Black, White, Other };

TableColour tableColour(const ByteView &image, qint64 at)
{
    // Blue, green, red, then a reserved byte.
    const quint8 blue = image.u8(at), green = image.u8(at + 1), red = image.u8(at + 2);
    if (blue == 0 && green == 0 && red == 0)
        return TableColour::Black;
    if (blue == 0xFF && green == 0xFF && red == 0xFF)
        return TableColour::White;
    return TableColour::Other;
}

int clampedSize(qint64 size)
{
    return int(std::min<qint64>(size, std::numeric_limits<int>::max()));
}

// A PNG image is drawn at the size of its own header, whatever the
// directory entry says.
ParsedImage pngImage(const ByteView &png, CursorImage image)
{
    if (!png.startsWith(12, "IHDR"))
        return refused(CursorLooks::tr("The image is stored as PNG, but its PNG header is missing."));
    const quint32 width = png.be32(16), height = png.be32(20);
    if (width == 0 || height == 0 || width > quint32(kLargestCursorSide) || height > quint32(kLargestCursorSide))
        return refused(CursorLooks::tr("The image is %1 x %2 pixels; a cursor's image is at most 256 x 256.")
                           .arg(width)
                           .arg(height));
    image.width = int(width);
    image.height = int(height);
    image.colourDepth = 32;
    image.png = true;
    return {StoredImage{image, png.view().toByteArray(), {}}, QString()};
}

} // namespace

ParsedImage parseImage(const ByteView &file, int index, bool icon, Accept accept)
{
    const bool monochromeOnly = accept == Accept::MonochromeOnly;
    const int fileSize = clampedSize(file.size());
    const qint64 entry = kFileHeaderSize + qint64(index) * kDirectoryEntrySize;
    if (!file.holds(entry, kDirectoryEntrySize))
        return refused(CursorLooks::tr("The file is cut short: it ends after %n byte(s), inside its directory entry.",
                                       nullptr, fileSize));

    CursorImage cursor;
    // A size byte of 0 stands for 256, the one size a byte cannot hold.
    const int width = file.u8(entry + kEntryWidth) == 0 ? kLargestCursorSide : file.u8(entry + kEntryWidth);
    const int height = file.u8(entry + kEntryHeight) == 0 ? kLargestCursorSide : file.u8(entry + kEntryHeight);
    const int colourCount = file.u8(entry + kEntryColourCount);
    // The reserved byte: writers disagree on it, and nothing depends on it.
    cursor.hasHotSpot = !icon;
    if (!icon) {
        cursor.hotSpotX = file.les16(entry + kEntryHotSpotX);
        cursor.hotSpotY = file.les16(entry + kEntryHotSpotY);
    }
    const quint32 imageSize = file.le32(entry + kEntryDataSize);
    const quint32 imageOffset = file.le32(entry + kEntryDataOffset);

    if (imageOffset < quint32(kFileHeaderSize + kDirectoryEntrySize))
        return refused(
            CursorLooks::tr("The image is said to start at byte %1, inside the file's own header.").arg(imageOffset));
    if (imageOffset >= quint64(file.size()))
        return refused(CursorLooks::tr("The image is said to start at byte %1, past the end of the file (%n byte(s)).",
                                       nullptr, fileSize)
                           .arg(imageOffset));
    if (!file.holds(imageOffset, imageSize))
        return refused(
            CursorLooks::tr(
                "The file is cut short: its image should be %1 bytes from byte %2, but the file has only %n byte(s).",
                nullptr, fileSize)
                .arg(imageSize)
                .arg(imageOffset));

    const ByteView image(file.slice(imageOffset, imageSize));
    if (image.startsWith(0, "\x89PNG\r\n\x1a\n")) {
        if (monochromeOnly)
            return refused(
                CursorLooks::tr("The image is stored as PNG; only cursors stored as 1-bit bitmaps can be read."));
        return pngImage(image, cursor);
    }
    if (!image.holds(0, kBitmapHeaderSize))
        return refused(CursorLooks::tr("The image is only %n byte(s) long, too short for its bitmap header.", nullptr,
                                       int(imageSize)));

    const quint32 headerSize = image.le32(kBitmapHeaderLength);
    const qint32 bitmapWidth = image.les32(kBitmapWidth);
    const qint32 bitmapHeight = image.les32(kBitmapHeight);
    const quint16 planes = image.le16(kBitmapPlanes);
    const quint16 bitsPerPixel = image.le16(kBitmapBitsPerPixel);
    const quint32 compression = image.le32(kBitmapCompression);
    const quint32 coloursUsed = image.le32(kBitmapColoursUsed);

    if (headerSize != quint32(kBitmapHeaderSize))
        return refused(CursorLooks::tr("The bitmap header is %1 bytes long; only the usual 40-byte header can be read.")
                           .arg(headerSize));
    if (monochromeOnly && bitsPerPixel != 1)
        return refused(CursorLooks::tr(
            "The image has %n bit(s) per pixel; only black and white cursors, 1 bit per pixel, can be read.", nullptr,
            bitsPerPixel));
    if (!QList<int>{1, 4, 8, 16, 24, 32}.contains(bitsPerPixel))
        return refused(
            CursorLooks::tr("The image has %n bit(s) per pixel, which no cursor or icon has.", nullptr, bitsPerPixel));
    if (compression != 0)
        return refused(CursorLooks::tr("The image is compressed (method %1); only uncompressed cursors can be read.")
                           .arg(compression));
    if (planes != 1)
        return refused(CursorLooks::tr("The bitmap has %n colour plane(s) where a cursor has 1.", nullptr, planes));
    if (bitmapWidth != width)
        return refused(CursorLooks::tr("The bitmap is %1 pixels wide, but the directory entry says %2.")
                           .arg(bitmapWidth)
                           .arg(width));
    // The XOR and AND planes are stacked, so the bitmap is twice as high as the cursor.
    if (bitmapHeight != 2 * height)
        return refused(
            CursorLooks::tr(
                "The bitmap is %1 pixels high; a cursor %2 pixels high needs %3, twice its height, for its two planes.")
                .arg(bitmapHeight)
                .arg(height)
                .arg(2 * height));
    if (monochromeOnly && colourCount != 2 && colourCount != 0)
        return refused(CursorLooks::tr("The directory entry gives %1 colours where a black and white cursor has 2.")
                           .arg(colourCount));
    if (monochromeOnly && coloursUsed != 0 && coloursUsed != 2)
        return refused(
            CursorLooks::tr("The colour table has %1 entries where a black and white cursor has 2.").arg(coloursUsed));
    const qint64 fullTable = bitsPerPixel <= 8 ? qint64(1) << bitsPerPixel : 0;
    if (bitsPerPixel <= 8 && coloursUsed > fullTable)
        return refused(
            CursorLooks::tr("The colour table has %1 entries where an image of %2 bits per pixel has at most %3.")
                .arg(coloursUsed)
                .arg(bitsPerPixel)
                .arg(fullTable));
    const qint64 tableEntries = bitsPerPixel <= 8 && coloursUsed == 0 ? fullTable : coloursUsed;

    // Rows of bitmaps are padded to whole 4-byte words.
    const qint64 xorRow = (qint64(width) * bitsPerPixel + 31) / 32 * 4;
    const qint64 andRow = (qint64(width) + 31) / 32 * 4;
    const qint64 xorAt = kColourTable + tableEntries * 4;
    const qint64 andAt = xorAt + xorRow * height;
    const qint64 needed = andAt + andRow * height;
    if (!image.holds(0, needed))
        return refused(
            CursorLooks::tr("The image needs %1 bytes for its header, colours and two planes, but has only %2.")
                .arg(needed)
                .arg(imageSize));

    cursor.width = width;
    cursor.height = height;
    const auto bitAt = [&image](qint64 plane, qint64 row, int x) {
        return (image.u8(plane + row + x / 8) >> (7 - x % 8)) & 1; // leftmost pixel in the highest bit
    };
    const TableColour first = tableColour(image, kColourTable);
    const TableColour second = tableColour(image, kColourTable + 4);
    const bool blackAndWhite = bitsPerPixel == 1 && tableEntries == 2 && first != TableColour::Other
                               && second != TableColour::Other && first != second;
    if (monochromeOnly && !blackAndWhite)
        return refused(CursorLooks::tr("The cursor's two colours are not black and white."));

    StoredImage stored{cursor, {}, {}};
    if (blackAndWhite) {
        // Either order of black and white is a monochrome cursor; the XOR
        // bit picks its colour through the table.
        const int whiteIndex = second == TableColour::White ? 1 : 0;
        stored.image.looks.reserve(qsizetype(width) * height);
        for (int y = 0; y < height; ++y) {
            const qint64 stored_row = height - 1 - y; // stored bottom-up
            for (int x = 0; x < width; ++x) {
                const bool white = bitAt(xorAt, stored_row * xorRow, x) == whiteIndex;
                const bool masked = bitAt(andAt, stored_row * andRow, x);
                stored.image.looks.append(masked ? (white ? Look::Inverted : Look::Transparent)
                                                 : (white ? Look::White : Look::Black));
            }
        }
        return {stored, QString()};
    }
    stored.image.colourDepth = bitsPerPixel;
    // The colour plane as a bitmap file of its own; a 32-bit image's alpha
    // is named, which a plain header leaves unnamed.
    BitmapFile colours{width,
                       height,
                       bitsPerPixel,
                       std::nullopt,
                       image.slice(kColourTable, tableEntries * 4),
                       image.slice(xorAt, xorRow * height)};
    if (bitsPerPixel == 32)
        colours.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    stored.colours = bitmapFileBytes(colours);
    stored.masked.reserve(qsizetype(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            stored.masked.append(bitAt(andAt, qint64(height - 1 - y) * andRow, x));
    return {stored, QString()};
}

} // namespace pixelwick::cursor_parsing
