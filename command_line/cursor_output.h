// SPDX-License-Identifier: MIT
#pragma once

#include "file_placing.h"
#include "options.h"

#include <QByteArray>
#include <QString>

namespace pixelwick {

// Why `placed` failed, in words.
QString placingProblem(const Placed &placed);

// Writes the whole cursor made of `picture` to standard output; says why not.
bool writeToStandardOutput(const QString &picture, const QByteArray &bytes, const Options &options);

} // namespace pixelwick
