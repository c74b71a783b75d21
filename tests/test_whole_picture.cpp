// SPDX-License-Identifier: MIT
// A picture larger than the cursor, as a person uses the window: fitted
// whole by the note's link or the preview's menu, its part chosen by
// dragging or by Shift and the arrow keys, near colours, a set of sizes,
// and the note for a cursor nothing of which would show. Runs at scale 1
// and 2.
#include "cursor_reader.h"
#include "main_window.h"
#include "test_support.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace pixelwick;
using CursorLook = testing::Look;

namespace {

// Answers a save dialog with `path`, and no other dialog.
class SaveAnswer : public DialogBackend {
public:
    explicit SaveAnswer(const QString &path) : m_path(path) {}
    std::optional<QString> askOpenFile(QWidget *, const QString &) override { return std::nullopt; }
    std::optional<QColor> askColour(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<QString> askSaveFile(QWidget *, const QString &) override { return m_path; }

private:
    QString m_path;
};

// White, or transparent, with a black rectangle.
QImage picture(QSize size, QRect black, QColor around = Qt::white)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(around);
    QPainter(&image).fillRect(black, Qt::black);
    return image;
}

// A 10 x 10 drawing whose black square covers its middle half: drawn at
// its own size the square's edges blur, drawn larger they fall on pixels.
const QByteArray kDrawing = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                            "<rect width='10' height='10' fill='white'/>"
                            "<rect x='2.5' y='2.5' width='5' height='5' fill='black'/></svg>";

// Black in `black`, white elsewhere in `covered`, transparent around it.
CursorLook expected(QPoint pixel, QRect black, QRect covered)
{
    return !covered.contains(pixel) ? CursorLook::Transparent
           : black.contains(pixel)  ? CursorLook::Black
                                    : CursorLook::White;
}

} // namespace

class WholePictureTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fit_data();
    void fit();
    void choosePart_data();
    void choosePart();
    void nearColours_data();
    void nearColours();
    void sizeSet_data();
    void sizeSet();
    void invisible_data();
    void invisible();

private:
    template <typename T> T *control(const char *name) const { return testing::controlOf<T>(m_window.get(), name); }
    QLabel *note() const { return control<QLabel>("lblNote"); }
    QWidget *preview() const { return control<QWidget>("picBMP"); }
    QString path(const char *name) const { return m_dir->filePath(QLatin1String(name)); }
    // Where on the window a point of the preview is.
    QPoint onPreview(QPoint pixel) const { return preview()->mapTo(m_window.get(), pixel); }
    QByteArray makeCursor(const QString &picture)
    {
        QTest::mouseClick(control<QPushButton>("cmdMakeCUR"), Qt::LeftButton);
        return testing::readAll(cursorPathFor(picture));
    }
    // Clicks the note's link where it shows in the link colour.
    bool clickLink();
    // Chooses an item of the preview's menu as a person does.
    void chooseFromMenu(const QString &item);
    // Answers the input dialog that opens next with `step`.
    void whenAsked(const std::function<void(QInputDialog *)> &step)
    {
        m_answered = false;
        m_asking.disconnect();
        connect(&m_asking, &QTimer::timeout, this, [this, step] {
            if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                m_asking.stop();
                step(dialog);
                m_answered = true;
            }
        });
        m_asking.start(5);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FrmConverter> m_window;
    QStringList m_messages;
    QTimer m_catcher;
    QTimer m_asking;
    bool m_answered = false;
};

void WholePictureTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<FrmConverter>();
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Base, Qt::white);
    m_window->setPalette(palette);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_messages.clear();
    connect(&m_catcher, &QTimer::timeout, this, [this] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            m_messages << box->informativeText();
            box->accept();
        }
    });
    m_catcher.start(5);
}

void WholePictureTest::cleanup()
{
    m_catcher.disconnect();
    m_asking.stop();
    m_window.reset();
    m_dir.reset();
}

bool WholePictureTest::clickLink()
{
    const QImage shot = note()->grab().toImage();
    const QRgb link = note()->palette().color(QPalette::Link).rgb();
    QRect found;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == link)
                found |= QRect(x, y, 1, 1);
    if (found.isEmpty())
        return false;
    const QPoint at = (QPointF(found.center()) / shot.devicePixelRatio()).toPoint();
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, note()->mapTo(m_window.get(), at));
    return true;
}

void WholePictureTest::chooseFromMenu(const QString &item)
{
    QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {}, onPreview({5, 5}));
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = preview()->findChild<QMenu *>(QStringLiteral("previewMenu"))) && menu->isVisible());
    for (QAction *action : menu->actions())
        if (action->text() == item)
            return QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QFAIL(qPrintable(item));
}

void WholePictureTest::fit_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QRect>("black");   // in the fitted cursor
    QTest::addColumn<QRect>("covered"); // by the picture, in the fitted cursor
    const auto png = [](QSize size, QRect black) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        picture(size, black).save(&buffer, "PNG");
        return bytes;
    };
    QTest::newRow("256 x 256, by the note")
        << "square.png" << png({256, 256}, {64, 64, 128, 128}) << false
        << "Only the top-left 32\u00a0×\u00a032 of this 256\u00a0×\u00a0256 picture is used." << QRect(8, 8, 16, 16)
        << QRect(0, 0, 32, 32);
    QTest::newRow("256 x 128, centred, by the menu")
        << "wide.png" << png({256, 128}, {64, 32, 128, 64}) << true
        << "Only the top-left 32\u00a0×\u00a032 of this 256\u00a0×\u00a0128 picture is used." << QRect(8, 12, 16, 8)
        << QRect(0, 8, 32, 16);
    // Drawn anew at 256 for the fit, where at its own size it fits whole.
    QTest::newRow("10 x 10 drawing") << "drawing.svg" << kDrawing << true << "" << QRect(8, 8, 16, 16)
                                     << QRect(0, 0, 32, 32);
}

// One click fits the whole picture: the preview shows what Make CUR
// writes, the cursor the fit rule makes; a second goes back.
void WholePictureTest::fit()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, byMenu);
    QFETCH(QString, told);
    QFETCH(QRect, black);
    QFETCH(QRect, covered);
    const QString picturePath = m_dir->filePath(file);
    QVERIFY(testing::writeAll(picturePath, bytes));
    QVERIFY(m_window->openPicture(picturePath));
    const QImage unfitted = control<PictureBox>("picBMP")->shownImage();
    QCOMPARE(note()->toolTip(), told);
    if (byMenu)
        chooseFromMenu(QStringLiteral("Fit the whole picture"));
    else
        QVERIFY(clickLink());
    QTRY_COMPARE(note()->toolTip(), QStringLiteral("The whole picture is fitted into the cursor."));

    const QImage shown = control<PictureBox>("picBMP")->shownImage();
    const QByteArray cursor = makeCursor(picturePath);
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 255, 0)};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const CursorLook look = expected({x, y}, black, covered);
            QCOMPARE(testing::lookAt(cursor, x, y), look);
            QCOMPARE(shown.pixel(x, y), colours[int(look)]);
        }
    }
    QCOMPARE(cursor.mid(10, 4), QByteArray::fromHex("0f000f00"));
    QCOMPARE(m_messages, QStringList());

    // And back, pixel for pixel.
    if (byMenu)
        chooseFromMenu(QStringLiteral("Fit the whole picture"));
    else
        QVERIFY(clickLink());
    QTRY_VERIFY(!note()->toolTip().contains(QStringLiteral("fitted")));
    QVERIFY(note()->toolTip().endsWith(told));
    QCOMPARE(control<PictureBox>("picBMP")->shownImage(), unfitted);
}

void WholePictureTest::choosePart_data()
{
    QTest::addColumn<QPoint>("drag"); // from the preview's pixel 20, 25; none for keys
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QString>("hotSpot");
    const QList<QKeyCombination> none;
    QTest::newRow("drag up and left") << QPoint(-12, -7) << none << QPoint(12, 7) << "15, 15";
    QTest::newRow("drag stops at the edge") << QPoint(10, 3) << none << QPoint(0, 0) << "15, 15";
    QTest::newRow("a small move is a click") << QPoint(-1, 1) << none << QPoint(0, 0) << "20, 25";
    const QList<QKeyCombination> steps{Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Down,
                                       Qt::Key_Left};
    QTest::newRow("Shift+arrows, a plain arrow") << QPoint() << steps << QPoint(2, 1) << "14, 15";
    QTest::newRow("Ctrl+Shift+Down, Shift+Left at the edge")
        << QPoint() << QList<QKeyCombination>{Qt::CTRL | Qt::SHIFT | Qt::Key_Down, Qt::SHIFT | Qt::Key_Left}
        << QPoint(0, 32) << "15, 15";
}

// The part of a 256 x 256 picture that Make CUR writes, pixel for pixel.
void WholePictureTest::choosePart()
{
    QFETCH(QPoint, drag);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QPoint, from);
    QFETCH(QString, hotSpot);
    QImage pattern(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            pattern.setPixelColor(x, y, (x * x + 3 * y) % 7 < 3 ? Qt::black : Qt::white);
    const QString picturePath = path("pattern.png");
    QVERIFY(pattern.save(picturePath));
    QVERIFY(m_window->openPicture(picturePath));

    if (keys.isEmpty()) {
        const QPoint start = onPreview({20, 25});
        QTest::mousePress(m_window->windowHandle(), Qt::LeftButton, {}, start);
        QTest::mouseMove(m_window->windowHandle(), start + drag / 2);
        QTest::mouseMove(m_window->windowHandle(), start + drag);
        QTest::mouseRelease(m_window->windowHandle(), Qt::LeftButton, {}, start + drag);
    } else {
        preview()->setFocus();
        QTRY_VERIFY(preview()->hasFocus());
        for (const QKeyCombination key : keys)
            QTest::keyClick(preview(), key.key(), key.keyboardModifiers());
    }
    const QString fields = control<QLineEdit>("txtX")->text() + ", " + control<QLineEdit>("txtY")->text();
    QCOMPARE(fields, hotSpot);
    QCOMPARE(note()->toolTip(),
             from.isNull()
                 ? QStringLiteral("Only the top-left 32\u00a0×\u00a032 of this 256\u00a0×\u00a0256 picture is "
                                  "used.")
                 : QStringLiteral("Pixels %1–%2, %3–%4 of this 256\u00a0×\u00a0256 picture are used.")
                       .arg(from.x())
                       .arg(from.x() + 31)
                       .arg(from.y())
                       .arg(from.y() + 31));
    const QByteArray cursor = makeCursor(picturePath);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QCOMPARE(testing::lookAt(cursor, x, y),
                     pattern.pixelColor(from + QPoint(x, y)) == Qt::black ? CursorLook::Black : CursorLook::White);
}

void WholePictureTest::nearColours_data()
{
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<bool>("near"); // whether colours 5 from the keys count as keys
    QTest::newRow("exact") << 0 << false;
    QTest::newRow("one short") << 4 << false;
    QTest::newRow("near enough") << 5 << true;
}

// Colours near the keys, as a JPEG gives them, count as keys from the
// tolerance chosen in the menu's dialog on; the preview shows them so.
void WholePictureTest::nearColours()
{
    QFETCH(int, tolerance);
    QFETCH(bool, near);
    // Columns of green, near green, near magenta and black.
    const QColor bands[] = {QColor(0, 255, 0), QColor(3, 250, 2), QColor(250, 4, 253), Qt::black};
    QImage image(32, 32, QImage::Format_RGB32);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y)
            image.setPixelColor(x, y, bands[x / 8]);
    const QString picturePath = path("photo.png");
    QVERIFY(image.save(picturePath));
    QVERIFY(m_window->openPicture(picturePath));
    whenAsked([tolerance](QInputDialog *dialog) {
        auto *spin = dialog->findChild<QSpinBox *>();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(tolerance));
        QTest::keyClick(spin, Qt::Key_Return);
    });
    chooseFromMenu(QStringLiteral("Near colours…"));
    QTRY_VERIFY(m_answered && !QApplication::activeModalWidget());
    QCOMPARE(m_window->keyColours().tolerance, tolerance);

    const QImage shown = control<PictureBox>("picBMP")->shownImage();
    const QByteArray cursor = makeCursor(picturePath);
    const CursorLook looks[] = {CursorLook::Transparent, near ? CursorLook::Transparent : CursorLook::White,
                                near ? CursorLook::Inverted : CursorLook::Black, CursorLook::Black};
    const QColor seen[] = {bands[0], near ? bands[0] : bands[1], near ? QColor(255, 0, 255) : bands[2], bands[3]};
    for (int band = 0; band < 4; ++band) {
        QCOMPARE(testing::lookAt(cursor, band * 8 + 3, 9), looks[band]);
        QCOMPARE(shown.pixelColor(band * 8 + 3, 9), seen[band]);
    }
}

void WholePictureTest::sizeSet_data()
{
    QTest::addColumn<QString>("sizes");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("listed"); // by icotool, each image's size and hot spot
    QTest::addColumn<QString>("refused");
    QTest::newRow("three sizes, any order")
        << "64, 24 32"
        << "set.cur"
        << QStringList{"--width=24 --height=24 --bit-depth=1 --palette-size=2 --hotspot-x=11 --hotspot-y=10",
                       "--width=32 --height=32 --bit-depth=1 --palette-size=2 --hotspot-x=15 --hotspot-y=14",
                       "--width=64 --height=64 --bit-depth=1 --palette-size=2 --hotspot-x=31 --hotspot-y=29"}
        << "";
    QTest::newRow("256 alone")
        << "256"
        << "big.cur"
        << QStringList{"--width=256 --height=256 --bit-depth=1 --palette-size=2 --hotspot-x=124 --hotspot-y=116"} << "";
    QTest::newRow("no cursor size") << "24, 20"
                                    << "set.cur" << QStringList() << "“20” is not a size";
    QTest::newRow("the picture itself") << "32"
                                        << "drawing.svg" << QStringList() << "drawing.svg";
}

// One file of the whole drawing fitted at each size, drawn anew for each,
// the hot spot moved to the same spot; nothing when anything is wrong.
void WholePictureTest::sizeSet()
{
    QFETCH(QString, sizes);
    QFETCH(QString, target);
    QFETCH(QStringList, listed);
    QFETCH(QString, refused);
    const QString picturePath = path("drawing.svg");
    QVERIFY(testing::writeAll(picturePath, kDrawing));
    QVERIFY(m_window->openPicture(picturePath));
    m_window->findChild<CommonDialog *>()->setBackend(std::make_unique<SaveAnswer>(m_dir->filePath(target)));
    control<QLineEdit>("txtY")->setText(QStringLiteral("14"));
    whenAsked([sizes](QInputDialog *dialog) {
        QCOMPARE(dialog->textValue(), QStringLiteral("24, 32, 48, 64"));
        dialog->setTextValue(sizes);
        dialog->accept();
    });
    chooseFromMenu(QStringLiteral("Make a set of sizes…"));
    QTRY_VERIFY(m_answered && !QApplication::activeModalWidget());
    if (!refused.isEmpty()) {
        QTRY_COMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().contains(refused), qPrintable(m_messages.first()));
        QCOMPARE(testing::readAll(picturePath), kDrawing);
        QVERIFY(!QFile::exists(path("set.cur")));
        return;
    }
    QCOMPARE(m_messages, QStringList());
    const QString file = m_dir->filePath(target);
    const QStringList lines = testing::icotoolList(file).split(u'\n');
    QCOMPARE(lines.size(), listed.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i].contains(listed[i]), qPrintable(lines[i]));
    const CursorFileReading reading = readCursorFile(testing::readAll(file));
    for (const StoredImage &stored : reading.images) {
        const int side = stored.image.width;
        const QRect black(side / 4, side / 4, side / 2, side / 2);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                QCOMPARE(int(stored.image.lookAt(x, y)), int(expected({x, y}, black, {0, 0, side, side})));
    }
    QCOMPARE(note()->toolTip(), QStringLiteral("Wrote %1 in %2.").arg(target, QDir::toNativeSeparators(m_dir->path())));
}

void WholePictureTest::invisible_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<bool>("fit");
    QTest::addColumn<bool>("invisible");
    QImage key(32, 32, QImage::Format_RGB32);
    key.fill(QColor(0, 255, 0));
    QTest::newRow("the background key colour") << key << false << true;
    QTest::newRow("clear") << picture({32, 32}, {}, Qt::transparent) << false << true;
    const QImage corner = picture({64, 64}, {40, 40, 24, 24}, Qt::transparent);
    QTest::newRow("a clear corner of a larger picture") << corner << false << true;
    QTest::newRow("that picture fitted") << corner << true << false;
}

// A cursor nothing of which would show is named, also after Make CUR.
void WholePictureTest::invisible()
{
    QFETCH(QImage, image);
    QFETCH(bool, fit);
    QFETCH(bool, invisible);
    const QString picturePath = path("blank.png");
    QVERIFY(image.save(picturePath));
    m_window->setFitWhole(fit);
    QVERIFY(m_window->openPicture(picturePath));
    const QString warning = QStringLiteral("Every pixel of the cursor is transparent, so it would be invisible.");
    QCOMPARE(note()->toolTip().contains(warning), invisible);
    makeCursor(picturePath);
    QVERIFY(note()->toolTip().startsWith(QStringLiteral("Wrote blank.cur in ")));
    QCOMPARE(note()->toolTip().contains(warning), invisible);
}

QTEST_MAIN(WholePictureTest)
#include "test_whole_picture.moc"
