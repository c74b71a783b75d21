// SPDX-License-Identifier: MIT
#pragma once

// Shows what a cursor will look like on screen before anyone installs it.
// Windows inverts the screen under an inverted pixel; browsers and Linux
// show such a pixel transparent, so both are drawn, each over white, black
// and a striped mid-tone background on which inverting can be seen.

#include "cursor_reader.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace pixelwick {

enum class LooksRow { Windows, BrowsersAndLinux };
enum class LooksBackground { White, Black, Stripes };

// Where renderLooks puts everything. The same cursor, reason and
// application font always give the same layout.
struct LooksLayout {
    QSize imageSize;
    qreal scale = 1;       // picture pixels for each pixel of text and spacing
    int cellSize = 0;      // picture pixels per cursor pixel, grid not counted
    int pitch = 0;         // from one cursor pixel to the next
    bool grid = false;     // lines between cursor pixels, when cells are large enough
    int gridLine = 1;      // the grid's lines, and the panel's frame without a grid
    int stripeWidth = 0;   // of the mid-tone stripes
    int markLength = 0;    // of the pointers at the hot spot's column and row
    qreal markOutline = 1; // the pointers' dark outline
    int markReach = 0;     // how far the pointers reach out from the panel, outline and all
    QRect summary;
    std::array<QRect, 2> rowCaptions;
    std::array<std::array<QRect, 3>, 2> backgroundCaptions;
    std::array<std::array<QRect, 3>, 2> panels;

    QRect panel(LooksRow row, LooksBackground background) const;
    // The square showing cursor pixel (x, y) in one panel, grid lines excluded.
    QRect cell(LooksRow row, LooksBackground background, int x, int y) const;
};

// `largestPitch`, when above 0, makes the cursor's pixels smaller than usual
// (whole pixels still), so that the looks fit a small room. `scale` draws
// everything that many times larger, for a screen of that many device
// pixels to each of its pixels; each cursor pixel is still a whole number
// of the picture's pixels.
LooksLayout looksLayout(const CursorImage &cursor, const QString &noMarkReason = {}, int largestPitch = 0,
                        qreal scale = 1);

// The cursor enlarged on a pixel grid, two rows (Windows; browsers and Linux)
// of three backgrounds, the hot spot marked on each panel (beside it, never
// over a cursor pixel), with captions and the summary line. A non-empty
// noMarkReason leaves the mark out and is given in the summary instead, for
// a hot spot that is not known.
QImage renderLooks(const CursorImage &cursor, const QString &noMarkReason = {}, int largestPitch = 0, qreal scale = 1);

// Size, hot spot and, when there are any, the inverted pixels and where
// they stop inverting; translated.
QString looksSummary(const CursorImage &cursor, const QString &noMarkReason = {});

// For scripts: "NAME: W x H cursor, hot spot X, Y" ("icon, no hot spot" for
// an icon's image), followed where they apply by ", nominal size S" (an
// Xcursor image's), ", image I of N", ", D-bit colour", ", PNG" and
// ", frame F of M, J/60 s" (an animated cursor's frame's time on screen in
// jiffies) or ", frame F of M, D ms" (an Xcursor frame's); then one line a
// row, top
// first: '#' black, 'O' white, '.' transparent, '~' inverted.
QString looksAsText(const CursorImage &cursor, const QString &name);

} // namespace pixelwick
