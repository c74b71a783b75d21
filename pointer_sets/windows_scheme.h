// SPDX-License-Identifier: MIT
#pragma once

#include "pointer_roles.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace pixelwick {

// A Windows pointer scheme is a folder of cursor files and an install.inf
// beside them. Installing it (right-click, Install) copies the files to
// %SystemRoot%\Cursors\NAME, adds NAME to the schemes of the Mouse
// settings' Pointers tab (HKCU\Control Panel\Cursors\Schemes: one value,
// the 17 roles' files in Windows' fixed order, comma-separated, empty for a
// role Windows keeps its own pointer for) and makes it the current one
// (HKCU\Control Panel\Cursors: its default value the scheme's name, and a
// value for each role it has).

struct SchemeFile {
    PointerRole role;
    QString fileName; // in the scheme's folder: "arrow.cur", "wait.ani"
};

// The name of the file a role's pointer has in a scheme.
QString schemeFileName(PointerRole role, bool animated);

// Why `name` cannot name a scheme (it is a folder on Windows and Linux and a
// registry value), or an empty text.
QString schemeNameProblem(const QString &name);

// The install.inf of the scheme `name` with these files, with Windows' line
// ends; in UTF-16 with its byte order mark where the name is not ASCII, as
// Windows reads such an INF.
QByteArray installInf(const QString &name, const QList<SchemeFile> &files);

} // namespace pixelwick
