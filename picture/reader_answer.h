// SPDX-License-Identifier: MIT
#pragma once

#include "picture_loading.h"

#include <QByteArray>
#include <QImage>

namespace pixelwick {

// A reader's answer as it crosses to the program: its fields, then the
// image's rows, which are sent from where they lie; a whole picture's, many
// megabytes, go instead in shared memory, sealed against shrinking, that
// the program maps as it is.
struct ReaderAnswer {
    QByteArray fields;
    QImage image;    // null for none
    int shared = -1; // the descriptor of the rows in shared memory, or -1
    // The rows to send after the fields: none when they are shared.
    QByteArrayView rows() const;
};

// The reader's side: `loaded`, in its own format, as an answer. Its
// descriptor, if any, is the caller's to close once sent.
ReaderAnswer answerOf(const LoadedPicture &loaded);

// The program's side: the answer's bytes, with the descriptor of its rows
// if it came with one (-1 if not), read into `result`, as far as `region`
// allows. The descriptor is closed. False for an answer that is not one.
bool readAnswer(const QByteArray &bytes, int shared, const PictureRegion &region, LoadedPicture &result);

} // namespace pixelwick
