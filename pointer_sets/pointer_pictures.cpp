// SPDX-License-Identifier: MIT
#include "pointer_pictures.h"

#include "messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace pixelwick {

namespace {

class PointerSet {
    Q_DECLARE_TR_FUNCTIONS(PointerSet)
};

struct Named {
    QString picture;
    std::optional<PointerRole> role;
    QString name;       // less the number
    qint64 number = -1; // -1 for a lone picture
};

Named namedBy(const QString &picture)
{
    const QString base = QFileInfo(picture).completeBaseName();
    // A name that is a role's as it stands ("hand2") is never a number's.
    if (const std::optional<PointerRole> role = roleNamed(base))
        return {picture, role, base, -1};
    static const QRegularExpression numbered(QStringLiteral("^(.*?)[-_ .]?([0-9]{1,9})$"));
    const QRegularExpressionMatch match = numbered.match(base);
    if (match.hasMatch() && !match.captured(1).isEmpty())
        return {picture, roleNamed(match.captured(1)), match.captured(1), match.captured(2).toLongLong()};
    return {picture, std::nullopt, base, -1};
}

// Pictures of one pointer: the same role, else the same name.
bool samePointer(const Named &a, const Named &b)
{
    if (a.role || b.role)
        return a.role == b.role;
    return a.name.compare(b.name, Qt::CaseInsensitive) == 0;
}

QString pointerCalled(const Named &named)
{
    return named.role ? QString::fromLatin1(roleNames(*named.role).windowsRole) : named.name;
}

} // namespace

PointerGrouping groupPointerPictures(const QStringList &pictures, std::optional<PointerRole> role)
{
    PointerGrouping grouping;
    if (role) {
        if (!pictures.isEmpty())
            grouping.pointers.append({role, QString::fromLatin1(roleNames(*role).windowsRole), pictures});
        return grouping;
    }
    QList<QList<Named>> groups;
    for (const QString &picture : pictures) {
        const Named named = namedBy(picture);
        const auto group = std::find_if(groups.begin(), groups.end(),
                                        [&](const QList<Named> &g) { return samePointer(g.first(), named); });
        if (group == groups.end()) {
            groups.append({named});
            continue;
        }
        for (const Named &earlier : std::as_const(*group)) {
            if (earlier.number < 0 || named.number < 0 || earlier.number == named.number) {
                grouping.problem =
                    PointerSet::tr("%1 and %2 are both the pointer %3; give each pointer one picture, or number "
                                   "the frames of an animation (%4-1, %4-2, ...)")
                        .arg(quotedPath(earlier.picture), quotedPath(named.picture), pointerCalled(named),
                             named.name.toLower());
                return grouping;
            }
        }
        group->append(named);
    }
    for (QList<Named> &group : groups) {
        std::stable_sort(group.begin(), group.end(),
                         [](const Named &a, const Named &b) { return a.number < b.number; });
        PointerPictures pointer{group.first().role, pointerCalled(group.first()), {}};
        for (const Named &named : std::as_const(group))
            pointer.pictures.append(named.picture);
        grouping.pointers.append(pointer);
    }
    return grouping;
}

} // namespace pixelwick
