// SPDX-License-Identifier: MIT
#pragma once

// A pointer theme as X11 and Wayland desktops load it (libXcursor, and the
// toolkits that follow its rules):
//
//   NAME/index.theme       [Icon Theme] with Name=, Comment= and Inherits=,
//                          the theme whose pointers stand in for any this
//                          one lacks
//   NAME/cursors/FILE      one Xcursor file a pointer
//   NAME/cursors/OTHER     a link to FILE for each other name asked for
//
// in a folder the desktop searches: $XDG_DATA_HOME/icons (else
// ~/.local/share/icons), ~/.icons, /usr/share/icons.

#include "file_placing.h"
#include "pointer_roles.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>
#include <utility>

namespace pixelwick {

struct ThemePointer {
    QString file;       // its Xcursor file's name in cursors/
    QStringList links;  // the other names leading to it
    QByteArray xcursor; // the file's bytes
};

struct PointerTheme {
    QString name;
    QString inherits; // empty: none
    QList<ThemePointer> pointers;
};

// Where a pointer named after `picture` (a file name, its suffix and
// folder left out) goes in a theme: a picture named after a role, or given
// one, is the role's X file with every other name of the role linked to
// it; any other is a file of its own name. Empty `file` when the name
// cannot be a file's.
ThemePointer pointerNamed(const QString &picture, std::optional<PointerRole> role = std::nullopt);

// Why `name` cannot name a theme's folder, else empty.
QString themeNameProblem(const QString &name);

// The folder this user's themes go in: $XDG_DATA_HOME/icons, else
// ~/.local/share/icons.
QString userThemesFolder();

// The theme this user's pointers come from, as far as files and the
// environment tell without a display: XCURSOR_THEME, KDE's and GTK's
// settings, the default theme's index.theme; empty when none says.
QString currentPointerTheme();

// What a new theme `name` in `folder` inherits: the theme it replaces
// inherited, else this user's current theme, else Adwaita; never itself.
QString inheritedTheme(const QString &folder, const QString &name);

// The pointers' names that two of them share, or a link that names a
// file: the first such name, else empty.
QString clashingName(const QList<ThemePointer> &pointers);

// Writes `theme` whole as folder/NAME by the rule of placeFolder(), with
// the files `besides` (a Windows scheme of the same pointers) beside
// index.theme, over a folder holding index.theme, or an empty one. Where `folder` is the user's own and libXcursor does
// not look in it (before version 1.2.2 it knows ~/.icons but not
// ~/.local/share/icons), ~/.icons/NAME is made a link to the theme, unless
// something else stands there.
Placed placeTheme(const QString &folder, const PointerTheme &theme,
                  std::initializer_list<const ProtectedFiles *> pictures,
                  const QList<std::pair<QString, QByteArray>> &besides = {});

class PointerThemes {
    Q_DECLARE_TR_FUNCTIONS(PointerThemes)
};

// One line on how to make `name` the pointer theme of the desktop.
QString howToChooseTheme(const QString &name);

} // namespace pixelwick
