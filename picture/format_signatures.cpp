// SPDX-License-Identifier: MIT
#include "format_signatures.h"

#include "formats/format_walk.h"

namespace pixelwick {

namespace {

using namespace Qt::StringLiterals;

struct Signature {
    QByteArrayView start;
    const char *format;
};

const Signature kSignatures[] = {
    {"\x89PNG\r\n\x1a\n"_ba, "png"},
    {"\x8aMNG\r\n\x1a\n"_ba, "mng"},
    {"BM"_ba, "bmp"},
    {"GIF87a"_ba, "gif"},
    {"GIF89a"_ba, "gif"},
    {"\xff\xd8\xff"_ba, "jpeg"},
    {"II*\0"_ba, "tiff"},
    {"MM\0*"_ba, "tiff"},
    {"icns"_ba, "icns"},
    {"/* XPM */"_ba, "xpm"},
    {"#define"_ba, "xbm"},
};

} // namespace

QByteArray formatBySignature(QByteArrayView bytes)
{
    for (const Signature &signature : kSignatures) {
        if (bytes.startsWith(signature.start))
            return signature.format;
    }
    if (bytes.startsWith("RIFF") && bytes.size() >= 12 && bytes.sliced(8, 4) == "WEBP")
        return "webp";
    // An icon or cursor directory: reserved 0, its kind, and at least one
    // image; a TGA's header may start with the same four bytes, but then
    // the count is its colour map's length, mostly 0.
    if (bytes.size() >= 6 && bytes[0] == 0 && bytes[1] == 0 && (bytes[2] == 1 || bytes[2] == 2) && bytes[3] == 0
        && (bytes[4] != 0 || bytes[5] != 0))
        return bytes[2] == 1 ? "ico" : "cur";
    // Netpbm: "P1" to "P6" and white space; the digit says which kind.
    if (bytes.size() >= 3 && bytes[0] == 'P' && bytes[1] >= '1' && bytes[1] <= '6'
        && QByteArrayView(" \t\r\n").contains(bytes[2])) {
        static const char *const kinds[] = {"pbm", "pgm", "ppm"};
        return kinds[(bytes[1] - '1') % 3];
    }
    // SVG by its root element, so that a drawing without its suffix (or
    // from standard input) is drawn; SVGZ by the document it unpacks to.
    if (formats::startsSvgDocument(bytes))
        return "svg";
    if (formats::startsSvgzDocument(bytes))
        return "svgz";
    return {};
}

} // namespace pixelwick
