// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

namespace testing {

// What an X tool prints, waiting at most 20 seconds for it.
QString tool(const QStringList &command);

// A window's own area on the screen, and with the window manager's frame,
// as the X server and the window manager tell them (xwininfo, xprop).
struct Placed {
    QRect client;
    QRect frame;
};

Placed placedOf(const QString &window);

// The X screen's whole area, as the server tells it.
QRect screenArea();

} // namespace testing
