// SPDX-License-Identifier: MIT
#include "busy_reading.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace pixelwick {

namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::InputMethod: return true;
    default: return false;
    }
}

} // namespace

BusyReading::BusyReading(QWidget *window) : m_window(window)
{
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    QCoreApplication::instance()->installEventFilter(this);
}

BusyReading::~BusyReading()
{
    QCoreApplication::instance()->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
}

bool BusyReading::keepReading()
{
    // Every event, the window manager's request to close included: Qt
    // counts that one as user input, which excluding input would hold back
    // until the read ends.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !m_closed;
}

bool BusyReading::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        m_closed = true;
        return false;
    }
    if (!isInput(event->type()))
        return false;
    // Ctrl+Q is known before Qt looks for the window's shortcut, which it
    // would then find, and which is input, too.
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (key && static_cast<QKeyEvent *>(event)->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Q))
        m_window->close();
    return true;
}

} // namespace pixelwick
