// SPDX-License-Identifier: MIT
#pragma once

#include "picture_loading.h"

#include <QByteArrayView>
#include <QString>

namespace pixelwick {

// An Xcursor file read as a picture: one image of it, in its own colours,
// the first frame of the nominal size nearest the cursor's (the larger of
// two as near): the part's side, the size it is fitted at, else 32. So a
// theme's 32 x 32 pointer gives a 32 x 32 cursor, and each size of a set
// is made of the image drawn for it. `shown` names the file in messages.
LoadedPicture xcursorPicture(QByteArrayView bytes, const QString &shown, const PictureRegion &region);

} // namespace pixelwick
