// SPDX-License-Identifier: MIT
#include "desktop_tools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace testing {

QString tool(const QStringList &command)
{
    QProcess process;
    process.start(QStringLiteral("timeout"), QStringList{QStringLiteral("20")} + command);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

namespace {

int number(const QString &text, const char *pattern)
{
    const QRegularExpressionMatch match = QRegularExpression(QLatin1String(pattern)).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

Placed placedOf(const QString &window)
{
    const QString info = tool({"xwininfo", "-id", window});
    Placed placed;
    placed.client =
        QRect(number(info, "Absolute upper-left X:\\s+(-?\\d+)"), number(info, "Absolute upper-left Y:\\s+(-?\\d+)"),
              number(info, "Width:\\s+(\\d+)"), number(info, "Height:\\s+(\\d+)"));
    // Left, right, top, bottom; none for a popup the manager does not frame.
    const QStringList extents =
        tool({"xprop", "-id", window, "_NET_FRAME_EXTENTS"}).section(u'=', 1).split(u',', Qt::SkipEmptyParts);
    placed.frame = placed.client;
    if (extents.size() == 4)
        placed.frame.adjust(-extents[0].toInt(), -extents[2].toInt(), extents[1].toInt(), extents[3].toInt());
    return placed;
}

QRect screenArea()
{
    const QStringList size = tool({"xdotool", "getdisplaygeometry"}).split(u' ');
    return {0, 0, size.value(0).toInt(), size.value(1).toInt()};
}

} // namespace testing
