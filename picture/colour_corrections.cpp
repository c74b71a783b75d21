// SPDX-License-Identifier: MIT
#include "colour_corrections.h"

#include "bitmap_file.h"

#include "formats/format_walk.h"
#include "keyed_png.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <array>
#include <bit>
#include <limits>
#include <optional>
#include <vector>

namespace pixelwick {

namespace {

// Qt widens a channel of n bits by multiplying it with 256 / 2^n: full 5-bit
// green is 248, and a channel wider than 8 bits is 0. Its n top bits are the
// channel's value in any case, so a channel of up to 8 bits is corrected from
// Qt's own pixels. A wider one is read in parts of up to 8 bits, each from a
// copy of the file whose masks name just that part.

namespace bmp {
constexpr qint64 kFileHeaderSize = 14, kPixelOffset = 10, kInfoSize = 14, kWidth = 18, kHeight = 22;
constexpr qint64 kBitsPerPixel = 28, kCompression = 30, kHeaderMasks = 54;
constexpr quint32 kInfoHeader = 40, kOs2InfoHeader = 64, kV4Header = 108, kV5Header = 124;
constexpr quint32 kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
// Pixels read at a time when a bitmap is read in parts.
constexpr qint64 kBandPixels = 1 << 16;
} // namespace bmp

enum { kRed, kGreen, kBlue, kAlpha, kChannels };

struct Channel {
    int shift = 0;
    int width = 0; // 0: the file has no such channel
};

// A mask's run of bits, or nothing when it is not a single run.
std::optional<Channel> channelOf(quint32 mask)
{
    if (mask == 0)
        return Channel{};
    const Channel channel{std::countr_zero(mask), std::popcount(mask)};
    // All 32 bits are refused by Qt's reader itself.
    if (channel.width >= 32 || (mask >> channel.shift) != (quint32(1) << channel.width) - 1)
        return std::nullopt;
    return channel;
}

// `value` of `width` bits, scaled so that its largest value is 255.
int toEightBits(quint64 value, int width)
{
    if (width == 0)
        return 0;
    const quint64 largest = (quint64(1) << width) - 1;
    return int((value * 255 * 2 + largest) / (largest * 2));
}

// toEightBits() for values of one width, from a table where that is small.
class EightBits {
public:
    EightBits() = default;
    explicit EightBits(int width) : m_width(width)
    {
        if (width <= kMostTabled) {
            m_table.resize(size_t(1) << width);
            for (size_t value = 0; value < m_table.size(); ++value)
                m_table[value] = quint8(toEightBits(value, width));
        }
    }
    int operator()(quint32 value) const
    {
        return value < m_table.size() ? m_table[value] : toEightBits(value, m_width);
    }

private:
    static constexpr int kMostTabled = 16;
    int m_width = 0;
    std::vector<quint8> m_table;
};

struct BitmapLayout {
    qint32 width = 0, height = 0; // a negative height: rows from the top down
    int bitsPerPixel = 0;
    qint64 pixelStart = 0, rowBytes = 0;
    std::array<Channel, kChannels> channels;
    bool alpha = false;
    bool qtReadsIt = true; // Qt refuses an alpha channel given in four masks
    int parts() const
    {
        int most = 1;
        for (const Channel &channel : channels)
            most = qMax(most, (channel.width + 7) / 8);
        return most;
    }
    // Part `part` of every channel, up to 8 bits of it, as masks.
    std::array<quint32, kChannels> partMasks(int part) const
    {
        std::array<quint32, kChannels> masks{};
        for (int c = 0; c < kChannels; ++c) {
            const int bits = qBound(0, channels[c].width - 8 * part, 8);
            if (bits > 0 && (c != kAlpha || alpha))
                masks[c] = ((quint32(1) << bits) - 1) << (channels[c].shift + 8 * part);
        }
        return masks;
    }
};

// The layout of a bitmap whose colours Qt does not read exactly, with the
// masks that Qt's reader goes by; nothing for any other file.
std::optional<BitmapLayout> inexactLayout(const formats::FileBytes &file)
{
    using namespace bmp;
    if (!file.startsWith(0, "BM") || !file.holds(kCompression, 4))
        return std::nullopt;
    const quint32 infoSize = file.le32(kInfoSize);
    // The header sizes Qt's reader takes; it refuses the others.
    if (infoSize != kInfoHeader && infoSize != kOs2InfoHeader && infoSize != kV4Header && infoSize != kV5Header)
        return std::nullopt;
    BitmapLayout layout;
    layout.width = qint32(file.le32(kWidth));
    layout.height = qint32(file.le32(kHeight));
    layout.bitsPerPixel = file.le16(kBitsPerPixel);
    const quint32 compression = file.le32(kCompression);
    if (layout.width <= 0 || layout.height == 0 || layout.height == std::numeric_limits<qint32>::min()
        || (layout.bitsPerPixel != 16 && layout.bitsPerPixel != 32))
        return std::nullopt;
    std::array<quint32, kChannels> masks{};
    qint64 masksEnd = kFileHeaderSize + infoSize;
    if (compression == kRgb) {
        // 32 bits without masks are 8-8-8; 16 bits are 5-5-5 whatever the header says.
        if (layout.bitsPerPixel != 16)
            return std::nullopt;
        masks = {0x7c00, 0x03e0, 0x001f, 0};
    } else if (compression == kBitFields || compression == kAlphaBitFields) {
        // Version 4 and 5 headers hold four masks; the others are followed
        // by three, or four for an alpha channel.
        const bool inHeader = infoSize >= kV4Header;
        const int count = inHeader || compression == kAlphaBitFields ? 4 : 3;
        const qint64 at = inHeader ? kHeaderMasks : masksEnd;
        if (!file.holds(at, 4 * count))
            return std::nullopt;
        for (int c = 0; c < count; ++c)
            masks[size_t(c)] = file.le32(at + 4 * c);
        if (!inHeader)
            masksEnd += 4 * count;
        layout.alpha = masks[kAlpha] != 0;
        layout.qtReadsIt = compression == kBitFields;
    } else {
        return std::nullopt;
    }
    for (int c = 0; c < kChannels; ++c) {
        const std::optional<Channel> channel = channelOf(masks[size_t(c)]);
        if (!channel)
            return std::nullopt;
        layout.channels[size_t(c)] = *channel;
    }
    if (layout.qtReadsIt) {
        bool exact = true;
        for (const Channel &channel : layout.channels)
            exact = exact && (channel.width == 0 || channel.width == 8);
        if (exact)
            return std::nullopt;
    }
    // Qt's reader seeks forward only: pixels said to start within the masks
    // start after them.
    layout.pixelStart = qMax<qint64>(file.le32(kPixelOffset), masksEnd);
    layout.rowBytes = (qint64(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
    const qint64 pixelBytes = formats::checkedMulAdd(layout.rowBytes, qAbs(qint64(layout.height)));
    if (pixelBytes < 0 || !file.holds(layout.pixelStart, pixelBytes))
        return std::nullopt;
    return layout;
}

// A bitmap of the rows `first` to `first + count` (from the top) of `file`,
// with a version 4 header that gives `masks`: Qt reads its alpha too.
QByteArray bandCopy(const formats::FileBytes &file, const BitmapLayout &layout, int first, int count,
                    const std::array<quint32, kChannels> &masks)
{
    const bool bottomUp = layout.height > 0;
    const qint64 firstRow = bottomUp ? qint64(layout.height) - first - count : first;
    const QByteArrayView rows =
        file.view().sliced(layout.pixelStart + firstRow * layout.rowBytes, qint64(count) * layout.rowBytes);
    return bitmapFileBytes({layout.width, bottomUp ? count : -count, layout.bitsPerPixel, masks, {}, rows});
}

// Qt's reading of a bitmap with channels of up to 8 bits, each scaled anew.
QImage rescaled(QImage image, const BitmapLayout &layout)
{
    std::array<std::array<quint8, 256>, kChannels> tables{};
    for (int c = 0; c < kChannels; ++c) {
        const int width = layout.channels[size_t(c)].width;
        for (int value = 0; value < 256; ++value)
            tables[size_t(c)][size_t(value)] = quint8(width == 0 ? value : toEightBits(value >> (8 - width), width));
    }
    const bool alpha = layout.alpha && layout.channels[kAlpha].width > 0;
    for (int y = 0; y < image.height(); ++y) {
        QRgb *pixel = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, ++pixel) {
            *pixel = qRgba(tables[kRed][qRed(*pixel)], tables[kGreen][qGreen(*pixel)], tables[kBlue][qBlue(*pixel)],
                           alpha ? tables[kAlpha][qAlpha(*pixel)] : qAlpha(*pixel));
        }
    }
    return image;
}

// The bitmap read a band of rows at a time, each in as many parts as its
// widest channel needs, into Qt's own picture where Qt read one, so that a
// large one is not held twice. A copy that Qt refuses is refused from the
// first band on, which leaves Qt's picture as it was.
QImage readInParts(const formats::FileBytes &file, const BitmapLayout &layout, QImage image)
{
    const int height = int(qAbs(qint64(layout.height)));
    const bool ours = image.isNull();
    if (ours)
        image = QImage(layout.width, height, layout.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int parts = layout.parts();
    std::array<EightBits, kChannels> scales;
    for (int c = 0; c < kChannels; ++c)
        scales[size_t(c)] = EightBits(layout.channels[size_t(c)].width);
    const int bandRows = int(qBound<qint64>(1, bmp::kBandPixels / layout.width, qint64(height)));
    std::vector<quint32> values;
    for (int first = 0; first < height; first += bandRows) {
        const int count = qMin(bandRows, height - first);
        values.assign(size_t(count) * size_t(layout.width) * kChannels, 0);
        for (int part = 0; part < parts; ++part) {
            const std::array<quint32, kChannels> masks = layout.partMasks(part);
            const QImage band = readCopyAs(bandCopy(file, layout, first, count, masks), "bmp");
            if (band.size() != QSize(layout.width, count) || band.depth() != 32)
                return ours ? QImage() : image;
            // Channels without bits in this part are read as 0 and left out.
            std::array<int, kChannels> dropped{};
            for (int c = 0; c < kChannels; ++c)
                dropped[size_t(c)] = masks[size_t(c)] == 0 ? 32 : 8 - std::popcount(masks[size_t(c)]);
            const auto add = [&](quint32 &value, int read, int c) {
                if (dropped[size_t(c)] < 32)
                    value |= quint32(read >> dropped[size_t(c)]) << (8 * part);
            };
            quint32 *value = values.data();
            for (int y = 0; y < count; ++y) {
                const QRgb *pixel = reinterpret_cast<const QRgb *>(band.constScanLine(y));
                for (int x = 0; x < layout.width; ++x, ++pixel, value += kChannels) {
                    add(value[kRed], qRed(*pixel), kRed);
                    add(value[kGreen], qGreen(*pixel), kGreen);
                    add(value[kBlue], qBlue(*pixel), kBlue);
                    add(value[kAlpha], qAlpha(*pixel), kAlpha);
                }
            }
        }
        const quint32 *value = values.data();
        for (int y = 0; y < count; ++y) {
            QRgb *pixel = reinterpret_cast<QRgb *>(image.scanLine(first + y));
            for (int x = 0; x < layout.width; ++x, ++pixel, value += kChannels) {
                *pixel = qRgba(scales[kRed](value[kRed]), scales[kGreen](value[kGreen]), scales[kBlue](value[kBlue]),
                               layout.alpha ? scales[kAlpha](value[kAlpha]) : 255);
            }
        }
    }
    return image;
}

QImage exactBitmap(const formats::FileBytes &file, QImage image)
{
    const std::optional<BitmapLayout> layout = inexactLayout(file);
    if (!layout)
        return image;
    const QSize size(layout->width, int(qAbs(qint64(layout->height))));
    const QImage::Format format = layout->alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    // Where Qt reads the file, its picture must be what the header says.
    if (image.size() != size || image.format() != format) {
        if (layout->qtReadsIt)
            return image;
        image = QImage();
    }
    if (layout->qtReadsIt && layout->parts() == 1)
        return rescaled(std::move(image), *layout);
    return readInParts(file, *layout, std::move(image));
}

} // namespace

QImage readCopyAs(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    QImage image;
    return reader.read(&image) ? image : QImage();
}

QImage withExactColours(const QByteArray &format, QByteArrayView bytes, QImage image)
{
    const formats::FileBytes file(bytes);
    if (format == "bmp")
        return exactBitmap(file, std::move(image));
    if (format == "png")
        return exactKeyedPng(bytes, std::move(image));
    return image;
}

} // namespace pixelwick
