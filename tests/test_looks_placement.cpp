// SPDX-License-Identifier: MIT
// The looks never cover the window, wherever a desktop puts it: on a
// desktop of its own (tests/x11/with_display.sh, one screen size a run),
// the real window is placed centred and at each corner, at scale 1 and 2;
// a person rests the pointer on the preview, clicks a pixel, moves
// straight to Make CUR and clicks it, and the cursor is written with that
// pixel as its hot spot. What is on the screen is asked of the X server.
#include "test_support.h"
#include "x11/desktop_tools.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace testing;
using pixelwick::kCursorFileSize;
using pixelwick::kHotSpotXOffset;
using pixelwick::kHotSpotYOffset;

namespace {

const QString kWindow = QStringLiteral(PIXELWICK_WINDOW);

QStringList visibleWindowsOf(const QProcess &process)
{
    return tool({"xdotool", "search", "--onlyvisible", "--pid", QString::number(process.processId())})
        .split(u'\n', Qt::SkipEmptyParts);
}

QString text(const QRect &r)
{
    return QStringLiteral("%1 x %2 at %3, %4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

} // namespace

class LooksPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void looksClearOfWindow_data();
    void looksClearOfWindow();

private:
    // The window at `scale`, started once for every placement at it.
    bool startAt(int scale);
    void stop();
    // Device pixels on the screen of a point of the window's client area.
    QStringList pointerAt(QPoint client) const
    {
        const QPoint device = client * m_scale;
        return {"mousemove", "--window", m_window, QString::number(device.x()), QString::number(device.y())};
    }

    QTemporaryDir m_dir;
    QRect m_screen;
    std::unique_ptr<QProcess> m_pixelwick;
    QString m_window;
    int m_scale = 0;
};

void LooksPlacementTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_screen = screenArea();
    QVERIFY(!m_screen.isEmpty());
    // An arrow with its point at the top left, some of it inverting.
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(QColor(0, 255, 0));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x <= y / 2; ++x)
            picture.setPixelColor(x, y, y % 3 ? QColor(Qt::black) : QColor(255, 0, 255));
    QVERIFY(picture.save(m_dir.filePath(QStringLiteral("arrow.png"))));
}

void LooksPlacementTest::cleanupTestCase()
{
    stop();
}

bool LooksPlacementTest::startAt(int scale)
{
    if (m_pixelwick && m_scale == scale)
        return true;
    stop();
    m_pixelwick = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    m_pixelwick->setProcessEnvironment(environment);
    m_pixelwick->setWorkingDirectory(m_dir.path());
    m_pixelwick->start(kWindow, {QStringLiteral("arrow.png")});
    if (!m_pixelwick->waitForStarted())
        return false;
    m_scale = scale;
    m_window =
        tool({"xdotool", "search", "--sync", "--onlyvisible", "--pid", QString::number(m_pixelwick->processId())})
            .section(u'\n', 0, 0);
    // Once the picture is read, the title names it.
    return !m_window.isEmpty()
           && QTest::qWaitFor(
               [&] {
                   return tool({"xdotool", "getwindowname", m_window}).startsWith("arrow.png");
               },
               20000);
}

void LooksPlacementTest::stop()
{
    if (!m_pixelwick)
        return;
    tool({"wmctrl", "-i", "-c", m_window});
    if (!m_pixelwick->waitForFinished(10000))
        m_pixelwick->kill();
    m_pixelwick.reset();
}

void LooksPlacementTest::looksClearOfWindow_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("where");
    for (const int scale : {1, 2}) {
        for (const char *where : {"centre", "top left", "top right", "bottom left", "bottom right"})
            QTest::addRow("%s, scale %d", where, scale) << scale << QString::fromLatin1(where);
    }
}

void LooksPlacementTest::looksClearOfWindow()
{
    QFETCH(int, scale);
    QFETCH(QString, where);
    QVERIFY(startAt(scale));
    // The looks from the last placement, if in a window of their own, are closed.
    for (const QString &window : visibleWindowsOf(*m_pixelwick))
        if (window != m_window)
            tool({"wmctrl", "-i", "-c", window});
    QTRY_COMPARE(visibleWindowsOf(*m_pixelwick), QStringList{m_window});

    // The frame where a desktop puts it.
    const Placed before = placedOf(m_window);
    QRect frame = before.frame;
    frame.moveCenter(m_screen.center());
    if (where.contains(QLatin1String("top")))
        frame.moveTop(0);
    if (where.contains(QLatin1String("bottom")))
        frame.moveBottom(m_screen.bottom());
    if (where.contains(QLatin1String("left")))
        frame.moveLeft(0);
    if (where.contains(QLatin1String("right")))
        frame.moveRight(m_screen.right());
    const QPoint client = frame.topLeft() + (before.client.topLeft() - before.frame.topLeft());
    tool({"wmctrl", "-i", "-r", m_window, "-e", QStringLiteral("0,%1,%2,-1,-1").arg(client.x()).arg(client.y())});
    QTRY_COMPARE(placedOf(m_window).frame, frame);

    // Resting on the preview (at 40, 40) shows the looks, clear of the
    // frame and on the screen.
    tool(QStringList{"xdotool"} + pointerAt({56, 56}));
    QStringList looks;
    QTRY_VERIFY_WITH_TIMEOUT((looks = visibleWindowsOf(*m_pixelwick)).size() == 2, 10000);
    looks.removeAll(m_window);
    const Placed shown = placedOf(looks.constFirst());
    const QString report =
        QStringLiteral("screen %1, window %2, looks %3").arg(text(m_screen), text(frame), text(shown.frame));
    QVERIFY2(!shown.frame.intersects(frame), qPrintable(report));
    QVERIFY2(m_screen.contains(shown.frame), qPrintable(report));

    // A click on the last device pixel of preview pixel 5, 7 picks that
    // pixel; then straight on to Make CUR, through where the looks once were.
    const QPoint last = (QPoint(45, 47) + QPoint(1, 1)) * scale - QPoint(1, 1);
    tool({"xdotool", "mousemove", "--window", m_window, QString::number(last.x()), QString::number(last.y()), "click",
          "1"});
    QStringList path{"xdotool"};
    const QPoint makeCur(256, 108); // the middle of Make CUR
    for (int step = 1; step <= 6; ++step)
        path += pointerAt(QPoint(45, 47) + (makeCur - QPoint(45, 47)) * step / 6) + QStringList{"sleep", "0.05"};
    tool(path + QStringList{"click", "1"});

    const QString cursor = m_dir.filePath(QStringLiteral("arrow.cur"));
    QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo(cursor).size() == kCursorFileSize, qPrintable(report), 10000);
    const QByteArray bytes = readAll(cursor);
    QCOMPARE(QPoint(int(littleEndianAt(bytes, kHotSpotXOffset, 2)), int(littleEndianAt(bytes, kHotSpotYOffset, 2))),
             QPoint(5, 7));
    QCOMPARE(lookAt(bytes, 0, 1), Look::Black);
    QCOMPARE(lookAt(bytes, 0, 0), Look::Inverted);
    QVERIFY(QFile::remove(cursor));
}

QTEST_GUILESS_MAIN(LooksPlacementTest)
#include "test_looks_placement.moc"
