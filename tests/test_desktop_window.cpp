// SPDX-License-Identifier: MIT
// The real window on a desktop of its own (an X server with a window
// manager, tests/x11/with_display.sh), driven as a person drives it: the
// window manager's close button, keys typed on the keyboard, the mouse
// dragging the picture.
#include "child_process.h"
#include "test_support.h"
#include "x11/desktop_tools.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace testing;

namespace {

const QString kWindow = QStringLiteral(PIXELWICK_WINDOW);

// The window of `process` once the window manager has mapped it.
QString windowOf(const QProcess &process)
{
    return tool({QStringLiteral("xdotool"), QStringLiteral("search"), QStringLiteral("--sync"),
                 QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(process.processId())})
        .section(u'\n', 0, 0);
}

} // namespace

class DesktopWindowTest : public QObject {
    Q_OBJECT

private slots:
    void closedWhileReading_data();
    void closedWhileReading();
    void fitAndPart_data();
    void fitAndPart();
    void cursorSavedAs_data();
    void cursorSavedAs();
};

void DesktopWindowTest::closedWhileReading_data()
{
    QTest::addColumn<QStringList>("closing");
    QTest::newRow("the window manager's close") << QStringList{"wmctrl", "-i", "-c", "WINDOW"};
    QTest::newRow("Ctrl+Q") << QStringList{"xdotool", "windowactivate", "--sync", "WINDOW", "key", "ctrl+q"};
}

// Closing the window while a picture is read gives the read up and ends
// the program at once, however long the picture's reader would go on.
void DesktopWindowTest::closedWhileReading()
{
    QFETCH(QStringList, closing);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Read by the tests' own image reader, which never ends.
    QVERIFY(writeAll(dir.filePath(QStringLiteral("stuck.bin")), "PIXELWICK-STUCK"));
    QProcess pixelwick;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(PIXELWICK_STUCK_READER));
    pixelwick.setProcessEnvironment(environment);
    pixelwick.setWorkingDirectory(dir.path());
    pixelwick.start(kWindow, {QStringLiteral("stuck.bin")});
    QVERIFY(pixelwick.waitForStarted());
    const QString window = windowOf(pixelwick);
    QVERIFY(!window.isEmpty());
    // The read is under way once the picture's reader runs.
    QVERIFY(childOf(pid_t(pixelwick.processId())) > 0);

    closing.replace(closing.indexOf(QStringLiteral("WINDOW")), window);
    tool(closing);
    // Well before the reader's time limit would end the read, and for good:
    // with the read going on, its message would keep the window open.
    QVERIFY2(pixelwick.waitForFinished(10000), "the window stayed open while the picture was read");
    QCOMPARE(pixelwick.exitStatus(), QProcess::NormalExit);
    QCOMPARE(pixelwick.exitCode(), 0);
}

void DesktopWindowTest::fitAndPart_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("fit");
    QTest::addColumn<QPoint>("from"); // of the part, where it is dragged to
    for (const int scale : {1, 2}) {
        QTest::addRow("--fit, scale %d", scale) << scale << true << QPoint();
        QTest::addRow("dragged, scale %d", scale) << scale << false << QPoint(50, 52);
    }
}

// `pixelwick --fit` starts with the whole picture fitted; without it, the
// picture dragged by the mouse chooses the part that Ctrl+S writes.
void DesktopWindowTest::fitAndPart()
{
    QFETCH(int, scale);
    QFETCH(bool, fit);
    QFETCH(QPoint, from);
    QTemporaryDir dir;
    QImage square(256, 256, QImage::Format_RGB32);
    square.fill(Qt::white);
    QPainter(&square).fillRect(64, 64, 128, 128, Qt::black);
    QVERIFY(square.save(dir.filePath(QStringLiteral("square.png"))));
    QProcess pixelwick;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    pixelwick.setProcessEnvironment(environment);
    pixelwick.setWorkingDirectory(dir.path());
    pixelwick.start(kWindow, fit ? QStringList{"--fit", "square.png"} : QStringList{"square.png"});
    QVERIFY(pixelwick.waitForStarted());
    const QString window = windowOf(pixelwick);
    QVERIFY(!window.isEmpty());
    // The picture read, the title names it.
    QTRY_VERIFY_WITH_TIMEOUT(tool({"xdotool", "getwindowname", window}).startsWith("square.png"), 20000);
    if (!fit) {
        // From the preview's pixel 20, 20 (the preview is at 40, 40) up
        // and left, out of the preview.
        const auto at = [&](QPoint pixel) {
            const QPoint screen = (QPoint(40, 40) + pixel) * scale + QPoint(scale / 2, scale / 2);
            return QStringList{"mousemove", "--window", window, QString::number(screen.x()),
                               QString::number(screen.y())};
        };
        tool(QStringList{"xdotool"} + at({20, 20}) + QStringList{"mousedown", "1"} + at(QPoint(20, 20) - from / 2)
             + at(QPoint(20, 20) - from) + QStringList{"mouseup", "1"});
    }
    tool({"xdotool", "windowactivate", "--sync", window, "key", "ctrl+s"});
    const QString cursorPath = dir.filePath(QStringLiteral("square.cur"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(cursorPath).size() == 326, 20000);
    const QByteArray cursor = readAll(cursorPath);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            // Fitted, the square is 8..23; a part shows it from 64, 64 on.
            const bool black =
                fit ? QRect(8, 8, 16, 16).contains(x, y) : QRect(64, 64, 128, 128).contains(from + QPoint(x, y));
            QCOMPARE(lookAt(cursor, x, y), black ? Look::Black : Look::White);
        }
    }
    tool({"xdotool", "windowactivate", "--sync", window, "key", "ctrl+q"});
    QVERIFY(pixelwick.waitForFinished(10000));
}

void DesktopWindowTest::cursorSavedAs_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("scale 1") << 1;
    QTest::newRow("scale 2") << 2;
}

// `pixelwick arrow.cur` opens the cursor to change it, its hot spot in the
// fields; Ctrl+Shift+S and a name typed in the file dialog save it again,
// byte for byte.
void DesktopWindowTest::cursorSavedAs()
{
    QFETCH(int, scale);
    QTemporaryDir dir;
    QImage arrow(32, 32, QImage::Format_RGB32);
    arrow.fill(QColor(0, 255, 0));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x <= y / 2; ++x)
            arrow.setPixelColor(x, y, y % 4 ? QColor(Qt::black) : QColor(255, 0, 255));
    QVERIFY(arrow.save(dir.filePath(QStringLiteral("arrow.png"))));
    QCOMPARE(runProgram(QStringLiteral(PIXELWICK_CONVERT), {"-x", "2", "-y", "3", "arrow.png"}, dir.path()).exitCode,
             0);
    QProcess pixelwick;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    pixelwick.setProcessEnvironment(environment);
    pixelwick.setWorkingDirectory(dir.path());
    pixelwick.start(kWindow, {QStringLiteral("arrow.cur")});
    QVERIFY(pixelwick.waitForStarted());
    const QString window = windowOf(pixelwick);
    QVERIFY(!window.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(tool({"xdotool", "getwindowname", window}).startsWith("arrow.cur"), 20000);
    tool({"xdotool", "windowactivate", "--sync", window, "key", "ctrl+shift+s"});
    // The file dialog, a window of its own, offers the cursor's own name.
    QTRY_VERIFY_WITH_TIMEOUT(tool({"xdotool", "getactivewindow"}) != window, 10000);
    tool({"xdotool", "key", "ctrl+a", "type", "copy.cur"});
    tool({"xdotool", "key", "Return"});
    const QString copy = dir.filePath(QStringLiteral("copy.cur"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(copy).size() == 326, 10000);
    QCOMPARE(readAll(copy), readAll(dir.filePath(QStringLiteral("arrow.cur"))));
    tool({"xdotool", "windowactivate", "--sync", window, "key", "ctrl+q"});
    QVERIFY(pixelwick.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(DesktopWindowTest)
#include "test_desktop_window.moc"
