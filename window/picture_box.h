// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

class QMenu;

namespace pixelwick {

// A flat 32 x 32 box that shows either a picture over its background (the
// preview) or just its background colour (a swatch). A swatch reports
// clicks; the preview marks the hot spot and offers its pixels as the hot
// spot or as a key colour, by mouse, context menu and arrow keys.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Role { Preview, Swatch };
    PictureBox(Role role, QWidget *parent);
    ~PictureBox() override;

    // Swatch: the colour shown.
    QColor backColour() const { return m_backColour; }
    void setBackColour(const QColor &colour);

    // Preview: the picture shown, kept only as far as the box can show it.
    void setPicture(const QImage &picture);
    // Preview: what its more than half transparent pixels show, so that
    // they convert as the background key colour does.
    void setTransparentColour(const QColor &colour);
    bool hasPicture() const { return !m_picture.isNull(); }
    // Exactly what the preview shows, pixel for pixel, without the mark.
    QImage shownImage() const { return m_shown; }

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

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
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
    QColor m_transparentColour;
    QImage m_picture;
    QImage m_shown;
    bool m_pressed = false;
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
