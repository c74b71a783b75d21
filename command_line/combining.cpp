// SPDX-License-Identifier: MIT
#include "combining.h"

#include "arguments.h"
#include "cursor_file.h"
#include "cursor_output.h"
#include "cursor_pictures.h"
#include "key_warnings.h"
#include "made_cursor.h"
#include "make_cursor.h"
#include "picture_loading.h"
#include "pointer_output.h"
#include "preview_output.h"
#include "reporting.h"

#include <QCoreApplication>

#include <algorithm>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

struct Frame {
    QString picture;
    int size = 0;
    LookGrid looks;
    KeysShown keys;
};

// The picture's image, or a complaint: its size is the image's size.
bool loadFrame(const QString &picture, const Options &options, Frame &frame)
{
    const LoadedPicture loaded = loadArgument(picture, kLargestCursorSize);
    if (!loaded.ok()) {
        complain(pictureProblem(picture, loaded.error));
        return false;
    }
    const QSize size = loaded.size.isValid() ? loaded.size : loaded.image.size();
    if (size.width() != size.height() || !isCursorSize(size.width())) {
        complain(pictureProblem(picture, CommandLine::tr("the picture is %1 x %2 pixels; to be combined it must be "
                                                         "square, from 16 to 256 pixels and a multiple of 8")
                                             .arg(size.width())
                                             .arg(size.height())));
        return false;
    }
    CursorMaking making = makingOf(options);
    making.size = size.width();
    frame.picture = picture;
    frame.size = size.width();
    frame.looks = cursorLooksOf(loaded, making);
    if (keysGiven(options))
        frame.keys = keysShownIn(loaded, making);
    return true;
}

} // namespace

bool combine(const Options &options)
{
    // A second picture of a size is refused as soon as it is read, so that
    // no more images are ever held than a cursor can have sizes.
    std::vector<Frame> frames;
    bool allRead = true;
    for (const QString &picture : options.pictures) {
        Frame frame;
        if (!loadFrame(picture, options, frame)) {
            allRead = false;
            continue;
        }
        const auto earlier =
            std::find_if(frames.cbegin(), frames.cend(), [&](const Frame &f) { return f.size == frame.size; });
        if (earlier != frames.cend()) {
            complain(pictureProblem(picture, CommandLine::tr("it is %1 x %1 pixels, as %2 is; a cursor "
                                                             "holds one image of each size")
                                                 .arg(frame.size)
                                                 .arg(shownName(earlier->picture))));
            return false;
        }
        frames.push_back(std::move(frame));
    }
    if (!allRead)
        return false;
    std::sort(frames.begin(), frames.end(), [](const Frame &a, const Frame &b) { return a.size < b.size; });
    for (const auto &[size, spot] : options.hotSpotFor) {
        const auto given = std::find_if(frames.cbegin(), frames.cend(), [&](const Frame &f) { return f.size == size; });
        if (given == frames.cend()) {
            complain(CommandLine::tr("--hotspot-for %1 names a size that no picture has").arg(size));
            return false;
        }
    }

    MadeCursor made;
    QStringList pictures;
    for (Frame &frame : frames) {
        if (!makesXcursor(options))
            warnOfHotSpotOutside(options, frame.size);
        pictures.append(frame.picture);
        made.images.append({frame.size, hotSpotFor(options, frame.size), std::move(frame.looks)});
    }
    const QString first = frames.front().picture;
    QString problem;
    const QByteArray bytes = pointerFileOf(made, options, problem);
    if (!problem.isEmpty()) {
        complain(pictureProblem(first, problem));
        return false;
    }
    if (!options.preview.isEmpty()) {
        const CursorFileLooks looks = readCursorLooks(bytes, options.output);
        if (!looks.problem.isEmpty()) {
            complain(pictureProblem(first, looks.problem));
            return false;
        }
        if (!writePreview(first, stackedLooks(looks.images), options))
            return false;
    }
    if (options.output == kStandardOutput) {
        if (!writeToStandardOutput(first, bytes, options))
            return false;
    } else if (const MakeCursorResult result =
                   makeCursorFile(first, bytes, options.output, nullptr, &options.protectedPictures);
               !result.ok()) {
        complain(pictureProblem(first, result.message));
        return false;
    }
    warnOfInvisibleCursor(first, made, pictures);
    // Each picture is looked at as far as its own image goes.
    for (const Frame &frame : frames)
        warnOfUnmatchedKeys(frame.picture, frame.keys, options);
    return true;
}

} // namespace pixelwick
