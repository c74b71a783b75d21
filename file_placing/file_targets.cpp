// SPDX-License-Identifier: MIT
#include "file_targets.h"

#include "messages.h"

#include <QFile>
#include <QFileInfo>

#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixelwick {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

namespace {

// Marked read-only for everybody: refused even where the user (root) could
// write regardless, so that a protected file or folder stays protected.
bool markedReadOnly(const QFileInfo &info)
{
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

Target refused(const QString &reason)
{
    Target target;
    target.reason = reason;
    return target;
}

void identify(Target &target, const struct stat &status)
{
    target.present = true;
    target.device = quint64(status.st_dev);
    target.inode = quint64(status.st_ino);
}

// Why a regular file at `path` (present or not) cannot be replaced, or an
// empty text when it can.
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

// This process's own descriptor folder, /proc/PID/fd, or a thread's.
bool isOwnDescriptorFolder(const QByteArray &folder)
{
    const QByteArray own = "/proc/" + QByteArray::number(qint64(::getpid()));
    if (folder == own + "/fd")
        return true;
    if (!folder.startsWith(own + "/task/") || !folder.endsWith("/fd"))
        return false;
    const QByteArray thread = folder.mid(own.size() + 6, folder.size() - own.size() - 9);
    bool number = false;
    thread.toLongLong(&number);
    return number;
}

// The descriptor that `path` names through links to /proc/self/fd (as
// /dev/stdout and /dev/fd/N do), or -1. Those entries are not followed:
// they would lead to the file behind the descriptor, which must not be
// opened anew or replaced.
int descriptorNamed(QByteArray path)
{
    for (int hop = 0; hop < 40 && !path.isEmpty(); ++hop) {
        struct stat link {};
        const bool present = ::lstat(path.constData(), &link) == 0;
        if (present ? !S_ISLNK(link.st_mode) : errno != ENOENT)
            return -1;
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
        char real[PATH_MAX];
        if (!::realpath(folder.constData(), real))
            return -1;
        if (isOwnDescriptorFolder(QByteArray(real))) {
            const QByteArray name = path.mid(slash + 1);
            bool number = false;
            const int descriptor = name.size() <= 9 ? name.toInt(&number) : -1;
            return number && descriptor >= 0 && !name.startsWith('+') ? descriptor : -1;
        }
        if (!present)
            return -1;
        QByteArray next(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.constData(), next.data(), size_t(next.size()));
        if (length <= 0 || length >= next.size())
            return -1;
        next.truncate(length);
        path = next.startsWith('/') ? next : QByteArray(real) + '/' + next;
    }
    return -1;
}

} // namespace

Target descriptorTarget(int descriptor)
{
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0)
        return refused(describe(Reason::DescriptorNotOpen, QString::number(descriptor)));
    if ((flags & O_ACCMODE) == O_RDONLY || (flags & O_PATH))
        return refused(describe(Reason::DescriptorReadOnly, QString::number(descriptor)));
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return refused(systemError());
    Target target;
    identify(target, status);
    target.descriptor = descriptor;
    switch (status.st_mode & S_IFMT) {
    case S_IFREG: target.regular = true; [[fallthrough]];
    case S_IFIFO:
    case S_IFCHR:
    case S_IFSOCK: target.kind = Target::Kind::Descriptor; break;
    case S_IFBLK: target.reason = describe(Reason::BlockDevice); break;
    default: target.reason = describe(Reason::NotAFile); break;
    }
    return target;
}

Target targetFor(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (const int descriptor = descriptorNamed(native); descriptor >= 0)
        return descriptorTarget(descriptor);
    struct stat link {};
    if (::lstat(native.constData(), &link) != 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            return refused(systemError());
        Target target;
        target.kind = Target::Kind::File;
        target.path = path;
        target.reason = unwritableReason(path);
        return target;
    }
    struct stat status {};
    if (::stat(native.constData(), &status) != 0) {
        if (errno != ENOENT)
            return refused(systemError());
        return refused(describe(Reason::LinkToNothing, QFileInfo(path).symLinkTarget()));
    }
    Target target;
    identify(target, status);
    target.path = path;
    switch (status.st_mode & S_IFMT) {
    case S_IFREG:
        target.kind = Target::Kind::File;
        target.regular = true;
        if (S_ISLNK(link.st_mode))
            target.path = QFileInfo(path).canonicalFilePath();
        target.reason = unwritableReason(target.path);
        break;
    case S_IFIFO:
    case S_IFCHR: target.kind = Target::Kind::Stream; break;
    case S_IFDIR: target.reason = describe(Reason::FolderInTheWay); break;
    case S_IFBLK: target.reason = describe(Reason::BlockDevice); break;
    case S_IFSOCK: target.reason = describe(Reason::Socket); break;
    default: target.reason = describe(Reason::NotAFile); break;
    }
    return target;
}

} // namespace pixelwick
