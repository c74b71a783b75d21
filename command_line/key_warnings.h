// SPDX-License-Identifier: MIT
#pragma once

#include "options.h"

#include <QImage>
#include <QString>

namespace pixelwick {

// One line for each key colour given on the command line that no pixel of
// `picture`'s preview shows, so that a key that does nothing (a name read
// as another colour than meant, say) does not pass unseen. The picture's
// more than half transparent pixels do not count: they show the background
// key whatever it is.
void warnOfUnmatchedKeys(const QString &name, const QImage &picture, const Options &options);

// One line for the run when the hot spot lies outside the cursor: it is
// written as given, but no pointer is there. With `imageSize`, the same for
// that image of a combined cursor, whichever option gave its hot spot.
void warnOfHotSpotOutside(const Options &options, int imageSize = 0);

} // namespace pixelwick
