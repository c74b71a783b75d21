// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace pixelwick {

// Qt reads a PNG of 16 bits a sample with a colour key (a tRNS chunk) wrongly.
// Without the chunk it keeps the samples exactly, so the key is applied here:
// `image` is what Qt made of the PNG `bytes`; the result is transparent
// exactly where the samples equal the key, every other pixel its own colour.
// Any other PNG is returned as Qt read it.
QImage exactKeyedPng(QByteArrayView bytes, QImage image);

} // namespace pixelwick
