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

bool writeScheme(const Options &options)
{
    const PointerGrouping grouping = groupPointerPictures(options.pictures, options.role);
    if (!grouping.problem.isEmpty()) {
        complain(grouping.problem);
        return false;
    }
    for (const PointerPictures &pointer : grouping.pointers) {
        if (!pointer.role) {
            complain(pictureProblem(pointer.pictures.first(),
                                    CommandLine::tr("its name is no pointer role's, so it has no place in the "
                                                    "scheme; name it after one (arrow, help, wait, ibeam, hand...) "
                                                    "or give --role")));
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
    QList<SchemeFile> files;
    for (const MadePointer &pointer : std::as_const(made)) {
        const QString name = schemeFileName(*pointer.pictures.role, pointer.animated);
        files.append({*pointer.pictures.role, name});
        contents.addFile(name, pointer.bytes);
    }
    contents.addFile(QStringLiteral("install.inf"), installInf(options.scheme, files));
    const QString folder =
        QDir(options.output.isEmpty() ? QStringLiteral(".") : options.output).filePath(options.scheme);
    if (const Placed placed = placeFolder(folder, contents, {&options.protectedPictures}); !placed.ok()) {
        complain(CommandLine::tr("cannot write the scheme %1: %2").arg(quotedPath(folder), placingProblem(placed)));
        return false;
    }
    return true;
}

} // namespace pixelwick
