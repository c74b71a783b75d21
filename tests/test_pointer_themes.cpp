// SPDX-License-Identifier: MIT
// Pointer themes written by the real pixelwick-convert --theme, loaded as
// desktops load them: by libXcursor through XCURSOR_PATH and XCURSOR_THEME,
// and as the pointer the X server shows over a window (XFixes). Runs on a
// desktop of its own (tests/x11/with_display.sh).
#include "test_support.h"
#include "x11/pointer_image.h"
#include "xcursor_looks.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <X11/Xcursor/Xcursor.h>
#include <X11/Xlib.h>

using namespace testing;

namespace {

const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);
// Files in the user's home, with what they hold.
using Files = QHash<QString, QString>;

struct FreeImages {
    void operator()(XcursorImages *images) const { XcursorImagesDestroy(images); }
};
using Images = std::unique_ptr<XcursorImages, FreeImages>;

// The hot spot of the 32 x 32 image moved to the same spot at `size`.
QPoint scaledSpot(QPoint spot, int size)
{
    return QPoint(int((spot.x() + 0.5) * size / 32), int((spot.y() + 0.5) * size / 32));
}

} // namespace

class PointerThemesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void loadedByLibXcursor_data();
    void loadedByLibXcursor();
    void shownByTheServer();
    void inherited_data();
    void inherited();
    void ownThemesFolder();

private:
    QTemporaryDir m_dir;
    QString m_themes;
    Looks m_looks;
};

void PointerThemesTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_themes = m_dir.filePath(QStringLiteral("themes"));
    // Read by libXcursor once, on first use: the themes written here, and the
    // user's own folder (whose HOME a test sets).
    qputenv("XCURSOR_PATH", QFile::encodeName(m_themes + QStringLiteral(":~/.icons")));
    QVERIFY(lookPicture(m_looks).save(m_dir.filePath(QStringLiteral("picture.png"))));
}

void PointerThemesTest::loadedByLibXcursor_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QPoint>("hotSpot"); // of the 32 x 32 image
    QTest::newRow("arrow.png") << "arrow.png" << QStringList{"--sizes", "24,32,48,64", "-x", "2", "-y", "3"}
                               << "left_ptr" << QStringList{"default", "arrow", "top_left_arrow", "left_arrow"}
                               << QList<int>{24, 32, 48, 64} << QPoint(2, 3);
    QTest::newRow("an X name") << "pointer.png" << QStringList{"--sizes", "32,48"} << "hand2"
                               << QStringList{"pointer", "hand1", "pointing_hand", "hand"} << QList<int>{32, 48}
                               << QPoint(15, 15);
    QTest::newRow("--role") << "mine.png" << QStringList{"--fit", "--role", "IBeam", "-x", "7", "-y", "0"} << "xterm"
                            << QStringList{"text", "ibeam"} << QList<int>{32} << QPoint(7, 0);
    QTest::newRow("no role") << "my own.png" << QStringList{"--fit"} << "my own" << QStringList{} << QList<int>{32}
                             << QPoint(15, 15);
}

// Each name of the pointer, its file's and its links', gives libXcursor
// every size with its own hot spot and the picture's pixels, inverted ones
// outlined.
void PointerThemesTest::loadedByLibXcursor()
{
    QFETCH(QString, picture);
    QFETCH(QStringList, options);
    QFETCH(QString, file);
    QFETCH(QStringList, links);
    QFETCH(QList<int>, sizes);
    QFETCH(QPoint, hotSpot);
    const QString theme = QStringLiteral("Theme-%1").arg(QTest::currentDataTag()).replace(u' ', u'-');
    QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("picture.png")), m_dir.filePath(picture)));
    const Run run =
        runProgram(kConvert, options + QStringList{"--theme", theme, "-o", m_themes, picture}, m_dir.path());
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    const QDir cursors(m_themes + u'/' + theme + QStringLiteral("/cursors"));
    QCOMPARE(cursors.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), [&] {
        QStringList all = links + QStringList{file};
        all.sort();
        return all;
    }());
    for (const QString &link : links)
        QCOMPARE(QFileInfo(cursors.filePath(link)).symLinkTarget(), cursors.filePath(file));
    const QSettings index(m_themes + u'/' + theme + QStringLiteral("/index.theme"), QSettings::IniFormat);
    QCOMPARE(index.value(QStringLiteral("Icon Theme/Name")).toString(), theme);

    for (const QString &name : QStringList{file} + links) {
        for (const int size : sizes) {
            const Images images(XcursorLibraryLoadImages(QFile::encodeName(name).constData(),
                                                         QFile::encodeName(theme).constData(), size));
            QVERIFY2(images && images->nimage == 1, qPrintable(name));
            const XcursorImage &image = *images->images[0];
            QCOMPARE(int(image.size), size);
            QCOMPARE(QSize(int(image.width), int(image.height)), QSize(size, size));
            QCOMPARE(QPoint(int(image.xhot), int(image.yhot)), size == 32 ? hotSpot : scaledSpot(hotSpot, size));
            // A picture of 16 x 16 fitted a whole number of times over.
            if (size % 16 == 0)
                QCOMPARE(QList<quint32>(image.pixels, image.pixels + size * size),
                         expectedPixels(scaled(m_looks, size / 16)));
        }
    }
}

// With XCURSOR_THEME naming the theme, the X server shows its arrow over a
// window that asks for it, pixel for pixel.
void PointerThemesTest::shownByTheServer()
{
    const QString theme = QStringLiteral("Shown");
    QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("picture.png")), m_dir.filePath(QStringLiteral("default.png"))));
    const Run run = runProgram(
        kConvert, {"--sizes", "24,32,48", "-x", "3", "-y", "4", "--theme", theme, "-o", m_themes, "default.png"},
        m_dir.path());
    QCOMPARE(run.exitCode, 0);
    qputenv("XCURSOR_THEME", QFile::encodeName(theme));
    qputenv("XCURSOR_SIZE", "32");
    Display *const display = XOpenDisplay(nullptr);
    QVERIFY(display);
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 300, 300, 0, 0, 0);
    const Cursor cursor = XcursorLibraryLoadCursor(display, "default");
    QVERIFY(cursor);
    XDefineCursor(display, window, cursor);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    for (XEvent event{}; event.type != MapNotify;)
        XNextEvent(display, &event);
    XWarpPointer(display, 0, window, 0, 0, 0, 0, 150, 150);
    XSync(display, False);
    PointerImage pointer;
    QTRY_VERIFY_WITH_TIMEOUT((pointer = pointerImage()).width == 32, 10000);
    QCOMPARE(pointer.height, 32);
    QCOMPARE(pointer.hotSpot, QPoint(3, 4));
    QCOMPARE(pointer.pixels, expectedPixels(scaled(m_looks, 2)));
    XCloseDisplay(display);
}

void PointerThemesTest::inherited_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("chosen"); // XCURSOR_THEME
    QTest::addColumn<QString>("inherits");
    QTest::newRow("XCURSOR_THEME") << Files{} << "Bluecurve"
                                   << "Bluecurve";
    QTest::newRow("KDE") << Files{{".config/kcminputrc", "[Mouse]\ncursorTheme=Breeze\n"}} << ""
                         << "Breeze";
    QTest::newRow("GTK") << Files{{".config/gtk-3.0/settings.ini", "[Settings]\ngtk-cursor-theme-name=DMZ-Black\n"}}
                         << ""
                         << "DMZ-Black";
    QTest::newRow("the default theme") << Files{{".icons/default/index.theme",
                                                 "[Icon Theme]\nInherits=Oxygen,hicolor\n"}}
                                       << ""
                                       << "Oxygen";
    // A theme never inherits itself, which would leave every pointer it
    // lacks unfound.
    QTest::newRow("itself") << Files{} << "Inheriting"
                            << "Adwaita";
    QTest::newRow("as before") << Files{{"themes/Inheriting/index.theme",
                                         "[Icon Theme]\nName=Inheriting\nInherits=Redglass\n"}}
                               << "Bluecurve"
                               << "Redglass";
}

// A new theme takes the pointers it lacks from the theme the user has now.
void PointerThemesTest::inherited()
{
    QFETCH(Files, files);
    QFETCH(QString, chosen);
    QFETCH(QString, inherits);
    QTemporaryDir home;
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        QVERIFY(QDir(home.path()).mkpath(QFileInfo(file.key()).path()));
        QVERIFY(writeAll(home.filePath(file.key()), file.value().toUtf8()));
    }
    QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("picture.png")), home.filePath(QStringLiteral("arrow.png"))));
    QHash<QString, QString> environment{{"HOME", home.path()}};
    if (!chosen.isEmpty())
        environment.insert(QStringLiteral("XCURSOR_THEME"), chosen);
    const Run run = runProgram(kConvert, {"--theme", "Inheriting", "-o", "themes", "arrow.png"}, home.path(),
                               {"XCURSOR_THEME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}, environment);
    QCOMPARE(run.exitCode, 0);
    const QSettings index(home.filePath(QStringLiteral("themes/Inheriting/index.theme")), QSettings::IniFormat);
    QCOMPARE(index.value(QStringLiteral("Icon Theme/Inherits")).toString(), inherits);
}

// Without -o the theme goes to the user's own themes, where desktops find
// it, and one line says where and how to choose it.
void PointerThemesTest::ownThemesFolder()
{
    QTemporaryDir home;
    QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("picture.png")), home.filePath(QStringLiteral("wait.png"))));
    const Run run = runProgram(kConvert, {"--fit", "--theme", "Own", "wait.png"}, home.path(),
                               {"XDG_DATA_HOME", "XCURSOR_THEME"}, {{"HOME", home.path()}});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    const QString place = home.filePath(QStringLiteral(".local/share/icons/Own"));
    QVERIFY(QFileInfo(place + QStringLiteral("/cursors/watch")).isFile());
    QCOMPARE(QString::fromUtf8(run.out).count(u'\n'), 1);
    QVERIFY2(run.out.contains(QFile::encodeName(place)) && run.out.contains("XCURSOR_THEME=Own"), run.out.constData());
    // Found by libXcursor in that folder, or through ~/.icons where it looks
    // only there.
    const QByteArray before = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const Images images(XcursorLibraryLoadImages("wait", "Own", 32));
    qputenv("HOME", before);
    QVERIFY(images && images->nimage == 1);
    QCOMPARE(QList<quint32>(images->images[0]->pixels, images->images[0]->pixels + 32 * 32),
             expectedPixels(scaled(m_looks, 2)));
}

QTEST_GUILESS_MAIN(PointerThemesTest)
#include "test_pointer_themes.moc"
