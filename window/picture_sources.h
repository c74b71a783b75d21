// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QMimeData;

namespace pixelwick {

// Where the first Load BMP of a run starts: the program's own folder when
// the user keeps files there (a build, a portable copy), else the user's
// Pictures folder, else home. An installed program's folder holds no
// pictures.
QString firstPictureFolder();

// The local picture file a drop brings (a file or a file URL), or empty.
QString droppedPicture(const QMimeData *data);

} // namespace pixelwick
