// SPDX-License-Identifier: MIT
#pragma once

// A cursor's looks made into what lies on screen where the pointer is:
// the image an X server is given as the pointer, and the pixels Windows
// leaves on the screen under its cursor.

#include "cursor_reader.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace pixelwick {

// The pixel of `cursor` that is the pointer's point: its hot spot kept
// within the image (an X server takes none outside it), or the middle of
// an icon's image, which has none, as Windows takes it.
QPoint triedHotSpot(const CursorImage &cursor);

// The cursor as a desktop pointer (ARGB): black and white opaque,
// transparent clear. X cannot invert the screen under a pointer, so an
// inverted pixel is black and each transparent pixel touching one, also
// across a corner, is white: the inverted shape stays in sight on dark
// screens as on light ones.
QImage desktopPointerImage(const CursorImage &cursor);

// The two masks of one look as colours, one bit of the masks for each bit
// of a pixel's red, green and blue.
struct LookMasks {
    QRgb andMask;
    QRgb xorMask;
};
LookMasks masksOf(Look look);

// What Windows makes of the screen under its cursor: every pixel of
// `screen` (RGB32) under a cursor pixel becomes (screen AND andMask) XOR
// xorMask. The cursor's top-left pixel lies at `topLeft` of `screen`, each
// cursor pixel `pitch` x `pitch` of its pixels; what falls outside
// `screen` is left out.
void drawAsWindows(QImage &screen, const CursorImage &cursor, QPoint topLeft, int pitch);

} // namespace pixelwick
