// SPDX-License-Identifier: MIT
// Where the window's pictures come from and what it says back: the title,
// the note after Make CUR, the folder Load BMP starts in, drops, keys, and
// the program's own options, with and without a display.
#include "common_dialog.h"
#include "main_window.h"
#include "picture_box.h"
#include "test_support.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <deque>

using namespace pixelwick;

namespace {

// Answers open dialogs from a list and notes the folder each started in.
class OpenAnswers : public DialogBackend {
public:
    OpenAnswers(std::deque<QString> &answers, QStringList &folders) : m_answers(answers), m_folders(folders) {}
    std::optional<QString> askOpenFile(QWidget *, const QString &folder) override
    {
        m_folders << folder;
        if (m_answers.empty())
            return std::nullopt;
        const QString answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    std::optional<QColor> askColour(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<QString> askSaveFile(QWidget *, const QString &) override { return std::nullopt; }

private:
    std::deque<QString> &m_answers;
    QStringList &m_folders;
};

QString blackPicture(const QString &path)
{
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture.save(path) ? path : QString();
}

} // namespace

class WindowSourcesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void titleAndNote();
    void loadStartsWhereLastPictureWas();
    void dropAndKeys_data();
    void dropAndKeys();
    void neverSmallerThanItsControls();
    void options_data();
    void options();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FrmConverter> m_window;
    std::deque<QString> m_answers;
    QStringList m_folders;
};

void WindowSourcesTest::initTestCase()
{
    // As the program names itself at start.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Pixelwick"));
}

void WindowSourcesTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_answers.clear();
    m_folders.clear();
    m_window = std::make_unique<FrmConverter>();
    m_window->findChild<CommonDialog *>()->setBackend(std::make_unique<OpenAnswers>(m_answers, m_folders));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void WindowSourcesTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void WindowSourcesTest::titleAndNote()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Pixelwick"));
    const QString picture = blackPicture(m_dir->filePath(QStringLiteral("arrow.png")));
    QVERIFY(m_window->openPicture(picture));
    QVERIFY2(m_window->windowTitle().startsWith(QStringLiteral("arrow.png")), qPrintable(m_window->windowTitle()));
    QCOMPARE(m_window->windowFilePath(), picture);

    auto *note = m_window->findChild<QLabel *>(QStringLiteral("lblNote"));
    QVERIFY(note);
    QCOMPARE(note->text(), QString());
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
    const QString folder = QDir::toNativeSeparators(m_dir->path());
    QCOMPARE(note->toolTip(), QStringLiteral("Wrote arrow.cur in %1.").arg(folder));
    QVERIFY(!note->text().isEmpty());
    QCOMPARE(testing::readAll(m_dir->filePath(QStringLiteral("arrow.cur"))).size(), 326);
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(note->toolTip(), QStringLiteral("Replaced arrow.cur in %1.").arg(folder));
    // It goes by itself.
    QTRY_VERIFY_WITH_TIMEOUT(note->text().isEmpty(), 15000);

    // A refused picture leaves title and kept name with the picture shown.
    const QString bad = m_dir->filePath(QStringLiteral("bad.png"));
    QVERIFY(testing::writeAll(bad, "not a picture"));
    QTimer::singleShot(50, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    QVERIFY(!m_window->openPicture(bad));
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("arrow.png")));
}

// The first time where this program lives (a build folder, writable), then
// where the last picture was chosen.
void WindowSourcesTest::loadStartsWhereLastPictureWas()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("pictures")));
    const QString picture = blackPicture(m_dir->filePath(QStringLiteral("pictures/a.png")));
    m_answers = {picture};
    QTest::keyClick(m_window.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::mouseClick(m_window->findChild<QWidget *>(QStringLiteral("cmdLoadBMP")), Qt::LeftButton);
    QCOMPARE(m_folders, (QStringList{QCoreApplication::applicationDirPath(), QFileInfo(picture).absolutePath()}));
}

void WindowSourcesTest::dropAndKeys_data()
{
    QTest::addColumn<bool>("asUrl");
    QTest::newRow("file URL") << true;
    QTest::newRow("folder is no picture") << false;
}

void WindowSourcesTest::dropAndKeys()
{
    QFETCH(bool, asUrl);
    const QString picture = blackPicture(m_dir->filePath(QStringLiteral("dropped.png")));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(asUrl ? picture : m_dir->path())});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &enter);
    QCOMPARE(enter.isAccepted(), asUrl);
    if (!asUrl)
        return;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &drop);
    auto *preview = m_window->findChild<PictureBox *>(QStringLiteral("picBMP"));
    QTRY_VERIFY(preview->hasPicture());
    QCOMPARE(preview->shownImage().pixelColor(5, 5), QColor(Qt::black));
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(testing::lookAt(testing::readAll(m_dir->filePath(QStringLiteral("dropped.cur"))), 5, 5),
             testing::Look::Black);
    QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!m_window->isVisible());
}

void WindowSourcesTest::neverSmallerThanItsControls()
{
    m_window->resize(160, 70);
    QTRY_VERIFY(m_window->width() >= FrmConverter::kClientWidth && m_window->height() >= FrmConverter::kClientHeight);
    auto *make = m_window->findChild<QWidget *>(QStringLiteral("cmdMakeCUR"));
    QVERIFY(m_window->rect().contains(make->geometry()));
}

void WindowSourcesTest::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");
    for (const bool display : {true, false}) {
        const char *where = display ? "with a display" : "without one";
        QTest::addRow("--help, %s", where) << QStringList{"--help"} << display << 0 << "[PICTURE]";
        QTest::addRow("-h, %s", where) << QStringList{"-h"} << display << 0 << "Load BMP";
        QTest::addRow("--version, %s", where) << QStringList{"--version"} << display << 0 << "pixelwick 1.";
        QTest::addRow("--help names --fit, %s", where) << QStringList{"--help"} << display << 0 << "--fit";
    }
    QTest::newRow("two pictures") << QStringList{"a.png", "b.png"} << true << 2 << "one picture at a time";
    QTest::newRow("an option it does not know") << QStringList{"--frobnicate"} << true << 2 << "frobnicate";
    QTest::newRow("--try, no such file") << QStringList{"--try", "none.cur"} << true << 1 << "no file of that name";
    QTest::newRow("--try, no cursor") << QStringList{"--try", PIXELWICK_WINDOW} << true << 1 << "not a cursor";
    QTest::newRow("--try and a picture") << QStringList{"--try", "a.cur", "b.png"} << true << 2 << "without a picture";
}

// The real program: --help and --version never need a window.
void WindowSourcesTest::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    const QStringList noDisplay{QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                QStringLiteral("QT_QPA_PLATFORM")};
    const testing::Run run = testing::runProgram(QStringLiteral(PIXELWICK_WINDOW), arguments, m_dir->path(),
                                                 display ? QStringList() : noDisplay);
    QCOMPARE(run.exitCode, exitCode);
    const QString said = QString::fromLocal8Bit(run.out + run.err);
    QVERIFY2(said.contains(says), qPrintable(said));
}

QTEST_MAIN(WindowSourcesTest)
#include "test_window_sources.moc"
