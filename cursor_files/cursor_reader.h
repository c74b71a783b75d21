// SPDX-License-Identifier: MIT
#pragma once

// Reads cursors back. readCursor() takes a monochrome cursor: the 326-byte
// file Pixelwick writes and any other single-image, uncompressed 1-bit .cur
// with its AND mask, up to 256 x 256. Icons (type 1) are refused there even
// when their image is 1-bit: where a cursor's directory entry holds the hot
// spot, an icon's holds planes and bit count, so there would be no hot spot
// to show. readCursorFile() takes any cursor, icon or animated cursor whole,
// image by image, as Windows would load it, and so does it an Xcursor file,
// as X11 and Wayland desktops load it.

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace pixelwick {

// What one cursor pixel does to the screen under it.
enum class Look { Black, White, Transparent, Inverted };

struct CursorImage {
    int width = 0;
    int height = 0;
    // As written: a signed 16-bit value each, so it may lie outside the cursor.
    int hotSpotX = 0;
    int hotSpotY = 0;
    QList<Look> looks; // width * height, row-major, top row first

    // Where the image stands in its file, for saying so.
    bool hasHotSpot = true; // an icon's images have none
    int colourDepth = 0;    // bits per pixel of a colour image; 0 for black and white
    bool png = false;       // stored as a PNG picture
    int image = 1;          // of `images` in its file (or frame)
    int images = 1;
    int frame = 0; // of `frames` of an animated cursor; 0 when not animated
    int frames = 0;
    int jiffies = 0; // a frame's time on screen in 1/60 s; 0 when no step shows it
    // An Xcursor image's size for choosing among images; 0 in other files.
    int nominalSize = 0;
    int delayMilliseconds = 0; // an Xcursor frame's

    // Outside the cursor the screen shows through, as it does for Transparent.
    Look lookAt(int x, int y) const;
    int count(Look look) const;
};

struct CursorReading {
    std::optional<CursorImage> cursor;
    QString problem; // translated; empty exactly when there is a cursor
};

inline constexpr int kLargestCursorSide = 256;

CursorReading readCursor(QByteArrayView bytes);

// One image of a cursor, icon or animated cursor as it is stored. A black
// and white image comes with its looks; a colour image's looks depend on
// colours that a picture reader must give, so it comes with what that
// reader needs instead.
struct StoredImage {
    CursorImage image;  // looks empty for a colour image
    QByteArray colours; // a colour image's pixels as a picture file: a bitmap, or the PNG
    QList<bool> masked; // a colour bitmap's AND mask, row-major, top row first
};

struct CursorFileReading {
    QList<StoredImage> images; // in file order, frame by frame
    QString problem;           // translated; empty exactly when there are images
};

enum class CursorFileKind { None, Cursor, Icon, Animated, Xcursor };

// What the first bytes say the file is, without reading further.
CursorFileKind cursorFileKind(QByteArrayView bytes);

// Every image of a .cur, .ico, .ani or Xcursor file. A file with any damage
// is refused whole, with its reason. An Xcursor image comes with its looks:
// transparent where more than half transparent, else white or black by its
// colour's brightness; the images of one nominal size are its frames.
CursorFileReading readCursorFile(QByteArrayView bytes);

} // namespace pixelwick
