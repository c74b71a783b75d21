// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_making.h"
#include "hot_spot.h"
#include "key_warnings.h"
#include "options.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace pixelwick {

// One image of a cursor, as its looks.
struct MadeImage {
    int size = kCursorSize;
    HotSpot hotSpot;
    LookGrid looks;
};

// A picture's cursor as the options make it, before anything is written.
struct MadeCursor {
    QString problem;         // why the picture gave no cursor; empty when it did
    QList<MadeImage> images; // smallest first
    QSize pictureSize;       // the whole picture's, of which a part may be used
    KeysShown keys;          // looked for only when a key colour was given
    bool ok() const { return problem.isEmpty(); }
};

// The cursor of `picture`, read from `bytes` where given (standard input,
// already read), else from its file: one image of its part, or of the whole
// picture fitted at each size. A raster picture is read once, a drawing
// (SVG) anew at each size, so that its edges fall on that size's pixels.
MadeCursor makeCursorOf(const QString &picture, const std::optional<QByteArray> &bytes, const Options &options,
                        const WhileReading &whileReading = {}, const LoadedPicture *firstRead = nullptr);

// The frames a picture gives an animated cursor: one cursor for a still
// picture, one a frame for an animation (an animated GIF or WebP), each
// with every size the options make.
struct MadeFrames {
    QString problem;
    QList<MadeCursor> frames;
    QList<int> delays; // an animation's own, in milliseconds; 0 where it has none
    bool ok() const { return problem.isEmpty(); }
};
MadeFrames makeFramesOf(const QString &picture, const Options &options, const WhileReading &whileReading = {});

// The whole cursor file; one 32 x 32 image gives Make CUR's 326 bytes.
QByteArray cursorFileOf(const MadeCursor &cursor);

// One line when only a part of a larger picture was used, and one when
// the part reaches past the picture.
void warnOfPartUsed(const QString &picture, const MadeCursor &cursor, const Options &options);

// One line when every pixel of the cursor is transparent, else one for
// each image of it that is, naming its own picture where `pictures` has
// one for each image.
void warnOfInvisibleCursor(const QString &picture, const MadeCursor &cursor, const QStringList &pictures = {});

} // namespace pixelwick
