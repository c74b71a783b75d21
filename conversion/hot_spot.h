// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

namespace pixelwick {

enum class HotSpotStatus { Ok, NotANumber, OutOfRange };

struct HotSpotValue {
    HotSpotStatus status = HotSpotStatus::NotANumber;
    std::int16_t value = 0;
};

// An optionally signed decimal number with an optional "." fraction and
// surrounding blanks, rounded to the nearest integer (a half to the even
// one), that must fit a signed 16-bit value.
HotSpotValue parseHotSpot(const QString &text);

// The middle of the cursor: where a new window's fields start, and what the
// converter uses unless told.
inline constexpr std::int16_t kDefaultHotSpotCoordinate = 15;

// The point of the cursor, in cursor pixels from the top-left corner.
struct HotSpot {
    std::int16_t x = kDefaultHotSpotCoordinate;
    std::int16_t y = kDefaultHotSpotCoordinate;
};

// The default as the hot-spot fields show it.
inline QString defaultHotSpotText()
{
    return QString::number(kDefaultHotSpotCoordinate);
}

// The middle of a cursor `size` pixels wide, as 15 is of 32.
constexpr std::int16_t defaultHotSpotFor(int size)
{
    return std::int16_t(size / 2 - 1);
}

// A hot spot of the 32 x 32 image moved to the same spot of the picture at
// `size`: the middle of its pixel scaled, then the pixel that holds it,
// floor((x + 0.5) * size / 32). 15, 14 becomes 23, 21 at 48.
HotSpot scaledHotSpot(HotSpot spot, int size);

} // namespace pixelwick
