// SPDX-License-Identifier: MIT
#pragma once

// The cursor file Pixelwick writes: one 32 x 32 image, two colours, with a
// transparency mask and a hot spot. All numbers are little-endian.
//
// offset size value            meaning
// ------ ---- ---------------- ------------------------------------------
// File header (6 bytes)
//      0    2 0                reserved
//      2    2 2                resource type: cursor (an icon is 1)
//      4    2 1                number of images
// Directory entry (16 bytes)
//      6    1 32               width in pixels
//      7    1 32               height in pixels
//      8    1 2                colours in the colour table
//      9    1 0                reserved
//     10    2 hot spot x       signed; 15 unless the user says otherwise
//     12    2 hot spot y       signed
//     14    4 304              bytes of image data: from offset 22 to the end
//     18    4 22               where the image data starts
// Bitmap header (40 bytes)
//     22    4 40               size of this header
//     26    4 32               width
//     30    4 64               height: the two planes stacked
//     34    2 1                colour planes
//     36    2 1                bits per pixel
//     38    4 0                no compression
//     42    4 0                image size (may be 0 when not compressed)
//     46   16 0                resolutions, colours used, colours important
// Colour table (8 bytes)
//     62    4 00 00 00 00      index 0: black (blue, green, red, unused)
//     66    4 FF FF FF 00      index 1: white
// XOR plane (128 bytes)
//     70  128 pixels           32 rows of 4 bytes, bottom row first, the
//                              leftmost pixel in the highest bit
// AND plane (128 bytes)
//    198  128 mask             the same layout; 1 lets the screen through
// ------ ---- ---------------- ------------------------------------------
// 326 bytes in all. A pixel's look, from its AND and XOR bits:
//   0 0 black, 0 1 white, 1 0 transparent, 1 1 the screen inverted.

#include "hot_spot.h"
#include "mask_encoder.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>

namespace pixelwick {

// Where each value of the table lies: the file header's from the start of
// the file, a directory entry's from the start of that entry, the bitmap
// header's and the colour table's from the start of the image data. The
// reader of cursors and icons and the structure checks of icon pictures
// use the same names.
namespace layout {
inline constexpr int kReserved = 0;
inline constexpr int kType = 2;
inline constexpr int kImageCount = 4;

inline constexpr int kEntryWidth = 0;
inline constexpr int kEntryHeight = 1;
inline constexpr int kEntryColourCount = 2;
inline constexpr int kEntryReserved = 3;
inline constexpr int kEntryHotSpotX = 4; // an icon's entry: colour planes
inline constexpr int kEntryHotSpotY = 6; // an icon's entry: bits per pixel
inline constexpr int kEntryDataSize = 8;
inline constexpr int kEntryDataOffset = 12;

inline constexpr int kBitmapHeaderLength = 0;
inline constexpr int kBitmapWidth = 4;
inline constexpr int kBitmapHeight = 8;
inline constexpr int kBitmapPlanes = 12;
inline constexpr int kBitmapBitsPerPixel = 14;
inline constexpr int kBitmapCompression = 16;
inline constexpr int kBitmapImageSize = 20;
inline constexpr int kBitmapResolutionX = 24;
inline constexpr int kBitmapResolutionY = 28;
inline constexpr int kBitmapColoursUsed = 32;
inline constexpr int kBitmapColoursImportant = 36;
inline constexpr int kColourTable = 40;
} // namespace layout

inline constexpr int kIconType = 1;
inline constexpr int kCursorType = 2;

inline constexpr int kFileHeaderSize = 6;
inline constexpr int kDirectoryEntrySize = 16;
inline constexpr int kBitmapHeaderSize = 40;
inline constexpr int kColourTableSize = 2 * 4;
inline constexpr int kImageDataOffset = kFileHeaderSize + kDirectoryEntrySize;                   // 22
inline constexpr int kFixedBlocksSize = kImageDataOffset + kBitmapHeaderSize + kColourTableSize; // 70
inline constexpr int kPlaneSize = kCursorSize * kCursorSize / 8;                                 // 128
inline constexpr int kCursorFileSize = kFixedBlocksSize + 2 * kPlaneSize;                        // 326
inline constexpr int kImageDataSize = kCursorFileSize - kImageDataOffset;                        // 304
inline constexpr int kHotSpotXOffset = kFileHeaderSize + layout::kEntryHotSpotX;                 // 10
inline constexpr int kHotSpotYOffset = kFileHeaderSize + layout::kEntryHotSpotY;                 // 12

// The 70 bytes before the planes, as the separate writes that make them:
// three 2-byte values of the file header, the directory entry, the bitmap
// header and the colour table.
QList<QByteArray> cursorFixedBlocks(HotSpot hotSpot);

// Writes one whole cursor (fixed blocks, XOR plane, AND plane) to `device`,
// the planes a byte at a time. Returns false at the first failed write.
bool writeCursor(QIODevice &device, HotSpot hotSpot, const PixelSource &source, const KeyColours &keys);

// The whole cursor's 326 bytes, made in memory.
QByteArray cursorBytes(HotSpot hotSpot, const PixelSource &source, const KeyColours &keys);

// One image of a cursor of any allowed size: the top-left `size` x `size`
// pixels of `source`, laid out as the table above with every 32 in it
// replaced by the size (0 in the directory entry's bytes for 256) and rows
// of whole 4-byte words.
struct CursorFrame {
    int size = kCursorSize;
    HotSpot hotSpot;
    const PixelSource *source = nullptr;
};

// Bytes of one image's data: bitmap header, colour table and both planes.
constexpr int imageDataSize(int size)
{
    return kBitmapHeaderSize + kColourTableSize + 2 * planeRowBytes(size) * size;
}

// A cursor file of these images in this order: the file header, a
// directory entry for each, then each image's data. A single 32 x 32 frame
// gives exactly cursorBytes().
QByteArray cursorFileBytes(const QList<CursorFrame> &frames, const KeyColours &keys);

} // namespace pixelwick
