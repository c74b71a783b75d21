// SPDX-License-Identifier: MIT
#include "format_walk.h"

#include <algorithm>
#include <array>

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
constexpr qint64 kFrameWidth = 5, kFrameHeight = 7;
constexpr int kMostCodes = 4096;
// The loader's own limit: a frame of more pixels is never needed.
constexpr qint64 kMostFramePixels = qint64(16) << 20;
// Qt's reader goes on decoding whatever data follows a frame's last pixel,
// and, 4096 bytes after an end code, whatever follows that. A little more
// than the frame holds is let pass: some writers end on a spare code.
constexpr qint64 kSparePixels = 1 << 16;
constexpr qint64 kMostBytesAfterEnd = 4000;
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

struct LzwWalk {
    qint64 pixels = 0;
    bool unknownCode = false;
    qint64 bytesAfterEnd = 0;
};

// Counts the pixels a frame's LZW data makes, code by code as Qt's reader
// decodes them, without making any: the table keeps only the length of each
// string. `position` is that of the code size byte. Stops past `most`.
LzwWalk countLzwPixels(const FileBytes &file, qint64 position, qint64 most)
{
    LzwWalk walk;
    const int minimum = file.u8(position++);
    if (minimum >= 12) { // every code would be past the table
        walk.unknownCode = true;
        return walk;
    }
    const int clear = 1 << minimum, end = clear + 1;
    std::array<quint16, gif::kMostCodes> lengths{};
    std::fill(lengths.begin(), lengths.begin() + clear, 1);
    int size = minimum + 1, limit = 2 * clear, next = clear + 2, previous = -1;
    quint32 accumulator = 0;
    int bits = 0;
    bool ended = false;
    while (file.holds(position, 1)) {
        const qint64 count = file.u8(position++);
        const qint64 block = position;
        position += count;
        if (count == 0 || !file.holds(block, count))
            break;
        if (ended) {
            walk.bytesAfterEnd += count;
            continue;
        }
        for (qint64 i = 0; i < count && !ended; ++i) {
            accumulator |= quint32(file.u8(block + i)) << bits;
            for (bits += 8; bits >= size && !ended;) {
                const int code = int(accumulator & ((1u << size) - 1));
                accumulator >>= size;
                bits -= size;
                if (code == clear) {
                    size = minimum + 1;
                    limit = 2 * clear;
                    next = clear + 2;
                    previous = -1;
                } else if (code == end) {
                    ended = true;
                    walk.bytesAfterEnd = count - i - 1;
                } else if (previous < 0 || code > next) {
                    // The first code after a clear code stands for itself.
                    walk.unknownCode = walk.unknownCode || code > end;
                    walk.pixels += 1;
                    previous = code;
                } else {
                    // The code just being made is the string before it and
                    // that string's first pixel again.
                    walk.pixels += code < next ? lengths[size_t(code)] : lengths[size_t(previous)] + 1;
                    if (next < gif::kMostCodes) {
                        lengths[size_t(next++)] = quint16(lengths[size_t(previous)] + 1);
                        if (next >= limit && limit < gif::kMostCodes) {
                            limit *= 2;
                            ++size;
                        }
                    }
                    previous = code;
                }
                if (walk.unknownCode || walk.pixels > most)
                    return walk;
            }
        }
    }
    return walk;
}

// Why the frame whose descriptor is at `position` would have Qt's reader
// work far beyond the frame, or an empty text.
QString frameProblem(const FileBytes &file, qint64 position, qint64 dataPosition, qint64 screenWidth,
                     qint64 screenHeight)
{
    const qint64 width = file.le16(position + gif::kFrameWidth), height = file.le16(position + gif::kFrameHeight);
    if (width * height > gif::kMostFramePixels)
        return Picture::tr("a GIF frame of %1 × %2 pixels on a screen of %3 × %4")
            .arg(width)
            .arg(height)
            .arg(screenWidth)
            .arg(screenHeight);
    const LzwWalk walk = countLzwPixels(file, dataPosition, width * height + gif::kSparePixels);
    if (walk.unknownCode)
        return Picture::tr("GIF picture data with a code that is not in its table");
    if (walk.pixels > width * height + gif::kSparePixels)
        return Picture::tr("GIF picture data that runs on past its %1 × %2 frame").arg(width).arg(height);
    if (walk.bytesAfterEnd > gif::kMostBytesAfterEnd)
        return Picture::tr("GIF picture data that runs on past its end code");
    return {};
}

} // namespace

// Walks every block of every frame, so that a file cut anywhere, even with
// a trailer byte put back at its end, is found out, and counts the pixels
// of each frame's data.
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
            const qint64 data = position + 1 + gif::kImageDescriptorSize + colourTableSize(flags);
            const qint64 frame = position;
            position = skipSubBlocks(file, data + 1);
            sawImage = position >= 0;
            if (sawImage) {
                if (const QString problem = frameProblem(file, frame, data, width, height); !problem.isEmpty())
                    return damaged(problem, width, height);
            }
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
