// SPDX-License-Identifier: MIT
#include "hot_spot.h"

#include <QtGlobal>

#include <limits>

#include <QRegularExpression>

#include <algorithm>

namespace pixelwick {

HotSpotValue parseHotSpot(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?)([0-9]*)(?:\\.([0-9]*))?\\s*$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return {};
    const bool negative = match.capturedView(1) == u"-";
    QStringView whole = match.capturedView(2);
    const QStringView fraction = match.capturedView(3);
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
