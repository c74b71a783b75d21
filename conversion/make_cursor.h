// SPDX-License-Identifier: MIT
#pragma once

#include "file_placing.h"
#include "mask_encoder.h"
#include "messages.h"

#include <QHash>
#include <QList>
#include <QString>

namespace pixelwick {

struct MakeCursorResult {
    CursorError error = CursorError::None;
    Problem problem = Problem::None;
    QStringList arguments; // the problem's details, as messages.h lists them
    QString message;       // the problem in words: one or two sentences naming the file or field
    QString outputPath;    // where the cursor goes (or went)
    bool ok() const { return error == CursorError::None; }
};

// A run of cursors made together, as the converter's batch. Each cursor is
// written at once to a new file beside its target; finish() then syncs them
// to disk in one go and moves each into place, so that no half-written or
// mixed file is ever left and an older cursor stays until its new one is
// whole. A long run is finished group by group, whenever due() says so. A
// cursor that this run already made is never replaced. Whatever is not
// finished is removed, also when a signal ends the process.
class CursorBatch {
public:
    CursorBatch() = default;
    CursorBatch(const CursorBatch &) = delete;
    CursorBatch &operator=(const CursorBatch &) = delete;

    // The picture whose cursor goes to `cursorPath` in this run, else empty.
    QString pictureFor(const QString &cursorPath) const;
    struct Failure {
        QString picture;
        MakeCursorResult result;
    };
    // Whether the cursors written so far have waited long enough, or are
    // enough of them, to be moved into place now.
    bool due() const { return m_staged.due(); }
    // Moves every cursor written so far into place; says what failed.
    QList<Failure> finish();

private:
    friend struct CursorBatchAccess;
    struct Made {
        QString output; // the cursor's name as given
        QString picture;
    };
    QHash<QString, QString> m_pictures;
    StagedFiles m_staged;
    QList<Made> m_made; // one for each staged file, in its order
};

// The picture's path with its extension replaced by ".cur", or ".cur"
// appended when it has none. Empty when the path names no file.
QString cursorPathFor(const QString &picturePath);

// Reads one hot-spot field's text ('x' or 'y') into `value`, as Make CUR
// does; on failure says why, as Make CUR would.
MakeCursorResult readHotSpotField(const QString &text, char axis, std::int16_t &value);

// Writes the cursor for the picture last chosen. `outputPath` overrides the
// cursor's place beside the picture. Steps that fail before the write touch
// no file; a failed write leaves any older cursor file as it was. The
// cursor is placed by placeFile()'s rule, and never replaces the picture
// nor any of `otherPictures`. With `batch`, a cursor file is only put in
// place by the batch's finish(), and one that this run already made is
// refused.
MakeCursorResult makeCursor(const QString &dialogFileName, const QString &hotSpotXText, const QString &hotSpotYText,
                            const PixelSource &source, const KeyColours &keys, const QString &outputPath = {},
                            CursorBatch *batch = nullptr, const ProtectedFiles *otherPictures = nullptr);

// The same over the cursor file `cursorPath` that the picture was read
// from, which the user has agreed to replace: the one write that may
// replace what was read.
MakeCursorResult remakeCursor(const QString &cursorPath, const QString &hotSpotXText, const QString &hotSpotYText,
                              const PixelSource &source, const KeyColours &keys);

// The same for a cursor file already made whole, of another size or of
// several images: placed beside the picture named `dialogFileName`, or at
// `outputPath`, by the same rule.
MakeCursorResult makeCursorFile(const QString &dialogFileName, const QByteArray &bytes, const QString &outputPath = {},
                                CursorBatch *batch = nullptr, const ProtectedFiles *otherPictures = nullptr);

} // namespace pixelwick
