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

namespace mng {
constexpr qint64 kSignatureSize = 8, kChunkOverhead = 12, kCanvasWidth = 16, kCanvasHeight = 20;
// Far more than an animation made to be seen holds, and few enough that a
// file of nothing but layers is drawn within a second.
constexpr qint64 kMostLayers = 4096;
constexpr qint64 kMostPixelsDrawn = qint64(64) << 20;
} // namespace mng

struct MngWork {
    qint64 layers = 0;
    // What drawing every layer and frame once costs, or -1 past counting.
    qint64 pixels = 0;
    bool repeats = false;
    QByteArray withoutRepeats;
};

// The largest factor of an MAGN chunk in each direction; fields left out
// take the ones before them, as the format says.
qint64 magnification(const FileBytes &file, qint64 data, qint64 length)
{
    const auto field = [&](qint64 offset, qint64 fallback) -> qint64 {
        return length >= offset + 2 ? qMax<qint64>(file.be16(data + offset), 1) : fallback;
    };
    const qint64 mx = field(5, 1), my = field(7, mx), ml = field(9, mx), mr = field(11, mx);
    const qint64 mt = field(13, my), mb = field(15, my);
    return qMax(mx, qMax(ml, mr)) * qMax(my, qMax(mt, mb));
}

// Counts every layer (a picture, a picture made of a colour, a change to
// one, a copy, a paste, a showing or a magnification) and the pixels each
// makes the reader draw, and copies the file without its repeats.
MngWork mngWork(const FileBytes &file)
{
    MngWork work;
    work.withoutRepeats = file.view().first(mng::kSignatureSize).toByteArray();
    qint64 ownPixels = 0, largest = 0, copies = 0, frames = 0, magnified = 1;
    bool overflow = false;
    for (qint64 position = mng::kSignatureSize; file.holds(position, mng::kChunkOverhead);) {
        const qint64 length = file.be32(position), data = position + 8;
        const auto is = [&](const char *type) { return file.startsWith(position + 4, type); };
        const auto sized = [&](qint64 widthAt) {
            if (length < widthAt + 8)
                return;
            const qint64 pixels = checkedMulAdd(file.be32(data + widthAt), file.be32(data + widthAt + 4));
            overflow = overflow || pixels < 0 || qAddOverflow(ownPixels, pixels, &ownPixels);
            largest = qMax(largest, pixels);
            ++work.layers;
        };
        if (is("LOOP") || is("ENDL") || is("TERM"))
            work.repeats = true;
        else
            work.withoutRepeats.append(file.view().sliced(position, length + mng::kChunkOverhead));
        if (is("IHDR") || is("JHDR") || is("BASI"))
            sized(0);
        else if (is("DHDR"))
            sized(4); // object, image type and delta type come first
        else if (is("PAST") || is("CLON") || is("SHOW"))
            ++copies, ++work.layers;
        else if (is("MAGN"))
            magnified = qMax(magnified, magnification(file, data, length)), ++work.layers;
        else if (is("FRAM"))
            ++frames;
        else if (is("MEND"))
            break;
        position += length + mng::kChunkOverhead;
    }
    // Each copy may be as large as the largest picture, each picture may be
    // magnified, and each frame may clear the whole canvas.
    const qint64 canvas = file.holds(mng::kCanvasHeight, 4)
                              ? checkedMulAdd(file.be32(mng::kCanvasWidth), file.be32(mng::kCanvasHeight))
                              : 0;
    const qint64 layers = overflow ? -1 : checkedMulAdd(copies, largest, ownPixels);
    const qint64 drawn = layers < 0 ? -1 : checkedMulAdd(layers, magnified);
    work.pixels = drawn < 0 || canvas < 0 ? -1 : checkedMulAdd(canvas, frames + 1, drawn);
    return work;
}

} // namespace

QByteArray pngWithoutCompressedText(const FileBytes &file, qint64 start, qint64 end)
{
    QByteArray copy = file.view().sliced(start, mng::kSignatureSize).toByteArray();
    bool left = false;
    qint64 position = start + mng::kSignatureSize;
    while (position + mng::kChunkOverhead <= end) {
        const qint64 length = file.be32(position), size = length + mng::kChunkOverhead;
        if (position + size > end)
            break;
        if (file.startsWith(position + 4, "zTXt") || file.startsWith(position + 4, "iTXt"))
            left = true;
        else
            copy.append(file.view().sliced(position, size));
        position += size;
    }
    return left ? copy : QByteArray();
}

// libpng inflates every compressed text chunk, up to 8 MB each, though no
// pixel depends on them: the reader gets the file without them.
StructureCheck checkPng(const FileBytes &file)
{
    StructureCheck result = checkChunks(file, "IEND", kPngMostPixelsPerByte);
    if (result.whole())
        result.readerBytes = pngWithoutCompressedText(file, 0, file.size());
    return result;
}

// An MNG can paint a frame of any size from a background colour alone, so
// its size bounds nothing; what it asks the reader to draw is bounded here.
// Qt's reader runs the animation up to its first pause: chunks that repeat
// it without a pause (LOOP, ENDL, TERM) would have it spin for ever, so the
// reader gets the file without them. They only repeat what came before.
StructureCheck checkMng(const FileBytes &file)
{
    StructureCheck result = checkChunks(file, "MEND", 0);
    if (!result.whole())
        return result;
    const MngWork work = mngWork(file);
    if (work.layers > mng::kMostLayers)
        return damaged(Picture::tr("an MNG animation of more than %1 layers").arg(mng::kMostLayers), result.width,
                       result.height);
    if (work.pixels < 0 || work.pixels > mng::kMostPixelsDrawn)
        return damaged(Picture::tr("an MNG animation that would take more than %1 million pixels to draw")
                           .arg(mng::kMostPixelsDrawn >> 20),
                       result.width, result.height);
    if (work.repeats)
        result.readerBytes = work.withoutRepeats;
    return result;
}

} // namespace pixelwick::formats
