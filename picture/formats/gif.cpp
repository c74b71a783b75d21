// SPDX-License-Identifier: MIT
#include "format_walk.h"

namespace pixelwick::formats {

namespace {

// --- GIF -----------------------------------------------------------------

namespace gif {
constexpr qint64 kScreenWidth = 6, kScreenHeight = 8, kScreenFlags = 10, kScreenDescriptorEnd = 13;
constexpr quint8 kExtension = 0x21, kImage = 0x2C, kTrailer = 0x3B;
constexpr qint64 kImageDescriptorSize = 9, kImageFlags = 8;
constexpr quint8 kHasColourTable = 0x80;
// Each output code of the LZW data yields at most 4096 pixels (the length
// of the longest string its table can hold) and takes at least 3 bits.
constexpr qint64 kMostPixelsPerByte = 4096 * 8 / 3 + 1;
} // namespace gif

qint64 colourTableSize(quint8 flags)
{
    return (flags & gif::kHasColourTable) ? 3 * (qint64(2) << (flags & 7)) : 0;
}

// Steps over a chain of data sub-blocks ending in an empty one; returns the
// position after it, or -1 when the file ends first.
qint64 skipSubBlocks(const FileBytes &file, qint64 position)
{
    while (file.holds(position, 1)) {
        const quint8 length = file.u8(position);
        position += 1 + length;
        if (length == 0)
            return position;
    }
    return -1;
}

// Walks every block of every frame, so that a file cut anywhere, even with

} // namespace

StructureCheck checkGif(const FileBytes &file)
{
    if (!file.holds(0, gif::kScreenDescriptorEnd))
        return incomplete();
    const qint64 width = file.le16(gif::kScreenWidth), height = file.le16(gif::kScreenHeight);
    StructureCheck result = whole(width, height);
    result.maxPixels = pixelBound(file.size(), gif::kMostPixelsPerByte);
    qint64 position = gif::kScreenDescriptorEnd + colourTableSize(file.u8(gif::kScreenFlags));
    bool sawImage = false;
    while (file.holds(position, 1)) {
        const quint8 block = file.u8(position);
        if (block == gif::kTrailer)
            return result;
        if (block == gif::kExtension) {
            position = file.holds(position, 2) ? skipSubBlocks(file, position + 2) : -1;
        } else if (block == gif::kImage) {
            if (!file.holds(position + 1, gif::kImageDescriptorSize + 1))
                return incomplete(width, height);
            const quint8 flags = file.u8(position + 1 + gif::kImageFlags);
            // Past the descriptor and its colour table, a byte of LZW code size.
            position = skipSubBlocks(file, position + 1 + gif::kImageDescriptorSize + colourTableSize(flags) + 1);
            sawImage = position >= 0;
        } else if (block == 0 && sawImage) {
            return result; // padding after the last frame, from some writers
        } else {
            return damaged(Picture::tr("an unknown block in the GIF data"));
        }
        if (position < 0)
            return incomplete(width, height);
    }
    // Some writers leave out the trailer after a whole last frame.
    return sawImage && position == file.size() ? result : incomplete(width, height);
}

} // namespace pixelwick::formats
