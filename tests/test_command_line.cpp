// SPDX-License-Identifier: MIT
// Runs the real pixelwick-convert on pictures written to a temporary folder.
#include "picture_loading.h"
#include "pixelwick_version.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace pixelwick;
using namespace testing;

namespace {

const KeyColours kDefaultKeys{colourValue(0, 255, 0), colourValue(255, 0, 255)};

// Stripes four pixels wide, in this order; the clear one shows the white
// the picture is composed over.
const QList<QColor> kStripes = {QColor(0, 255, 0), QColor(255, 0, 255), Qt::white,       Qt::black,
                                QColor(255, 0, 0), QColor(0, 0, 255),   Qt::transparent, QColor(128, 128, 128)};

QImage stripedPicture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixelColor(x, y, x < 32 ? kStripes[x / 4] : QColor(Qt::red));
    return image;
}

QString savedPicture(const QTemporaryDir &dir, const QString &name, int size = 32)
{
    const QString path = dir.filePath(name);
    // Without a suffix Qt cannot tell which format to write.
    return stripedPicture(size).save(path, name.contains(u'.') ? nullptr : "PNG") ? path : QString();
}

Run convert(const QTemporaryDir &dir, const QStringList &arguments)
{
    // Proves the converter needs no display in every case.
    return runProgram(
        QStringLiteral(PIXELWICK_CONVERT), arguments, dir.path(),
        {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")});
}

// What the window's Make CUR writes with its defaults on the usual colour scheme.
QByteArray windowCursor(const QString &picture)
{
    QTemporaryDir elsewhere;
    const QString output = elsewhere.filePath(QStringLiteral("reference.cur"));
    const ImagePixelSource source(
        composePreview(loadPicture(picture).image, Qt::white, colourOf(kDefaultKeys.background)));
    if (!makeCursor(picture, QStringLiteral("15"), QStringLiteral("15"), source, kDefaultKeys, output).ok())
        return {};
    return readAll(output);
}

// Per stripe: T transparent, I inverted, . neither.
QString keyLooks(const QByteArray &cursor)
{
    QString looks;
    for (int stripe = 0; stripe < 8; ++stripe) {
        const Look look = lookAt(cursor, stripe * 4 + 1, 10);
        looks += look == Look::Transparent ? u'T' : look == Look::Inverted ? u'I' : u'.';
    }
    return looks;
}

qint16 headerValue(const QByteArray &cursor, int offset)
{
    return qint16(quint8(cursor.at(offset)) | quint8(cursor.at(offset + 1)) << 8);
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void hotSpot_data();
    void hotSpot();
    void keyColours_data();
    void keyColours();
    void output_data();
    void output();
    void batchWithOneBadPicture_data();
    void batchWithOneBadPicture();
    void batchMatchesOnePictureAtATime();
    void formatsKnownByContent();
    void showLooks_data();
    void showLooks();
    void previewPicture();
    void badOptions_data();
    void badOptions();
    void helpAndVersion_data();
    void helpAndVersion();
};

void CommandLineTest::defaults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::newRow("PNG larger than the cursor") << "arrow.png" << 48;
    QTest::newRow("BMP smaller than the cursor") << "arrow.bmp" << 20;
    QTest::newRow("no extension") << "arrow" << 32;
}

void CommandLineTest::defaults()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString picture = savedPicture(dir, name, size);
    QVERIFY(!picture.isEmpty());

    const Run run = convert(dir, {name});
    // Only a larger picture has more than the cursor shows, and says so.
    QCOMPARE(run.err, size > 32 ? QStringLiteral("pixelwick-convert: %1: warning: only the top-left 32 x 32 of the "
                                                 "%2 x %2 picture was used: --fit uses all of it\n")
                                      .arg(name)
                                      .arg(size)
                                      .toUtf8()
                                : QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QStringList expected{name, QStringLiteral("arrow.cur")};
    expected.sort();
    QCOMPARE(listing(dir.path()), expected);
    const QString cursorPath = dir.filePath(QStringLiteral("arrow.cur"));
    const QByteArray cursor = readAll(cursorPath);
    QCOMPARE(cursor, windowCursor(picture));
    QCOMPARE(checkWithIcotool(cursorPath, 15, 15), QString());
    // The clear stripe is transparent; beyond a small picture the preview's
    // white shows.
    const bool reachesClearStripe = size > 24;
    QCOMPARE(keyLooks(cursor), reachesClearStripe ? QStringLiteral("TI....T.") : QStringLiteral("TI......"));
    QCOMPARE(lookAt(cursor, 9, 10), Look::White);
    QCOMPARE(lookAt(cursor, 13, 10), Look::Black);
    QCOMPARE(lookAt(cursor, 25, 10), reachesClearStripe ? Look::Transparent : Look::White);
}

void CommandLineTest::hotSpot_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("corner") << QStringList{"-x", "0", "-y", "0"} << 0 << 0;
    QTest::newRow("halves to even") << QStringList{"--hotspot-x=2.5", "--hotspot-y", "3.5"} << 2 << 4;
    QTest::newRow("fraction and blanks") << QStringList{"-x", " 31 ", "-y", "7.49"} << 31 << 7;
    QTest::newRow("negative") << QStringList{"-x", "-1", "--hotspot-y=-2.5"} << -1 << -2;
}

void CommandLineTest::hotSpot()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, x);
    QFETCH(int, y);
    QTemporaryDir dir;
    QVERIFY(!savedPicture(dir, QStringLiteral("p.png")).isEmpty());
    const Run run = convert(dir, arguments << QStringLiteral("p.png"));
    QCOMPARE(run.exitCode, 0);
    const QString cursorPath = dir.filePath(QStringLiteral("p.cur"));
    const QByteArray cursor = readAll(cursorPath);
    QCOMPARE(cursor.size(), kCursorFileSize);
    QCOMPARE(headerValue(cursor, kHotSpotXOffset), qint16(x));
    QCOMPARE(headerValue(cursor, kHotSpotYOffset), qint16(y));
    if (x >= 0 && y >= 0) // icotool shows the stored values unsigned
        QCOMPARE(checkWithIcotool(cursorPath, x, y), QString());
}

void CommandLineTest::keyColours_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("looks");
    // The clear stripe (the seventh) is transparent whatever the key colour.
    QTest::newRow("defaults") << QStringList{} << "TI....T.";
    QTest::newRow("by name") << QStringList{"--background", "red", "--invert", "blue"} << "....TIT.";
    QTest::newRow("by #RRGGBB") << QStringList{"--background=#808080", "--invert=#00FF00"} << "I.....TT";
    QTest::newRow("name in any case") << QStringList{"--background", "Blue", "--invert", "FUCHSIA"} << ".I...TT.";
}

void CommandLineTest::keyColours()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, looks);
    QTemporaryDir dir;
    QVERIFY(!savedPicture(dir, QStringLiteral("p.png")).isEmpty());
    const Run run = convert(dir, arguments << QStringLiteral("p.png"));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(keyLooks(readAll(dir.filePath(QStringLiteral("p.cur")))), looks);
}

void CommandLineTest::output_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("file in another folder") << "out/pointer.cur";
    QTest::newRow("standard output") << "-";
    // Written into as other tools do, never replaced.
    QTest::newRow("standard output by name") << "/dev/stdout";
    QTest::newRow("null device") << "/dev/null";
}

void CommandLineTest::output()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QString picture = savedPicture(dir, QStringLiteral("p.png"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out")));
    const Run run = convert(dir, {QStringLiteral("-o"), target, QStringLiteral("p.png")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(listing(dir.path()), QStringList({"out", "p.png"}));
    const bool toFile = !target.startsWith(u'-') && !target.startsWith(u'/');
    if (target != QLatin1String("/dev/null")) {
        const QByteArray written = toFile ? readAll(dir.filePath(target)) : run.out;
        QCOMPARE(written, windowCursor(picture));
    }
    QCOMPARE(listing(dir.filePath(QStringLiteral("out"))).size(), toFile ? 1 : 0);
    QVERIFY(!QFileInfo(QStringLiteral("/dev/null")).isFile());
}

enum class Bad { Missing, NotAPicture, FolderInTheWay, ReadOnlyCursor, CursorItself, SameCursorName };

void CommandLineTest::batchWithOneBadPicture_data()
{
    QTest::addColumn<Bad>("bad");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << Bad::Missing << "b.png"
                             << "does not exist";
    QTest::newRow("not a picture") << Bad::NotAPicture << "b.png"
                                   << "not a picture";
    QTest::newRow("folder in the way") << Bad::FolderInTheWay << "b.png"
                                       << "folder of that name";
    QTest::newRow("read-only older cursor") << Bad::ReadOnlyCursor << "b.png"
                                            << "read-only";
    QTest::newRow("a cursor as the picture") << Bad::CursorItself << "b.cur"
                                             << "replace the picture itself";
    // a.bmp's cursor would be a.cur, which a.png's made just before.
    QTest::newRow("same cursor name") << Bad::SameCursorName << "a.bmp"
                                      << "already made from the picture “a.png”";
}

void CommandLineTest::batchWithOneBadPicture()
{
    QFETCH(Bad, bad);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(!savedPicture(dir, QStringLiteral("a.png")).isEmpty());
    QVERIFY(!savedPicture(dir, QStringLiteral("c.jpg")).isEmpty());
    const QString badPath = dir.filePath(name);
    const QString olderCursor = dir.filePath(QStringLiteral("b.cur"));
    switch (bad) {
    case Bad::Missing: break;
    case Bad::NotAPicture: QVERIFY(writeAll(badPath, "just some words\n")); break;
    case Bad::FolderInTheWay:
        QVERIFY(!savedPicture(dir, name).isEmpty());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("b.cur")));
        break;
    case Bad::ReadOnlyCursor:
        QVERIFY(!savedPicture(dir, name).isEmpty());
        QVERIFY(writeAll(olderCursor, "older"));
        QVERIFY(QFile::setPermissions(olderCursor, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        break;
    case Bad::SameCursorName: QVERIFY(!savedPicture(dir, name).isEmpty()); break;
    case Bad::CursorItself:
        QVERIFY(writeAll(badPath, windowCursor(dir.filePath(QStringLiteral("a.png")))));
        QVERIFY(!loadPicture(badPath).image.isNull()); // Qt does read cursors
        break;
    }
    const QStringList before = listing(dir.path());
    const QByteArray olderBytes = readAll(olderCursor);

    const Run run = convert(dir, {QStringLiteral("a.png"), name, QStringLiteral("c.jpg")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
    const QStringList lines = QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith(QStringLiteral("pixelwick-convert: %1: ").arg(name)), qPrintable(lines.first()));
    QVERIFY2(lines.first().contains(reason), qPrintable(lines.first()));

    QStringList expected = before + QStringList{"a.cur", "c.cur"};
    expected.sort();
    QCOMPARE(listing(dir.path()), expected); // and no temporary files left behind
    QCOMPARE(readAll(olderCursor), olderBytes);
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("a.cur"))).size(), kCursorFileSize);
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("c.cur"))).size(), kCursorFileSize);
}

// A batch syncs its cursors together; one picture is saved on its own. Both
// give the same files and the same lines, but that a batch keeps the first
// of two cursors of one name where separate runs replace it.
void CommandLineTest::batchMatchesOnePictureAtATime()
{
    const QStringList pictures{"a.png", "bad.png", "a.bmp", "locked.png", "c.jpg", "e.ppm"};
    QTemporaryDir together, apart;
    for (const QTemporaryDir *dir : {&together, &apart}) {
        for (const QString &name : pictures) {
            if (name == QLatin1String("bad.png")) {
                QVERIFY(writeAll(dir->filePath(name), "not a picture"));
            } else if (name == QLatin1String("a.bmp")) {
                QImage black(32, 32, QImage::Format_RGB32);
                black.fill(Qt::black);
                QVERIFY(black.save(dir->filePath(name)));
            } else {
                QVERIFY(!savedPicture(*dir, name).isEmpty());
            }
        }
        const QString locked = dir->filePath(QStringLiteral("locked.cur"));
        QVERIFY(writeAll(locked, "older"));
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner));
    }
    const Run batch = convert(together, pictures);
    QCOMPARE(batch.exitCode, 1);
    QStringList linesApart;
    for (const QString &name : pictures) {
        const Run single = convert(apart, {name});
        QCOMPARE(single.exitCode, name == QLatin1String("bad.png") || name == QLatin1String("locked.png") ? 1 : 0);
        linesApart += QString::fromUtf8(single.err).split(u'\n', Qt::SkipEmptyParts);
    }
    QStringList linesTogether = QString::fromUtf8(batch.err).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(linesTogether.size(), 3);
    QVERIFY2(linesTogether.takeAt(1).startsWith(QStringLiteral("pixelwick-convert: a.bmp: The cursor “a.cur” was "
                                                               "already made")),
             qPrintable(batch.err));
    QCOMPARE(linesTogether, linesApart);

    QCOMPARE(listing(together.path()), listing(apart.path()));
    for (const QString &name : listing(together.path())) {
        if (name == QLatin1String("a.cur"))
            continue;
        QCOMPARE(readAll(together.filePath(name)), readAll(apart.filePath(name)));
    }
    QVERIFY(windowCursor(together.filePath(QStringLiteral("a.png")))
            != windowCursor(together.filePath(QStringLiteral("a.bmp"))));
    QCOMPARE(readAll(together.filePath(QStringLiteral("a.cur"))),
             windowCursor(together.filePath(QStringLiteral("a.png"))));
    QCOMPARE(readAll(apart.filePath(QStringLiteral("a.cur"))), windowCursor(apart.filePath(QStringLiteral("a.bmp"))));
}

// A picture is known by its first bytes, whatever it is named: every seed
// picture, converted in one batch, gives the same cursor without a suffix
// and with another format's suffix, each in a batch of its own, and alone
// from standard input, as under its own name. What one picture's reading
// leaves behind never reaches the next one's cursor.
void CommandLineTest::formatsKnownByContent()
{
    QTemporaryDir right, bare, wrong;
    const QDir corpus(QStringLiteral(PIXELWICK_CORPUS));
    QStringList names;
    for (const QString &name : corpus.entryList(QDir::Files)) {
        // TGA has no signature: its reader goes by the suffix alone. A
        // cursor's own cursor would replace it.
        if (name.endsWith(QLatin1String(".tga")) || name.endsWith(QLatin1String(".cur")))
            continue;
        const QByteArray bytes = readAll(corpus.filePath(name));
        const QString base = QFileInfo(name).completeBaseName();
        QVERIFY(writeAll(right.filePath(name), bytes));
        QVERIFY(writeAll(bare.filePath(base), bytes));
        QVERIFY(writeAll(wrong.filePath(base + (name.endsWith(QLatin1String(".gif")) ? ".png" : ".gif")), bytes));
        names << name;
    }
    QVERIFY(names.size() > 50);
    for (const QTemporaryDir *dir : {&right, &bare, &wrong}) {
        const QStringList pictures = QDir(dir->path()).entryList(QDir::Files);
        const Run run = convert(*dir, pictures);
        // Seeds larger than the cursor say so; nothing else is said.
        for (const QString &line : QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts))
            QVERIFY2(line.contains(QLatin1String(": warning: only the top-left ")), qPrintable(line));
        QCOMPARE(run.exitCode, 0);
    }
    for (const QString &name : std::as_const(names)) {
        const QString cursorName = QFileInfo(name).completeBaseName() + QStringLiteral(".cur");
        const QByteArray cursor = readAll(right.filePath(cursorName));
        QCOMPARE(cursor.size(), kCursorFileSize);
        QVERIFY2(readAll(bare.filePath(cursorName)) == cursor, qPrintable(name));
        QVERIFY2(readAll(wrong.filePath(cursorName)) == cursor, qPrintable(name));
        const Run piped = runProgram(QStringLiteral("/bin/sh"),
                                     {QStringLiteral("-c"), QStringLiteral("exec \"$0\" -o - - <\"$1\""),
                                      QStringLiteral(PIXELWICK_CONVERT), name},
                                     right.path());
        QVERIFY2(piped.out == cursor, qPrintable(name + QLatin1Char(' ') + QString::fromUtf8(piped.err)));
    }
}

void CommandLineTest::showLooks_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("hotSpot");
    QTest::newRow("picture, defaults") << "s.png" << QStringList() << "15, 15";
    QTest::newRow("picture, hot spot") << "s.png" << QStringList{"-x", "0", "-y", "31"} << "0, 31";
    // A cursor is read as one: its own hot spot counts, not the options'.
    QTest::newRow("cursor") << "s.cur" << QStringList{"-x", "9"} << "2, 3";
}

// The stripes' looks, by what each colour becomes with the default keys.
void CommandLineTest::showLooks()
{
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    QFETCH(QString, hotSpot);
    QTemporaryDir dir;
    QVERIFY(!savedPicture(dir, QStringLiteral("s.png"), 32).isEmpty());
    QVERIFY(convert(dir, {QStringLiteral("-x"), QStringLiteral("2"), QStringLiteral("-y"), QStringLiteral("3"),
                          QStringLiteral("s.png")})
                .exitCode
            == 0);
    const QStringList before = listing(dir.path());

    const Run run = convert(dir, QStringList{QStringLiteral("--show")} + options + QStringList{file});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    // green, magenta, white, black, red, blue, clear, grey
    const QString row = QStringLiteral("....~~~~OOOO############....OOOO");
    QString expected = QStringLiteral("%1: 32 x 32 cursor, hot spot %2\n").arg(file, hotSpot);
    for (int y = 0; y < 32; ++y)
        expected += row + u'\n';
    QCOMPARE(QString::fromUtf8(run.out), expected);
    QCOMPARE(listing(dir.path()), before);
}

void CommandLineTest::previewPicture()
{
    QTemporaryDir dir;
    QVERIFY(!savedPicture(dir, QStringLiteral("p.png")).isEmpty());
    // With the cursor made as ever, and with --show alone.
    const Run made = convert(dir, {QStringLiteral("--preview"), QStringLiteral("looks.png"), QStringLiteral("p.png")});
    QCOMPARE(made.exitCode, 0);
    QCOMPARE(made.err, QByteArray());
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("p.cur"))).size(), kCursorFileSize);
    const QImage looks(dir.filePath(QStringLiteral("looks.png")));
    QVERIFY(!looks.isNull());
    QVERIFY(looks.width() > 6 * 32 && looks.height() > 2 * 32);

    const Run shown =
        convert(dir, {QStringLiteral("--show"), QStringLiteral("--preview=again.png"), QStringLiteral("p.cur")});
    QCOMPARE(shown.exitCode, 0);
    QCOMPARE(QImage(dir.filePath(QStringLiteral("again.png"))), looks);

    // Neither picture nor cursor: one line, nothing written.
    QVERIFY(writeAll(dir.filePath(QStringLiteral("notes.txt")), "words"));
    const Run refused =
        convert(dir, {QStringLiteral("--show"), QStringLiteral("--preview=x.png"), QStringLiteral("notes.txt")});
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.err.count('\n'), 1);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("x.png"))));
}

void CommandLineTest::badOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option") << QStringList{"--frobnicate", "a.png"} << "Unknown option 'frobnicate'";
    QTest::newRow("missing value") << QStringList{"a.png", "-x"} << "Missing value after '-x'";
    QTest::newRow("colour name") << QStringList{"--background", "greenish", "a.png"}
                                 << "background colour \"greenish\"";
    QTest::newRow("short #RGB") << QStringList{"--invert", "#f0f", "a.png"} << "invert colour \"#f0f\"";
    QTest::newRow("transparent") << QStringList{"--background=transparent", "a.png"} << "is transparent";
    QTest::newRow("hot spot text") << QStringList{"a.png", "-x", "1O", "b.png"}
                                   << "hot spot x value “1O” is not a number";
    QTest::newRow("hot spot range") << QStringList{"-y", "32767.5", "a.png"}
                                    << "hot spot y value “32767.5” is out of range";
    QTest::newRow("-o with two") << QStringList{"-o", "x.cur", "a.png", "b.png"} << "2 pictures were given";
    QTest::newRow("empty -o") << QStringList{"--output=", "a.png"} << "output file name is empty";
    QTest::newRow("no pictures") << QStringList{"-x", "3"} << "no picture given";
    QTest::newRow("--preview with two") << QStringList{"--preview", "l.png", "a.png", "b.png"}
                                        << "2 pictures were given";
    QTest::newRow("--show with -o") << QStringList{"--show", "-o", "x.cur", "a.png"} << "--show writes no cursor";
}

void CommandLineTest::badOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(!savedPicture(dir, QStringLiteral("a.png")).isEmpty());
    QVERIFY(!savedPicture(dir, QStringLiteral("b.png")).isEmpty());
    const Run run = convert(dir, arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.startsWith(QStringLiteral("pixelwick-convert: ")) && err.contains(message), qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("Usage: ")), qPrintable(err));
    QCOMPARE(listing(dir.path()), QStringList({"a.png", "b.png"}));
}

void CommandLineTest::helpAndVersion_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("shown");
    QTest::newRow("--help") << "--help"
                            << "--hotspot-x <TEXT>";
    QTest::newRow("--version") << "--version" << QStringLiteral("pixelwick-convert %1\n").arg(QLatin1String(kVersion));
}

void CommandLineTest::helpAndVersion()
{
    QFETCH(QString, option);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    const Run run = convert(dir, {option, QStringLiteral("nothing.png")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(QString::fromUtf8(run.out).contains(shown), run.out.constData());
    QCOMPARE(listing(dir.path()), QStringList());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
