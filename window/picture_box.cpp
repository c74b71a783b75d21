// SPDX-License-Identifier: MIT
#include "picture_box.h"

#include "picture_loading.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace pixelwick {

PictureBox::PictureBox(Role role, QWidget *parent) : QWidget(parent), m_role(role)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    recompose();
}

void PictureBox::setBackColour(const QColor &colour)
{
    m_backColour = colour;
    recompose();
}

void PictureBox::setPicture(const QImage &picture)
{
    // Only the top-left corner is ever shown or converted.
    m_picture =
        picture.isNull()
            ? QImage()
            : picture.copy(QRect(0, 0, qMin(picture.width(), kCursorSize), qMin(picture.height(), kCursorSize)));
    recompose();
}

void PictureBox::setTransparentColour(const QColor &colour)
{
    m_transparentColour = colour;
    recompose();
}

void PictureBox::recompose()
{
    const bool preview = m_role == Role::Preview;
    m_shown = composePreview(preview ? m_picture : QImage(), preview ? palette().color(QPalette::Base) : m_backColour,
                             preview ? m_transparentColour : QColor());
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QRect(0, 0, kCursorSize, kCursorSize), m_shown);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        option.backgroundColor = m_shown.pixelColor(0, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    // Lets a keyboard user open a swatch's colour dialog.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::changeEvent(QEvent *event)
{
    // A new colour scheme changes what the preview shows, and so what it converts.
    if (event->type() == QEvent::PaletteChange)
        recompose();
    QWidget::changeEvent(event);
}

} // namespace pixelwick
