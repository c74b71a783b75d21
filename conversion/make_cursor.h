#pragma once

#include "mask_encoder.h"

#include <QHash>
#include <QList>
#include <QString>

namespace pixelwick {

enum class CursorError {
    None,
    InvalidArgument, // no picture chosen, or the cursor would replace the picture or
                     // a cursor made earlier in the same run
    TypeMismatch,    // a hot-spot text that is not a number
    Overflow,        // a hot-spot value outside -32768..32767
    FileAccess,      // the cursor file cannot be opened for writing
    DeviceOrFile,    // writing or finishing the file failed
};

// The kind of error in words for a person ("Type mismatch").
QString errorKindName(CursorError error);

struct MakeCursorResult {
    CursorError error = CursorError::None;
    QString message;    // one or two sentences naming the file or field
    QString outputPath; // where the cursor goes (or went)
    bool ok() const { return error == CursorError::None; }
};

// A run of cursors made together, as the converter's batch. Each cursor is
// written at once to a new file beside its target; finish() then syncs them
// all to disk in one go and moves each into place, so that no half-written
// or mixed file is ever left and an older cursor stays until its new one is
// whole. A cursor that this run already made is never replaced.
class CursorBatch {
public:
    CursorBatch() = default;
    CursorBatch(const CursorBatch &) = delete;
    CursorBatch &operator=(const CursorBatch &) = delete;
    // Whatever was not finished is removed.
    ~CursorBatch();

    // The picture whose cursor goes to `cursorPath` in this run, else empty.
    QString pictureFor(const QString &cursorPath) const;
    struct Failure {
        QString picture;
        MakeCursorResult result;
    };
    // Moves every cursor written so far into place; says what failed.
    QList<Failure> finish();

private:
    friend struct CursorBatchAccess;
    struct Staged {
        QString temporary;
        QString target; // the file that gets the cursor
        QString output; // the cursor's name as given
        QString picture;
    };
    QHash<QString, QString> m_pictures;
    QList<Staged> m_staged;
};

// The picture's path with its extension replaced by ".cur", or ".cur"
// appended when it has none. Empty when the path names no file.
QString cursorPathFor(const QString &picturePath);

// Writes the cursor for the picture last chosen. `outputPath` overrides the
// cursor's place beside the picture. Steps that fail before the write touch
// no file; a failed write leaves any older cursor file as it was. Only
// regular files are replaced; a pipe or character device is written into,
// anything else refused. With `batch`, a cursor file is only put in place
// by the batch's finish(), and one that this run already made is refused.
MakeCursorResult makeCursor(const QString &dialogFileName, const QString &hotSpotXText,
                            const QString &hotSpotYText, const PixelSource &source,
                            const KeyColours &keys, const QString &outputPath = {},
                            CursorBatch *batch = nullptr);

} // namespace pixelwick
