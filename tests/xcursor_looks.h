// SPDX-License-Identifier: MIT
#pragma once

// A picture of every look a cursor pixel has, and what Xcursor files made of
// it hold, worked out from the looks alone.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace testing {

inline constexpr quint32 kXBlack = 0xFF000000, kXWhite = 0xFFFFFFFF, kXClear = 0;

// One character a pixel, as --show prints them: '#' black, 'O' white, '.'
// transparent, '~' inverted.
using Looks = QStringList;

// A 16 x 16 picture of every look in the converter's default key colours:
// black and white squares, an inverted block, an inverted pixel in a corner
// and one touching black; `looks` says which pixel is which.
QImage lookPicture(Looks &looks);

// Every pixel `factor` times wider and higher, as fitting a picture into a
// cursor a whole number of times its size does.
Looks scaled(const Looks &looks, int factor);

// What an Xcursor image of `looks` holds, as premultiplied ARGB: an inverted
// pixel black ("outline", "black") or white ("white"), and with the outline
// every transparent pixel among its eight neighbours white.
QList<quint32> expectedPixels(const Looks &looks, const QString &invertedAs = QStringLiteral("outline"));

} // namespace testing
