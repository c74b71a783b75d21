// SPDX-License-Identifier: MIT
#include "xcursor_pictures.h"

#include "cursor_making.h"
#include "xcursor_file.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>

namespace pixelwick {

namespace {

class Picture {
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

// Whether `size` serves a part of `side` better than `best`.
bool nearer(int size, int best, int side)
{
    const int distance = std::abs(size - side), bestDistance = std::abs(best - side);
    return distance < bestDistance || (distance == bestDistance && size > best);
}

} // namespace

LoadedPicture xcursorPicture(QByteArrayView bytes, const QString &shown, const PictureRegion &region)
{
    const XcursorReading reading = readXcursor(bytes);
    if (!reading.problem.isEmpty())
        return {{}, Picture::tr("The picture %1 is damaged or cannot be read (%2).").arg(shown, reading.problem)};
    // The size the cursor is made at: fitted, the side it is drawn for.
    const int side = region.drawnSide > 0 ? region.drawnSide / kDrawnPerCursorPixel
                     : region.isWhole()   ? kCursorSize
                                          : region.side;
    const XcursorImageData *chosen = &reading.images.first();
    for (const XcursorImageData &image : reading.images) {
        if (nearer(image.nominalSize, chosen->nominalSize, side))
            chosen = &image;
    }
    QImage image(chosen->width, chosen->height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {{},
                Picture::tr("The picture %1 is too large to load (%2 × %3 pixels).")
                    .arg(shown)
                    .arg(chosen->width)
                    .arg(chosen->height)};
    for (int y = 0; y < chosen->height; ++y)
        std::memcpy(image.scanLine(y), chosen->pixels.constData() + qsizetype(y) * chosen->width,
                    size_t(chosen->width) * sizeof(quint32));
    LoadedPicture loaded(image, {}, image.size());
    // Each size fitted takes the image made for it, as a drawing is drawn
    // anew for it.
    loaded.drawn = region.drawnSide > 0;
    return loaded;
}

} // namespace pixelwick
