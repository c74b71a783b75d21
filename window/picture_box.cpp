// SPDX-License-Identifier: MIT
#include "picture_box.h"

#include "hot_spot.h"
#include "picture_loading.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace pixelwick {

namespace {

// How far outside its box the focus frame is drawn.
constexpr int kFocusFrameMargin = 2;
// How far the pointer moves, pressed, before a click becomes a drag.
constexpr int kDragDistance = 3;
// Ctrl+Shift with an arrow key moves the part by a whole cursor.
constexpr int kLongStep = kCursorSize;
// The hot-spot mark: four short arms that leave the hot-spot pixel and its
// neighbours in view.
constexpr int kMarkArmStart = 2;
constexpr int kMarkArmEnd = 3;

// A one-pixel frame around a box, behind it, so that no style ever tints
// the box's own pixels to show the focus.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("focusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

int onPreview(int coordinate)
{
    return qBound(0, coordinate, kCursorSize - 1);
}

QPoint pixelAt(const QPointF &position)
{
    return {int(std::floor(position.x())), int(std::floor(position.y()))};
}

// Where the pointer is on `box`, exactly. On a scaled screen a device
// pixel lies between the box's own pixels, and Qt hands a widget its
// position rounded to whole ones, while the event's place in its window
// stays exact: that is taken where the two agree.
QPointF exactPosition(const QWidget *box, const QMouseEvent *event)
{
    const QPointF inWindow = box->mapFrom(box->window(), event->scenePosition());
    return (inWindow - event->position()).manhattanLength() <= 1 ? inWindow : event->position();
}

} // namespace

PictureBox::PictureBox(Role role, QWidget *parent) : QWidget(parent), m_role(role)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent)
        m_focusFrame = new FocusFrame(parent);
    recompose();
}

PictureBox::~PictureBox()
{
    delete m_focusFrame;
}

void PictureBox::setBackColour(const QColor &colour)
{
    m_backColour = colour;
    recompose();
}

void PictureBox::setShown(const QImage &shown)
{
    m_given = shown;
    recompose();
}

void PictureBox::setPartDraggable(bool draggable)
{
    m_draggable = draggable;
}

void PictureBox::setHotSpot(std::optional<int> x, std::optional<int> y)
{
    m_hotSpotX = x;
    m_hotSpotY = y;
    update();
}

bool PictureBox::marksHotSpot() const
{
    const auto within = [](std::optional<int> c) { return c && *c >= 0 && *c < kCursorSize; };
    return m_role == Role::Preview && within(m_hotSpotX) && within(m_hotSpotY);
}

QPoint PictureBox::keyboardPixel() const
{
    return {onPreview(m_hotSpotX.value_or(kDefaultHotSpotCoordinate)),
            onPreview(m_hotSpotY.value_or(kDefaultHotSpotCoordinate))};
}

void PictureBox::recompose()
{
    if (m_role == Role::Preview && !m_given.isNull())
        m_shown = m_given;
    else
        m_shown = composePreview(QImage(), m_role == Role::Preview ? palette().color(QPalette::Base) : m_backColour);
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QRect(0, 0, kCursorSize, kCursorSize), m_shown);
    if (marksHotSpot())
        paintMark(painter);
}

void PictureBox::paintMark(QPainter &painter) const
{
    const QPoint hotSpot(*m_hotSpotX, *m_hotSpotY);
    const QColor mark = palette().color(QPalette::Highlight);
    const QColor other = palette().color(QPalette::HighlightedText);
    for (int distance = kMarkArmStart; distance <= kMarkArmEnd; ++distance) {
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint at = hotSpot + step * distance;
            if (!m_shown.rect().contains(at))
                continue;
            // The mark must stand out from the pixel it covers.
            const QColor under = m_shown.pixelColor(at);
            const int difference = std::abs(under.red() - mark.red()) + std::abs(under.green() - mark.green())
                                   + std::abs(under.blue() - mark.blue());
            painter.fillRect(QRect(at, QSize(1, 1)), difference < 96 ? other : mark);
        }
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    m_dragging = false;
    m_pressPosition = exactPosition(this, event);
    const QPoint pixel = pixelAt(m_pressPosition);
    m_pressedPixel = rect().contains(pixel) ? std::optional<QPoint>(pixel) : std::nullopt;
    // Where the picture can be dragged, only the release tells a click.
    if (m_role == Role::Preview && m_pressed && m_pressedPixel && !m_draggable)
        emit hotSpotChosen(pixel);
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    if (m_role != Role::Preview || !m_pressed || !m_draggable || !m_pressedPixel) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPointF position = exactPosition(this, event);
    if (!m_dragging && (position - m_pressPosition).manhattanLength() >= kDragDistance) {
        m_dragging = true;
        setCursor(Qt::ClosedHandCursor);
        emit partDragStarted();
    }
    if (m_dragging)
        emit partDragged(pixelAt(position) - pixelAt(m_pressPosition));
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(pixelAt(exactPosition(this, event)));
    const bool dragged = m_dragging;
    m_pressed = false;
    m_dragging = false;
    if (dragged)
        unsetCursor();
    if (click && m_role == Role::Swatch)
        emit clicked();
    if (m_role == Role::Preview && event->button() == Qt::LeftButton && m_draggable && !dragged && m_pressedPixel)
        emit hotSpotChosen(*m_pressedPixel);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (m_role == Role::Swatch) {
        // Lets a keyboard user open a swatch's colour dialog.
        if (event->key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
            emit clicked();
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        const QPoint pixel = keyboardPixel();
        popUpMenu(pixel, mapToGlobal(pixel + QPoint(1, 1)));
        return;
    }
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left: step = {-1, 0}; break;
    case Qt::Key_Right: step = {1, 0}; break;
    case Qt::Key_Up: step = {0, -1}; break;
    case Qt::Key_Down: step = {0, 1}; break;
    default: QWidget::keyPressEvent(event); return;
    }
    if (m_draggable && (modifiers == Qt::ShiftModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))) {
        emit partStepped(modifiers & Qt::ControlModifier ? step * kLongStep : step);
        return;
    }
    if (modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // From where the fields are, so that a hot spot beyond the preview
    // comes back onto its edge.
    const QPoint moved =
        QPoint(m_hotSpotX.value_or(kDefaultHotSpotCoordinate), m_hotSpotY.value_or(kDefaultHotSpotCoordinate)) + step;
    emit hotSpotChosen(QPoint(onPreview(moved.x()), onPreview(moved.y())));
}

void PictureBox::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_role != Role::Preview) {
        QWidget::contextMenuEvent(event);
        return;
    }
    if (event->reason() != QContextMenuEvent::Mouse) {
        const QPoint pixel = keyboardPixel();
        popUpMenu(pixel, mapToGlobal(pixel + QPoint(1, 1)));
        return;
    }
    // The event's position is rounded; the press's, floored, names the
    // pixel under the pointer.
    QPoint pixel = event->pos();
    if (m_pressedPixel && QRect(*m_pressedPixel, QSize(2, 2)).contains(pixel))
        pixel = *m_pressedPixel;
    popUpMenu(QPoint(onPreview(pixel.x()), onPreview(pixel.y())), event->globalPos());
}

void PictureBox::popUpMenu(QPoint pixel, QPoint globalPosition)
{
    delete m_menu;
    auto *menu = new QMenu(this);
    m_menu = menu;
    menu->setObjectName(QStringLiteral("previewMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The colour exactly as the preview shows it, so that the pixel and all
    // that look like it convert as that key colour.
    const QColor colour = m_shown.pixelColor(pixel);
    connect(menu->addAction(tr("Set the hot spot here")), &QAction::triggered, this,
            [this, pixel] { emit hotSpotChosen(pixel); });
    connect(menu->addAction(tr("Make this colour transparent")), &QAction::triggered, this,
            [this, colour] { emit backgroundChosen(colour); });
    connect(menu->addAction(tr("Make this colour invert the screen")), &QAction::triggered, this,
            [this, colour] { emit invertChosen(colour); });
    menu->addSeparator();
    emit menuOpening(menu);
    menu->popup(globalPosition);
}

void PictureBox::changeEvent(QEvent *event)
{
    // A new colour scheme changes what the preview shows, and so what it converts.
    if (event->type() == QEvent::PaletteChange) {
        recompose();
        if (m_role == Role::Preview)
            emit windowColourChanged();
    }
    QWidget::changeEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    if (m_focusFrame) {
        m_focusFrame->stackUnder(this);
        m_focusFrame->show();
    }
    QWidget::focusInEvent(event);
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    if (m_focusFrame)
        m_focusFrame->hide();
    QWidget::focusOutEvent(event);
}

void PictureBox::placeFocusFrame()
{
    if (m_focusFrame)
        m_focusFrame->setGeometry(
            geometry().adjusted(-kFocusFrameMargin, -kFocusFrameMargin, kFocusFrameMargin, kFocusFrameMargin));
}

void PictureBox::moveEvent(QMoveEvent *event)
{
    placeFocusFrame();
    QWidget::moveEvent(event);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    placeFocusFrame();
    QWidget::resizeEvent(event);
}

void PictureBox::hideEvent(QHideEvent *event)
{
    if (m_focusFrame)
        m_focusFrame->hide();
    QWidget::hideEvent(event);
}

} // namespace pixelwick
