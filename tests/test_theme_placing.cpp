// SPDX-License-Identifier: MIT
// Pointer themes written by the real pixelwick-convert where something is
// already: an older theme is replaced whole, never mixed with the new one,
// also when a signal ends the converter in the middle of writing; anything
// but a folder, and a folder holding a picture of the call, is refused and
// stays as it was.
#include "child_process.h"
#include "test_support.h"
#include "xcursor_looks.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing;

namespace {

const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);

// Every file, link and folder under `folder` with what it holds (a link:
// where it leads), by its path there.
QMap<QString, QByteArray> contentsOf(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator walk(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QFileInfo entry(walk.next());
        const QString path = entry.filePath().mid(folder.size() + 1);
        contents.insert(path, entry.isSymLink() ? "-> " + QFile::encodeName(entry.symLinkTarget())
                              : entry.isDir()   ? QByteArray("folder")
                                                : readAll(entry.filePath()));
    }
    return contents;
}

// Whether a name starting ".pw" stands in `folder`: a staged file or folder.
bool somethingStaged(const QByteArray &folder)
{
    DIR *const listed = opendir(folder.constData());
    if (!listed)
        return false;
    bool found = false;
    while (const dirent *entry = readdir(listed))
        found = found || std::strncmp(entry->d_name, ".pw", 3) == 0;
    closedir(listed);
    return found;
}

} // namespace

class ThemePlacingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void replacedWhole();
    void places_data();
    void places();
    void interrupted_data();
    void interrupted();

private:
    // Writes the theme "Set" of `pictures` (copies of the test picture)
    // into `folder`; the converter's exit code.
    int writeTheme(const QString &folder, const QStringList &pictures, const QStringList &options = {});

    QTemporaryDir m_dir;
};

void ThemePlacingTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Looks looks;
    QVERIFY(lookPicture(looks).save(m_dir.filePath(QStringLiteral("picture.png"))));
}

int ThemePlacingTest::writeTheme(const QString &folder, const QStringList &pictures, const QStringList &options)
{
    for (const QString &picture : pictures) {
        if (!QFileInfo::exists(QDir(folder).filePath(picture)))
            QFile::copy(m_dir.filePath(QStringLiteral("picture.png")), QDir(folder).filePath(picture));
    }
    return runProgram(kConvert, options + QStringList{"--theme", "Set", "-o", "themes"} + pictures, folder).exitCode;
}

// A theme written where another was holds the new one's files alone, in
// the old folder's permissions.
void ThemePlacingTest::replacedWhole()
{
    QTemporaryDir dir;
    QCOMPARE(writeTheme(dir.path(), {"arrow.png", "hand.png", "extra.png"}), 0);
    const QString theme = dir.filePath(QStringLiteral("themes/Set"));
    QVERIFY(contentsOf(theme).contains(QStringLiteral("cursors/pointer")));
    QVERIFY(QFile::setPermissions(theme, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                             | QFile::ExeGroup));
    QCOMPARE(writeTheme(dir.path(), {"ibeam.png"}, {"--fit"}), 0);
    QCOMPARE(contentsOf(theme).keys(),
             (QStringList{"cursors", "cursors/ibeam", "cursors/text", "cursors/xterm", "index.theme"}));
    QCOMPARE(statusOf(theme).st_mode & 07777, mode_t(0750));
    QCOMPARE(hiddenNames(dir.filePath(QStringLiteral("themes"))), QStringList());
}

void ThemePlacingTest::places_data()
{
    QTest::addColumn<QString>("thing"); // what stands at themes/Set
    QTest::addColumn<QString>("refusal");
    QTest::newRow("a file") << "file"
                            << "it is not a folder";
    QTest::newRow("a link to nothing") << "dangling"
                                       << "which does not exist";
    QTest::newRow("a read-only folder") << "read-only"
                                        << "is read-only";
    QTest::newRow("a folder holding the picture") << "picture"
                                                  << "which is never replaced";
    QTest::newRow("a link to a folder") << "link"
                                        << "";
}

// Only a folder is replaced, and never one holding a picture of the call;
// a link to a folder gives the theme to that folder and stays a link.
void ThemePlacingTest::places()
{
    QFETCH(QString, thing);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString themes = dir.filePath(QStringLiteral("themes"));
    const QString place = themes + QStringLiteral("/Set");
    QVERIFY(QDir().mkpath(themes));
    QString picture = QStringLiteral("arrow.png");
    if (thing == QLatin1String("file")) {
        QVERIFY(writeAll(place, "a file"));
    } else if (thing == QLatin1String("dangling")) {
        QVERIFY(QFile::link(QStringLiteral("nowhere"), place));
    } else if (thing == QLatin1String("read-only") || thing == QLatin1String("picture")) {
        QCOMPARE(writeTheme(dir.path(), {"default.png"}), 0);
        picture = QStringLiteral("themes/Set/arrow.png");
        if (thing == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(place, QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("elsewhere/Set"))));
        QVERIFY(QFile::link(QStringLiteral("../elsewhere/Set"), place));
    }
    QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("picture.png")), dir.filePath(picture)));
    const QMap<QString, QByteArray> before = contentsOf(themes);
    const Run run = runProgram(kConvert, {"--theme", "Set", "-o", "themes", picture}, dir.path());
    if (refusal.isEmpty()) {
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFileInfo(place).isSymLink());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("elsewhere/Set/cursors/left_ptr"))).isFile());
        return;
    }
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(lines(run.err).size(), 1);
    QVERIFY2(run.err.startsWith("pixelwick-convert: cannot write the theme ") && run.err.contains(refusal.toUtf8()),
             run.err.constData());
    QFile::setPermissions(place, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QMap<QString, QByteArray> after = contentsOf(themes);
    QCOMPARE(after, before);
}

void ThemePlacingTest::interrupted_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGKILL") << SIGKILL;
}

// A converter ended by a signal while it writes a theme over an older one
// leaves the older one whole; ended by SIGINT, SIGTERM or SIGHUP, nothing
// of the new one either.
void ThemePlacingTest::interrupted()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString themes = dir.filePath(QStringLiteral("themes"));
    QCOMPARE(writeTheme(dir.path(), {"arrow.png", "wait.png"}), 0);
    const QMap<QString, QByteArray> old = contentsOf(themes + QStringLiteral("/Set"));
    // Many large files, so that the converter is caught writing them.
    QStringList pictures;
    for (int i = 0; i < 12; ++i) {
        pictures.append(QStringLiteral("big%1.png").arg(i));
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("picture.png")), dir.filePath(pictures.last())));
    }
    QStringList sizes;
    for (int size = 16; size <= 256; size += 8)
        sizes.append(QString::number(size));
    bool caught = false;
    for (int attempt = 0; attempt < 10 && !caught; ++attempt) {
        Child child(QStringList{kConvert, "--sizes", sizes.join(u','), "--theme", "Set", "-o", "themes"} + pictures,
                    dir.path());
        QElapsedTimer clock;
        clock.start();
        const QByteArray folder = QFile::encodeName(themes);
        while (!somethingStaged(folder) && clock.elapsed() < 60000 && waitpid(child.pid(), nullptr, WNOHANG) == 0) {
        }
        kill(child.pid(), SIGSTOP);
        // Caught before the swap: staged, the old theme still in place.
        caught = somethingStaged(folder) && contentsOf(themes + QStringLiteral("/Set")) == old;
        kill(child.pid(), caught ? signal : SIGKILL);
        kill(child.pid(), SIGCONT);
        const int status = child.wait();
        if (!caught) {
            for (const QString &hidden : hiddenNames(themes))
                QDir(themes + u'/' + hidden).removeRecursively();
            if (contentsOf(themes + QStringLiteral("/Set")) != old)
                QCOMPARE(writeTheme(dir.path(), {"arrow.png", "wait.png"}), 0);
            continue;
        }
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), signal);
    }
    QVERIFY2(caught, "the converter was never caught writing the theme");
    QCOMPARE(contentsOf(themes + QStringLiteral("/Set")), old);
    // Killed outright, it leaves its hidden folder; any other signal, nothing.
    QCOMPARE(hiddenNames(themes).isEmpty(), signal != SIGKILL);
}

QTEST_GUILESS_MAIN(ThemePlacingTest)
#include "test_theme_placing.moc"
