// SPDX-License-Identifier: MIT
#include "format_walk.h"

#include <bitset>

namespace pixelwick::formats {

namespace {

// --- BMP -----------------------------------------------------------------

namespace bmp {
constexpr qint64 kPixelOffset = 10;
constexpr qint64 kInfoSize = 14;
constexpr quint32 kOs2InfoSize = 12;
constexpr qint64 kOs2Width = 18, kOs2Height = 20, kOs2BitsPerPixel = 24;
constexpr qint64 kWidth = 18, kHeight = 22, kBitsPerPixel = 28, kCompression = 30, kColoursUsed = 46;
constexpr qint64 kInfoHeaderSize = 40;
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

} // namespace

StructureCheck checkBmp(const FileBytes &file)
{
    if (!file.holds(bmp::kInfoSize, 4))
        return incomplete();
    qint64 pixelOffset = file.le32(bmp::kPixelOffset);
    qint64 width = 0, height = 0, bitsPerPixel = 0, colours = 0;
    quint32 compression = bmp::kRgb;
    const qint64 infoSize = file.le32(bmp::kInfoSize);
    if (infoSize == bmp::kOs2InfoSize) {
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
        if (file.holds(bmp::kColoursUsed, 4))
            colours = file.le32(bmp::kColoursUsed);
    }
    // Qt's reader takes the colour table (and the masks of bit fields, when
    // the header lacks them) from right after the header, and seeks forward
    // only: pixels said to start within them start after them instead.
    if (bitsPerPixel <= 8)
        colours = colours > 0 ? colours : qint64(1) << bitsPerPixel;
    else
        colours = 0;
    qint64 tableEnd = bmp::kInfoSize + infoSize + colours * (infoSize == bmp::kOs2InfoSize ? 3 : 4);
    if (infoSize == bmp::kInfoHeaderSize && compression == bmp::kBitFields)
        tableEnd += 3 * 4;
    else if (infoSize == bmp::kInfoHeaderSize && compression == bmp::kAlphaBitFields)
        tableEnd += 4 * 4;
    pixelOffset = qMax(pixelOffset, tableEnd);
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

} // namespace pixelwick::formats
