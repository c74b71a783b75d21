// SPDX-License-Identifier: MIT
#include "animated_pictures.h"

#include "format_signatures.h"
#include "message_capture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>

namespace pixelwick {

namespace {

class Picture {
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

LoadedPicture refused(const QString &problem)
{
    return {{}, problem};
}

} // namespace

LoadedPicture withFrames(LoadedPicture still, const PictureRequest &request)
{
    const QByteArray format = formatBySignature(request.bytes);
    if (!still.ok() || (format != "gif" && format != "webp"))
        return still;
    MessageCapture capture;
    QBuffer buffer;
    buffer.setData(request.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const int count = reader.supportsAnimation() ? reader.imageCount() : 0;
    const QSize size = reader.size();
    if (count < 2 || size.isEmpty())
        return still;
    // Both bounds hold before any frame is decoded.
    if (count > kMostFrames)
        return refused(Picture::tr("The animation %1 holds %2 frames, more than the %3 an animated cursor can "
                                   "show.")
                           .arg(request.shown)
                           .arg(count)
                           .arg(kMostFrames));
    if (qint64(count) * size.width() * size.height() > kMostPixelsWhole)
        return refused(Picture::tr("The animation %1 is too large to load: its %2 frames of %3 x %4 pixels hold "
                                   "more than %5 million pixels in all.")
                           .arg(request.shown)
                           .arg(count)
                           .arg(size.width())
                           .arg(size.height())
                           .arg(kMostPixelsWhole >> 20));
    QImage stacked(size.width(), size.height() * count, QImage::Format_ARGB32);
    if (stacked.isNull())
        return refused(
            Picture::tr("The picture %1 cannot be read: there is not enough memory for it.").arg(request.shown));
    stacked.fill(Qt::transparent);
    QPainter painter(&stacked);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QList<int> delays;
    for (QImage frame; delays.size() < count && reader.read(&frame); frame = QImage()) {
        if (frame.size() != size)
            return refused(Picture::tr("The animation %1 is damaged or cannot be read (frame %2 is %3 x %4 "
                                       "pixels, not %5 x %6).")
                               .arg(request.shown)
                               .arg(delays.size() + 1)
                               .arg(frame.width())
                               .arg(frame.height())
                               .arg(size.width())
                               .arg(size.height()));
        painter.drawImage(0, int(delays.size()) * size.height(), frame);
        delays.append(qMax(0, reader.nextImageDelay()));
    }
    painter.end();
    if (const QString damage = capture.damage(); !damage.isEmpty())
        return refused(Picture::tr("The animation %1 is damaged or cannot be read (%2).").arg(request.shown, damage));
    if (delays.size() < 2)
        return still;
    if (delays.size() < count)
        stacked = stacked.copy(0, 0, size.width(), size.height() * int(delays.size()));
    LoadedPicture animated(stacked, {}, size);
    animated.frameDelays = delays;
    return animated;
}

bool framesAreWhole(const LoadedPicture &loaded)
{
    const qsizetype count = loaded.frameDelays.size();
    if (count == 0)
        return true;
    return count >= 2 && count <= kMostFrames && !loaded.image.isNull() && loaded.size.isValid()
           && loaded.image.width() == loaded.size.width()
           && qint64(loaded.image.height()) == qint64(loaded.size.height()) * count;
}

QList<QImage> framesOf(const LoadedPicture &loaded)
{
    const qsizetype count = loaded.frameDelays.size();
    if (count == 0 || !framesAreWhole(loaded))
        return {loaded.image};
    QList<QImage> frames;
    const int height = loaded.size.height();
    for (qsizetype i = 0; i < count; ++i)
        frames.append(loaded.image.copy(0, int(i) * height, loaded.image.width(), height));
    return frames;
}

} // namespace pixelwick
