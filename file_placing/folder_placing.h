// SPDX-License-Identifier: MIT
#pragma once

#include "file_placing.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <initializer_list>

namespace pixelwick {

// A folder put in place whole, as a pointer theme or scheme is: all it
// holds is written into a hidden folder beside its place (".pwNNNNNNNN.tmp"),
// synced to disk, and then swapped with the folder of that name in one
// step, after which the old one is removed. Whoever looks there finds the
// old folder or the new one, never a mix. SIGINT, SIGTERM or SIGHUP before
// the swap removes the new folder, after it the old one; a run killed
// outright leaves at most the hidden folder, and the old one whole.
class FolderContents {
public:
    // `path` lies within the folder, its parts separated by "/"; the
    // folders on its way are made as needed.
    void addFile(const QString &path, const QByteArray &bytes);
    // A symbolic link leading to `target`, as given (mostly a name beside it).
    void addLink(const QString &path, const QString &target);
    void addFolder(const QString &path);

    qsizetype size() const { return m_entries.size(); }
    // Why a path given cannot be made (absolute, "." or "..", empty parts,
    // given twice, or beneath a file or link), else empty.
    QString problem() const;

private:
    friend struct FolderStaging;
    enum class Kind { File, Link, Folder };
    struct Entry {
        Kind kind = Kind::File;
        QString path;
        QByteArray bytes;  // a file's
        QByteArray target; // a link's
    };
    QList<Entry> m_entries;
};

// Puts `contents` at `path` as a folder, whole. Nothing yet at `path`: it is
// made, and so are the folders it goes in. A folder there is replaced whole
// and its permissions kept, unless it is marked read-only. A link to a
// folder gives the folder where it leads and stays a link. A file, device,
// socket or link to nothing is refused, and so is a folder holding any of
// `pictures` (by name or as a file it holds).
Placed placeFolder(const QString &path, const FolderContents &contents,
                   std::initializer_list<const ProtectedFiles *> pictures);

// A symbolic link at `path` leading to `target`, made beside it under a
// hidden name and renamed into place, the folders it goes in made where
// missing. Only where nothing is there yet, or a link is, which it
// replaces; anything else is refused.
Placed placeLink(const QString &path, const QString &target);

} // namespace pixelwick
