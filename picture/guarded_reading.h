// SPDX-License-Identifier: MIT
#pragma once

#include "picture_loading.h"

namespace pixelwick {

// What a picture's file holds, and how to name it in messages.
struct PictureRequest {
    QByteArray bytes;
    QString shown;        // the file's name, quoted for messages
    QString suffix;       // may choose the reader, as a file's suffix does
    PictureRegion region; // which of its pixels come back
};

using PictureDecoder = LoadedPicture (*)(const PictureRequest &request);

// Runs `decoder` on `request` in a reader process of this program's own,
// which may spend at most a few seconds of processor time on one picture,
// so that no picture, however it is made, can hang or crash the program: an
// image library that spins or faults takes only the reader with it, and the
// next picture gets a new one. One reader serves picture after picture, so
// a batch does not pay for a new process each time. Only the region asked
// for comes back, in the picture's own format, since nothing else is used.
// Where no reader process can be started, the picture is refused.
LoadedPicture readGuarded(PictureDecoder decoder, const PictureRequest &request, const WhileReading &whileReading = {});

} // namespace pixelwick
