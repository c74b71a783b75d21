// SPDX-License-Identifier: MIT
#include "keyed_png.h"

#include "colour_corrections.h"

#include "formats/format_walk.h"

#include <QBuffer>
#include <QImageReader>

namespace pixelwick {

namespace {

namespace png {
constexpr qint64 kSignatureSize = 8, kChunkOverhead = 12, kBitDepth = 24, kColourType = 25;
constexpr int kGrey = 0, kRgb = 2;
} // namespace png

} // namespace

QImage exactKeyedPng(QByteArrayView bytes, QImage image)
{
    const formats::FileBytes file(bytes);
    using namespace png;
    if (image.isNull() || !file.startsWith(0, "\x89PNG\r\n\x1a\n") || !file.holds(kColourType, 1)
        || file.u8(kBitDepth) != 16)
        return image;
    const int colourType = file.u8(kColourType);
    const qint64 keyBytes = colourType == kGrey ? 2 : colourType == kRgb ? 6 : 0;
    // The key comes before the pixels.
    qint64 key = -1, position = kSignatureSize;
    while (key < 0 && file.holds(position, kChunkOverhead)) {
        const qint64 length = file.be32(position);
        if (!file.holds(position, length + kChunkOverhead) || file.startsWith(position + 4, "IDAT")
            || file.startsWith(position + 4, "IEND"))
            break;
        if (file.startsWith(position + 4, "tRNS"))
            key = position;
        else
            position += length + kChunkOverhead;
    }
    if (key < 0 || keyBytes == 0 || file.be32(key) != keyBytes)
        return image;
    QByteArray unkeyed = bytes.first(key).toByteArray();
    unkeyed.append(bytes.sliced(key + kChunkOverhead + keyBytes));
    const QSize size = image.size();
    image = QImage(); // no need for both at once
    QImage samples = readCopyAs(unkeyed, "png");
    const bool grey = colourType == kGrey;
    if (samples.size() != size || samples.format() != (grey ? QImage::Format_Grayscale16 : QImage::Format_RGBX64))
        return readCopyAs(bytes.toByteArray(), "png"); // as Qt reads it
    const quint16 red = file.be16(key + 8), green = grey ? red : file.be16(key + 10),
                  blue = grey ? red : file.be16(key + 12);
    // Grey samples are compared before they become colours; colours in place.
    QImage keyed = grey ? samples.convertToFormat(QImage::Format_RGBA64) : std::move(samples);
    if (!grey)
        keyed.convertTo(QImage::Format_RGBA64);
    for (int y = 0; y < keyed.height(); ++y) {
        const quint16 *greys = grey ? reinterpret_cast<const quint16 *>(samples.constScanLine(y)) : nullptr;
        QRgba64 *pixel = reinterpret_cast<QRgba64 *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x, ++pixel) {
            const bool isKey =
                greys ? greys[x] == red : pixel->red() == red && pixel->green() == green && pixel->blue() == blue;
            if (isKey)
                pixel->setAlpha(0);
        }
    }
    return keyed;
}

} // namespace pixelwick
