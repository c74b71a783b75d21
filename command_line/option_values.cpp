// SPDX-License-Identifier: MIT
#include "option_values.h"

#include "make_cursor.h"
#include "picture_loading.h"

#include <QColor>
#include <QCoreApplication>

#include <algorithm>
#include <cctype>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Beyond the widest picture read (64 million pixels in one row), so that a
// part's corner and side never overflow.
constexpr int kLargestCoordinate = (1 << 26) - 1;

// A whole number from 0 to `largest`, blanks around it allowed.
bool readWhole(const QString &text, int largest, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok && value >= 0 && value <= largest;
}

// "#" and six hexadecimal digits; QColor alone would take #RGB and more.
bool isSixDigitHex(const QString &text)
{
    if (text.size() != 7 || !text.startsWith(u'#'))
        return false;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (!isxdigit(text[i].unicode()) || text[i].unicode() > 0x7F)
            return false;
    }
    return true;
}

} // namespace

// The hot spot is read as Make CUR reads its fields, and worded the same.
QString hotSpotProblem(const QString &text, char axis, std::int16_t &value)
{
    return readHotSpotField(text, axis, value).message;
}

QString sizeProblem(const QString &text, int &size)
{
    bool ok = false;
    size = text.trimmed().toInt(&ok);
    if (ok && isCursorSize(size))
        return {};
    return CommandLine::tr("the size \"%1\" is not one a cursor can have: from 16 to 256, a multiple of 8").arg(text);
}

QString sizesProblem(const QString &text, QList<int> &sizes)
{
    sizes.clear();
    for (const QString &given : text.split(u',')) {
        int size = 0;
        if (QString problem = sizeProblem(given, size); !problem.isEmpty())
            return problem;
        if (sizes.contains(size))
            return CommandLine::tr("--sizes gives the size %1 twice").arg(size);
        sizes.append(size);
    }
    std::sort(sizes.begin(), sizes.end());
    return {};
}

QString hotSpotForProblem(const QString &text, std::pair<int, HotSpot> &spot)
{
    const int colon = int(text.indexOf(u':'));
    const int comma = int(text.indexOf(u',', colon + 1));
    if (colon < 0 || comma < 0)
        return CommandLine::tr("--hotspot-for \"%1\" is not SIZE:X,Y, such as 48:23,21").arg(text);
    if (QString problem = sizeProblem(text.left(colon), spot.first); !problem.isEmpty())
        return problem;
    if (QString problem = hotSpotProblem(text.mid(colon + 1, comma - colon - 1), 'x', spot.second.x);
        !problem.isEmpty())
        return problem;
    return hotSpotProblem(text.mid(comma + 1), 'y', spot.second.y);
}

QString colourProblem(const QString &text, KeyColour which, ColourValue &value)
{
    const bool wellFormed = text.startsWith(u'#') ? isSixDigitHex(text) : QColor::isValidColorName(text);
    const QColor colour = wellFormed ? QColor::fromString(text) : QColor();
    if (!colour.isValid())
        return (which == KeyColour::Background
                    ? CommandLine::tr("the background colour \"%1\" is neither #RRGGBB nor a colour name such as white")
                    : CommandLine::tr("the invert colour \"%1\" is neither #RRGGBB nor a colour name such as white"))
            .arg(text);
    // "transparent" is a name QColor knows, but as a key it would quietly
    // mean black: the composed preview has no transparent pixels.
    if (colour.alpha() != 255)
        return (which == KeyColour::Background
                    ? CommandLine::tr("the background colour \"%1\" is transparent; give an opaque colour")
                    : CommandLine::tr("the invert colour \"%1\" is transparent; give an opaque colour"))
            .arg(text);
    value = colourValueOf(colour);
    return {};
}

QString fromProblem(const QString &text, QPoint &from)
{
    const QStringList parts = text.split(u',');
    int x = 0, y = 0;
    if (parts.size() != 2 || !readWhole(parts[0], kLargestCoordinate, x) || !readWhole(parts[1], kLargestCoordinate, y))
        return CommandLine::tr("--from \"%1\" is not X,Y, the top-left pixel of the part, such as 32,0").arg(text);
    from = QPoint(x, y);
    return {};
}

QString toleranceProblem(const QString &text, int &tolerance)
{
    if (readWhole(text, kLargestTolerance, tolerance))
        return {};
    return CommandLine::tr("the tolerance \"%1\" is not a whole number from 0 to 255").arg(text);
}

QString rateProblem(const QString &text, int most, int &jiffies)
{
    bool ok = false;
    jiffies = text.trimmed().toInt(&ok);
    if (ok && jiffies >= 1 && jiffies <= most)
        return {};
    return CommandLine::tr("the rate \"%1\" is not a frame's time in 1/60 s: a whole number from 1 to %2")
        .arg(text)
        .arg(most);
}

QString roleProblem(const QString &text, std::optional<PointerRole> &role)
{
    role = roleNamed(text.trimmed());
    if (role)
        return {};
    QStringList roles;
    for (const PointerRoleNames &names : pointerRoles())
        roles << QString::fromLatin1(names.windowsRole);
    return CommandLine::tr("\"%1\" names no pointer role; the roles are %2, or any of their X names")
        .arg(text, roles.join(QStringLiteral(", ")));
}

QString roleHotSpotProblem(const QString &text, std::pair<PointerRole, HotSpot> &spot)
{
    const int colon = int(text.indexOf(u':'));
    const int comma = int(text.indexOf(u',', colon + 1));
    if (colon < 0 || comma < 0)
        return CommandLine::tr("--role-hotspot \"%1\" is not ROLE:X,Y, such as ibeam:15,15").arg(text);
    std::optional<PointerRole> role;
    if (QString problem = roleProblem(text.left(colon), role); !problem.isEmpty())
        return problem;
    spot.first = *role;
    if (QString problem = hotSpotProblem(text.mid(colon + 1, comma - colon - 1), 'x', spot.second.x);
        !problem.isEmpty())
        return problem;
    return hotSpotProblem(text.mid(comma + 1), 'y', spot.second.y);
}

} // namespace pixelwick
