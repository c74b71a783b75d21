// SPDX-License-Identifier: MIT
#pragma once

#include "made_cursor.h"
#include "options.h"
#include "pointer_pictures.h"

#include <QByteArray>

namespace pixelwick {

// One pointer's file, made whole in memory.
struct MadePointer {
    PointerPictures pictures;
    QByteArray bytes; // its .cur or .ani file
    bool animated = false;
    QList<MadeCursor> frames;
    QList<int> milliseconds; // each frame's time
};

// The frames of every picture of `pointer`, in turn: a .cur of a single
// still picture unless `animated` is asked for, else an animated cursor.
// Each picture that fails gets its line.
bool makePointer(const PointerPictures &pointer, const Options &options, bool animated, MadePointer &made);

// The Xcursor file of `made`: every frame with its images and its time, as
// X11 and Wayland desktops animate a pointer. Empty, with `problem` set,
// where a hot spot lies outside its image.
QByteArray xcursorOfPointer(const MadePointer &made, InvertedAs inverted, QString &problem);

// -o FILE.ani: one animated cursor of all the pictures, which must make one
// pointer (frames numbered alike, or one animation). Says what failed.
bool writeAnimatedCursor(const Options &options);

} // namespace pixelwick
