// SPDX-License-Identifier: MIT
#include "linux_options.h"

#include "messages.h"
#include "pointer_theme.h"

#include <QCoreApplication>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString kXcursor = QStringLiteral("xcursor");
const QString kTheme = QStringLiteral("theme");
const QString kRole = QStringLiteral("role");
const QString kInvertedAs = QStringLiteral("inverted-as");
const QString kOutput = QStringLiteral("o");
const QString kShow = QStringLiteral("show");
const QString kCombine = QStringLiteral("combine");

QString roleList()
{
    QStringList names;
    for (const PointerRoleNames &role : pointerRoles())
        names.append(
            QString::fromLatin1(role.windowsNames.front().data(), qsizetype(role.windowsNames.front().size())));
    return names.join(QStringLiteral(", "));
}

} // namespace

void addLinuxOptions(QCommandLineParser &parser)
{
    parser.addOption({kXcursor, CommandLine::tr("Write an Xcursor file, as X11 and Wayland desktops load pointers, "
                                                "named with -o, instead of a .cur: one image of each size made, "
                                                "its colours premultiplied ARGB.")});
    parser.addOption({kTheme,
                      CommandLine::tr("Write a pointer theme NAME for X11 and Wayland desktops: NAME/index.theme and "
                                      "an Xcursor file of each picture in NAME/cursors, named after it, in the folder "
                                      "-o names (default $XDG_DATA_HOME/icons, else ~/.local/share/icons). A picture "
                                      "named after a pointer role (arrow, ibeam, hand, left_ptr, pointer...) is that "
                                      "role's file, every other name of the role linked to it."),
                      CommandLine::tr("NAME")});
    parser.addOption({kRole,
                      CommandLine::tr("The pointer role of the pictures, whatever their names: %1, or any X name "
                                      "of one. Several pictures are that pointer's frames, in the order given.")
                          .arg(roleList()),
                      CommandLine::tr("ROLE")});
    parser.addOption({kInvertedAs,
                      CommandLine::tr("How an Xcursor file shows inverted pixels, which X11 and Wayland cannot "
                                      "draw: outline (black, with white on the transparent pixels touching them; the "
                                      "default), black or white."),
                      CommandLine::tr("LOOK")});
}

QString linuxOptionsProblem(const QCommandLineParser &parser, Options &options)
{
    options.xcursor = parser.isSet(kXcursor);
    if (parser.isSet(kTheme)) {
        options.theme = parser.value(kTheme);
        if (const QString problem = themeNameProblem(options.theme); !problem.isEmpty())
            return CommandLine::tr("--theme %1: %2").arg(quotedText(options.theme), problem);
    }
    if (parser.isSet(kRole)) {
        options.role = roleNamed(parser.value(kRole));
        if (!options.role)
            return CommandLine::tr("--role %1 names no pointer role; the roles are %2")
                .arg(quotedText(parser.value(kRole)), roleList());
    }
    if (parser.isSet(kInvertedAs)) {
        const QString look = parser.value(kInvertedAs);
        if (look == QLatin1String("outline"))
            options.invertedAs = InvertedAs::Outline;
        else if (look == QLatin1String("black"))
            options.invertedAs = InvertedAs::Black;
        else if (look == QLatin1String("white"))
            options.invertedAs = InvertedAs::White;
        else
            return CommandLine::tr("--inverted-as takes outline, black or white, not %1").arg(quotedText(look));
    }
    const bool theme = parser.isSet(kTheme);
    if (theme && options.xcursor)
        return CommandLine::tr("--theme writes Xcursor files, so --xcursor has nothing to do");
    if (parser.isSet(kShow) && (theme || options.xcursor))
        return CommandLine::tr("--show writes nothing, so %1 has nothing to do")
            .arg(theme ? QStringLiteral("--theme") : QStringLiteral("--xcursor"));
    if (theme && parser.isSet(kCombine))
        return CommandLine::tr("--theme makes a pointer of each picture, so --combine has nothing to do");
    if (options.xcursor && !parser.isSet(kOutput))
        return CommandLine::tr("--xcursor writes one Xcursor file: name it with -o");
    if (theme && options.output == kStandardOutput)
        return CommandLine::tr("--theme writes a folder: -o names the folder it goes in, not standard output");
    if (options.role && !theme && options.scheme.isEmpty() && !options.animatedOutput())
        return CommandLine::tr("--role gives the pictures' pointer its role in a theme, a scheme or an animated "
                               "cursor: use it with --theme, --scheme or -o FILE.ani");
    if (parser.isSet(kInvertedAs) && !makesXcursor(options))
        return CommandLine::tr("--inverted-as says how an Xcursor file shows inverted pixels: use it with --xcursor "
                               "or --theme");
    return {};
}

} // namespace pixelwick
