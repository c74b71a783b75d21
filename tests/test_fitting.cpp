// SPDX-License-Identifier: MIT
// Fitting a whole picture into the cursor, against the rule worked out the
// slow way: every picture pixel laid over every cursor pixel, the areas
// counted in units of 1 / (2 * longer side) of a cursor pixel.
#include "fitting.h"

#include <QtTest>

#include <array>
#include <random>

using namespace pixelwick;

namespace {

LookGrid randomLooks(int width, int height, unsigned seed, int kinds = 4)
{
    std::mt19937 random(seed);
    LookGrid looks(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            looks.set(x, y, PixelLook(int(random() % unsigned(kinds))));
    return looks;
}

// Steps 2 to 4 of the rule as written, one rectangle at a time.
LookGrid fittedSlowly(const LookGrid &picture, int size, PixelLook outside)
{
    const qint64 longer = qMax(picture.width(), picture.height());
    const qint64 pictureUnit = 2 * qint64(size), cursorUnit = 2 * longer;
    const qint64 left = size * (longer - picture.width()), top = size * (longer - picture.height());
    const auto overlap = [](qint64 a0, qint64 a1, qint64 b0, qint64 b1) {
        return qMax<qint64>(0, qMin(a1, b1) - qMax(a0, b0));
    };
    LookGrid cursor(size, size);
    for (int cy = 0; cy < size; ++cy) {
        for (int cx = 0; cx < size; ++cx) {
            std::array<qint64, 4> areas{};
            qint64 inside = 0;
            for (int py = 0; py < picture.height(); ++py) {
                const qint64 height = overlap(cy * cursorUnit, (cy + 1) * cursorUnit, top + py * pictureUnit,
                                              top + (py + 1) * pictureUnit);
                for (int px = 0; px < picture.width() && height > 0; ++px) {
                    const qint64 area = height
                                        * overlap(cx * cursorUnit, (cx + 1) * cursorUnit, left + px * pictureUnit,
                                                  left + (px + 1) * pictureUnit);
                    areas[size_t(picture.at(px, py))] += area;
                    inside += area;
                }
            }
            areas[size_t(outside)] += cursorUnit * cursorUnit - inside;
            const qint64 black = areas[0], white = areas[1], clear = areas[2], inverted = areas[3];
            const qint64 whole = cursorUnit * cursorUnit;
            PixelLook look = white > black ? PixelLook::White : PixelLook::Black;
            if (2 * (clear + inverted) > whole)
                look = inverted >= clear ? PixelLook::Inverted : PixelLook::Transparent;
            cursor.set(cx, cy, look);
        }
    }
    return cursor;
}

QByteArray drawn(const LookGrid &looks)
{
    QByteArray text;
    for (int y = 0; y < looks.height(); ++y) {
        for (int x = 0; x < looks.width(); ++x)
            text += "#O.~"[int(looks.at(x, y))];
        text += '\n';
    }
    return text;
}

} // namespace

class FittingTest : public QObject {
    Q_OBJECT

private slots:
    void asTheRuleSays_data();
    void asTheRuleSays();
    void wholeRatios();
    void tiesAtHalf();
};

void FittingTest::asTheRuleSays_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("outside");
    QTest::newRow("256 into 32") << 256 << 256 << 32 << 2;
    QTest::newRow("100 into 32") << 100 << 100 << 32 << 2;
    QTest::newRow("32 into 48") << 32 << 32 << 48 << 3;
    QTest::newRow("16 into 32") << 16 << 16 << 32 << 2;
    QTest::newRow("wide, 90 x 37 into 32") << 90 << 37 << 32 << 2;
    QTest::newRow("tall, 7 x 61 into 24") << 7 << 61 << 24 << 1;
    QTest::newRow("one pixel into 16") << 1 << 1 << 16 << 0;
    QTest::newRow("a line, 200 x 1 into 32") << 200 << 1 << 32 << 3;
}

// Random pictures of every kind of proportion give what the rule gives,
// pixel for pixel.
void FittingTest::asTheRuleSays()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, size);
    QFETCH(int, outside);
    for (unsigned seed = 1; seed <= 3; ++seed) {
        // Few kinds make ties likelier.
        const LookGrid picture = randomLooks(width, height, seed, seed == 3 ? 2 : 4);
        const LookGrid fast = fittedLooks(picture, size, PixelLook(outside));
        const LookGrid slow = fittedSlowly(picture, size, PixelLook(outside));
        QCOMPARE(drawn(fast), drawn(slow));
    }
}

// A picture of the cursor's own size is itself; one of half is doubled.
void FittingTest::wholeRatios()
{
    const LookGrid picture = randomLooks(32, 32, 7);
    QCOMPARE(drawn(fittedLooks(picture, 32, PixelLook::Transparent)), drawn(picture));
    const LookGrid half = randomLooks(16, 16, 8);
    const LookGrid doubled = fittedLooks(half, 32, PixelLook::Transparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QCOMPARE(doubled.at(x, y), half.at(x / 2, y / 2));
}

// Exactly half see-through stays opaque; white and black alike is black;
// inverted and transparent alike inverts.
void FittingTest::tiesAtHalf()
{
    const auto fittedPair = [](PixelLook left, PixelLook right) {
        LookGrid pair(2, 2);
        for (int y = 0; y < 2; ++y) {
            pair.set(0, y, left);
            pair.set(1, y, right);
        }
        return fittedLooks(pair, 1, PixelLook::Transparent).at(0, 0);
    };
    QCOMPARE(fittedPair(PixelLook::Transparent, PixelLook::White), PixelLook::White);
    QCOMPARE(fittedPair(PixelLook::Inverted, PixelLook::Black), PixelLook::Black);
    QCOMPARE(fittedPair(PixelLook::White, PixelLook::Black), PixelLook::Black);
    QCOMPARE(fittedPair(PixelLook::Inverted, PixelLook::Transparent), PixelLook::Inverted);
}

QTEST_GUILESS_MAIN(FittingTest)
#include "test_fitting.moc"
