#include "cursor_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace pixelwick {

QString errorKindName(CursorError error)
{
    switch (error) {
    case CursorError::None: return QStringLiteral("No error");
    case CursorError::InvalidArgument: return QStringLiteral("Invalid argument");
    case CursorError::TypeMismatch: return QStringLiteral("Type mismatch");
    case CursorError::Overflow: return QStringLiteral("Overflow");
    case CursorError::FileAccess: return QStringLiteral("File access error");
    case CursorError::DeviceOrFile: return QStringLiteral("Device or file error");
    }
    return {};
}

QString cursorPathFor(const QString &picturePath)
{
    const qsizetype nameStart = picturePath.lastIndexOf(u'/') + 1;
    if (nameStart >= picturePath.size())
        return {};
    const qsizetype dot = picturePath.lastIndexOf(u'.');
    // A dot in a folder's name, or leading a file's name, starts no extension.
    const bool hasExtension = dot > nameStart;
    return (hasExtension ? picturePath.left(dot) : picturePath) + QStringLiteral(".cur");
}

namespace {

MakeCursorResult failure(CursorError error, const QString &message, const QString &outputPath = {})
{
    return {error, message, outputPath};
}

QString quoted(const QString &text)
{
    return QStringLiteral("\u201C%1\u201D").arg(text);
}

// Marked read-only for everybody: refused even where the user (root) could
// write regardless, so that a protected file or folder stays protected.
bool markedReadOnly(const QFileInfo &info)
{
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

bool samePlace(const QString &a, const QString &b)
{
    const QFileInfo first(a), second(b);
    if (first.absoluteFilePath() == second.absoluteFilePath())
        return true;
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

// Why `path` cannot take the cursor, or an empty text when it can.
QString unwritableReason(const QString &path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("a folder of that name is in the way");
    if (target.exists() && markedReadOnly(target))
        return QStringLiteral("the file is read-only");
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist").arg(quoted(QDir::toNativeSeparators(folder.filePath())));
    if (markedReadOnly(folder))
        return QStringLiteral("the folder %1 is read-only").arg(quoted(QDir::toNativeSeparators(folder.filePath())));
    return {};
}

MakeCursorResult readHotSpot(const QString &text, const char *axis, std::int16_t &value)
{
    const HotSpotValue parsed = parseHotSpot(text);
    const QString field = QStringLiteral("hot spot %1").arg(QLatin1String(axis));
    switch (parsed.status) {
    case HotSpotStatus::Ok:
        value = parsed.value;
        return {};
    case HotSpotStatus::OutOfRange:
        return failure(CursorError::Overflow,
                       QStringLiteral("The %1 value %2 is out of range. It must lie between -32768 and 32767.")
                           .arg(field, quoted(text.trimmed())));
    case HotSpotStatus::NotANumber:
        break;
    }
    if (text.trimmed().isEmpty())
        return failure(CursorError::TypeMismatch,
                       QStringLiteral("The %1 field is empty. Type a whole number such as 15.").arg(field));
    return failure(CursorError::TypeMismatch,
                   QStringLiteral("The %1 value %2 is not a number. Type a whole number such as 15.")
                       .arg(field, quoted(text.trimmed())));
}

} // namespace

MakeCursorResult makeCursor(const QString &dialogFileName, const QString &hotSpotXText,
                            const QString &hotSpotYText, const PixelSource &source,
                            const KeyColours &keys, const QString &outputPath)
{
    // 1. Where the cursor goes.
    if (dialogFileName.isEmpty())
        return failure(CursorError::InvalidArgument,
                       QStringLiteral("No picture has been chosen yet. Load a picture first, then make the cursor."));
    const QString output = outputPath.isEmpty() ? cursorPathFor(dialogFileName) : outputPath;
    const QString shownOutput = quoted(QDir::toNativeSeparators(output));
    if (output.isEmpty())
        return failure(CursorError::InvalidArgument,
                       QStringLiteral("%1 names no picture file.").arg(quoted(QDir::toNativeSeparators(dialogFileName))));
    if (samePlace(output, dialogFileName))
        return failure(CursorError::InvalidArgument,
                       QStringLiteral("The cursor %1 would replace the picture itself, so nothing was written. "
                                      "Give the cursor another name.").arg(shownOutput),
                       output);

    // 2, 3. The hot spot.
    HotSpot hotSpot;
    if (MakeCursorResult bad = readHotSpot(hotSpotXText, "x", hotSpot.x); !bad.ok())
        return bad;
    if (MakeCursorResult bad = readHotSpot(hotSpotYText, "y", hotSpot.y); !bad.ok())
        return bad;

    // 4. Open. QSaveFile writes beside the target and replaces it only once
    // every byte is there, so no half-written or mixed file is ever left.
    if (const QString reason = unwritableReason(output); !reason.isEmpty())
        return failure(CursorError::FileAccess,
                       QStringLiteral("Cannot write the cursor file %1: %2.").arg(shownOutput, reason), output);
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        return failure(CursorError::FileAccess,
                       QStringLiteral("Cannot write the cursor file %1: %2.").arg(shownOutput, file.errorString()),
                       output);

    // 5 to 8. Write and close.
    // commit() does not notice a failed last flush (a full disk after the
    // buffer filled), so flush and check the size on disk before committing.
    const bool written = writeCursor(file, hotSpot, source, keys) && file.flush()
                         && file.error() == QFileDevice::NoError && file.size() == kCursorFileSize;
    if (!written || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(CursorError::DeviceOrFile,
                       QStringLiteral("Writing the cursor file %1 failed: %2. No cursor was written, and any older "
                                      "file of that name is unchanged.").arg(shownOutput, reason),
                       output);
    }
    return {CursorError::None, {}, output};
}

} // namespace pixelwick
