// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cerrno>

namespace pixelwick {

// What stands where a file is to be written, and so how it is written.
struct Target {
    enum class Kind {
        File,       // a regular file, or none yet: replaced whole
        Stream,     // a pipe or character device: written into
        Descriptor, // one of this process's open descriptors: written through
        Refused,
    };
    Kind kind = Kind::Refused;
    QString path;         // a file: the one replaced, a link's own target for a link
    int descriptor = -1;  // for Descriptor
    bool regular = false; // a regular file is there, or behind the Descriptor
    QString reason;       // why it cannot be written, even where it has a kind
    bool present = false; // something is there, with this identity
    quint64 device = 0, inode = 0;
};

// Looks at `path` without changing anything. A name that leads through
// links to /proc/self/fd/N (/dev/stdout, /dev/fd/N, /proc/PID/fd/N) is
// that descriptor.
Target targetFor(const QString &path);
Target descriptorTarget(int descriptor);

// The system's words for an error number.
QString systemError(int error = errno);

} // namespace pixelwick
