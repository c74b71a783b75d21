// SPDX-License-Identifier: MIT
#pragma once

#include "options.h"
#include "pointer_set_output.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace pixelwick {

// Why a picture of no role is refused in a scheme.
QString noRoleInScheme();

// The files of the Windows scheme `name` of these pointers, each a role's:
// a cursor a role, named after it, and the install.inf.
QList<std::pair<QString, QByteArray>> schemeFiles(const QList<MadePointer> &made, const QString &name);

// --scheme NAME: a cursor for each role the pictures make, and the
// install.inf that installs them as a Windows scheme, in the folder NAME of
// the folder -o names, which is written whole or not at all. Every picture
// is read before anything is written. Says what failed.
bool writeScheme(const Options &options);

} // namespace pixelwick
