// SPDX-License-Identifier: MIT
#pragma once

#include "options.h"
#include "pointer_pictures.h"

#include <QByteArray>

namespace pixelwick {

// One pointer's file, made whole in memory.
struct MadePointer {
    PointerPictures pictures;
    QByteArray bytes;
    bool animated = false;
};

// The frames of every picture of `pointer`, in turn: a .cur of a single
// still picture unless `animated` is asked for, else an animated cursor.
// Each picture that fails gets its line.
bool makePointer(const PointerPictures &pointer, const Options &options, bool animated, MadePointer &made);

// -o FILE.ani: one animated cursor of all the pictures, which must make one
// pointer (frames numbered alike, or one animation). Says what failed.
bool writeAnimatedCursor(const Options &options);

} // namespace pixelwick
