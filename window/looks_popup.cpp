// SPDX-License-Identifier: MIT
#include "looks_popup.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace pixelwick {

LooksPopup::LooksPopup(QWidget *parent) : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("looksPopup"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setMargin(4);
    setWordWrap(false);
}

void LooksPopup::showLooks(const QImage &looks, const QString &summary)
{
    setPixmap(QPixmap::fromImage(looks));
    setAccessibleDescription(summary);
    // Not adjustSize(): it keeps a window within two thirds of the screen,
    // which would cut the picture off.
    resize(sizeHint());
}

void LooksPopup::showText(const QString &text)
{
    setPixmap({});
    setText(text);
    setAccessibleDescription(text);
    resize(sizeHint());
}

void LooksPopup::popUpBelow(QWidget *anchor)
{
    QPoint place = anchor->mapToGlobal(QPoint(0, anchor->height() + 4));
    if (const QScreen *screen = anchor->screen()) {
        const QRect room = screen->availableGeometry();
        // On a small screen the picture is shown smaller rather than cut off.
        if (!pixmap().isNull() && (width() > room.width() || height() > room.height())) {
            setPixmap(pixmap().scaled(room.size() - QSize(2 * margin(), 2 * margin()), Qt::KeepAspectRatio,
                                      Qt::SmoothTransformation));
            resize(sizeHint());
        }
        place.setX(qBound(room.left(), place.x(), qMax(room.left(), room.right() - width())));
        if (place.y() + height() > room.bottom())
            place.setY(qMax(room.top(), anchor->mapToGlobal(QPoint(0, 0)).y() - height() - 4));
    }
    move(place);
    show();
    raise();
}

} // namespace pixelwick
