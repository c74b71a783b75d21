// SPDX-License-Identifier: MIT
#include "staged_files.h"

#include "file_targets.h"
#include "staged_names.h"

#include <QSet>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pixelwick {

namespace {

// How many folders a group may hold open: what the descriptor limit leaves
// beyond those open now, less a reserve for reading the next picture, the
// reader process and Qt's own files.
qsizetype spareDescriptors()
{
    constexpr qsizetype kReserve = 16;
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return StagedFiles::kGroupFiles;
    qsizetype open = 0;
    if (DIR *const listed = ::opendir("/proc/self/fd")) {
        while (const dirent *entry = ::readdir(listed))
            open += entry->d_name[0] != '.';
        ::closedir(listed);
    }
    const qsizetype spare = qsizetype(qMin<rlim_t>(limit.rlim_cur, 1 << 20)) - open - kReserve;
    return qBound<qsizetype>(0, spare, StagedFiles::kGroupFiles);
}

} // namespace

int StagedFiles::openFolder(const QByteArray &path)
{
    const int descriptor = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0 || errno != EACCES)
        return descriptor;
    return ::open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

StagedFiles::~StagedFiles()
{
    for (const Entry &entry : std::as_const(m_entries)) {
        ::unlinkat(m_folders.at(entry.folder).descriptor, staged_names::nameOf(entry.tag).text, 0);
        staged_names::remove(entry.slot);
    }
    closeFolders();
}

bool StagedFiles::due() const
{
    return !m_folders.isEmpty()
           && (m_entries.size() >= kGroupFiles || m_folders.size() >= m_spare || m_age.elapsed() >= kGroupMilliseconds);
}

qsizetype StagedFiles::folderAt(const QByteArray &path)
{
    struct stat status {};
    const bool found = ::stat(path.constData(), &status) == 0;
    for (qsizetype i = 0; found && i < m_folders.size(); ++i) {
        if (m_folders[i].device == quint64(status.st_dev) && m_folders[i].inode == quint64(status.st_ino))
            return i;
    }
    const int descriptor = openFolder(path);
    if (descriptor < 0)
        return -1;
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        return -1;
    }
    if (m_folders.isEmpty()) {
        m_age.start();
        m_spare = spareDescriptors();
    }
    m_folders.append({descriptor, quint64(status.st_dev), quint64(status.st_ino)});
    return m_folders.size() - 1;
}

void StagedFiles::closeFolders()
{
    // Only once no file of theirs is listed, so that a signal never
    // removes a name in a folder whose descriptor was closed or reused.
    for (const Folder &folder : std::as_const(m_folders))
        ::close(folder.descriptor);
    m_folders.clear();
}

QList<StagedFiles::Failure> StagedFiles::commit()
{
    // One sync for each file system the files are on, rather than one for
    // each file: a batch's time would otherwise go on waiting for disks.
    QSet<quint64> synced;
    for (const Entry &entry : std::as_const(m_entries)) {
        const Folder &folder = m_folders.at(entry.folder);
        if (synced.contains(folder.device))
            continue;
        bool done = ::syncfs(folder.descriptor) == 0;
        if (!done) {
            // A folder open as a path only is synced through its file.
            const int file = ::openat(folder.descriptor, staged_names::nameOf(entry.tag).text, O_RDONLY | O_CLOEXEC);
            done = file >= 0 && ::syncfs(file) == 0;
            if (file >= 0)
                ::close(file);
        }
        if (done)
            synced.insert(folder.device);
    }
    QList<Failure> failures;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries[i];
        const int folder = m_folders.at(entry.folder).descriptor;
        const staged_names::Name staged = staged_names::nameOf(entry.tag);
        if (::renameat(folder, staged.text, folder, entry.target.constData()) != 0) {
            failures.append({i, systemError()});
            ::unlinkat(folder, staged.text, 0);
        }
        staged_names::remove(entry.slot);
    }
    // The new names themselves reach the disk with their folders.
    for (const Folder &folder : std::as_const(m_folders))
        ::fsync(folder.descriptor);
    m_entries.clear();
    closeFolders();
    return failures;
}

} // namespace pixelwick
