// SPDX-License-Identifier: MIT
#include "scheme_output.h"

#include "cursor_output.h"
#include "folder_placing.h"
#include "messages.h"
#include "pointer_pictures.h"
#include "pointer_set_output.h"
#include "reporting.h"
#include "windows_scheme.h"

#include <QCoreApplication>
#include <QDir>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

QString noRoleInScheme()
{
    return CommandLine::tr("its name is no pointer role's, so it has no place in the scheme; name it after one "
                           "(arrow, help, wait, ibeam, hand...) or give --role");
}

QList<std::pair<QString, QByteArray>> schemeFiles(const QList<MadePointer> &made, const QString &name)
{
    QList<std::pair<QString, QByteArray>> contents;
    QList<SchemeFile> files;
    for (const MadePointer &pointer : made) {
        if (!pointer.pictures.role)
            continue;
        const QString file = schemeFileName(*pointer.pictures.role, pointer.animated);
        files.append({*pointer.pictures.role, file});
        contents.append({file, pointer.bytes});
    }
    contents.append({QStringLiteral("install.inf"), installInf(name, files)});
    return contents;
}

bool writeScheme(const Options &options)
{
    const PointerGrouping grouping = groupPointerPictures(options.pictures, options.role);
    if (!grouping.problem.isEmpty()) {
        complain(grouping.problem);
        return false;
    }
    for (const PointerPictures &pointer : grouping.pointers) {
        if (!pointer.role) {
            complain(pictureProblem(pointer.pictures.first(), noRoleInScheme()));
            return false;
        }
    }
    bool allMade = true;
    QList<MadePointer> made;
    for (const PointerPictures &pointer : grouping.pointers) {
        MadePointer one;
        if (makePointer(pointer, options, false, one))
            made.append(one);
        else
            allMade = false;
    }
    if (!allMade)
        return false;

    FolderContents contents;
    for (const auto &[name, bytes] : schemeFiles(made, options.scheme))
        contents.addFile(name, bytes);
    const QString folder =
        QDir(options.output.isEmpty() ? QStringLiteral(".") : options.output).filePath(options.scheme);
    if (const Placed placed = placeFolder(folder, contents, {&options.protectedPictures}); !placed.ok()) {
        complain(CommandLine::tr("cannot write the scheme %1: %2").arg(quotedPath(folder), placingProblem(placed)));
        return false;
    }
    return true;
}

} // namespace pixelwick
