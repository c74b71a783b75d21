// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <csignal>

namespace pixelwick::staged_names {

// The names of files written beside their targets and not yet moved into
// place, kept where a signal handler can read them: a process ended by
// SIGINT, SIGTERM or SIGHUP removes them first, then ends by that signal as
// it would have. Installed once, and only for signals that still have their
// default action (a program's own handler, or nohup's ignored SIGHUP, stays).
// SIGXFSZ is ignored too, so that a write past the file-size limit fails
// with "file too large" instead of ending the process without a word.
void guardSignals();

// Keeps the three signals waiting while it lives, so that a name is listed
// in the same breath as its file is made.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld &) = delete;
    SignalsHeld &operator=(const SignalsHeld &) = delete;

private:
    sigset_t m_previous;
};

// Lists a name; returns its slot for remove().
qsizetype add(const QByteArray &name);
// Forgets the name in `slot`, once its file is moved or removed.
void remove(qsizetype slot);

// Keeps SIGPIPE from ending the process while it lives: a write to a pipe
// whose reader has gone fails with EPIPE instead, and the signal it raised
// is taken away before the old mask comes back.
class BrokenPipeHeld {
public:
    BrokenPipeHeld();
    ~BrokenPipeHeld();
    BrokenPipeHeld(const BrokenPipeHeld &) = delete;
    BrokenPipeHeld &operator=(const BrokenPipeHeld &) = delete;

private:
    sigset_t m_previous;
    bool m_wasPending = false;
};

} // namespace pixelwick::staged_names
