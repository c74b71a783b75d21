// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>

#include <memory>

namespace pixelwick {

struct CursorImage;

// A tooltip-style window beside the preview that shows how the cursor will
// look, or says why it cannot yet.
class LooksPopup : public QLabel {
    Q_OBJECT
public:
    explicit LooksPopup(QWidget *parent);
    ~LooksPopup() override;

    // `reason`, when not empty, says why the hot spot is not marked.
    void showLooks(const CursorImage &cursor, const QString &reason);
    void showText(const QString &text);
    // Places the popup next to `anchor` on its screen, never over it: below
    // it where there is room, else above, else right or left of its window,
    // else in the largest room beside it with the cursor's pixels made
    // smaller (whole screen pixels each, never blurred); then shows it.
    void popUpBeside(QWidget *anchor);

private:
    void render(int largestPitch);
    void placeAgain();

    std::unique_ptr<CursorImage> m_cursor;
    QString m_reason;
    QPointer<QWidget> m_anchor;
};

} // namespace pixelwick
