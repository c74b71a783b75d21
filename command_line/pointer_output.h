// SPDX-License-Identifier: MIT
#pragma once

#include "made_cursor.h"
#include "options.h"

#include <QByteArray>
#include <QString>

namespace pixelwick {

// The Xcursor file of `cursor`: each image at its size, with its own hot
// spot, inverted pixels drawn as `inverted` says. Empty, with `problem`
// set, where a hot spot lies outside its image: no desktop would load it.
QByteArray xcursorFileOf(const MadeCursor &cursor, InvertedAs inverted, QString &problem);

// The cursor file of `cursor` that the options ask for: an Xcursor file or
// a .cur.
QByteArray pointerFileOf(const MadeCursor &cursor, const Options &options, QString &problem);

// Writes the pointer theme of --theme whole, a pointer of each picture, or
// nothing at all when any picture gives none; true once written.
bool writeTheme(const Options &options);

} // namespace pixelwick
