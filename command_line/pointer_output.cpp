// SPDX-License-Identifier: MIT
#include "pointer_output.h"

#include "arguments.h"
#include "cursor_output.h"
#include "cursor_pictures.h"
#include "key_warnings.h"
#include "messages.h"
#include "pointer_pictures.h"
#include "pointer_set_output.h"
#include "pointer_theme.h"
#include "preview_output.h"
#include "reporting.h"
#include "scheme_output.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

QByteArray xcursorFileOf(const MadeCursor &cursor, InvertedAs inverted, QString &problem)
{
    XcursorFrame frame;
    for (const MadeImage &image : cursor.images) {
        const HotSpot spot = image.hotSpot;
        if (spot.x < 0 || spot.y < 0 || spot.x >= image.size || spot.y >= image.size) {
            problem = CommandLine::tr("the hot spot %1, %2 lies outside the %3 x %3 image, and an Xcursor file "
                                      "holds only hot spots within its images")
                          .arg(spot.x)
                          .arg(spot.y)
                          .arg(image.size);
            return {};
        }
        frame.images.append(xcursorImage(image.looks, spot, inverted));
    }
    QByteArray bytes = xcursorFileBytes({frame});
    if (bytes.isEmpty())
        problem = CommandLine::tr("the cursor could not be encoded");
    return bytes;
}

QByteArray pointerFileOf(const MadeCursor &cursor, const Options &options, QString &problem)
{
    if (makesXcursor(options))
        return xcursorFileOf(cursor, options.invertedAs, problem);
    return cursorFileOf(cursor);
}

bool writeTheme(const Options &options)
{
    const QString folder = options.output.isEmpty() ? userThemesFolder() : options.output;
    PointerTheme theme;
    theme.name = options.theme;
    // Pictures of one pointer (its numbered frames) make one animated file.
    const PointerGrouping grouping = groupPointerPictures(options.pictures, options.role);
    if (!grouping.problem.isEmpty()) {
        complain(grouping.problem);
        return false;
    }
    QList<MadePointer> made;
    bool allMade = true;
    for (const PointerPictures &pictures : grouping.pointers) {
        const QString &picture = pictures.pictures.first();
        const auto unopenable = std::find_if(pictures.pictures.cbegin(), pictures.pictures.cend(),
                                             [](const QString &p) { return !opensAsNamed(p); });
        if (unopenable != pictures.pictures.cend()) {
            complain(pictureProblem(*unopenable, unopenableName()));
            allMade = false;
            continue;
        }
        const QString name = namesStandardInput(picture) ? QString() : pictures.name;
        ThemePointer pointer = pointerNamed(name, pictures.role);
        if (pointer.file.isEmpty()) {
            complain(pictureProblem(picture, CommandLine::tr("its name cannot name a pointer in a theme; give it a "
                                                             "role with --role")));
            allMade = false;
            continue;
        }
        // With a scheme beside the theme, every pointer is one of its roles.
        if (!options.scheme.isEmpty() && !pictures.role) {
            complain(pictureProblem(picture, noRoleInScheme()));
            allMade = false;
            continue;
        }
        MadePointer one;
        if (!makePointer(pictures, options, false, one)) {
            allMade = false;
            continue;
        }
        QString problem;
        pointer.xcursor = xcursorOfPointer(one, options.invertedAs, problem);
        if (!problem.isEmpty()) {
            complain(pictureProblem(picture, problem));
            allMade = false;
            continue;
        }
        theme.pointers.append(pointer);
        made.append(one);
        // Two pictures of one name would leave one of them out.
        if (const QString clash = clashingName(theme.pointers); !clash.isEmpty()) {
            qsizetype earlier = 0;
            while (theme.pointers[earlier].file != clash && !theme.pointers[earlier].links.contains(clash))
                ++earlier;
            complain(pictureProblem(picture,
                                    CommandLine::tr("it gives the pointer %1, as %2 does; a theme holds one "
                                                    "pointer of each name")
                                        .arg(quotedText(clash), shownName(made[earlier].pictures.pictures.first()))));
            return false;
        }
    }
    if (!allMade) {
        complain(CommandLine::tr("the theme %1 was not written, as not every picture gave its pointer")
                     .arg(quotedText(theme.name)));
        return false;
    }
    const QList<std::pair<QString, QByteArray>> scheme =
        options.scheme.isEmpty() ? QList<std::pair<QString, QByteArray>>() : schemeFiles(made, options.scheme);
    theme.inherits = inheritedTheme(folder, theme.name);
    if (!options.preview.isEmpty()) {
        const QString &first = made.front().pictures.pictures.first();
        const CursorFileLooks looks = readCursorLooks(theme.pointers.first().xcursor, first);
        if (!looks.problem.isEmpty()) {
            complain(pictureProblem(first, looks.problem));
            return false;
        }
        if (!writePreview(first, stackedLooks(looks.images), options))
            return false;
    }
    const QString place = folder + u'/' + theme.name;
    if (const Placed placed = placeTheme(folder, theme, {&options.protectedPictures}, scheme); !placed.ok()) {
        complain(CommandLine::tr("cannot write the theme %1: %2").arg(quotedPath(place), placingProblem(placed)));
        return false;
    }
    // Where it went unasked, and how a desktop takes it.
    if (options.output.isEmpty())
        std::printf("%s\n", qPrintable(withoutControls(CommandLine::tr("The pointer theme is in %1. %2")
                                                           .arg(quotedPath(place), howToChooseTheme(theme.name)))));
    return true;
}

} // namespace pixelwick
