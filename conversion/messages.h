// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace pixelwick {

// The one place where the conversion's failures are put into words, in the
// user's language. The code that finds a problem names it and its details;
// the text is made here.

// The kinds of error a failed Make CUR reports, named as the user sees them.
enum class CursorError {
    None,
    InvalidArgument, // no picture chosen, or the cursor would replace the picture or
                     // a cursor made earlier in the same run
    TypeMismatch,    // a hot-spot text that is not a number
    Overflow,        // a hot-spot value outside -32768..32767
    FileAccess,      // the cursor file cannot be opened for writing
    DeviceOrFile,    // writing or finishing the file failed
};

// What exactly went wrong; the comment lists the arguments it is told with.
enum class Problem {
    None,
    NoPictureChosen,      // (none)
    NamesNoPicture,       // the name given
    WouldReplacePicture,  // cursor path
    WouldReplaceOther,    // cursor path, the other picture of this run it would replace
    AlreadyMadeInThisRun, // cursor path, the picture it was made from
    HotSpotEmpty,         // axis ("x" or "y")
    HotSpotNotANumber,    // axis, text
    HotSpotOutOfRange,    // axis, text
    CannotWrite,          // cursor path, why (a Reason's words or the system's)
    WritingFailed,        // cursor path, why
};

// Why a place cannot take the cursor.
enum class Reason {
    FolderInTheWay,
    FileReadOnly,
    FolderMissing,  // folder
    FolderReadOnly, // folder
    LinkToNothing,  // where the link points
    BlockDevice,
    Socket,
    NotAFile,
    PipeWithoutReader,
    ChangedWhileOpening,
    ReaderTakesNoMore,
    TookNoData,
    DiskTookNoMore,
    DescriptorNotOpen,  // its number
    DescriptorReadOnly, // its number
    IsAPicture,         // the picture
};

class Conversion {
    Q_DECLARE_TR_FUNCTIONS(Conversion)
};

// "Type mismatch", as a message box's heading.
QString errorKindName(CursorError error);
QString describe(Problem problem, const QStringList &arguments);
QString describe(Reason reason, const QString &argument = {});
// A file's name as messages show it: in quotation marks, with the
// platform's separators.
QString quotedPath(const QString &path);
// A text as messages quote it.
QString quotedText(const QString &text);

} // namespace pixelwick
