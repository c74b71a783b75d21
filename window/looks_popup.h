// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QLabel>

namespace pixelwick {

// A tooltip-style window beside the preview that shows how the cursor will
// look, or says why it cannot yet.
class LooksPopup : public QLabel {
    Q_OBJECT
public:
    explicit LooksPopup(QWidget *parent);

    // `summary` says in words what the picture shows, for screen readers.
    void showLooks(const QImage &looks, const QString &summary);
    void showText(const QString &text);
    // Places the popup just below `anchor`, kept on its screen.
    void popUpBelow(QWidget *anchor);
};

} // namespace pixelwick
