// SPDX-License-Identifier: MIT
// Bitmaps with 16-bit pixels or bit-field masks, and 16-bit PNGs with a
// colour key, read with the colours their files hold: in the loaded
// picture, in the converter's cursor and in the window's.
#include "colour_answer.h"
#include "common_dialog.h"
#include "main_window.h"
#include "picture_box.h"
#include "picture_files.h"
#include "picture_loading.h"
#include "test_support.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pixelwick;
using testing::bitmap;
using testing::Look;
using Layout = testing::BitmapLayout;

namespace {

const Layout k555{40, 16, 0, {}};
const Layout k565{40, 16, 3, {0xf800, 0x07e0, 0x001f, 0}};
const Layout k565V5{124, 16, 3, {0xf800, 0x07e0, 0x001f, 0}};
const Layout k4444V4{108, 16, 3, {0x0f00, 0x00f0, 0x000f, 0xf000}};
const Layout k4444AlphaFields{40, 16, 6, {0x0f00, 0x00f0, 0x000f, 0xf000}};
const Layout k5551V5{124, 16, 3, {0x7c00, 0x03e0, 0x001f, 0x8000}};
const Layout k1010102V5{124, 32, 3, {0x3ff00000, 0x000ffc00, 0x000003ff, 0xc0000000}};
const Layout k231{40, 16, 3, {0x30, 0x0e, 0x01, 0}};
const Layout k8888V5{124, 32, 3, {0xff0000, 0xff00, 0xff, 0xff000000}};
const Layout k888Fields{40, 32, 3, {0xff0000, 0xff00, 0xff, 0}};
const Layout k8881V5{124, 32, 3, {0xff0000, 0xff00, 0xff, 0x01000000}};

QString written(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    return testing::writeAll(path, bytes) ? path : QString();
}

QString rgba(QRgb pixel)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel)).arg(qAlpha(pixel));
}

// The picture's pixels, row by row, against `expected`; empty when equal.
QString pixelsDiffer(const QImage &image, const QList<QRgb> &expected)
{
    if (image.width() * image.height() != expected.size())
        return QStringLiteral("%1 x %2 pixels").arg(image.width()).arg(image.height());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QRgb pixel = image.pixel(int(i % image.width()), int(i / image.width()));
        if (pixel != expected[i])
            return QStringLiteral("pixel %1 is %2, not %3").arg(i).arg(rgba(pixel), rgba(expected[i]));
    }
    return {};
}

// What every column of the converter's picture shows: eight columns each of
// the background key, the invert key, white and black.
Look lookOfColumn(int x)
{
    static const Look looks[] = {Look::Transparent, Look::Inverted, Look::White, Look::Black};
    return looks[x / 8];
}

} // namespace

class ExactColoursTest : public QObject {
    Q_OBJECT

private slots:
    void bitmapColours_data();
    void bitmapColours();
    void wideChannelsInBands_data();
    void wideChannelsInBands();
    void hostileMasks_data();
    void hostileMasks();
    void keyedPngs_data();
    void keyedPngs();
    void converterCursor_data();
    void converterCursor();
    void windowKeyColour();
};

void ExactColoursTest::bitmapColours_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QRgb>>("expected");
    // Values in the middle show the rounding: 16 of 31 is 131.6, 32 of 63 is
    // 129.5, 512 of 1023 is 127.6, 1021 of 1023 is 254.5.
    QTest::newRow("5-5-5") << bitmap(k555, {{0x7fff, 0x03e0, 0x0000, 0x4210, 0x0421, 0x3def, 0x8000}})
                           << QList<QRgb>{qRgb(255, 255, 255), qRgb(0, 255, 0),     qRgb(0, 0, 0), qRgb(132, 132, 132),
                                          qRgb(8, 8, 8),       qRgb(123, 123, 123), qRgb(0, 0, 0)};
    const QList<QList<quint32>> pixels565{{0xffff, 0x07e0, 0x0000, 0x0821, 0x8410}};
    const QList<QRgb> colours565{qRgb(255, 255, 255), qRgb(0, 255, 0), qRgb(0, 0, 0), qRgb(8, 4, 8),
                                 qRgb(132, 130, 132)};
    QTest::newRow("5-6-5") << bitmap(k565, pixels565) << colours565;
    QTest::newRow("5-6-5, version 5 header") << bitmap(k565V5, pixels565) << colours565;
    QTest::newRow("5-6-5, rows from the top")
        << bitmap(k565, {{0x07e0, 0xf800}, {0x001f, 0x0000}}, true)
        << QList<QRgb>{qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    const QList<QList<quint32>> pixels4444{{0xffff, 0x00f0, 0x0000, 0x8421, 0x7777}};
    const QList<QRgb> colours4444{qRgba(255, 255, 255, 255), qRgba(0, 255, 0, 0), qRgba(0, 0, 0, 0),
                                  qRgba(68, 34, 17, 136), qRgba(119, 119, 119, 119)};
    QTest::newRow("4-4-4-4, version 4 header") << bitmap(k4444V4, pixels4444) << colours4444;
    QTest::newRow("4-4-4-4, alpha bit fields") << bitmap(k4444AlphaFields, pixels4444) << colours4444;
    QTest::newRow("5-5-5-1") << bitmap(k5551V5, {{0xffff, 0x03e0, 0x8000, 0x7fff, 0xc210}})
                             << QList<QRgb>{qRgba(255, 255, 255, 255), qRgba(0, 255, 0, 0), qRgba(0, 0, 0, 255),
                                            qRgba(255, 255, 255, 0), qRgba(132, 132, 132, 255)};
    QTest::newRow("10-10-10-2") << bitmap(k1010102V5, {{0xffffffff, 0xc00ffc00, 0xa0080200, 0xffc01002, 0x3fd013fd}})
                                << QList<QRgb>{qRgba(255, 255, 255, 255), qRgba(0, 255, 0, 255),
                                               qRgba(128, 128, 128, 170), qRgba(254, 1, 0, 255), qRgba(255, 1, 255, 0)};
    QTest::newRow("2-3-1") << bitmap(k231, {{0x3f, 0x0e, 0x00, 0x15}})
                           << QList<QRgb>{qRgb(255, 255, 255), qRgb(0, 255, 0), qRgb(0, 0, 0), qRgb(85, 73, 255)};
    QTest::newRow("8-8-8-8") << bitmap(k8888V5, {{0xffffffff, 0x0000ff00, 0x80402010}})
                             << QList<QRgb>{qRgba(255, 255, 255, 255), qRgba(0, 255, 0, 0), qRgba(64, 32, 16, 128)};
    QTest::newRow("8-8-8 bit fields") << bitmap(k888Fields, {{0x00ffffff, 0x00123456}})
                                      << QList<QRgb>{qRgb(255, 255, 255), qRgb(0x12, 0x34, 0x56)};
    QTest::newRow("8-8-8 and 1-bit alpha")
        << bitmap(k8881V5, {{0x01ff0000, 0x00ff0000, 0x0100ff00}})
        << QList<QRgb>{qRgba(255, 0, 0, 255), qRgba(255, 0, 0, 0), qRgba(0, 255, 0, 255)};
}

void ExactColoursTest::bitmapColours()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QRgb>, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const LoadedPicture loaded = loadPicture(written(dir, QStringLiteral("picture.bmp"), file));
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(pixelsDiffer(loaded.image, expected), QString());
}

void ExactColoursTest::wideChannelsInBands_data()
{
    QTest::addColumn<bool>("topDown");
    QTest::newRow("rows from the bottom") << false;
    QTest::newRow("rows from the top") << true;
}

// A picture of more rows than are read at a time, every pixel different.
void ExactColoursTest::wideChannelsInBands()
{
    QFETCH(bool, topDown);
    constexpr int kWidth = 300, kHeight = 260;
    const auto channel = [](int x, int y, int c) { return quint32(x * 3 + y * 5 + c * 101) % 1024; };
    QList<QList<quint32>> rows;
    QList<QRgb> expected;
    for (int y = 0; y < kHeight; ++y) {
        QList<quint32> row;
        for (int x = 0; x < kWidth; ++x) {
            const quint32 alpha = quint32(x + y) % 4;
            row.append(alpha << 30 | channel(x, y, 0) << 20 | channel(x, y, 1) << 10 | channel(x, y, 2));
            const auto scaled = [](quint32 value) { return int((value * 255 * 2 + 1023) / 2046); };
            expected.append(
                qRgba(scaled(channel(x, y, 0)), scaled(channel(x, y, 1)), scaled(channel(x, y, 2)), int(alpha * 85)));
        }
        rows.append(row);
    }
    const LoadedPicture loaded = loadPictureData(bitmap(k1010102V5, rows, topDown), QStringLiteral("wide.bmp"));
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(pixelsDiffer(loaded.image, expected), QString());
}

void ExactColoursTest::hostileMasks_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QList<QRgb>>("expected"); // empty: as Qt's reader has it
    const QList<QList<quint32>> pixels{{0xffff, 0x8421, 0x0000}};
    QTest::newRow("masks of 0") << bitmap({40, 16, 3, {0, 0x07e0, 0, 0}}, pixels) << true
                                << QList<QRgb>{qRgb(0, 255, 0), qRgb(0, 134, 0), qRgb(0, 0, 0)};
    QTest::newRow("overlapping masks") << bitmap({40, 16, 3, {0xf800, 0xf800, 0x001f, 0}}, pixels) << true
                                       << QList<QRgb>{qRgb(255, 255, 255), qRgb(132, 132, 8), qRgb(0, 0, 0)};
    QTest::newRow("masks not one run of bits")
        << bitmap({40, 16, 3, {0xf0f0, 0x0f00, 0x000f, 0}}, pixels) << true << QList<QRgb>{};
    QTest::newRow("alpha mask not one run")
        << bitmap({108, 16, 3, {0x0f00, 0x00f0, 0x000f, 0xa000}}, pixels) << true << QList<QRgb>{};
    QTest::newRow("32-bit mask") << bitmap({40, 32, 3, {0xffffffff, 0, 0, 0}}, pixels) << false << QList<QRgb>{};
    QTest::newRow("alpha fields, 32-bit mask")
        << bitmap({40, 32, 6, {0xff0000, 0xff00, 0xff, 0xffffffff}}, pixels) << false << QList<QRgb>{};
    QTest::newRow("52-byte header") << bitmap({52, 16, 3, {0xf800, 0x07e0, 0x001f, 0}}, pixels) << false
                                    << QList<QRgb>{};
    QTest::newRow("56-byte header") << bitmap({56, 16, 6, {0x0f00, 0x00f0, 0x000f, 0xf000}}, pixels) << false
                                    << QList<QRgb>{};
}

void ExactColoursTest::hostileMasks()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, readable);
    QFETCH(QList<QRgb>, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = written(dir, QStringLiteral("hostile.bmp"), file);
    const LoadedPicture loaded = loadPicture(path);
    QCOMPARE(loaded.ok(), readable);
    if (!readable)
        return;
    if (expected.isEmpty()) {
        const QImage qtReading(path);
        QVERIFY(!qtReading.isNull());
        for (int x = 0; x < qtReading.width(); ++x)
            expected.append(qtReading.pixel(x, 0));
    }
    QCOMPARE(pixelsDiffer(loaded.image, expected), QString());
}

void ExactColoursTest::keyedPngs_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QRgb>>("expected");
    // Near the key differs from it only in the low byte of a sample.
    QTest::newRow("RGB") << testing::keyedPng(
        testing::rgb64({QRgba64::fromRgba64(0, 0xffff, 0, 0xffff), QRgba64::fromRgba64(0, 0xffff, 0x0001, 0xffff),
                        QRgba64::fromRgba64(0x1234, 0x8080, 0xff7f, 0xffff),
                        QRgba64::fromRgba64(0x00ff, 0xffff, 0, 0xffff), QRgba64::fromRgba64(0, 0xffff, 0, 0xffff)}),
        {0, 0xffff, 0})
                         << QList<QRgb>{qRgba(0, 255, 0, 0), qRgb(0, 255, 0), qRgb(18, 128, 255), qRgb(1, 255, 0),
                                        qRgba(0, 255, 0, 0)};
    QTest::newRow("grey") << testing::keyedPng(testing::grey16({0x8000, 0x8001, 0x80ff, 0xffff, 0x0000, 0x8000}),
                                               {0x8000})
                          << QList<QRgb>{qRgba(128, 128, 128, 0), qRgb(128, 128, 128), qRgb(128, 128, 128),
                                         qRgb(255, 255, 255),     qRgb(0, 0, 0),       qRgba(128, 128, 128, 0)};
}

void ExactColoursTest::keyedPngs()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QRgb>, expected);
    QVERIFY(!file.isEmpty());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const LoadedPicture loaded = loadPicture(written(dir, QStringLiteral("keyed.png"), file));
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(pixelsDiffer(loaded.image, expected), QString());
}

void ExactColoursTest::converterCursor_data()
{
    QTest::addColumn<Layout>("layout");
    // Raw pixels of green, magenta, white and black in each layout.
    QTest::addColumn<QList<quint32>>("colours");
    QTest::newRow("5-5-5") << k555 << QList<quint32>{0x03e0, 0x7c1f, 0x7fff, 0};
    QTest::newRow("5-6-5") << k565 << QList<quint32>{0x07e0, 0xf81f, 0xffff, 0};
    QTest::newRow("4-4-4-4") << k4444V4 << QList<quint32>{0xf0f0, 0xff0f, 0xffff, 0xf000};
    QTest::newRow("4-4-4-4, alpha bit fields") << k4444AlphaFields << QList<quint32>{0xf0f0, 0xff0f, 0xffff, 0xf000};
    QTest::newRow("5-5-5-1") << k5551V5 << QList<quint32>{0x83e0, 0xfc1f, 0xffff, 0x8000};
    QTest::newRow("10-10-10-2") << k1010102V5 << QList<quint32>{0xc00ffc00, 0xfff003ff, 0xffffffff, 0xc0000000};
    QTest::newRow("2-3-1") << k231 << QList<quint32>{0x0e, 0x31, 0x3f, 0};
}

void ExactColoursTest::converterCursor()
{
    QFETCH(Layout, layout);
    QFETCH(QList<quint32>, colours);
    QList<QList<quint32>> rows(32);
    for (QList<quint32> &row : rows)
        for (int x = 0; x < 32; ++x)
            row.append(colours[x / 8]);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!written(dir, QStringLiteral("keys.bmp"), bitmap(layout, rows)).isEmpty());
    const testing::Run run =
        testing::runProgram(QStringLiteral(PIXELWICK_CONVERT),
                            {QStringLiteral("--background"), QStringLiteral("#00FF00"), QStringLiteral("--invert"),
                             QStringLiteral("#FF00FF"), QStringLiteral("keys.bmp")},
                            dir.path(), {QStringLiteral("DISPLAY")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    // No warning that a key colour matches no pixel.
    QCOMPARE(run.err, QByteArray());
    const QByteArray cursor = testing::readAll(dir.filePath(QStringLiteral("keys.cur")));
    QCOMPARE(cursor.size(), 326);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QVERIFY2(testing::lookAt(cursor, x, y) == lookOfColumn(x),
                     qPrintable(QStringLiteral("%1, %2 is %3")
                                    .arg(x)
                                    .arg(y)
                                    .arg(QLatin1String(testing::lookName(testing::lookAt(cursor, x, y))))));
}

// The window, its background key green, on a pure green 5-6-5 bitmap.
void ExactColoursTest::windowKeyColour()
{
    QList<QList<quint32>> rows(32, QList<quint32>(32, 0x07e0));
    for (int x = 0; x < 32; ++x)
        rows[20][x] = 0; // a black row
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = written(dir, QStringLiteral("green.bmp"), bitmap(k565, rows));
    QVERIFY(!path.isEmpty());
    FrmConverter window;
    auto *dialog = window.findChild<CommonDialog *>();
    QVERIFY(dialog);
    dialog->setBackend(std::make_unique<testing::ColourAnswer>(QColor(0, 255, 0)));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.openPicture(path));
    auto *swatch = testing::controlOf<PictureBox>(&window, "picBG");
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(swatch->backColour(), QColor(0, 255, 0));
    QCOMPARE(testing::controlOf<PictureBox>(&window, "picBMP")->shownImage().pixelColor(3, 3), QColor(0, 255, 0));
    QTest::mouseClick(testing::controlOf<QWidget>(&window, "cmdMakeCUR"), Qt::LeftButton);
    const QByteArray cursor = testing::readAll(dir.filePath(QStringLiteral("green.cur")));
    QCOMPARE(cursor.size(), 326);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QCOMPARE(testing::lookAt(cursor, x, y), y == 20 ? Look::Black : Look::Transparent);
}

QTEST_MAIN(ExactColoursTest)
#include "test_exact_colours.moc"
