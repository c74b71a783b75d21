// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_reader.h"
#include "mask_encoder.h"
#include "options.h"

#include <QByteArray>
#include <QString>

namespace pixelwick {

// The picture format a preview named `name` is written in: the one its
// suffix names where Qt can write it, else PNG. Empty, with `problem` set,
// for a suffix naming a picture format that cannot be written here.
QByteArray previewFormatFor(const QString &name, QString &problem);

// Writes the looks of `picture`'s cursor to the preview file; says why not.
bool writePreview(const QString &picture, const QImage &looks, const Options &options);

// A preview of more images than this would be a picture of a gigabyte.
inline constexpr int kMostImagesDrawn = 64;

// Each image's looks, one under the other, in their order.
QImage stackedLooks(const QList<CursorImage> &images);

// --show: a cursor, icon or animated cursor file is read as what it is,
// every image of it; any other is taken as a picture and made into a
// cursor in memory. Nothing is written but the looks, to standard output,
// and the preview if asked for.
bool show(const QString &file, const Options &options);

} // namespace pixelwick
