// SPDX-License-Identifier: MIT
#include "format_walk.h"

#include <cctype>
#include <cstdio>

namespace pixelwick::formats {

namespace {

// --- TIFF ----------------------------------------------------------------

namespace tiff {
constexpr quint16 kStripOffsets = 273, kStripByteCounts = 279, kTileOffsets = 324, kTileByteCounts = 325;
constexpr quint16 kShort = 3, kLong = 4;
constexpr qint64 kEntrySize = 12;
} // namespace tiff

} // namespace

// --- TGA -----------------------------------------------------------------

namespace tga {
constexpr qint64 kHeaderSize = 18, kFooterSize = 26;
constexpr qint64 kIdLength = 0, kColourMapType = 1, kImageType = 2, kColourMapLength = 5, kColourMapDepth = 7;
constexpr qint64 kWidth = 12, kHeight = 14, kPixelDepth = 16;
constexpr quint8 kUncompressedTrueColour = 2;
} // namespace tga

// Qt reads only uncompressed true-colour files with the version 2 footer,
// pixel by pixel, filling in whatever the file lacks: the pixels must all
// lie between the header and the footer.
StructureCheck checkTga(const FileBytes &file)
{
    if (!file.holds(0, tga::kHeaderSize))
        return incomplete();
    const qint64 width = file.le16(tga::kWidth), height = file.le16(tga::kHeight);
    if (file.u8(tga::kImageType) != tga::kUncompressedTrueColour)
        return whole(width, height); // Qt's reader refuses the other kinds
    qint64 colourMapBytes = 0;
    if (file.u8(tga::kColourMapType) == 1) {
        const qint64 depth = file.u8(tga::kColourMapDepth) == 15 ? 16 : file.u8(tga::kColourMapDepth);
        colourMapBytes = qint64(file.le16(tga::kColourMapLength)) * depth / 8;
    }
    const qint64 pixelBytes = checkedMulAdd(width * height, (file.u8(tga::kPixelDepth) + 7) / 8);
    const qint64 needed = tga::kHeaderSize + file.u8(tga::kIdLength) + colourMapBytes + pixelBytes + tga::kFooterSize;
    return file.holds(0, needed) ? whole(width, height) : incomplete(width, height);
}

// --- XBM -----------------------------------------------------------------

// An XBM is C source: two #defines for the size, then an array of bytes,
// eight pixels each. The array must hold a byte for every 8 pixels of each
// row and be closed.
StructureCheck checkXbm(const FileBytes &file)
{
    const QByteArrayView text = file.view();
    const auto defined = [&](const char *suffix) -> qint64 {
        const qsizetype at = text.indexOf(suffix);
        if (at < 0)
            return -1;
        qint64 value = 0;
        qsizetype i = at + qsizetype(std::strlen(suffix));
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        const qsizetype digits = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < (qint64(1) << 32))
            value = value * 10 + (text[i++] - '0');
        return i > digits ? value : -1;
    };
    const qint64 width = defined("_width"), height = defined("_height");
    if (width < 0 || height < 0)
        return whole(); // not an XBM Qt would read; its reader says why
    const qint64 needed = checkedMulAdd((width + 7) / 8, height);
    const qsizetype open = text.indexOf('{');
    if (open < 0 || needed < 0)
        return incomplete(width, height);
    qint64 values = 0;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '}')
            return values >= needed ? whole(width, height) : incomplete(width, height);
        // Each value starts with a digit ("0x1f" or a decimal); skip its rest.
        if (c >= '0' && c <= '9') {
            ++values;
            while (i + 1 < text.size() && std::isalnum(static_cast<unsigned char>(text[i + 1])))
                ++i;
        }
    }
    return incomplete(width, height);
}

// --- WebP ----------------------------------------------------------------

namespace webp {
constexpr qint64 kRiffLength = 4, kRiffHeader = 8, kChunks = 12, kChunkHeader = 8, kFrameHeader = 16;
// libwebp's demuxer keeps a record of every frame, and of every other chunk
// it may be asked for, before the first frame is drawn. Ten minutes of
// animation at 25 frames a second are 15 000 frames; beside its frames a
// file holds a few chunks (its header, colour profile, metadata).
constexpr qint64 kMostFrames = 16384;
constexpr qint64 kMostOtherChunks = 1024;
} // namespace webp

// A RIFF file: "RIFF", the length of what follows, "WEBP", chunks. Its
// chunks are counted as libwebp's demuxer walks them: a frame's own chunks
// follow its 16-byte header, and whatever comes after them is taken for
// the next chunk of the file, whatever the frame's length says.
StructureCheck checkWebp(const FileBytes &file)
{
    using namespace webp;
    if (!file.holds(0, kRiffHeader))
        return incomplete();
    const qint64 length = kRiffHeader + qint64(file.le32(kRiffLength));
    if (!file.holds(0, length))
        return incomplete();
    qint64 frames = 0, otherChunks = 0;
    for (qint64 at = kChunks; at + kChunkHeader <= length;) {
        const qint64 size = file.le32(at + 4);
        if (file.startsWith(at, "ANMF") && size >= kFrameHeader) {
            if (++frames > kMostFrames)
                return damaged(Picture::tr("a WebP animation of more than %1 frames").arg(kMostFrames));
            at += kChunkHeader + kFrameHeader;
            continue;
        }
        const bool image = file.startsWith(at, "VP8 ") || file.startsWith(at, "VP8L") || file.startsWith(at, "ALPH");
        if (!image && ++otherChunks > kMostOtherChunks)
            return damaged(Picture::tr("a WebP file of more than %1 chunks beside its frames").arg(kMostOtherChunks));
        at += kChunkHeader + size + (size & 1);
    }
    StructureCheck result = whole();
    result.length = length;
    return result;
}

// --- XPM -----------------------------------------------------------------

namespace xpm {
// Qt's reader keeps every colour of the table, some 90 bytes and over a
// microsecond each, before it reads a pixel. An icon has a few hundred
// colours at most; this is every colour three characters can name.
constexpr long long kMostColours = 64 * 64 * 64;
// Qt's reader takes the first line, up to this many bytes, for the
// "/* XPM */" comment, and the first quoted text after it for the header.
constexpr qsizetype kFirstLine = 199;
} // namespace xpm

// Qt's own reader fails on a cut file; its colour table is bounded here.
StructureCheck checkXpm(const FileBytes &file)
{
    StructureCheck result;
    // Every pixel takes at least a character.
    result.maxPixels = pixelBound(file.size(), 1);
    const QByteArrayView text = file.view();
    const qsizetype lineEnd = text.indexOf('\n');
    const qsizetype open = text.indexOf('"', lineEnd >= 0 && lineEnd < xpm::kFirstLine ? lineEnd + 1 : xpm::kFirstLine);
    const qsizetype close = open < 0 ? -1 : text.indexOf('"', open + 1);
    if (close < 0)
        return result; // Qt's reader finds no header either
    // Read as Qt reads it, with numbers too large for it taken whole.
    const QByteArray header = text.sliced(open + 1, close - open - 1).toByteArray();
    long long width = 0, height = 0, colours = 0, charactersPerPixel = 0;
    if (std::sscanf(header.constData(), "%lld %lld %lld %lld", &width, &height, &colours, &charactersPerPixel) == 4
        && colours > xpm::kMostColours)
        return damaged(Picture::tr("an XPM picture of %1 colours, more than the %2 this program reads")
                           .arg(colours)
                           .arg(xpm::kMostColours));
    return result;
}

// Checks that every strip or tile of the first image, which is the one Qt
// reads, lies within the file.
StructureCheck checkTiff(const FileBytes &file)
{
    if (!file.holds(0, 8))
        return incomplete();
    const bool little = file.startsWith(0, "II");
    if (!little && !file.startsWith(0, "MM"))
        return whole();
    const auto u16 = [&](qint64 at) { return little ? file.le16(at) : file.be16(at); };
    const auto u32 = [&](qint64 at) { return little ? file.le32(at) : file.be32(at); };
    if (u16(2) != 42)
        return whole(); // BigTIFF and others: left to libtiff
    const qint64 directory = u32(4);
    if (!file.holds(directory, 2))
        return incomplete();
    const qint64 entries = u16(directory);
    if (!file.holds(directory + 2, entries * tiff::kEntrySize))
        return incomplete();

    struct Array {
        quint16 type = 0;
        qint64 count = 0;
        qint64 at = -1;
    };
    Array offsets, counts;
    for (qint64 i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + i * tiff::kEntrySize;
        const quint16 tag = u16(entry);
        Array array{u16(entry + 2), u32(entry + 4), entry + 8};
        if (array.type != tiff::kShort && array.type != tiff::kLong)
            continue;
        const qint64 itemSize = array.type == tiff::kShort ? 2 : 4;
        if (array.count * itemSize > 4)
            array.at = u32(entry + 8);
        if (!file.holds(array.at, array.count * itemSize))
            return incomplete();
        if (tag == tiff::kStripOffsets || tag == tiff::kTileOffsets)
            offsets = array;
        else if (tag == tiff::kStripByteCounts || tag == tiff::kTileByteCounts)
            counts = array;
    }
    if (offsets.at < 0 || counts.at < 0 || offsets.count != counts.count)
        return whole(); // libtiff works out what is missing, or refuses
    const auto item = [&](const Array &array, qint64 index) -> qint64 {
        return array.type == tiff::kShort ? u16(array.at + 2 * index) : u32(array.at + 4 * index);
    };
    for (qint64 i = 0; i < offsets.count; ++i) {
        if (!file.holds(item(offsets, i), item(counts, i)))
            return incomplete();
    }
    return whole();
}

} // namespace pixelwick::formats
