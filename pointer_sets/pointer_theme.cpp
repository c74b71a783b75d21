// SPDX-License-Identifier: MIT
#include "pointer_theme.h"

#include "folder_placing.h"
#include "xcursor_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

#include <algorithm>

namespace pixelwick {

namespace {

const QString kCursors = QStringLiteral("cursors/");
const QString kFallbackTheme = QStringLiteral("Adwaita");

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// A name that can stand alone in a folder, without hiding or leaving it.
bool fileName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(u'.') || name.contains(u'/'))
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// A value of an INI-style file, the first of a list; empty where the file
// or the value is missing.
QString settingOf(const QString &file, const QString &key)
{
    if (!QFileInfo(file).isFile())
        return {};
    const QSettings settings(file, QSettings::IniFormat);
    const QVariant value = settings.value(key);
    const QStringList values = value.toStringList();
    return (values.isEmpty() ? value.toString() : values.first()).trimmed();
}

QString configFolder()
{
    const QString given = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(given) ? given : QDir::homePath() + QStringLiteral("/.config");
}

} // namespace

ThemePointer pointerNamed(const QString &picture, std::optional<PointerRole> role)
{
    if (!role)
        role = roleNamed(picture);
    ThemePointer pointer;
    if (!role) {
        if (fileName(picture))
            pointer.file = picture;
        return pointer;
    }
    const PointerRoleNames &names = roleNames(*role);
    pointer.file = latin1(names.xName);
    for (const std::string_view alias : names.xAliases) {
        if (const QString link = latin1(alias); link != pointer.file && !pointer.links.contains(link))
            pointer.links.append(link);
    }
    return pointer;
}

QString themeNameProblem(const QString &name)
{
    if (fileName(name))
        return {};
    return PointerThemes::tr("a theme's name is the name of its folder: it cannot be empty, start with a dot or "
                             "hold a slash or a control character");
}

QString userThemesFolder()
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    return (QDir::isAbsolutePath(data) ? data : QDir::homePath() + QStringLiteral("/.local/share"))
           + QStringLiteral("/icons");
}

QString currentPointerTheme()
{
    if (const QString chosen = qEnvironmentVariable("XCURSOR_THEME").trimmed(); !chosen.isEmpty())
        return chosen;
    const QString config = configFolder();
    // Plasma's choice, then GTK's, then the default theme's parent, which
    // libXcursor itself takes.
    const std::pair<QString, QString> places[] = {
        {config + QStringLiteral("/kcminputrc"), QStringLiteral("Mouse/cursorTheme")},
        {config + QStringLiteral("/gtk-4.0/settings.ini"), QStringLiteral("Settings/gtk-cursor-theme-name")},
        {config + QStringLiteral("/gtk-3.0/settings.ini"), QStringLiteral("Settings/gtk-cursor-theme-name")},
        {QDir::homePath() + QStringLiteral("/.icons/default/index.theme"), QStringLiteral("Icon Theme/Inherits")},
        {userThemesFolder() + QStringLiteral("/default/index.theme"), QStringLiteral("Icon Theme/Inherits")},
        {QStringLiteral("/usr/share/icons/default/index.theme"), QStringLiteral("Icon Theme/Inherits")},
    };
    for (const auto &[file, key] : places) {
        if (const QString theme = settingOf(file, key); !theme.isEmpty())
            return theme;
    }
    return {};
}

QString inheritedTheme(const QString &folder, const QString &name)
{
    const QString before =
        settingOf(folder + u'/' + name + QStringLiteral("/index.theme"), QStringLiteral("Icon Theme/Inherits"));
    for (const QString &theme : {before, currentPointerTheme(), kFallbackTheme}) {
        if (!theme.isEmpty() && theme != name && themeNameProblem(theme).isEmpty())
            return theme;
    }
    return {};
}

QString clashingName(const QList<ThemePointer> &pointers)
{
    QSet<QString> taken;
    for (const ThemePointer &pointer : pointers) {
        for (const QString &name : QStringList{pointer.file} + pointer.links) {
            if (taken.contains(name))
                return name;
            taken.insert(name);
        }
    }
    return {};
}

Placed placeTheme(const QString &folder, const PointerTheme &theme,
                  std::initializer_list<const ProtectedFiles *> pictures,
                  const QList<std::pair<QString, QByteArray>> &besides)
{
    FolderContents contents;
    QByteArray index = "[Icon Theme]\nName=" + theme.name.toUtf8() + "\nComment=Pointers made with Pixelwick\n";
    if (!theme.inherits.isEmpty())
        index += "Inherits=" + theme.inherits.toUtf8() + '\n';
    contents.addFile(QStringLiteral("index.theme"), index);
    contents.addFolder(kCursors.chopped(1));
    for (const auto &[name, bytes] : besides)
        contents.addFile(name, bytes);
    for (const ThemePointer &pointer : theme.pointers) {
        contents.addFile(kCursors + pointer.file, pointer.xcursor);
        for (const QString &link : pointer.links)
            contents.addLink(kCursors + link, pointer.file);
    }
    const QString place = folder + u'/' + theme.name;
    const Placed placed = placeFolder(place, contents, pictures);
    if (!placed.ok())
        return placed;
    const QString found = QFileInfo(folder).canonicalFilePath();
    const QStringList searched = xcursorSearchPath();
    const bool seen = std::any_of(searched.cbegin(), searched.cend(),
                                  [&](const QString &path) { return QFileInfo(path).canonicalFilePath() == found; });
    const bool ownThemes = found == QFileInfo(userThemesFolder()).canonicalFilePath();
    if (ownThemes && !seen) {
        const QString link = QDir::homePath() + QStringLiteral("/.icons/") + theme.name;
        const QFileInfo there(link);
        if (!there.exists() || there.isSymLink())
            placeLink(link, QFileInfo(place).canonicalFilePath());
    }
    return placed;
}

QString howToChooseTheme(const QString &name)
{
    return PointerThemes::tr("Choose the pointer theme %1 in GNOME Tweaks (Appearance, Cursor) or in KDE's System "
                             "Settings (Cursors), or start a program with XCURSOR_THEME=%1 set.")
        .arg(name);
}

} // namespace pixelwick
