// SPDX-License-Identifier: MIT
// Runs the real pixelwick-convert with its cursor and preview aimed at
// every kind of thing a path can name, with its own descriptors redirected,
// under a file-size limit, and interrupted by real signals.
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing;

namespace {

const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);

// A child process whose descriptors are exactly the ones given (child's
// number to ours), with standard output and error as pipes where not
// given, and every signal at its default action.
class Child {
public:
    Child(const QStringList &arguments, const QString &folder, const QMap<int, int> &descriptors = {})
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
                moves.push_back({stream, ends[1]});
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
            if (chdir(where.constData()) == 0)
                execv(argv[0], argv.data());
            _exit(127);
        }
        for (const auto &move : moves)
            close(move.second);
    }
    pid_t pid() const { return m_pid; }
    // Reads its output to the end and waits for it, or kills it after two
    // minutes; the status is waitpid's, -1 for a hang.
    int wait()
    {
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
        int status = -1;
        while (clock.elapsed() < 120000 && waitpid(m_pid, &status, WNOHANG) == 0)
            usleep(10000);
        if (!WIFEXITED(status) && !WIFSIGNALED(status)) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            return -1;
        }
        return status;
    }
    QByteArray out, err;

private:
    pid_t m_pid = -1;
    int m_out = -1, m_err = -1;
};

QStringList lines(const QByteArray &text)
{
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

QStringList hiddenNames(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".*")},
                                  QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
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

} // namespace

class FilePlacingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void targets_data();
    void targets();
    void descriptors_data();
    void descriptors();
    void picturesNeverReplaced_data();
    void picturesNeverReplaced();
    void fileSizeLimit_data();
    void fileSizeLimit();
    void interruptedBatch_data();
    void interruptedBatch();
    void longNameInBatch();

private:
    QTemporaryDir m_reference;
    QByteArray m_picture; // a PNG
    QByteArray m_cursor;  // its cursor and preview, as written to plain files
    QByteArray m_preview;
};

void FilePlacingTest::initTestCase()
{
    QImage image(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, (x * y) % 5 == 0 ? qRgb(0, 255, 0) : qRgb(x * 6, 0, y * 6));
    const QString picture = m_reference.filePath(QStringLiteral("p.png"));
    QVERIFY(image.save(picture));
    m_picture = readAll(picture);
    Child child({kConvert, QStringLiteral("--preview=looks.png"), QStringLiteral("p.png")}, m_reference.path());
    QCOMPARE(exitCode(child.wait()), 0);
    m_cursor = readAll(m_reference.filePath(QStringLiteral("p.cur")));
    m_preview = readAll(m_reference.filePath(QStringLiteral("looks.png")));
    QCOMPARE(m_cursor.size(), pixelwick::kCursorFileSize);
    QVERIFY(m_preview.startsWith("\x89PNG"));
}

enum class Place {
    FifoWithReader,
    FifoWithoutReader,
    CharacterDevice,
    BlockDevice,
    Socket,
    Folder,
    DanglingLink,
    LinkToFile,
    OlderFile,
    ReadOnlyFile,
    ThePicture,
    LinkToThePicture,
    HardLinkToThePicture,
};

void FilePlacingTest::targets_data()
{
    QTest::addColumn<bool>("preview"); // else the cursor, by -o
    QTest::addColumn<Place>("place");
    QTest::addColumn<QString>("refusal"); // empty when written
    const auto rows = [](bool preview) {
        const char *which = preview ? "preview" : "cursor";
        const auto row = [&](const char *name, Place place, const char *refusal) {
            QTest::addRow("%s at %s", which, name) << preview << place << QString::fromUtf8(refusal);
        };
        row("a pipe with a reader", Place::FifoWithReader, "");
        row("a pipe nobody reads", Place::FifoWithoutReader, "no program is reading");
        row("a character device", Place::CharacterDevice, "");
        row("a block device", Place::BlockDevice, "block device");
        row("a socket", Place::Socket, "socket");
        row("a folder", Place::Folder, "folder");
        row("a dangling link", Place::DanglingLink, "does not exist");
        row("a link to a file", Place::LinkToFile, "");
        row("an older file", Place::OlderFile, "");
        row("a read-only file", Place::ReadOnlyFile, "read-only");
        row("the picture", Place::ThePicture, preview ? "it is the picture “target”" : "replace the picture itself");
        row("a link to the picture", Place::LinkToThePicture,
            preview ? "it is the picture “p.png”" : "replace the picture itself");
        row("a hard link to the picture", Place::HardLinkToThePicture,
            preview ? "it is the picture “p.png”" : "replace the picture itself");
    };
    rows(false);
    rows(true);
}

// Whatever stands at the target is written into, replaced whole (and only
// a regular file), or refused with one line; it stays what it was, and
// nothing is left beside it.
void FilePlacingTest::targets()
{
    QFETCH(bool, preview);
    QFETCH(Place, place);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(QStringLiteral("p.png")), m_picture));
    const QString target = dir.filePath(QStringLiteral("target"));
    const QByteArray native = QFile::encodeName(target);
    const QString behind = dir.filePath(QStringLiteral("behind"));
    int reader = -1;
    int socketHandle = -1;
    switch (place) {
    case Place::FifoWithReader:
    case Place::FifoWithoutReader:
        QCOMPARE(mkfifo(native.constData(), 0644), 0);
        if (place == Place::FifoWithReader)
            QVERIFY((reader = open(native.constData(), O_RDONLY | O_NONBLOCK)) >= 0);
        break;
    case Place::CharacterDevice:
    case Place::BlockDevice:
        if (geteuid() != 0)
            QSKIP("making a device node needs root");
        QCOMPARE(mknod(native.constData(), (place == Place::CharacterDevice ? S_IFCHR : S_IFBLK) | 0666,
                       place == Place::CharacterDevice ? makedev(1, 3) : makedev(7, 0)),
                 0);
        break;
    case Place::Socket: {
        socketHandle = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(native.size() < qsizetype(sizeof address.sun_path));
        std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
        QCOMPARE(bind(socketHandle, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        break;
    }
    case Place::Folder: QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target"))); break;
    case Place::DanglingLink: QVERIFY(QFile::link(behind, target)); break;
    case Place::LinkToFile:
        QVERIFY(writeAll(behind, "older"));
        QVERIFY(QFile::link(behind, target));
        break;
    case Place::OlderFile:
    case Place::ReadOnlyFile:
        QVERIFY(writeAll(target, QByteArray(1000, 'o')));
        QCOMPARE(chmod(native.constData(), place == Place::OlderFile ? 0640 : 0444), 0);
        break;
    case Place::ThePicture: QVERIFY(QFile::rename(dir.filePath(QStringLiteral("p.png")), target)); break;
    case Place::LinkToThePicture: QVERIFY(QFile::link(dir.filePath(QStringLiteral("p.png")), target)); break;
    case Place::HardLinkToThePicture:
        QCOMPARE(link(QFile::encodeName(dir.filePath(QStringLiteral("p.png"))).constData(), native.constData()), 0);
        break;
    }
    const QString picture = place == Place::ThePicture ? QStringLiteral("target") : QStringLiteral("p.png");
    const struct stat before = statusOf(target);
    const QStringList names = listing(dir.path());

    const QStringList arguments = preview
                                      ? QStringList{kConvert,
                                                    QStringLiteral("-o"),
                                                    QStringLiteral("out.cur"),
                                                    QStringLiteral("--preview"),
                                                    QStringLiteral("target"),
                                                    picture}
                                      : QStringList{kConvert, QStringLiteral("-o"), QStringLiteral("target"), picture};
    Child child(arguments, dir.path());
    const int status = child.wait();
    QByteArray received(100000, '\0');
    if (reader >= 0) {
        received.resize(qMax<ssize_t>(0, read(reader, received.data(), size_t(received.size()))));
        close(reader);
    }
    if (socketHandle >= 0)
        close(socketHandle);

    const QByteArray expected = preview ? m_preview : m_cursor;
    if (refusal.isEmpty()) {
        QCOMPARE(child.err, QByteArray());
        QCOMPARE(exitCode(status), 0);
    } else {
        QCOMPARE(exitCode(status), 1);
        QCOMPARE(lines(child.err).size(), 1);
        QVERIFY2(child.err.contains(refusal.toUtf8()), child.err.constData());
        QVERIFY2(child.err.contains("“target”"), child.err.constData());
    }
    // The same thing stands there, and nothing was left beside it.
    const struct stat after = statusOf(target);
    if (place != Place::OlderFile) // replaced whole, by a new file of the old one's permissions
        QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QStringList expectedNames = names;
    if (preview && refusal.isEmpty()) {
        expectedNames << QStringLiteral("out.cur");
        expectedNames.sort();
    }
    QCOMPARE(listing(dir.path()), expectedNames);
    if (place == Place::FifoWithReader)
        QCOMPARE(received, expected);
    if (place == Place::LinkToFile)
        QCOMPARE(readAll(behind), expected);
    if (place == Place::OlderFile)
        QCOMPARE(readAll(target), expected);
    if (place == Place::ReadOnlyFile)
        QCOMPARE(readAll(target), QByteArray(1000, 'o'));
    if (place == Place::DanglingLink)
        QVERIFY(!QFileInfo::exists(behind));
    if (!refusal.isEmpty() && place >= Place::ThePicture)
        QCOMPARE(readAll(target), m_picture);
}

enum class Opened { Appending, ReadOnly, NotOpen, AppendingToPicture };

void FilePlacingTest::descriptors_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("target"); // PID stands for the converter's own
    QTest::addColumn<int>("descriptor"); // the child's descriptor that is opened on the log
    QTest::addColumn<Opened>("opened");
    QTest::addColumn<QString>("refusal");
    const auto row = [](const char *name, bool preview, const char *target, int descriptor, Opened opened,
                        const char *refusal = "") {
        QTest::newRow(name) << preview << QString::fromLatin1(target) << descriptor << opened
                            << QString::fromUtf8(refusal);
    };
    row("cursor to /dev/stdout", false, "/dev/stdout", 1, Opened::Appending);
    row("cursor to /dev/fd/1", false, "/dev/fd/1", 1, Opened::Appending);
    row("cursor to /proc/self/fd/1", false, "/proc/self/fd/1", 1, Opened::Appending);
    row("cursor to /proc/PID/fd/1", false, "/proc/PID/fd/1", 1, Opened::Appending);
    row("cursor to /dev/stderr", false, "/dev/stderr", 2, Opened::Appending);
    row("cursor to -", false, "-", 1, Opened::Appending);
    row("cursor to /dev/fd/7", false, "/dev/fd/7", 7, Opened::Appending);
    row("preview to /dev/stdout", true, "/dev/stdout", 1, Opened::Appending);
    row("preview to /dev/fd/7", true, "/dev/fd/7", 7, Opened::Appending);
    row("cursor to a closed descriptor", false, "/dev/fd/57", 7, Opened::NotOpen, "descriptor 57 is not open");
    row("preview to a closed descriptor", true, "/proc/self/fd/57", 7, Opened::NotOpen, "descriptor 57 is not open");
    row("cursor to a descriptor for reading", false, "/dev/fd/7", 7, Opened::ReadOnly, "open only for reading");
    row("cursor to the picture's descriptor", false, "/dev/fd/7", 7, Opened::AppendingToPicture,
        "replace the picture itself");
    row("preview to the picture's descriptor", true, "/dev/fd/7", 7, Opened::AppendingToPicture,
        "it is the picture “p.png”");
    row("cursor to - on the picture", false, "-", 1, Opened::AppendingToPicture, "it is the picture “p.png”");
}

// A name for one of its own descriptors is written through it: a file
// opened for appending keeps what it had, and its inode, and gets the
// bytes at its end.
void FilePlacingTest::descriptors()
{
    QFETCH(bool, preview);
    QFETCH(QString, target);
    QFETCH(int, descriptor);
    QFETCH(Opened, opened);
    QFETCH(QString, refusal);
    QTemporaryDir dir, logs;
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    QVERIFY(writeAll(picture, m_picture));
    const QString log = logs.filePath(QStringLiteral("log.txt"));
    const QByteArray older("older lines\n");
    QVERIFY(writeAll(log, older));
    const QString opening = opened == Opened::AppendingToPicture ? picture : log;
    const int handle = open(QFile::encodeName(opening).constData(),
                            (opened == Opened::ReadOnly ? O_RDONLY : O_WRONLY | O_APPEND) | O_CLOEXEC);
    QVERIFY(handle >= 0);
    QMap<int, int> descriptors;
    if (opened != Opened::NotOpen)
        descriptors.insert(descriptor, handle);
    const ino_t inode = statusOf(opening).st_ino;

    QStringList arguments = preview ? QStringList{QStringLiteral("-o"), QStringLiteral("out.cur"),
                                                  QStringLiteral("--preview"), target, QStringLiteral("p.png")}
                                    : QStringList{QStringLiteral("-o"), target, QStringLiteral("p.png")};
    QStringList command = QStringList{kConvert} + arguments;
    if (target.contains(QLatin1String("PID"))) {
        // The shell's own number is the converter's once it is exec'd.
        arguments.replaceInStrings(QStringLiteral("PID"), QStringLiteral("$$"));
        command = QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                              QStringLiteral("exec \"$0\" ") + arguments.join(u' '), kConvert};
    }
    Child child(command, dir.path(), descriptors);
    const int status = child.wait();
    close(handle);

    if (refusal.isEmpty()) {
        QCOMPARE(child.err, QByteArray());
        QCOMPARE(exitCode(status), 0);
        QCOMPARE(readAll(log), older + (preview ? m_preview : m_cursor));
    } else {
        QCOMPARE(exitCode(status), 1);
        QCOMPARE(lines(child.err).size(), 1);
        QVERIFY2(child.err.contains(refusal.toUtf8()), child.err.constData());
        QCOMPARE(readAll(log), older);
    }
    QCOMPARE(statusOf(opening).st_ino, inode);
    QCOMPARE(readAll(picture), m_picture);
    QCOMPARE(child.out, QByteArray());
    QCOMPARE(hiddenNames(dir.path()), QStringList());
}

enum class Protected { CursorNamedLikeAPicture, HardLinkToAPicture, LinkToAPicture };

void FilePlacingTest::picturesNeverReplaced_data()
{
    QTest::addColumn<Protected>("setUp");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QStringList>("said"); // each line, in order
    QTest::addColumn<QString>("kept");     // still the picture it was
    QTest::newRow("a cursor named like a picture")
        << Protected::CursorNamedLikeAPicture << QStringList{"d.cur", "d.png"}
        << QStringList{"d.cur: The cursor “d.cur” would replace the picture itself",
                       "d.png: The cursor “d.cur” would replace the picture “d.cur”, which this run also reads"}
        << "d.cur";
    QTest::newRow("a cursor that is a hard link to a picture")
        << Protected::HardLinkToAPicture << QStringList{"x.png", "y.png"}
        << QStringList{"y.png: The cursor “y.cur” would replace the picture “x.png”"} << "y.cur";
    QTest::newRow("a cursor that is a link to a picture")
        << Protected::LinkToAPicture << QStringList{"x.png", "y.png"}
        << QStringList{"y.png: The cursor “y.cur” would replace the picture “x.png”"} << "y.cur";
}

// No picture of a call is replaced by any cursor of it, whichever name
// leads there.
void FilePlacingTest::picturesNeverReplaced()
{
    QFETCH(Protected, setUp);
    QFETCH(QStringList, pictures);
    QFETCH(QStringList, said);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    for (const QString &name : pictures)
        QVERIFY(writeAll(dir.filePath(name), m_picture));
    const QByteArray x = QFile::encodeName(dir.filePath(QStringLiteral("x.png")));
    const QByteArray y = QFile::encodeName(dir.filePath(QStringLiteral("y.cur")));
    if (setUp == Protected::HardLinkToAPicture)
        QCOMPARE(link(x.constData(), y.constData()), 0);
    if (setUp == Protected::LinkToAPicture)
        QCOMPARE(symlink(x.constData(), y.constData()), 0);
    const QStringList before = listing(dir.path());
    const ino_t inode = statusOf(dir.filePath(kept)).st_ino;

    Child child(QStringList{kConvert} + pictures, dir.path());
    QCOMPARE(exitCode(child.wait()), 1);
    const QStringList got = lines(child.err);
    QCOMPARE(got.size(), said.size());
    for (qsizetype i = 0; i < said.size(); ++i)
        QVERIFY2(got[i].startsWith(QStringLiteral("pixelwick-convert: ") + said[i]), qPrintable(got[i]));
    QCOMPARE(readAll(dir.filePath(kept)), m_picture);
    QCOMPARE(statusOf(dir.filePath(kept)).st_ino, inode);
    QStringList expected = before;
    if (setUp != Protected::CursorNamedLikeAPicture)
        expected << QStringLiteral("x.cur");
    expected.sort();
    QCOMPARE(listing(dir.path()), expected);
}

void FilePlacingTest::fileSizeLimit_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("failures");
    QTest::newRow("one picture") << QStringList{"a.png"} << 1;
    QTest::newRow("a batch") << QStringList{"a.png", "b.png", "c.png"} << 3;
    QTest::newRow("the preview") << QStringList{"-o", "out.cur", "--preview", "looks.png", "a.png"} << 1;
    QTest::newRow("a descriptor") << QStringList{"-o", "/dev/fd/7", "a.png"} << 1;
}

// Past `ulimit -f` each write fails with one line of its own rather than
// ending the run without a word, and nothing is left behind.
void FilePlacingTest::fileSizeLimit()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, failures);
    QTemporaryDir dir, logs;
    for (const char *name : {"a.png", "b.png", "c.png"})
        QVERIFY(writeAll(dir.filePath(QLatin1String(name)), m_picture));
    const QString log = logs.filePath(QStringLiteral("log.txt"));
    QVERIFY(writeAll(log, "older\n"));
    const int handle = open(QFile::encodeName(log).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    QVERIFY(handle >= 0);
    const QStringList before = listing(dir.path());

    Child child(QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                            QStringLiteral("ulimit -f 0; exec \"$0\" \"$@\""), kConvert}
                    + arguments,
                dir.path(), {{7, handle}});
    const int status = child.wait();
    close(handle);
    QCOMPARE(exitCode(status), 1);
    const QStringList said = lines(child.err);
    QCOMPARE(said.size(), failures);
    for (const QString &line : said)
        QVERIFY2(line.contains(QLatin1String("File too large")), qPrintable(line));
    QCOMPARE(listing(dir.path()), before);
    QCOMPARE(readAll(log), QByteArray("older\n"));
}

void FilePlacingTest::interruptedBatch_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

// Killed while its cursors are staged, a batch removes every one of them
// and ends by the signal as any program would.
void FilePlacingTest::interruptedBatch()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    QStringList arguments{kConvert};
    for (int i = 0; i < 3000; ++i) {
        const QString name = QStringLiteral("p%1.png").arg(i, 4, 10, QLatin1Char('0'));
        QVERIFY(writeAll(dir.filePath(name), m_picture));
        arguments << name;
    }
    Child child(arguments, dir.path());
    QElapsedTimer clock;
    clock.start();
    siginfo_t ended{};
    bool running = true;
    while (hiddenNames(dir.path()).size() < 10 && running && clock.elapsed() < 60000) {
        ended.si_pid = 0;
        running = waitid(P_PID, id_t(child.pid()), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == 0;
    }
    QVERIFY2(running, "the batch ended before it could be interrupted");
    QCOMPARE(kill(child.pid(), signal), 0);
    const int status = child.wait();
    QVERIFY2(WIFSIGNALED(status), qPrintable(QStringLiteral("status %1").arg(status)));
    QCOMPARE(WTERMSIG(status), signal);
    QCOMPARE(child.err, QByteArray());
    QCOMPARE(hiddenNames(dir.path()), QStringList());
    // Any cursor already moved into place is whole.
    for (const QString &name : QDir(dir.path()).entryList({QStringLiteral("*.cur")}))
        QCOMPARE(QFileInfo(dir.filePath(name)).size(), qint64(pixelwick::kCursorFileSize));
}

// Whatever name works alone works in a batch: the staged file's name does
// not grow with the cursor's.
void FilePlacingTest::longNameInBatch()
{
    QTemporaryDir dir;
    const QString longName = QString(251, u'n') + QStringLiteral(".png");
    QCOMPARE(QFile::encodeName(longName).size(), 255);
    QVERIFY(writeAll(dir.filePath(longName), m_picture));
    QVERIFY(writeAll(dir.filePath(QStringLiteral("b.png")), m_picture));
    Child child({kConvert, longName, QStringLiteral("b.png")}, dir.path());
    QCOMPARE(exitCode(child.wait()), 0);
    QCOMPARE(child.err, QByteArray());
    QCOMPARE(readAll(dir.filePath(QString(251, u'n') + QStringLiteral(".cur"))), m_cursor);
    QCOMPARE(readAll(dir.filePath(QStringLiteral("b.cur"))), m_cursor);
    QCOMPARE(hiddenNames(dir.path()), QStringList());
}

QTEST_GUILESS_MAIN(FilePlacingTest)
#include "test_file_placing.moc"
