// SPDX-License-Identifier: MIT
#include "hot_spot.h"

#include <QtGlobal>

#include <limits>

#include <algorithm>

namespace pixelwick {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The run of digits from `at`, which it passes.
QStringView digitsFrom(QStringView text, qsizetype &at)
{
    const qsizetype start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return text.sliced(start, at - start);
}

} // namespace

// Blanks, an optional sign, digits, optionally a dot and more digits, and
// blanks: read by hand, as a pattern would cost more than the whole cursor.
HotSpotValue parseHotSpot(const QString &text)
{
    qsizetype at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    const bool negative = at < text.size() && text[at] == u'-';
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        ++at;
    QStringView whole = digitsFrom(text, at);
    QStringView fraction;
    if (at < text.size() && text[at] == u'.')
        fraction = digitsFrom(text, ++at);
    while (at < text.size() && isBlank(text[at]))
        ++at;
    if (at != text.size())
        return {};
    if (whole.isEmpty() && fraction.isEmpty())
        return {}; // a sign or a dot alone is no number

    // Work on the digits themselves so that no floating-point rounding can
    // move a value across a half or across the range limit.
    while (whole.size() > 1 && whole.front() == u'0')
        whole = whole.mid(1);
    if (whole.size() > 6)
        return {HotSpotStatus::OutOfRange, 0};
    long magnitude = whole.isEmpty() ? 0 : whole.toLong();

    if (!fraction.isEmpty()) {
        const int first = fraction.front().digitValue();
        const QStringView rest = fraction.mid(1);
        const bool restNonZero = std::any_of(rest.begin(), rest.end(), [](QChar c) { return c != u'0'; });
        const bool roundUp = first > 5 || (first == 5 && (restNonZero || magnitude % 2 == 1));
        if (roundUp)
            ++magnitude;
    }

    const long value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return {HotSpotStatus::OutOfRange, 0};
    return {HotSpotStatus::Ok, std::int16_t(value)};
}

namespace {

std::int16_t scaled(std::int16_t value, int size)
{
    // (2x + 1) * size / 64, rounded down also below 0.
    const qint64 numerator = (2 * qint64(value) + 1) * size;
    const qint64 floor = numerator >= 0 ? numerator / 64 : -((-numerator + 63) / 64);
    return std::int16_t(
        std::clamp<qint64>(floor, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

} // namespace

HotSpot scaledHotSpot(HotSpot spot, int size)
{
    return {scaled(spot.x, size), scaled(spot.y, size)};
}

} // namespace pixelwick
