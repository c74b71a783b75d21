// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pixelwick {

inline constexpr char kProgram[] = "pixelwick-convert";

// One line on standard error, "pixelwick-convert: TEXT", with the text's
// line breaks and control characters made harmless.
void complain(QString text);

// "PICTURE: what is wrong", the line a script finds a failed picture by.
QString pictureProblem(const QString &picture, const QString &problem);

// "PICTURE: warning: TEXT": something that did not stop the conversion.
void warnAbout(const QString &picture, const QString &text);
// "warning: TEXT", for the run as a whole.
void warn(const QString &text);

// Set once writing to standard output failed: the rest would fail too, and
// one line says so.
bool standardOutputLost();
void loseStandardOutput();

} // namespace pixelwick
