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
#include <QInputDialog>
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

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

// A PNG of `size`, `around` with a black rectangle.
QByteArray png(QSize size, QRect black, QColor around = Qt::white)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(around);
    QPainter(&image).fillRect(black, Qt::black);
    return pngOf(image);
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

const QString kInvisible = QStringLiteral("Every pixel of the cursor is transparent, so it would be invisible.");

} // namespace

class WholePictureTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_window.reset(); }
    void fit_data();
    void fit();
    void choosePart_data();
    void choosePart();
    void nearColours_data();
    void nearColours();
    void sizeSet_data();
    void sizeSet();

private:
    template <typename T> T *control(const char *name) const { return testing::controlOf<T>(m_window.get(), name); }
    QLabel *note() const { return control<QLabel>("lblNote"); }
    PictureBox *preview() const { return control<PictureBox>("picBMP"); }
    QString load(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(name);
        return testing::writeAll(path, bytes) && m_window->openPicture(path) ? path : QString();
    }
    QByteArray makeCursor(const QString &picture)
    {
        QTest::mouseClick(control<QPushButton>("cmdMakeCUR"), Qt::LeftButton);
        return testing::readAll(cursorPathFor(picture));
    }
    // Clicks the note's link where it shows, in the link colour.
    bool clickLink();
    void toggleFit(bool byLink)
    {
        if (byLink)
            QVERIFY(clickLink());
        else
            chooseFromMenu(QStringLiteral("Fit the whole picture"));
    }
    // Chooses an item of the preview's menu, answering the input dialog it
    // opens with `answer`.
    void chooseFromMenu(const QString &item, const std::function<void(QInputDialog *)> &answer = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FrmConverter> m_window;
    QStringList m_messages;
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
    auto *catcher = new QTimer(m_window.get());
    connect(catcher, &QTimer::timeout, this, [this] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            m_messages << box->informativeText();
            box->accept();
        }
    });
    catcher->start(5);
}

bool WholePictureTest::clickLink()
{
    const QImage shot = note()->grab().toImage();
    QRect found;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == note()->palette().color(QPalette::Link).rgb())
                found |= QRect(x, y, 1, 1);
    const QPoint at = (QPointF(found.center()) / shot.devicePixelRatio()).toPoint();
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, note()->mapTo(m_window.get(), at));
    return !found.isEmpty();
}

void WholePictureTest::chooseFromMenu(const QString &item, const std::function<void(QInputDialog *)> &answer)
{
    bool answered = !answer;
    QTimer asking;
    connect(&asking, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget()); dialog && !answered) {
            answered = true;
            answer(dialog);
        }
    });
    asking.start(5);
    QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {}, preview()->mapTo(m_window.get(), QPoint(5, 5)));
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = preview()->findChild<QMenu *>(QStringLiteral("previewMenu"))) && menu->isVisible());
    for (QAction *action : menu->actions())
        if (action->text() == item)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QTRY_VERIFY(answered && !QApplication::activeModalWidget());
}

void WholePictureTest::fit_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("told");   // by the note, not fitted
    QTest::addColumn<QRect>("black");    // in the fitted cursor
    QTest::addColumn<QRect>("covered");  // by the picture, in the fitted cursor
    QTest::addColumn<bool>("invisible"); // fitted
    const QString corner = QStringLiteral("Only the top-left 32\u00a0×\u00a032 of this %1 picture is used.");
    QTest::newRow("256 x 256") << "square.png" << png({256, 256}, {64, 64, 128, 128})
                               << corner.arg("256\u00a0×\u00a0256") << QRect(8, 8, 16, 16) << QRect(0, 0, 32, 32)
                               << false;
    QTest::newRow("256 x 128, centred") << "wide.png" << png({256, 128}, {64, 32, 128, 64})
                                        << corner.arg("256\u00a0×\u00a0128") << QRect(8, 12, 16, 8)
                                        << QRect(0, 8, 32, 16) << false;
    QTest::newRow("a clear corner, fitted seen") << "corner.png" << png({64, 64}, {40, 40, 24, 24}, Qt::transparent)
                                                 << kInvisible + u' ' + corner.arg("64\u00a0×\u00a064")
                                                 << QRect(20, 20, 12, 12) << QRect(20, 20, 12, 12) << false;
    // Drawn anew at 256 for the fit, where at its own size it fits whole.
    QTest::newRow("10 x 10 drawing") << "drawing.svg" << kDrawing << "" << QRect(8, 8, 16, 16) << QRect(0, 0, 32, 32)
                                     << false;
    QTest::newRow("the background key colour")
        << "green.png" << png({32, 32}, {}, QColor(0, 255, 0)) << kInvisible << QRect() << QRect() << true;
}

// One click fits the whole picture, on the note's link where it has one,
// else in the menu: the preview shows what Make CUR writes, the cursor the
// fit rule makes. A second click goes back.
void WholePictureTest::fit()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, told);
    QFETCH(QRect, black);
    QFETCH(QRect, covered);
    QFETCH(bool, invisible);
    const QString picture = load(file, bytes);
    QVERIFY(!picture.isEmpty());
    const QImage unfitted = preview()->shownImage();
    QCOMPARE(note()->toolTip(), told);
    const bool byLink = told.contains(QStringLiteral("top-left"));
    toggleFit(byLink);
    const QString fitted = QStringLiteral("The whole picture is fitted into the cursor.");
    QTRY_COMPARE(note()->toolTip(), invisible ? kInvisible + u' ' + fitted : fitted);

    const QImage shown = preview()->shownImage();
    const QByteArray cursor = makeCursor(picture);
    const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 255, 0)};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const CursorLook look = expected({x, y}, black, covered);
            QCOMPARE(testing::lookAt(cursor, x, y), look);
            QCOMPARE(shown.pixel(x, y), colours[int(look)]);
        }
    }
    QCOMPARE(cursor.mid(10, 4), QByteArray::fromHex("0f000f00"));
    // After Make CUR, what was written, then what holds.
    QVERIFY(note()->toolTip().startsWith(QStringLiteral("Wrote ")));
    QCOMPARE(note()->toolTip().contains(kInvisible), invisible);

    toggleFit(byLink);
    QTRY_VERIFY(!note()->toolTip().contains(fitted));
    QVERIFY(note()->toolTip().endsWith(told));
    QCOMPARE(preview()->shownImage(), unfitted);
    QCOMPARE(m_messages, QStringList());
}

void WholePictureTest::choosePart_data()
{
    QTest::addColumn<QPoint>("drag"); // from the preview's pixel 20, 25
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QString>("hotSpot");
    QTest::newRow("drag up and left") << QPoint(-12, -7) << QList<QKeyCombination>() << QPoint(12, 7) << "15, 15";
    QTest::newRow("drag stops at the edge") << QPoint(10, 3) << QList<QKeyCombination>() << QPoint(0, 0) << "15, 15";
    QTest::newRow("a small move is a click") << QPoint(-1, 1) << QList<QKeyCombination>() << QPoint(0, 0) << "20, 25";
    QTest::newRow("Shift+arrows, a plain arrow") << QPoint()
                                                 << QList{Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Right,
                                                          Qt::SHIFT | Qt::Key_Down, QKeyCombination(Qt::Key_Left)}
                                                 << QPoint(2, 1) << "14, 15";
    QTest::newRow("Ctrl+Shift+Down, Shift+Left at the edge")
        << QPoint() << QList{Qt::CTRL | Qt::SHIFT | Qt::Key_Down, Qt::SHIFT | Qt::Key_Left} << QPoint(0, 32)
        << "15, 15";
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
    const QString picture = load(QStringLiteral("pattern.png"), pngOf(pattern));

    const QPoint start = preview()->mapTo(m_window.get(), QPoint(20, 25));
    if (keys.isEmpty()) {
        QTest::mousePress(m_window->windowHandle(), Qt::LeftButton, {}, start);
        QTest::mouseMove(m_window->windowHandle(), start + drag / 2);
        QTest::mouseMove(m_window->windowHandle(), start + drag);
        QTest::mouseRelease(m_window->windowHandle(), Qt::LeftButton, {}, start + drag);
    }
    preview()->setFocus();
    for (const QKeyCombination key : keys)
        QTest::keyClick(preview(), key.key(), key.keyboardModifiers());
    QCOMPARE(control<QLineEdit>("txtX")->text() + ", " + control<QLineEdit>("txtY")->text(), hotSpot);
    const QString part = from.isNull() ? QStringLiteral("Only the top-left 32\u00a0×\u00a032 of this")
                                       : QStringLiteral("Pixels %1–%2, %3–%4 of this")
                                             .arg(from.x())
                                             .arg(from.x() + 31)
                                             .arg(from.y())
                                             .arg(from.y() + 31);
    QVERIFY2(note()->toolTip().startsWith(part), qPrintable(note()->toolTip()));
    const QByteArray cursor = makeCursor(picture);
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
    const QString picture = load(QStringLiteral("photo.png"), pngOf(image));
    chooseFromMenu(QStringLiteral("Near colours…"), [tolerance](QInputDialog *dialog) {
        auto *spin = dialog->findChild<QSpinBox *>();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(tolerance));
        QTest::keyClick(spin, Qt::Key_Return);
    });
    QCOMPARE(m_window->keyColours().tolerance, tolerance);

    const QImage shown = preview()->shownImage();
    const QByteArray cursor = makeCursor(picture);
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
    const QString image = QStringLiteral("--width=%1 --height=%1 --bit-depth=1 --palette-size=2 --hotspot-x=%2 "
                                         "--hotspot-y=%3");
    QTest::newRow("three sizes, any order")
        << "64, 24 32"
        << "set.cur"
        << QStringList{image.arg(24).arg(11).arg(10), image.arg(32).arg(15).arg(14), image.arg(64).arg(31).arg(29)}
        << "";
    QTest::newRow("256 alone") << "256"
                               << "big.cur" << QStringList{image.arg(256).arg(124).arg(116)} << "";
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
    const QString picture = load(QStringLiteral("drawing.svg"), kDrawing);
    m_window->findChild<CommonDialog *>()->setBackend(std::make_unique<SaveAnswer>(m_dir->filePath(target)));
    control<QLineEdit>("txtY")->setText(QStringLiteral("14"));
    chooseFromMenu(QStringLiteral("Make a set of sizes…"), [sizes](QInputDialog *dialog) {
        QCOMPARE(dialog->textValue(), QStringLiteral("24, 32, 48, 64"));
        dialog->setTextValue(sizes);
        dialog->accept();
    });
    if (!refused.isEmpty()) {
        QTRY_COMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().contains(refused), qPrintable(m_messages.first()));
        QCOMPARE(testing::readAll(picture), kDrawing);
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("set.cur"))));
        return;
    }
    const QString file = m_dir->filePath(target);
    const QStringList lines = testing::icotoolList(file).split(u'\n');
    QCOMPARE(lines.size(), listed.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i].contains(listed[i]), qPrintable(lines[i]));
    for (const StoredImage &stored : readCursorFile(testing::readAll(file)).images) {
        const int side = stored.image.width;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                QCOMPARE(int(stored.image.lookAt(x, y)),
                         int(expected({x, y}, {side / 4, side / 4, side / 2, side / 2}, {0, 0, side, side})));
    }
    QCOMPARE(note()->toolTip(), QStringLiteral("Wrote %1 in %2.").arg(target, QDir::toNativeSeparators(m_dir->path())));
    QCOMPARE(m_messages, QStringList());
}

QTEST_MAIN(WholePictureTest)
#include "test_whole_picture.moc"
