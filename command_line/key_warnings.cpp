// SPDX-License-Identifier: MIT
#include "key_warnings.h"

#include "picture_loading.h"
#include "reporting.h"

#include <QColor>
#include <QCoreApplication>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Rows composed at a time: a strip of a large picture, not a copy of it all.
constexpr int kStripRows = 64;

// "green (#008000)", or "#008000" alone where it was typed so.
QString shownColour(const QString &given, ColourValue value)
{
    const QString hex = colourOf(value).name();
    return given.compare(hex, Qt::CaseInsensitive) == 0 ? hex : QStringLiteral("%1 (%2)").arg(given, hex);
}

} // namespace

bool keysGiven(const Options &options)
{
    return !options.backgroundGiven.isEmpty() || !options.invertGiven.isEmpty();
}

KeysShown keysShownIn(const LoadedPicture &loaded, const CursorMaking &making)
{
    const KeyColours &keys = making.keys;
    const QRect area =
        making.fit ? loaded.image.rect() : QRect(making.from - loaded.origin, QSize(making.size, making.size));
    // Composed once as the cursor is made of it and once with the clear
    // pixels in another colour: only they differ.
    const QColor shownClear = colourOf(keys.background);
    const QColor otherClear = keys.background == kBlack ? Qt::white : Qt::black;
    KeysShown shown;
    for (int top = area.top(); top <= area.bottom() && !(shown.background && shown.invert); top += kStripRows) {
        const QPoint at(area.left(), top);
        const QSize strip(area.width(), qMin(kStripRows, area.bottom() + 1 - top));
        const QImage composed = composePart(loaded.image, at, strip, making.window, shownClear);
        const QImage other = composePart(loaded.image, at, strip, making.window, otherClear);
        for (int y = 0; y < strip.height(); ++y) {
            const auto *pixels = reinterpret_cast<const QRgb *>(composed.constScanLine(y));
            const auto *others = reinterpret_cast<const QRgb *>(other.constScanLine(y));
            for (int x = 0; x < strip.width(); ++x) {
                if (pixels[x] != others[x])
                    continue;
                const ColourValue colour = colourValue(qRed(pixels[x]), qGreen(pixels[x]), qBlue(pixels[x]));
                shown.background = shown.background || matchesKey(colour, keys.background, keys.tolerance);
                shown.invert = shown.invert || matchesKey(colour, keys.invert, keys.tolerance);
            }
        }
    }
    return shown;
}

void warnOfUnmatchedKeys(const QString &name, KeysShown shown, const Options &options)
{
    if (!options.backgroundGiven.isEmpty() && !shown.background)
        warnAbout(name, CommandLine::tr("the background colour %1 matches no pixel of the picture")
                            .arg(shownColour(options.backgroundGiven, options.keys.background)));
    if (!options.invertGiven.isEmpty() && !shown.invert)
        warnAbout(name, CommandLine::tr("the invert colour %1 matches no pixel of the picture")
                            .arg(shownColour(options.invertGiven, options.keys.invert)));
}

void warnOfHotSpotOutside(const Options &options, int imageSize)
{
    const int size = imageSize > 0 ? imageSize : options.size;
    const HotSpot spot = hotSpotFor(options, size);
    const auto outside = [size](int value) { return value < 0 || value >= size; };
    if (!outside(spot.x) && !outside(spot.y))
        return;
    if (imageSize > 0)
        warn(CommandLine::tr("the hot spot %1, %2 lies outside the %3 x %3 image of the cursor")
                 .arg(spot.x)
                 .arg(spot.y)
                 .arg(size));
    else
        warn(CommandLine::tr("the hot spot %1, %2 lies outside the %3 x %3 cursor").arg(spot.x).arg(spot.y).arg(size));
}

} // namespace pixelwick
