// SPDX-License-Identifier: MIT
#pragma once

// What the X server of $DISPLAY shows, asked of the server itself: the
// pointer's image (XFixes) and the screen.

#include <QImage>
#include <QList>
#include <QPoint>

namespace testing {

struct PointerImage {
    int width = 0;
    int height = 0;
    QPoint hotSpot;
    QPoint position;       // of the hot spot on the screen
    QList<quint32> pixels; // premultiplied ARGB, top row first
    bool ok() const { return width > 0 && height > 0; }
};

PointerImage pointerImage();

// The whole screen, with the pointer drawn on it where it is, as a person
// sees it (the server leaves the pointer out of what it reads back).
QImage screenWithPointer();

} // namespace testing
