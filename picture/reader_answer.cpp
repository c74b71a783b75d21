// SPDX-License-Identifier: MIT
#include "reader_answer.h"

#include "animated_pictures.h"

#include <QDataStream>
#include <QIODevice>

#include <cerrno>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixelwick {

namespace {

// The pixels start at a multiple of this, as an image's rows must: they
// are then used where they arrive, not copied again.
constexpr int kPixelAlignment = 16;
// Rows from this many bytes on are shared: no part of a picture has as many.
constexpr qsizetype kSharedFrom = qsizetype(1) << 20;

// Rows of the length a new image of `width` pixels in `format` has.
qsizetype rowBytesOf(int width, QImage::Format format)
{
    return QImage(width, 1, format).bytesPerLine();
}

// The rows in new shared memory, sealed so that the program can count on
// its size, or -1 where that cannot be had.
int sharedCopy(QByteArrayView rows)
{
    const int shared = ::memfd_create("pixelwick-picture", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (shared < 0)
        return -1;
    for (qsizetype done = 0; done < rows.size();) {
        const ssize_t written = ::write(shared, rows.data() + done, size_t(rows.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            ::close(shared);
            return -1;
        }
        done += written;
    }
    if (::fcntl(shared, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL) != 0) {
        ::close(shared);
        return -1;
    }
    return shared;
}

// The shared rows mapped as they are, or a null image. Sealed against
// shrinking, they stay there as long as the image uses them.
QImage mappedRows(int shared, int width, int height, qsizetype rowBytes, QImage::Format format)
{
    struct stat status {};
    const qsizetype size = rowBytes * height;
    if (::fstat(shared, &status) != 0 || status.st_size != size || !(::fcntl(shared, F_GET_SEALS) & F_SEAL_SHRINK))
        return {};
    void *mapped = ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE, shared, 0);
    if (mapped == MAP_FAILED)
        return {};
    struct Mapping {
        void *start;
        size_t length;
    };
    return QImage(
        static_cast<const uchar *>(mapped), width, height, rowBytes, format,
        [](void *held) {
            const auto *mapping = static_cast<Mapping *>(held);
            ::munmap(mapping->start, mapping->length);
            delete mapping;
        },
        new Mapping{mapped, size_t(size)});
}

} // namespace

QByteArrayView ReaderAnswer::rows() const
{
    if (shared >= 0 || image.isNull())
        return {};
    return {image.constBits(), image.sizeInBytes()};
}

ReaderAnswer answerOf(const LoadedPicture &loaded)
{
    ReaderAnswer answer;
    QDataStream stream(&answer.fields, QIODevice::WriteOnly);
    stream << loaded.error << loaded.size << loaded.origin << loaded.drawn << loaded.frameDelays;
    const QImage &image = loaded.image;
    stream << !image.isNull();
    if (image.isNull())
        return answer;
    answer.image = image.bytesPerLine() == rowBytesOf(image.width(), image.format()) ? image : image.copy();
    stream << qint32(image.format()) << qint32(image.width()) << qint32(image.height()) << image.colorTable();
    const QByteArrayView rows(answer.image.constBits(), answer.image.sizeInBytes());
    answer.shared = rows.size() >= kSharedFrom ? sharedCopy(rows) : -1;
    stream << (answer.shared >= 0);
    if (answer.shared >= 0)
        return answer;
    const qsizetype padding = (kPixelAlignment - (answer.fields.size() + 4) % kPixelAlignment) % kPixelAlignment;
    stream << qint32(padding);
    stream.writeRawData(QByteArray(padding, '\0').constData(), int(padding));
    return answer;
}

namespace {

bool readImage(const QByteArray &bytes, int shared, const PictureRegion &region, LoadedPicture &result)
{
    QDataStream stream(bytes);
    bool hasImage = false;
    stream >> result.error >> result.size >> result.origin >> result.drawn >> result.frameDelays >> hasImage;
    if (stream.status() != QDataStream::Ok || (!region.frames && !result.frameDelays.isEmpty()))
        return false;
    if (!hasImage)
        return stream.atEnd() && shared < 0;
    qint32 format = 0, width = 0, height = 0;
    QList<QRgb> colours;
    bool isShared = false;
    stream >> format >> width >> height >> colours >> isShared;
    const bool fits = region.isWhole() || !result.frameDelays.isEmpty() ? qint64(width) * height <= kMostPixelsWhole
                                                                        : width <= region.side && height <= region.side;
    if (stream.status() != QDataStream::Ok || format <= QImage::Format_Invalid || format >= QImage::NImageFormats
        || width <= 0 || height <= 0 || !fits || isShared != (shared >= 0))
        return false;
    // Rows as a new image of this size lays them out, as they were sent.
    const qsizetype rowBytes = rowBytesOf(width, QImage::Format(format));
    if (rowBytes <= 0)
        return false;
    QImage image;
    if (isShared) {
        image = stream.atEnd() ? mappedRows(shared, width, height, rowBytes, QImage::Format(format)) : QImage();
    } else {
        qint32 padding = 0;
        stream >> padding;
        if (stream.status() != QDataStream::Ok || padding < 0 || padding >= kPixelAlignment
            || stream.skipRawData(padding) != padding)
            return false;
        const qsizetype at = qsizetype(stream.device()->pos());
        if (bytes.size() - at != rowBytes * height)
            return false;
        const uchar *pixels = reinterpret_cast<const uchar *>(bytes.constData()) + at;
        // Used where they arrived, the answer kept as long as the image
        // lives; the image copies them before any change.
        if (quintptr(pixels) % 4 == 0)
            image = QImage(
                pixels, width, height, rowBytes, QImage::Format(format),
                [](void *held) { delete static_cast<QByteArray *>(held); }, new QByteArray(bytes));
        else
            image = QImage(pixels, width, height, rowBytes, QImage::Format(format)).copy();
    }
    if (image.isNull())
        return false;
    if (!colours.isEmpty())
        image.setColorTable(colours);
    result.image = image;
    return framesAreWhole(result);
}

} // namespace

bool readAnswer(const QByteArray &bytes, int shared, const PictureRegion &region, LoadedPicture &result)
{
    const bool read = readImage(bytes, shared, region, result);
    if (shared >= 0)
        ::close(shared);
    return read;
}

} // namespace pixelwick
