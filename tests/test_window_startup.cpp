// SPDX-License-Identifier: MIT
// Starts the real pixelwick where it cannot open a window, and once where it can.
#include "test_support.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

using namespace testing;

namespace {

using Variables = QHash<QString, QString>;

const QString kWindow = QStringLiteral(PIXELWICK_WINDOW);

// A display number with no X server: neither its socket file nor the
// abstract socket of that name (which Linux lists in /proc/net/unix).
QString displayWithoutServer()
{
    QFile sockets(QStringLiteral("/proc/net/unix"));
    const QByteArray listed = sockets.open(QIODevice::ReadOnly) ? sockets.readAll() : QByteArray();
    for (int number = 97; number < 1000; ++number) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        if (!QFile::exists(socket) && !listed.contains((socket + u'\n').toUtf8())
            && !listed.contains((socket + u' ').toUtf8()))
            return QStringLiteral(":%1").arg(number);
    }
    return {};
}

} // namespace

class WindowStartupTest : public QObject {
    Q_OBJECT

private slots:
    void noWindow_data();
    void noWindow();
    void startsWithAWindowSystem();
};

void WindowStartupTest::noWindow_data()
{
    const QString display = displayWithoutServer();
    QVERIFY(!display.isEmpty());
    QTest::addColumn<Variables>("set");
    QTest::addColumn<QString>("said");
    QTest::newRow("nothing set") << Variables{} << "Pixelwick needs a display to open its window, and none was found";
    QTest::newRow("display with no server")
        << Variables{{"DISPLAY", display}}
        << QStringLiteral("Pixelwick could not open its window: the display “%1” did not answer.").arg(display);
    QTest::newRow("unknown platform") << Variables{{"QT_QPA_PLATFORM", "nosuchplatform"}}
                                      << "Pixelwick could not open its window: the platform “nosuchplatform” that "
                                         "QT_QPA_PLATFORM names cannot be used here.";
    QTest::newRow("X platform, display with no server")
        << Variables{{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", display}}
        << "the platform “xcb” that QT_QPA_PLATFORM names cannot be used here.";
    QTest::newRow("control characters in the platform")
        << Variables{{"QT_QPA_PLATFORM", "x\x1b[2J\r"}} << "the platform “x\\x1b[2J\\r”";
}

// One plain message and exit code 1, never Qt's plug-in advice or an abort.
void WindowStartupTest::noWindow()
{
    QFETCH(Variables, set);
    QFETCH(QString, said);
    const Run run = runProgram(kWindow, {}, {},
                               {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("XDG_SESSION_TYPE")},
                               set);
    const QString err = QString::fromUtf8(run.err);
    QCOMPARE(run.exitCode, 1); // -1 for a crash or an abort
    QVERIFY2(err.contains(said), qPrintable(err));
    QVERIFY2(err.endsWith(QStringLiteral("use pixelwick-convert to make cursors without a window.\n")),
             qPrintable(err));
    QCOMPARE(err.count(u'\n'), 2);
    QVERIFY2(!err.contains(u'\x1b') && !err.contains(u'\r'), qPrintable(err));
    QCOMPARE(run.out, QByteArray());
}

// What Qt says while the window system starts is held back only in case it
// fails; when it starts, it is said after all, and the window keeps running.
void WindowStartupTest::startsWithAWindowSystem()
{
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Qt warns of this as its application starts.
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    window.setProcessEnvironment(environment);
    window.setReadChannel(QProcess::StandardError);
    window.start(kWindow, {});
    QVERIFY(window.waitForStarted(60000));
    QByteArray err;
    while (!err.contains("XDG_RUNTIME_DIR") && window.waitForReadyRead(60000))
        err += window.readAllStandardError();
    err += window.readAllStandardError();
    QVERIFY2(err.contains("XDG_RUNTIME_DIR not set"), err.constData());
    QCOMPARE(window.state(), QProcess::Running);
    window.kill();
    QVERIFY(window.waitForFinished(60000));
}

QTEST_GUILESS_MAIN(WindowStartupTest)
#include "test_window_startup.moc"
