#include "picture_loading.h"

#include "picture_structure.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStringList>
#include <QtNumeric>

namespace pixelwick {

namespace {

// Larger pictures are refused before any pixel memory is taken; only the
// top-left 32 x 32 pixels are ever used. 64 MB holds 16 million pixels, a
// 4096 x 4096 picture, which keeps a load well within 100 MB of memory.
constexpr int kAllocationLimitMegabytes = 64;

QString quoted(const QString &path)
{
    return QStringLiteral("“%1”").arg(QDir::toNativeSeparators(path));
}

// Collects what Qt and its image libraries say while a picture is read, so
// that nothing reaches the terminal and a warning that tells of damage can
// become the reason for refusing the picture.
class MessageCapture {
public:
    MessageCapture() : m_previous(qInstallMessageHandler(&MessageCapture::collect)) { s_messages.clear(); }
    ~MessageCapture() { qInstallMessageHandler(m_previous); }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    // The first message that says the picture's data is cut or corrupt.
    // "extraneous bytes before marker" is left out: the JPEG reader skips
    // such bytes and every pixel is still there.
    QString damage() const
    {
        static const QStringList signs = {QStringLiteral("premature end"), QStringLiteral("corrupt"),
                                          QStringLiteral("truncated"), QStringLiteral("unexpected end")};
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
    QString all() const { return s_messages.join(QStringLiteral("; ")); }

private:
    static void collect(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        // A hostile file could make a library repeat itself without end.
        if (s_messages.size() < 20)
            s_messages.append(message.trimmed());
    }

    static inline QStringList s_messages;
    QtMessageHandler m_previous;
};

QString incomplete(const QString &shown)
{
    return QStringLiteral("The picture %1 is incomplete: the file ends before the picture does.").arg(shown);
}

QString damaged(const QString &shown, const QString &reason)
{
    return QStringLiteral("The picture %1 is damaged or cannot be read (%2).").arg(shown, reason);
}

bool tooLarge(qint64 width, qint64 height)
{
    qint64 bytes = 0;
    return qMulOverflow(width, height, &bytes) || qMulOverflow(bytes, qint64(4), &bytes)
           || bytes > qint64(kAllocationLimitMegabytes) * 1024 * 1024;
}

QString tooLargeMessage(const QString &shown, qint64 width, qint64 height)
{
    return QStringLiteral("The picture %1 is too large to load (%2 × %3 pixels).").arg(shown).arg(width).arg(height);
}

// Reads the picture from `device`, whose whole content is `bytes`.
LoadedPicture decode(QIODevice &device, QByteArrayView bytes, const QString &shown)
{
    const MessageCapture capture;
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    QImageReader reader(&device);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return {{}, QStringLiteral("%1 is not a picture in any format this program can read.").arg(shown)};

    const StructureCheck structure = checkStructure(format, bytes);
    // A header's own claim to be huge is the clearer message.
    if (structure.width > 0 && structure.height > 0 && tooLarge(structure.width, structure.height))
        return {{}, tooLargeMessage(shown, structure.width, structure.height)};
    switch (structure.verdict) {
    case StructureCheck::Verdict::Whole:
        break;
    case StructureCheck::Verdict::Incomplete:
        return {{}, incomplete(shown)};
    case StructureCheck::Verdict::Damaged:
        return {{}, damaged(shown, structure.reason)};
    }

    const QSize claimed = reader.size();
    if (claimed.isValid()) {
        if (tooLarge(claimed.width(), claimed.height()))
            return {{}, tooLargeMessage(shown, claimed.width(), claimed.height())};
        // A header that claims more pixels than the file could hold would
        // have the reader spend time and memory on pixels that are not there.
        const qint64 most = maxPixelsFor(format, bytes.size());
        if (most > 0 && qint64(claimed.width()) * claimed.height() > most)
            return {{}, damaged(shown, QStringLiteral("its header claims %1 × %2 pixels, more than a file of %3 "
                                                      "bytes can hold")
                                           .arg(claimed.width())
                                           .arg(claimed.height())
                                           .arg(bytes.size()))};
        // Only the top-left corner is used; readers that can stop there do.
        if (reader.supportsOption(QImageIOHandler::ClipRect))
            reader.setClipRect(QRect(0, 0, kCursorSize, kCursorSize).intersected(QRect(QPoint(0, 0), claimed)));
    }

    QImage image = reader.read();
    if (const QString damage = capture.damage(); !damage.isEmpty())
        return {{}, damaged(shown, damage)};
    if (image.isNull()) {
        const QString said = capture.all();
        return {{}, damaged(shown, said.isEmpty() ? reader.errorString() : reader.errorString() + QStringLiteral(": ") + said)};
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
    // Mapped, the structure checks look at the whole file without copying it.
    const qint64 size = file.size();
    const uchar *mapped = file.map(0, size);
    if (!mapped)
        return {{}, QStringLiteral("The picture %1 cannot be read: %2.").arg(shown, file.errorString())};
    // The reader is given the file itself so that it can also go by the
    // file's suffix, as it always has.
    return decode(file, QByteArrayView(mapped, size), shown);
}

LoadedPicture loadPictureData(const QByteArray &bytes, const QString &name)
{
    if (bytes.isEmpty())
        return {{}, QStringLiteral("The picture %1 is empty.").arg(quoted(name))};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, bytes, quoted(name));
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
