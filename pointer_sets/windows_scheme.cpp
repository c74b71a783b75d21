// SPDX-License-Identifier: MIT
#include "windows_scheme.h"

#include <QCoreApplication>

#include <algorithm>

namespace pixelwick {

namespace {

class PointerSet {
    Q_DECLARE_TR_FUNCTIONS(PointerSet)
};

// A value in [Strings] is quoted; a quote in it is doubled.
QString quoted(QString text)
{
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString stringKey(PointerRole role)
{
    return QStringLiteral("file_") + QString::fromLatin1(roleNames(role).windowsRole);
}

} // namespace

QString schemeFileName(PointerRole role, bool animated)
{
    return QString::fromLatin1(roleNames(role).windowsRole).toLower()
           + (animated ? QStringLiteral(".ani") : QStringLiteral(".cur"));
}

QString schemeNameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return PointerSet::tr("the scheme's name is empty");
    if (name.size() > 64)
        return PointerSet::tr("the scheme's name is longer than 64 characters");
    // Windows' own rules for a file name, and the INF's for what it puts in.
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("\\/:*?\"<>|%").contains(c))
            return PointerSet::tr("the scheme's name may not hold the character %1, as it becomes a folder's "
                                  "name on Windows")
                .arg(c.unicode() < 0x20 || c.unicode() == 0x7F
                         ? QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0'))
                         : QString(c));
    }
    if (name.startsWith(u' ') || name.endsWith(u' ') || name.endsWith(u'.') || name == QLatin1String(".."))
        return PointerSet::tr("the scheme's name may not start with a space nor end with a space or a dot");
    return {};
}

QByteArray installInf(const QString &name, const QList<SchemeFile> &files)
{
    const auto fileOf = [&](PointerRole role) -> const SchemeFile * {
        const auto found =
            std::find_if(files.cbegin(), files.cend(), [&](const SchemeFile &f) { return f.role == role; });
        return found == files.cend() ? nullptr : &*found;
    };
    const QString place = QStringLiteral("%10%\\%CUR_DIR%\\");
    QStringList lines;
    lines << QStringLiteral("; The pointer scheme %1, made by Pixelwick.").arg(name)
          << QStringLiteral("; Right-click this file and choose Install, then choose the scheme in the Mouse")
          << QStringLiteral("; settings: Pointers (it is also made the current one).") << QString();
    lines << QStringLiteral("[Version]") << QStringLiteral("Signature=\"$CHICAGO$\"") << QString();
    lines << QStringLiteral("[DefaultInstall]") << QStringLiteral("CopyFiles = Scheme.Cur")
          << QStringLiteral("AddReg = Scheme.Reg") << QString();
    lines << QStringLiteral("[DestinationDirs]") << QStringLiteral("Scheme.Cur = 10,\"%CUR_DIR%\"") << QString();

    QStringList roleFiles;
    for (const PointerRoleNames &role : pointerRoles())
        roleFiles << (fileOf(role.role) ? place + u'%' + stringKey(role.role) + u'%' : QString());
    lines << QStringLiteral("[Scheme.Reg]")
          << QStringLiteral("HKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",0x00020000,\"%1\"")
                 .arg(roleFiles.join(u','))
          << QStringLiteral("HKCU,\"Control Panel\\Cursors\",,0x00000000,\"%SCHEME_NAME%\"")
          << QStringLiteral("HKCU,\"Control Panel\\Cursors\",\"Scheme Source\",0x00010001,1");
    for (const PointerRoleNames &role : pointerRoles()) {
        if (fileOf(role.role))
            lines << QStringLiteral("HKCU,\"Control Panel\\Cursors\",\"%1\",0x00020000,\"%2%%3%\"")
                         .arg(QString::fromLatin1(role.windowsRole), place, stringKey(role.role));
    }
    lines << QString() << QStringLiteral("[Scheme.Cur]");
    for (const PointerRoleNames &role : pointerRoles()) {
        if (const SchemeFile *file = fileOf(role.role))
            lines << file->fileName;
    }
    lines << QString() << QStringLiteral("[Strings]")
          << QStringLiteral("CUR_DIR = %1").arg(quoted(QStringLiteral("Cursors\\") + name))
          << QStringLiteral("SCHEME_NAME = %1").arg(quoted(name));
    for (const PointerRoleNames &role : pointerRoles()) {
        if (const SchemeFile *file = fileOf(role.role))
            lines << QStringLiteral("%1 = %2").arg(stringKey(role.role), quoted(file->fileName));
    }
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text.toLatin1();
    QByteArray utf16("\xFF\xFE", 2);
    for (const QChar c : text)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return utf16;
}

} // namespace pixelwick
