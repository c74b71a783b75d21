// SPDX-License-Identifier: MIT
// A picture pixel more than half transparent becomes a transparent cursor
// pixel, by way of the background key colour, in the window and in the
// converter alike; the rest blends over the window colour as before.
#include "colour_answer.h"
#include "common_dialog.h"
#include "main_window.h"
#include "picture_box.h"
#include "test_support.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>

using namespace pixelwick;
using testing::lookAt;
using testing::readAll;

namespace {

// Red at `alpha` in the top-left 16 x 16, clear elsewhere in it, with a
// fully opaque black diagonal; the preview's white shows beyond.
QImage redAt(int alpha)
{
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            picture.setPixelColor(x, y, QColor(255, 0, 0, alpha));
    for (int i = 8; i < 16; ++i)
        picture.setPixelColor(i, i, Qt::black);
    return picture;
}

testing::Run runConverter(const QString &folder, const QStringList &arguments)
{
    return testing::runProgram(QStringLiteral(PIXELWICK_CONVERT), arguments, folder, {QStringLiteral("DISPLAY")});
}

} // namespace

class TransparencyTest : public QObject {
    Q_OBJECT

private slots:
    void halfTransparent_data();
    void halfTransparent();
};

void TransparencyTest::halfTransparent_data()
{
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QColor>("key");
    QTest::addColumn<int>("look"); // of the red square
    // A white key makes what shows it invert and a black one transparent,
    // as for any white or black pixel.
    const struct {
        int alpha;
        testing::Look white, black;
    } rows[] = {
        {0, testing::Look::Inverted, testing::Look::Transparent},
        {127, testing::Look::Inverted, testing::Look::Transparent},
        // Over the white window: (255, 127, 127), light, so white.
        {128, testing::Look::White, testing::Look::White},
        {255, testing::Look::Black, testing::Look::Black},
    };
    for (const auto &row : rows) {
        QTest::addRow("alpha %d, white key", row.alpha) << row.alpha << QColor(Qt::white) << int(row.white);
        QTest::addRow("alpha %d, black key", row.alpha) << row.alpha << QColor(Qt::black) << int(row.black);
    }
}

void TransparencyTest::halfTransparent()
{
    QFETCH(int, alpha);
    QFETCH(QColor, key);
    QFETCH(int, look);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(redAt(alpha).save(dir.filePath(QStringLiteral("window.png"))));
    QVERIFY(redAt(alpha).save(dir.filePath(QStringLiteral("convert.png"))));

    // The converter, with the key colour given.
    const testing::Run run =
        runConverter(dir.path(), {QStringLiteral("--background"), key.name(), QStringLiteral("convert.png")});
    QCOMPARE(run.exitCode, 0);
    const QByteArray converted = readAll(dir.filePath(QStringLiteral("convert.cur")));

    // The window, the key colour chosen on its swatch after loading: the
    // preview follows it.
    FrmConverter window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Base, Qt::white);
    window.setPalette(palette);
    auto *dialog = window.findChild<CommonDialog *>();
    QVERIFY(dialog);
    dialog->setBackend(std::make_unique<testing::ColourAnswer>(key));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.openPicture(dir.filePath(QStringLiteral("window.png"))));
    auto *swatch = window.findChild<PictureBox *>(QStringLiteral("picBG"));
    auto *preview = window.findChild<PictureBox *>(QStringLiteral("picBMP"));
    QVERIFY(swatch && preview);
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(swatch->backColour(), key);
    if (alpha < 128)
        QCOMPARE(preview->shownImage().pixelColor(2, 2), key);
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("cmdMakeCUR")), Qt::LeftButton);
    const QByteArray made = readAll(dir.filePath(QStringLiteral("window.cur")));

    for (const QByteArray &cursor : {converted, made}) {
        QCOMPARE(cursor.size(), 326);
        QCOMPARE(int(lookAt(cursor, 2, 2)), look);
        // The clear rest of the picture is transparent by the same rule;
        // its opaque diagonal stays black; beyond the picture the window's
        // white shows.
        QCOMPARE(lookAt(cursor, 12, 3), key == Qt::white ? testing::Look::Inverted : testing::Look::Transparent);
        QCOMPARE(lookAt(cursor, 12, 12), key == Qt::black ? testing::Look::Transparent : testing::Look::Black);
        QCOMPARE(lookAt(cursor, 20, 20), key == Qt::white ? testing::Look::Inverted : testing::Look::White);
    }
}

QTEST_MAIN(TransparencyTest)
#include "test_transparency.moc"
