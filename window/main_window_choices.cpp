// SPDX-License-Identifier: MIT
// The window's choices of how its picture becomes the cursor: fitted whole
// or a part of it, and colours near the key colours; and the one place
// that says what the cursor is now.
#include "main_window.h"

#include "busy_reading.h"
#include "cursor_pictures.h"

#include <QAction>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>

namespace pixelwick {

namespace {

// About as wide as a line of a message box.
constexpr int kWrappedLabelCharacters = 50;

// The explanation wraps, rather than widen the dialog past the screen.
void wrapLabelOf(QInputDialog &dialog)
{
    if (auto *label = dialog.findChild<QLabel *>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * kWrappedLabelCharacters);
    }
}

} // namespace

LookGrid FrmConverter::cursorLooks() const
{
    return m_picture.looks(keyColours(), windowColour());
}

QColor FrmConverter::windowColour() const
{
    return picBMP->palette().color(QPalette::Base);
}

void FrmConverter::showCursorNow()
{
    const KeyColours keys = keyColours();
    const LookGrid looks = cursorLooks();
    picBMP->setShown(m_picture.preview(looks, keys, windowColour()));
    picBMP->setPartDraggable(m_picture.canChoosePart());
    // The worse news first, should the note's room run out.
    QStringList said;
    if (m_picture.hasPicture() && isInvisible(looks))
        said << tr("Every pixel of the cursor is transparent, so it would be invisible.");
    if (const QString part = m_picture.partSentence(); !part.isEmpty())
        said << part;
    QString action;
    if (m_picture.fit())
        action = tr("Pixel for pixel");
    else if (m_picture.largerThanCursor())
        action = tr("Fit");
    m_note->setState(said.join(u' '), action);
    refreshLooks();
    refreshTestArea();
}

void FrmConverter::setFitWhole(bool fit)
{
    guarded([&] {
        if (fit == m_picture.fit())
            return;
        if (m_picture.hasPicture()) {
            // A drawing is drawn anew at the size it is fitted from, or at
            // its own; a picture too large to hold gives its corner.
            std::optional<LoadedPicture> again = readAgain(WindowPicture::regionToRead(fit));
            if (again && !fit && WindowPicture::readSmaller(*again))
                again = readAgain(PictureRegion());
            if (!again)
                return;
            m_picture.setFit(fit);
            m_picture.setPicture(std::move(*again));
        }
        m_picture.setFit(fit);
        showCursorNow();
    });
}

std::optional<LoadedPicture> FrmConverter::readAgain(const PictureRegion &region)
{
    const LoadedPicture &shown = m_picture.loaded();
    LoadedPicture loaded;
    bool closed = false;
    {
        BusyReading busy(this);
        loaded = loadPictureOrCursorBytes(shown.bytes, m_shownPicture, QFileInfo(m_shownPicture).suffix(), region,
                                          [&] { return busy.keepReading(); });
        closed = busy.closed();
    }
    if (closed)
        return std::nullopt;
    if (!loaded.ok()) {
        showFailure(tr("Cannot load the picture"), loaded.error);
        return std::nullopt;
    }
    loaded.identity = shown.identity;
    return loaded;
}

void FrmConverter::movePart(QPoint from)
{
    if (m_picture.moveTo(from))
        showCursorNow();
}

void FrmConverter::extendPreviewMenu(QMenu *menu)
{
    // Each runs once the menu is done with its click: reading a picture
    // lets events in, and with them the menu's own deletion.
    const auto later = [this](QAction *action, const std::function<void(bool)> &choice) {
        connect(action, &QAction::triggered, this, choice, Qt::QueuedConnection);
    };
    QAction *fit = menu->addAction(tr("Fit the whole picture"));
    fit->setCheckable(true);
    fit->setChecked(m_picture.fit());
    later(fit, [this](bool checked) { setFitWhole(checked); });
    later(menu->addAction(tr("Near colours…")), [this](bool) { askNearColours(); });
    QAction *set = menu->addAction(tr("Make a set of sizes…"));
    set->setEnabled(m_picture.hasPicture());
    later(set, [this](bool) { makeSizeSet(); });
    QAction *saveAs = menu->addAction(tr("Save as…"));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveAs->setEnabled(m_picture.hasPicture());
    later(saveAs, [this](bool) { saveCursorAs(); });
    QAction *desktop = menu->addAction(tr("Use on this desktop…"));
    desktop->setEnabled(m_picture.hasPicture());
    later(desktop, [this](bool) { useOnDesktop(); });
}

void FrmConverter::askNearColours()
{
    guarded([this] {
        QInputDialog dialog(this);
        dialog.setWindowTitle(tr("Near colours"));
        dialog.setLabelText(
            tr("A colour counts as a key colour when its red, green and blue each differ from the key's by this much "
               "at most. 0 takes the key colour alone; the colours of a JPEG may need 16 or more."));
        dialog.setInputMode(QInputDialog::IntInput);
        dialog.setIntRange(0, kLargestTolerance);
        dialog.setIntValue(m_tolerance);
        wrapLabelOf(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.intValue() == m_tolerance)
            return;
        m_tolerance = dialog.intValue();
        showCursorNow();
    });
}

QString FrmConverter::askText(const QString &title, const QString &label, const QString &value, bool &accepted)
{
    QInputDialog dialog(this);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(value);
    wrapLabelOf(dialog);
    accepted = dialog.exec() == QDialog::Accepted;
    return accepted ? dialog.textValue() : QString();
}

} // namespace pixelwick
