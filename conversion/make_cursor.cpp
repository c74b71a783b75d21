#include "cursor_file.h"

#include <QDir>
#include <QFileInfo>
#include <QBuffer>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The same file under any of its names: links and "./" lead to one key,
// whether or not the file is there yet.
QString placeKey(const QString &path)
{
    const QFileInfo info(path);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + u'/' + info.fileName();
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno)).toLower();
}

} // namespace

struct CursorBatchAccess {
    static void record(CursorBatch &batch, const QString &output, const QString &picture)
    {
        batch.m_pictures.insert(placeKey(output), picture);
    }
    static void stage(CursorBatch &batch, CursorBatch::Staged staged) { batch.m_staged.append(std::move(staged)); }
};

CursorBatch::~CursorBatch()
{
    for (const Staged &staged : std::as_const(m_staged))
        ::unlink(QFile::encodeName(staged.temporary).constData());
}

QString CursorBatch::pictureFor(const QString &cursorPath) const
{
    return m_pictures.value(placeKey(cursorPath));
}

QList<CursorBatch::Failure> CursorBatch::finish()
{
    // One sync for each file system the cursors are on, rather than one for
    // each cursor: the batch's time would otherwise go on waiting for disks.
    QSet<dev_t> synced;
    QSet<QString> folders;
    for (const Staged &staged : std::as_const(m_staged)) {
        const int descriptor = ::open(QFile::encodeName(staged.temporary).constData(), O_RDONLY | O_CLOEXEC);
        struct stat status {};
        if (descriptor >= 0 && ::fstat(descriptor, &status) == 0 && !synced.contains(status.st_dev)) {
            if (::syncfs(descriptor) == 0)
                synced.insert(status.st_dev);
        }
        if (descriptor >= 0)
            ::close(descriptor);
        folders.insert(QFileInfo(staged.target).absolutePath());
    }
    QList<Failure> failures;
    for (const Staged &staged : std::as_const(m_staged)) {
        if (::rename(QFile::encodeName(staged.temporary).constData(), QFile::encodeName(staged.target).constData())
            == 0)
            continue;
        const QString reason = systemError();
        ::unlink(QFile::encodeName(staged.temporary).constData());
        failures.append({staged.picture, {CursorError::DeviceOrFile,
                         QStringLiteral("Writing the cursor file %1 failed: %2. No cursor was written, and any older "
                                        "file of that name is unchanged.")
                             .arg(QStringLiteral("\u201C%1\u201D").arg(QDir::toNativeSeparators(staged.output)), reason),
                         staged.output}});
    }
    m_staged.clear();
    // The new names themselves reach the disk with their folders.
    for (const QString &folder : std::as_const(folders)) {
        const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor >= 0) {
            ::fsync(descriptor);
            ::close(descriptor);
        }
    }
    return failures;
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

// What stands where the cursor goes, and so how it is written.
struct Target {
    enum class Kind { File, Stream, Refused };
    Kind kind = Kind::Refused;
    QString path;   // the file to write: a link's own target for a link
    QString reason; // why it is refused
};

QString shownPath(const QString &path)
{
    return quoted(QDir::toNativeSeparators(path));
}

// Why a regular file at `path` (present or not) cannot take the cursor, or
// an empty text when it can.
QString unwritableReason(const QString &path)
{
    const QFileInfo target(path);
    if (target.exists() && markedReadOnly(target))
        return QStringLiteral("the file is read-only");
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist").arg(shownPath(folder.filePath()));
    if (markedReadOnly(folder))
        return QStringLiteral("the folder %1 is read-only").arg(shownPath(folder.filePath()));
    return {};
}

// Only regular files are ever replaced. Pipes and character devices (a
// terminal, /dev/null) are written into as they are; anything else is
// refused. A link is followed to its file and stays a link.
Target targetFor(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat link {};
    if (::lstat(native.constData(), &link) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {Target::Kind::File, path, unwritableReason(path)};
        return {Target::Kind::Refused, path, QString::fromLocal8Bit(std::strerror(errno)).toLower()};
    }
    struct stat target {};
    if (::stat(native.constData(), &target) != 0) {
        if (errno != ENOENT)
            return {Target::Kind::Refused, path, QString::fromLocal8Bit(std::strerror(errno)).toLower()};
        return {Target::Kind::Refused, path,
                QStringLiteral("it is a link to %1, which does not exist")
                    .arg(shownPath(QFileInfo(path).symLinkTarget()))};
    }
    switch (target.st_mode & S_IFMT) {
    case S_IFREG: {
        const QString file = S_ISLNK(link.st_mode) ? QFileInfo(path).canonicalFilePath() : path;
        return {Target::Kind::File, file, unwritableReason(file)};
    }
    case S_IFIFO:
    case S_IFCHR:
        return {Target::Kind::Stream, path, {}};
    case S_IFDIR:
        return {Target::Kind::Refused, path, QStringLiteral("a folder of that name is in the way")};
    case S_IFBLK:
        return {Target::Kind::Refused, path, QStringLiteral("it is a block device, which is never written to")};
    case S_IFSOCK:
        return {Target::Kind::Refused, path, QStringLiteral("it is a socket, not a file")};
    default:
        return {Target::Kind::Refused, path, QStringLiteral("it is not a file")};
    }
}

// A reader that takes nothing for this long is given up on, so that the
// window never hangs on a pipe.
constexpr int kStreamPatienceMilliseconds = 2000;

// Writes the whole cursor into a pipe or device without ever waiting on
// it: a pipe nobody reads from is refused at once. Returns why it failed.
QString writeToStream(const QString &path, const QByteArray &bytes)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENXIO)
            return QStringLiteral("it is a pipe that no program is reading from");
        return QString::fromLocal8Bit(std::strerror(errno)).toLower();
    }
    QString problem;
    struct stat opened {};
    // The path may have changed since it was looked at.
    if (::fstat(descriptor, &opened) != 0 || !(S_ISFIFO(opened.st_mode) || S_ISCHR(opened.st_mode)))
        problem = QStringLiteral("it changed while it was being opened");
    qsizetype done = 0;
    while (problem.isEmpty() && done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written > 0) {
            done += written;
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno == EAGAIN) {
            pollfd ready{descriptor, POLLOUT, 0};
            if (::poll(&ready, 1, kStreamPatienceMilliseconds) > 0 && !(ready.revents & (POLLERR | POLLHUP)))
                continue;
            problem = QStringLiteral("the program reading from it takes no more data");
            break;
        }
        problem = written < 0 ? QString::fromLocal8Bit(std::strerror(errno)).toLower()
                              : QStringLiteral("it took no data");
    }
    ::close(descriptor);
    return problem;
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

// Writes `bytes` to a new file beside `target`, with the permissions the
// target has or a new file would get. Returns the new file's path, or an
// empty text with `problem` set.
QString writeBeside(const QString &target, const QByteArray &bytes, QString &problem)
{
    struct stat existing {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    const QFileInfo info(target);
    QString temporary;
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        temporary = info.absolutePath() + QStringLiteral("/.%1.%2.new")
                                              .arg(info.fileName())
                                              .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        descriptor = ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            break;
    }
    if (descriptor < 0) {
        problem = systemError();
        return {};
    }
    bool ok = !replacing || ::fchmod(descriptor, existing.st_mode & 07777) == 0;
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        ok = written > 0;
        done += qMax<ssize_t>(written, 0);
    }
    if (!ok)
        problem = errno == 0 ? QStringLiteral("the disk took no more") : systemError();
    if (::close(descriptor) != 0 && ok) {
        problem = systemError();
        ok = false;
    }
    if (!ok) {
        ::unlink(QFile::encodeName(temporary).constData());
        return {};
    }
    return temporary;
}

} // namespace

MakeCursorResult makeCursor(const QString &dialogFileName, const QString &hotSpotXText,
                            const QString &hotSpotYText, const PixelSource &source,
                            const KeyColours &keys, const QString &outputPath, CursorBatch *batch)
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

    if (batch) {
        if (const QString earlier = batch->pictureFor(output); !earlier.isEmpty())
            return failure(CursorError::InvalidArgument,
                           QStringLiteral("The cursor %1 was already made from the picture %2 in this run, so it was "
                                          "not replaced. Give one of the pictures another name.")
                               .arg(shownOutput, quoted(QDir::toNativeSeparators(earlier))),
                           output);
    }

    // 2, 3. The hot spot.
    HotSpot hotSpot;
    if (MakeCursorResult bad = readHotSpot(hotSpotXText, "x", hotSpot.x); !bad.ok())
        return bad;
    if (MakeCursorResult bad = readHotSpot(hotSpotYText, "y", hotSpot.y); !bad.ok())
        return bad;

    // 4. Open.
    const Target target = targetFor(output);
    if (!target.reason.isEmpty())
        return failure(CursorError::FileAccess,
                       QStringLiteral("Cannot write the cursor file %1: %2.").arg(shownOutput, target.reason), output);
    if (target.kind == Target::Kind::Stream || batch) {
        // Made whole in memory first, so that a failure sends nothing half-made.
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        writeCursor(buffer, hotSpot, source, keys);
        if (target.kind == Target::Kind::Stream) {
            if (const QString problem = writeToStream(output, bytes); !problem.isEmpty())
                return failure(CursorError::FileAccess,
                               QStringLiteral("Cannot write the cursor file %1: %2.").arg(shownOutput, problem),
                               output);
            return {CursorError::None, {}, output};
        }
        QString problem;
        const QString temporary = writeBeside(target.path, bytes, problem);
        if (temporary.isEmpty())
            return failure(CursorError::DeviceOrFile,
                           QStringLiteral("Writing the cursor file %1 failed: %2. No cursor was written, and any "
                                          "older file of that name is unchanged.")
                               .arg(shownOutput, problem),
                           output);
        CursorBatchAccess::stage(*batch, {temporary, target.path, output, dialogFileName});
        CursorBatchAccess::record(*batch, output, dialogFileName);
        return {CursorError::None, {}, output};
    }
    // QSaveFile writes beside the target and replaces it only once every
    // byte is there, so no half-written or mixed file is ever left.
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(CursorError::FileAccess,
                       QStringLiteral("Cannot write the cursor file %1: %2.").arg(shownOutput, file.errorString()),
                       output);

    // 5 to 8. Write and close.
    // commit() does not notice a failed last flush (a full disk after the
    // buffer filled), so flush and check the size on disk before committing.
    const bool complete = writeCursor(file, hotSpot, source, keys) && file.flush()
                         && file.error() == QFileDevice::NoError && file.size() == kCursorFileSize;
    if (!complete || !file.commit()) {
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
