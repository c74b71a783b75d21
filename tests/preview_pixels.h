// SPDX-License-Identifier: MIT
#pragma once
// What the window's preview tests share: a dialog that only counts, a
// picture of many colours, and what a box shows on screen.
#include "common_dialog.h"
#include "picture_box.h"

#include <QImage>
#include <QList>
#include <QPoint>

namespace testing {

// Counts what the window asks; answers nothing.
class CountingBackend : public pixelwick::DialogBackend {
public:
    explicit CountingBackend(int &asked) : m_asked(asked) {}
    std::optional<QString> askOpenFile(QWidget *, const QString &) override;
    std::optional<QColor> askColour(QWidget *, const QColor &) override;
    std::optional<QString> askSaveFile(QWidget *, const QString &) override;

private:
    int &m_asked;
};

// Every pixel its own colour; the bottom-right corner fully transparent,
// so that it shows the background key colour.
QImage gradient();
// What the box shows on screen, one sample from the middle of each of its
// pixels' blocks of screen pixels.
QImage seen(QWidget *box);
// The pixels where the screen differs from what the preview converts.
QList<QPoint> marked(pixelwick::PictureBox *preview);
// A mark near `hotSpot` on its row and column that leaves the pixel itself.
bool marks(const QList<QPoint> &pixels, QPoint hotSpot);

} // namespace testing
