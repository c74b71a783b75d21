// SPDX-License-Identifier: MIT
// The window's side of the test area: opening it, and handing it the
// cursor Make CUR would write whenever that changes.
#include "main_window.h"

#include "cursor_reader.h"
#include "test_area.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace pixelwick {

void FrmConverter::wireTestArea()
{
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this), &QShortcut::activated, this,
            &FrmConverter::openTestArea);
    // Last in the preview's menu, after the window's own choices.
    connect(picBMP, &PictureBox::menuOpening, this, [this](QMenu *menu) {
        connect(menu->addAction(tr("Try the cursor…")), &QAction::triggered, this, &FrmConverter::openTestArea,
                Qt::QueuedConnection);
    });
    connect(txtX, &QLineEdit::textChanged, this, &FrmConverter::refreshTestArea);
    connect(txtY, &QLineEdit::textChanged, this, &FrmConverter::refreshTestArea);
}

void FrmConverter::openTestArea()
{
    guarded([this] {
        if (!m_testArea)
            m_testArea = new TestArea(this);
        if (!m_testArea->isVisible())
            m_testArea->placeBeside(this);
        m_testArea->show();
        refreshTestArea();
        m_testArea->raise();
        m_testArea->activateWindow();
    });
}

void FrmConverter::refreshTestArea()
{
    if (!m_testArea || !m_testArea->isVisible())
        return;
    if (commonDialog->FileName().isEmpty() || !m_picture.hasPicture()) {
        m_testArea->showNothing(tr("Nothing to try yet: load a picture first."));
        return;
    }
    // A field that holds no number leaves that coordinate as it was, so
    // that the hot spot stays put while it is typed anew.
    HotSpot hotSpot = m_triedHotSpot;
    QStringList unknown;
    if (const MakeCursorResult bad = readHotSpotField(txtX->text(), 'x', hotSpot.x); !bad.ok())
        unknown << bad.message;
    if (const MakeCursorResult bad = readHotSpotField(txtY->text(), 'y', hotSpot.y); !bad.ok())
        unknown << bad.message;
    m_triedHotSpot = hotSpot;
    const CursorReading reading = readCursor(cursorBytes(hotSpot, LookSource(cursorLooks()), kLookKeys));
    if (!reading.cursor) {
        m_testArea->showNothing(reading.problem);
        return;
    }
    m_testArea->showCursors({*reading.cursor}, QFileInfo(cursorPathFor(commonDialog->FileName())).fileName(),
                            unknown.join(u' '));
}

} // namespace pixelwick
