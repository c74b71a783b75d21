// SPDX-License-Identifier: MIT
// As a new user would: a picture opened in the real window on a desktop of
// its own (tests/x11/with_display.sh), made this desktop's pointer through
// the preview's menu, "Use on this desktop…", and then seen as the pointer
// over another program started with XCURSOR_THEME set: in the X server's
// own image of the pointer (XFixes), and in a screenshot.
#include "test_support.h"
#include "x11/desktop_tools.h"
#include "x11/pointer_image.h"
#include "xcursor_looks.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace testing;

namespace {

const QString kWindow = QStringLiteral(PIXELWICK_WINDOW);
const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);

// The window of `process` once the window manager has mapped it.
QString windowOf(const QProcess &process)
{
    return tool({"xdotool", "search", "--sync", "--onlyvisible", "--pid", QString::number(process.processId())})
        .section(u'\n', 0, 0);
}

// Everything under `folder`, by its path there.
QStringList everythingIn(const QString &folder)
{
    QStringList all;
    QDirIterator walk(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext())
        all.append(walk.next().mid(folder.size() + 1));
    all.sort();
    return all;
}

} // namespace

class DesktopThemeTest : public QObject {
    Q_OBJECT

private slots:
    void useOnThisDesktop_data();
    void useOnThisDesktop();
    void pointerOpened();
};

void DesktopThemeTest::useOnThisDesktop_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("scale 1") << 1;
    QTest::newRow("scale 2") << 2;
}

void DesktopThemeTest::useOnThisDesktop()
{
    QFETCH(int, scale);
    QTemporaryDir home;
    Looks looks;
    const QImage picture = lookPicture(looks).scaled(32, 32);
    QVERIFY(picture.save(home.filePath(QStringLiteral("arrow.png"))));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XCURSOR_THEME", "XCURSOR_PATH"})
        environment.remove(QLatin1String(variable));
    QProcess pixelwick;
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    pixelwick.setProcessEnvironment(environment);
    pixelwick.setWorkingDirectory(home.path());
    pixelwick.start(kWindow, {"arrow.png"});
    QVERIFY(pixelwick.waitForStarted());
    const QString window = windowOf(pixelwick);
    QVERIFY(!window.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(tool({"xdotool", "getwindowname", window}).startsWith("arrow.png"), 20000);

    // The hot spot clicked on the preview (at 40, 40), then the preview's
    // menu, the item above its last, and the theme's name typed over the one
    // offered.
    const auto at = [&](QPoint pixel) {
        const QPoint screen = (QPoint(40, 40) + pixel) * scale;
        return QStringList{"mousemove", "--window", window, QString::number(screen.x()), QString::number(screen.y())};
    };
    tool(QStringList{"xdotool"} + at({4, 6}) + QStringList{"click", "1"} + at({20, 20}) + QStringList{"click", "3"});
    tool({"xdotool", "sleep", "0.5", "key", "Up", "Up", "Return"});
    const QString dialog =
        tool({"xdotool", "search", "--sync", "--onlyvisible", "--name", "Use on this desktop"}).section(u'\n', 0, 0);
    QVERIFY(!dialog.isEmpty());
    // Its explanation, with the folder's path, wraps within the screen.
    QRect frame;
    QTRY_VERIFY_WITH_TIMEOUT((frame = placedOf(dialog).frame) != placedOf(dialog).client, 10000);
    QVERIFY2(screenArea().contains(frame), qPrintable(QStringLiteral("dialog %1 x %2 at %3, %4")
                                                          .arg(frame.width())
                                                          .arg(frame.height())
                                                          .arg(frame.x())
                                                          .arg(frame.y())));
    tool({"xdotool", "windowactivate", "--sync", dialog, "key", "ctrl+a", "type", "My Pointer"});
    tool({"xdotool", "key", "Return"});
    const QString theme = home.filePath(QStringLiteral(".local/share/icons/My Pointer"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(theme + QStringLiteral("/cursors/left_ptr")), 20000);
    const QImage written = screenWithPointer();
    QVERIFY(written.save(QStringLiteral("desktop-theme-written-scale%1.png").arg(scale)));
    tool({"xdotool", "windowactivate", "--sync", window, "key", "ctrl+q"});
    QVERIFY(pixelwick.waitForFinished(10000));
    // The theme and, for libXcursor older than 1.2.2, a link where it looks;
    // no desktop setting changed.
    QCOMPARE(everythingIn(home.path()),
             (QStringList{
                 ".icons", ".icons/My Pointer", ".local", ".local/share", ".local/share/icons",
                 ".local/share/icons/My Pointer", ".local/share/icons/My Pointer/cursors",
                 ".local/share/icons/My Pointer/cursors/arrow", ".local/share/icons/My Pointer/cursors/default",
                 ".local/share/icons/My Pointer/cursors/left_arrow", ".local/share/icons/My Pointer/cursors/left_ptr",
                 ".local/share/icons/My Pointer/cursors/top_left_arrow", ".local/share/icons/My Pointer/index.theme",
                 "arrow.png"}));

    // Another program, told to take the theme, shows its arrow.
    QProcess other;
    environment.insert(QStringLiteral("XCURSOR_THEME"), QStringLiteral("My Pointer"));
    environment.insert(QStringLiteral("XCURSOR_SIZE"), QString::number(32));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(1));
    other.setProcessEnvironment(environment);
    other.setWorkingDirectory(home.path());
    other.start(kWindow, QStringList());
    QVERIFY(other.waitForStarted());
    const QString otherWindow = windowOf(other);
    QVERIFY(!otherWindow.isEmpty());
    tool({"xdotool", "mousemove", "--window", otherWindow, "6", "6"});
    PointerImage pointer;
    QTRY_VERIFY_WITH_TIMEOUT((pointer = pointerImage()).pixels == expectedPixels(scaled(looks, 2)), 20000);
    QCOMPARE(QSize(pointer.width, pointer.height), QSize(32, 32));
    QCOMPARE(pointer.hotSpot, QPoint(4, 6));
    const QImage shown = screenWithPointer();
    QVERIFY(shown.save(QStringLiteral("desktop-theme-shown-scale%1.png").arg(scale)));
    tool({"xdotool", "windowactivate", "--sync", otherWindow, "key", "ctrl+q"});
    QVERIFY(other.waitForFinished(10000));
}

// A theme's pointer opened in the window is a picture: its 32 x 32 image,
// transparent where the pointer is, is what Make CUR writes.
void DesktopThemeTest::pointerOpened()
{
    QTemporaryDir dir;
    Looks looks;
    QVERIFY(lookPicture(looks).save(dir.filePath(QStringLiteral("looks.png"))));
    const Run run =
        runProgram(kConvert, {"--sizes", "24,32,48", "--xcursor", "-o", "left_ptr", "looks.png"}, dir.path());
    QCOMPARE(run.exitCode, 0);
    QProcess pixelwick;
    pixelwick.setWorkingDirectory(dir.path());
    pixelwick.start(kWindow, {"left_ptr"});
    QVERIFY(pixelwick.waitForStarted());
    const QString window = windowOf(pixelwick);
    QVERIFY(!window.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(tool({"xdotool", "getwindowname", window}).startsWith("left_ptr"), 20000);
    tool({"xdotool", "windowactivate", "--sync", window, "key", "ctrl+s"});
    const QString cursorPath = dir.filePath(QStringLiteral("left_ptr.cur"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(cursorPath).size() == 326, 20000);
    const QByteArray cursor = readAll(cursorPath);
    QCOMPARE(cursorDiffers(cursor, expectedPixels(scaled(looks, 2))), QString());
    tool({"xdotool", "windowactivate", "--sync", window, "key", "ctrl+q"});
    QVERIFY(pixelwick.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(DesktopThemeTest)
#include "test_desktop_theme.moc"
