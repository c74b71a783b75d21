// SPDX-License-Identifier: MIT
#include "picture_loading.h"

#include "messages.h"
#include "picture_structure.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStringList>
#include <QtNumeric>

#include <cstdio>
#include <optional>

#include <sys/mman.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#define PIXELWICK_HAS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define PIXELWICK_HAS_SANITIZER 1
#endif
#endif
#if PIXELWICK_HAS_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

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
// Qt refuses an image of exactly its limit, so it gets a megabyte more: the
// size check above is the one that decides.
constexpr int kAllocationLimitMegabytes = int(kMostPixels * 4 >> 20) + 1;

class Picture {
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

// Collects what Qt and the image libraries under it say while a picture is
// read, so that nothing reaches the terminal and a warning that tells of
// damage can become the reason for refusing the picture. Qt's messages come
// through its handler; libpng and libtiff write to standard error directly,
// so that is sent to a memory file for the time of the read.
class MessageCapture {
public:
    MessageCapture() : m_previous(qInstallMessageHandler(&MessageCapture::collect))
    {
        s_messages.clear();
        std::fflush(stderr);
        m_memory = ::memfd_create("pixelwick-messages", MFD_CLOEXEC);
        m_savedError = m_memory >= 0 ? ::dup(STDERR_FILENO) : -1;
        if (m_savedError >= 0 && ::dup2(m_memory, STDERR_FILENO) >= 0) {
            redirectSanitizerReports(m_savedError);
        } else {
            closeQuietly(m_savedError);
            closeQuietly(m_memory);
        }
    }
    ~MessageCapture()
    {
        qInstallMessageHandler(m_previous);
        if (m_savedError < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_savedError, STDERR_FILENO);
        redirectSanitizerReports(STDERR_FILENO);
        closeQuietly(m_savedError);
        closeQuietly(m_memory);
    }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    // The first message that says the picture's data is cut or corrupt.
    // "extraneous bytes before marker" is left out: the JPEG reader skips
    // such bytes and every pixel is still there.
    QString damage()
    {
        takeWrittenMessages();
        static const QStringList signs = {QStringLiteral("premature end"), QStringLiteral("corrupt"),
                                          QStringLiteral("truncated"), QStringLiteral("unexpected end"),
                                          QStringLiteral("read error")};
        for (const QString &message : std::as_const(s_messages)) {
            if (message.contains(QLatin1String("extraneous bytes"), Qt::CaseInsensitive))
                continue;
            for (const QString &sign : signs) {
                if (message.contains(sign, Qt::CaseInsensitive))
                    return message;
            }
        }
        return {};
    }
    // Everything said, for a refusal that has no better reason.
    QString all()
    {
        takeWrittenMessages();
        return s_messages.join(QStringLiteral("; "));
    }

private:
    static constexpr int kMostMessages = 20;

    static void collect(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        // A hostile file could make a library repeat itself without end.
        if (s_messages.size() < kMostMessages)
            s_messages.append(message.trimmed());
    }
    void takeWrittenMessages()
    {
        if (m_memory < 0)
            return;
        std::fflush(stderr);
        char buffer[4096];
        const ssize_t count = ::pread(m_memory, buffer, sizeof buffer, 0);
        if (count <= 0)
            return;
        ::ftruncate(m_memory, 0);
        ::lseek(m_memory, 0, SEEK_SET);
        const QStringList lines = QString::fromLocal8Bit(buffer, count).split(u'\n', Qt::SkipEmptyParts);
        for (const QString &line : lines)
            collect(QtWarningMsg, QMessageLogContext(), line);
    }
    static void closeQuietly(int &descriptor)
    {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
    }
    // A sanitizer's report of a fault inside a reader must still be seen.
    static void redirectSanitizerReports([[maybe_unused]] int descriptor)
    {
#if PIXELWICK_HAS_SANITIZER
        __sanitizer_set_report_fd(reinterpret_cast<void *>(static_cast<intptr_t>(descriptor)));
#endif
    }

    static inline QStringList s_messages;
    QtMessageHandler m_previous;
    int m_memory = -1;
    int m_savedError = -1;
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

// The formats that Qt reads itself, known by their first bytes. Named, they
// spare Qt's detection, which loads every image plugin to ask each of them.
QByteArray builtInFormat(QByteArrayView bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    if (bytes.startsWith("BM"))
        return "bmp";
    // Netpbm: "P1" to "P6" and white space; the digit says which kind.
    if (bytes.size() >= 3 && bytes[0] == 'P' && bytes[1] >= '1' && bytes[1] <= '6'
        && QByteArrayView(" \t\r\n").contains(bytes[2])) {
        static const char *const kinds[] = {"pbm", "pgm", "ppm"};
        return kinds[(bytes[1] - '1') % 3];
    }
    return {};
}

QString claimsTooMuch(const QString &shown, qint64 width, qint64 height, qint64 fileSize)
{
    return damaged(shown, Picture::tr("its header claims %1 × %2 pixels, more than a file of %3 bytes can hold")
                              .arg(width)
                              .arg(height)
                              .arg(fileSize));
}

// Reads the picture from `device`, whose whole content is `bytes`. A file
// lets Qt's reader go by its suffix too; `suffix` does the same for a
// device that is not a file, for formats without a signature of their own.
LoadedPicture decode(QIODevice &device, QByteArrayView bytes, const QString &shown, const QString &suffix = {})
{
    MessageCapture capture;
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    // Named formats are tried first; a wrong name leaves it to the content,
    // as Qt does with a file's suffix.
    std::optional<QImageReader> reader;
    const auto tryNamed = [&](const QByteArray &format) {
        reader.emplace(&device, format);
        // Otherwise Qt asks every plugin, loading each, before its own reader.
        reader->setAutoDetectImageFormat(false);
        if (!reader->canRead()) {
            reader.reset();
            device.seek(0);
        }
    };
    if (const QByteArray format = builtInFormat(bytes); !format.isEmpty())
        tryNamed(format);
    const QByteArray hint = suffix.toLower().toLatin1();
    if (!reader && !hint.isEmpty() && QImageReader::supportedImageFormats().contains(hint))
        tryNamed(hint);
    if (!reader)
        reader.emplace(&device);
    const QByteArray format = reader->format();
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
        reader.emplace(&picture, format);
    }

    const QSize claimed = reader->size();
    if (claimed.isValid()) {
        if (tooLarge(claimed.width(), claimed.height(), mostPixels))
            return {{}, tooLargeMessage(shown, claimed.width(), claimed.height())};
        if (structure.maxPixels > 0 && tooLarge(claimed.width(), claimed.height(), structure.maxPixels))
            return {{}, claimsTooMuch(shown, claimed.width(), claimed.height(), bytes.size())};
        // Only the top-left corner is used; readers that can stop there do.
        if (clipped)
            reader->setClipRect(QRect(0, 0, kCursorSize, kCursorSize).intersected(QRect(QPoint(0, 0), claimed)));
    }

    QImage image = reader->read();
    if (const QString damage = capture.damage(); !damage.isEmpty())
        return {{}, damaged(shown, damage)};
    if (image.isNull()) {
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
    return {image, {}};
}

} // namespace

LoadedPicture loadPicture(const QString &path)
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

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Picture::tr("The picture %1 cannot be opened: %2.").arg(shown, file.errorString())};
    // Mapped, the structure checks look at the whole file without copying it.
    const qint64 size = file.size();
    const uchar *mapped = file.map(0, size);
    if (!mapped)
        return {{}, Picture::tr("The picture %1 cannot be read: %2.").arg(shown, file.errorString())};
    // The reader is given the file itself so that it can also go by the
    // file's suffix, as it always has.
    return decode(file, QByteArrayView(mapped, size), shown);
}

LoadedPicture loadPictureData(const QByteArray &bytes, const QString &name)
{
    if (bytes.isEmpty())
        return {{}, Picture::tr("The picture %1 is empty.").arg(quotedPath(name))};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, bytes, quotedPath(name), QFileInfo(name).suffix());
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
