#pragma once

#include "mask_encoder.h"

#include <QString>

namespace pixelwick {

enum class CursorError {
    None,
    InvalidArgument, // no picture chosen, or the cursor would replace the picture
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

// The picture's path with its extension replaced by ".cur", or ".cur"
// appended when it has none. Empty when the path names no file.
QString cursorPathFor(const QString &picturePath);

// Writes the cursor for the picture last chosen. `outputPath` overrides the
// cursor's place beside the picture. Steps that fail before the write touch
// no file; a failed write leaves any older cursor file as it was.
MakeCursorResult makeCursor(const QString &dialogFileName, const QString &hotSpotXText,
                            const QString &hotSpotYText, const PixelSource &source,
                            const KeyColours &keys, const QString &outputPath = {});

} // namespace pixelwick
