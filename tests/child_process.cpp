// SPDX-License-Identifier: MIT
#include "child_process.h"

#include "cursor_file.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <csignal>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing {

Child::Child(const QStringList &arguments, const QString &folder, const QMap<int, int> &descriptors, Limits limits)
{
    std::vector<QByteArray> native;
    for (const QString &argument : arguments)
        native.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &argument : native)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const QByteArray where = QFile::encodeName(folder);
    // Our descriptors are first moved out of the way of the child's numbers.
    std::vector<std::pair<int, int>> moves;
    for (auto it = descriptors.cbegin(); it != descriptors.cend(); ++it)
        moves.push_back({it.key(), fcntl(it.value(), F_DUPFD_CLOEXEC, 100)});
    for (int stream : {1, 2}) {
        int ends[2];
        if (!descriptors.contains(stream) && pipe2(ends, O_CLOEXEC) == 0) {
            // Out of the way too, or a descriptor given above could land on it.
            moves.push_back({stream, fcntl(ends[1], F_DUPFD_CLOEXEC, 100)});
            close(ends[1]);
            (stream == 1 ? m_out : m_err) = ends[0];
        }
    }
    m_pid = fork();
    if (m_pid == 0) {
        for (const auto &[number, source] : moves)
            dup2(source, number);
        for (int descriptor = 3; descriptor < 1024; ++descriptor) {
            bool kept = false;
            for (const auto &move : moves)
                kept = kept || move.first == descriptor;
            if (!kept)
                close(descriptor);
        }
        for (int signal = 1; signal < NSIG; ++signal)
            ::signal(signal, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
#ifndef __SANITIZE_ADDRESS__
        const rlimit memory{rlim_t(limits.megabytes) << 20, rlim_t(limits.megabytes) << 20};
        if (limits.megabytes > 0)
            setrlimit(RLIMIT_AS, &memory);
#endif
        const rlimit processor{rlim_t(limits.processorSeconds), rlim_t(limits.processorSeconds)};
        if (limits.processorSeconds > 0)
            setrlimit(RLIMIT_CPU, &processor);
        if (chdir(where.constData()) == 0)
            execv(argv[0], argv.data());
        _exit(127);
    }
    for (const auto &move : moves)
        close(move.second);
}

int Child::wait()
{
    if (m_pid <= 0)
        return -1;
    QElapsedTimer clock;
    clock.start();
    while ((m_out >= 0 || m_err >= 0) && clock.elapsed() < 120000) {
        pollfd ready[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
        if (poll(ready, 2, 1000) <= 0)
            continue;
        for (int i = 0; i < 2; ++i) {
            int &descriptor = i == 0 ? m_out : m_err;
            if (descriptor < 0 || !ready[i].revents)
                continue;
            char buffer[65536];
            const ssize_t got = read(descriptor, buffer, sizeof buffer);
            if (got > 0)
                (i == 0 ? out : err).append(buffer, got);
            if (got <= 0) {
                close(descriptor);
                descriptor = -1;
            }
        }
    }
    int status = 0;
    pid_t ended = 0;
    rusage usage{};
    while (clock.elapsed() < 120000 && (ended = wait4(m_pid, &status, WNOHANG, &usage)) == 0)
        usleep(10000);
    m_peakKilobytes = usage.ru_maxrss;
    if (ended != m_pid) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        return -1;
    }
    return status;
}

QStringList lines(const QByteArray &text)
{
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

QStringList hiddenNames(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".*")},
                                  QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

pid_t childOf(pid_t parent)
{
    for (int tries = 0; tries < 6000; ++tries) {
        const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
        for (const QString &process : processes) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(process));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            // "PID (NAME) STATE PPID ...", where NAME may hold anything.
            const QByteArray fields = stat.readAll();
            const QList<QByteArray> after = fields.mid(fields.lastIndexOf(')') + 2).split(' ');
            if (after.size() > 1 && after[1].toInt() == parent)
                return pid_t(process.toInt());
        }
        ::usleep(10000);
    }
    return -1;
}

int exitCode(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct stat statusOf(const QString &path)
{
    struct stat status {};
    lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

Reference makeReference(const QString &converter)
{
    QTemporaryDir dir;
    // The cursor's own size: a larger picture would add a warning line.
    QImage image(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            image.setPixel(x, y, (x * y) % 5 == 0 ? qRgb(0, 255, 0) : qRgb(x * 6, 0, y * 6));
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    if (!image.save(picture))
        return {};
    Child child({converter, QStringLiteral("--preview=looks.png"), QStringLiteral("p.png")}, dir.path());
    if (exitCode(child.wait()) != 0)
        return {};
    return {readAll(picture), readAll(dir.filePath(QStringLiteral("p.cur"))),
            readAll(dir.filePath(QStringLiteral("looks.png")))};
}

} // namespace testing
