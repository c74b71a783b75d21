// SPDX-License-Identifier: MIT
#pragma once

// Ends the program once a window has been painted the first time, so that
// every window's start-up is timed to the same point.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace pixelwick::bench {

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget *window)
    {
        window->installEventFilter(this);
        // A window that is never shown must not hang a benchmark script.
        QTimer::singleShot(10000, this, [] {
            std::fputs("no paint event within 10 seconds\n", stderr);
            QCoreApplication::exit(3);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Quits on the event loop's next turn: by then this paint, the
            // child widgets' in the same pass and the flush are done.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

} // namespace pixelwick::bench
