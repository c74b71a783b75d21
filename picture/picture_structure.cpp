// SPDX-License-Identifier: MIT
#include "picture_structure.h"

#include <QCoreApplication>
#include <QtEndian>
#include <QtNumeric>

#include <algorithm>
#include <bitset>
#include <cctype>
#include <cstring>
#include <limits>

namespace pixelwick {

namespace {

using Verdict = StructureCheck::Verdict;

class Picture {
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

// Reads numbers at offsets of a file held in memory; every offset and size
// comes from the file, so each access is checked against its end first.
class FileBytes {
public:
    explicit FileBytes(QByteArrayView bytes) : m_bytes(bytes) {}

    qint64 size() const { return m_bytes.size(); }
    // Whether `count` bytes from `offset` lie within the file.
    bool holds(qint64 offset, qint64 count) const
    {
        qint64 end = 0;
        return offset >= 0 && count >= 0 && !qAddOverflow(offset, count, &end) && end <= size();
    }
    quint8 u8(qint64 offset) const { return quint8(m_bytes[offset]); }
    quint16 le16(qint64 offset) const { return qFromLittleEndian<quint16>(at(offset)); }
    quint32 le32(qint64 offset) const { return qFromLittleEndian<quint32>(at(offset)); }
    quint16 be16(qint64 offset) const { return qFromBigEndian<quint16>(at(offset)); }
    quint32 be32(qint64 offset) const { return qFromBigEndian<quint32>(at(offset)); }
    bool startsWith(qint64 offset, const char *text) const
    {
        const qint64 length = qint64(std::strlen(text));
        return holds(offset, length) && std::memcmp(at(offset), text, size_t(length)) == 0;
    }
    QByteArrayView view() const { return m_bytes; }

private:
    const char *at(qint64 offset) const { return m_bytes.data() + offset; }
    QByteArrayView m_bytes;
};

StructureCheck whole(qint64 width = 0, qint64 height = 0)
{
    StructureCheck check;
    check.width = width;
    check.height = height;
    return check;
}

StructureCheck incomplete(qint64 width = 0, qint64 height = 0)
{
    StructureCheck check = whole(width, height);
    check.verdict = Verdict::Incomplete;
    return check;
}

StructureCheck damaged(const QString &reason)
{
    StructureCheck check;
    check.verdict = Verdict::Damaged;
    check.reason = reason;
    return check;
}

// a * b + c, or -1 when it does not fit.
qint64 checkedMulAdd(qint64 a, qint64 b, qint64 c = 0)
{
    qint64 product = 0, sum = 0;
    if (a < 0 || b < 0 || qMulOverflow(a, b, &product) || qAddOverflow(product, c, &sum))
        return -1;
    return sum;
}

// The most pixels `fileSize` bytes can hold at `pixelsPerByte`.
qint64 pixelBound(qint64 fileSize, qint64 pixelsPerByte)
{
    const qint64 bound = checkedMulAdd(fileSize, pixelsPerByte);
    return bound < 0 ? std::numeric_limits<qint64>::max() : bound;
}

// --- BMP -----------------------------------------------------------------

namespace bmp {
constexpr qint64 kPixelOffset = 10;
constexpr qint64 kInfoSize = 14;
constexpr quint32 kOs2InfoSize = 12;
constexpr qint64 kOs2Width = 18, kOs2Height = 20, kOs2BitsPerPixel = 24;
constexpr qint64 kWidth = 18, kHeight = 22, kBitsPerPixel = 28, kCompression = 30;
constexpr quint32 kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;
} // namespace bmp

// Which pixels of the top-left corner a run-length stream sets; the rows of
// a bitmap run from the bottom up.
class CornerCoverage {
public:
    CornerCoverage(qint64 width, qint64 height) : m_width(width), m_height(height) {}
    void set(qint64 row, qint64 x, qint64 count)
    {
        const qint64 y = m_height - 1 - row;
        if (y < 0 || y >= kCorner)
            return;
        for (qint64 i = qMax<qint64>(x, 0); i < qMin(x + count, qMin<qint64>(kCorner, m_width)); ++i)
            m_set[size_t(y * kCorner + i)] = true;
    }
    QList<QPoint> unset() const
    {
        QList<QPoint> points;
        for (int y = 0; y < qMin<qint64>(kCorner, m_height); ++y)
            for (int x = 0; x < qMin<qint64>(kCorner, m_width); ++x)
                if (!m_set[size_t(y * kCorner + x)])
                    points.append(QPoint(x, y));
        return points;
    }

private:
    static constexpr int kCorner = 32;
    qint64 m_width, m_height;
    std::bitset<kCorner * kCorner> m_set;
};

// Follows a run-length stream to its end-of-bitmap code. Runs and escapes
// are only stepped over, never expanded; what they cover is noted, since
// moves and early ends leave pixels unset.
bool runLengthStreamIsWhole(const FileBytes &file, qint64 position, qint64 height, bool fourBit,
                            CornerCoverage &coverage)
{
    qint64 row = 0, x = 0;
    while (file.holds(position, 2)) {
        const quint8 count = file.u8(position);
        const quint8 code = file.u8(position + 1);
        position += 2;
        if (count > 0) { // a run of `count` pixels
            coverage.set(row, x, count);
            x += count;
        } else if (code == 0) { // end of line
            ++row;
            x = 0;
        } else if (code == 1) { // end of bitmap
            return true;
        } else if (code == 2) { // move right and down
            if (!file.holds(position, 2))
                return false;
            x += file.u8(position);
            row += file.u8(position + 1);
            position += 2;
        } else { // `code` literal pixels, padded to a whole 16-bit word
            coverage.set(row, x, code);
            x += code;
            const qint64 bytes = fourBit ? (code + 1) / 2 : code;
            position += (bytes + 1) / 2 * 2;
        }
    }
    // Some writers leave out the end-of-bitmap code after the last row.
    return row >= height && position == file.size();
}

StructureCheck checkBmp(const FileBytes &file)
{
    if (!file.holds(bmp::kInfoSize, 4))
        return incomplete();
    const qint64 pixelOffset = file.le32(bmp::kPixelOffset);
    qint64 width = 0, height = 0, bitsPerPixel = 0;
    quint32 compression = bmp::kRgb;
    if (file.le32(bmp::kInfoSize) == bmp::kOs2InfoSize) {
        if (!file.holds(bmp::kOs2BitsPerPixel, 2))
            return incomplete();
        width = file.le16(bmp::kOs2Width);
        height = file.le16(bmp::kOs2Height);
        bitsPerPixel = file.le16(bmp::kOs2BitsPerPixel);
    } else {
        if (!file.holds(bmp::kCompression, 4))
            return incomplete();
        // Negative heights mean top-down rows; widths should not be negative
        // but their size is what matters here.
        width = qAbs(qint64(qint32(file.le32(bmp::kWidth))));
        height = qAbs(qint64(qint32(file.le32(bmp::kHeight))));
        bitsPerPixel = file.le16(bmp::kBitsPerPixel);
        compression = file.le32(bmp::kCompression);
    }
    if (!file.holds(pixelOffset, 0))
        return incomplete(width, height);
    switch (compression) {
    case bmp::kRgb:
    case bmp::kBitFields:
    case bmp::kAlphaBitFields: {
        // Rows of whole 32-bit words.
        const qint64 rowBits = checkedMulAdd(width, bitsPerPixel, 31);
        const qint64 needed = rowBits < 0 ? -1 : checkedMulAdd(rowBits / 32 * 4, height);
        if (needed < 0 || !file.holds(pixelOffset, needed))
            return incomplete(width, height);
        return whole(width, height);
    }
    case bmp::kRle8:
    case bmp::kRle4: {
        CornerCoverage coverage(width, height);
        if (!runLengthStreamIsWhole(file, pixelOffset, height, compression == bmp::kRle4, coverage))
            return incomplete(width, height);
        StructureCheck result = whole(width, height);
        result.unsetPixels = coverage.unset();
        return result;
    }
    default:
        // Other compressions are refused by Qt's reader itself.
        return whole(width, height);
    }
}

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
// a trailer byte put back at its end, is found out.
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

// --- JPEG ----------------------------------------------------------------

namespace jpeg {
constexpr quint8 kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kTem = 0x01;
constexpr quint8 kRst0 = 0xD0, kRst7 = 0xD7;
constexpr quint8 kSof0 = 0xC0, kSof15 = 0xCF, kDht = 0xC4, kJpg = 0xC8, kDac = 0xCC;
constexpr quint8 kFirstArithmeticSof = 0xC9;
constexpr quint8 kProgressiveSofs[] = {0xC2, 0xC6, 0xCA, 0xCE};
constexpr qint64 kBytesPerBlock = 64 * 2;
// Huffman coding spends at least one bit on each 8 x 8 block of a scan;
// a component sampled at a sixteenth covers 16 blocks' worth of pixels.
constexpr qint64 kMostPixelsPerByte = 8 * 64 * 16 * 2;
} // namespace jpeg

// A progressive decoder holds every 8 x 8 block of coefficients of every
// component until the last scan. `frame` is the frame header's position.
qint64 coefficientBytes(const FileBytes &file, qint64 frame, qint64 width, qint64 height)
{
    constexpr qint64 kComponentCount = 9, kComponents = 10, kComponentSize = 3;
    if (!file.holds(frame, kComponents))
        return 0;
    const qint64 count = file.u8(frame + kComponentCount);
    if (!file.holds(frame + kComponents, count * kComponentSize))
        return 0;
    qint64 hMax = 1, vMax = 1;
    for (qint64 i = 0; i < count; ++i) {
        const quint8 sampling = file.u8(frame + kComponents + i * kComponentSize + 1);
        hMax = qMax<qint64>(hMax, sampling >> 4);
        vMax = qMax<qint64>(vMax, sampling & 15);
    }
    qint64 total = 0;
    for (qint64 i = 0; i < count; ++i) {
        const quint8 sampling = file.u8(frame + kComponents + i * kComponentSize + 1);
        const qint64 columns = ((width * (sampling >> 4) + hMax - 1) / hMax + 7) / 8;
        const qint64 rows = ((height * (sampling & 15) + vMax - 1) / vMax + 7) / 8;
        total += columns * rows * jpeg::kBytesPerBlock;
    }
    return total;
}

// Follows the markers and the entropy-coded data between them to the
// end-of-image marker, which a cut file lacks.
StructureCheck checkJpeg(const FileBytes &file)
{
    const QByteArrayView bytes = file.view();
    qint64 width = 0, height = 0, decoderBytes = 0;
    bool arithmetic = false;
    qint64 position = 2; // past the start-of-image marker
    bool inScan = false;
    while (position < file.size()) {
        if (inScan) {
            // Entropy-coded data ends at the first 0xFF that is neither
            // stuffing (0xFF 0x00) nor a restart marker.
            const void *found = std::memchr(bytes.data() + position, 0xFF, size_t(file.size() - position));
            if (!found)
                break;
            position = static_cast<const char *>(found) - bytes.data();
            if (!file.holds(position, 2))
                break;
            const quint8 next = file.u8(position + 1);
            if (next == 0 || (next >= jpeg::kRst0 && next <= jpeg::kRst7) || next == 0xFF) {
                position += (next == 0xFF) ? 1 : 2;
                continue;
            }
            inScan = false;
        }
        if (file.u8(position) != 0xFF) {
            // Stray bytes between segments: the decoder skips to the next
            // marker with a warning, and so does this walk.
            ++position;
            continue;
        }
        if (!file.holds(position, 2))
            break;
        const quint8 marker = file.u8(position + 1);
        if (marker == 0xFF) { // fill byte
            ++position;
            continue;
        }
        if (marker == jpeg::kEoi) {
            StructureCheck result = whole(width, height);
            if (!arithmetic)
                result.maxPixels = pixelBound(file.size(), jpeg::kMostPixelsPerByte);
            result.decoderBytes = decoderBytes;
            return result;
        }
        if (marker == jpeg::kSoi || marker == jpeg::kTem || (marker >= jpeg::kRst0 && marker <= jpeg::kRst7)) {
            position += 2;
            continue;
        }
        if (!file.holds(position + 2, 2))
            break;
        const qint64 length = file.be16(position + 2);
        if (length < 2)
            return damaged(Picture::tr("a JPEG segment of impossible length"));
        if (!file.holds(position + 2, length))
            break;
        if (marker >= jpeg::kSof0 && marker <= jpeg::kSof15 && marker != jpeg::kDht && marker != jpeg::kJpg
            && marker != jpeg::kDac && length >= 7) {
            height = file.be16(position + 5);
            width = file.be16(position + 7);
            arithmetic = marker >= jpeg::kFirstArithmeticSof;
            if (std::find(std::begin(jpeg::kProgressiveSofs), std::end(jpeg::kProgressiveSofs), marker)
                != std::end(jpeg::kProgressiveSofs))
                decoderBytes = coefficientBytes(file, position, width, height);
        }
        inScan = marker == jpeg::kSos;
        position += 2 + length;
    }
    return incomplete(width, height);
}

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

// --- ICO and CUR ---------------------------------------------------------

// A directory of images, each with its size and place in the file.
StructureCheck checkIconDirectory(const FileBytes &file)
{
    constexpr qint64 kCount = 4, kEntries = 6, kEntrySize = 16, kBytesInImage = 8, kImageOffset = 12;
    if (!file.holds(0, kEntries))
        return incomplete();
    const qint64 count = file.le16(kCount);
    if (!file.holds(kEntries, count * kEntrySize))
        return incomplete();
    for (qint64 i = 0; i < count; ++i) {
        const qint64 entry = kEntries + i * kEntrySize;
        if (!file.holds(file.le32(entry + kImageOffset), file.le32(entry + kBytesInImage)))
            return incomplete();
    }
    return whole();
}

// --- WebP ----------------------------------------------------------------

// A RIFF file: "RIFF", the length of what follows, "WEBP", chunks.
StructureCheck checkWebp(const FileBytes &file)
{
    constexpr qint64 kRiffLength = 4, kRiffHeader = 8;
    if (!file.holds(0, kRiffHeader))
        return incomplete();
    const qint64 length = kRiffHeader + qint64(file.le32(kRiffLength));
    if (!file.holds(0, length))
        return incomplete();
    StructureCheck result = whole();
    result.length = length;
    return result;
}

// --- ICNS ----------------------------------------------------------------

// "icns", the whole file's length, then elements of type and length.
StructureCheck checkIcns(const FileBytes &file)
{
    constexpr qint64 kHeader = 8;
    if (!file.holds(0, kHeader))
        return incomplete();
    const qint64 length = file.be32(4);
    if (length < kHeader)
        return damaged(Picture::tr("an icon file shorter than its own header"));
    if (!file.holds(0, length))
        return incomplete();
    for (qint64 position = kHeader; position < length;) {
        const qint64 element = file.holds(position, kHeader) ? file.be32(position + 4) : 0;
        if (element < kHeader || position + element > length)
            return damaged(Picture::tr("an icon element that does not fit its file"));
        position += element;
    }
    StructureCheck result = whole();
    result.length = length;
    return result;
}

// --- TIFF ----------------------------------------------------------------

namespace tiff {
constexpr quint16 kStripOffsets = 273, kStripByteCounts = 279, kTileOffsets = 324, kTileByteCounts = 325;
constexpr quint16 kShort = 3, kLong = 4;
constexpr qint64 kEntrySize = 12;
} // namespace tiff

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

} // namespace

StructureCheck checkStructure(const QByteArray &format, QByteArrayView bytes)
{
    const FileBytes file(bytes);
    if (format == "bmp")
        return checkBmp(file);
    if (format == "gif")
        return checkGif(file);
    if (format == "jpeg" || format == "jpg")
        return checkJpeg(file);
    if (format == "png")
        return checkChunks(file, "IEND", kPngMostPixelsPerByte);
    // An MNG can paint a frame of any size from a background colour alone.
    if (format == "mng")
        return checkChunks(file, "MEND", 0);
    if (format == "tga")
        return checkTga(file);
    if (format == "xbm")
        return checkXbm(file);
    if (format == "ico" || format == "cur")
        return checkIconDirectory(file);
    if (format == "webp")
        return checkWebp(file);
    if (format == "icns")
        return checkIcns(file);
    if (format == "tif" || format == "tiff")
        return checkTiff(file);

    // Qt's own readers of these fail on a cut file; only the bound is set.
    // Every pixel takes at least a character in XPM and in the text forms
    // of PGM and PPM, a byte in their binary forms, and a bit in PBM and WBMP.
    StructureCheck result;
    if (format == "xpm" || format == "pgm" || format == "ppm")
        result.maxPixels = pixelBound(file.size(), 1);
    else if (format == "pbm" || format == "wbmp")
        result.maxPixels = pixelBound(file.size(), 8);
    return result;
}

} // namespace pixelwick
