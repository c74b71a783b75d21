// SPDX-License-Identifier: MIT
#include "cursor_pictures.h"

#include "mask_encoder.h"
#include "messages.h"
#include "picture_loading.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <tuple>

namespace pixelwick {

namespace {

class CursorLooks {
    Q_DECLARE_TR_FUNCTIONS(CursorLooks)
};

Look byBrightness(QRgb colour)
{
    return isLight(qRed(colour), qGreen(colour), qBlue(colour)) ? Look::White : Look::Black;
}

// A 32-bit image whose alpha is nowhere set is drawn by its mask instead,
// as one without alpha.
bool usesAlpha(const StoredImage &stored, const QImage &colours)
{
    if (stored.image.png)
        return true;
    if (stored.image.colourDepth != 32)
        return false;
    for (int y = 0; y < colours.height(); ++y)
        for (int x = 0; x < colours.width(); ++x)
            if (qAlpha(colours.pixel(x, y)) != 0)
                return true;
    return false;
}

// A colour image's pixels as a picture: its own colours and alpha, or,
// drawn by its mask, transparent where the mask lets a black pixel through
// and, listed in `inverted`, where it lets a colour change the screen.
QImage colourPicture(const StoredImage &stored, const QString &name, const WhileReading &whileReading,
                     QList<QPoint> &inverted, QString &problem)
{
    const CursorImage &image = stored.image;
    const LoadedPicture loaded =
        loadPictureBytes(stored.colours, name, image.png ? QStringLiteral("png") : QStringLiteral("bmp"),
                         kLargestCursorSide, whileReading);
    if (!loaded.ok()) {
        problem = loaded.error;
        return {};
    }
    QImage colours = loaded.image.convertToFormat(QImage::Format_ARGB32);
    if (colours.width() != image.width || colours.height() != image.height) {
        problem = CursorLooks::tr("The image's colours could not be read whole.");
        return {};
    }
    if (usesAlpha(stored, colours))
        return colours;
    for (int y = 0; y < image.height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(colours.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const qsizetype at = qsizetype(y) * image.width + x;
            const bool masked = at < stored.masked.size() && stored.masked[at];
            if (masked && (row[x] & 0xFFFFFF) == 0) {
                row[x] = 0;
                continue;
            }
            if (masked)
                inverted.append(QPoint(x, y));
            row[x] |= 0xFF000000u;
        }
    }
    return colours;
}

QString colourLooks(StoredImage &stored, const QString &name)
{
    CursorImage &image = stored.image;
    QList<QPoint> inverted;
    QString problem;
    const QImage colours = colourPicture(stored, name, {}, inverted, problem);
    if (colours.isNull())
        return problem;
    image.looks.reserve(qsizetype(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const QRgb colour = colours.pixel(x, y);
            image.looks.append(qAlpha(colour) < 128 ? Look::Transparent : byBrightness(colour));
        }
    }
    for (const QPoint &pixel : std::as_const(inverted))
        image.looks[qsizetype(pixel.y()) * image.width + pixel.x()] = Look::Inverted;
    return {};
}

// The image a window opens of a file of several: the 32 x 32 one, else the
// one nearest that size; of those, a black and white one first, as the
// cursor it becomes is, then the larger, which fills the cursor, then the
// first in the file.
qsizetype chosenImage(const QList<StoredImage> &images)
{
    qsizetype chosen = 0;
    const auto rank = [](const StoredImage &stored) {
        const CursorImage &image = stored.image;
        const int distance = qMax(qAbs(image.width - kCursorSize), qAbs(image.height - kCursorSize));
        return std::tuple{distance, image.colourDepth == 0 ? 0 : 1, -image.width};
    };
    for (qsizetype i = 1; i < images.size(); ++i) {
        if (rank(images[i]) < rank(images[chosen]))
            chosen = i;
    }
    return chosen;
}

} // namespace

CursorFileLooks readCursorLooks(QByteArrayView bytes, const QString &name)
{
    CursorFileReading reading = readCursorFile(bytes);
    if (!reading.problem.isEmpty())
        return {{}, reading.problem};
    CursorFileLooks looks;
    for (StoredImage &stored : reading.images) {
        if (stored.image.looks.isEmpty()) {
            if (const QString problem = colourLooks(stored, name); !problem.isEmpty())
                return {{},
                        CursorLooks::tr("Image %1 of %2: %3")
                            .arg(stored.image.image)
                            .arg(stored.image.images)
                            .arg(problem)};
        }
        looks.images.append(std::move(stored.image));
    }
    return looks;
}

} // namespace pixelwick

namespace pixelwick {

LoadedPicture cursorPicture(const QByteArray &bytes, const QString &name, const WhileReading &whileReading)
{
    const CursorFileReading reading = readCursorFile(bytes);
    if (!reading.problem.isEmpty())
        return {{}, CursorLooks::tr("The cursor %1 cannot be read: %2").arg(quotedPath(name), reading.problem)};
    const StoredImage &stored = reading.images[chosenImage(reading.images)];
    const CursorImage &image = stored.image;
    LoadedPicture opened;
    if (stored.image.looks.isEmpty()) {
        QString problem;
        opened.image = colourPicture(stored, name, whileReading, opened.invertedPixels, problem);
        if (opened.image.isNull())
            return {{}, CursorLooks::tr("The cursor %1 cannot be read: %2").arg(quotedPath(name), problem)};
    } else {
        // Black, white and see-through as they are; the inverting pixels
        // take the invert key's colour when shown, until then its default.
        const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgba(0, 0, 0, 0),
                                colourOf(kDefaultKeyColours.invert).rgb()};
        opened.image = QImage(image.width, image.height, QImage::Format_ARGB32);
        for (int y = 0; y < image.height; ++y) {
            auto *row = reinterpret_cast<QRgb *>(opened.image.scanLine(y));
            for (int x = 0; x < image.width; ++x) {
                const Look look = image.lookAt(x, y);
                row[x] = colours[int(look)];
                if (look == Look::Inverted)
                    opened.invertedPixels.append(QPoint(x, y));
            }
        }
    }
    opened.size = opened.image.size();
    opened.bytes = bytes;
    opened.fromCursorFile = true;
    if (image.hasHotSpot)
        opened.hotSpot = QPoint(image.hotSpotX, image.hotSpotY);
    opened.imagesInFile = int(reading.images.size());
    return opened;
}

LoadedPicture loadPictureOrCursorBytes(const QByteArray &bytes, const QString &name, const QString &suffix,
                                       const PictureRegion &region, const WhileReading &whileReading)
{
    const CursorFileKind kind = cursorFileKind(bytes);
    if (kind == CursorFileKind::Cursor || kind == CursorFileKind::Icon)
        return cursorPicture(bytes, name, whileReading);
    return loadPictureBytes(bytes, name, suffix, region, whileReading);
}

LoadedPicture loadPictureOrCursor(const QString &path, const WhileReading &whileReading, const PictureRegion &region)
{
    const LoadedPicture read = readPictureFile(path);
    if (!read.ok())
        return read;
    LoadedPicture loaded = loadPictureOrCursorBytes(read.bytes, path, QFileInfo(path).suffix(), region, whileReading);
    loaded.identity = read.identity;
    return loaded;
}

} // namespace pixelwick
