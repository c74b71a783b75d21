// SPDX-License-Identifier: MIT
#pragma once

#include "guarded_reading.h"
#include "picture_loading.h"

#include <QImage>
#include <QList>

namespace pixelwick {

// An animation holds no more frames than an animated cursor can show, and
// all of them together no more pixels than one whole picture may have.
inline constexpr int kMostFrames = 1024;

// The reader's side: where `still`, the picture as `request` asked for it,
// is an animation (an animated GIF or WebP), every frame of it, whole and
// each as the animation shows it, one under the other in one image, with
// each frame's delay in `frameDelays`. Any other picture stays `still`.
LoadedPicture withFrames(LoadedPicture still, const PictureRequest &request);

// The program's side: the frames of an animation read so, in turn; the
// picture alone for any other.
QList<QImage> framesOf(const LoadedPicture &loaded);

// Whether an answer's frames are as withFrames() makes them.
bool framesAreWhole(const LoadedPicture &loaded);

} // namespace pixelwick
