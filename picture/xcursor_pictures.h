// SPDX-License-Identifier: MIT
#pragma once

#include "picture_loading.h"

#include <QByteArrayView>
#include <QString>

namespace pixelwick {

// An Xcursor file read as a picture: one image of it, in its own colours.
// For a part of the picture, the first frame of the nominal size nearest
// the part's side (the larger of two as near), so that a theme's 32 x 32
// pointer gives a 32 x 32 cursor; for the whole picture, as fitting wants,
// the largest. `shown` names the file in messages.
LoadedPicture xcursorPicture(QByteArrayView bytes, const QString &shown, const PictureRegion &region);

} // namespace pixelwick
