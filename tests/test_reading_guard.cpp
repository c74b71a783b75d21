// SPDX-License-Identifier: MIT
// No picture can hang or crash the converter, even one whose reader never
// ends or faults, and a picture that another program shortens while it is
// being read costs only that picture. Runs the real pixelwick-convert.
#include "child_process.h"
#include "test_support.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <csignal>

#include <unistd.h>

using namespace testing;

namespace {

Run convert(const QTemporaryDir &dir, const QStringList &arguments)
{
    // The test's own image reader, which hangs or crashes on purpose.
    return runProgram(QStringLiteral(PIXELWICK_CONVERT), arguments, dir.path(), {QStringLiteral("DISPLAY")},
                      {{QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(PIXELWICK_STUCK_READER)}});
}

const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);

// The converter run by `sh -c "SET-UP; exec prlimit LIMIT -- converter
// ARGUMENTS..."`, as `runAs` where given.
Run convertUnder(const QTemporaryDir &dir, const QString &setUp, const QString &limit, const QStringList &arguments,
                 const QStringList &runAs = {})
{
    const QStringList command = runAs
                                + QStringList{QStringLiteral("/bin/sh"),
                                              QStringLiteral("-c"),
                                              setUp + QStringLiteral("; exec \"$0\" \"$@\""),
                                              QStringLiteral("prlimit"),
                                              limit,
                                              QStringLiteral("--"),
                                              kConvert}
                                + arguments;
    return runProgram(command.first(), command.mid(1), dir.path(), {QStringLiteral("DISPLAY")});
}

void saveBlack(const QTemporaryDir &dir, const QString &name, const char *format = nullptr)
{
    QImage black(32, 32, QImage::Format_RGB32);
    black.fill(Qt::black);
    QVERIFY(black.save(dir.filePath(name), format));
}

QStringList hiddenFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Hidden | QDir::Files | QDir::System).filter(QRegularExpression("^\\."));
}

} // namespace

class ReadingGuardTest : public QObject {
    Q_OBJECT

private slots:
    void readerThatNeverEndsOrCrashes_data();
    void readerThatNeverEndsOrCrashes();
    void pictureShortenedWhileRead();
    void fewDescriptors_data();
    void fewDescriptors();
    void noReaderProcess_data();
    void noReaderProcess();
    void smallAddressSpace();
    void stoppedAndContinued();
};

void ReadingGuardTest::readerThatNeverEndsOrCrashes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");
    QTest::newRow("never ends") << QByteArray("PIXELWICK-STUCK and then nothing") << "took longer than";
    QTest::newRow("crashes") << QByteArray("PIXELWICK-CRASH and then nothing") << "its reader stopped with the signal";
}

// The batch goes on past the bad picture, whose older cursor stays.
void ReadingGuardTest::readerThatNeverEndsOrCrashes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage black(32, 32, QImage::Format_RGB32);
    black.fill(Qt::black);
    QVERIFY(black.save(dir.filePath(QStringLiteral("before.png"))));
    QVERIFY(black.save(dir.filePath(QStringLiteral("after.png"))));
    QVERIFY(writeAll(dir.filePath(QStringLiteral("bad.stuck")), bytes));
    const QByteArray older("an older cursor");
    QVERIFY(writeAll(dir.filePath(QStringLiteral("bad.cur")), older));

    const Run run =
        convert(dir, {QStringLiteral("before.png"), QStringLiteral("bad.stuck"), QStringLiteral("after.png")});
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = QString::fromLocal8Bit(run.err).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith(QStringLiteral("pixelwick-convert: bad.stuck: ")), qPrintable(lines.first()));
    QVERIFY2(lines.first().contains(says), qPrintable(lines.first()));
    QCOMPARE(readAll(dir.filePath(QStringLiteral("bad.cur"))), older);
    for (const char *made : {"before.cur", "after.cur"})
        QCOMPARE(lookAt(readAll(dir.filePath(QLatin1String(made))), 3, 3), Look::Black);
    QCOMPARE(hiddenFiles(dir.path()), QStringList());
}

// Each picture is cut to a few bytes, or to nothing, at some moment while
// the batch reads it: whatever it saw, the converter ends by itself, gives
// each cut picture a line or a cursor, and leaves nothing half-made.
void ReadingGuardTest::pictureShortenedWhileRead()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Noise, so that each file is large and the walk through its markers
    // takes a while.
    QImage picture(1024, 1024, QImage::Format_RGB32);
    quint32 noise = 1;
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            row[x] = 0xff000000u | (noise >> 8);
        }
    }
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "JPEG", 100));
    }
    constexpr int kPictures = 60;
    QStringList names;
    for (int i = 0; i < kPictures; ++i) {
        names << QStringLiteral("p%1.jpg").arg(i);
        QVERIFY(writeAll(dir.filePath(names.last()), jpeg));
    }

    std::atomic<bool> done = false;
    std::thread cutter([&] {
        // Cuts pictures in no order until the batch ends: to nothing, to
        // its header, or to half.
        quint32 random = 12345;
        for (int round = 0; !done; ++round) {
            random = random * 1103515245u + 12345u;
            const QByteArray path = QFile::encodeName(dir.filePath(names[int(random >> 8) % kPictures]));
            const off_t sizes[] = {0, 100, off_t(jpeg.size() / 2)};
            ::truncate(path.constData(), sizes[round % 3]);
            ::usleep(1000);
        }
    });
    const Run run = convert(dir, names);
    done = true;
    cutter.join();

    QVERIFY2(run.exitCode == 0 || run.exitCode == 1, run.err.constData());
    QStringList lines = QString::fromLocal8Bit(run.err).split(u'\n', Qt::SkipEmptyParts);
    // Each cursor made says that only the picture's corner was used.
    const qsizetype warnings = lines.removeIf([](const QString &line) {
        return line.contains(QLatin1String(": warning: only the top-left 32 x 32 of the 1024 x 1024 picture was used"));
    });
    // A file cut to nothing and then to half is all zeros.
    const QRegularExpression refusal(QStringLiteral(
        "^pixelwick-convert: p\\d+\\.jpg: (The picture .* (is empty|is incomplete)|.* is not a picture)"));
    for (const QString &line : lines)
        QVERIFY2(line.contains(refusal), qPrintable(line));
    // Every picture has exactly one of a line or a whole cursor.
    int cursors = 0;
    for (const QString &name : std::as_const(names)) {
        const QString cursor = dir.filePath(QString(name).replace(QStringLiteral(".jpg"), QStringLiteral(".cur")));
        if (QFile::exists(cursor)) {
            QCOMPARE(QFileInfo(cursor).size(), qint64(326));
            ++cursors;
        }
    }
    QCOMPARE(cursors + lines.size(), kPictures);
    QCOMPARE(warnings, cursors);
    QCOMPARE(hiddenFiles(dir.path()), QStringList());
}

void ReadingGuardTest::fewDescriptors_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("options");
    // PNG is read by Qt itself; GIF and JPEG need a plugin opened, and so
    // descriptors, in the reader.
    for (const char *format : {"png", "gif", "jpg"})
        QTest::newRow(format) << format << QStringList();
    // A whole large picture comes back in a descriptor of its own.
    QTest::newRow("png, 1024 x 1024, fitted") << "png" << QStringList{"--fit"};
}

// Running out of descriptors is said as such, wherever it strikes (opening
// the picture, starting the reader, opening its plugin), never as "not a
// picture"; with a few to spare, the picture converts.
void ReadingGuardTest::fewDescriptors()
{
    QFETCH(QString, format);
    QFETCH(QStringList, options);
#ifdef PIXELWICK_SANITIZED_TESTS
    QSKIP("The sanitizers' runtimes need descriptors of their own");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const int side = options.isEmpty() ? 32 : 1024;
    QImage black(side, side, QImage::Format_RGB32);
    black.fill(Qt::black);
    const QString name = QStringLiteral("p.") + format;
    // Qt writes no GIF; this one is 2 x 2 black pixels.
    if (format == QLatin1String("gif"))
        QVERIFY(
            writeAll(dir.filePath(name), QByteArray::fromHex("4749463839610200020080000000000000000021f90401000001002c"
                                                             "00000000020002000002028451003b")));
    else
        QVERIFY(black.save(dir.filePath(name)));
    int refusals = 0;
    for (int limit = 5; limit <= 12; ++limit) {
        QFile::remove(dir.filePath(QStringLiteral("p.cur")));
        const QStringList shell{QStringLiteral("-c"), QStringLiteral("ulimit -n %1; exec \"$0\" \"$@\"").arg(limit),
                                QStringLiteral(PIXELWICK_CONVERT)};
        const Run run = runProgram(QStringLiteral("/bin/sh"), shell + options + QStringList{name}, dir.path(),
                                   {QStringLiteral("DISPLAY")});
        if (run.exitCode == 0) {
            QCOMPARE(run.err, QByteArray());
            QCOMPARE(lookAt(readAll(dir.filePath(QStringLiteral("p.cur"))), 0, 0), Look::Black);
            continue;
        }
        QCOMPARE(run.exitCode, 1);
        const QString line = QString::fromUtf8(run.err).trimmed();
        QVERIFY2(!line.contains(u'\n') && line.contains(QStringLiteral(": Too many open files.")), qPrintable(line));
        QVERIFY2(!line.contains(QStringLiteral("not a picture")), qPrintable(line));
        ++refusals;
    }
    QVERIFY(refusals > 0);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("p.cur"))));
}

void ReadingGuardTest::noReaderProcess_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("refused");
    QTest::newRow("a batch") << QStringLiteral(":") << QStringList{"a.png", "b.png"} << QStringList{"a.png", "b.png"};
    QTest::newRow("standard input") << QStringLiteral("exec <a.png") << QStringList{"-o", "in.cur", "-"}
                                    << QStringList{"-"};
}

// Where no reader process can be started (the user's limit on processes
// is reached), no picture is decoded without one: each is refused, naming
// why, and nothing is written.
void ReadingGuardTest::noReaderProcess()
{
    QFETCH(QString, setUp);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, refused);
#ifdef PIXELWICK_SANITIZED_TESTS
    QSKIP("LeakSanitizer looks for leaks from a thread of its own, which the limit on processes forbids");
#endif
    // The limit binds no process of root's, so the converter runs as
    // nobody, whose only process it then is.
    QStringList runAs;
    if (::geteuid() == 0) {
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("setpriv is needed to run the converter as another user");
        runAs = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                            QStringLiteral("--clear-groups")};
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                                  | QFile::WriteOther | QFile::ExeOther));
    saveBlack(dir, QStringLiteral("a.png"));
    saveBlack(dir, QStringLiteral("b.png"));
    const QStringList before = listing(dir.path());

    const Run run = convertUnder(dir, setUp, QStringLiteral("--nproc=1"), arguments, runAs);
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), refused.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QVERIFY2(lines[i].startsWith(QStringLiteral("pixelwick-convert: %1: ").arg(refused[i])), qPrintable(lines[i]));
        QVERIFY2(
            lines[i].endsWith(QStringLiteral("cannot start the picture reader: Resource temporarily unavailable.")),
            qPrintable(lines[i]));
    }
    QCOMPARE(listing(dir.path()), before);
}

// Reading sizes its buffers by the file, so small pictures convert within
// a modest limit on address space, and nothing of the reader's own
// reaches standard error.
void ReadingGuardTest::smallAddressSpace()
{
#ifdef PIXELWICK_SANITIZED_TESTS
    QSKIP("AddressSanitizer reserves terabytes of address space");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    saveBlack(dir, QStringLiteral("small.tiff"), "TIFF");
    QImage picture(512, 512, QImage::Format_ARGB32);
    picture.fill(Qt::black);
    QVERIFY(picture.save(dir.filePath(QStringLiteral("large.png"))));

    const Run run = convertUnder(dir, QStringLiteral(":"), QStringLiteral("--as=512000000"),
                                 {QStringLiteral("small.tiff"), QStringLiteral("large.png")});
    QCOMPARE(run.err, QByteArray("pixelwick-convert: large.png: warning: only the top-left 32 x 32 of the 512 x 512 "
                                 "picture was used: --fit uses all of it\n"));
    QCOMPARE(run.exitCode, 0);
    for (const char *made : {"small.cur", "large.cur"})
        QCOMPARE(lookAt(readAll(dir.filePath(QLatin1String(made))), 3, 3), Look::Black);
}

// A batch stopped while a picture is read (Ctrl+Z), and continued long
// after (fg), finishes every picture: time in which it was stopped is not
// time spent reading.
void ReadingGuardTest::stoppedAndContinued()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeAll(dir.filePath(QStringLiteral("slow.stuck")), "PIXELWICK-SLOW"));
    saveBlack(dir, QStringLiteral("after.png"));
    qputenv("QT_PLUGIN_PATH", PIXELWICK_STUCK_READER);
    Child converter({kConvert, QStringLiteral("slow.stuck"), QStringLiteral("after.png")}, dir.path());
    qunsetenv("QT_PLUGIN_PATH");
    // Stopped as a terminal stops a job: the converter and its reader.
    const pid_t reader = childOf(converter.pid());
    QVERIFY(reader > 0);
    QCOMPARE(::kill(converter.pid(), SIGSTOP), 0);
    QCOMPARE(::kill(reader, SIGSTOP), 0);
    // Longer than the converter waits for a reader in all (four times its
    // three seconds of processor time).
    QTest::qSleep(13000);
    QCOMPARE(::kill(reader, SIGCONT), 0);
    QCOMPARE(::kill(converter.pid(), SIGCONT), 0);
    QCOMPARE(exitCode(converter.wait()), 0);
    QCOMPARE(converter.err, QByteArray());
    for (const char *made : {"slow.cur", "after.cur"})
        QCOMPARE(lookAt(readAll(dir.filePath(QLatin1String(made))), 3, 3), Look::Black);
}

QTEST_GUILESS_MAIN(ReadingGuardTest)
#include "test_reading_guard.moc"
