// SPDX-License-Identifier: MIT
#pragma once

// The steps of reading cursor files, shared by the readers of
// cursor_reader.h.

#include "byte_view.h"
#include "cursor_reader.h"

#include <QCoreApplication>

namespace pixelwick::cursor_parsing {

class CursorLooks {
    Q_DECLARE_TR_FUNCTIONS(CursorLooks)
};

struct ParsedImage {
    std::optional<StoredImage> stored;
    QString problem;
};

enum class Accept { MonochromeOnly, Everything };

// Image `index` of the cursor (or, with `icon`, icon) file `file`, whose
// file header has been checked.
ParsedImage parseImage(const ByteView &file, int index, bool icon, Accept accept);

// Every image of a .cur or .ico file.
CursorFileReading readDirectory(QByteArrayView bytes);

// Every image of every frame of a .ani file.
CursorFileReading readAnimated(QByteArrayView bytes);

// No file is shown that would take more looks than this, in all, or that
// holds more images: each colour image is a picture to read.
inline constexpr qint64 kMostPixelsShown = 16 * 1024 * 1024;
inline constexpr int kMostImagesShown = 1024;
inline constexpr qint64 kMostColourBytesShown = 64 * 1024 * 1024;

} // namespace pixelwick::cursor_parsing
