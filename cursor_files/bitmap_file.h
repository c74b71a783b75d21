// SPDX-License-Identifier: MIT
#pragma once

// Bitmap files made for a picture reader out of pixel rows held elsewhere:
// the rows of a cursor's colour image, or bands of a bitmap whose channels
// the reader would scale wrongly. All numbers are little-endian.

#include "byte_view.h"

#include <array>
#include <optional>

namespace pixelwick {

struct BitmapFile {
    int width = 0;
    int height = 0; // negative: the rows run from the top down
    int bitsPerPixel = 0;
    // Red, green, blue and alpha. With masks the file gets a version 4
    // header, the one that names an alpha channel; without, the plain one.
    std::optional<std::array<quint32, 4>> masks;
    QByteArrayView colourTable; // 4 bytes an entry
    QByteArrayView rows;
};

inline QByteArray bitmapFileBytes(const BitmapFile &bitmap)
{
    constexpr qint64 kFileHeader = 14, kPlainHeader = 40, kHeaderWithMasks = 108;
    constexpr quint32 kRgb = 0, kBitFields = 3, kSrgb = 0x73524742;
    const qint64 header = bitmap.masks ? kHeaderWithMasks : kPlainHeader;
    const qint64 pixelsAt = kFileHeader + header + bitmap.colourTable.size();
    ByteWriter file;
    file.raw({'B', 'M'}).le32(quint32(pixelsAt + bitmap.rows.size())).le32(0).le32(quint32(pixelsAt));
    file.le32(quint32(header)).le32(quint32(bitmap.width)).le32(quint32(bitmap.height));
    file.le16(1).le16(quint16(bitmap.bitsPerPixel)).le32(bitmap.masks ? kBitFields : kRgb);
    // Image size, resolutions, colours used, colours important.
    file.le32(0).le32(0).le32(0).le32(quint32(bitmap.colourTable.size() / 4)).le32(0);
    if (bitmap.masks) {
        for (const quint32 mask : *bitmap.masks)
            file.le32(mask);
        file.le32(kSrgb).padTo(kFileHeader + header); // end points and gamma: unused with sRGB
    }
    return file.raw(bitmap.colourTable).raw(bitmap.rows).bytes();
}

} // namespace pixelwick
