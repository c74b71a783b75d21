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
    NotAFolder,
    FileInTheWay,
    NotMadeInFolder, // the name within the folder
};

class Conversion {
    Q_DECLARE_TR_FUNCTIONS(Conversion)
};

// "Type mismatch", as a message box's heading.
QString errorKindName(CursorError error);
QString describe(Problem problem, const QStringList &arguments);
QString describe(Reason reason, const QString &argument = {});
// A file's name as messages show it: in quotation marks, with the
// platform's separators, escaped as shownName does.
QString quotedPath(const QString &path);
// A text as messages quote it, escaped as shownName does.
QString quotedText(const QString &text);

// A byte of a name that is no character in the system's encoding is held
// in a QString as the lone surrogate kHeldByteBase + byte (0x80 to 0xFF),
// which no decoded name contains.
constexpr char16_t kHeldByteBase = 0xDC00;
// A name as messages show it, unquoted, so that it cannot act on a terminal
// or pass for another name: controls as C escapes (ESC as \x1b, CR as \r,
// C1 controls as \u0085), line separators and direction overrides as \uXXXX,
// a held byte as \xff, and a backslash doubled where it is no separator.
QString shownName(const QString &name);
// A text from elsewhere (Qt, the system, an option's value) with only its
// controls escaped, so that printing it cannot act on a terminal.
QString withoutControls(const QString &text);

} // namespace pixelwick
