// SPDX-License-Identifier: MIT
#include "main_window.h"
#include "picture_loading.h"
#include "test_support.h"

#include <QApplication>
#include <QBuffer>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <optional>
#include <sys/stat.h>
#include <utility>

using namespace pixelwick;
using namespace testing;

namespace {

const QColor kGreen(0, 255, 0);
const QColor kMagenta(255, 0, 255);

// Answers the window's dialogs from a script and notes what it was asked.
struct Script {
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<QColor>> colours;
    QStringList askedFolders;
    QList<QColor> askedColours;
};

// The next scripted answer; a dialog with none left is cancelled.
template <typename T> std::optional<T> nextAnswer(std::deque<std::optional<T>> &answers)
{
    if (answers.empty())
        return std::nullopt;
    // Moved out through exchange: a plain copy draws a false
    // maybe-uninitialized warning from GCC 12 at -O2.
    auto answer = std::exchange(answers.front(), std::nullopt);
    answers.pop_front();
    return answer;
}

class ScriptedDialogs : public DialogBackend {
public:
    explicit ScriptedDialogs(Script &script) : m_script(script) {}
    std::optional<QString> askOpenFile(QWidget *, const QString &initialFolder) override
    {
        m_script.askedFolders << initialFolder;
        return nextAnswer(m_script.files);
    }
    std::optional<QColor> askColour(QWidget *, const QColor &initial) override
    {
        m_script.askedColours << initial;
        return nextAnswer(m_script.colours);
    }
    std::optional<QString> askSaveFile(QWidget *, const QString &) override { return std::nullopt; }

private:
    Script &m_script;
};

// Closes every message box the window shows and keeps what it said.
class MessageCatcher : public QObject {
public:
    MessageCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                titles << box->windowTitle();
                kinds << box->text();
                messages << box->informativeText();
                box->accept();
            }
        });
        m_timer.start(5);
    }
    QStringList titles, kinds, messages;

private:
    QTimer m_timer;
};

// Runs `step` once the next modal dialog of type T is up.
template <typename T> void whenDialogOpens(const std::function<void(T *)> &step)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            step(dialog);
        }
    });
    poll->start(5);
}

QImage filled(int width, int height, QColor colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startState();
    void controls_data();
    void controls();
    void tabOrderAndKeys();
    void resizingKeepsPlaces();
    void lookHoldsWhenScaled();

    void loadAndConvert_data();
    void loadAndConvert();
    void previewFollowsColourScheme();
    void secondPictureReplacesFirst();
    void cancelledOpenChangesNothing();

    void swatches_data();
    void swatches();

    void makeFailures_data();
    void makeFailures();
    void makeIntoPipeNeverWaits();
    void makeAfterPictureMoved_data();
    void makeAfterPictureMoved();
    void badPictures_data();
    void badPictures();
    void readingKeepsWindowAlive();

    void looksPopup();
    void looksPopupByKeyboard();
    void realDialogs();

private:
    template <typename T> T *control(const char *name) const { return testing::controlOf<T>(m_window.get(), name); }
    CommonDialog *dialog() const { return control<CommonDialog>("CommonDialog"); }
    void pressOn(const char *name, Qt::Key key)
    {
        // A closed message box can leave no window active.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        control<QWidget>(name)->setFocus();
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(name));
        QTest::keyClick(control<QWidget>(name), key);
    }
    void click(const char *name) { QTest::mouseClick(control<QWidget>(name), Qt::LeftButton); }
    QString savePicture(const QString &name, const QImage &image);
    const MessageCatcher &expectMessages()
    {
        m_messagesExpected = true;
        return *m_messages;
    }
    // Load BMP through the scripted dialog.
    void load(const QString &path);
    QImage preview() const { return control<PictureBox>("picBMP")->shownImage(); }

    std::unique_ptr<FrmConverter> m_window;
    std::unique_ptr<QTemporaryDir> m_dir;
    Script m_script;
    // Always present, so that an unexpected message box fails the test
    // instead of waiting for a click forever.
    std::unique_ptr<MessageCatcher> m_messages;
    bool m_messagesExpected = false;
};

void MainWindowTest::initTestCase()
{
    // As the program names itself at start.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Pixelwick"));
    // The test's image reader that hangs or crashes on purpose.
    QCoreApplication::addLibraryPath(QStringLiteral(PIXELWICK_STUCK_READER));
}

void MainWindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_script = Script();
    m_messages = std::make_unique<MessageCatcher>();
    m_messagesExpected = false;
    m_window = std::make_unique<FrmConverter>();
    // The usual colour scheme: white preview background.
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Base, Qt::white);
    m_window->setPalette(palette);
    dialog()->setBackend(std::make_unique<ScriptedDialogs>(m_script));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void MainWindowTest::cleanup()
{
    const QStringList unexpected = m_messagesExpected ? QStringList() : m_messages->messages;
    m_window.reset();
    m_messages.reset();
    m_dir.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable(QStringLiteral("unexpected message: ") + unexpected.join(u'\n')));
}

QString MainWindowTest::savePicture(const QString &name, const QImage &image)
{
    const QString path = m_dir->filePath(name);
    if (!image.save(path))
        qWarning("could not save %s", qPrintable(path));
    return path;
}

void MainWindowTest::load(const QString &path)
{
    m_script.files.push_back(path);
    click("cmdLoadBMP");
}

void MainWindowTest::startState()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmConverter"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Pixelwick"));
    QCOMPARE(m_window->size(), QSize(317, 134));
    QCOMPARE(control<QLineEdit>("txtX")->text(), QStringLiteral("15"));
    QCOMPARE(control<QLineEdit>("txtY")->text(), QStringLiteral("15"));
    QCOMPARE(control<PictureBox>("picBG")->backColour(), kGreen);
    QCOMPARE(control<PictureBox>("picInvert")->backColour(), kMagenta);
    QCOMPARE(preview(), filled(32, 32, Qt::white));
    QCOMPARE(dialog()->FileName(), QString());
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("cmdLoadBMP"));
    // Only the focused button takes Enter; no caption has an access key.
    QVERIFY(!control<QPushButton>("cmdMakeCUR")->isDefault());
    for (const char *name : {"cmdLoadBMP", "cmdMakeCUR"})
        QVERIFY(control<QPushButton>(name)->text().indexOf(u'&') < 0);
}

void MainWindowTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rightAligned");
    QTest::newRow("cmdLoadBMP") << "cmdLoadBMP" << QRect(8, 8, 97, 25) << "Load BMP" << false;
    QTest::newRow("picBMP") << "picBMP" << QRect(40, 40, 32, 32) << "" << false;
    QTest::newRow("cmdMakeCUR") << "cmdMakeCUR" << QRect(208, 96, 97, 25) << "Make CUR" << false;
    QTest::newRow("picBG") << "picBG" << QRect(272, 8, 32, 32) << "" << false;
    QTest::newRow("picInvert") << "picInvert" << QRect(272, 48, 32, 32) << "" << false;
    QTest::newRow("txtX") << "txtX" << QRect(152, 32, 33, 19) << "15" << false;
    QTest::newRow("txtY") << "txtY" << QRect(152, 56, 33, 19) << "15" << false;
    QTest::newRow("lblBG") << "lblBG" << QRect(200, 16, 65, 17) << "background:" << true;
    QTest::newRow("lblInvert") << "lblInvert" << QRect(200, 56, 65, 17) << "invert:" << true;
    QTest::newRow("lblX") << "lblX" << QRect(128, 32, 17, 17) << "x:" << false;
    QTest::newRow("lblY") << "lblY" << QRect(128, 56, 17, 17) << "y:" << false;
    QTest::newRow("lblHotSpot") << "lblHotSpot" << QRect(120, 16, 65, 17) << "Hot Spot:" << false;
}

void MainWindowTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, rightAligned);
    QWidget *widget = control<QWidget>(qPrintable(name));
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    QString shown;
    if (auto *asLabel = qobject_cast<QLabel *>(widget)) {
        shown = asLabel->text();
        QCOMPARE(bool(asLabel->alignment() & Qt::AlignRight), rightAligned);
        QCOMPARE(asLabel->focusPolicy(), Qt::NoFocus);
    } else if (auto *asButton = qobject_cast<QPushButton *>(widget)) {
        shown = asButton->text();
    } else if (auto *asField = qobject_cast<QLineEdit *>(widget)) {
        shown = asField->text();
    }
    QCOMPARE(shown, text);
    // The caption must fit its fixed size in the font the window chose.
    const QFontMetrics metrics(widget->font());
    QVERIFY2(metrics.horizontalAdvance(text) <= geometry.width(), qPrintable(name));
    QVERIFY2(metrics.height() <= geometry.height(), qPrintable(name));
}

void MainWindowTest::tabOrderAndKeys()
{
    const QStringList order{"cmdLoadBMP", "picBMP", "cmdMakeCUR", "picBG", "picInvert", "txtX", "txtY", "cmdLoadBMP"};
    for (const QString &name : order) {
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    const MessageCatcher &catcher = expectMessages();
    // Escape presses no button, Enter presses the focused one.
    pressOn("cmdMakeCUR", Qt::Key_Escape);
    QTest::qWait(30);
    QCOMPARE(catcher.kinds.size(), 0);
    pressOn("cmdMakeCUR", Qt::Key_Return);
    QTRY_COMPARE(catcher.kinds, QStringList{QStringLiteral("Invalid argument")});
    QCOMPARE(m_script.askedFolders.size(), 0);

    // Enter in a text field presses nothing; Space on a swatch opens its dialog.
    pressOn("txtX", Qt::Key_Return);
    QTest::qWait(30);
    QCOMPARE(catcher.kinds.size(), 1);
    m_script.colours.push_back(QColor(1, 2, 3));
    pressOn("picInvert", Qt::Key_Space);
    QCOMPARE(control<PictureBox>("picInvert")->backColour(), QColor(1, 2, 3));
}

void MainWindowTest::resizingKeepsPlaces()
{
    QVERIFY(m_window->minimumSize().width() <= 317);
    m_window->resize(600, 400);
    QTRY_COMPARE(m_window->size(), QSize(600, 400));
    QCOMPARE(control<QWidget>("cmdMakeCUR")->geometry(), QRect(208, 96, 97, 25));
    QCOMPARE(control<QWidget>("picInvert")->geometry(), QRect(272, 48, 32, 32));
}

void MainWindowTest::lookHoldsWhenScaled()
{
    // Under display scaling (the suite also runs at QT_SCALE_FACTOR=2) the
    // preview draws each picture pixel as a whole block of screen pixels,
    // and the converted pixels stay the picture's own.
    QImage picture = filled(32, 32, Qt::white);
    for (int i = 0; i < 32; ++i)
        picture.setPixelColor(i, i, Qt::black);
    load(savePicture(QStringLiteral("diagonal.png"), picture));
    QCOMPARE(preview(), picture);

    auto *box = control<PictureBox>("picBMP");
    // Without a hot spot, so that no mark covers the picture.
    control<QLineEdit>("txtX")->clear();
    const QImage screen = box->grab().toImage();
    const qreal ratio = box->devicePixelRatioF();
    QCOMPARE(screen.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            // Sample the middle of each block, clear of the focus frame.
            if (x < 3 || y < 3 || x > 28 || y > 28)
                continue;
            const QPoint at(int((x + 0.5) * ratio), int((y + 0.5) * ratio));
            QCOMPARE(screen.pixelColor(at).rgb(), picture.pixelColor(x, y).rgb());
        }
    }
}

void MainWindowTest::loadAndConvert_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QImage>("picture");
    // What the preview must show and convert, white being the background.
    QTest::addColumn<QImage>("expected");

    QImage small = filled(16, 16, Qt::black);
    QImage smallExpected = filled(32, 32, Qt::white);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            smallExpected.setPixelColor(x, y, Qt::black);
    QTest::newRow("16 x 16 bitmap") << "small.bmp" << small << smallExpected;

    QImage large = filled(48, 40, Qt::white);
    QImage largeExpected = filled(32, 32, Qt::white);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 48; ++x) {
            const QColor colour = (x + y) % 3 == 0 ? kGreen : (x * y) % 5 == 0 ? kMagenta : Qt::black;
            large.setPixelColor(x, y, colour);
            if (x < 32 && y < 32)
                largeExpected.setPixelColor(x, y, colour);
        }
    }
    QTest::newRow("48 x 40 picture, top-left only") << "large.png" << large << largeExpected;

    // More than half transparent shows the background key colour; the rest
    // blends over the white background: black at alpha 200 is a dark grey.
    QImage alpha = filled(32, 32, Qt::transparent, QImage::Format_ARGB32);
    QImage alphaExpected = filled(32, 32, kGreen);
    for (int x = 0; x < 32; ++x) {
        alpha.setPixelColor(x, 1, kGreen);
        alphaExpected.setPixelColor(x, 1, kGreen);
        alpha.setPixelColor(x, 2, QColor(0, 0, 0, 100));
        alphaExpected.setPixelColor(x, 2, kGreen);
        alpha.setPixelColor(x, 3, QColor(0, 0, 0, 200));
        alphaExpected.setPixelColor(x, 3, QColor(55, 55, 55));
        alpha.setPixelColor(x, 4, QColor(255, 0, 255, 255));
        alphaExpected.setPixelColor(x, 4, kMagenta);
    }
    QTest::newRow("PNG with alpha") << "alpha.png" << alpha << alphaExpected;

    // Qt marks "@2x" pictures as high-density; they still count pixel for pixel.
    QTest::newRow("high-density name") << "small@2x.png" << small << smallExpected;
}

void MainWindowTest::loadAndConvert()
{
    QFETCH(QString, file);
    QFETCH(QImage, picture);
    QFETCH(QImage, expected);
    const QString path = savePicture(file, picture);
    const MessageCatcher &catcher = expectMessages();
    load(path);
    QCOMPARE(m_script.askedFolders, QStringList{QCoreApplication::applicationDirPath()});
    QCOMPARE(dialog()->FileName(), path);

    // The blend may differ by one in rounding; the luminance rule does not care.
    const QImage shown = preview();
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor a = shown.pixelColor(x, y), b = expected.pixelColor(x, y);
            QVERIFY2(qAbs(a.red() - b.red()) <= 1 && qAbs(a.green() - b.green()) <= 1 && qAbs(a.blue() - b.blue()) <= 1,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }

    click("cmdMakeCUR");
    QCOMPARE(catcher.kinds, QStringList());
    const QString cursor = cursorPathFor(path);
    const QByteArray written = readAll(cursor);
    QCOMPARE(written, encodedCursor(ImagePixelSource(expected), m_window->keyColours()));
    QCOMPARE(checkWithIcotool(cursor, 15, 15), QString());
}

void MainWindowTest::previewFollowsColourScheme()
{
    const QString path = savePicture(QStringLiteral("small.bmp"), filled(16, 16, Qt::white));
    load(path);
    // A dark scheme shows, and so converts, the uncovered part dark.
    QPalette dark = m_window->palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    m_window->setPalette(dark);
    QCOMPARE(preview().pixelColor(20, 20), QColor(30, 30, 30));
    QCOMPARE(preview().pixelColor(5, 5), QColor(Qt::white));
    click("cmdMakeCUR");
    const QByteArray cursor = readAll(cursorPathFor(path));
    QCOMPARE(lookAt(cursor, 20, 20), Look::Black);
    QCOMPARE(lookAt(cursor, 5, 5), Look::White);
}

void MainWindowTest::secondPictureReplacesFirst()
{
    const QString first = savePicture(QStringLiteral("first.png"), filled(32, 32, Qt::black));
    const QString second = savePicture(QStringLiteral("second.bmp"), filled(8, 8, kMagenta));
    load(first);
    load(second);
    QCOMPARE(dialog()->FileName(), second);
    QCOMPARE(preview().pixelColor(20, 20), QColor(Qt::white));
    click("cmdMakeCUR");
    QCOMPARE(listing(m_dir->path()), QStringList({"first.png", "second.bmp", "second.cur"}));
    const QByteArray cursor = readAll(m_dir->filePath(QStringLiteral("second.cur")));
    QCOMPARE(lookAt(cursor, 0, 0), Look::Inverted);
    QCOMPARE(lookAt(cursor, 20, 20), Look::White);
}

void MainWindowTest::cancelledOpenChangesNothing()
{
    const QString path = savePicture(QStringLiteral("arrow.png"), filled(32, 32, Qt::black));
    load(path);
    const QImage before = preview();
    m_script.files.push_back(std::nullopt);
    click("cmdLoadBMP");
    QCOMPARE(m_script.askedFolders.size(), 2);
    QCOMPARE(preview(), before);
    QCOMPARE(dialog()->FileName(), path);
}

void MainWindowTest::swatches_data()
{
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<std::optional<QColor>>("answer");
    QTest::addColumn<QColor>("backgroundAfter");
    QTest::addColumn<QColor>("invertAfter");
    // The picture: red, white, black, green and magenta columns. Colours
    // that are no key go by brightness: red and magenta dark, green light.
    QTest::addColumn<QList<int>>("looks");
    const int T = int(Look::Transparent), I = int(Look::Inverted), W = int(Look::White), B = int(Look::Black);
    QTest::newRow("defaults, cancelled") << "picBG" << std::optional<QColor>() << kGreen << kMagenta
                                         << QList<int>{B, W, B, T, I};
    QTest::newRow("red becomes transparent")
        << "picBG" << std::optional<QColor>(Qt::red) << QColor(Qt::red) << kMagenta << QList<int>{T, W, B, W, I};
    QTest::newRow("red becomes inverting")
        << "picInvert" << std::optional<QColor>(Qt::red) << kGreen << QColor(Qt::red) << QList<int>{I, W, B, T, B};
    QTest::newRow("white background inverts")
        << "picBG" << std::optional<QColor>(Qt::white) << QColor(Qt::white) << kMagenta << QList<int>{B, I, B, W, I};
    QTest::newRow("black invert is transparent")
        << "picInvert" << std::optional<QColor>(Qt::black) << kGreen << QColor(Qt::black) << QList<int>{B, W, T, T, B};
    QTest::newRow("same as the other swatch")
        << "picInvert" << std::optional<QColor>(kGreen) << kGreen << kGreen << QList<int>{B, W, B, T, B};
}

void MainWindowTest::swatches()
{
    QFETCH(QString, swatch);
    QFETCH(std::optional<QColor>, answer);
    QFETCH(QColor, backgroundAfter);
    QFETCH(QColor, invertAfter);
    QFETCH(QList<int>, looks);

    const QList<QColor> columns{Qt::red, Qt::white, Qt::black, kGreen, kMagenta};
    QImage picture(32, 32, QImage::Format_RGB32);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y)
            picture.setPixelColor(x, y, columns[qMin(x / 6, 4)]);
    const QString path = savePicture(QStringLiteral("columns.png"), picture);
    load(path);

    const QColor own = control<PictureBox>(qPrintable(swatch))->backColour();
    m_script.colours.push_back(answer);
    click(qPrintable(swatch));
    QCOMPARE(m_script.askedColours, QList<QColor>{own});
    QCOMPARE(control<PictureBox>("picBG")->backColour(), backgroundAfter);
    QCOMPARE(control<PictureBox>("picInvert")->backColour(), invertAfter);
    QCOMPARE(control<PictureBox>(qPrintable(swatch))->grab().toImage().pixelColor(16, 16).rgb(),
             control<PictureBox>(qPrintable(swatch))->backColour().rgb());

    click("cmdMakeCUR");
    const QByteArray cursor = readAll(cursorPathFor(path));
    for (int column = 0; column < 5; ++column)
        QCOMPARE(lookName(lookAt(cursor, column * 6 + 2, 10)), lookName(Look(looks[column])));
}

void MainWindowTest::makeFailures_data()
{
    QTest::addColumn<bool>("loadFirst");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<bool>("lockFolder");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("no picture chosen") << false << "15"
                                       << "15" << false << "Invalid argument"
                                       << "picture";
    QTest::newRow("x not a number") << true << "abc"
                                    << "15" << false << "Type mismatch"
                                    << "hot spot x";
    QTest::newRow("y empty") << true << "15"
                             << "" << false << "Type mismatch"
                             << "hot spot y";
    QTest::newRow("y out of range") << true << "15"
                                    << "40000" << false << "Overflow"
                                    << "40000";
    QTest::newRow("read-only folder") << true << "15"
                                      << "15" << true << "File access error"
                                      << "pic.cur";
}

void MainWindowTest::makeFailures()
{
    QFETCH(bool, loadFirst);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(bool, lockFolder);
    QFETCH(QString, kind);
    QFETCH(QString, mentions);

    const QString path = savePicture(QStringLiteral("pic.png"), filled(32, 32, Qt::black));
    if (loadFirst)
        load(path);
    control<QLineEdit>("txtX")->setText(x);
    control<QLineEdit>("txtY")->setText(y);
    const QByteArray folder = QFile::encodeName(m_dir->path());
    if (lockFolder)
        QCOMPARE(chmod(folder.constData(), 0555), 0);

    const MessageCatcher &catcher = expectMessages();
    click("cmdMakeCUR");
    chmod(folder.constData(), 0755);
    QCOMPARE(catcher.kinds, QStringList{kind});
    QCOMPARE(catcher.titles, QStringList{QStringLiteral("Pixelwick")});
    QVERIFY2(catcher.messages.constFirst().contains(mentions), qPrintable(catcher.messages.constFirst()));
    QCOMPARE(listing(m_dir->path()), QStringList{QStringLiteral("pic.png")});

    // The window goes on as it was; fixing the cause makes the next try work.
    QVERIFY(m_window->isVisible());
    QCOMPARE(control<QLineEdit>("txtX")->text(), x);
    if (!loadFirst)
        load(path);
    control<QLineEdit>("txtX")->setText(QStringLiteral("15"));
    control<QLineEdit>("txtY")->setText(QStringLiteral("15"));
    click("cmdMakeCUR");
    QCOMPARE(catcher.kinds.size(), 1);
    QCOMPARE(readAll(m_dir->filePath(QStringLiteral("pic.cur"))).size(), kCursorFileSize);
}

// A pipe where the cursor goes is refused at once when nobody reads it,
// and stays a pipe.
void MainWindowTest::makeIntoPipeNeverWaits()
{
    load(savePicture(QStringLiteral("pic.png"), filled(32, 32, Qt::black)));
    const QByteArray pipe = QFile::encodeName(m_dir->filePath(QStringLiteral("pic.cur")));
    QCOMPARE(mkfifo(pipe.constData(), 0644), 0);
    const MessageCatcher &catcher = expectMessages();
    click("cmdMakeCUR");
    QCOMPARE(catcher.kinds, QStringList{QStringLiteral("File access error")});
    QVERIFY2(catcher.messages.constFirst().contains(QStringLiteral("no program is reading")),
             qPrintable(catcher.messages.constFirst()));
    struct stat after {};
    QCOMPARE(stat(pipe.constData(), &after), 0);
    QVERIFY(S_ISFIFO(after.st_mode));
}

enum class Moved { RenamedToCursor, LinkedFromCursor, OlderFileAtCursor };

void MainWindowTest::makeAfterPictureMoved_data()
{
    QTest::addColumn<Moved>("moved");
    QTest::newRow("renamed to its cursor's name") << Moved::RenamedToCursor;
    QTest::newRow("moved away, a link to it at its cursor's name") << Moved::LinkedFromCursor;
    QTest::newRow("moved away, an older file at its cursor's name") << Moved::OlderFileAtCursor;
}

// The loaded picture is known by its file, not by the name it had: moved
// after loading, whatever name now leads to it is never replaced.
void MainWindowTest::makeAfterPictureMoved()
{
    QFETCH(Moved, moved);
    const QString path = savePicture(QStringLiteral("pic3.png"), filled(32, 32, Qt::black));
    const QByteArray picture = readAll(path);
    load(path);
    const QString cursor = m_dir->filePath(QStringLiteral("pic3.cur"));
    const QString away = m_dir->filePath(QStringLiteral("away.png"));
    const QString now = moved == Moved::RenamedToCursor ? cursor : away;
    QVERIFY(QFile::rename(path, now));
    if (moved == Moved::LinkedFromCursor)
        QVERIFY(QFile::link(away, cursor));
    if (moved == Moved::OlderFileAtCursor)
        QVERIFY(writeAll(cursor, "older"));

    const MessageCatcher &catcher = expectMessages();
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(readAll(now), picture);
    if (moved == Moved::OlderFileAtCursor) {
        QCOMPARE(catcher.messages, QStringList());
        QCOMPARE(readAll(cursor).size(), kCursorFileSize);
        return;
    }
    QCOMPARE(catcher.kinds, QStringList{QStringLiteral("Invalid argument")});
    QVERIFY2(catcher.messages.constFirst().contains(QStringLiteral("would replace the picture itself")),
             qPrintable(catcher.messages.constFirst()));
    QCOMPARE(QFileInfo(cursor).isSymLink(), moved == Moved::LinkedFromCursor);
}

void MainWindowTest::badPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");

    const QByteArray bmp = encoded(filled(40, 40, Qt::red), "BMP");
    QByteArray gif = QByteArray::fromHex("47494638396102000200800000ff000000ff002c0000000002000200000202844f003b");
    const QByteArray png = encoded(filled(40, 40, Qt::red), "PNG");
    QByteArray damagedPng = png;
    for (qsizetype i = 60; i < damagedPng.size() - 20; ++i)
        damagedPng[i] = char(damagedPng[i] ^ 0x5A);
    // A bitmap header claiming 60000 x 60000 pixels, with almost no data.
    QByteArray enormous = bmp.left(54);
    for (int offset : {18, 22}) {
        enormous[offset] = char(0x60);
        enormous[offset + 1] = char(0xEA);
        enormous[offset + 2] = 0;
        enormous[offset + 3] = 0;
    }
    enormous += QByteArray(64, '\0');

    QTest::newRow("missing") << "gone.bmp" << QByteArray() << "does not exist";
    QTest::newRow("empty") << "empty.bmp" << QByteArray("") << "empty";
    QTest::newRow("not a picture") << "notes.bmp" << QByteArray("just some words\n") << "not a picture";
    QTest::newRow("truncated bitmap") << "cut.bmp" << bmp.left(bmp.size() / 2) << "incomplete";
    QTest::newRow("truncated GIF") << "cut.gif" << gif.left(gif.size() - 4) << "incomplete";
    QTest::newRow("truncated PNG") << "cut.png" << png.left(png.size() / 2) << "incomplete";
    QTest::newRow("damaged PNG") << "bad.png" << damagedPng << "damaged";
    QTest::newRow("enormous") << "huge.bmp" << enormous << "too large";
    // Cut, with the end marker put back: the decoder's own warning is the reason.
    QImage busy(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            busy.setPixel(x, y, qRgb(x * 97 % 256, y * 53 % 256, (x * y) % 256));
    const QByteArray jpeg = encoded(busy, "JPEG");
    QTest::newRow("JPEG data cut") << "cut.jpg" << jpeg.left(jpeg.size() * 3 / 5) + "\xFF\xD9"
                                   << "premature end";
    QTest::newRow("reader never ends") << "stuck.bin" << QByteArray("PIXELWICK-STUCK") << "took longer than";
    QTest::newRow("reader crashes") << "crash.bin" << QByteArray("PIXELWICK-CRASH") << "reader stopped with the signal";
    QTest::newRow("folder") << "folder.bmp" << QByteArray() << "folder";
    QTest::newRow("pipe") << "pipe.bmp" << QByteArray() << "not an ordinary file";
    // The same GIF whole loads, which shows the checks above are not blanket refusals.
    QTest::newRow("whole GIF") << "whole.gif" << gif << "";
    QTest::newRow("whole bitmap") << "whole.bmp" << bmp << "";
}

void MainWindowTest::badPictures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);

    const QString good = savePicture(QStringLiteral("good.png"), filled(32, 32, Qt::black));
    load(good);
    const QImage before = preview();

    const QString bad = m_dir->filePath(name);
    if (name == QLatin1String("folder.bmp"))
        QVERIFY(QDir().mkdir(bad));
    else if (name == QLatin1String("pipe.bmp"))
        QCOMPARE(mkfifo(QFile::encodeName(bad).constData(), 0644), 0);
    else if (!bytes.isNull())
        QVERIFY(writeAll(bad, bytes));

    const MessageCatcher &catcher = expectMessages();
    load(bad);
    if (says.isEmpty()) {
        QCOMPARE(catcher.kinds, QStringList());
        QCOMPARE(dialog()->FileName(), bad);
        QCOMPARE(preview().pixelColor(0, 0), QColor(Qt::red));
        return;
    }
    QCOMPARE(catcher.kinds, QStringList{QStringLiteral("Cannot load the picture")});
    QVERIFY2(catcher.messages.constFirst().contains(says), qPrintable(catcher.messages.constFirst()));
    QVERIFY2(catcher.messages.constFirst().contains(name), qPrintable(catcher.messages.constFirst()));
    // Picture and name stay together: Make CUR still converts the good one.
    QCOMPARE(preview(), before);
    QCOMPARE(dialog()->FileName(), good);
    click("cmdMakeCUR");
    QCOMPARE(catcher.kinds.size(), 1);
    QCOMPARE(lookAt(readAll(m_dir->filePath(QStringLiteral("good.cur"))), 5, 5), Look::Black);
}

// While a picture is read the window paints, says it is busy, and can be
// closed, which gives the read up.
void MainWindowTest::readingKeepsWindowAlive()
{
    const QString stuck = m_dir->filePath(QStringLiteral("stuck.bin"));
    QVERIFY(writeAll(stuck, "PIXELWICK-STUCK"));
    expectMessages();
    int ticks = 0;
    bool busy = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] {
        ++ticks;
        busy =
            busy || (QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::BusyCursor);
        if (ticks == 5)
            m_window->close();
    });
    probe.start(100);
    load(stuck);
    probe.stop();
    QVERIFY(ticks >= 5);
    QVERIFY(busy);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_messages->messages, QStringList());
    QCOMPARE(dialog()->FileName(), QString());
}

// Resting on the preview shows the looks of what Make CUR would write, and
// they follow the swatches and fields while the popup is open.
void MainWindowTest::looksPopup()
{
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 32; ++y)
            picture.setPixelColor(x, y, kMagenta);
    load(savePicture(QStringLiteral("half.png"), picture));
    auto *popup = m_window->findChild<QLabel *>(QStringLiteral("looksPopup"));
    QVERIFY(popup);
    QVERIFY(!popup->isVisible());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(control<PictureBox>("picBMP"), &enter);
    QTRY_VERIFY(popup->isVisible());
    const QImage first = popup->pixmap().toImage();
    QVERIFY(!first.isNull());
    QVERIFY2(popup->accessibleDescription().contains(QStringLiteral("512")),
             qPrintable(popup->accessibleDescription()));
    QVERIFY(popup->accessibleDescription().contains(QStringLiteral("15, 15")));

    // A new hot spot, then a new invert colour: each changes what is shown.
    control<QLineEdit>("txtX")->setText(QStringLiteral("3"));
    QVERIFY(popup->accessibleDescription().contains(QStringLiteral("3, 15")));
    const QImage moved = popup->pixmap().toImage();
    QVERIFY(moved != first);
    m_script.colours.push_back(QColor(Qt::red));
    click("picInvert");
    QVERIFY2(!popup->accessibleDescription().contains(QStringLiteral("inverted")),
             qPrintable(popup->accessibleDescription()));
    QVERIFY(popup->pixmap().toImage() != moved);

    // A field without a number is named, and the looks stay.
    control<QLineEdit>("txtY")->setText(QStringLiteral("abc"));
    QVERIFY2(popup->accessibleDescription().contains(QStringLiteral("hot spot y")),
             qPrintable(popup->accessibleDescription()));
    QVERIFY(!popup->pixmap().isNull());

    // Onto the popup it stays; away from both it goes. On a screen with
    // no room beside the window it is a window of its own, which stays
    // until closed.
    const QRect shown = popup->window()->frameGeometry();
    QCursor::setPos(shown.center());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control<PictureBox>("picBMP"), &leave);
    QTest::qWait(400);
    QVERIFY(popup->isVisible());
    QCursor::setPos(shown.bottomRight() + QPoint(50, 50));
    QApplication::sendEvent(popup, &leave);
    QVERIFY(!shown.intersects(m_window->frameGeometry()));
    if (popup->window() != popup) {
        QTest::qWait(400);
        QVERIFY(popup->isVisible());
        QTest::keyClick(popup->window(), Qt::Key_Escape);
    }
    QTRY_VERIFY(!popup->isVisible());
    // Nothing else changed: no cursor was written, and no message shown.
    QCOMPARE(listing(m_dir->path()), QStringList{QStringLiteral("half.png")});
}

void MainWindowTest::looksPopupByKeyboard()
{
    auto *popup = m_window->findChild<QLabel *>(QStringLiteral("looksPopup"));
    auto *preview = control<PictureBox>("picBMP");
    preview->setFocus();
    QTRY_VERIFY(preview->hasFocus());
    QTest::keyClick(preview, Qt::Key_Space);
    QVERIFY(popup->isVisible());
    // Before a picture is loaded there is nothing to show.
    QVERIFY2(popup->text().contains(QStringLiteral("Nothing to show")), qPrintable(popup->text()));
    QTest::keyClick(preview, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QVERIFY(m_window->isVisible());
}

void MainWindowTest::realDialogs()
{
    dialog()->setBackend(nullptr); // back to Qt's own dialogs
    const QString path = savePicture(QStringLiteral("real.png"), filled(32, 32, Qt::black));

    QString folderShown;
    QString titleShown;
    QStringList filtersShown;
    whenDialogOpens<QFileDialog>([&](QFileDialog *open) {
        folderShown = open->directory().absolutePath();
        titleShown = open->windowTitle();
        filtersShown = open->nameFilters();
        open->selectFile(path);
        static_cast<QDialog *>(open)->accept();
    });
    click("cmdLoadBMP");
    QCOMPARE(folderShown, QDir(QCoreApplication::applicationDirPath()).absolutePath());
    QVERIFY2(!titleShown.contains(QStringLiteral("Pixelwick")), qPrintable(titleShown));
    for (const QString &filter : filtersShown)
        QVERIFY2(filter.contains(QStringLiteral("(*)")), qPrintable(filter));
    QCOMPARE(dialog()->FileName(), path);
    QCOMPARE(preview().pixelColor(3, 3), QColor(Qt::black));

    // The colour dialog opens on the swatch's colour; OK takes the choice...
    QColor offered;
    whenDialogOpens<QColorDialog>([&](QColorDialog *colours) {
        offered = colours->currentColor();
        colours->setCurrentColor(QColor(12, 34, 56));
        colours->accept();
    });
    click("picInvert");
    QCOMPARE(offered, kMagenta);
    QCOMPARE(control<PictureBox>("picInvert")->backColour(), QColor(12, 34, 56));

    // ...and Cancel keeps the swatch, whatever was picked meanwhile.
    whenDialogOpens<QColorDialog>([&](QColorDialog *colours) {
        offered = colours->currentColor();
        colours->setCurrentColor(QColor(200, 0, 0));
        colours->reject();
    });
    click("picBG");
    QCOMPARE(offered, kGreen);
    QCOMPARE(control<PictureBox>("picBG")->backColour(), kGreen);

    // A cancelled file dialog keeps the picture and its name.
    whenDialogOpens<QFileDialog>([](QFileDialog *open) { static_cast<QDialog *>(open)->reject(); });
    click("cmdLoadBMP");
    QCOMPARE(dialog()->FileName(), path);
    click("cmdMakeCUR");
    QCOMPARE(readAll(m_dir->filePath(QStringLiteral("real.cur"))).size(), kCursorFileSize);
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
