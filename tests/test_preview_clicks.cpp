// SPDX-License-Identifier: MIT
// The preview sets the hot spot by a click, its context menu and the arrow
// keys, takes its pixels' colours for the swatches, and marks the hot spot
// over what it shows without changing what it converts; focused boxes show
// their colours exactly. Runs at scale 1 and 2.
#include "common_dialog.h"
#include "cursor_file.h"
#include "cursor_looks.h"
#include "cursor_reader.h"
#include "main_window.h"
#include "picture_box.h"
#include "picture_loading.h"
#include "preview_pixels.h"
#include "test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace pixelwick;
using namespace testing;

class PreviewClicksTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clickSetsHotSpot_data();
    void clickSetsHotSpot();
    void markFollowsFields_data();
    void markFollowsFields();
    void contextMenu_data();
    void contextMenu();
    void arrowKeys_data();
    void arrowKeys();
    void focusKeepsColoursExact_data();
    void focusKeepsColoursExact();
    void toolTips_data();
    void toolTips();

private:
    template <typename T> T *control(const char *name) const { return testing::controlOf<T>(m_window.get(), name); }
    PictureBox *preview() const { return control<PictureBox>("picBMP"); }
    void setFields(const QString &x, const QString &y)
    {
        control<QLineEdit>("txtX")->setText(x);
        control<QLineEdit>("txtY")->setText(y);
    }
    QStringList fields() const { return {control<QLineEdit>("txtX")->text(), control<QLineEdit>("txtY")->text()}; }
    void focusPreview()
    {
        preview()->setFocus();
        QTRY_VERIFY(preview()->hasFocus());
    }
    // Through the window as the platform delivers it, which also makes
    // the context menu event of a right click.
    void clickWindow(Qt::MouseButton button, QPoint onPreview)
    {
        QTest::mouseClick(m_window->windowHandle(), button, {}, preview()->mapTo(m_window.get(), onPreview));
    }
    // Whether the open looks popup shows what Make CUR would write now.
    bool popupShowsCursor(HotSpot hotSpot) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FrmConverter> m_window;
    int m_asked = 0;
};

void PreviewClicksTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_asked = 0;
    m_window = std::make_unique<FrmConverter>();
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Base, Qt::white);
    m_window->setPalette(palette);
    m_window->findChild<CommonDialog *>()->setBackend(std::make_unique<CountingBackend>(m_asked));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QString path = m_dir->filePath(QStringLiteral("gradient.png"));
    QVERIFY(gradient().save(path));
    QVERIFY(m_window->openPicture(path));
}

void PreviewClicksTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

bool PreviewClicksTest::popupShowsCursor(HotSpot hotSpot) const
{
    auto *popup = m_window->findChild<QLabel *>(QStringLiteral("looksPopup"));
    if (!popup || !popup->isVisible() || popup->pixmap().isNull())
        return false;
    const CursorReading reading =
        readCursor(cursorBytes(hotSpot, ImagePixelSource(preview()->shownImage()), m_window->keyColours()));
    if (!reading.cursor)
        return false;
    // Drawn for the screen's own pixels, one to one: at scale 2 each cursor
    // pixel is a whole number of them, never blurred.
    const qreal ratio = m_window->devicePixelRatio();
    if (popup->pixmap().devicePixelRatio() != ratio)
        return false;
    const QImage shownLooks = popup->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    for (int pitch = 1; pitch <= looksLayout(*reading.cursor, {}, 0, ratio).pitch; ++pitch) {
        const QImage looks = renderLooks(*reading.cursor, {}, pitch, ratio);
        // Padded to whole window pixels at most.
        const QSize padding = shownLooks.size() - looks.size();
        if (padding.width() < 0 || padding.height() < 0 || padding.width() >= ratio || padding.height() >= ratio)
            continue;
        if (shownLooks.copy(QRect(QPoint(), looks.size())) == looks)
            return true;
    }
    return false;
}

void PreviewClicksTest::clickSetsHotSpot_data()
{
    QTest::addColumn<QPointF>("position"); // in the preview's own coordinates
    QTest::addColumn<QPoint>("pixel");
    QTest::newRow("top left") << QPointF(0, 0) << QPoint(0, 0);
    QTest::newRow("bottom right") << QPointF(31, 31) << QPoint(31, 31);
    QTest::newRow("inside") << QPointF(7, 20) << QPoint(7, 20);
    // A position between screen pixels, as a scaled screen gives, is floored.
    QTest::newRow("fraction below a half") << QPointF(4.25, 9.4) << QPoint(4, 9);
    QTest::newRow("fraction above a half") << QPointF(12.75, 30.6) << QPoint(12, 30);
    QTest::newRow("last fraction") << QPointF(31.9, 0.99) << QPoint(31, 0);
}

void PreviewClicksTest::clickSetsHotSpot()
{
    QFETCH(QPointF, position);
    QFETCH(QPoint, pixel);
    setFields(QStringLiteral("no"), QStringLiteral("number"));
    focusPreview();
    QTest::keyClick(preview(), Qt::Key_Space);
    QTRY_VERIFY(m_window->findChild<QLabel *>(QStringLiteral("looksPopup"))->isVisible());
    QSignalSpy clicks(preview(), &PictureBox::clicked);
    const QImage before = preview()->shownImage();

    if (position == QPointF(position.toPoint())) {
        clickWindow(Qt::LeftButton, position.toPoint());
    } else {
        const QPointF global = preview()->mapToGlobal(position);
        QMouseEvent press(QEvent::MouseButtonPress, position, global, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(preview(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, position, global, Qt::LeftButton, {}, {});
        QApplication::sendEvent(preview(), &release);
    }
    QCOMPARE(fields(), QStringList({QString::number(pixel.x()), QString::number(pixel.y())}));
    // Nothing else happens: no dialog, no click reported.
    QCOMPARE(m_asked, 0);
    QCOMPARE(clicks.count(), 0);
    QTRY_VERIFY(marks(marked(preview()), pixel));
    QCOMPARE(preview()->shownImage(), before);
    QTRY_VERIFY(popupShowsCursor({std::int16_t(pixel.x()), std::int16_t(pixel.y())}));
}

void PreviewClicksTest::markFollowsFields_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QPoint>("pixel");
    QTest::newRow("middle") << "15"
                            << "15" << true << QPoint(15, 15);
    QTest::newRow("top left corner") << "0"
                                     << "0" << true << QPoint(0, 0);
    QTest::newRow("top right corner") << "31"
                                      << "0" << true << QPoint(31, 0);
    QTest::newRow("bottom left corner") << "0"
                                        << "31" << true << QPoint(0, 31);
    QTest::newRow("rounded as Make CUR reads it") << "2.5"
                                                  << " 7 " << true << QPoint(2, 7);
    QTest::newRow("left of the picture") << "-1"
                                         << "5" << false << QPoint();
    QTest::newRow("below the picture") << "3"
                                       << "32" << false << QPoint();
    QTest::newRow("far beyond") << "40000"
                                << "3" << false << QPoint();
    QTest::newRow("no number") << "x"
                               << "3" << false << QPoint();
    QTest::newRow("empty") << "3"
                           << "" << false << QPoint();
}

void PreviewClicksTest::markFollowsFields()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(bool, shown);
    QFETCH(QPoint, pixel);
    const QImage before = preview()->shownImage();
    // Typed key by key, as a user would.
    for (auto [name, text] : {std::pair{"txtX", x}, std::pair{"txtY", y}}) {
        auto *field = control<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QCOMPARE(field->text(), text);
    }
    const QList<QPoint> pixels = marked(preview());
    if (shown)
        QVERIFY2(marks(pixels, pixel), qPrintable(QString::number(pixels.size())));
    else
        QCOMPARE(pixels, QList<QPoint>());
    // The mark is drawn over the preview only, never into what converts.
    QCOMPARE(preview()->shownImage(), before);
    QCOMPARE(preview()->marksHotSpot(), shown);
}

void PreviewClicksTest::contextMenu_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("start"); // the fields before
    QTest::addColumn<QPoint>("pixel");      // the right-clicked one, or where the keyboard works
    QTest::addColumn<int>("action");
    const QStringList middle{QStringLiteral("15"), QStringLiteral("15")};
    QTest::newRow("hot spot by mouse") << "mouse" << middle << QPoint(9, 22) << 0;
    QTest::newRow("transparent by mouse") << "mouse" << middle << QPoint(3, 4) << 1;
    QTest::newRow("invert by mouse") << "mouse" << middle << QPoint(20, 6) << 2;
    QTest::newRow("invert by mouse on the corner") << "mouse" << middle << QPoint(31, 31) << 2;
    // The keyboard works from the hot spot, kept on the preview.
    QTest::newRow("hot spot by menu key") << "menu" << QStringList{"40", "no"} << QPoint(31, 15) << 0;
    QTest::newRow("transparent by Shift+F10") << "shift+f10" << QStringList{"12", "2"} << QPoint(12, 2) << 1;
    QTest::newRow("invert by menu key") << "menu" << QStringList{"7", "-3"} << QPoint(7, 0) << 2;
}

void PreviewClicksTest::contextMenu()
{
    QFETCH(QString, how);
    QFETCH(QStringList, start);
    QFETCH(QPoint, pixel);
    QFETCH(int, action);
    setFields(start[0], start[1]);
    const QColor colour = preview()->shownImage().pixelColor(pixel);
    const QColor background = control<PictureBox>("picBG")->backColour();
    const QColor invert = control<PictureBox>("picInvert")->backColour();
    focusPreview();
    QTest::keyClick(preview(), Qt::Key_Space);
    QTRY_VERIFY(m_window->findChild<QLabel *>(QStringLiteral("looksPopup"))->isVisible());

    if (how == QLatin1String("mouse"))
        clickWindow(Qt::RightButton, pixel);
    else if (how == QLatin1String("menu"))
        QTest::keyClick(preview(), Qt::Key_Menu);
    else
        QTest::keyClick(preview(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = preview()->findChild<QMenu *>(QStringLiteral("previewMenu"))) && menu->isVisible());
    const QList<QAction *> actions = menu->actions();
    QStringList texts;
    for (const QAction *item : actions)
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
    // The pixel's own items first, then the window's choices.
    QCOMPARE(texts, (QStringList{"Set the hot spot here", "Make this colour transparent",
                                 "Make this colour invert the screen", "-", "Fit the whole picture", "Near colours…",
                                 "Make a set of sizes…", "Save as…", "Use on this desktop…", "Try the cursor…"}));
    // Chosen as a user would, which also closes the menu.
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(actions[action]).center());
    QTRY_VERIFY(!preview()->findChild<QMenu *>(QStringLiteral("previewMenu")));

    const QStringList expectedFields =
        action == 0 ? QStringList{QString::number(pixel.x()), QString::number(pixel.y())} : start;
    QCOMPARE(fields(), expectedFields);
    QCOMPARE(control<PictureBox>("picBG")->backColour(), action == 1 ? colour : background);
    QCOMPARE(control<PictureBox>("picInvert")->backColour(), action == 2 ? colour : invert);
    // The picture's transparent corner shows the background key colour.
    QCOMPARE(preview()->shownImage().pixelColor(28, 28), control<PictureBox>("picBG")->backColour());
    QCOMPARE(m_asked, 0);
    if (how != QLatin1String("mouse")) {
        // The offscreen platform leaves no window active after a menu
        // opened by keys, which hides the looks; show them again.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        focusPreview();
        QTest::keyClick(preview(), Qt::Key_Space);
    }
    if (action == 0)
        QTRY_VERIFY(popupShowsCursor({std::int16_t(pixel.x()), std::int16_t(pixel.y())}));
    else if (const int x = start[0].toInt(), y = start[1].toInt(); x >= 0 && y >= 0)
        QTRY_VERIFY(popupShowsCursor({std::int16_t(x), std::int16_t(y)}));
}

void PreviewClicksTest::arrowKeys_data()
{
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("expected");
    const auto at = [](const char *x, const char *y) { return QStringList{QLatin1String(x), QLatin1String(y)}; };
    QTest::newRow("left") << at("15", "15") << int(Qt::Key_Left) << at("14", "15");
    QTest::newRow("right") << at("3", "9") << int(Qt::Key_Right) << at("4", "9");
    QTest::newRow("up") << at("3", "9") << int(Qt::Key_Up) << at("3", "8");
    QTest::newRow("down") << at("3", "9") << int(Qt::Key_Down) << at("3", "10");
    QTest::newRow("left at the edge") << at("0", "4") << int(Qt::Key_Left) << at("0", "4");
    QTest::newRow("down at the edge") << at("4", "31") << int(Qt::Key_Down) << at("4", "31");
    QTest::newRow("beyond comes back") << at("40", "-7") << int(Qt::Key_Left) << at("31", "0");
    QTest::newRow("no number starts from the middle") << at("x", "2") << int(Qt::Key_Right) << at("16", "2");
    QTest::newRow("empty starts from the middle") << at("6", "") << int(Qt::Key_Up) << at("6", "14");
}

void PreviewClicksTest::arrowKeys()
{
    QFETCH(QStringList, start);
    QFETCH(int, key);
    QFETCH(QStringList, expected);
    setFields(start[0], start[1]);
    focusPreview();
    QTest::keyClick(preview(), Qt::Key(key));
    QCOMPARE(fields(), expected);
    QVERIFY(marks(marked(preview()), QPoint(expected[0].toInt(), expected[1].toInt())));
    QVERIFY(preview()->hasFocus());
}

void PreviewClicksTest::focusKeepsColoursExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("background swatch") << "picBG";
    QTest::newRow("invert swatch") << "picInvert";
    QTest::newRow("preview") << "picBMP";
}

void PreviewClicksTest::focusKeepsColoursExact()
{
    QFETCH(QString, name);
    auto *box = control<PictureBox>(qPrintable(name));
    // No hot-spot mark, so the preview shows its picture alone.
    setFields(QString(), QString());
    const QRect around = box->geometry().adjusted(-3, -3, 3, 3);
    const QImage unfocused = m_window->grab(around).toImage();
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());

    // Every screen pixel of the box is its colour exactly.
    const QImage screen = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = screen.devicePixelRatio();
    QCOMPARE(screen.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
    const QImage shown = box->shownImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            QCOMPARE(screen.pixel(x, y), shown.pixel(int(x / ratio), int(y / ratio)));
    if (name != QLatin1String("picBMP"))
        QCOMPARE(shown.pixelColor(0, 0), box->backColour());

    // The focus shows around the box instead, and goes with it.
    const QImage focused = m_window->grab(around).toImage();
    QVERIFY(focused != unfocused);
    control<QWidget>("cmdLoadBMP")->setFocus();
    QTRY_VERIFY(!box->hasFocus());
    QTRY_COMPARE(m_window->grab(around).toImage(), unfocused);
}

void PreviewClicksTest::toolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip"); // where it is given exactly
    QTest::newRow("cmdLoadBMP") << "cmdLoadBMP"
                                << "Choose a picture (Ctrl+O)";
    QTest::newRow("cmdMakeCUR") << "cmdMakeCUR"
                                << "Write the cursor beside the picture (Ctrl+S)";
    QTest::newRow("picBG") << "picBG"
                           << "Click to choose the colour that becomes transparent";
    QTest::newRow("picInvert") << "picInvert"
                               << "Click to choose the colour that inverts the screen";
    QTest::newRow("picBMP") << "picBMP"
                            << "";
    QTest::newRow("txtX") << "txtX"
                          << "";
    QTest::newRow("txtY") << "txtY"
                          << "";
}

void PreviewClicksTest::toolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);
    const QString shown = control<QWidget>(qPrintable(name))->toolTip();
    QVERIFY2(!shown.trimmed().isEmpty(), qPrintable(name));
    if (!tip.isEmpty())
        QCOMPARE(shown, tip);
    // The labels say nothing new.
    for (QLabel *label : m_window->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        QCOMPARE(label->toolTip(), QString());
}

QTEST_MAIN(PreviewClicksTest)
#include "test_preview_clicks.moc"
