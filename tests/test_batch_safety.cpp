// SPDX-License-Identifier: MIT
// Runs real batches of pixelwick-convert whose pictures stand where their
// cursors would go, under a file-size limit, interrupted by real signals,
// and with the longest names a file system takes.
#include "child_process.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing;

namespace {

const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);

} // namespace

class BatchSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesNeverReplaced_data();
    void picturesNeverReplaced();
    void fileSizeLimit_data();
    void fileSizeLimit();
    void interruptedBatch_data();
    void interruptedBatch();
    void longNameInBatch();

private:
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

void BatchSafetyTest::interruptedBatch_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

// Killed while its cursors are staged, a batch removes every one of them
// and ends by the signal as any program would.
void BatchSafetyTest::interruptedBatch()
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
    QVERIFY(child.pid() > 0);
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
