// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_making.h"
#include "fitting.h"
#include "picture_loading.h"

#include <QCoreApplication>
#include <QImage>
#include <QPoint>

namespace pixelwick {

// The window's picture, read whole, and the choices that make it the
// cursor: fitted whole, or the 32 x 32 part from `from()` pixel for pixel.
// What the preview shows, what Make CUR writes and what the note says all
// come from here.
class WindowPicture {
    Q_DECLARE_TR_FUNCTIONS(WindowPicture)
public:
    // What to read of a picture: the whole, a drawing (SVG) drawn to be
    // fitted or at its own size.
    static PictureRegion regionToRead(bool fit);
    // Whether a whole picture was read smaller than it is (a huge JPEG):
    // then only its corner, read again, can be taken pixel for pixel.
    static bool readSmaller(const LoadedPicture &loaded) { return loaded.image.size() != loaded.size; }

    bool hasPicture() const { return !m_loaded.image.isNull(); }
    const LoadedPicture &loaded() const { return m_loaded; }
    // A new reading of the picture; the part stays where it still fits.
    void setPicture(LoadedPicture loaded);
    void clearPart() { m_from = {}; }

    bool fit() const { return m_fit; }
    void setFit(bool fit) { m_fit = fit; }
    // Whether the picture is larger than the cursor either way.
    bool largerThanCursor() const;
    // Whether the part used can be chosen: not fitted, larger, read whole.
    bool canChoosePart() const;
    QPoint from() const { return m_from; }
    // Moves the part to `from`, kept on the picture; whether it moved.
    bool moveTo(QPoint from);

    // How the cursor of `size` is made with these keys over `window`.
    CursorMaking making(const KeyColours &keys, const QColor &window, int size = kCursorSize) const;
    // The cursor as it is now: its pixels' looks.
    LookGrid looks(const KeyColours &keys, const QColor &window) const;
    // What the preview shows of `looks`: fitted, the looks drawn; a part,
    // its colours, each that counts as a key colour shown in that colour.
    QImage preview(const LookGrid &looks, const KeyColours &keys, const QColor &window) const;
    // The sentence that says which of the picture is used, where that is
    // not simply all of it pixel for pixel; else empty.
    QString partSentence() const;

private:
    LoadedPicture m_loaded;
    bool m_fit = false;
    QPoint m_from;
};

// Whether a cursor of these looks shows nothing at all.
bool isInvisible(const LookGrid &looks);

} // namespace pixelwick
