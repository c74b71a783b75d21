// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_reader.h"
#include "picture_loading.h"

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

// A cursor or icon file opened as a picture, to change the cursor: of a
// file of several images the 32 x 32 one, else the one nearest that size.
// Black, white and transparent pixels are the picture's, a colour image's
// pixels are its colours, and the pixels that invert the screen are listed
// (see shownPicture() in cursor_making.h); the hot spot is the file's.
LoadedPicture cursorPicture(const QByteArray &bytes, const QString &name, const WhileReading &whileReading = {});

// loadPicture() and loadPictureBytes(), except that a cursor or icon file
// (.cur, .ico, known by its first bytes) is opened by cursorPicture(),
// whole whatever `region` says.
LoadedPicture loadPictureOrCursor(const QString &path, const WhileReading &whileReading = {},
                                  const PictureRegion &region = {});
LoadedPicture loadPictureOrCursorBytes(const QByteArray &bytes, const QString &name, const QString &suffix,
                                       const PictureRegion &region = {}, const WhileReading &whileReading = {});

} // namespace pixelwick
