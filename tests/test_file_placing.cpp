// SPDX-License-Identifier: MIT
// Runs the real pixelwick-convert with its cursor and preview aimed at
// every kind of thing a path can name, and at its own descriptors.
#include "child_process.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace testing;

namespace {

const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);

} // namespace

class FilePlacingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void targets_data();
    void targets();
    void descriptors_data();
    void descriptors();
    void showAndPreviewToOneOutput();
    void standardInputIsAPicture_data();
    void standardInputIsAPicture();

private:
    QByteArray m_picture; // a PNG
    QByteArray m_cursor;  // its cursor and preview, as written to plain files
    QByteArray m_preview;
};

void FilePlacingTest::initTestCase()
{
    const Reference reference = makeReference(kConvert);
    m_picture = reference.picture;
    m_cursor = reference.cursor;
    m_preview = reference.preview;
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

// --show's text and the preview share standard output in that order.
void FilePlacingTest::showAndPreviewToOneOutput()
{
    QTemporaryDir dir, logs;
    QVERIFY(writeAll(dir.filePath(QStringLiteral("p.png")), m_picture));
    Child alone({kConvert, QStringLiteral("--show"), QStringLiteral("p.png")}, dir.path());
    QCOMPARE(exitCode(alone.wait()), 0);
    QVERIFY(alone.out.startsWith("p.png: 32 x 32 cursor"));
    const QString log = logs.filePath(QStringLiteral("log.txt"));
    QVERIFY(writeAll(log, "older\n"));
    const int handle = open(QFile::encodeName(log).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    QVERIFY(handle >= 0);
    Child both({kConvert, QStringLiteral("--show"), QStringLiteral("--preview=/dev/stdout"), QStringLiteral("p.png")},
               dir.path(), {{1, handle}});
    const int status = both.wait();
    close(handle);
    QCOMPARE(both.err, QByteArray());
    QCOMPARE(exitCode(status), 0);
    QCOMPARE(readAll(log), QByteArray("older\n") + alone.out + m_preview);
}

enum class Input { Picture, PictureForWriting, Cursor, Pipe };

void FilePlacingTest::standardInputIsAPicture_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("refusal"); // empty when written
    const auto row = [](const char *name, const QStringList &arguments, Input input, const char *refusal) {
        QTest::newRow(name) << arguments << input << QString::fromUtf8(refusal);
    };
    row("its cursor onto it", {"-o", "in.png", "-"}, Input::Picture, "would replace the picture itself");
    row("a combined cursor onto it", {"--combine", "-o", "in.png", "p16.png", "-"}, Input::Picture,
        "would replace the picture “-”");
    row("the preview onto it", {"-o", "/dev/null", "--preview", "in.png", "-"}, Input::Picture,
        "it is the picture “-”");
    row("--show's preview onto the cursor file", {"--show", "--preview", "in.png", "-"}, Input::Cursor,
        "it is the picture “-”");
    row("/dev/stdin opened for writing too", {"-o", "/dev/stdin", "-"}, Input::PictureForWriting,
        "would replace the picture itself");
    // Standard input has no name in the folder: a file called "-" is another.
    row("a file named - beside it", {"-o", "/dev/null", "--preview", "./-", "-"}, Input::Picture, "");
    row("a pipe, the cursor into another pipe", {"-o", "-", "-"}, Input::Pipe, "");
    row("a pipe, the cursor to a file", {"-o", "out.cur", "-"}, Input::Pipe, "");
}

// A picture read from standard input is protected as every other picture
// of a call is, by the file its descriptor leads to; a pipe protects
// nothing else.
void FilePlacingTest::standardInputIsAPicture()
{
    QFETCH(QStringList, arguments);
    QFETCH(Input, input);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    QImage square(32, 32, QImage::Format_RGB32), small(16, 16, QImage::Format_RGB32);
    square.fill(Qt::black);
    small.fill(Qt::white);
    QVERIFY(square.save(dir.filePath(QStringLiteral("p32.png")))
            && small.save(dir.filePath(QStringLiteral("p16.png"))));
    Child reference({kConvert, QStringLiteral("-o"), QStringLiteral("ref.cur"), QStringLiteral("p32.png")}, dir.path());
    QCOMPARE(exitCode(reference.wait()), 0);
    const QByteArray cursor = readAll(dir.filePath(QStringLiteral("ref.cur")));
    const QByteArray picture = input == Input::Cursor ? cursor : readAll(dir.filePath(QStringLiteral("p32.png")));
    const QString in = dir.filePath(QStringLiteral("in.png"));
    QVERIFY(writeAll(in, picture));
    QVERIFY(writeAll(dir.filePath(QStringLiteral("-")), "another file"));

    int handle = -1;
    if (input == Input::Pipe) {
        int ends[2];
        QCOMPARE(pipe2(ends, O_CLOEXEC), 0);
        QCOMPARE(write(ends[1], picture.constData(), size_t(picture.size())), ssize_t(picture.size()));
        close(ends[1]);
        handle = ends[0];
    } else {
        handle = open(QFile::encodeName(in).constData(),
                      (input == Input::PictureForWriting ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    }
    QVERIFY(handle >= 0);
    Child child(QStringList{kConvert} + arguments, dir.path(), {{0, handle}});
    const int status = child.wait();
    close(handle);

    QCOMPARE(readAll(in), picture);
    QCOMPARE(hiddenNames(dir.path()), QStringList());
    if (!refusal.isEmpty()) {
        QCOMPARE(exitCode(status), 1);
        QCOMPARE(lines(child.err).size(), 1);
        QVERIFY2(child.err.contains(refusal.toUtf8()), child.err.constData());
        QCOMPARE(readAll(dir.filePath(QStringLiteral("-"))), QByteArray("another file"));
        return;
    }
    QCOMPARE(child.err, QByteArray());
    QCOMPARE(exitCode(status), 0);
    if (arguments.contains(QStringLiteral("./-")))
        QVERIFY(readAll(dir.filePath(QStringLiteral("-"))).startsWith("\x89PNG"));
    else
        QCOMPARE(arguments.at(1) == QStringLiteral("-") ? child.out : readAll(dir.filePath(arguments.at(1))), cursor);
}

QTEST_GUILESS_MAIN(FilePlacingTest)
#include "test_file_placing.moc"
