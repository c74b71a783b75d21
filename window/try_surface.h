// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_reader.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace pixelwick {

// One half of the test area: white, black, mid-tone stripes and a colour
// gradient side by side, a line of text beneath, for the pointer to move
// over. Either the desktop draws the cursor as its real pointer, or the
// pointer is hidden and the cursor drawn here as Windows draws it, on the
// pixels beneath. A click leaves a mark where the hot spot landed.
class TrySurface : public QWidget {
    Q_OBJECT
public:
    enum class Drawing { ByDesktop, AsWindows };

    static constexpr int kBandWidth = 72;
    static constexpr int kBands = 4;
    static constexpr int kBandHeight = 200;
    static constexpr int kTextHeight = 32;
    static constexpr int kStripeWidth = 4;
    // Two mid tones whose inverses are plainly other colours (blue,
    // salmon), unlike a mid grey, which inverting hardly changes.
    static constexpr QRgb kStripeA = qRgb(200, 170, 70);
    static constexpr QRgb kStripeB = qRgb(64, 150, 160);
    static constexpr QRgb kMark = qRgb(235, 20, 20);

    TrySurface(Drawing drawing, QWidget *parent);

    // The cursor to try; none leaves the desktop's usual pointer.
    void setCursorImage(const std::optional<CursorImage> &cursor);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The bands and the mark in whole screen pixels, anew when the
    // widget's size or scale has changed.
    void prepare();
    void paintBands(QImage &into) const;
    void drawMark(QImage &into) const;
    QPoint screenPixel(QPointF position) const;
    // Moves the drawn cursor to the pointer's screen pixel, or takes it away.
    void drawCursorAt(std::optional<QPoint> pointer);
    QRect drawnRect(QPoint pointer) const;
    void updateScreenRect(const QRect &rect);

    Drawing m_drawing;
    std::optional<CursorImage> m_cursor;
    QPoint m_hotSpot;
    qreal m_ratio = 0;          // screen pixels per pixel of the layout
    int m_pitch = 1;            // screen pixels per cursor pixel, as Windows scales it
    QImage m_ground;            // bands and mark
    QImage m_shown;             // the same with the cursor drawn on it
    std::optional<QPoint> m_at; // the pointer's screen pixel, where it is drawn
    QRect m_drawn;              // the screen pixels the cursor is drawn on
    std::optional<QPoint> m_mark;
};

} // namespace pixelwick
