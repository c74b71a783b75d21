// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace pixelwick {

// The picture that Qt's reader made of `bytes` (null when it made none),
// with the colours the file holds where Qt's own are off:
// - bitmaps with 16-bit pixels or bit-field masks whose channels are not 8
//   bits wide: each channel of n bits becomes round(v * 255 / (2^n - 1)), so
//   that a channel at its largest reads 255 (Qt reads 5 bits of 31 as 248,
//   and channels wider than 8 bits as 0). Bitmaps with an alpha channel in
//   four masks, which Qt refuses, are read the same way.
// - PNGs of 16 bits a sample with a colour key: transparent exactly where
//   the samples equal the key, every other pixel its own colour.
// Anything Qt reads right, or that is not clear enough to correct (masks
// that are not one run of bits, say), is returned as Qt read it.
// Qt's reading of a copy of a picture's bytes, made so that Qt reads it
// right, in the format named.
QImage readCopyAs(const QByteArray &bytes, const char *format);

QImage withExactColours(const QByteArray &format, QByteArrayView bytes, QImage image);

} // namespace pixelwick
