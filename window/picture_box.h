// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace pixelwick {

// A flat 32 x 32 box that shows either a picture over its background (the
// preview) or just its background colour (a swatch), and reports clicks.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Role { Preview, Swatch };
    PictureBox(Role role, QWidget *parent);

    // Swatch: the colour shown.
    QColor backColour() const { return m_backColour; }
    void setBackColour(const QColor &colour);

    // Preview: the picture shown, kept only as far as the box can show it.
    void setPicture(const QImage &picture);
    // Preview: what its more than half transparent pixels show, so that
    // they convert as the background key colour does.
    void setTransparentColour(const QColor &colour);
    bool hasPicture() const { return !m_picture.isNull(); }
    // Exactly what the preview shows, pixel for pixel.
    QImage shownImage() const { return m_shown; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void recompose();

    Role m_role;
    QColor m_backColour;
    QColor m_transparentColour;
    QImage m_picture;
    QImage m_shown;
    bool m_pressed = false;
};

} // namespace pixelwick
