// SPDX-License-Identifier: MIT
// A cursor opened in the window to be changed: shown with its hot spot,
// made again byte for byte, written over its own file only after Yes, and
// saved under another name with Save as…; Qt's own dialogs answered as a
// person answers them.
#include "cursor_file.h"
#include "main_window.h"
#include "picture_box.h"
#include "test_support.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QImageWriter>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <deque>
#include <memory>

using namespace pixelwick;
using namespace testing;

namespace {

const QString kConvert = QStringLiteral(PIXELWICK_CONVERT);
const QColor kBlue(12, 34, 200);
const QColor kYellow(250, 240, 20);

// What a person answers, in turn: a file chosen (an empty one cancels), a
// colour, or a button of a message box.
struct Answer {
    QString file;
    QColor colour;
    QMessageBox::StandardButton button = QMessageBox::NoButton;
};
using Answers = std::deque<Answer>;

// An arrow of black and white on green (transparent), with a bar of
// magenta (inverting) beside it, as an I-beam.
QImage arrowPicture()
{
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(QColor(0, 255, 0));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x <= y / 2; ++x)
            picture.setPixelColor(x, y, x == 0 || x == y / 2 ? Qt::black : Qt::white);
    for (int y = 4; y < 28; ++y)
        picture.setPixelColor(20, y, QColor(255, 0, 255));
    return picture;
}

QPoint hotSpotOf(const QByteArray &cursor)
{
    return {int(littleEndianAt(cursor, kHotSpotXOffset, 2)), int(littleEndianAt(cursor, kHotSpotYOffset, 2))};
}

// One image a size: transparent, with a black pixel at (size / 8, 1) and
// the hot spot at (size / 2 - 1, 2), so that each tells which image is
// shown and how far it reaches.
class SizedSource : public PixelSource {
public:
    explicit SizedSource(int size) : m_size(size) {}
    ColourValue colourAt(int x, int y) const override
    {
        if (x < 0 || y < 0 || x >= m_size || y >= m_size)
            return kNoColour;
        return x == m_size / 8 && y == 1 ? kBlack : kDefaultKeyColours.background;
    }

private:
    int m_size;
};

} // namespace

class OpenedCursorsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void madeAgain_data();
    void madeAgain();
    void severalImages_data();
    void severalImages();
    void colourIcon();
    void neverOverAPicture_data();
    void neverOverAPicture();
    void saveAs_data();
    void saveAs();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    template <typename T> T *control(const char *name) const { return controlOf<T>(m_window.get(), name); }
    QStringList fields() const { return {control<QLineEdit>("txtX")->text(), control<QLineEdit>("txtY")->text()}; }
    void setFields(QPoint hotSpot)
    {
        control<QLineEdit>("txtX")->setText(QString::number(hotSpot.x()));
        control<QLineEdit>("txtY")->setText(QString::number(hotSpot.y()));
    }
    // Answers each modal dialog as it opens with the next answer, and
    // notes each message box: its name, text and informative text.
    void answer(Answers answers);
    void makeCur() { control<QPushButton>("cmdMakeCUR")->click(); }
    QImage preview() const { return control<PictureBox>("picBMP")->shownImage(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FrmConverter> m_window;
    std::unique_ptr<QTimer> m_answering;
    Answers m_answers;
    QStringList m_boxes;
    // The dialogs answered, each once.
    QList<QPointer<QWidget>> m_seen;
};

void OpenedCursorsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_boxes.clear();
    m_answers.clear();
    m_seen.clear();
    m_window = std::make_unique<FrmConverter>();
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Base, Qt::white);
    m_window->setPalette(palette);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(arrowPicture().save(path(QStringLiteral("arrow.png"))));
    m_answering = std::make_unique<QTimer>();
    connect(m_answering.get(), &QTimer::timeout, this, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        // A box nobody expected is noted and closed, never left waiting.
        // Each answer is given once this check is done: a dialog that opens
        // another would otherwise wait on it.
        const Answer next = m_answers.empty() ? Answer{{}, {}, QMessageBox::NoButton} : m_answers.front();
        const auto later = [](QObject *target, const char *slot) {
            QMetaObject::invokeMethod(target, slot, Qt::QueuedConnection);
        };
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (m_seen.contains(box))
                return;
            m_boxes << box->objectName() + u':' + box->text() + u':' + box->informativeText();
            m_seen << box;
            if (m_answers.empty()) {
                later(box, "reject");
                return;
            }
            m_answers.pop_front();
            later(box->button(next.button), "click");
        } else if (m_answers.empty() || m_seen.contains(modal)) {
            return;
        } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            m_answers.pop_front();
            m_seen << files;
            if (next.file.isEmpty()) {
                later(files, "reject");
                return;
            }
            files->selectFile(next.file);
            later(files, "accept");
        } else if (auto *colours = qobject_cast<QColorDialog *>(modal)) {
            m_answers.pop_front();
            m_seen << colours;
            colours->setCurrentColor(next.colour);
            later(colours, "accept");
        }
    });
    m_answering->start(5);
}

void OpenedCursorsTest::cleanup()
{
    m_answering.reset();
    m_window.reset();
    m_dir.reset();
}

void OpenedCursorsTest::answer(Answers answers)
{
    m_answers = std::move(answers);
}

void OpenedCursorsTest::madeAgain_data()
{
    QTest::addColumn<bool>("byConverter"); // else by Make CUR
    QTest::addColumn<QPoint>("hotSpot");
    QTest::addColumn<QPoint>("moved"); // the hot spot typed before Make CUR
    QTest::addColumn<bool>("dropped"); // else opened as `pixelwick FILE` opens it
    QTest::addColumn<QMessageBox::StandardButton>("reply");
    QTest::newRow("Make CUR's, unchanged") << false << QPoint(0, 0) << QPoint(0, 0) << false << QMessageBox::Yes;
    QTest::newRow("the converter's, dropped, unchanged")
        << true << QPoint(3, 30) << QPoint(3, 30) << true << QMessageBox::Yes;
    QTest::newRow("hot spot moved, No") << false << QPoint(15, 15) << QPoint(7, 8) << false << QMessageBox::No;
    QTest::newRow("hot spot moved, Yes") << true << QPoint(31, 0) << QPoint(20, 21) << false << QMessageBox::Yes;
}

// An opened cursor shows every look, in the swatches' colours as they are
// when it opens, takes the file's hot spot, and Make CUR writes its bytes
// again over it, only after Yes.
void OpenedCursorsTest::madeAgain()
{
    QFETCH(bool, byConverter);
    QFETCH(QPoint, hotSpot);
    QFETCH(QPoint, moved);
    QFETCH(bool, dropped);
    QFETCH(QMessageBox::StandardButton, reply);
    const QString cursor = path(QStringLiteral("arrow.cur"));
    if (byConverter) {
        const Run run = runProgram(
            kConvert,
            {"--hotspot-x", QString::number(hotSpot.x()), "--hotspot-y", QString::number(hotSpot.y()), "arrow.png"},
            m_dir->path());
        QCOMPARE(run.exitCode, 0);
    } else {
        QVERIFY(m_window->openPicture(path(QStringLiteral("arrow.png"))));
        setFields(hotSpot);
        makeCur();
    }
    const QByteArray made = readAll(cursor);
    QCOMPARE(made.size(), kCursorFileSize);
    QCOMPARE(lookAt(made, 20, 10), Look::Inverted);

    // Other swatch colours than those it was made with.
    answer({{{}, kYellow}, {{}, kBlue}});
    QTest::mouseClick(control<PictureBox>("picBG"), Qt::LeftButton);
    QTest::mouseClick(control<PictureBox>("picInvert"), Qt::LeftButton);
    QCOMPARE(control<PictureBox>("picInvert")->backColour(), kBlue);
    if (dropped) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(cursor)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &drop);
        QTRY_COMPARE(m_window->windowTitle().section(u' ', 0, 0), QStringLiteral("arrow.cur"));
    } else {
        QVERIFY(m_window->openPicture(cursor));
    }
    QCOMPARE(fields(), (QStringList{QString::number(hotSpot.x()), QString::number(hotSpot.y())}));
    QImage expected(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Look look = lookAt(made, x, y);
            expected.setPixelColor(x, y,
                                   look == Look::Black         ? QColor(Qt::black)
                                   : look == Look::White       ? QColor(Qt::white)
                                   : look == Look::Transparent ? kYellow
                                                               : kBlue);
        }
    }
    QCOMPARE(preview().convertToFormat(QImage::Format_RGB32), expected);

    setFields(moved);
    answer({{{}, {}, reply}});
    makeCur();
    QCOMPARE(m_boxes, QStringList{"replaceQuestion:Replace arrow.cur with the changed cursor?:"});
    QByteArray again = made;
    if (reply == QMessageBox::Yes) {
        qToLittleEndian<qint16>(qint16(moved.x()), again.data() + kHotSpotXOffset);
        qToLittleEndian<qint16>(qint16(moved.y()), again.data() + kHotSpotYOffset);
    }
    QCOMPARE(readAll(cursor), again);
    QCOMPARE(listing(m_dir->path()), (QStringList{"arrow.cur", "arrow.png"}));
}

void OpenedCursorsTest::severalImages_data()
{
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<int>("shown");
    QTest::newRow("32 among others") << QList<int>{24, 48, 32} << 32;
    QTest::newRow("the nearest") << QList<int>{48, 24} << 24;
    QTest::newRow("as near, the larger") << QList<int>{16, 48} << 48;
    QTest::newRow("only a larger one") << QList<int>{64} << 64;
}

void OpenedCursorsTest::severalImages()
{
    QFETCH(QList<int>, sizes);
    QFETCH(int, shown);
    std::deque<SizedSource> sources;
    QList<CursorFrame> frames;
    for (const int size : sizes) {
        sources.emplace_back(size);
        frames.append({size, HotSpot{std::int16_t(size / 2 - 1), 2}, &sources.back()});
    }
    const QByteArray bytes = cursorFileBytes(frames, kDefaultKeyColours);
    const QString cursor = path(QStringLiteral("sizes.cur"));
    QVERIFY(writeAll(cursor, bytes));
    QVERIFY(m_window->openPicture(cursor));
    QCOMPARE(fields(), (QStringList{QString::number(shown / 2 - 1), "2"}));
    QCOMPARE(preview().pixelColor(shown / 8, 1), QColor(Qt::black));
    QCOMPARE(preview().pixelColor(shown / 8, 2), QColor(0, 255, 0));
    // The window colour where a smaller image does not reach.
    QCOMPARE(preview().pixelColor(31, 31), shown < 32 ? QColor(Qt::white) : QColor(0, 255, 0));

    // Its other images would be lost: the question says so, and No keeps them.
    answer({{{}, {}, QMessageBox::No}});
    makeCur();
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY2(m_boxes[0].contains(QStringLiteral("holds %1 images").arg(sizes.size())) == (sizes.size() > 1),
             qPrintable(m_boxes[0]));
    QCOMPARE(readAll(cursor), bytes);
}

// An icon's colour image is a picture as any other: its see-through pixels
// show the background swatch, its colours are taken by brightness, and an
// icon has no hot spot to take.
void OpenedCursorsTest::colourIcon()
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 8; y < 16; ++y)
        for (int x = 8; x < 16; ++x)
            picture.setPixelColor(x, y, QColor(200, 0, 0));
    picture.setPixelColor(20, 20, Qt::white);
    QImageWriter writer(path(QStringLiteral("icon.ico")), "ico");
    if (!writer.canWrite())
        QSKIP("Qt cannot write icons here");
    QVERIFY(writer.write(picture));
    setFields({4, 5});
    QVERIFY(m_window->openPicture(path(QStringLiteral("icon.ico"))));
    QCOMPARE(fields(), (QStringList{"4", "5"}));
    QCOMPARE(preview().pixelColor(0, 0), QColor(0, 255, 0));
    QCOMPARE(preview().pixelColor(10, 10), QColor(200, 0, 0));
    makeCur();
    QCOMPARE(m_boxes, QStringList());
    const QByteArray cursor = readAll(path(QStringLiteral("icon.cur")));
    QCOMPARE(hotSpotOf(cursor), QPoint(4, 5));
    QCOMPARE(lookAt(cursor, 0, 0), Look::Transparent);
    QCOMPARE(lookAt(cursor, 10, 10), Look::Black);
    QCOMPARE(lookAt(cursor, 20, 20), Look::White);
}

void OpenedCursorsTest::neverOverAPicture_data()
{
    QTest::addColumn<bool>("openedAsCursor");
    QTest::newRow("a picture renamed to its cursor's name") << false;
    QTest::newRow("a cursor's file replaced by a picture") << true;
}

// Only the very file opened as a cursor is ever replaced: a picture that
// has taken its name since is refused with one message, and no question.
void OpenedCursorsTest::neverOverAPicture()
{
    QFETCH(bool, openedAsCursor);
    const QString cursor = path(QStringLiteral("arrow.cur"));
    const QString picture = path(QStringLiteral("arrow.png"));
    if (openedAsCursor) {
        QCOMPARE(runProgram(kConvert, {"arrow.png"}, m_dir->path()).exitCode, 0);
        QVERIFY(m_window->openPicture(cursor));
        QVERIFY(QFile::remove(cursor));
    } else {
        QVERIFY(m_window->openPicture(picture));
    }
    const QByteArray pictureBytes = readAll(picture);
    QVERIFY(QFile::rename(picture, cursor));
    answer({{{}, {}, QMessageBox::Ok}});
    makeCur();
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY2(m_boxes[0].startsWith(QStringLiteral("failureMessage:")), qPrintable(m_boxes[0]));
    QCOMPARE(readAll(cursor), pictureBytes);
    QCOMPARE(listing(m_dir->path()), QStringList{"arrow.cur"});
}

void OpenedCursorsTest::saveAs_data()
{
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("chosen"); // empty: cancelled
    QTest::addColumn<QList<QMessageBox::StandardButton>>("replies");
    QTest::addColumn<QStringList>("boxes"); // the names of the boxes shown
    QTest::addColumn<bool>("written");
    using Buttons = QList<QMessageBox::StandardButton>;
    QTest::newRow("another folder") << "arrow.png"
                                    << "elsewhere/pointer.cur" << Buttons{} << QStringList{} << true;
    QTest::newRow("cancelled") << "arrow.png" << QString() << Buttons{} << QStringList{} << false;
    QTest::newRow("over the picture") << "arrow.png"
                                      << "arrow.png" << Buttons{QMessageBox::Yes, QMessageBox::Ok}
                                      << QStringList{"", "failureMessage"} << false;
    QTest::newRow("over the opened cursor, Yes")
        << "arrow.cur"
        << "arrow.cur" << Buttons{QMessageBox::Yes, QMessageBox::Yes} << QStringList{"", "replaceQuestion"} << true;
    QTest::newRow("over the opened cursor, No")
        << "arrow.cur"
        << "arrow.cur" << Buttons{QMessageBox::Yes, QMessageBox::No} << QStringList{"", "replaceQuestion"} << false;
}

// Save as… (Ctrl+Shift+S) in Qt's own file dialog: any name and folder,
// by the same rules as every write.
void OpenedCursorsTest::saveAs()
{
    QFETCH(QString, opened);
    QFETCH(QString, chosen);
    QFETCH(QList<QMessageBox::StandardButton>, replies);
    QFETCH(QStringList, boxes);
    QFETCH(bool, written);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("elsewhere")));
    QCOMPARE(runProgram(kConvert, {"--hotspot-x", "1", "--hotspot-y", "2", "arrow.png"}, m_dir->path()).exitCode, 0);
    QVERIFY(m_window->openPicture(path(opened)));
    setFields({9, 10});
    const QString target = chosen.isEmpty() ? QString() : path(chosen);
    const QByteArray before = readAll(target);
    Answers answers{{target, {}, QMessageBox::NoButton}};
    for (const QMessageBox::StandardButton reply : replies)
        answers.push_back({{}, {}, reply});
    answer(answers);
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(m_answers.empty());
    QStringList shown;
    for (const QString &box : std::as_const(m_boxes))
        shown << box.section(u':', 0, 0);
    QCOMPARE(shown, boxes);
    if (!written) {
        QCOMPARE(readAll(target), before);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("elsewhere/pointer.cur"))));
        return;
    }
    const QByteArray cursor = readAll(target);
    QCOMPARE(cursor.size(), kCursorFileSize);
    QCOMPARE(hotSpotOf(cursor), QPoint(9, 10));
    QCOMPARE(lookAt(cursor, 20, 10), Look::Inverted);
    QCOMPARE(lookAt(cursor, 0, 5), Look::Black);
}

QTEST_MAIN(OpenedCursorsTest)
#include "test_opened_cursors.moc"
