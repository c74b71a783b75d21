#pragma once

#include "mask_encoder.h"

#include <QHash>
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

// The picture's path with its extension replaced by ".cur", or ".cur"
// appended when it has none. Empty when the path names no file.
QString cursorPathFor(const QString &picturePath);

// The cursor files one run has written, so that a batch never replaces a
// cursor it made itself.
class CursorsWritten {
public:
    // The picture whose cursor went to `cursorPath` in this run, else empty.
    QString pictureFor(const QString &cursorPath) const;
    void add(const QString &cursorPath, const QString &picturePath);

private:
    QHash<QString, QString> m_pictures;
};

// Writes the cursor for the picture last chosen. `outputPath` overrides the
// cursor's place beside the picture. Steps that fail before the write touch
// no file; a failed write leaves any older cursor file as it was. Only
// regular files are replaced; a pipe or character device is written into,
// anything else refused. With `written`, a cursor that this run already
// wrote is refused, and each new one is recorded there.
MakeCursorResult makeCursor(const QString &dialogFileName, const QString &hotSpotXText,
                            const QString &hotSpotYText, const PixelSource &source,
                            const KeyColours &keys, const QString &outputPath = {},
                            CursorsWritten *written = nullptr);

} // namespace pixelwick
