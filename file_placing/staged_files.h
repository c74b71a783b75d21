// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>

namespace pixelwick {

// Files written beside their targets and not yet moved into place, in
// groups. Until commit() they are all removed when this goes, and also when
// the process is ended by SIGINT, SIGTERM or SIGHUP. Each is held by its
// folder's open descriptor rather than by path, so a folder renamed or
// replaced meanwhile takes its staged files along and they are still
// placed there. A group holds at most one descriptor per folder.
class StagedFiles {
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;
    ~StagedFiles();

    // A group is due once it holds this many files, once its first has
    // waited this long, or once it holds all the folder descriptors that
    // the process can spare: so a run killed without warning loses at most
    // that much, and one sync still serves many files.
    static constexpr qsizetype kGroupFiles = 256;
    static constexpr qint64 kGroupMilliseconds = 500;

    qsizetype size() const { return m_entries.size(); }
    bool due() const;
    struct Failure {
        qsizetype index; // in the order the files were staged since the last commit
        QString reason;
    };
    // Syncs every staged file to disk in one go per file system and moves
    // each into place; says which could not be moved. Closes the group's
    // folder descriptors.
    QList<Failure> commit();

private:
    friend struct Staging;
    struct Folder {
        int descriptor = -1; // open for reading where it may be, else as a path only
        quint64 device = 0, inode = 0;
    };
    struct Entry {
        qsizetype folder = -1; // in m_folders
        quint32 tag = 0;       // the staged file's name, by staged_names::nameOf()
        QByteArray target;     // the name it takes in its folder
        qsizetype slot = -1;   // its place among the files removed on a signal
    };
    // The group's folder at `path`, opened when it holds none of that
    // identity yet; -1 with errno set when it cannot be opened.
    qsizetype folderAt(const QByteArray &path);
    void closeFolders();
    // A folder one may write in but not list is opened as a path only:
    // enough to make, rename and remove files in it, though not to sync it.
    static int openFolder(const QByteArray &path);

    QList<Folder> m_folders;
    QList<Entry> m_entries;
    QElapsedTimer m_age;    // since the group's first folder was opened
    qsizetype m_spare = -1; // folder descriptors this group may hold
};

} // namespace pixelwick
