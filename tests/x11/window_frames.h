// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

namespace testing {

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
