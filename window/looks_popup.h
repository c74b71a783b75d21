// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>

#include <memory>

class QScrollArea;

namespace pixelwick {

struct CursorImage;

// Shows how the cursor will look, or says why it cannot yet: a
// tooltip-style popup outside the window, beside its frame, or, where the
// screen has no room left outside the window, a window of its own that
// the user moves and closes. It never covers the window, so a click on
// the window always reaches the window.
class LooksPopup : public QLabel {
    Q_OBJECT
public:
    explicit LooksPopup(QWidget *owner);
    ~LooksPopup() override;

    // `reason`, when not empty, says why the hot spot is not marked.
    void showLooks(const CursorImage &cursor, const QString &reason);
    void showText(const QString &text);
    // Shows the looks outside the window of `anchor`, never over its frame:
    // right of it where the screen has room, else below, left or above,
    // with the cursor's pixels made smaller (whole device pixels each, never
    // blurred) where that makes them fit; else in a window of their own,
    // placed in the largest room, which stays until the user closes it.
    void popUpBeside(QWidget *anchor);

    // Shown, in either form.
    bool isShown() const;
    bool inOwnWindow() const;
    // The popup goes when the pointer or the focus leaves the preview; a
    // window of its own stays until closed.
    void hidePopup();
    void hideLooks();
    // Where it is shown on the screen, frame and all.
    QRect shownGeometry() const;

private:
    // The looks drawn for this device pixel ratio with cursor pixels of at
    // most `pitch` device pixels (0 for the usual size).
    void render(int pitch, qreal ratio);
    // The size the looks take, in the window's own pixels, at `pitch`.
    QSize sizeAt(int pitch, qreal ratio) const;
    void placeAgain();
    void showInOwnWindow(const QRect &frame, const QRect &room, qreal ratio);
    void becomePopup();

    std::unique_ptr<CursorImage> m_cursor;
    QString m_reason;
    QPointer<QWidget> m_anchor;
    QWidget *m_owner;
    QScrollArea *m_ownWindow = nullptr;
    int m_pitch = 0; // of the looks shown in a window of their own
};

} // namespace pixelwick
