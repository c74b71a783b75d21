#pragma once

// The conversion as a whole: the cursor file's fixed blocks, the mask
// encoder, the hot-spot reading and the make-cursor command.

#include "hot_spot.h"
#include "make_cursor.h"
#include "mask_encoder.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <cstdint>

namespace pixelwick {

inline constexpr int kFixedBlocksSize = 70;
inline constexpr int kPlaneSize = 128;
inline constexpr int kCursorFileSize = kFixedBlocksSize + 2 * kPlaneSize; // 326
inline constexpr int kHotSpotXOffset = 10;
inline constexpr int kHotSpotYOffset = 12;

struct HotSpot {
    std::int16_t x = 15;
    std::int16_t y = 15;
};

// The 70 bytes before the planes, as the separate writes that make them:
// three 2-byte values of the file header, the directory entry, the bitmap
// header and the colour table.
QList<QByteArray> cursorFixedBlocks(HotSpot hotSpot);

// Writes one whole cursor (fixed blocks, XOR plane, AND plane) to `device`,
// the planes a byte at a time. Returns false at the first failed write.
bool writeCursor(QIODevice &device, HotSpot hotSpot, const PixelSource &source, const KeyColours &keys);

} // namespace pixelwick
