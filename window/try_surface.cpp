// SPDX-License-Identifier: MIT
#include "try_surface.h"

#include "pointer_images.h"

#include <QCursor>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

#include <algorithm>
#include <cstdlib>

#ifdef PIXELWICK_HAVE_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>
#endif

namespace pixelwick {

namespace {

constexpr QRgb kText = qRgb(25, 25, 25);
// The mark: a dot on the pixel clicked, in a ring clear of it, so that the
// point itself stays in sight.
constexpr int kMarkReach = 4;

// Rectangles in whole screen pixels, whatever the image's scale.
void fillScreenRect(QImage &image, const QRect &rect, QRgb colour)
{
    const QRect filled = rect & image.rect();
    for (int y = filled.top(); y <= filled.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(row + filled.left(), row + filled.right() + 1, colour);
    }
}

void copyScreenRect(QImage &into, const QImage &from, const QRect &rect)
{
    const QRect copied = rect & into.rect() & from.rect();
    for (int y = copied.top(); y <= copied.bottom(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(from.constScanLine(y));
        std::copy(source + copied.left(), source + copied.right() + 1,
                  reinterpret_cast<QRgb *>(into.scanLine(y)) + copied.left());
    }
}

} // namespace

TrySurface::TrySurface(Drawing drawing, QWidget *parent) : QWidget(parent), m_drawing(drawing)
{
    setFixedSize(sizeHint());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TrySurface::sizeHint() const
{
    return {kBandWidth * kBands, kBandHeight + kTextHeight};
}

void TrySurface::setCursorImage(const std::optional<CursorImage> &cursor)
{
    m_cursor = cursor;
    m_hotSpot = cursor ? triedHotSpot(*cursor) : QPoint();
    if (!cursor) {
        unsetCursor();
    } else if (m_drawing == Drawing::ByDesktop) {
        // The pixmap's own pixels at any scale: the X server is given the
        // cursor as it is, not enlarged.
        setCursor(QCursor(QPixmap::fromImage(desktopPointerImage(*cursor)), m_hotSpot.x(), m_hotSpot.y()));
    } else {
        setCursor(Qt::BlankCursor);
        drawCursorAt(underMouse() ? m_at : std::nullopt);
    }
}

void TrySurface::prepare()
{
    m_ratio = devicePixelRatioF();
    // A cursor pixel is as many whole screen pixels as make a pixel of the
    // layout, so that it stays crisp on a scaled screen.
    m_pitch = std::max(1, qRound(m_ratio));
    m_ground = QImage(qCeil(width() * m_ratio), qCeil(height() * m_ratio), QImage::Format_RGB32);
    m_ground.setDevicePixelRatio(m_ratio);
    paintBands(m_ground);
    drawMark(m_ground);
    m_shown = m_ground.copy();
    m_drawn = {};
    if (m_at && m_cursor) {
        m_drawn = drawnRect(*m_at);
        drawAsWindows(m_shown, *m_cursor, m_drawn.topLeft(), m_pitch);
    }
}

void TrySurface::paintBands(QImage &into) const
{
    QPainter painter(&into);
    const int bands = kBandWidth * kBands;
    painter.fillRect(0, 0, kBandWidth, kBandHeight, Qt::white);
    painter.fillRect(kBandWidth, 0, kBandWidth, kBandHeight, Qt::black);
    for (int x = 0; x < kBandWidth; x += kStripeWidth)
        painter.fillRect(2 * kBandWidth + x, 0, std::min(kStripeWidth, kBandWidth - x), kBandHeight,
                         QColor((x / kStripeWidth) % 2 ? kStripeB : kStripeA));
    QLinearGradient hues(0, 0, 0, kBandHeight);
    constexpr int kHueStops = 6;
    for (int stop = 0; stop <= kHueStops; ++stop)
        hues.setColorAt(qreal(stop) / kHueStops, QColor::fromHsv((stop * 360 / kHueStops) % 360, 255, 255));
    painter.fillRect(3 * kBandWidth, 0, kBandWidth, kBandHeight, hues);
    painter.fillRect(0, kBandHeight, bands, kTextHeight, Qt::white);
    painter.setPen(QColor(kText));
    painter.setFont(font());
    const QRect line(6, kBandHeight, bands - 12, kTextHeight);
    painter.drawText(
        line, Qt::AlignVCenter | Qt::AlignLeft,
        fontMetrics().elidedText(tr("The quick brown fox jumps over the lazy dog."), Qt::ElideRight, line.width()));
}

void TrySurface::drawMark(QImage &into) const
{
    if (!m_mark)
        return;
    // In screen pixels: the dot is one pixel of the layout, the ring
    // around it as thick.
    const int unit = m_pitch;
    const QPoint dot = *m_mark;
    fillScreenRect(into, QRect(dot, QSize(unit, unit)), kMark);
    const QRect ring(dot - QPoint(kMarkReach, kMarkReach) * unit, QSize(2 * kMarkReach + 1, 2 * kMarkReach + 1) * unit);
    fillScreenRect(into, QRect(ring.topLeft(), QSize(ring.width(), unit)), kMark);
    fillScreenRect(into, QRect(ring.left(), ring.bottom() + 1 - unit, ring.width(), unit), kMark);
    fillScreenRect(into, QRect(ring.topLeft(), QSize(unit, ring.height())), kMark);
    fillScreenRect(into, QRect(ring.right() + 1 - unit, ring.top(), unit, ring.height()), kMark);
}

QPoint TrySurface::screenPixel(QPointF position) const
{
    const qreal ratio = devicePixelRatioF();
#ifdef PIXELWICK_HAVE_XCB
    // Qt hands positions over in its own pixels, rounded on a scaled
    // screen; the X server tells the screen pixel itself.
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t *connection = x11->connection();
        const xcb_query_pointer_cookie_t asked = xcb_query_pointer(connection, xcb_window_t(window()->winId()));
        if (xcb_query_pointer_reply_t *reply = xcb_query_pointer_reply(connection, asked, nullptr)) {
            const QPoint inWindow(reply->win_x, reply->win_y);
            const bool here = reply->same_screen;
            std::free(reply);
            const QPoint origin = mapTo(window(), QPoint(0, 0));
            if (here)
                return inWindow - QPoint(qRound(origin.x() * ratio), qRound(origin.y() * ratio));
        }
    }
#endif
    return {qRound(position.x() * ratio), qRound(position.y() * ratio)};
}

QRect TrySurface::drawnRect(QPoint pointer) const
{
    // The hot spot's pixel starts at the pointer's screen pixel.
    return {pointer - m_hotSpot * m_pitch, QSize(m_cursor->width, m_cursor->height) * m_pitch};
}

void TrySurface::drawCursorAt(std::optional<QPoint> pointer)
{
    m_at = pointer;
    if (m_shown.isNull())
        return;
    if (!m_drawn.isEmpty()) {
        copyScreenRect(m_shown, m_ground, m_drawn);
        updateScreenRect(m_drawn);
        m_drawn = {};
    }
    if (m_at && m_cursor) {
        m_drawn = drawnRect(*m_at);
        drawAsWindows(m_shown, *m_cursor, m_drawn.topLeft(), m_pitch);
        updateScreenRect(m_drawn);
    }
}

void TrySurface::updateScreenRect(const QRect &rect)
{
    update(QRectF(rect.x() / m_ratio, rect.y() / m_ratio, rect.width() / m_ratio, rect.height() / m_ratio)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void TrySurface::paintEvent(QPaintEvent *)
{
    if (m_ground.isNull() || !qFuzzyCompare(m_ratio, devicePixelRatioF()))
        prepare();
    QPainter(this).drawImage(QPointF(0, 0), m_shown);
}

void TrySurface::resizeEvent(QResizeEvent *)
{
    m_ground = {};
}

void TrySurface::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drawing == Drawing::AsWindows)
        drawCursorAt(screenPixel(event->position()));
}

void TrySurface::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_ground.isNull())
        prepare();
    m_mark = screenPixel(event->position());
    m_ground = {};
    update();
}

void TrySurface::leaveEvent(QEvent *)
{
    if (m_drawing == Drawing::AsWindows)
        drawCursorAt(std::nullopt);
}

} // namespace pixelwick
