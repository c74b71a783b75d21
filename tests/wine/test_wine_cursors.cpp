// SPDX-License-Identifier: MIT
// Cursors the real converter makes, loaded and drawn by Windows (Wine) with
// the Win32 loader, must look as the picture says and exactly as --show
// prints them: every pixel, the size and the hot spot.
#include "test_support.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>

using testing::Run;

namespace {

// What each code of a picture's plan is painted in, and how it must look.
struct Ink {
    QColor colour;
    char look;
};
using Plan = std::function<char(int x, int y)>;
using Inks = QHash<char, Ink>;

// The default keys, and black and white, as the converter takes them.
const Inks kDefaultInks = {{'k', {Qt::black, '#'}},
                           {'w', {Qt::white, 'O'}},
                           {'b', {QColor(0x00, 0xff, 0x00), '.'}},
                           {'i', {QColor(0xff, 0x00, 0xff), '~'}}};

QImage painted(const Plan &plan, const Inks &inks, int width = 32, int height = 32)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixelColor(x, y, inks.value(plan(x, y)).colour);
    return picture;
}

// The looks as text, with `scale` screen pixels for each cursor pixel;
// beyond a smaller picture the converter shows white.
QByteArray expectedRows(const Plan &plan, const Inks &inks, int width, int height, int scale = 1)
{
    QByteArray rows;
    for (int y = 0; y < 32 * scale; ++y) {
        for (int x = 0; x < 32 * scale; ++x) {
            const int px = x / scale;
            const int py = y / scale;
            rows += px < width && py < height ? inks.value(plan(px, py)).look : 'O';
        }
        rows += '\n';
    }
    return rows;
}

QByteArray header(const QString &name, int size, int hotX, int hotY, const QString &kind = QStringLiteral("cursor"))
{
    return QStringLiteral("%1: %2 x %2 %3, hot spot %4, %5\n")
        .arg(name)
        .arg(size)
        .arg(kind)
        .arg(hotX)
        .arg(hotY)
        .toUtf8();
}

// The comparison, with its scratch files in a folder of its own that must
// be empty again after it, whatever the outcome; with `ownPrefix` it has no
// WINEPREFIX, so it makes a prefix of its own there and must remove it.
Run compare(const QString &folder, const QString &cursor, const QString &size, bool ownPrefix = false)
{
    const QString scratch = folder + QStringLiteral("/scratch");
    if (!QDir().mkpath(scratch))
        return {};
    const QStringList unset = ownPrefix ? QStringList{QStringLiteral("WINEPREFIX")} : QStringList{};
    Run run = testing::runProgram(QStringLiteral(PIXELWICK_COMPARE), {cursor, size}, folder, unset,
                                  {{QStringLiteral("TMPDIR"), scratch}});
    if (!QDir(scratch).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        run.exitCode = -1;
        run.err += "\nthe comparison left files in " + scratch.toUtf8();
    }
    return run;
}

Run runLoader(const QString &folder, const QStringList &arguments)
{
    return testing::runProgram(QStringLiteral(PIXELWICK_RUN_LOADER), arguments, folder);
}

Run installIn(const QString &folder)
{
    return testing::runProgram(QStringLiteral(PIXELWICK_INSTALL_SCHEME), {folder}, folder);
}

Run runConverter(const QString &folder, const QStringList &arguments)
{
    return testing::runProgram(qEnvironmentVariable("PIXELWICK_CONVERT"), arguments, folder);
}

// A plan that differs from its mirror images and turns, so that a flipped
// or shifted drawing shows.
char skewed(int x, int y)
{
    return "kwbi"[((x ^ (y * 5)) + y / 3 + (x == y ? 1 : 0)) % 4];
}

char inksLook(char code)
{
    return kDefaultInks.value(code).look;
}

// The skewed plan moved `shift` columns, so that each picture is its own.
Plan shifted(int shift)
{
    return [shift](int x, int y) { return skewed(x + shift, y); };
}

// A scheme's pictures: the frame number and how far its plan is shifted.
const QList<std::pair<QString, int>> kSchemePictures = {{"arrow.png", 0},   {"help.png", 1},     {"busy-1.png", 2},
                                                        {"busy-2.png", 3},  {"busy-3.png", 4},   {"text.png", 5},
                                                        {"pointer.png", 6}, {"location.png", 7}, {"person.png", 8}};
const QString kScheme = QStringLiteral("Pixel Set");

} // namespace

Q_DECLARE_METATYPE(Plan)
Q_DECLARE_METATYPE(Inks)

class WineCursorsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void looksAgree_data();
    void looksAgree();
    void sizes_data();
    void sizes();
    void disagreementFails();
    void prefixOfItsOwn();
    void loaderRefuses_data();
    void loaderRefuses();
    void combinedSizes_data();
    void combinedSizes();
    void schemeInstalls_data();
    void schemeInstalls();

private:
    // Makes `name` of `picture` with the converter in the folder.
    void makeCursor(const QImage &picture, const QString &name, const QStringList &arguments);
    // Makes the scheme of the pictures that kSchemePictures plans and
    // installs it, once; what the registry then holds.
    QByteArray installScheme();
    QTemporaryDir m_folder;
    QByteArray m_registry;
};

void WineCursorsTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    for (const char *name : {"WINEPREFIX", "WINE", "CURSOR_LOADER", "PIXELWICK_CONVERT"})
        QVERIFY2(!qEnvironmentVariable(name).isEmpty(), name);
}

void WineCursorsTest::makeCursor(const QImage &picture, const QString &name, const QStringList &arguments)
{
    const QString pictureName = QString(name).replace(QStringLiteral(".cur"), QStringLiteral(".png"));
    QVERIFY(picture.save(m_folder.filePath(pictureName)));
    const Run made = runConverter(m_folder.path(), arguments + QStringList{pictureName});
    QVERIFY2(made.exitCode == 0, made.err.constData());
    QVERIFY2(QFileInfo(m_folder.filePath(name)).size() == 326, qPrintable(name));
}

void WineCursorsTest::looksAgree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Plan>("plan");
    QTest::addColumn<Inks>("inks");
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QPoint>("hotSpot");

    // Bands of all four looks that move down the rows.
    const Plan bands = [](int x, int y) { return "kwbi"[(x / 8 + y / 8) % 4]; };
    QTest::newRow("four looks in bands, hot spot 0, 0")
        << "bands.cur" << bands << kDefaultInks << QSize(32, 32) << QStringList{"-x", "0", "-y", "0", "-o", "bands.cur"}
        << QPoint(0, 0);
    // Other keys, and a pixel's neighbours all of other looks.
    const Inks ownKeys = {{'k', {Qt::black, '#'}},
                          {'w', {Qt::white, 'O'}},
                          {'b', {QColor(0x12, 0x34, 0x56), '.'}},
                          {'i', {QColor(0xfe, 0xdc, 0xba), '~'}}};
    QTest::newRow("every pixel its own look, hot spot 31, 31")
        << "skewed.cur" << Plan(skewed) << ownKeys << QSize(32, 32)
        << QStringList{"--hotspot-x", "31",       "--hotspot-y", "31", "--background",
                       "#123456",     "--invert", "#fedcba",     "-o", "skewed.cur"}
        << QPoint(31, 31);
    // Other colours go by brightness; the cursor is written beside the
    // picture with the default hot spot.
    const Inks greys = {{'k', {QColor(0x80, 0x00, 0x00), '#'}}, {'w', {QColor(0xff, 0xff, 0x80), 'O'}},
                        {'b', {QColor(0x00, 0xff, 0x00), '.'}}, {'i', {QColor(0xff, 0x00, 0xff), '~'}},
                        {'d', {QColor(0x20, 0x40, 0x20), '#'}}, {'l', {QColor(0xc0, 0xe0, 0xff), 'O'}}};
    const Plan rings = [](int x, int y) {
        return "kwbidl"[(std::max(std::abs(x - 15), std::abs(y - 15)) + x / 16) % 6];
    };
    QTest::newRow("colours by brightness, hot spot 15, 15")
        << "rings.cur" << rings << greys << QSize(32, 32) << QStringList{} << QPoint(15, 15);
    // A white key makes white pixels invert, a black one black transparent.
    const Inks swapped = {{'k', {Qt::black, '.'}},
                          {'w', {Qt::white, '~'}},
                          {'d', {QColor(0x20, 0x20, 0x20), '#'}},
                          {'l', {QColor(0xe0, 0xe0, 0xe0), 'O'}}};
    const Plan quarters = [](int x, int y) { return "kwdl"[(x < 16 ? 0 : 1) + (y < 12 ? 0 : 2)]; };
    QTest::newRow("white key inverts, black key is clear, hot spot 2.5, 30.5")
        << "swapped.cur" << quarters << swapped << QSize(32, 32)
        << QStringList{"-x", "2.5", "-y", "30.5", "--background", "black", "--invert", "white", "-o", "swapped.cur"}
        << QPoint(2, 30);
    // Beyond a smaller picture the cursor is white.
    QTest::newRow("small picture, hot spot 15, 15")
        << "small.cur" << Plan(skewed) << kDefaultInks << QSize(12, 7)
        << QStringList{"-x", "15", "-y", "15", "-o", "small.cur"} << QPoint(15, 15);
}

void WineCursorsTest::looksAgree()
{
    QFETCH(QString, name);
    QFETCH(Plan, plan);
    QFETCH(Inks, inks);
    QFETCH(QSize, pictureSize);
    QFETCH(QStringList, arguments);
    QFETCH(QPoint, hotSpot);
    makeCursor(painted(plan, inks, pictureSize.width(), pictureSize.height()), name, arguments);
    if (QTest::currentTestFailed())
        return;
    const Run compared = compare(m_folder.path(), name, QStringLiteral("32"));
    QVERIFY2(compared.exitCode == 0, compared.err.constData());
    QCOMPARE(compared.out, header(name, 32, hotSpot.x(), hotSpot.y())
                               + expectedRows(plan, inks, pictureSize.width(), pictureSize.height()));
    // Windows takes it as monochrome: no colour bitmap, both planes in the mask.
    QVERIFY2(compared.err.contains(QStringLiteral("Windows: hot spot %1, %2; mask 32 x 64; colour 0 x 0")
                                       .arg(hotSpot.x())
                                       .arg(hotSpot.y())
                                       .toUtf8()),
             compared.err.constData());
}

void WineCursorsTest::sizes_data()
{
    QTest::addColumn<QStringList>("loaderArguments");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::addColumn<QString>("kind");

    QTest::newRow("the file's own size") << QStringList{"sizes.cur", "0"} << 1 << QPoint(5, 9) << "cursor";
    // Wine's system cursor size is 32 x 32.
    QTest::newRow("the system's size") << QStringList{"--default-size", "sizes.cur", "0"} << 1 << QPoint(5, 9)
                                       << "cursor";
    // Stretched, each pixel becomes a square and the hot spot moves with it.
    QTest::newRow("64 x 64") << QStringList{"sizes.cur", "64"} << 2 << QPoint(10, 18) << "cursor";
    QTest::newRow("64 x 64 over another colour")
        << QStringList{"sizes.cur", "64", "204060"} << 2 << QPoint(10, 18) << "cursor";
    // Taken as an icon, the same pixels have their hot spot in the middle.
    QTest::newRow("as an icon") << QStringList{"--icon", "sizes.cur", "32"} << 1 << QPoint(16, 16) << "icon";
}

void WineCursorsTest::sizes()
{
    QFETCH(QStringList, loaderArguments);
    QFETCH(int, scale);
    QFETCH(QPoint, hotSpot);
    QFETCH(QString, kind);
    if (!QFileInfo::exists(m_folder.filePath(QStringLiteral("sizes.cur"))))
        makeCursor(painted(skewed, kDefaultInks), QStringLiteral("sizes.cur"),
                   {"-x", "5", "-y", "9", "-o", "sizes.cur"});
    const Run loaded = runLoader(m_folder.path(), loaderArguments);
    QVERIFY2(loaded.exitCode == 0, loaded.err.constData());
    QCOMPARE(loaded.out, header(QStringLiteral("sizes.cur"), 32 * scale, hotSpot.x(), hotSpot.y(), kind)
                             + expectedRows(skewed, kDefaultInks, 32, 32, scale));
}

void WineCursorsTest::disagreementFails()
{
    // --show draws the cursor's own 32 x 32; Windows stretches it to 48.
    makeCursor(painted(skewed, kDefaultInks), QStringLiteral("stretched.cur"), {"-o", "stretched.cur"});
    const Run compared = compare(m_folder.path(), QStringLiteral("stretched.cur"), QStringLiteral("48"));
    QCOMPARE(compared.exitCode, 1);
    QVERIFY(compared.out.isEmpty());
    QVERIFY2(compared.err.contains("Windows draws:\nstretched.cur: 48 x 48 cursor, hot spot 22, 22\n"),
             compared.err.constData());
    QVERIFY2(compared.err.contains("--show says:\nstretched.cur: 32 x 32 cursor, hot spot 15, 15\n"),
             compared.err.constData());
}

void WineCursorsTest::prefixOfItsOwn()
{
    makeCursor(painted(skewed, kDefaultInks), QStringLiteral("alone.cur"), {"-x", "7", "-y", "1", "-o", "alone.cur"});
    const Run compared = compare(m_folder.path(), QStringLiteral("alone.cur"), QStringLiteral("default"), true);
    QVERIFY2(compared.exitCode == 0, compared.err.constData());
    QCOMPARE(compared.out, header(QStringLiteral("alone.cur"), 32, 7, 1) + expectedRows(skewed, kDefaultInks, 32, 32));
    QVERIFY2(compared.err.contains("made the Wine prefix "), compared.err.constData());
}

void WineCursorsTest::loaderRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("not there") << "missing.cur" << QByteArray();
    QTest::newRow("text") << "text.cur" << QByteArray("no cursor at all\n");
    // A directory entry whose image lies past the file's end.
    QTest::newRow("cut short") << "cut.cur" << QByteArray::fromHex("000002000100202002000300050030010000160000002800");
}

void WineCursorsTest::loaderRefuses()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    if (!bytes.isEmpty())
        QVERIFY(testing::writeAll(m_folder.filePath(name), bytes));
    const Run loaded = runLoader(m_folder.path(), {name, QStringLiteral("32")});
    QVERIFY2(loaded.exitCode == 1, loaded.err.constData());
    QVERIFY(loaded.out.isEmpty());
    QVERIFY2(loaded.err.contains(QStringLiteral("cursor_loader: %1: LoadImage failed").arg(name).toUtf8()),
             loaded.err.constData());
}

void WineCursorsTest::combinedSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("hotSpot");
    QTest::newRow("16") << 16 << QPoint(7, 7);
    QTest::newRow("32") << 32 << QPoint(15, 14);
    QTest::newRow("48") << 48 << QPoint(23, 21);
    QTest::newRow("64, by hand") << 64 << QPoint(40, 2);
}

// Asked for each size, Windows picks that image of a combined file, with
// its own hot spot, and draws exactly what --show prints of it.
void WineCursorsTest::combinedSizes()
{
    QFETCH(int, size);
    QFETCH(QPoint, hotSpot);
    const QString name = QStringLiteral("combined.cur");
    if (!QFileInfo::exists(m_folder.filePath(name))) {
        QStringList pictures;
        for (int side : {64, 16, 48, 32}) {
            pictures << QStringLiteral("side%1.png").arg(side);
            QVERIFY(painted(skewed, kDefaultInks, side, side).save(m_folder.filePath(pictures.last())));
        }
        const Run made = runConverter(
            m_folder.path(),
            QStringList{"--combine", "-x", "15", "-y", "14", "--hotspot-for", "64:40,2", "-o", name} + pictures);
        QVERIFY2(made.exitCode == 0, made.err.constData());
    }
    const Run loaded = runLoader(m_folder.path(), {name, QString::number(size)});
    QVERIFY2(loaded.exitCode == 0, loaded.err.constData());
    QByteArray rows;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            rows += inksLook(skewed(x, y));
        rows += '\n';
    }
    QCOMPARE(loaded.out, header(name, size, hotSpot.x(), hotSpot.y()) + rows);
    // --show prints the same block, marked as one image of four.
    const Run shown = runConverter(m_folder.path(), {QStringLiteral("--show"), name});
    QVERIFY2(shown.exitCode == 0, shown.err.constData());
    const int index = QList<int>{16, 32, 48, 64}.indexOf(size);
    const QByteArray block = QStringLiteral("%1: %2 x %2 cursor, hot spot %3, %4, image %5 of 4\n")
                                 .arg(name)
                                 .arg(size)
                                 .arg(hotSpot.x())
                                 .arg(hotSpot.y())
                                 .arg(index + 1)
                                 .toUtf8()
                             + rows;
    QVERIFY2(shown.out.contains(block), shown.out.constData());
}

QByteArray WineCursorsTest::installScheme()
{
    if (!m_registry.isEmpty())
        return m_registry;
    QStringList pictures;
    for (const auto &[picture, shift] : kSchemePictures) {
        pictures << picture;
        if (!painted(shifted(shift), kDefaultInks).save(m_folder.filePath(picture)))
            return {};
    }
    const Run made =
        runConverter(m_folder.path(), QStringList{"--scheme", kScheme, "-o", "schemes", "--sizes", "32,48", "-x", "3",
                                                  "-y", "4", "--rate", "5", "--role-hotspot", "hand:6,1"}
                                          + pictures);
    if (made.exitCode != 0) {
        qWarning("%s", made.err.constData());
        return {};
    }
    const Run installed = installIn(m_folder.filePath(QStringLiteral("schemes/") + kScheme));
    if (installed.exitCode != 0)
        qWarning("%s", installed.err.constData());
    m_registry = installed.exitCode == 0 ? installed.out : QByteArray();
    return m_registry;
}

void WineCursorsTest::schemeInstalls_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<int>("slot"); // in the scheme's value, in Windows' order
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("shifts"); // each frame's plan
    QTest::addColumn<QPoint>("hotSpot");

    QTest::newRow("Arrow") << "Arrow" << 0 << "arrow.cur" << QList<int>{0} << QPoint(3, 4);
    QTest::newRow("Help") << "Help" << 1 << "help.cur" << QList<int>{1} << QPoint(3, 4);
    QTest::newRow("Wait, animated") << "Wait" << 3 << "wait.ani" << QList<int>{2, 3, 4} << QPoint(3, 4);
    QTest::newRow("IBeam") << "IBeam" << 5 << "ibeam.cur" << QList<int>{5} << QPoint(3, 4);
    QTest::newRow("Hand") << "Hand" << 14 << "hand.cur" << QList<int>{6} << QPoint(6, 1);
    QTest::newRow("Pin") << "Pin" << 15 << "pin.cur" << QList<int>{7} << QPoint(3, 4);
    QTest::newRow("Person") << "Person" << 16 << "person.cur" << QList<int>{8} << QPoint(3, 4);
}

// Installed as Windows installs it, the scheme is listed with its files in
// the roles' slots, made current, and every file loads as the Mouse
// settings load it, each frame with its pixels, hot spot and time.
void WineCursorsTest::schemeInstalls()
{
    QFETCH(QString, role);
    QFETCH(int, slot);
    QFETCH(QString, file);
    QFETCH(QList<int>, shifts);
    QFETCH(QPoint, hotSpot);
    const QString registry = QString::fromUtf8(installScheme()).remove(u'\r');
    QVERIFY(!registry.isEmpty());
    const QString installed = QStringLiteral("C:\\windows\\Cursors\\") + kScheme + u'\\' + file;
    const QRegularExpression listed(u"\n    "_qs + QRegularExpression::escape(kScheme) + u"    REG_\\w+    (.*)\n"_qs);
    const QStringList listedFiles = listed.match(registry).captured(1).split(u',');
    QCOMPARE(listedFiles.size(), 17);
    for (int other = 0; other < 17; ++other) {
        if (other == slot)
            QCOMPARE(listedFiles[other], installed);
        else if (listedFiles[other].endsWith(file))
            QFAIL(qPrintable(QStringLiteral("%1 is also in slot %2").arg(file).arg(other)));
    }
    QVERIFY2(registry.contains(u"\n    "_qs + role + u"    REG_EXPAND_SZ    "_qs + installed + u'\n'),
             qPrintable(registry));
    QVERIFY2(registry.contains(u"\n    (Default)    REG_SZ    "_qs + kScheme + u'\n'), qPrintable(registry));

    const Run loaded = runLoader(m_folder.path(), {QStringLiteral("--frames"), installed, QStringLiteral("0")});
    QVERIFY2(loaded.exitCode == 0, loaded.err.constData());
    QByteArray expected;
    for (qsizetype f = 0; f < shifts.size(); ++f) {
        const QString frame =
            shifts.size() > 1 ? QStringLiteral(", frame %1 of %2, 5/60 s").arg(f + 1).arg(shifts.size()) : QString();
        expected += QStringLiteral("%1: 32 x 32 cursor, hot spot %2, %3%4\n")
                        .arg(installed)
                        .arg(hotSpot.x())
                        .arg(hotSpot.y())
                        .arg(frame)
                        .toUtf8()
                    + expectedRows(shifted(shifts[f]), kDefaultInks, 32, 32);
    }
    QCOMPARE(loaded.out, expected);
}

QTEST_GUILESS_MAIN(WineCursorsTest)
#include "test_wine_cursors.moc"
