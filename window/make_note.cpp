// SPDX-License-Identifier: MIT
#include "make_note.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>

namespace pixelwick {

namespace {

// Long enough to read a path, short enough not to be mistaken for the
// state of the next cursor.
constexpr int kNoteMilliseconds = 6000;

} // namespace

MakeNote::MakeNote(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("lblNote"));
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kNoteMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &MakeNote::clearNote);
}

void MakeNote::sayWritten(const QString &written, bool replaced, bool intoFile)
{
    const QFileInfo file(written);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    if (!intoFile)
        m_full = tr("Wrote the cursor into %1.").arg(QDir::toNativeSeparators(written));
    else if (replaced)
        m_full = tr("Replaced %1 in %2.").arg(file.fileName(), folder);
    else
        m_full = tr("Wrote %1 in %2.").arg(file.fileName(), folder);
    setToolTip(m_full);
    setAccessibleName(m_full);
    showElided();
    m_timer.start();
}

void MakeNote::clearNote()
{
    m_timer.stop();
    m_full.clear();
    setToolTip({});
    setAccessibleName({});
    clear();
}

void MakeNote::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showElided();
}

void MakeNote::showElided()
{
    // A long folder loses its middle, so that the file's name and the
    // folder's start and end stay.
    setText(fontMetrics().elidedText(m_full, Qt::ElideMiddle, width()));
}

} // namespace pixelwick
