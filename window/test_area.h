// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_reader.h"

#include <QList>
#include <QMargins>
#include <QWidget>

class QComboBox;
class QLabel;
class QScrollArea;

namespace pixelwick {

class TrySurface;

// A window of its own in which the pointer becomes the cursor: on the left
// as this desktop draws it, on the right as Windows draws it, inverting
// the screen where the cursor inverts. A file of several images offers
// each to choose. Escape closes it.
class TestArea : public QWidget {
    Q_OBJECT
public:
    explicit TestArea(QWidget *parent = nullptr);

    // The images to try, under `name` (the file's); `note`, when not
    // empty, is said beneath. The choice of image stays where it can.
    void showCursors(const QList<CursorImage> &images, const QString &name, const QString &note = {});
    // Nothing to try, and why.
    void showNothing(const QString &why);
    // Moves the area beside `other` on its screen: below, right, above or
    // left of it, wherever it covers least of it.
    void placeBeside(const QWidget *other);
    // All it shows, where the screen has room for it.
    QSize sizeHint() const override;

private:
    void showChosen();
    // What is tried of `image`: the file's name, its size and hot spot.
    QString summaryOf(const CursorImage &image) const;
    // As large as what it shows, but no larger than `room` leaves inside its
    // frame: a small screen scrolls it.
    QSize fittedSize(const QRect &room) const;

    QList<CursorImage> m_images;
    QString m_name;
    QString m_note;
    QLabel *m_summary;
    QLabel *m_sizeLabel;
    QComboBox *m_sizes;
    TrySurface *m_desktop;
    TrySurface *m_windows;
    QWidget *m_content;
    QScrollArea *m_scroll;
    QMargins m_decoration; // its frame, taken to be as the main window's; guessed where there is none
};

} // namespace pixelwick
