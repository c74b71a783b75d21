// SPDX-License-Identifier: MIT
#include "mask_encoder.h"

#include <string>

namespace pixelwick {

std::uint8_t BitStringToByte(std::string_view bits)
{
    int value = 0;
    for (int j = 0; j < 8; ++j) {
        const std::size_t position = std::size_t(8 - j); // 1-based
        if (position <= bits.size() && bits[position - 1] == '1')
            value += 1 << j;
    }
    return std::uint8_t(value);
}

namespace {

// Opaque pixels that are none of the four colours still need a sensible
// look: light ones white, dark ones black.
char characterByLuminance(ColourValue c)
{
    if (c < 0)
        return '0';
    return isLight(redOf(c), greenOf(c), blueOf(c)) ? '1' : '0';
}

} // namespace

char xorCharacter(ColourValue c, const KeyColours &keys)
{
    // White and black come before the key colours on purpose: a white
    // background key makes white pixels invert, a black invert key makes
    // black pixels transparent.
    if (c == kWhite)
        return '1';
    if (c == kBlack)
        return '0';
    if (matchesKey(c, keys.background, keys.tolerance))
        return '0';
    if (matchesKey(c, keys.invert, keys.tolerance))
        return '1';
    return characterByLuminance(c);
}

char andCharacter(ColourValue c, const KeyColours &keys)
{
    return (matchesKey(c, keys.background, keys.tolerance) || matchesKey(c, keys.invert, keys.tolerance)) ? '1' : '0';
}

PixelLook lookOf(ColourValue c, const KeyColours &keys)
{
    // The XOR and AND rules above, each key compared once: a whole
    // picture to be fitted has millions of pixels.
    const bool background = matchesKey(c, keys.background, keys.tolerance);
    const bool masked = background || matchesKey(c, keys.invert, keys.tolerance);
    const bool white = c == kWhite || (c != kBlack && !background && (masked || characterByLuminance(c) == '1'));
    if (masked)
        return white ? PixelLook::Inverted : PixelLook::Transparent;
    return white ? PixelLook::White : PixelLook::Black;
}

namespace {

bool encodePlane(const PixelSource &source, const KeyColours &keys, char (*classify)(ColourValue, const KeyColours &),
                 const ByteSink &sink, int size)
{
    std::string byteText;
    for (int y = size - 1; y >= 0; --y) {
        for (int k = 0; k < size / 8; ++k) {
            for (int i = 0; i < 8; ++i)
                byteText.push_back(classify(source.colourAt(8 * k + i, y), keys));
            if (!sink(BitStringToByte(byteText)))
                return false;
            byteText.clear();
        }
        // Rows are whole 4-byte words.
        for (int k = size / 8; k < planeRowBytes(size); ++k) {
            if (!sink(0))
                return false;
        }
    }
    return true;
}

} // namespace

bool encodePlanes(const PixelSource &source, const KeyColours &keys, const ByteSink &sink, int size)
{
    return encodePlane(source, keys, xorCharacter, sink, size) && encodePlane(source, keys, andCharacter, sink, size);
}

} // namespace pixelwick
