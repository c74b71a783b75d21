// SPDX-License-Identifier: MIT
#pragma once

#include "staged_files.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <initializer_list>

namespace pixelwick {

// Every file Pixelwick writes (a cursor, a preview) is put in place by the
// one rule here. A regular file is replaced whole or not at all, keeping its
// permissions, and one marked read-only is refused. A pipe or character
// device is written into as it is, without ever waiting on it. A link is
// followed to its file and stays a link. A name for one of this process's
// open descriptors (/dev/stdout, /dev/fd/N, /proc/self/fd/N) is written
// through that descriptor, appending where it appends. A socket, block
// device, folder or link to nothing is refused, and so is any file that a
// call reads as a picture.

// The same file under any of its names: links and "./" lead to one key,
// whether or not the file is there yet.
QString placeKey(const QString &path);

// A file as the system tells it apart, whatever its name: its device and
// inode, as fstat gave them when it was opened.
struct FileIdentity {
    quint64 device = 0, inode = 0;
    bool known = false;
};
FileIdentity identityOf(int descriptor);

// The pictures a call reads. Nothing it writes may replace one, whatever
// name, link or descriptor leads to it.
class ProtectedFiles {
public:
    // "-" is standard input, known by what its descriptor leads to.
    void add(const QString &picture);
    // A picture read from the file of `identity`, also once renamed.
    void add(const QString &picture, FileIdentity identity);
    // The picture that the file at `key` or with this identity is, else empty.
    QString pictureAt(const QString &key) const { return m_byKey.value(key); }
    QString pictureWith(quint64 device, quint64 inode) const { return m_byIdentity.value({device, inode}); }
    // A picture named by a key within the folder of `folderKey`, else empty.
    QString pictureWithin(const QString &folderKey) const;

private:
    QHash<QString, QString> m_byKey;
    QHash<QPair<quint64, quint64>, QString> m_byIdentity;
};

struct Placed {
    enum class Outcome {
        Done,
        ReplacesPicture, // `picture` would have been replaced
        Refused,         // nothing was written: the place cannot take it
        Failed,          // the write itself failed; an older file stays
    };
    Outcome outcome = Outcome::Done;
    QString reason;        // in words, for Refused and Failed
    QString picture;       // for ReplacesPicture
    bool staged = false;   // Done, and waiting in the StagedFiles given
    bool replaced = false; // a folder placed whole took the place of one
    bool ok() const { return outcome == Outcome::Done; }
};

// Puts `bytes` at `path` by the rule above. A regular file is staged in
// `staging` when given, else moved into place at once; anything else is
// written at once.
Placed placeFile(const QString &path, const QByteArray &bytes, std::initializer_list<const ProtectedFiles *> pictures,
                 StagedFiles *staging = nullptr);
// The same for one of this process's descriptors, as for /dev/fd/N.
Placed placeIntoDescriptor(int descriptor, const QByteArray &bytes,
                           std::initializer_list<const ProtectedFiles *> pictures);

} // namespace pixelwick
