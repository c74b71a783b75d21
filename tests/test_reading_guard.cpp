// SPDX-License-Identifier: MIT
// No picture can hang or crash the converter, even one whose reader never
// ends or faults, and a picture that another program shortens while it is
// being read costs only that picture. Runs the real pixelwick-convert.
#include "test_support.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <unistd.h>

using namespace testing;

namespace {

Run convert(const QTemporaryDir &dir, const QStringList &arguments)
{
    // The test's own image reader, which hangs or crashes on purpose.
    return runProgram(QStringLiteral(PIXELWICK_CONVERT), arguments, dir.path(), {QStringLiteral("DISPLAY")},
                      {{QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(PIXELWICK_STUCK_READER)}});
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
    const QStringList lines = QString::fromLocal8Bit(run.err).split(u'\n', Qt::SkipEmptyParts);
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
    QCOMPARE(hiddenFiles(dir.path()), QStringList());
}

void ReadingGuardTest::fewDescriptors_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("says");
    // PNG is read by Qt itself; GIF needs a plugin opened, and so a descriptor.
    for (const char *format : {"png", "gif"})
        QTest::addRow("%s, none left", format) << 5 << format << "cannot be opened: Too many open files";
    QTest::newRow("gif, none for its plugin") << 6 << "gif"
                                              << "cannot be read: Too many open files";
    for (const char *format : {"png", "gif", "jpg"})
        QTest::addRow("%s, a few left", format) << 9 << format << "";
}

// Running out of descriptors is said as such, never as "not a picture".
void ReadingGuardTest::fewDescriptors()
{
    QFETCH(int, limit);
    QFETCH(QString, format);
    QFETCH(QString, says);
#ifdef PIXELWICK_SANITIZED_TESTS
    QSKIP("The sanitizers' runtimes need descriptors of their own");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage black(32, 32, QImage::Format_RGB32);
    black.fill(Qt::black);
    const QString name = QStringLiteral("p.") + format;
    // Qt writes no GIF; this one is 2 x 2 black pixels.
    if (format == QLatin1String("gif"))
        QVERIFY(
            writeAll(dir.filePath(name), QByteArray::fromHex("4749463839610200020080000000000000000021f90401000001002c"
                                                             "00000000020002000002028451003b")));
    else
        QVERIFY(black.save(dir.filePath(name)));
    const Run run = runProgram(QStringLiteral("/bin/sh"),
                               {QStringLiteral("-c"), QStringLiteral("ulimit -n %1; exec \"$0\" \"$@\"").arg(limit),
                                QStringLiteral(PIXELWICK_CONVERT), name},
                               dir.path(), {QStringLiteral("DISPLAY")});
    if (says.isEmpty()) {
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(lookAt(readAll(dir.filePath(QStringLiteral("p.cur"))), 0, 0), Look::Black);
        return;
    }
    QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
    QCOMPARE(run.exitCode, 1);
}

QTEST_GUILESS_MAIN(ReadingGuardTest)
#include "test_reading_guard.moc"
