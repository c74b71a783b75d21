// SPDX-License-Identifier: MIT
#include "reporting.h"

#include "messages.h"

#include <QCoreApplication>

#include <cstdio>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

bool lost = false;

} // namespace

// One line per problem, so that a script can count and search them.
void complain(QString text)
{
    text.replace(u'\n', u' ');
    // Names are escaped where they are put in; this also catches what comes
    // from Qt or the system with a piece of the command line in it.
    text = withoutControls(text);
    std::fprintf(stderr, "%s: %s\n", kProgram, qPrintable(text));
}

QString pictureProblem(const QString &picture, const QString &problem)
{
    return CommandLine::tr("%1: %2").arg(shownName(picture), problem);
}

void warnAbout(const QString &picture, const QString &text)
{
    complain(CommandLine::tr("%1: warning: %2").arg(shownName(picture), text));
}

void warn(const QString &text)
{
    complain(CommandLine::tr("warning: %1").arg(text));
}

bool standardOutputLost()
{
    return lost;
}

void loseStandardOutput()
{
    lost = true;
}

} // namespace pixelwick
