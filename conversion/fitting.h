// SPDX-License-Identifier: MIT
#pragma once

#include "mask_encoder.h"

#include <QByteArray>

namespace pixelwick {

// A picture's pixels as the looks they give a cursor, row by row, top first.
class LookGrid {
public:
    LookGrid() = default;
    LookGrid(int width, int height, PixelLook fill = PixelLook::Transparent);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width <= 0 || m_height <= 0; }
    PixelLook at(int x, int y) const { return PixelLook(m_looks[qsizetype(y) * m_width + x]); }
    void set(int x, int y, PixelLook look) { m_looks[qsizetype(y) * m_width + x] = char(look); }
    // Row `y`'s looks, one byte each (a PixelLook).
    const char *row(int y) const { return m_looks.constData() + qsizetype(y) * m_width; }
    char *row(int y) { return m_looks.data() + qsizetype(y) * m_width; }
    bool operator==(const LookGrid &other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    QByteArray m_looks;
};

// The `size` x `size` cursor that the whole of `picture` makes, scaled so
// that its longer side is the cursor's side, and centred, with the look
// `outside` where it does not reach. Each cursor pixel takes its look from
// the areas of the picture's looks it covers: the screen shows through when
// transparent and inverted pixels together cover more than half of it; an
// opaque pixel is white when white covers more of it than black, else
// black; a see-through one inverts when inverted pixels cover at least as
// much as transparent ones, else it is transparent. The areas are counted
// exactly, in whole numbers, so a picture of the cursor's own size gives
// itself and one of half its size is doubled pixel for pixel.
LookGrid fittedLooks(const LookGrid &picture, int size, PixelLook outside);

// Keys under which LookSource's colours give back exactly their looks.
inline constexpr KeyColours kLookKeys = kDefaultKeyColours;

// A cursor's looks as colours the encoder, given kLookKeys, turns back into
// exactly those looks; outside them it reads kNoColour.
class LookSource : public PixelSource {
public:
    explicit LookSource(LookGrid looks) : m_looks(std::move(looks)) {}
    ColourValue colourAt(int x, int y) const override;
    const LookGrid &looks() const { return m_looks; }

private:
    LookGrid m_looks;
};

} // namespace pixelwick
