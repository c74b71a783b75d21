// SPDX-License-Identifier: MIT
// Runs real batches of pixelwick-convert whose pictures stand where their
// cursors would go, under a file-size limit and a descriptor limit,
// interrupted by real signals, in a folder renamed while they run, and with
// the longest names a file system takes.
#include "child_process.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing;

namespace {

const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);

// Whether the batch still runs once `cursor`, its first picture's, is in
// place: one group is placed and more are to come, whatever the machine's
// speed.
bool placedWhileRunning(pid_t batch, const QString &cursor)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 120000) {
        siginfo_t ended{};
        if (waitid(P_PID, id_t(batch), &ended, WEXITED | WNOHANG | WNOWAIT) != 0 || ended.si_pid != 0)
            return false;
        if (QFileInfo::exists(cursor))
            return true;
        usleep(2000);
    }
    return false;
}

} // namespace

class BatchSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesNeverReplaced_data();
    void picturesNeverReplaced();
    void fileSizeLimit_data();
    void fileSizeLimit();
    void disturbedBatch_data();
    void disturbedBatch();
    void placedWhileSlowPictureIsRead();
    void foldersBeyondDescriptors_data();
    void foldersBeyondDescriptors();
    void longNameInBatch();

private:
    // The converter's arguments for `count` pictures written into `folder`.
    QStringList batchIn(const QString &folder, int count) const;
    // The first cursor in `folder` that is not the reference one, else
    // empty; counts them all.
    QString wrongCursor(const QString &folder, qsizetype &count) const;

    QByteArray m_picture; // a PNG
    QByteArray m_cursor;  // its cursor
};

void BatchSafetyTest::initTestCase()
{
    const Reference reference = makeReference(kConvert);
    m_picture = reference.picture;
    m_cursor = reference.cursor;
    QCOMPARE(m_cursor.size(), pixelwick::kCursorFileSize);
}

enum class Protected { CursorNamedLikeAPicture, HardLinkToAPicture, LinkToAPicture };

void BatchSafetyTest::picturesNeverReplaced_data()
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
void BatchSafetyTest::picturesNeverReplaced()
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

void BatchSafetyTest::fileSizeLimit_data()
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
void BatchSafetyTest::fileSizeLimit()
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

QStringList BatchSafetyTest::batchIn(const QString &folder, int count) const
{
    QStringList arguments{kConvert};
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("p%1.png").arg(i, 4, 10, QLatin1Char('0'));
        if (!writeAll(QDir(folder).filePath(name), m_picture))
            return {};
        arguments << name;
    }
    return arguments;
}

QString BatchSafetyTest::wrongCursor(const QString &folder, qsizetype &count) const
{
    const QStringList cursors = QDir(folder).entryList({QStringLiteral("*.cur")});
    count = cursors.size();
    for (const QString &name : cursors) {
        if (readAll(QDir(folder).filePath(name)) != m_cursor)
            return name;
    }
    return {};
}

void BatchSafetyTest::disturbedBatch_data()
{
    QTest::addColumn<int>("signal");   // 0 to let it run to its end
    QTest::addColumn<bool>("renamed"); // its folder, just before the signal
    QTest::addColumn<int>("left");     // staged files it may leave behind
    QTest::newRow("SIGINT") << int(SIGINT) << false << 0;
    QTest::newRow("SIGTERM") << int(SIGTERM) << false << 0;
    QTest::newRow("SIGHUP") << int(SIGHUP) << false << 0;
    // Nothing cleans up after SIGKILL: at most the group being written stays.
    QTest::newRow("SIGKILL") << int(SIGKILL) << false << 256;
    QTest::newRow("folder renamed") << 0 << true << 0;
    QTest::newRow("folder renamed, then SIGTERM") << int(SIGTERM) << true << 0;
}

// Once its first cursors are placed, a batch is ended by a signal or has
// its folder renamed. It keeps every cursor placed, each whole and right,
// and removes what it had staged (all but one group's after SIGKILL). Ended
// by a signal, it ends as any program would; else it places every cursor
// in its folder under the new name, since it names its pictures from there.
void BatchSafetyTest::disturbedBatch()
{
    QFETCH(int, signal);
    QFETCH(bool, renamed);
    QFETCH(int, left);
    constexpr int kPictures = 3000;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("pictures"));
    const QString moved = dir.filePath(QStringLiteral("moved"));
    QVERIFY(QDir().mkdir(folder));
    Child child(batchIn(folder, kPictures), folder);
    QVERIFY(child.pid() > 0);
    QVERIFY2(placedWhileRunning(child.pid(), folder + QStringLiteral("/p0000.cur")),
             "the batch ended before it placed a cursor");
    if (renamed)
        QCOMPARE(rename(QFile::encodeName(folder).constData(), QFile::encodeName(moved).constData()), 0);
    if (signal)
        QCOMPARE(kill(child.pid(), signal), 0);
    const int status = child.wait();
    if (signal) {
        QVERIFY2(WIFSIGNALED(status), qPrintable(QStringLiteral("status %1").arg(status)));
        QCOMPARE(WTERMSIG(status), signal);
    } else {
        QCOMPARE(exitCode(status), 0);
    }
    QCOMPARE(child.err, QByteArray());
    const QString after = renamed ? moved : folder;
    const QStringList staged = hiddenNames(after);
    QVERIFY2(staged.size() <= left, qPrintable(QStringLiteral("%1 staged files left").arg(staged.size())));
    for (const QString &name : staged)
        QVERIFY2(QRegularExpression(QStringLiteral("^\\.pw[0-9a-f]{8}\\.tmp$")).match(name).hasMatch(),
                 qPrintable(name));
    qsizetype placed = 0;
    const QString wrong = wrongCursor(after, placed);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QVERIFY(signal ? placed > 0 : placed == kPictures);
}

// Cursors made before a picture that is slow to read are placed while it
// is read, not after: a batch killed meanwhile would otherwise lose them.
void BatchSafetyTest::placedWhileSlowPictureIsRead()
{
    QTemporaryDir dir, logs;
    for (const char *name : {"a.png", "b.png"})
        QVERIFY(writeAll(dir.filePath(QLatin1String(name)), m_picture));
    // Read by the test's own image reader, which spins until it is stopped.
    QVERIFY(writeAll(dir.filePath(QStringLiteral("slow.stuck")), "PIXELWICK-STUCK"));
    const QString log = logs.filePath(QStringLiteral("err.txt"));
    const int err = open(QFile::encodeName(log).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    QVERIFY(err >= 0);
    qputenv("QT_PLUGIN_PATH", PIXELWICK_STUCK_READER);
    Child child({kConvert, QStringLiteral("a.png"), QStringLiteral("b.png"), QStringLiteral("slow.stuck")}, dir.path(),
                {{2, err}});
    qunsetenv("QT_PLUGIN_PATH");
    close(err);
    const bool placed = placedWhileRunning(child.pid(), dir.filePath(QStringLiteral("a.cur")));
    // The slow picture's line comes only once its reading is given up.
    const QByteArray saidMeanwhile = readAll(log);
    QCOMPARE(exitCode(child.wait()), 1);
    QVERIFY(placed);
    QCOMPARE(saidMeanwhile, QByteArray());
    QVERIFY2(readAll(log).contains("slow.stuck"), readAll(log).constData());
    QCOMPARE(readAll(dir.filePath(QStringLiteral("a.cur"))), m_cursor);
    QCOMPARE(readAll(dir.filePath(QStringLiteral("b.cur"))), m_cursor);
    QCOMPARE(hiddenNames(dir.path()), QStringList());
}

void BatchSafetyTest::foldersBeyondDescriptors_data()
{
    QTest::addColumn<int>("limit");     // ulimit -n; 0 for none
    QTest::addColumn<int>("inherited"); // descriptors open from the start
    QTest::newRow("no limit") << 0 << 0;
    QTest::newRow("ulimit -n 32") << 32 << 0;
    QTest::newRow("ulimit -n 64, 30 of them taken") << 64 << 30;
}

// A batch over more folders than it may hold open at once still makes
// every cursor: a group keeps no more folders open than the descriptor
// limit spares beside those already taken.
void BatchSafetyTest::foldersBeyondDescriptors()
{
    QFETCH(int, limit);
    QFETCH(int, inherited);
    constexpr int kFolders = 40, kEach = 6;
    QTemporaryDir dir;
    QStringList arguments{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                          limit ? QStringLiteral("ulimit -n %1; exec \"$0\" \"$@\"").arg(limit)
                                : QStringLiteral("exec \"$0\" \"$@\""),
                          kConvert};
    // Taken in turn, so that every group spans many folders.
    for (int picture = 0; picture < kEach; ++picture) {
        for (int folder = 0; folder < kFolders; ++folder) {
            const QString name = QStringLiteral("f%1/p%2.png").arg(folder).arg(picture);
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path()));
            QVERIFY(writeAll(dir.filePath(name), m_picture));
            arguments << name;
        }
    }
    const int nothing = open("/dev/null", O_RDONLY | O_CLOEXEC);
    QVERIFY(nothing >= 0);
    QMap<int, int> descriptors;
    for (int i = 0; i < inherited; ++i)
        descriptors.insert(3 + i, nothing);
    Child child(arguments, dir.path(), descriptors);
    const int status = child.wait();
    close(nothing);
    QCOMPARE(child.err, QByteArray());
    QCOMPARE(exitCode(status), 0);
    for (int folder = 0; folder < kFolders; ++folder) {
        const QString path = dir.filePath(QStringLiteral("f%1").arg(folder));
        QCOMPARE(hiddenNames(path), QStringList());
        qsizetype placed = 0;
        const QString wrong = wrongCursor(path, placed);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QCOMPARE(placed, kEach);
    }
}

// Whatever name works alone works in a batch: the staged file's name does
// not grow with the cursor's.
void BatchSafetyTest::longNameInBatch()
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

QTEST_GUILESS_MAIN(BatchSafetyTest)
#include "test_batch_safety.moc"
