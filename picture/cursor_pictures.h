// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_reader.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace pixelwick {

struct CursorFileLooks {
    QList<CursorImage> images; // in file order, frame by frame
    QString problem;           // translated; empty exactly when there are images
};

// Every image of a .cur, .ico or .ani file with the looks Windows gives it.
// A colour image's pixels come from the picture reader: each is white or
// black by its brightness, transparent where more than half transparent,
// and inverted where its mask lets the screen through a colour, which
// Windows draws by changing the screen under it. `name` stands for the
// file in messages.
CursorFileLooks readCursorLooks(QByteArrayView bytes, const QString &name);

} // namespace pixelwick
