// SPDX-License-Identifier: MIT
#include "cursor_output.h"

#include "messages.h"
#include "reporting.h"

#include <QCoreApplication>

#include <csignal>

#include <poll.h>
#include <unistd.h>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// A reader of standard output that has gone ends the converter by SIGPIPE,
// as it would any tool, unless SIGPIPE is ignored; the write itself holds
// the signal back, so that the window is never ended by it.
void endByBrokenPipeAsUsual()
{
    struct sigaction current {};
    if (::sigaction(SIGPIPE, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
        return;
    pollfd output{STDOUT_FILENO, POLLOUT, 0};
    if (::poll(&output, 1, 0) == 1 && (output.revents & POLLERR))
        ::raise(SIGPIPE);
}

} // namespace

QString placingProblem(const Placed &placed)
{
    return placed.outcome == Placed::Outcome::ReplacesPicture ? describe(Reason::IsAPicture, placed.picture)
                                                              : placed.reason;
}

bool writeToStandardOutput(const QString &picture, const QByteArray &bytes, const Options &options)
{
    // The whole cursor is made first, so that a failure sends nothing half-made.
    if (bytes.isEmpty()) {
        complain(CommandLine::tr("%1: the cursor could not be encoded").arg(shownName(picture)));
        return false;
    }
    const Placed placed = placeIntoDescriptor(STDOUT_FILENO, bytes, {&options.protectedPictures});
    if (!placed.ok()) {
        endByBrokenPipeAsUsual();
        complain(CommandLine::tr("%1: writing to standard output failed: %2")
                     .arg(shownName(picture), placingProblem(placed)));
        loseStandardOutput();
        return false;
    }
    return true;
}

} // namespace pixelwick
