// SPDX-License-Identifier: MIT
#include "fitting.h"

#include <array>
#include <vector>

namespace pixelwick {

LookGrid::LookGrid(int width, int height, PixelLook fill)
    : m_width(qMax(width, 0)),
      m_height(qMax(height, 0)),
      m_looks(qsizetype(m_width) * m_height, char(fill))
{}

namespace {

constexpr int kLooks = 4;
using Areas = std::array<qint64, kLooks>;

// The stretch of picture pixels one cursor pixel covers along one side,
// with how much of each it covers. In units of 1 / (2 * longer side) of a
// cursor pixel, a picture pixel is 2 * size units long and a cursor pixel
// 2 * longer units, and the picture starts size * (longer - length) units
// in, so every length is a whole number.
struct Span {
    int first = 0;                // the first picture pixel covered
    std::vector<qint64> overlaps; // how much of each from `first` on
    qint64 covered = 0;           // their sum
};

std::vector<Span> spans(int length, int longer, int size)
{
    const qint64 pictureUnit = 2 * qint64(size);
    const qint64 cursorUnit = 2 * qint64(longer);
    const qint64 offset = qint64(size) * (longer - length);
    std::vector<Span> result(static_cast<size_t>(size));
    for (int c = 0; c < size; ++c) {
        const qint64 start = c * cursorUnit - offset;
        const qint64 end = start + cursorUnit;
        Span &span = result[size_t(c)];
        // Picture pixels p cover [p * pictureUnit, (p + 1) * pictureUnit).
        const qint64 firstPixel = qMax<qint64>(0, start >= 0 ? start / pictureUnit : 0);
        span.first = int(firstPixel);
        for (qint64 p = firstPixel; p < length && p * pictureUnit < end; ++p) {
            const qint64 overlap = qMin(end, (p + 1) * pictureUnit) - qMax(start, p * pictureUnit);
            if (overlap <= 0)
                continue;
            span.overlaps.push_back(overlap);
            span.covered += overlap;
        }
    }
    return result;
}

PixelLook decided(const Areas &areas)
{
    const qint64 black = areas[size_t(PixelLook::Black)], white = areas[size_t(PixelLook::White)];
    const qint64 clear = areas[size_t(PixelLook::Transparent)], inverted = areas[size_t(PixelLook::Inverted)];
    // The screen shows through where more than half lets it.
    if (clear + inverted > black + white)
        return inverted >= clear ? PixelLook::Inverted : PixelLook::Transparent;
    return white > black ? PixelLook::White : PixelLook::Black;
}

} // namespace

LookGrid fittedLooks(const LookGrid &picture, int size, PixelLook outside)
{
    LookGrid cursor(size, size, outside);
    if (picture.isEmpty() || size <= 0)
        return cursor;
    const int longer = qMax(picture.width(), picture.height());
    const std::vector<Span> columns = spans(picture.width(), longer, size);
    const std::vector<Span> rows = spans(picture.height(), longer, size);
    const qint64 whole = 4 * qint64(longer) * longer;
    // Per picture column, the looks of the rows one cursor row covers.
    std::vector<Areas> columnAreas(size_t(picture.width()));
    for (int cy = 0; cy < size; ++cy) {
        const Span &rowSpan = rows[size_t(cy)];
        std::fill(columnAreas.begin(), columnAreas.end(), Areas{});
        for (size_t i = 0; i < rowSpan.overlaps.size(); ++i) {
            const char *looks = picture.row(rowSpan.first + int(i));
            const qint64 weight = rowSpan.overlaps[i];
            for (int px = 0; px < picture.width(); ++px)
                columnAreas[size_t(px)][size_t(quint8(looks[px]))] += weight;
        }
        for (int cx = 0; cx < size; ++cx) {
            const Span &columnSpan = columns[size_t(cx)];
            Areas areas{};
            for (size_t i = 0; i < columnSpan.overlaps.size(); ++i) {
                const Areas &column = columnAreas[size_t(columnSpan.first) + i];
                for (int look = 0; look < kLooks; ++look)
                    areas[size_t(look)] += column[size_t(look)] * columnSpan.overlaps[i];
            }
            areas[size_t(outside)] += whole - columnSpan.covered * rowSpan.covered;
            cursor.set(cx, cy, decided(areas));
        }
    }
    return cursor;
}

ColourValue LookSource::colourAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_looks.width() || y >= m_looks.height())
        return kNoColour;
    switch (m_looks.at(x, y)) {
    case PixelLook::Black: return kBlack;
    case PixelLook::White: return kWhite;
    case PixelLook::Transparent: return kLookKeys.background;
    case PixelLook::Inverted: return kLookKeys.invert;
    }
    return kNoColour;
}

} // namespace pixelwick
