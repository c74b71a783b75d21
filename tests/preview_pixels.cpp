// SPDX-License-Identifier: MIT
#include "preview_pixels.h"

namespace testing {

std::optional<QString> CountingBackend::askOpenFile(QWidget *, const QString &)
{
    ++m_asked;
    return std::nullopt;
}

std::optional<QColor> CountingBackend::askColour(QWidget *, const QColor &)
{
    ++m_asked;
    return std::nullopt;
}

std::optional<QString> CountingBackend::askSaveFile(QWidget *, const QString &)
{
    ++m_asked;
    return std::nullopt;
}

QImage gradient()
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            picture.setPixelColor(x, y, x >= 24 && y >= 24 ? QColor(0, 0, 0, 0) : QColor(x * 8, y * 8, 100));
    return picture;
}

QImage seen(QWidget *box)
{
    const QImage screen = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = screen.devicePixelRatio();
    QImage result(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            result.setPixel(x, y, screen.pixel(int((x + 0.5) * ratio), int((y + 0.5) * ratio)));
    return result;
}

QList<QPoint> marked(pixelwick::PictureBox *preview)
{
    const QImage screen = seen(preview);
    const QImage shown = preview->shownImage().convertToFormat(QImage::Format_RGB32);
    QList<QPoint> result;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (screen.pixel(x, y) != shown.pixel(x, y))
                result << QPoint(x, y);
    return result;
}

bool marks(const QList<QPoint> &pixels, QPoint hotSpot)
{
    if (pixels.isEmpty() || pixels.contains(hotSpot))
        return false;
    for (const QPoint &p : pixels) {
        const QPoint off = p - hotSpot;
        if ((off.x() != 0 && off.y() != 0) || off.manhattanLength() > 4)
            return false;
    }
    return true;
}

} // namespace testing
