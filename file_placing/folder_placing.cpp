// SPDX-License-Identifier: MIT
#include "folder_placing.h"

#include "file_targets.h"
#include "messages.h"
#include "staged_names.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixelwick {

namespace {

Placed failed(Placed::Outcome outcome, const QString &reason)
{
    Placed placed;
    placed.outcome = outcome;
    placed.reason = reason;
    return placed;
}

// Where a folder goes, once links to it are followed.
struct FolderTarget {
    QString reason;       // why it cannot go there; empty when it can
    QByteArray parent;    // the folder it goes in, absolute
    QByteArray name;      // its own name there
    bool present = false; // a folder is there now
    mode_t mode = 0;      // that folder's permissions
};

QByteArray absolute(const QByteArray &path)
{
    QByteArray whole = path.startsWith('/') ? path : QFile::encodeName(QDir::currentPath()) + '/' + path;
    while (whole.size() > 1 && whole.endsWith('/'))
        whole.chop(1);
    return whole;
}

FolderTarget folderTargetFor(const QString &path)
{
    FolderTarget target;
    QByteArray native = absolute(QFile::encodeName(path));
    struct stat status {};
    if (::lstat(native.constData(), &status) == 0) {
        if (S_ISLNK(status.st_mode)) {
            // Followed to the folder it leads to, which is replaced there.
            if (::stat(native.constData(), &status) != 0) {
                target.reason = describe(Reason::LinkToNothing, QFileInfo(path).symLinkTarget());
                return target;
            }
            native = QFile::encodeName(QFileInfo(path).canonicalFilePath());
        }
    } else if (errno != ENOENT) {
        target.reason = systemError();
        return target;
    }
    const qsizetype slash = native.lastIndexOf('/');
    target.parent = slash == 0 ? QByteArray("/") : native.left(slash);
    target.name = native.mid(slash + 1);
    if (target.name.isEmpty() || target.name == "." || target.name == "..") {
        target.reason = describe(Reason::NotAFolder);
        return target;
    }
    if (::stat(native.constData(), &status) != 0) {
        if (errno != ENOENT)
            target.reason = systemError();
        return target;
    }
    if (!S_ISDIR(status.st_mode)) {
        target.reason = describe(Reason::NotAFolder);
        return target;
    }
    // Marked read-only for everybody: refused even where root could write.
    if (!(status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) || ::access(native.constData(), W_OK) != 0) {
        target.reason = describe(Reason::FolderReadOnly, QFile::decodeName(native));
        return target;
    }
    target.present = true;
    target.mode = status.st_mode & 07777;
    return target;
}

// The picture that the folder at `folder` holds, by name or as one of its
// files, else empty.
QString pictureWithin(const FolderTarget &target, std::initializer_list<const ProtectedFiles *> pictures)
{
    const QString folder = QFile::decodeName(target.parent + '/' + target.name);
    const QString key = placeKey(folder);
    for (const ProtectedFiles *files : pictures) {
        if (!files)
            continue;
        if (const QString picture = files->pictureWithin(key); !picture.isEmpty())
            return picture;
    }
    if (!target.present)
        return {};
    QDirIterator walk(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        struct stat status {};
        if (::lstat(QFile::encodeName(walk.next()).constData(), &status) != 0 || !S_ISREG(status.st_mode))
            continue;
        for (const ProtectedFiles *files : pictures) {
            if (!files)
                continue;
            if (const QString picture = files->pictureWith(quint64(status.st_dev), quint64(status.st_ino));
                !picture.isEmpty())
                return picture;
        }
    }
    return {};
}

// Makes the folder at `path` and those it goes in, as mkdir -p does.
QString madeWithParents(const QByteArray &path)
{
    struct stat status {};
    if (::stat(path.constData(), &status) == 0)
        return S_ISDIR(status.st_mode) ? QString() : describe(Reason::NotAFolder);
    const qsizetype slash = path.lastIndexOf('/');
    if (slash > 0) {
        if (const QString problem = madeWithParents(path.left(slash)); !problem.isEmpty())
            return problem;
    }
    if (::mkdir(path.constData(), 0777) != 0 && errno != EEXIST)
        return describe(Reason::FolderMissing, QFile::decodeName(path)) + QStringLiteral(": ") + systemError();
    return {};
}

bool writeAll(int descriptor, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

void FolderContents::addFile(const QString &path, const QByteArray &bytes)
{
    m_entries.append({Kind::File, path, bytes, {}});
}

void FolderContents::addLink(const QString &path, const QString &target)
{
    m_entries.append({Kind::Link, path, {}, QFile::encodeName(target)});
}

void FolderContents::addFolder(const QString &path)
{
    m_entries.append({Kind::Folder, path, {}, {}});
}

QString FolderContents::problem() const
{
    QSet<QString> taken, folders;
    for (const Entry &entry : m_entries) {
        const QStringList parts = entry.path.split(u'/');
        const bool named = std::none_of(parts.cbegin(), parts.cend(), [](const QString &part) {
            return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..")
                   || part.contains(QChar(0));
        });
        if (!named || taken.contains(entry.path) || (entry.kind == Kind::Link && entry.target.isEmpty()))
            return describe(Reason::NotMadeInFolder, entry.path);
        taken.insert(entry.path);
        if (entry.kind == Kind::Folder)
            folders.insert(entry.path);
        for (qsizetype i = 1; i < parts.size(); ++i)
            folders.insert(parts.first(i).join(u'/'));
    }
    for (const Entry &entry : m_entries) {
        if (entry.kind != Kind::Folder && folders.contains(entry.path))
            return describe(Reason::NotMadeInFolder, entry.path);
    }
    return {};
}

// Writing the contents into a hidden folder and swapping it into place.
struct FolderStaging {
    int parent = -1;
    quint32 tag = 0;
    qsizetype slot = -1;
    int staged = -1;

    ~FolderStaging()
    {
        if (staged >= 0)
            ::close(staged);
        if (slot >= 0) {
            staged_names::removeTree(parent, staged_names::nameOf(tag).text);
            staged_names::remove(slot);
        }
        if (parent >= 0)
            ::close(parent);
    }

    // Makes the hidden folder; listed in the same breath, so that no
    // signal finds it there and its name missing.
    QString begin(const QByteArray &folder)
    {
        parent = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (parent < 0)
            return systemError();
        for (int attempt = 0; attempt < 100; ++attempt) {
            tag = QRandomGenerator::global()->generate();
            const staged_names::SignalsHeld held;
            if (::mkdirat(parent, staged_names::nameOf(tag).text, 0777) == 0) {
                slot = staged_names::addFolder(parent, tag);
                break;
            }
            if (errno != EEXIST)
                return systemError();
        }
        if (slot < 0)
            return systemError(EEXIST);
        staged = ::openat(parent, staged_names::nameOf(tag).text, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        return staged < 0 ? systemError() : QString();
    }

    QString fill(const FolderContents &contents)
    {
        QSet<QByteArray> made;
        const auto makeFolder = [&](const QByteArray &path) {
            if (made.contains(path))
                return true;
            made.insert(path);
            return ::mkdirat(staged, path.constData(), 0777) == 0 || errno == EEXIST;
        };
        for (const FolderContents::Entry &entry : contents.m_entries) {
            const QByteArray path = QFile::encodeName(entry.path);
            for (qsizetype slash = path.indexOf('/'); slash > 0; slash = path.indexOf('/', slash + 1)) {
                if (!makeFolder(path.left(slash)))
                    return systemError();
            }
            switch (entry.kind) {
            case FolderContents::Kind::Folder:
                if (!makeFolder(path))
                    return systemError();
                break;
            case FolderContents::Kind::Link:
                if (::symlinkat(entry.target.constData(), staged, path.constData()) != 0)
                    return systemError();
                break;
            case FolderContents::Kind::File: {
                const int file =
                    ::openat(staged, path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
                if (file < 0)
                    return systemError();
                const bool written = writeAll(file, entry.bytes);
                const int error = errno;
                if (::close(file) != 0 && written)
                    return systemError();
                if (!written)
                    return systemError(error);
                break;
            }
            }
        }
        // One sync for the whole folder, files and names alike.
        if (::syncfs(staged) != 0)
            return systemError();
        return {};
    }

    // Swaps the staged folder with the one named `name`, or moves it there
    // when there is none; the old folder is then removed.
    QString swap(const QByteArray &name, bool &replaced)
    {
        const staged_names::Name hidden = staged_names::nameOf(tag);
        int moved = ::renameat2(parent, hidden.text, parent, name.constData(), RENAME_NOREPLACE);
        struct stat there {};
        // A file system that cannot refuse to replace: nothing is there to replace.
        if (moved != 0 && errno == EINVAL && ::fstatat(parent, name.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0
            && errno == ENOENT)
            moved = ::renameat(parent, hidden.text, parent, name.constData());
        if (moved == 0) {
            forget();
            return {};
        }
        if (errno != EEXIST && errno != EINVAL)
            return systemError();
        if (::fstatat(parent, name.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(there.st_mode))
            return describe(Reason::NotAFolder);
        if (::renameat2(parent, hidden.text, parent, name.constData(), RENAME_EXCHANGE) == 0) {
            replaced = true;
            // The hidden name now holds the old folder, still listed: a
            // signal from here on removes the old one, never the new.
            removeHidden();
            return {};
        }
        if (errno != EINVAL && errno != ENOSYS)
            return systemError();
        return swapInSteps(name, replaced);
    }

    // Where the file system cannot swap two names at once: the old folder
    // is moved aside and the new one into its place with the signals held,
    // so that no signal finds the place empty.
    QString swapInSteps(const QByteArray &name, bool &replaced)
    {
        quint32 asideTag = 0;
        {
            const staged_names::SignalsHeld held;
            int moved = -1;
            for (int attempt = 0; attempt < 100 && moved != 0; ++attempt) {
                asideTag = QRandomGenerator::global()->generate();
                moved = ::renameat2(parent, name.constData(), parent, staged_names::nameOf(asideTag).text,
                                    RENAME_NOREPLACE);
                if (moved != 0 && errno == EINVAL)
                    moved = ::renameat(parent, name.constData(), parent, staged_names::nameOf(asideTag).text);
                if (moved != 0 && errno != EEXIST)
                    return systemError();
            }
            if (moved != 0)
                return systemError(EEXIST);
            if (::renameat(parent, staged_names::nameOf(tag).text, parent, name.constData()) != 0) {
                const int error = errno;
                ::renameat(parent, staged_names::nameOf(asideTag).text, parent, name.constData());
                return systemError(error);
            }
            staged_names::remove(slot);
            tag = asideTag;
            slot = staged_names::addFolder(parent, tag);
        }
        replaced = true;
        removeHidden();
        return {};
    }

    void removeHidden()
    {
        ::close(staged);
        staged = -1;
        staged_names::removeTree(parent, staged_names::nameOf(tag).text);
        forget();
    }

    void forget()
    {
        staged_names::remove(slot);
        slot = -1;
    }
};

Placed placeFolder(const QString &path, const FolderContents &contents,
                   std::initializer_list<const ProtectedFiles *> pictures)
{
    staged_names::guardSignals();
    if (const QString problem = contents.problem(); !problem.isEmpty())
        return failed(Placed::Outcome::Refused, problem);
    const FolderTarget target = folderTargetFor(path);
    if (!target.reason.isEmpty())
        return failed(Placed::Outcome::Refused, target.reason);
    if (const QString picture = pictureWithin(target, pictures); !picture.isEmpty()) {
        Placed placed;
        placed.outcome = Placed::Outcome::ReplacesPicture;
        placed.picture = picture;
        return placed;
    }
    if (const QString problem = madeWithParents(target.parent); !problem.isEmpty())
        return failed(Placed::Outcome::Refused, problem);

    FolderStaging staging;
    QString problem = staging.begin(target.parent);
    // The permissions of the folder it replaces, else the usual ones.
    if (problem.isEmpty() && target.present && ::fchmod(staging.staged, target.mode) != 0)
        problem = systemError();
    if (problem.isEmpty())
        problem = staging.fill(contents);
    Placed placed;
    if (problem.isEmpty())
        problem = staging.swap(target.name, placed.replaced);
    if (!problem.isEmpty())
        return failed(Placed::Outcome::Failed, problem);
    // The new name itself reaches the disk with its folder.
    ::fsync(staging.parent);
    return placed;
}

Placed placeLink(const QString &path, const QString &target)
{
    staged_names::guardSignals();
    const QByteArray native = absolute(QFile::encodeName(path));
    struct stat status {};
    if (::lstat(native.constData(), &status) == 0 && !S_ISLNK(status.st_mode))
        return failed(Placed::Outcome::Refused,
                      S_ISDIR(status.st_mode) ? describe(Reason::FolderInTheWay) : describe(Reason::FileInTheWay));
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder = slash == 0 ? QByteArray("/") : native.left(slash);
    if (const QString problem = madeWithParents(folder); !problem.isEmpty())
        return failed(Placed::Outcome::Refused, problem);
    const int parent = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0)
        return failed(Placed::Outcome::Refused, systemError());
    QString problem;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const quint32 tag = QRandomGenerator::global()->generate();
        const staged_names::SignalsHeld held;
        const staged_names::Name hidden = staged_names::nameOf(tag);
        if (::symlinkat(QFile::encodeName(target).constData(), parent, hidden.text) != 0) {
            if (errno == EEXIST)
                continue;
            problem = systemError();
            break;
        }
        // Held signals: the hidden link is gone or in place before any ends the process.
        if (::renameat(parent, hidden.text, parent, native.mid(slash + 1).constData()) != 0) {
            problem = systemError();
            ::unlinkat(parent, hidden.text, 0);
        }
        break;
    }
    ::close(parent);
    return problem.isEmpty() ? Placed() : failed(Placed::Outcome::Failed, problem);
}

} // namespace pixelwick
