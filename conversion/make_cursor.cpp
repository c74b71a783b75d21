// SPDX-License-Identifier: MIT
#include "make_cursor.h"

#include "cursor_file.h"

#include <QDir>
#include <QFileInfo>
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

MakeCursorResult failure(CursorError error, Problem problem, const QStringList &arguments = {},
                         const QString &outputPath = {})
{
    return {error, problem, arguments, describe(problem, arguments), outputPath};
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
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
        failures.append({staged.picture, failure(CursorError::DeviceOrFile, Problem::WritingFailed,
                                                 {staged.output, reason}, staged.output)});
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

// Why a regular file at `path` (present or not) cannot take the cursor, or
// an empty text when it can.
QString unwritableReason(const QString &path)
{
    const QFileInfo target(path);
    if (target.exists() && markedReadOnly(target))
        return describe(Reason::FileReadOnly);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return describe(Reason::FolderMissing, folder.filePath());
    if (markedReadOnly(folder))
        return describe(Reason::FolderReadOnly, folder.filePath());
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
        return {Target::Kind::Refused, path, systemError()};
    }
    struct stat target {};
    if (::stat(native.constData(), &target) != 0) {
        if (errno != ENOENT)
            return {Target::Kind::Refused, path, systemError()};
        return {Target::Kind::Refused, path, describe(Reason::LinkToNothing, QFileInfo(path).symLinkTarget())};
    }
    switch (target.st_mode & S_IFMT) {
    case S_IFREG: {
        const QString file = S_ISLNK(link.st_mode) ? QFileInfo(path).canonicalFilePath() : path;
        return {Target::Kind::File, file, unwritableReason(file)};
    }
    case S_IFIFO:
    case S_IFCHR: return {Target::Kind::Stream, path, {}};
    case S_IFDIR: return {Target::Kind::Refused, path, describe(Reason::FolderInTheWay)};
    case S_IFBLK: return {Target::Kind::Refused, path, describe(Reason::BlockDevice)};
    case S_IFSOCK: return {Target::Kind::Refused, path, describe(Reason::Socket)};
    default: return {Target::Kind::Refused, path, describe(Reason::NotAFile)};
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
            return describe(Reason::PipeWithoutReader);
        return systemError();
    }
    QString problem;
    struct stat opened {};
    // The path may have changed since it was looked at.
    if (::fstat(descriptor, &opened) != 0 || !(S_ISFIFO(opened.st_mode) || S_ISCHR(opened.st_mode)))
        problem = describe(Reason::ChangedWhileOpening);
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
            problem = describe(Reason::ReaderTakesNoMore);
            break;
        }
        problem = written < 0 ? systemError() : describe(Reason::TookNoData);
    }
    ::close(descriptor);
    return problem;
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
        temporary = info.absolutePath()
                    + QStringLiteral("/.%1.%2.new")
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
        problem = errno == 0 ? describe(Reason::DiskTookNoMore) : systemError();
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

MakeCursorResult readHotSpotField(const QString &text, char axis, std::int16_t &value)
{
    const HotSpotValue parsed = parseHotSpot(text);
    const QString axisName(QLatin1Char{axis});
    switch (parsed.status) {
    case HotSpotStatus::Ok: value = parsed.value; return {};
    case HotSpotStatus::OutOfRange:
        return failure(CursorError::Overflow, Problem::HotSpotOutOfRange, {axisName, text.trimmed()});
    case HotSpotStatus::NotANumber: break;
    }
    if (text.trimmed().isEmpty())
        return failure(CursorError::TypeMismatch, Problem::HotSpotEmpty, {axisName});
    return failure(CursorError::TypeMismatch, Problem::HotSpotNotANumber, {axisName, text.trimmed()});
}

MakeCursorResult makeCursor(const QString &dialogFileName, const QString &hotSpotXText, const QString &hotSpotYText,
                            const PixelSource &source, const KeyColours &keys, const QString &outputPath,
                            CursorBatch *batch)
{
    // 1. Where the cursor goes.
    if (dialogFileName.isEmpty())
        return failure(CursorError::InvalidArgument, Problem::NoPictureChosen);
    const QString output = outputPath.isEmpty() ? cursorPathFor(dialogFileName) : outputPath;
    if (output.isEmpty())
        return failure(CursorError::InvalidArgument, Problem::NamesNoPicture, {dialogFileName});
    if (samePlace(output, dialogFileName))
        return failure(CursorError::InvalidArgument, Problem::WouldReplacePicture, {output}, output);
    if (batch) {
        if (const QString earlier = batch->pictureFor(output); !earlier.isEmpty())
            return failure(CursorError::InvalidArgument, Problem::AlreadyMadeInThisRun, {output, earlier}, output);
    }

    // 2, 3. The hot spot.
    HotSpot hotSpot;
    if (MakeCursorResult bad = readHotSpotField(hotSpotXText, 'x', hotSpot.x); !bad.ok())
        return bad;
    if (MakeCursorResult bad = readHotSpotField(hotSpotYText, 'y', hotSpot.y); !bad.ok())
        return bad;

    // 4. Open.
    const Target target = targetFor(output);
    if (!target.reason.isEmpty())
        return failure(CursorError::FileAccess, Problem::CannotWrite, {output, target.reason}, output);
    const MakeCursorResult made{CursorError::None, Problem::None, {}, {}, output};
    if (target.kind == Target::Kind::Stream || batch) {
        // Made whole in memory first, so that a failure sends nothing half-made.
        const QByteArray bytes = cursorBytes(hotSpot, source, keys);
        if (target.kind == Target::Kind::Stream) {
            if (const QString problem = writeToStream(output, bytes); !problem.isEmpty())
                return failure(CursorError::FileAccess, Problem::CannotWrite, {output, problem}, output);
            return made;
        }
        QString problem;
        const QString temporary = writeBeside(target.path, bytes, problem);
        if (temporary.isEmpty())
            return failure(CursorError::DeviceOrFile, Problem::WritingFailed, {output, problem}, output);
        CursorBatchAccess::stage(*batch, {temporary, target.path, output, dialogFileName});
        CursorBatchAccess::record(*batch, output, dialogFileName);
        return made;
    }
    // QSaveFile writes beside the target and replaces it only once every
    // byte is there, so no half-written or mixed file is ever left.
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(CursorError::FileAccess, Problem::CannotWrite, {output, file.errorString()}, output);

    // 5 to 8. Write and close.
    // commit() does not notice a failed last flush (a full disk after the
    // buffer filled), so flush and check the size on disk before committing.
    const bool complete = writeCursor(file, hotSpot, source, keys) && file.flush()
                          && file.error() == QFileDevice::NoError && file.size() == kCursorFileSize;
    if (!complete || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(CursorError::DeviceOrFile, Problem::WritingFailed, {output, reason}, output);
    }
    return made;
}

} // namespace pixelwick
