// SPDX-License-Identifier: MIT
#include "cursor_making.h"

namespace pixelwick {

namespace {

// Rows composed at a time: a strip of a wide picture, not a copy of it all.
constexpr int kStripRows = 64;

void classify(const QImage &composed, int y, LookGrid &looks, const KeyColours &keys, int row)
{
    // Neighbouring pixels mostly share their colour.
    ColourValue last = kNoColour;
    PixelLook lastLook = lookOf(kNoColour, keys);
    const auto *pixels = reinterpret_cast<const QRgb *>(composed.constScanLine(y));
    char *into = looks.row(row);
    for (int x = 0; x < looks.width(); ++x) {
        const ColourValue colour = colourValue(qRed(pixels[x]), qGreen(pixels[x]), qBlue(pixels[x]));
        if (colour != last) {
            last = colour;
            lastLook = lookOf(colour, keys);
        }
        into[x] = char(lastLook);
    }
}

} // namespace

PictureRegion regionFor(const CursorMaking &making)
{
    if (making.fit)
        return PictureRegion::whole(kDrawnPerCursorPixel * making.size);
    PictureRegion region(making.size);
    region.from = making.from;
    return region;
}

LookGrid looksOf(const QImage &picture, const QColor &window, const KeyColours &keys)
{
    LookGrid looks(picture.width(), picture.height());
    // Opaque pixels in the composed format are what composing would give.
    if (picture.format() == QImage::Format_RGB32) {
        for (int y = 0; y < picture.height(); ++y)
            classify(picture, y, looks, keys, y);
        return looks;
    }
    const QColor transparentAs = colourOf(keys.background);
    for (int top = 0; top < picture.height(); top += kStripRows) {
        const int rows = qMin(kStripRows, picture.height() - top);
        const QImage strip = composePart(picture, QPoint(0, top), QSize(picture.width(), rows), window, transparentAs);
        for (int y = 0; y < rows; ++y)
            classify(strip, y, looks, keys, top + y);
    }
    return looks;
}

QImage shownPicture(const LoadedPicture &loaded, const KeyColours &keys)
{
    if (loaded.invertedPixels.isEmpty())
        return loaded.image;
    QImage shown = loaded.image;
    const QRgb invert = colourOf(keys.invert).rgb();
    for (const QPoint &pixel : loaded.invertedPixels) {
        if (shown.rect().contains(pixel))
            shown.setPixel(pixel, invert);
    }
    return shown;
}

LookGrid cursorLooksOf(const LoadedPicture &loaded, const CursorMaking &making)
{
    const QImage picture = shownPicture(loaded, making.keys);
    if (making.fit)
        return fittedLooks(looksOf(picture, making.window, making.keys), making.size,
                           lookOf(making.keys.background, making.keys));
    LookGrid looks(making.size, making.size);
    const QImage part = composePart(picture, making.from - loaded.origin, QSize(making.size, making.size),
                                    making.window, colourOf(making.keys.background));
    for (int y = 0; y < making.size; ++y)
        classify(part, y, looks, making.keys, y);
    return looks;
}

QImage looksPicture(const LookGrid &looks, const KeyColours &keys)
{
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), colourOf(keys.background).rgb(),
                            colourOf(keys.invert).rgb()};
    QImage picture(looks.width(), looks.height(), QImage::Format_RGB32);
    for (int y = 0; y < looks.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < looks.width(); ++x)
            row[x] = colours[int(looks.at(x, y))];
    }
    return picture;
}

} // namespace pixelwick
