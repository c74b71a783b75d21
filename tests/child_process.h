// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <sys/stat.h>
#include <sys/types.h>

namespace testing {

// Limits a child runs under; 0 for none. The address space is not limited
// under AddressSanitizer, whose shadow memory takes terabytes of it.
struct Limits {
    long megabytes = 0;
    int processorSeconds = 0;
};

// A child process whose descriptors are exactly the ones given (child's
// number to ours), with standard output and error as pipes where not
// given, every signal at its default action and none blocked.
class Child {
public:
    Child(const QStringList &arguments, const QString &folder, const QMap<int, int> &descriptors = {},
          Limits limits = {});
    pid_t pid() const { return m_pid; }
    // Reads its output to the end and waits for it, or kills it after two
    // minutes; the status is waitpid's, -1 for a hang.
    int wait();
    // The most memory it, or any process of its own it waited for, held.
    long peakMegabytes() const { return m_peakKilobytes / 1024; }
    QByteArray out, err;

private:
    pid_t m_pid = -1;
    int m_out = -1, m_err = -1;
    long m_peakKilobytes = 0;
};

// A process whose parent is `parent`, once it has one (within a minute),
// else -1.
pid_t childOf(pid_t parent);

// The exit code of a process that ended by itself, else -1.
int exitCode(int status);
QStringList lines(const QByteArray &text);
// The hidden names in `folder`, where a staged file would be.
QStringList hiddenNames(const QString &folder);
// lstat's answer, zeros where there is nothing.
struct stat statusOf(const QString &path);

// A picture, and its cursor and preview as the converter writes them to
// plain files, for comparing with what other places get.
struct Reference {
    QByteArray picture; // a PNG
    QByteArray cursor;
    QByteArray preview;
};
Reference makeReference(const QString &converter);

} // namespace testing
