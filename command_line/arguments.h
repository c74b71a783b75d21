// SPDX-License-Identifier: MIT
#pragma once

#include "picture_loading.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace pixelwick {

// The command line as the user typed it, byte for byte. Qt alone decodes
// each argument lossily, so that a name with a byte that is no character in
// the system's encoding would silently stand for another file; here every
// such byte is kept as a mark (see shownName) that no file name can hold.
QStringList faithfulArguments(int argc, char **argv);

// Whether `name` reaches the file of exactly this name when handed to Qt's
// file functions, not one whose name merely looks alike.
bool opensAsNamed(const QString &name);

// Whether `name` stands for standard input: "-", /dev/stdin and its aliases.
bool namesStandardInput(const QString &name);

// Whether a cursor "beside" the file `name` has no sensible place: standard
// input and the other names of open files in /dev and /proc.
bool hasNoFolderForCursor(const QString &name);

// Why a picture whose name does not open as named is refused.
QString unopenableName();

// What is wrong with the names the files to be `written` have, or with the
// `pictures` when each cursor is to go beside its picture; empty when
// nothing is.
QString namesProblem(const QStringList &pictures, const QStringList &written, bool cursorsBeside);

// Standard input to its end, as a pipe can only be read; null, with
// `problem` set, when it cannot be read or holds more than any picture.
std::optional<QByteArray> readStandardInput(QString &problem);

// `name` loaded as a picture, from standard input if it names that;
// `whileReading` is called while a file's picture is decoded.
LoadedPicture loadArgument(const QString &name, const PictureRegion &region = {},
                           const WhileReading &whileReading = {});

} // namespace pixelwick
