// SPDX-License-Identifier: MIT
// The window's side of the looks popup: when it shows, what it shows, and
// when it goes.
#include "main_window.h"

#include "cursor_file.h"
#include "cursor_reader.h"
#include "make_cursor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace pixelwick {

bool FrmConverter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        // Placed again outside the frame where it now is.
        if (m_looks->isShown() && !m_looks->inOwnWindow())
            m_looks->popUpBeside(picBMP);
    }
    if (watched == m_looks) {
        if (event->type() == QEvent::Leave)
            m_leaveTimer.start();
        else if (event->type() == QEvent::Enter)
            m_leaveTimer.stop();
    }
    if (watched == picBMP) {
        switch (event->type()) {
        case QEvent::Enter:
            m_leaveTimer.stop();
            if (!m_looks->isShown())
                m_restTimer.start();
            break;
        case QEvent::Leave:
            m_restTimer.stop();
            m_leaveTimer.start();
            break;
        case QEvent::ToolTip:
            // The looks popup already stands beside the preview.
            if (m_looks->isShown() || m_restTimer.isActive())
                return true;
            break;
        case QEvent::FocusOut:
            // The preview's own menu keeps the looks in view, to follow its
            // choice, also where the platform makes the menu the active window.
            if (static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason
                || QApplication::activePopupWidget())
                break;
            m_restTimer.stop();
            m_looks->hidePopup();
            break;
        case QEvent::Hide:
            m_restTimer.stop();
            m_looks->hideLooks();
            break;
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
                showLooks();
                return true;
            }
            if (key->key() == Qt::Key_Escape && m_looks->isShown()) {
                m_looks->hideLooks();
                return true;
            }
            break;
        }
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmConverter::showLooks()
{
    guarded([this] {
        updateLooks();
        m_looks->popUpBeside(picBMP);
    });
}

void FrmConverter::refreshLooks()
{
    // Drawing the looks takes a while; a hidden popup is drawn when shown.
    if (m_looks->isShown())
        updateLooks();
}

void FrmConverter::updateLooks()
{
    // Make CUR would refuse without a picture, so there is nothing to show.
    if (commonDialog->FileName().isEmpty() || !m_picture.hasPicture()) {
        m_looks->showText(tr("Nothing to show yet: load a picture first."));
        return;
    }
    // The bytes Make CUR would write now, made in memory; with a field that
    // holds no number the looks are shown without a hot spot.
    HotSpot hotSpot;
    QStringList unknown;
    if (const MakeCursorResult bad = readHotSpotField(txtX->text(), 'x', hotSpot.x); !bad.ok())
        unknown << bad.message;
    if (const MakeCursorResult bad = readHotSpotField(txtY->text(), 'y', hotSpot.y); !bad.ok())
        unknown << bad.message;
    const CursorReading reading = readCursor(cursorBytes(hotSpot, LookSource(cursorLooks()), kLookKeys));
    if (!reading.cursor) {
        m_looks->showText(reading.problem);
        return;
    }
    const QString reason = unknown.join(u' ');
    m_looks->showLooks(*reading.cursor, reason);
}

} // namespace pixelwick
