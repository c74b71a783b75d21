// SPDX-License-Identifier: MIT
// The real window on a desktop of its own (an X server with a window
// manager, tests/x11/with_display.sh), driven as a person drives it: the
// window manager's close button, keys typed on the keyboard.
#include "child_process.h"
#include "test_support.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace testing;

namespace {

const QString kWindow = QStringLiteral(PIXELWICK_WINDOW);

// What an X tool prints, waiting at most 20 seconds for it.
QString tool(const QStringList &command)
{
    QProcess process;
    process.start(QStringLiteral("timeout"), QStringList{QStringLiteral("20")} + command);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

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

QTEST_GUILESS_MAIN(DesktopWindowTest)
#include "test_desktop_window.moc"
