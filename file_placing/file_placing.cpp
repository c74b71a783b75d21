// SPDX-License-Identifier: MIT
#include "file_placing.h"

#include "file_targets.h"
#include "messages.h"
#include "staged_names.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixelwick {

namespace {

// A reader that takes nothing for this long is given up on, so that the
// window never hangs on a pipe.
constexpr int kStreamPatienceMilliseconds = 2000;

// Writes all of `bytes` into a pipe, device or socket without ever waiting
// longer than the patience. A descriptor shared with others cannot be made
// non-blocking (that would change it for them too), so it is written in
// pieces a pipe takes whole once poll says there is room.
QString writeWithoutWaiting(int descriptor, const QByteArray &bytes, bool nonBlocking)
{
    const staged_names::BrokenPipeHeld pipeHeld;
    qsizetype done = 0;
    while (done < bytes.size()) {
        if (!nonBlocking) {
            pollfd ready{descriptor, POLLOUT, 0};
            const int polled = ::poll(&ready, 1, kStreamPatienceMilliseconds);
            if (polled < 0 && errno == EINTR)
                continue;
            if (polled == 0)
                return describe(Reason::ReaderTakesNoMore);
        }
        const qsizetype piece = nonBlocking ? bytes.size() - done : qMin<qsizetype>(bytes.size() - done, PIPE_BUF);
        const ssize_t written = ::write(descriptor, bytes.constData() + done, size_t(piece));
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
            return describe(Reason::ReaderTakesNoMore);
        }
        return written < 0 ? systemError() : describe(Reason::TookNoData);
    }
    return {};
}

// A pipe nobody reads from is refused at once rather than waited on.
QString writeToStream(const QString &path, const QByteArray &bytes)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENXIO ? describe(Reason::PipeWithoutReader) : systemError();
    QString problem;
    struct stat opened {};
    // The path may have changed since it was looked at.
    if (::fstat(descriptor, &opened) != 0 || !(S_ISFIFO(opened.st_mode) || S_ISCHR(opened.st_mode)))
        problem = describe(Reason::ChangedWhileOpening);
    else
        problem = writeWithoutWaiting(descriptor, bytes, true);
    ::close(descriptor);
    return problem;
}

// Writes through a copy of the descriptor, so that its file offset and
// appending are the ones its opener chose: a file given as ">> log" gets
// the bytes at its end and keeps all it had.
QString writeThroughDescriptor(const Target &target, const QByteArray &bytes)
{
    const int copy = ::fcntl(target.descriptor, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return systemError();
    QString problem;
    if (!target.regular) {
        problem = writeWithoutWaiting(copy, bytes, false);
    } else {
        for (qsizetype done = 0; problem.isEmpty() && done < bytes.size();) {
            const ssize_t written = ::write(copy, bytes.constData() + done, size_t(bytes.size() - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                problem = written < 0 ? systemError() : describe(Reason::DiskTookNoMore);
            done += qMax<ssize_t>(written, 0);
        }
    }
    if (::close(copy) != 0 && problem.isEmpty() && target.regular)
        problem = systemError();
    return problem;
}

QString protectedPictureAt(const Target &target, const QString &path,
                           std::initializer_list<const ProtectedFiles *> pictures)
{
    const QString key = target.kind == Target::Kind::Descriptor ? QString() : placeKey(path);
    for (const ProtectedFiles *files : pictures) {
        if (!files)
            continue;
        if (const QString picture = key.isEmpty() ? QString() : files->pictureAt(key); !picture.isEmpty())
            return picture;
        // Writing into a pipe or device replaces nothing, so only a regular
        // file is compared by identity (a picture read from the terminal
        // may still be shown on it).
        if (target.present && target.regular) {
            if (const QString picture = files->pictureWith(target.device, target.inode); !picture.isEmpty())
                return picture;
        }
    }
    return {};
}

Placed failed(Placed::Outcome outcome, const QString &reason)
{
    Placed placed;
    placed.outcome = outcome;
    placed.reason = reason;
    return placed;
}

} // namespace

QString placeKey(const QString &path)
{
    const QFileInfo info(path);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + u'/' + info.fileName();
}

FileIdentity identityOf(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return {};
    return {quint64(status.st_dev), quint64(status.st_ino), true};
}

void ProtectedFiles::add(const QString &picture)
{
    // Standard input has no name in any folder: a file called "-" there is
    // another file.
    if (picture == QLatin1String("-")) {
        add(picture, identityOf(STDIN_FILENO));
        return;
    }
    m_byKey.insert(placeKey(picture), picture);
    struct stat status {};
    if (::stat(QFile::encodeName(picture).constData(), &status) == 0)
        m_byIdentity.insert({quint64(status.st_dev), quint64(status.st_ino)}, picture);
}

QString ProtectedFiles::pictureWithin(const QString &folderKey) const
{
    const QString prefix = folderKey.endsWith(u'/') ? folderKey : folderKey + u'/';
    for (auto it = m_byKey.cbegin(); it != m_byKey.cend(); ++it) {
        if (it.key().startsWith(prefix))
            return it.value();
    }
    return {};
}

void ProtectedFiles::add(const QString &picture, FileIdentity identity)
{
    if (identity.known)
        m_byIdentity.insert({identity.device, identity.inode}, picture);
}

// Writing a regular file's bytes beside it under a short hidden name, so
// that any name that can be written alone can be staged, too.
struct Staging {
    // Into the folder open as `folder`; fills in the entry's tag and slot.
    static QString stage(int folder, const QByteArray &bytes, bool syncNow, StagedFiles::Entry &entry);
    // Staged in `staging` when given, else moved into place at once.
    static QString replace(const QString &target, const QByteArray &bytes, StagedFiles *staging);
};

QString Staging::stage(int folder, const QByteArray &bytes, bool syncNow, StagedFiles::Entry &entry)
{
    staged_names::guardSignals();
    struct stat existing {};
    const bool replacing = ::fstatat(folder, entry.target.constData(), &existing, 0) == 0;
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        entry.tag = QRandomGenerator::global()->generate();
        // Listed in the same breath as it is made, so that no signal finds
        // the file there and its name missing.
        const staged_names::SignalsHeld held;
        descriptor =
            ::openat(folder, staged_names::nameOf(entry.tag).text, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0)
            entry.slot = staged_names::add(folder, entry.tag);
        else if (errno != EEXIST)
            break;
    }
    if (descriptor < 0)
        return systemError();
    QString problem;
    // The replaced file's owner (where this may set it) and permissions.
    if (replacing) {
        struct stat made {};
        const bool otherOwner =
            ::fstat(descriptor, &made) == 0 && (made.st_uid != existing.st_uid || made.st_gid != existing.st_gid);
        // Only root may give a file away; for anybody else it stays theirs.
        const bool givenAway = otherOwner && ::fchown(descriptor, existing.st_uid, existing.st_gid) == 0;
        Q_UNUSED(givenAway)
        if (::fchmod(descriptor, existing.st_mode & 07777) != 0)
            problem = systemError();
    }
    for (qsizetype done = 0; problem.isEmpty() && done < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            problem = written < 0 ? systemError() : describe(Reason::DiskTookNoMore);
        done += qMax<ssize_t>(written, 0);
    }
    if (problem.isEmpty() && syncNow && ::fsync(descriptor) != 0)
        problem = systemError();
    if (::close(descriptor) != 0 && problem.isEmpty())
        problem = systemError();
    if (!problem.isEmpty()) {
        ::unlinkat(folder, staged_names::nameOf(entry.tag).text, 0);
        staged_names::remove(entry.slot);
    }
    return problem;
}

namespace {

QByteArray folderOf(const QByteArray &file)
{
    const qsizetype slash = file.lastIndexOf('/');
    return slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : file.left(slash);
}

} // namespace

QString Staging::replace(const QString &target, const QByteArray &bytes, StagedFiles *staging)
{
    const QByteArray native = QFile::encodeName(target);
    StagedFiles::Entry entry;
    entry.target = native.mid(native.lastIndexOf('/') + 1);
    if (staging) {
        entry.folder = staging->folderAt(folderOf(native));
        if (entry.folder < 0)
            return systemError();
        if (QString problem = stage(staging->m_folders.at(entry.folder).descriptor, bytes, false, entry);
            !problem.isEmpty())
            return problem;
        staging->m_entries.append(std::move(entry));
        return {};
    }
    const int folder = StagedFiles::openFolder(folderOf(native));
    if (folder < 0)
        return systemError();
    QString problem = stage(folder, bytes, true, entry);
    if (problem.isEmpty()) {
        const staged_names::Name staged = staged_names::nameOf(entry.tag);
        if (::renameat(folder, staged.text, folder, entry.target.constData()) != 0) {
            problem = systemError();
            ::unlinkat(folder, staged.text, 0);
        }
        staged_names::remove(entry.slot);
    }
    // The new name itself reaches the disk with its folder.
    if (problem.isEmpty())
        ::fsync(folder);
    ::close(folder);
    return problem;
}

Placed placeFile(const QString &path, const QByteArray &bytes, std::initializer_list<const ProtectedFiles *> pictures,
                 StagedFiles *staging)
{
    staged_names::guardSignals();
    const Target target = targetFor(path);
    if (const QString picture = protectedPictureAt(target, path, pictures); !picture.isEmpty()) {
        Placed placed;
        placed.outcome = Placed::Outcome::ReplacesPicture;
        placed.picture = picture;
        return placed;
    }
    if (target.kind == Target::Kind::Refused || !target.reason.isEmpty())
        return failed(Placed::Outcome::Refused, target.reason);
    if (target.kind == Target::Kind::Stream) {
        if (const QString problem = writeToStream(path, bytes); !problem.isEmpty())
            return failed(Placed::Outcome::Refused, problem);
        return {};
    }
    if (target.kind == Target::Kind::Descriptor) {
        if (const QString problem = writeThroughDescriptor(target, bytes); !problem.isEmpty())
            return failed(Placed::Outcome::Failed, problem);
        return {};
    }
    Placed placed;
    if (const QString problem = Staging::replace(target.path, bytes, staging); !problem.isEmpty())
        return failed(Placed::Outcome::Failed, problem);
    placed.staged = staging != nullptr;
    return placed;
}

Placed placeIntoDescriptor(int descriptor, const QByteArray &bytes,
                           std::initializer_list<const ProtectedFiles *> pictures)
{
    staged_names::guardSignals();
    const Target target = descriptorTarget(descriptor);
    if (const QString picture = protectedPictureAt(target, {}, pictures); !picture.isEmpty()) {
        Placed placed;
        placed.outcome = Placed::Outcome::ReplacesPicture;
        placed.picture = picture;
        return placed;
    }
    if (target.kind != Target::Kind::Descriptor)
        return failed(Placed::Outcome::Refused, target.reason);
    if (const QString problem = writeThroughDescriptor(target, bytes); !problem.isEmpty())
        return failed(Placed::Outcome::Failed, problem);
    return {};
}

} // namespace pixelwick
