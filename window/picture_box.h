// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

class QMenu;

namespace pixelwick {

// A flat 32 x 32 box that shows either the cursor's pixels (the preview) or
// just its background colour (a swatch). A swatch reports clicks; the
// preview marks the hot spot and offers its pixels as the hot spot or as a
// key colour, by mouse, context menu and arrow keys, and lets the picture
// be dragged to choose the part of it that is used.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Role { Preview, Swatch };
    PictureBox(Role role, QWidget *parent);
    ~PictureBox() override;

    // Swatch: the colour shown.
    QColor backColour() const { return m_backColour; }
    void setBackColour(const QColor &colour);

    // Preview: the cursor's 32 x 32 pixels as the window makes them; a
    // null image for no picture, when the window colour shows.
    void setShown(const QImage &shown);
    bool hasPicture() const { return !m_given.isNull(); }
    // Exactly what the preview shows, pixel for pixel, without the mark.
    QImage shownImage() const { return m_shown; }
    // Preview: whether dragging the picture and Shift with the arrow keys
    // choose its part; a plain click then sets the hot spot on release.
    void setPartDraggable(bool draggable);

    // Preview: the hot spot as the fields give it; nothing for a field that
    // holds no number. It is marked only while it lies on the preview.
    void setHotSpot(std::optional<int> x, std::optional<int> y);
    bool marksHotSpot() const;
    // Where the keyboard works from: the hot spot, each coordinate kept on
    // the preview, the middle for a field that holds no number.
    QPoint keyboardPixel() const;

signals:
    void clicked();
    void hotSpotChosen(QPoint pixel);
    void backgroundChosen(QColor colour);
    void invertChosen(QColor colour);
    // The window colour changed, which the shown pixels depend on.
    void windowColourChanged();
    // A drag of the picture began, and has moved it by `moved` pixels.
    void partDragStarted();
    void partDragged(QPoint moved);
    // Shift with an arrow key: the part is to move by `step`.
    void partStepped(QPoint step);
    // The context menu is about to show, for the window's own choices.
    void menuOpening(QMenu *menu);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void recompose();
    void popUpMenu(QPoint pixel, QPoint globalPosition);
    void paintMark(QPainter &painter) const;
    void placeFocusFrame();

    Role m_role;
    QColor m_backColour;
    QImage m_given;
    QImage m_shown;
    bool m_pressed = false;
    bool m_draggable = false;
    bool m_dragging = false;
    QPointF m_pressPosition;
    std::optional<int> m_hotSpotX;
    std::optional<int> m_hotSpotY;
    // The pixel of the last press, found before Qt rounds the position
    // for the context menu.
    std::optional<QPoint> m_pressedPixel;
    // Drawn by the parent around the box while it has the focus, so that
    // the box itself shows its colours exactly.
    QPointer<QWidget> m_focusFrame;
    QPointer<QMenu> m_menu;
};

} // namespace pixelwick
