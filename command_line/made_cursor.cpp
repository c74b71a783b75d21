// SPDX-License-Identifier: MIT
#include "made_cursor.h"

#include "animated_pictures.h"
#include "arguments.h"
#include "cursor_file.h"
#include "fitting.h"
#include "reporting.h"

#include <QCoreApplication>
#include <QRect>

#include <vector>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The part of the picture a cursor `making` makes without fitting uses.
QRect partUsed(const CursorMaking &making, QSize picture)
{
    return QRect(making.from, QSize(making.size, making.size)) & QRect(QPoint(0, 0), picture);
}

bool everyPixelTransparent(const LookGrid &looks)
{
    for (int y = 0; y < looks.height(); ++y) {
        const char *row = looks.row(y);
        for (int x = 0; x < looks.width(); ++x) {
            if (PixelLook(row[x]) != PixelLook::Transparent)
                return false;
        }
    }
    return true;
}

} // namespace

MadeCursor makeCursorOf(const QString &picture, const std::optional<QByteArray> &bytes, const Options &options,
                        const WhileReading &whileReading, const LoadedPicture *firstRead)
{
    MadeCursor made;
    std::optional<QByteArray> input = bytes;
    if (firstRead && namesStandardInput(picture))
        input = firstRead->bytes;
    if (!input && namesStandardInput(picture)) {
        // Read once: a drawing is drawn from it again for each size.
        if (!(input = readStandardInput(made.problem)))
            return made;
    }
    LoadedPicture loaded;
    bool read = false;
    if (firstRead) {
        loaded = *firstRead;
        read = true;
        made.pictureSize = loaded.size.isValid() ? loaded.size : loaded.image.size();
    }
    for (const int size : imageSizes(options)) {
        CursorMaking making = makingOf(options);
        making.size = size;
        if (!read || loaded.drawn) {
            const PictureRegion region = regionFor(making);
            loaded = input ? loadPictureBytes(*input, picture, {}, region) : loadPicture(picture, whileReading, region);
            read = true;
            if (!loaded.ok()) {
                made.problem = loaded.error;
                return made;
            }
            made.pictureSize = loaded.size.isValid() ? loaded.size : loaded.image.size();
        }
        if (!making.fit && partUsed(making, made.pictureSize).isEmpty()) {
            made.problem = CommandLine::tr("the part from %1, %2 lies outside the %3 x %4 picture")
                               .arg(making.from.x())
                               .arg(making.from.y())
                               .arg(made.pictureSize.width())
                               .arg(made.pictureSize.height());
            return made;
        }
        made.images.append({size, hotSpotFor(options, size), cursorLooksOf(loaded, making)});
        if (keysGiven(options))
            made.keys |= keysShownIn(loaded, making);
    }
    return made;
}

MadeFrames makeFramesOf(const QString &picture, const Options &options, const WhileReading &whileReading)
{
    MadeFrames made;
    CursorMaking making = makingOf(options);
    making.size = imageSizes(options).first();
    PictureRegion region = regionFor(making);
    region.frames = true;
    const LoadedPicture loaded = loadArgument(picture, region, whileReading);
    if (!loaded.ok()) {
        made.problem = loaded.error;
        return made;
    }
    if (loaded.frameDelays.isEmpty()) {
        MadeCursor still = makeCursorOf(picture, std::nullopt, options, whileReading, &loaded);
        made.problem = still.problem;
        made.frames.append(std::move(still));
        made.delays.append(0);
        return made;
    }
    const QList<QImage> frames = framesOf(loaded);
    for (qsizetype f = 0; f < frames.size(); ++f) {
        LoadedPicture frame(frames[f], {}, loaded.size);
        MadeCursor cursor;
        cursor.pictureSize = loaded.size;
        for (const int size : imageSizes(options)) {
            making.size = size;
            if (!making.fit && partUsed(making, loaded.size).isEmpty()) {
                made.problem = CommandLine::tr("the part from %1, %2 lies outside the %3 x %4 picture")
                                   .arg(making.from.x())
                                   .arg(making.from.y())
                                   .arg(loaded.size.width())
                                   .arg(loaded.size.height());
                return made;
            }
            cursor.images.append({size, hotSpotFor(options, size), cursorLooksOf(frame, making)});
            if (keysGiven(options))
                cursor.keys |= keysShownIn(frame, making);
        }
        made.frames.append(std::move(cursor));
        made.delays.append(loaded.frameDelays[f]);
    }
    return made;
}

QByteArray cursorFileOf(const MadeCursor &cursor)
{
    std::vector<LookSource> sources;
    sources.reserve(size_t(cursor.images.size()));
    QList<CursorFrame> frames;
    for (const MadeImage &image : cursor.images) {
        sources.emplace_back(image.looks);
        frames.append({image.size, image.hotSpot, &sources.back()});
    }
    return cursorFileBytes(frames, kLookKeys);
}

void warnOfPartUsed(const QString &picture, const MadeCursor &cursor, const Options &options)
{
    const CursorMaking making = makingOf(options);
    if (making.fit)
        return;
    const QRect used = partUsed(making, cursor.pictureSize);
    const QString whole = QStringLiteral("%1 x %2").arg(cursor.pictureSize.width()).arg(cursor.pictureSize.height());
    if (used.size() != cursor.pictureSize) {
        const QString part = QStringLiteral("%1 x %2").arg(used.width()).arg(used.height());
        if (options.fromGiven)
            warnAbout(picture, CommandLine::tr("only the %1 from %2, %3 of the %4 picture was used: --fit uses all "
                                               "of it")
                                   .arg(part)
                                   .arg(making.from.x())
                                   .arg(making.from.y())
                                   .arg(whole));
        else
            warnAbout(picture, CommandLine::tr("only the top-left %1 of the %2 picture was used: --fit uses all of it")
                                   .arg(part, whole));
    }
    // Without --from, a smaller picture is shown over white as ever.
    if (options.fromGiven && used.size() != QSize(making.size, making.size))
        warnAbout(picture, CommandLine::tr("the %1 x %1 part from %2, %3 reaches past the %4 picture, so white fills "
                                           "the rest of the cursor")
                               .arg(making.size)
                               .arg(making.from.x())
                               .arg(making.from.y())
                               .arg(whole));
}

void warnOfInvisibleCursor(const QString &picture, const MadeCursor &cursor, const QStringList &pictures)
{
    QList<qsizetype> invisible;
    for (qsizetype i = 0; i < cursor.images.size(); ++i) {
        if (everyPixelTransparent(cursor.images[i].looks))
            invisible.append(i);
    }
    if (invisible.isEmpty())
        return;
    if (invisible.size() == cursor.images.size()) {
        warnAbout(picture, CommandLine::tr("every pixel of the cursor is transparent, so it would be invisible"));
        return;
    }
    for (const qsizetype i : std::as_const(invisible))
        warnAbout(pictures.size() == cursor.images.size() ? pictures[i] : picture,
                  CommandLine::tr("every pixel of the %1 x %1 image of the cursor is transparent, so it would be "
                                  "invisible at that size")
                      .arg(cursor.images[i].size));
}

} // namespace pixelwick
