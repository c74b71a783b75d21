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
// Room left in a line so that the written line never wraps.
constexpr int kLineSlack = 4;

} // namespace

MakeNote::MakeNote(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("lblNote"));
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(this, &QLabel::linkActivated, this, &MakeNote::actionChosen);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kNoteMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &MakeNote::clearNote);
}

void MakeNote::sayWritten(const QString &written, bool replaced, bool intoFile)
{
    const QFileInfo file(written);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    if (!intoFile)
        m_written = tr("Wrote the cursor into %1.").arg(QDir::toNativeSeparators(written));
    else if (replaced)
        m_written = tr("Replaced %1 in %2.").arg(file.fileName(), folder);
    else
        m_written = tr("Wrote %1 in %2.").arg(file.fileName(), folder);
    m_wrapWritten = false;
    showElided();
    m_timer.start();
}

void MakeNote::saySentences(const QString &sentences)
{
    // Whole, wrapped, and kept until the next write: it says what to do next.
    m_timer.stop();
    m_written = sentences;
    m_wrapWritten = true;
    showElided();
}

void MakeNote::clearNote()
{
    m_timer.stop();
    m_written.clear();
    showElided();
}

void MakeNote::setState(const QString &sentences, const QString &action)
{
    if (sentences == m_state && action == m_action)
        return;
    m_state = sentences;
    m_action = action;
    showElided();
}

void MakeNote::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showElided();
}

void MakeNote::showElided()
{
    QStringList full;
    QStringList shown;
    // A long folder loses its middle, so that the file's name and the
    // folder's start and end stay on one line.
    QString written =
        m_wrapWritten ? m_written : fontMetrics().elidedText(m_written, Qt::ElideMiddle, width() - kLineSlack);
    // Sentences lose words at their end until they fit beside what holds
    // now; the tooltip says it all.
    const auto fitsWith = [&](const QString &lines) {
        const QRect room(0, 0, width(), QWIDGETSIZE_MAX);
        return fontMetrics().boundingRect(room, Qt::TextWordWrap, lines).height() <= height();
    };
    const QString below = m_state.isEmpty() ? QString() : QStringLiteral("\n") + m_state + u' ' + m_action;
    for (QStringList words = m_written.split(u' ', Qt::SkipEmptyParts);
         m_wrapWritten && words.size() > 1 && !fitsWith(written + below);) {
        words.removeLast();
        written = words.join(u' ') + QStringLiteral("…");
    }
    if (!m_written.isEmpty()) {
        full << m_written;
        shown << written;
    }
    if (!m_state.isEmpty())
        full << m_state;
    // What holds now loses words at its end until all fits, so that the
    // link always shows; the tooltip says it all.
    const auto fits = [&](const QString &state) {
        const QString lines = (shown + QStringList{state + u' ' + m_action}).join(u'\n');
        const QRect room(0, 0, width(), QWIDGETSIZE_MAX);
        return fontMetrics().boundingRect(room, Qt::TextWordWrap, lines).height() <= height();
    };
    QStringList words = m_state.split(u' ', Qt::SkipEmptyParts);
    QString state = m_state;
    while (words.size() > 1 && !fits(state)) {
        words.removeLast();
        state = words.join(u' ') + QStringLiteral("…");
    }
    QStringList html;
    for (const QString &line : std::as_const(shown))
        html << line.toHtmlEscaped();
    if (!state.isEmpty() || !m_action.isEmpty()) {
        QString line = state.toHtmlEscaped();
        if (!m_action.isEmpty())
            line += QStringLiteral(" <a href=\"action\">%1</a>").arg(m_action.toHtmlEscaped());
        html << line;
    }
    const QString said = full.join(u' ');
    setToolTip(said);
    setAccessibleName(said);
    setText(html.join(QStringLiteral("<br>")));
}

} // namespace pixelwick
