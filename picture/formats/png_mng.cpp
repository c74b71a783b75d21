// SPDX-License-Identifier: MIT
#include "format_walk.h"

namespace pixelwick::formats {

namespace {

// --- PNG and MNG ---------------------------------------------------------

// Both are chunks after an 8-byte signature: length, type, data, checksum.
// The first chunk holds the size; the file is whole at its end chunk.
StructureCheck checkChunks(const FileBytes &file, const char *endChunk, qint64 pixelsPerByte)
{
    constexpr qint64 kSignatureSize = 8, kChunkOverhead = 12, kFirstWidth = 16, kFirstHeight = 20;
    qint64 width = 0, height = 0;
    if (file.holds(kFirstHeight, 4)) {
        width = file.be32(kFirstWidth);
        height = file.be32(kFirstHeight);
    }
    qint64 position = kSignatureSize;
    while (file.holds(position, kChunkOverhead)) {
        const qint64 length = file.be32(position);
        if (!file.holds(position, length + kChunkOverhead))
            break;
        // An MNG holds whole PNG and JNG pictures, each with a size of its own.
        if ((file.startsWith(position + 4, "IHDR") || file.startsWith(position + 4, "JHDR")) && length >= 8
            && position > kSignatureSize) {
            const qint64 innerWidth = file.be32(position + 8), innerHeight = file.be32(position + 12);
            if (innerWidth > width || innerHeight > height) {
                width = qMax(width, innerWidth);
                height = qMax(height, innerHeight);
            }
        }
        if (file.startsWith(position + 4, endChunk)) {
            StructureCheck result = whole(width, height);
            if (pixelsPerByte > 0)
                result.maxPixels = pixelBound(file.size(), pixelsPerByte);
            return result;
        }
        position += length + kChunkOverhead;
    }
    return incomplete(width, height);
}

// Deflate expands at most 1032 times; a 1-bit picture holds 8 pixels a byte.
constexpr qint64 kPngMostPixelsPerByte = 8 * 1032;

} // namespace

StructureCheck checkPng(const FileBytes &file)
{
    return checkChunks(file, "IEND", kPngMostPixelsPerByte);
}

// An MNG can paint a frame of any size from a background colour alone.
StructureCheck checkMng(const FileBytes &file)
{
    return checkChunks(file, "MEND", 0);
}

} // namespace pixelwick::formats
