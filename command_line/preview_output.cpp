// SPDX-License-Identifier: MIT
#include "preview_output.h"

#include "arguments.h"
#include "cursor_file.h"
#include "cursor_looks.h"
#include "cursor_output.h"
#include "cursor_pictures.h"
#include "key_warnings.h"
#include "made_cursor.h"
#include "messages.h"
#include "picture_loading.h"
#include "reporting.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Far beyond any real cursor file, animated ones with many frames of
// 256 x 256 colour images included.
constexpr qint64 kLargestCursorFileSize = 64 * 1024 * 1024;

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

namespace {

// The largest side a format keeps as drawn: past it the WebP and JPEG
// writers fail, and the icon writers quietly shrink the picture; 0 for
// none that a preview could reach.
int largestSide(const QByteArray &format)
{
    if (format == "webp")
        return 16383;
    if (format == "jpg" || format == "jpeg")
        return 65500;
    if (format == "ico" || format == "cur")
        return 256;
    return 0;
}

// Why the looks cannot be written in `format`, or an empty text.
QString formatProblem(const QByteArray &format, const QImage &looks)
{
    const QString suffix = QString::fromLatin1(format);
    // Its writer squeezes every picture into a square.
    if (format == "icns")
        return CommandLine::tr("the preview is %1 x %2 pixels, but the picture format %3 holds only squares; "
                               "give it a suffix such as .png")
            .arg(looks.width())
            .arg(looks.height())
            .arg(suffix);
    const int largest = largestSide(format);
    if (largest > 0 && qMax(looks.width(), looks.height()) > largest)
        return CommandLine::tr("the preview is %1 x %2 pixels, but the picture format %3 holds at most %4 x %4; "
                               "give it a suffix such as .png")
            .arg(looks.width())
            .arg(looks.height())
            .arg(suffix)
            .arg(largest);
    return {};
}

} // namespace

// The picture is made whole in memory, where the image libraries have
// nothing to complain of, and then placed as a cursor would be.
bool writePreview(const QString &picture, const QImage &looks, const Options &options)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const QByteArray format = options.previewFormat.isEmpty() ? QByteArrayLiteral("png") : options.previewFormat;
    QImageWriter writer(&buffer, format);
    QString problem = formatProblem(format, looks);
    // The looks --show printed come first when both go to standard output.
    std::fflush(stdout);
    // Qt's writers give no reason of their own for most failures.
    if (problem.isEmpty() && (!buffer.open(QIODevice::WriteOnly) || !writer.write(looks)))
        problem = writer.error() != QImageWriter::UnknownError
                      ? writer.errorString()
                      : CommandLine::tr("the %1 writer could not write a picture of %2 x %3 pixels")
                            .arg(QString::fromLatin1(format))
                            .arg(looks.width())
                            .arg(looks.height());
    if (problem.isEmpty()) {
        if (const Placed placed = placeFile(options.preview, bytes, {&options.protectedPictures}); !placed.ok())
            problem = placingProblem(placed);
    }
    if (problem.isEmpty())
        return true;
    complain(pictureProblem(
        picture, CommandLine::tr("cannot write the preview %1: %2").arg(quotedPath(options.preview), problem)));
    return false;
}

namespace {

// The whole of a file that its first bytes say is a cursor file, read by
// one opening; nothing, with no problem, for any other file, which a
// picture's reader reads itself.
std::optional<QByteArray> cursorFileBytes(const QString &file, QString &problem)
{
    QFile opened(file);
    if (!QFileInfo(file).isFile() || !opened.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = opened.read(12);
    if (cursorFileKind(bytes) == CursorFileKind::None)
        return std::nullopt;
    bytes += opened.read(kLargestCursorFileSize + 1 - bytes.size());
    if (opened.error() != QFileDevice::NoError) {
        problem = opened.errorString();
        return std::nullopt;
    }
    if (bytes.size() > kLargestCursorFileSize) {
        problem = CommandLine::tr("the cursor file is larger than %n MB", nullptr, int(kLargestCursorFileSize >> 20));
        return std::nullopt;
    }
    return bytes;
}

} // namespace

QImage stackedLooks(const QList<CursorImage> &images)
{
    QList<QImage> parts;
    int width = 0, height = 0;
    for (const CursorImage &image : images) {
        parts.append(renderLooks(image, image.hasHotSpot ? QString() : CommandLine::tr("an icon has no hot spot")));
        if (parts.last().isNull())
            return {};
        width = qMax(width, parts.last().width());
        height += parts.last().height();
    }
    if (parts.size() == 1)
        return parts.first();
    QImage stacked(width, height, QImage::Format_RGB32);
    if (stacked.isNull())
        return {};
    stacked.fill(parts.first().pixel(0, 0));
    QPainter painter(&stacked);
    int y = 0;
    for (const QImage &part : parts) {
        painter.drawImage(0, y, part);
        y += part.height();
    }
    return stacked;
}

namespace {

// A cursor, icon or animated cursor shown as what it is: every image.
bool showCursorFile(const QString &file, const QByteArray &bytes, const Options &options)
{
    const CursorFileLooks looks = readCursorLooks(bytes, file);
    if (!looks.problem.isEmpty()) {
        complain(pictureProblem(file, looks.problem));
        return false;
    }
    QString text;
    for (const CursorImage &image : looks.images)
        text += looksAsText(image, shownName(file));
    if (!writeLooks(file, text.toUtf8()))
        return false;
    if (options.preview.isEmpty())
        return true;
    if (looks.images.size() > kMostImagesDrawn) {
        complain(pictureProblem(file, CommandLine::tr("the preview draws at most %1 images, but the file holds %2")
                                          .arg(kMostImagesDrawn)
                                          .arg(looks.images.size())));
        return false;
    }
    return writePreview(file, stackedLooks(looks.images), options);
}

} // namespace

bool show(const QString &file, const Options &options)
{
    std::optional<QByteArray> input;
    if (namesStandardInput(file)) {
        QString problem;
        if (!(input = readStandardInput(problem))) {
            complain(pictureProblem(file, problem));
            return false;
        }
        if (cursorFileKind(*input) != CursorFileKind::None)
            return showCursorFile(file, *input, options);
    } else {
        QString problem;
        if (const std::optional<QByteArray> bytes = cursorFileBytes(file, problem))
            return showCursorFile(file, *bytes, options);
        if (!problem.isEmpty()) {
            complain(pictureProblem(file, problem));
            return false;
        }
    }
    const MadeCursor made = makeCursorOf(file, input, options);
    if (!made.ok()) {
        complain(pictureProblem(file, made.problem));
        return false;
    }
    const CursorFileLooks looks = readCursorLooks(cursorFileOf(made), file);
    if (!looks.problem.isEmpty()) {
        complain(pictureProblem(file, CommandLine::tr("the cursor could not be encoded")));
        return false;
    }
    QString text;
    for (const CursorImage &image : looks.images)
        text += looksAsText(image, shownName(file));
    if (!writeLooks(file, text.toUtf8()))
        return false;
    if (!options.preview.isEmpty() && !writePreview(file, stackedLooks(looks.images), options))
        return false;
    warnOfPartUsed(file, made, options);
    warnOfInvisibleCursor(file, made);
    warnOfUnmatchedKeys(file, made.keys, options);
    return true;
}

} // namespace pixelwick
