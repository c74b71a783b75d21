// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace pixelwick {

// While a picture is read in the reader process, the window keeps painting
// and shows a busy pointer, but takes no input: clicks, keys, drops and the
// like are dropped, so that nothing starts another read or a write halfway.
// Closing it still works, from the window manager or with Ctrl+Q, and
// gives the read up.
class BusyReading : public QObject {
public:
    explicit BusyReading(QWidget *window);
    ~BusyReading() override;
    BusyReading(const BusyReading &) = delete;
    BusyReading &operator=(const BusyReading &) = delete;

    // Lets the window's events in, as the read's wait calls for; false
    // once the window was closed, when the read is to be given up.
    bool keepReading();
    bool closed() const { return m_closed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_closed = false;
};

} // namespace pixelwick
