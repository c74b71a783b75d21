// SPDX-License-Identifier: MIT
// The looks popup shows, whole and beside the preview, wherever a desktop
// puts the window: run once per screen size and scale, each given to Qt's
// offscreen platform as a screen of that size.
#include "cursor_file.h"
#include "cursor_looks.h"
#include "cursor_reader.h"
#include "main_window.h"
#include "picture_loading.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace pixelwick;

class LooksPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void popupBesidePreview_data();
    void popupBesidePreview();
};

void LooksPlacementTest::popupBesidePreview_data()
{
    QTest::addColumn<QString>("where");
    for (const char *where : {"centre", "top left", "top right", "bottom left", "bottom right"})
        QTest::newRow(where) << QString::fromLatin1(where);
}

void LooksPlacementTest::popupBesidePreview()
{
    QFETCH(QString, where);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // An arrow with its hot spot on the edge, in all four looks.
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x <= y / 2; ++x)
            picture.setPixelColor(x, y, y % 3 ? QColor(Qt::black) : QColor(255, 0, 255));
    const QString path = dir.filePath(QStringLiteral("arrow.png"));
    QVERIFY(picture.save(path));

    FrmConverter window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect room = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    if (where == QLatin1String("centre"))
        frame.moveCenter(room.center());
    if (where.contains(QLatin1String("top")))
        frame.moveTop(room.top());
    if (where.contains(QLatin1String("bottom")))
        frame.moveBottom(room.bottom());
    if (where.contains(QLatin1String("left")))
        frame.moveLeft(room.left());
    if (where.contains(QLatin1String("right")))
        frame.moveRight(room.right());
    window.move(frame.topLeft());
    QTRY_COMPARE(window.frameGeometry().topLeft(), frame.topLeft());
    QVERIFY(window.openPicture(path));

    auto *preview = window.findChild<QWidget *>(QStringLiteral("picBMP"));
    auto *popup = window.findChild<QLabel *>(QStringLiteral("looksPopup"));
    QVERIFY(preview && popup);
    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_Space);
    QTRY_VERIFY(popup->isVisible());

    const QRect shown = popup->geometry();
    const QRect previewOnScreen(preview->mapToGlobal(QPoint(0, 0)), preview->size());
    const auto text = [](const QRect &r) {
        return QStringLiteral("%1 x %2 at %3, %4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    };
    const QString report = QStringLiteral("screen %1, window %2, preview %3, popup %4")
                               .arg(text(room), text(window.frameGeometry()), text(previewOnScreen), text(shown));
    QVERIFY2(room.contains(shown), qPrintable(report));
    QVERIFY2(!shown.intersects(previewOnScreen), qPrintable(report));
    // Drawn one to one, never stretched by the label.
    QVERIFY(!popup->pixmap().isNull());
    QCOMPARE(popup->pixmap().devicePixelRatio(), 1.0);
    QCOMPARE(popup->size(), popup->pixmap().size() + QSize(2 * popup->margin(), 2 * popup->margin()));
    // Each cursor pixel is a whole number of screen pixels, at least two,
    // wherever the screen leaves room for that (a 640 x 400 screen, as
    // 1280 x 800 at scale 2 is, does not; there the looks are made smaller).
    if (room.width() >= 900) {
        const CursorReading reading = readCursor(
            cursorBytes({15, 15}, ImagePixelSource(composePreview(picture, preview->palette().color(QPalette::Base))),
                        window.keyColours()));
        QVERIFY(reading.cursor);
        const QImage shownLooks = popup->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        int pitch = 7;
        while (pitch >= 2 && renderLooks(*reading.cursor, {}, pitch) != shownLooks)
            --pitch;
        QVERIFY2(pitch >= 2, qPrintable(report));
    }

    // Following a new hot spot, it is fitted to its room again.
    window.findChild<QLineEdit *>(QStringLiteral("txtX"))->setText(QStringLiteral("3"));
    QVERIFY(popup->accessibleDescription().contains(QStringLiteral("3, 15")));
    QVERIFY2(room.contains(popup->geometry()) && !popup->geometry().intersects(previewOnScreen), qPrintable(report));

    // The pointer can go from the preview onto the popup without losing it.
    QCursor::setPos(shown.center());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(preview, &leave);
    QTest::qWait(400);
    QVERIFY(popup->isVisible());
    QTest::keyClick(preview, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
}

QTEST_MAIN(LooksPlacementTest)
#include "test_looks_placement.moc"
