// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_making.h"
#include "file_placing.h"
#include "hot_spot.h"
#include "mask_encoder.h"
#include "pointer_roles.h"
#include "xcursor_file.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace pixelwick {

// A frame's time in an animated cursor, in 1/60 s, unless said otherwise.
inline constexpr int kDefaultJiffies = 6;
inline constexpr int kMostJiffies = 3600;

// What -o takes for standard output.
inline const QString kStandardOutput = QStringLiteral("-");

struct Options {
    QString hotSpotXText;
    QString hotSpotYText;
    HotSpot hotSpot;
    KeyColours keys{};
    // Each key colour as typed; empty where the default stands.
    QString backgroundGiven;
    QString invertGiven;
    QString output;           // empty: beside each picture; "-": standard output
    bool show = false;        // print each file's looks instead of writing
    QString preview;          // where to write the looks, if anywhere
    QByteArray previewFormat; // the picture format the preview is written in
    int size = kCursorSize;   // --size: the cursor's side
    bool combine = false;     // --combine: one cursor of every picture, a size each
    bool fit = false;         // --fit: the whole picture scaled into the cursor
    QPoint from;              // --from: the part's top-left pixel in the picture
    bool fromGiven = false;
    QList<int> sizes; // --sizes: one image of each, fitted, smallest first; empty without
    bool hotSpotXGiven = false;
    bool hotSpotYGiven = false;
    QList<std::pair<int, HotSpot>> hotSpotFor; // --hotspot-for, by size
    // For X11 and Wayland desktops: an Xcursor file instead of a .cur, or a
    // whole pointer theme of this name, in the folder -o names.
    bool xcursor = false;
    QString theme;
    std::optional<PointerRole> role; // --role: the one pointer the pictures make, its frames in turn
    InvertedAs invertedAs = InvertedAs::Outline;
    QStringList pictures;
    ProtectedFiles protectedPictures; // every one of them, from every file written
    QString scheme;                   // --scheme: a Windows pointer scheme of this name
    int rate = kDefaultJiffies;       // --rate: each frame's time in 1/60 s, where a picture gives none
    QList<std::pair<PointerRole, HotSpot>> roleHotSpots; // --role-hotspot: a role's own -x and -y
    // -o names an animated cursor: every picture is a frame of it.
    bool animatedOutput() const;
};

// How each picture becomes a cursor (of options.size; each size of
// --sizes is made as it with that size): shown over white, as the window's
// preview shows it on the usual colour scheme, which is what its Make CUR
// encodes.
CursorMaking makingOf(const Options &options);

// Whether each picture's pointer is an Xcursor file, alone or in a theme.
inline bool makesXcursor(const Options &options)
{
    return options.xcursor || !options.theme.isEmpty();
}

// The sides of the images made of each picture, smallest first.
QList<int> imageSizes(const Options &options);

// The hot spot of the image `size` pixels wide: --hotspot-for's for that
// size, else -x and -y (scaled from the 32 x 32 image when combining or
// making several sizes), else the middle.
HotSpot hotSpotFor(const Options &options, int size);

// The options a pointer of `role` is made with: its own hot spot where
// --role-hotspot gives one.
Options optionsFor(const Options &options, std::optional<PointerRole> role);

// The converter's options and arguments, with their help.
void addOptions(QCommandLineParser &parser);

// Reads what `parser` parsed into `options`. Everything is checked before
// the first picture, so that a mistyped option converts nothing rather than
// a batch with the wrong settings. Empty when nothing is wrong.
QString optionsProblem(const QCommandLineParser &parser, Options &options);

// What is wrong with where the cursor and the preview are to go, for
// options that are well-formed: a terminal, or a preview format that
// cannot be written. Empty when nothing is.
QString outputsProblem(Options &options);

} // namespace pixelwick
