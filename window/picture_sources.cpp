// SPDX-License-Identifier: MIT
#include "picture_sources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>

namespace pixelwick {

namespace {

// Folders that packages install programs into; root may write there, but
// nobody keeps pictures in them.
bool systemFolder(const QString &folder)
{
    for (const char *root : {"/usr", "/bin", "/sbin", "/lib", "/opt"}) {
        const QString top = QLatin1String(root);
        if (folder == top || folder.startsWith(top + u'/'))
            return true;
    }
    return false;
}

} // namespace

QString firstPictureFolder()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QFileInfo programFolder(program);
    if (!program.isEmpty() && programFolder.isDir() && programFolder.isWritable()
        && !systemFolder(programFolder.canonicalFilePath()))
        return program;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

QString droppedPicture(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

} // namespace pixelwick
