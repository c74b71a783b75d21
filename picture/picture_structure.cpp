// SPDX-License-Identifier: MIT
#include "picture_structure.h"

#include "formats/format_walk.h"

namespace pixelwick {

namespace {

using namespace formats;

struct Walk {
    const char *format;
    StructureCheck (*check)(const FileBytes &);
};

// The formats whose files are walked here, by the names Qt's readers give them.
constexpr Walk kWalks[] = {
    {"bmp", checkBmp},           {"gif", checkGif},           {"jpeg", checkJpeg}, {"jpg", checkJpeg},
    {"png", checkPng},           {"mng", checkMng},           {"tga", checkTga},   {"xbm", checkXbm},
    {"ico", checkIconDirectory}, {"cur", checkIconDirectory}, {"webp", checkWebp}, {"icns", checkIcns},
    {"tif", checkTiff},          {"tiff", checkTiff},         {"xpm", checkXpm},   {"svg", checkSvg},
    {"svgz", checkSvg},
};

} // namespace

StructureCheck checkStructure(const QByteArray &format, QByteArrayView bytes)
{
    const FileBytes file(bytes);
    for (const Walk &walk : kWalks) {
        if (format == walk.format)
            return walk.check(file);
    }

    // Qt's own readers of these fail on a cut file; only the bound is set.
    // Every pixel takes at least a character in the text forms of PGM and
    // PPM, a byte in their binary forms, and a bit in PBM and WBMP.
    StructureCheck result;
    if (format == "pgm" || format == "ppm")
        result.maxPixels = pixelBound(file.size(), 1);
    else if (format == "pbm" || format == "wbmp")
        result.maxPixels = pixelBound(file.size(), 8);
    return result;
}

} // namespace pixelwick
