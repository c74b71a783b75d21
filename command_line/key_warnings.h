// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_making.h"
#include "options.h"

#include <QString>

namespace pixelwick {

// Which key colours the pixels a cursor is made of match.
struct KeysShown {
    bool background = false;
    bool invert = false;
    KeysShown &operator|=(const KeysShown &other)
    {
        background = background || other.background;
        invert = invert || other.invert;
        return *this;
    }
};

// Whether a key colour was given, and so needs looking for.
bool keysGiven(const Options &options);

// The key colours, within their tolerance, that the pixels of `loaded`
// that `making` uses show: the part as composed over white (white where
// it reaches past the picture), or the whole picture to be fitted. Pixels
// more than half transparent do not count: they show the background key
// whatever it is.
KeysShown keysShownIn(const LoadedPicture &loaded, const CursorMaking &making);

// One line for each key colour given on the command line that no pixel
// showed, so that a key that does nothing (a name read as another colour
// than meant, say) does not pass unseen.
void warnOfUnmatchedKeys(const QString &name, KeysShown shown, const Options &options);

// One line for the run when the hot spot lies outside the cursor: it is
// written as given, but no pointer is there. With `imageSize`, the same for
// that image of a combined cursor, whichever option gave its hot spot.
void warnOfHotSpotOutside(const Options &options, int imageSize = 0);

} // namespace pixelwick
