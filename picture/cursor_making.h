// SPDX-License-Identifier: MIT
#pragma once

#include "fitting.h"
#include "picture_loading.h"

#include <QColor>
#include <QPoint>

namespace pixelwick {

// How a picture becomes a cursor, as the window's controls and the
// converter's options set it.
struct CursorMaking {
    KeyColours keys = kDefaultKeyColours;
    QColor window = Qt::white; // what the picture is shown over
    int size = kCursorSize;    // the cursor's side
    // Scale the whole picture into the cursor, rather than take a part of
    // it pixel for pixel.
    bool fit = false;
    QPoint from; // the part's top-left pixel in the picture, when not fitted
};

// A picture drawn from lines (SVG) is drawn this many times the cursor's
// side to be fitted, so that its edges fall on whole cursor pixels.
inline constexpr int kDrawnPerCursorPixel = 8;

// What of a picture to read for `making`: the part, or the whole to fit.
PictureRegion regionFor(const CursorMaking &making);

// The picture as it is shown with these keys: the pixels of a cursor file
// that invert the screen in the invert key's colour, so that they convert
// as inverting pixels and follow the swatch.
QImage shownPicture(const LoadedPicture &loaded, const KeyColours &keys);

// The looks each pixel of `picture` gives a cursor: shown over `window`,
// a pixel more than half transparent as the background key, then taken by
// the encoder's rules with `keys`.
LookGrid looksOf(const QImage &picture, const QColor &window, const KeyColours &keys);

// The cursor `making` makes of `loaded`: its part pixel for pixel, shown
// over the window colour where the picture does not reach, or the whole
// picture fitted, with the background key's look around it.
LookGrid cursorLooksOf(const LoadedPicture &loaded, const CursorMaking &making);

// The looks drawn as the preview shows a fitted picture: black and white,
// and each key colour where its look is.
QImage looksPicture(const LookGrid &looks, const KeyColours &keys);

} // namespace pixelwick
