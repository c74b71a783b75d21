// SPDX-License-Identifier: MIT
#include "picture_loading.h"

#include "animated_pictures.h"
#include "colour_corrections.h"
#include "format_signatures.h"
#include "formats/format_walk.h"
#include "guarded_reading.h"
#include "message_capture.h"
#include "messages.h"
#include "picture_structure.h"
#include "sanitizer_build.h"
#include "xcursor_file.h"
#include "xcursor_pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStringList>
#include <QtNumeric>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace pixelwick {

namespace {

// Pictures are refused by size before any pixel memory is taken; only the
// top-left 32 x 32 pixels are ever used. 16 million pixels (a 4096 x 4096
// picture, 64 MB) keep a load well within 100 MB of memory. A reader that
// can stop at the top-left corner may take pictures four times as large
// from files over a megabyte: camera photos come in files that size.
constexpr qint64 kMostPixels = qint64(16) << 20;
constexpr qint64 kMostPixelsClipped = qint64(64) << 20;
constexpr qint64 kLargeFile = qint64(1) << 20;
// No format needs more than this for a picture of the size allowed: a
// 4096 x 4096 picture of 16 bits a channel, uncompressed, with room over.
constexpr qint64 kLargestFile = qint64(256) << 20;
// Qt refuses an image of exactly its limit, so it gets a megabyte more: the
// size check above is the one that decides.
constexpr int kAllocationLimitMegabytes = int(kMostPixels * 4 >> 20) + 1;

class Picture {
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

QString incomplete(const QString &shown)
{
    return Picture::tr("The picture %1 is incomplete: the file ends before the picture does.").arg(shown);
}

QString damaged(const QString &shown, const QString &reason)
{
    return Picture::tr("The picture %1 is damaged or cannot be read (%2).").arg(shown, reason);
}

bool tooLarge(qint64 width, qint64 height, qint64 mostPixels = kMostPixels)
{
    qint64 pixels = 0;
    return qMulOverflow(width, height, &pixels) || pixels > mostPixels;
}

QString tooLargeMessage(const QString &shown, qint64 width, qint64 height)
{
    return Picture::tr("The picture %1 is too large to load (%2 × %3 pixels).").arg(shown).arg(width).arg(height);
}

QString claimsTooMuch(const QString &shown, qint64 width, qint64 height, qint64 fileSize)
{
    return damaged(shown, Picture::tr("its header claims %1 × %2 pixels, more than a file of %3 bytes can hold")
                              .arg(width)
                              .arg(height)
                              .arg(fileSize));
}

QString cannotRead(const QString &shown, const QString &why)
{
    return Picture::tr("The picture %1 cannot be read: %2.").arg(shown, why);
}

// Why too few descriptors are left to read a picture (its image plugin
// could not be opened), or an empty text.
QString descriptorShortage()
{
    constexpr int kNeeded = 2;
    int spare[kNeeded];
    int taken = 0;
    QString problem;
    for (; taken < kNeeded; ++taken) {
        spare[taken] = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        if (spare[taken] < 0) {
            problem = QString::fromLocal8Bit(std::strerror(errno));
            break;
        }
    }
    while (taken > 0)
        ::close(spare[--taken]);
    return problem;
}

// Qt's bitmap reader writes into the image it is given when that has the
// size and format it would make, and leaves the pixels that a run-length
// stream skips, or that a cut row never reaches, as they were. Given one
// of zeros, those pixels are the first palette colour, as in a new bitmap,
// whatever memory held before. Else a null image: Qt makes its own.
QImage blankPalettedBitmap(const QByteArray &format, QByteArrayView bytes)
{
    constexpr qint64 kInfoHeader = 14;
    const formats::FileBytes file(bytes);
    if (format != "bmp" || !file.holds(kInfoHeader, 16))
        return {};
    if (file.le32(kInfoHeader) < 40)
        return {}; // OS/2 bitmaps: left to Qt
    const qint64 width = qint32(file.le32(kInfoHeader + 4));
    const qint64 height = qAbs(qint64(qint32(file.le32(kInfoHeader + 8))));
    const int bits = file.le16(kInfoHeader + 14);
    if (width <= 0 || height <= 0 || tooLarge(width, height) || (bits != 1 && bits != 4 && bits != 8))
        return {};
    QImage blank(int(width), int(height), bits == 1 ? QImage::Format_Mono : QImage::Format_Indexed8);
    if (!blank.isNull())
        blank.fill(0);
    return blank;
}

bool drawnFromLines(const QByteArray &format)
{
    return format == "svg" || format == "svgz";
}

// While it lives, this process can open no descriptor: no file, no
// socket, no pipe (open() fails before a pipe could make it wait). Only the
// soft limit is lowered, below the lowest free descriptor, and it is put
// back after; those open stay usable.
class NoNewDescriptors {
#if PIXELWICK_HAS_SANITIZER
    // UndefinedBehaviorSanitizer tells readable memory by writing it into a
    // pipe; without one it reports every object as broken.
    static constexpr int kSanitizerRoom = 2;
#else
    static constexpr int kSanitizerRoom = 0;
#endif

public:
    NoNewDescriptors()
    {
        const int lowest = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
        if (lowest < 0 || ::getrlimit(RLIMIT_NOFILE, &m_saved) != 0)
            return;
        ::close(lowest);
        rlimit lowered = m_saved;
        lowered.rlim_cur = rlim_t(lowest + kSanitizerRoom);
        m_lowered = ::setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~NoNewDescriptors()
    {
        if (m_lowered)
            ::setrlimit(RLIMIT_NOFILE, &m_saved);
    }
    NoNewDescriptors(const NoNewDescriptors &) = delete;
    NoNewDescriptors &operator=(const NoNewDescriptors &) = delete;

private:
    rlimit m_saved{};
    bool m_lowered = false;
};

// The size the reader gives the picture: a picture drawn from lines (SVG)
// with its longer side `drawnSide` long where that is given, every other
// at its own size.
QSize drawnSize(QImageReader &reader, const QByteArray &format, int drawnSide)
{
    const QSize own = reader.size();
    if (drawnSide <= 0 || !own.isValid() || !drawnFromLines(format))
        return own;
    const qint64 longer = qMax(own.width(), own.height());
    const QSize drawn(int(qMax<qint64>(1, (own.width() * qint64(drawnSide) + longer / 2) / longer)),
                      int(qMax<qint64>(1, (own.height() * qint64(drawnSide) + longer / 2) / longer)));
    reader.setScaledSize(drawn);
    return drawn;
}

// The largest size of the proportions of `size` with no more than `pixels`.
QSize fittingSize(QSize size, qint64 pixels)
{
    const double scale = std::sqrt(double(pixels) / (double(size.width()) * size.height()));
    QSize fitting(qMax(1, int(size.width() * scale)), qMax(1, int(size.height() * scale)));
    while (qint64(fitting.width()) * fitting.height() > pixels)
        fitting = QSize(qMax(1, fitting.width() - 1), qMax(1, fitting.height() - 1));
    return fitting;
}

// Other readers (TIFF's among them) likewise fill the image they are given
// when it has the size and format they would make, and may leave pixels
// the file never sets as memory held them, which in a reader that has read
// other pictures is what those left: given one of zeros, such a pixel is
// the same in every run. Else a null image.
QImage blankImage(QSize size, QImage::Format format)
{
    if (format <= QImage::Format_Invalid || format >= QImage::NImageFormats || size.isEmpty())
        return {};
    // Zeros from calloc, which for a large picture are pages the system
    // hands over zeroed: a whole picture is not gone over once more.
    const qsizetype rowBytes = QImage(size.width(), 1, format).bytesPerLine();
    void *zeros = rowBytes > 0 ? std::calloc(size_t(rowBytes), size_t(size.height())) : nullptr;
    if (!zeros)
        return {};
    return QImage(
        static_cast<uchar *>(zeros), size.width(), size.height(), rowBytes, format, [](void *held) { std::free(held); },
        zeros);
}

// Reads the picture from `device`, whose whole content is `bytes`. A file
// lets Qt's reader go by its suffix too; `suffix` does the same for a
// device that is not a file, for formats without a signature of their own.
LoadedPicture decode(QIODevice &device, QByteArrayView bytes, const QString &shown, const QString &suffix = {},
                     const PictureRegion &region = {})
{
    // No image plugin reads pointers of X11 and Wayland desktops.
    if (isXcursor(bytes))
        return xcursorPicture(bytes, shown, region);
    MessageCapture capture;
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    // The format the first bytes name is tried first, then the one the
    // suffix names; a wrong name leaves it to the content, as Qt does with a
    // file's suffix. Named, only that format's reader is loaded.
    std::optional<QImageReader> reader;
    const auto tryNamed = [&](const QByteArray &format) {
        if (format.isEmpty())
            return;
        reader.emplace(&device, format);
        // Otherwise Qt asks every plugin, loading each, before its own reader.
        reader->setAutoDetectImageFormat(false);
        if (!reader->canRead()) {
            reader.reset();
            device.seek(0);
        }
    };
    tryNamed(formatBySignature(bytes));
    if (!reader)
        tryNamed(suffix.toLower().toLatin1());
    if (!reader)
        reader.emplace(&device);
    const QByteArray format = reader->format();
    if (format.isEmpty() && !descriptorShortage().isEmpty())
        return {{}, cannotRead(shown, descriptorShortage())};
    if (format.isEmpty())
        return {{}, Picture::tr("%1 is not a picture in any format this program can read.").arg(shown)};

    const StructureCheck structure = checkStructure(format, bytes);
    const bool clipped = reader->supportsOption(QImageIOHandler::ClipRect);
    const qint64 mostPixels = clipped && bytes.size() > kLargeFile ? kMostPixelsClipped : kMostPixels;
    // A header's own claim to be huge is the clearer message.
    if (structure.width > 0 && structure.height > 0 && tooLarge(structure.width, structure.height, mostPixels))
        return {{}, tooLargeMessage(shown, structure.width, structure.height)};
    if (structure.decoderBytes > kMostPixels * 4)
        return {{}, tooLargeMessage(shown, structure.width, structure.height)};
    switch (structure.verdict) {
    case StructureCheck::Verdict::Whole: break;
    case StructureCheck::Verdict::Incomplete: return {{}, incomplete(shown)};
    case StructureCheck::Verdict::Damaged: return {{}, damaged(shown, structure.reason)};
    }

    // A header that claims more pixels than the file could hold would have
    // the reader spend time and memory on pixels that are not there.
    if (structure.maxPixels > 0 && tooLarge(structure.width, structure.height, structure.maxPixels))
        return {{}, claimsTooMuch(shown, structure.width, structure.height, bytes.size())};

    // Where the format marks its own end, the reader gets just the picture;
    // where the check made a copy that is safe to read, it gets that.
    QBuffer picture;
    if (!structure.readerBytes.isEmpty() || (structure.length > 0 && structure.length < bytes.size())) {
        picture.setData(structure.readerBytes.isEmpty() ? bytes.first(structure.length).toByteArray()
                                                        : structure.readerBytes);
        picture.open(QIODevice::ReadOnly);
        // An SVGZ is given unpacked; only the plugin already loaded reads it.
        reader.emplace(&picture, format == "svgz" ? QByteArray("svg") : format);
        reader->setAutoDetectImageFormat(false);
    }

    // Qt's SVG plugin parses the document when asked for its size.
    std::optional<NoNewDescriptors> sealed;
    if (structure.selfContained)
        sealed.emplace();
    QSize claimed = drawnSize(*reader, format, region.drawnSide);
    QSize target = claimed;
    QPoint origin;
    if (claimed.isValid()) {
        if (tooLarge(claimed.width(), claimed.height(), mostPixels))
            return {{}, tooLargeMessage(shown, claimed.width(), claimed.height())};
        if (structure.maxPixels > 0 && tooLarge(claimed.width(), claimed.height(), structure.maxPixels))
            return {{}, claimsTooMuch(shown, claimed.width(), claimed.height(), bytes.size())};
        if (region.isWhole() && tooLarge(claimed.width(), claimed.height(), kMostPixelsWhole)) {
            // Only a reader that can stop at a part takes such pictures,
            // and one that can also read them smaller does so.
            if (!reader->supportsOption(QImageIOHandler::ScaledSize))
                return {{}, tooLargeMessage(shown, claimed.width(), claimed.height())};
            target = fittingSize(claimed, kMostPixelsWhole);
            reader->setScaledSize(target);
        } else if (clipped && !region.isWhole()) {
            // Only the part is used; readers that can stop there do.
            const QRect part = QRect(region.from, QSize(region.side, region.side)) & QRect(QPoint(0, 0), claimed);
            if (part.isEmpty())
                return {QImage(), {}, claimed};
            reader->setClipRect(part);
            origin = part.topLeft();
            target = part.size();
        }
    }

    QImage image = blankPalettedBitmap(format, bytes);
    if (image.isNull() && target.isValid() && (target == claimed || !clipped))
        image = blankImage(target, reader->imageFormat());
    if (!reader->read(&image))
        image = QImage();
    image = withExactColours(format, picture.isOpen() ? QByteArrayView(picture.data()) : bytes, std::move(image));
    if (const QString damage = capture.damage(); !damage.isEmpty())
        return {{}, damaged(shown, damage)};
    if (image.isNull()) {
        if (const QString shortage = descriptorShortage(); !shortage.isEmpty())
            return {{}, cannotRead(shown, shortage)};
        const QString said = capture.all();
        // Deep pictures (16 bits a channel) take twice the memory per pixel,
        // so Qt's own limit can be what refuses them.
        if (said.contains(QLatin1String("allocation limit")) && claimed.isValid())
            return {{}, tooLargeMessage(shown, claimed.width(), claimed.height())};
        return {{},
                damaged(shown,
                        said.isEmpty() ? reader->errorString() : reader->errorString() + QStringLiteral(": ") + said)};
    }
    // A palette picture may use more colours than its palette holds, and
    // Qt would look them up past its end: they are black, as elsewhere.
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono
        || image.format() == QImage::Format_MonoLSB) {
        const qsizetype colours = image.format() == QImage::Format_Indexed8 ? 256 : 2;
        QList<QRgb> table = image.colorTable();
        if (table.size() < colours) {
            table.resize(colours, qRgb(0, 0, 0));
            image.setColorTable(table);
        }
    }
    // Pixels a run-length bitmap skips are left as they were in memory by
    // Qt's reader; they are the first palette colour, as in a new bitmap.
    if (image.format() == QImage::Format_Indexed8) {
        for (const QPoint &point : structure.unsetPixels) {
            if (image.valid(point))
                image.setPixel(point, 0);
        }
    }
    // A "@2x" file name makes Qt mark the picture as high-density, which
    // would draw it at half size; the preview wants its pixels one to one.
    image.setDevicePixelRatio(1.0);
    // The whole picture's size, also where only a part or a smaller
    // version of it was read.
    LoadedPicture loaded(image, {}, claimed.isValid() && (clipped || target != claimed) ? claimed : image.size());
    loaded.origin = origin;
    loaded.drawn = region.drawnSide > 0 && drawnFromLines(format);
    return loaded;
}

// The part of `loaded` that `region` asks for, where its reader could not
// stop there itself.
LoadedPicture cut(LoadedPicture loaded, const PictureRegion &region)
{
    if (!loaded.ok() || region.isWhole() || loaded.image.isNull())
        return loaded;
    const QRect wanted(region.from, QSize(region.side, region.side));
    const QRect held(loaded.origin, loaded.image.size());
    const QRect part = wanted & held;
    if (part == held)
        return loaded;
    loaded.image = part.isEmpty() ? QImage() : loaded.image.copy(part.translated(-loaded.origin));
    loaded.origin = part.isEmpty() ? region.from : part.topLeft();
    return loaded;
}

// The file to its end, but no more than one byte past the largest allowed.
// The buffer is sized by the file, not by that limit, so that reading a
// small picture needs little memory, also under a limit on address space;
// a file that grows meanwhile is followed.
QByteArray readWhole(QFile &file, qint64 expected)
{
    QByteArray bytes(qBound<qint64>(1, expected + 1, kLargestFile + 1), Qt::Uninitialized);
    qint64 filled = 0;
    for (;;) {
        const qint64 read = file.read(bytes.data() + filled, bytes.size() - filled);
        if (read <= 0)
            break;
        filled += read;
        if (filled < bytes.size())
            continue;
        if (bytes.size() > kLargestFile)
            break;
        bytes.resize(qMin<qint64>(bytes.size() * 2, kLargestFile + 1));
    }
    bytes.truncate(filled);
    return bytes;
}

LoadedPicture decodeRequest(const PictureRequest &request)
{
    QBuffer buffer;
    buffer.setData(request.bytes);
    buffer.open(QIODevice::ReadOnly);
    LoadedPicture still =
        cut(decode(buffer, request.bytes, request.shown, request.suffix, request.region), request.region);
    return request.region.frames ? withFrames(std::move(still), request) : still;
}

LoadedPicture readInReader(const PictureRequest &request, const WhileReading &whileReading = {})
{
    return readGuarded(decodeRequest, request, whileReading);
}

} // namespace

LoadedPicture readPictureFile(const QString &path)
{
    if (path.isEmpty())
        return {{}, Picture::tr("No picture file was named.")};
    const QFileInfo info(path);
    const QString shown = quotedPath(path);
    if (!info.exists())
        return {{}, Picture::tr("The picture %1 does not exist.").arg(shown)};
    if (info.isDir())
        return {{}, Picture::tr("%1 is a folder, not a picture.").arg(shown)};
    // Pipes and devices could block or never end.
    if (!info.isFile())
        return {{}, Picture::tr("%1 is not an ordinary file, so it cannot be a picture.").arg(shown)};
    if (info.size() == 0)
        return {{}, Picture::tr("The picture %1 is empty.").arg(shown)};
    if (info.size() > kLargestFile)
        return {{}, Picture::tr("The picture %1 is too large to load (%2 bytes).").arg(shown).arg(info.size())};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Picture::tr("The picture %1 cannot be opened: %2.").arg(shown, file.errorString())};
    LoadedPicture read;
    read.identity = identityOf(file.handle());
    // Read once, whole: a file that another program shortens or rewrites
    // meanwhile cannot change what the checks and the reader see.
    read.bytes = readWhole(file, info.size());
    if (file.error() != QFileDevice::NoError)
        return {{}, cannotRead(shown, file.errorString())};
    if (read.bytes.isEmpty())
        return {{}, Picture::tr("The picture %1 is empty.").arg(shown)};
    if (read.bytes.size() > kLargestFile)
        return {{}, Picture::tr("The picture %1 is too large to load (%2 bytes).").arg(shown).arg(read.bytes.size())};
    return read;
}

LoadedPicture loadPicture(const QString &path, const WhileReading &whileReading, const PictureRegion &region)
{
    const LoadedPicture read = readPictureFile(path);
    if (!read.ok())
        return read;
    LoadedPicture loaded = readInReader({read.bytes, quotedPath(path), QFileInfo(path).suffix(), region}, whileReading);
    loaded.identity = read.identity;
    if (loaded.ok())
        loaded.bytes = read.bytes;
    return loaded;
}

LoadedPicture loadPictureBytes(const QByteArray &bytes, const QString &name, const QString &suffix,
                               const PictureRegion &region, const WhileReading &whileReading)
{
    if (bytes.isEmpty())
        return {{}, Picture::tr("The picture %1 is empty.").arg(quotedPath(name))};
    LoadedPicture loaded = readInReader({bytes, quotedPath(name), suffix, region}, whileReading);
    if (loaded.ok())
        loaded.bytes = bytes;
    return loaded;
}

LoadedPicture loadPictureData(const QByteArray &bytes, const QString &name, const PictureRegion &region)
{
    if (bytes.isEmpty())
        return {{}, Picture::tr("The picture %1 is empty.").arg(quotedPath(name))};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, bytes, quotedPath(name), QFileInfo(name).suffix(), region);
}

QImage composePreview(const QImage &picture, const QColor &background, const QColor &transparentAs, int size)
{
    return composePart(picture, QPoint(0, 0), QSize(size, size), background, transparentAs);
}

QImage composePart(const QImage &picture, QPoint from, QSize size, const QColor &background,
                   const QColor &transparentAs)
{
    QImage preview(size, QImage::Format_RGB32);
    preview.fill(background.rgb());
    if (picture.isNull())
        return preview;
    QPainter painter(&preview);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(-from, picture);
    painter.end();
    if (!transparentAs.isValid() || !picture.hasAlphaChannel())
        return preview;
    // As icon tools take it: more than half transparent is transparent.
    constexpr int kOpaqueFrom = 128;
    const QRect shown = QRect(from, size) & picture.rect();
    for (int y = shown.top(); y <= shown.bottom(); ++y) {
        for (int x = shown.left(); x <= shown.right(); ++x) {
            if (qAlpha(picture.pixel(x, y)) < kOpaqueFrom)
                preview.setPixel(x - from.x(), y - from.y(), transparentAs.rgb());
        }
    }
    return preview;
}

ImagePixelSource::ImagePixelSource(QImage preview) : m_preview(std::move(preview)) {}

ColourValue ImagePixelSource::colourAt(int x, int y) const
{
    if (!m_preview.valid(x, y))
        return kNoColour;
    const QRgb rgb = m_preview.pixel(x, y);
    return colourValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

ColourValue colourValueOf(const QColor &colour)
{
    const QRgb rgb = colour.rgb();
    return colourValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QColor colourOf(ColourValue value)
{
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

} // namespace pixelwick
