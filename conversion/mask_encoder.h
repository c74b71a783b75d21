// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace pixelwick {

// A colour as 0x00BBGGRR: red in the low byte, high byte 0.
using ColourValue = std::int32_t;

inline constexpr ColourValue kWhite = 0x00FFFFFF;
inline constexpr ColourValue kBlack = 0;
// What a position outside the picture reads as; it never equals a real colour.
inline constexpr ColourValue kNoColour = -1;

constexpr ColourValue colourValue(int red, int green, int blue)
{
    return ColourValue((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

constexpr int redOf(ColourValue c)
{
    return c & 0xFF;
}
constexpr int greenOf(ColourValue c)
{
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(ColourValue c)
{
    return (c >> 16) & 0xFF;
}

// Whether a colour that must be white or black is white: light ones are.
constexpr bool isLight(int red, int green, int blue)
{
    return (299 * red + 587 * green + 114 * blue) / 1000 >= 128;
}

inline constexpr int kCursorSize = 32;

// The picture as it is shown: colour at (x, y), origin top-left.
class PixelSource {
public:
    virtual ~PixelSource() = default;
    virtual ColourValue colourAt(int x, int y) const = 0;
};

// Pixels of `background` become transparent, of `invert` invert the screen:
// exactly those colours, or with a `tolerance` every colour whose channels
// each lie within it of theirs (for lossy pictures).
struct KeyColours {
    ColourValue background;
    ColourValue invert;
    int tolerance = 0;
};

// The largest tolerance: any colour at all.
inline constexpr int kLargestTolerance = 255;

// Whether `c` counts as the key colour `key` under `tolerance`.
constexpr bool matchesKey(ColourValue c, ColourValue key, int tolerance)
{
    if (c == key)
        return true;
    const auto near = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    return tolerance > 0 && c >= 0 && key >= 0 && near(redOf(c), redOf(key)) && near(greenOf(c), greenOf(key))
           && near(blueOf(c), blueOf(key));
}

// What a new window's swatches show, and what the converter uses unless told.
inline constexpr KeyColours kDefaultKeyColours{colourValue(0, 255, 0), colourValue(255, 0, 255)};

// "1" at position 1 is the most significant bit; missing or other characters are 0.
std::uint8_t BitStringToByte(std::string_view bits);

char xorCharacter(ColourValue c, const KeyColours &keys);
char andCharacter(ColourValue c, const KeyColours &keys);

// How a pixel of a cursor looks on the screen.
enum class PixelLook : std::uint8_t { Black, White, Transparent, Inverted };

// The look a pixel of colour `c` gets, by the XOR and AND rules above.
PixelLook lookOf(ColourValue c, const KeyColours &keys);

// Receives each finished byte; returning false stops the encoding.
using ByteSink = std::function<bool(std::uint8_t)>;

// The sides a cursor may have: from 16 to 256 pixels, a multiple of 8.
inline constexpr int kSmallestCursorSize = 16;
inline constexpr int kLargestCursorSize = 256;
constexpr bool isCursorSize(int size)
{
    return size >= kSmallestCursorSize && size <= kLargestCursorSize && size % 8 == 0;
}

// Bytes in one row of a plane `size` pixels wide: whole 4-byte words.
constexpr int planeRowBytes(int size)
{
    return (size + 31) / 32 * 4;
}

// Emits the XOR plane's bytes, then the AND plane's (128 each at 32 x 32),
// rows bottom-up, of the top-left `size` x `size` pixels. Returns false if
// the sink refused a byte.
bool encodePlanes(const PixelSource &source, const KeyColours &keys, const ByteSink &sink, int size = kCursorSize);

} // namespace pixelwick
