// SPDX-License-Identifier: MIT
#include "pointer_set_output.h"

#include "animated_cursor_file.h"
#include "cursor_output.h"
#include "cursor_pictures.h"
#include "key_warnings.h"
#include "made_cursor.h"
#include "make_cursor.h"
#include "messages.h"
#include "pointer_pictures.h"
#include "preview_output.h"
#include "reporting.h"
#include "windows_scheme.h"
#include "xcursor_file.h"

#include <QCoreApplication>
#include <QDir>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

bool makePointer(const PointerPictures &pointer, const Options &setOptions, bool animated, MadePointer &made)
{
    const Options options = optionsFor(setOptions, pointer.role);
    QList<AnimatedFrame> frames;
    bool allMade = true;
    for (const QString &picture : pointer.pictures) {
        const MadeFrames read = makeFramesOf(picture, options);
        if (!read.ok()) {
            complain(pictureProblem(picture, read.problem));
            allMade = false;
            continue;
        }
        KeysShown keys;
        for (qsizetype f = 0; f < read.frames.size(); ++f) {
            const int delay = read.delays[f];
            frames.append({cursorFileOf(read.frames[f]), delay > 0 ? jiffiesOf(delay) : options.rate});
            made.frames.append(read.frames[f]);
            made.milliseconds.append(delay > 0 ? delay
                                               : (options.rate * 1000 + kJiffiesPerSecond / 2) / kJiffiesPerSecond);
            keys |= read.frames[f].keys;
        }
        if (read.frames.size() == 1) {
            warnOfPartUsed(picture, read.frames.first(), options);
            warnOfInvisibleCursor(picture, read.frames.first());
        }
        warnOfUnmatchedKeys(picture, keys, options);
    }
    if (!allMade)
        return false;
    made.pictures = pointer;
    made.animated = animated || frames.size() > 1;
    made.bytes = made.animated ? animatedCursorBytes(frames) : frames.first().cursor;
    return true;
}

QByteArray xcursorOfPointer(const MadePointer &made, InvertedAs inverted, QString &problem)
{
    QList<XcursorFrame> frames;
    for (qsizetype f = 0; f < made.frames.size(); ++f) {
        XcursorFrame frame;
        for (const MadeImage &image : made.frames[f].images) {
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
        // A still pointer has no time to wait.
        frame.delayMilliseconds = made.frames.size() > 1 ? made.milliseconds[f] : 0;
        frames.append(frame);
    }
    QByteArray bytes = xcursorFileBytes(frames);
    if (bytes.isEmpty())
        problem = CommandLine::tr("the cursor could not be encoded");
    return bytes;
}

namespace {

QString pointerNames(const QList<PointerPictures> &pointers)
{
    QStringList names;
    for (const PointerPictures &pointer : pointers)
        names << pointer.name;
    return names.join(QStringLiteral(", "));
}

} // namespace

bool writeAnimatedCursor(const Options &options)
{
    const PointerGrouping grouping = groupPointerPictures(options.pictures, options.role);
    if (!grouping.problem.isEmpty()) {
        complain(grouping.problem);
        return false;
    }
    if (grouping.pointers.size() != 1) {
        complain(CommandLine::tr("%1 is one animated cursor, but the pictures make %n pointers (%2): number the "
                                 "frames of one (wait-1.png, wait-2.png...) or give --role",
                                 nullptr, int(grouping.pointers.size()))
                     .arg(quotedPath(options.output), pointerNames(grouping.pointers)));
        return false;
    }
    MadePointer made;
    if (!makePointer(grouping.pointers.first(), options, true, made))
        return false;
    const QString first = made.pictures.pictures.first();
    if (!options.preview.isEmpty()) {
        const CursorFileLooks looks = readCursorLooks(made.bytes, options.output);
        if (!looks.problem.isEmpty()) {
            complain(pictureProblem(first, looks.problem));
            return false;
        }
        if (looks.images.size() > kMostImagesDrawn) {
            complain(pictureProblem(first, CommandLine::tr("the preview draws at most %1 images, but the file holds %2")
                                               .arg(kMostImagesDrawn)
                                               .arg(looks.images.size())));
            return false;
        }
        if (!writePreview(first, stackedLooks(looks.images), options))
            return false;
    }
    if (const MakeCursorResult result =
            makeCursorFile(first, made.bytes, options.output, nullptr, &options.protectedPictures);
        !result.ok()) {
        complain(pictureProblem(first, result.message));
        return false;
    }
    return true;
}

} // namespace pixelwick
