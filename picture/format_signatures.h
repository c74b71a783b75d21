// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace pixelwick {

// The name Qt's readers know a picture format by, told from the file's first
// bytes, or empty where they say nothing (TGA and WBMP have no signature).
// Named, a format is read by its own reader alone: asking Qt to detect it
// would load every image plugin, with its libraries, to ask each of them.
QByteArray formatBySignature(QByteArrayView bytes);

} // namespace pixelwick
