// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <csignal>

namespace pixelwick::staged_names {

// The files written beside their targets and not yet moved into place,
// each kept as its folder's open descriptor and its name's random tag where
// a signal handler can read them: a process ended by SIGINT, SIGTERM or
// SIGHUP removes them first, then ends by that signal as it would have.
// Held by descriptor, they are found even when their folder was renamed. Installed once, and only for signals that
// still have their default action (a program's own handler, or nohup's ignored SIGHUP, stays). SIGXFSZ is ignored too,
// so that a write past the file-size limit fails with "file too large" instead of ending the process without a word.
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

// The hidden name a staged file has for its tag: ".pwNNNNNNNN.tmp".
struct Name {
    char text[16];
};
Name nameOf(quint32 tag);

// Lists the file of `tag` in the folder open as `folder`, which must stay
// open until remove(); returns its slot for remove().
qsizetype add(int folder, quint32 tag);
// The same for a folder of `tag` made there: a signal removes it with all
// it holds.
qsizetype addFolder(int folder, quint32 tag);
// Forgets the file in `slot`, once it is moved or removed.
void remove(qsizetype slot);

// Removes `name` in the folder open as `folder`, and when it is a folder
// everything in it first, never following a link; false when anything was
// left. Safe in a signal handler: it takes no lock and no memory.
bool removeTree(int folder, const char *name);

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
