// SPDX-License-Identifier: MIT
#pragma once

#include "options.h"

#include <QCommandLineParser>
#include <QString>

namespace pixelwick {

// The options for X11 and Wayland desktops: --xcursor, --theme, --role and
// --inverted-as, with their help.
void addLinuxOptions(QCommandLineParser &parser);

// Reads them into `options`, whose other options are read already; why
// they cannot be taken, else empty.
QString linuxOptionsProblem(const QCommandLineParser &parser, Options &options);

} // namespace pixelwick
