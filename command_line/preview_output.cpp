// SPDX-License-Identifier: MIT
#include "preview_output.h"

#include "arguments.h"
#include "cursor_file.h"
#include "cursor_looks.h"
#include "key_warnings.h"
#include "messages.h"
#include "picture_loading.h"
#include "reporting.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// A 256 x 256 monochrome cursor takes 16 454 bytes; a larger file is no
// cursor worth reading whole.
constexpr qint64 kLargestCursorFileSize = 64 * 1024;

// Picture formats that a plugin not installed here would read, so that
// their suffix is not quietly given a PNG.
const QList<QByteArray> kOtherPictureFormats = {"avif", "exr", "heic", "heif", "jp2", "jxl",
                                                "pcx",  "psd", "svg",  "svgz", "tga", "xcf"};

// The looks go out picture by picture, so that a reader that has gone is
// noticed at once and named once.
bool writeLooks(const QString &file, const QByteArray &text)
{
    errno = 0;
    if (std::fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size())
        && std::fflush(stdout) == 0)
        return true;
    const QString why = QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
    complain(CommandLine::tr("%1: writing to standard output failed: %2").arg(shownName(file), why));
    loseStandardOutput();
    return false;
}

// Why `placed` failed, in words.
QString placingProblem(const Placed &placed)
{
    return placed.outcome == Placed::Outcome::ReplacesPicture ? describe(Reason::IsAPicture, placed.picture)
                                                              : placed.reason;
}

} // namespace

QByteArray previewFormatFor(const QString &name, QString &problem)
{
    const QByteArray suffix = QFileInfo(name).suffix().toLower().toUtf8();
    if (QImageWriter::supportedImageFormats().contains(suffix))
        return suffix;
    if (!suffix.isEmpty()
        && (QImageReader::supportedImageFormats().contains(suffix) || kOtherPictureFormats.contains(suffix))) {
        problem = CommandLine::tr("the preview %1 names the picture format %2, which cannot be written here; "
                                  "give it a suffix such as .png")
                      .arg(quotedPath(name), QString::fromUtf8(suffix));
        return {};
    }
    return QByteArrayLiteral("png");
}

std::optional<CursorImage> looksOf(const PixelSource &source, const Options &options)
{
    return readCursor(cursorBytes(options.hotSpot, source, options.keys)).cursor;
}

// The picture is made whole in memory, where the image libraries have
// nothing to complain of, and then placed as a cursor would be.
bool writePreview(const QString &picture, const CursorImage &cursor, const Options &options)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, options.previewFormat.isEmpty() ? QByteArrayLiteral("png") : options.previewFormat);
    QString problem;
    // The looks --show printed come first when both go to standard output.
    std::fflush(stdout);
    if (!buffer.open(QIODevice::WriteOnly) || !writer.write(renderLooks(cursor)))
        problem = writer.errorString();
    else if (const Placed placed = placeFile(options.preview, bytes, {&options.protectedPictures}); !placed.ok())
        problem = placingProblem(placed);
    if (problem.isEmpty())
        return true;
    complain(pictureProblem(
        picture, CommandLine::tr("cannot write the preview %1: %2").arg(quotedPath(options.preview), problem)));
    return false;
}

bool show(const QString &file, const Options &options)
{
    std::optional<CursorImage> cursor;
    std::optional<QByteArray> input;
    QFile opened(file);
    if (namesStandardInput(file)) {
        QString problem;
        if (!(input = readStandardInput(problem))) {
            complain(pictureProblem(file, problem));
            return false;
        }
        if (input->size() <= kLargestCursorFileSize)
            cursor = readCursor(*input).cursor;
    } else if (QFileInfo(file).isFile() && QFileInfo(file).size() <= kLargestCursorFileSize
               && opened.open(QIODevice::ReadOnly)) {
        // A cursor file is small; anything larger is a picture, if anything.
        cursor = readCursor(opened.readAll()).cursor;
    }
    QImage picture;
    if (!cursor) {
        const LoadedPicture loaded = input ? loadPictureData(*input, file) : loadPicture(file);
        if (!loaded.ok()) {
            complain(pictureProblem(file, loaded.error));
            return false;
        }
        picture = loaded.image;
        cursor =
            looksOf(ImagePixelSource(composePreview(picture, Qt::white, colourOf(options.keys.background))), options);
    }
    if (!cursor) {
        complain(pictureProblem(file, CommandLine::tr("the cursor could not be encoded")));
        return false;
    }
    if (!writeLooks(file, looksAsText(*cursor, shownName(file)).toUtf8()))
        return false;
    if (!options.preview.isEmpty() && !writePreview(file, *cursor, options))
        return false;
    // A cursor file's own pixels are shown as they are; no key applies.
    if (!picture.isNull())
        warnOfUnmatchedKeys(file, picture, options);
    return true;
}

} // namespace pixelwick
