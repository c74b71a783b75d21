// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_reader.h"

#include <QList>
#include <QString>

namespace pixelwick {

struct CursorsToTry {
    QList<CursorImage> images; // in file order, frame by frame
    QString problem;           // translated; empty exactly when there are images
};

// The one place where a file becomes the images a person can try as the
// pointer: every image of a cursor, icon or animated cursor, with the looks
// Windows gives it. Anything else is refused with its reason.
CursorsToTry cursorsToTry(const QString &path);

} // namespace pixelwick
