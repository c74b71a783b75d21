// SPDX-License-Identifier: MIT
#pragma once

// The Xcursor file, from which X11 and Wayland desktops load the pointers of
// a theme: images of one or more nominal sizes, each with its own hot spot,
// and for an animation several images of each size, shown in turn. All
// numbers are 32-bit, little-endian. Written and read by libXcursor; the
// structure is checked here first, as libXcursor trusts it.
//
// offset size value            meaning
// ------ ---- ---------------- ------------------------------------------
// File header (16 bytes)
//      0    4 "Xcur"           magic (0x72756358)
//      4    4 16               bytes of the file header
//      8    4 0x00010000       file version 1.0
//     12    4 N                entries in the table of contents
// Table of contents: N entries of 12 bytes, from the header's end
//     +0    4 0xFFFD0002       chunk type: an image (0xFFFE0001: a comment)
//     +4    4 nominal size     an image's (a comment's kind)
//     +8    4 position         where the chunk starts, from the file's start
// Image chunk (36 bytes, then the pixels)
//     +0    4 36               bytes of the chunk's header
//     +4    4 0xFFFD0002       chunk type, as its entry says
//     +8    4 nominal size     as its entry says
//    +12    4 1                image version
//    +16    4 width            in pixels (Pixelwick reads up to 256)
//    +20    4 height
//    +24    4 hot spot x       0 to the width
//    +28    4 hot spot y       0 to the height
//    +32    4 delay            milliseconds until the next frame
//    +36  W*H*4 pixels         top row first, each 0xAARRGGBB, its colour
//                              premultiplied by its alpha
// ------ ---- ---------------- ------------------------------------------
// A desktop takes the images of the nominal size nearest to its pointer
// size; several of that size, in the order of the table, are an animation.
// Opaque black is 0xFF000000, opaque white 0xFFFFFFFF, transparent 0.

#include "fitting.h"
#include "hot_spot.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace pixelwick {

namespace xcursor_layout {
inline constexpr quint32 kMagic = 0x72756358; // "Xcur"
inline constexpr int kFileHeaderSize = 16;
inline constexpr int kTocEntrySize = 12;
inline constexpr int kImageHeaderSize = 36;
inline constexpr quint32 kImageType = 0xFFFD0002;
inline constexpr quint32 kCommentType = 0xFFFE0001;

inline constexpr int kHeaderLength = 4;
inline constexpr int kTocCount = 12;

inline constexpr int kEntryType = 0;
inline constexpr int kEntrySubtype = 4;
inline constexpr int kEntryPosition = 8;

inline constexpr int kChunkHeaderLength = 0;
inline constexpr int kChunkType = 4;
inline constexpr int kChunkSubtype = 8;
inline constexpr int kImageWidth = 16;
inline constexpr int kImageHeight = 20;
inline constexpr int kImageHotSpotX = 24;
inline constexpr int kImageHotSpotY = 28;
inline constexpr int kImageDelay = 32;
} // namespace xcursor_layout

inline constexpr quint32 kXcursorBlack = 0xFF000000;
inline constexpr quint32 kXcursorWhite = 0xFFFFFFFF;
inline constexpr quint32 kXcursorClear = 0;

// One image of an Xcursor file.
struct XcursorImageData {
    int nominalSize = 0;
    int width = 0;
    int height = 0;
    int hotSpotX = 0;
    int hotSpotY = 0;
    int delayMilliseconds = 0;
    QList<quint32> pixels; // width * height, top row first, premultiplied ARGB
};

// One frame of a pointer: an image for each nominal size, and how long it
// shows.
struct XcursorFrame {
    QList<XcursorImageData> images;
    int delayMilliseconds = 0;
};

// The file of these frames: each size's images follow one another, frame
// by frame, smallest size first. Empty when an image has no pixels, fewer
// pixels than its size, or a hot spot outside it (which libXcursor would
// refuse to load).
QByteArray xcursorFileBytes(const QList<XcursorFrame> &frames);

// Whether the first bytes are an Xcursor file's.
bool isXcursor(QByteArrayView bytes);

struct XcursorReading {
    QList<XcursorImageData> images; // in file order
    QString problem;                // translated; empty exactly when there are images
};

// Every image of an Xcursor file, or why the file is refused: its structure
// is checked against the bounds every cursor file is read within before
// libXcursor reads it.
XcursorReading readXcursor(QByteArrayView bytes);

// The folders libXcursor looks for themes in, in its order: XCURSOR_PATH,
// else the ones it was built with, "~" made the home folder.
QStringList xcursorSearchPath();

// How a pixel that would invert the screen is drawn where nothing can
// invert, as in an Xcursor file.
enum class InvertedAs {
    Outline, // black, with white on each transparent pixel around it, so it shows on any colour
    Black,
    White,
};

// The premultiplied ARGB pixels of `looks`: black, white, transparent, and
// inverted pixels as `inverted` says.
QList<quint32> xcursorPixels(const LookGrid &looks, InvertedAs inverted);

// The image of `looks` at their size, which is also its nominal size.
XcursorImageData xcursorImage(const LookGrid &looks, HotSpot hotSpot, InvertedAs inverted);

} // namespace pixelwick
