#include "picture_loading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <cstdlib>

namespace pixelwick {

namespace {

// Larger pictures are refused before any pixel memory is taken; only the
// top-left 32 x 32 pixels are ever used.
constexpr int kAllocationLimitMegabytes = 256;

QString quoted(const QString &path)
{
    return QStringLiteral("“%1”").arg(QDir::toNativeSeparators(path));
}

quint32 littleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes.at(offset + i));
    return value;
}

struct BitmapHeader {
    bool readable = false;
    qint64 width = 0;
    qint64 height = 0;
    qint64 bytesNeeded = 0;
};

// Qt's bitmap reader fills a short file's missing rows instead of failing,
// and a bitmap stores its top rows last, so the header's sizes are checked
// against the file's.
BitmapHeader bitmapHeader(QFile &file)
{
    // The reader has already moved through the file; read from its start.
    const qint64 position = file.pos();
    file.seek(0);
    const QByteArray header = file.read(54);
    file.seek(position);
    BitmapHeader result;
    if (header.size() < 26)
        return result;
    const qint64 pixelOffset = littleEndian(header, 10, 4);
    const quint32 infoSize = littleEndian(header, 14, 4);
    qint64 bitsPerPixel = 0;
    quint32 compression = 0;
    qint64 imageSize = 0;
    if (infoSize == 12) {
        result.width = littleEndian(header, 18, 2);
        result.height = littleEndian(header, 20, 2);
        bitsPerPixel = littleEndian(header, 24, 2);
    } else {
        if (header.size() < 38)
            return result;
        result.width = std::abs(qint64(qint32(littleEndian(header, 18, 4))));
        result.height = std::abs(qint64(qint32(littleEndian(header, 22, 4))));
        bitsPerPixel = littleEndian(header, 28, 2);
        compression = littleEndian(header, 30, 4);
        imageSize = littleEndian(header, 34, 4);
    }
    // Uncompressed rows (plain or bit fields) have a known length; for
    // run-length data the header's own byte count is all there is to check.
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    const qint64 rowBytes = (result.width * bitsPerPixel + 31) / 32 * 4;
    result.bytesNeeded = pixelOffset + (uncompressed ? rowBytes * result.height : imageSize);
    result.readable = true;
    return result;
}

QString incomplete(const QString &shown)
{
    return QStringLiteral("The picture %1 is incomplete: the file ends before the picture does.").arg(shown);
}

bool tooLarge(qint64 width, qint64 height)
{
    return width * height * 4 > qint64(kAllocationLimitMegabytes) * 1024 * 1024;
}

QString tooLargeMessage(const QString &shown, qint64 width, qint64 height)
{
    return QStringLiteral("The picture %1 is too large to load (%2 × %3 pixels).").arg(shown).arg(width).arg(height);
}

// Qt's GIF reader also returns what it has of a cut-off file; a whole GIF
// ends with its trailer byte (some writers pad after it with zeros).
bool gifIsComplete(QFile &file)
{
    const qint64 position = file.pos();
    const qint64 tail = qMin<qint64>(file.size(), 4096);
    if (!file.seek(file.size() - tail))
        return false;
    const QByteArray end = file.read(tail);
    file.seek(position);
    for (qsizetype i = end.size() - 1; i >= 0; --i) {
        if (end.at(i) != '\0')
            return end.at(i) == ';';
    }
    return false;
}

} // namespace

LoadedPicture loadPicture(const QString &path)
{
    if (path.isEmpty())
        return {{}, QStringLiteral("No picture file was named.")};
    const QFileInfo info(path);
    const QString shown = quoted(path);
    if (!info.exists())
        return {{}, QStringLiteral("The picture %1 does not exist.").arg(shown)};
    if (info.isDir())
        return {{}, QStringLiteral("%1 is a folder, not a picture.").arg(shown)};
    // Pipes and devices could block or never end.
    if (!info.isFile())
        return {{}, QStringLiteral("%1 is not an ordinary file, so it cannot be a picture.").arg(shown)};
    if (info.size() == 0)
        return {{}, QStringLiteral("The picture %1 is empty.").arg(shown)};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("The picture %1 cannot be opened: %2.").arg(shown, file.errorString())};

    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    QImageReader reader(&file);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return {{}, QStringLiteral("%1 is not a picture in any format this program can read.").arg(shown)};
    // Qt refuses a bitmap that claims too many pixels before it reports a
    // size, so its header is read here to say what is wrong.
    if (format == "bmp") {
        const BitmapHeader header = bitmapHeader(file);
        if (header.readable && tooLarge(header.width, header.height))
            return {{}, tooLargeMessage(shown, header.width, header.height)};
        if (!header.readable || file.size() < header.bytesNeeded)
            return {{}, incomplete(shown)};
    }
    const QSize claimed = reader.size();
    if (claimed.isValid() && tooLarge(claimed.width(), claimed.height()))
        return {{}, tooLargeMessage(shown, claimed.width(), claimed.height())};
    if (format == "gif" && !gifIsComplete(file))
        return {{}, incomplete(shown)};

    QImage image = reader.read();
    if (image.isNull())
        return {{}, QStringLiteral("The picture %1 is damaged or cannot be read (%2).").arg(shown, reader.errorString())};
    // A "@2x" file name makes Qt mark the picture as high-density, which
    // would draw it at half size; the preview wants its pixels one to one.
    image.setDevicePixelRatio(1.0);
    return {image, {}};
}

QImage composePreview(const QImage &picture, const QColor &background)
{
    QImage preview(kCursorSize, kCursorSize, QImage::Format_RGB32);
    preview.fill(background.rgb());
    if (!picture.isNull()) {
        QPainter painter(&preview);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(QPoint(0, 0), picture, QRect(0, 0, kCursorSize, kCursorSize));
    }
    return preview;
}

ImagePixelSource::ImagePixelSource(QImage preview) : m_preview(std::move(preview)) {}

ColourValue ImagePixelSource::colourAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= kCursorSize || y >= kCursorSize || !m_preview.valid(x, y))
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
