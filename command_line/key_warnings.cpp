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

// "green (#008000)", or "#008000" alone where it was typed so.
QString shownColour(const QString &given, ColourValue value)
{
    const QString hex = colourOf(value).name();
    return given.compare(hex, Qt::CaseInsensitive) == 0 ? hex : QStringLiteral("%1 (%2)").arg(given, hex);
}

} // namespace

void warnOfUnmatchedKeys(const QString &name, const QImage &picture, const Options &options)
{
    if (options.backgroundGiven.isEmpty() && options.invertGiven.isEmpty())
        return;
    // The preview exactly as the cursor is made of it, compared as the
    // encoder compares.
    const ImagePixelSource shown(composePreview(picture, Qt::white, colourOf(options.keys.background), options.size));
    // The pixels the picture leaves clear are the ones that follow the
    // colour they are shown in: composed twice, only they differ.
    const ImagePixelSource clearAsBlack(composePreview(picture, Qt::white, Qt::black, options.size));
    const ImagePixelSource clearAsWhite(composePreview(picture, Qt::white, Qt::white, options.size));
    bool backgroundFound = false, invertFound = false;
    for (int y = 0; y < options.size; ++y) {
        for (int x = 0; x < options.size; ++x) {
            if (clearAsBlack.colourAt(x, y) != clearAsWhite.colourAt(x, y))
                continue;
            const ColourValue colour = shown.colourAt(x, y);
            backgroundFound = backgroundFound || colour == options.keys.background;
            invertFound = invertFound || colour == options.keys.invert;
        }
    }
    if (!options.backgroundGiven.isEmpty() && !backgroundFound)
        warnAbout(name, CommandLine::tr("the background colour %1 matches no pixel of the picture")
                            .arg(shownColour(options.backgroundGiven, options.keys.background)));
    if (!options.invertGiven.isEmpty() && !invertFound)
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
