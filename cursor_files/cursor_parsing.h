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

// What a file's images add up to, checked against those bounds as each
// one is added.
class ShownTotals {
public:
    // False once the images added so far go past what may be shown.
    bool add(const StoredImage &stored)
    {
        m_pixels += qint64(stored.image.width) * stored.image.height;
        m_colourBytes += stored.colours.size();
        ++m_images;
        return m_pixels <= kMostPixelsShown && m_colourBytes <= kMostColourBytesShown && m_images <= kMostImagesShown;
    }

private:
    qint64 m_pixels = 0;
    qint64 m_colourBytes = 0;
    int m_images = 0;
};

} // namespace pixelwick::cursor_parsing
