// SPDX-License-Identifier: MIT
#include "cursors_to_try.h"

#include "cursor_pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace pixelwick {

namespace {

class CursorsToTryText {
    Q_DECLARE_TR_FUNCTIONS(CursorsToTry)
};

// Far above any real cursor file (256 images of 256 x 256 at 32 bits are
// 64 MB), so that a huge file is refused before it is held.
constexpr qint64 kLargestFile = qint64(64) << 20;

} // namespace

CursorsToTry cursorsToTry(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, CursorsToTryText::tr("There is no file of that name.")};
    if (!info.isFile())
        return {{}, CursorsToTryText::tr("This is not a file.")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > kLargestFile)
        return {{},
                CursorsToTryText::tr("The file is larger than %n MB, too large for a cursor.", nullptr,
                                     int(kLargestFile >> 20))};
    if (cursorFileKind(bytes) == CursorFileKind::None)
        return {{}, CursorsToTryText::tr("This is not a cursor, an icon or an animated cursor.")};
    CursorFileLooks looks = readCursorLooks(bytes, info.fileName());
    return {std::move(looks.images), looks.problem};
}

} // namespace pixelwick
