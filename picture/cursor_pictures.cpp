// SPDX-License-Identifier: MIT
#include "cursor_pictures.h"

#include "mask_encoder.h"
#include "picture_loading.h"

#include <QCoreApplication>

namespace pixelwick {

namespace {

class CursorLooks {
    Q_DECLARE_TR_FUNCTIONS(CursorLooks)
};

Look byBrightness(QRgb colour)
{
    return isLight(qRed(colour), qGreen(colour), qBlue(colour)) ? Look::White : Look::Black;
}

// A 32-bit image whose alpha is nowhere set is drawn by its mask instead,
// as one without alpha.
bool usesAlpha(const StoredImage &stored, const QImage &colours)
{
    if (stored.image.png)
        return true;
    if (stored.image.colourDepth != 32)
        return false;
    for (int y = 0; y < colours.height(); ++y)
        for (int x = 0; x < colours.width(); ++x)
            if (qAlpha(colours.pixel(x, y)) != 0)
                return true;
    return false;
}

QString colourLooks(StoredImage &stored, const QString &name)
{
    CursorImage &image = stored.image;
    const LoadedPicture loaded = loadPictureBytes(
        stored.colours, name, image.png ? QStringLiteral("png") : QStringLiteral("bmp"), kLargestCursorSide);
    if (!loaded.ok())
        return loaded.error;
    const QImage colours = loaded.image.convertToFormat(QImage::Format_ARGB32);
    if (colours.width() != image.width || colours.height() != image.height)
        return CursorLooks::tr("The image's colours could not be read whole.");
    const bool alpha = usesAlpha(stored, colours);
    image.looks.reserve(qsizetype(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const QRgb colour = colours.pixel(x, y);
            const qsizetype at = qsizetype(y) * image.width + x;
            const bool masked = !alpha && at < stored.masked.size() && stored.masked[at];
            if (alpha)
                image.looks.append(qAlpha(colour) < 128 ? Look::Transparent : byBrightness(colour));
            else if (masked)
                image.looks.append((colour & 0xFFFFFF) == 0 ? Look::Transparent : Look::Inverted);
            else
                image.looks.append(byBrightness(colour));
        }
    }
    return {};
}

} // namespace

CursorFileLooks readCursorLooks(QByteArrayView bytes, const QString &name)
{
    CursorFileReading reading = readCursorFile(bytes);
    if (!reading.problem.isEmpty())
        return {{}, reading.problem};
    CursorFileLooks looks;
    for (StoredImage &stored : reading.images) {
        if (stored.image.looks.isEmpty()) {
            if (const QString problem = colourLooks(stored, name); !problem.isEmpty())
                return {{},
                        CursorLooks::tr("Image %1 of %2: %3")
                            .arg(stored.image.image)
                            .arg(stored.image.images)
                            .arg(problem)};
        }
        looks.images.append(std::move(stored.image));
    }
    return looks;
}

} // namespace pixelwick
