// SPDX-License-Identifier: MIT
#include "make_cursor.h"

#include "cursor_file.h"

#include <QFileInfo>

namespace pixelwick {

QString cursorPathFor(const QString &picturePath)
{
    const qsizetype nameStart = picturePath.lastIndexOf(u'/') + 1;
    if (nameStart >= picturePath.size())
        return {};
    const qsizetype dot = picturePath.lastIndexOf(u'.');
    // A dot in a folder's name, or leading a file's name, starts no extension.
    const bool hasExtension = dot > nameStart;
    return (hasExtension ? picturePath.left(dot) : picturePath) + QStringLiteral(".cur");
}

namespace {

MakeCursorResult failure(CursorError error, Problem problem, const QStringList &arguments = {},
                         const QString &outputPath = {})
{
    return {error, problem, arguments, describe(problem, arguments), outputPath};
}

bool samePlace(const QString &a, const QString &b)
{
    const QFileInfo first(a), second(b);
    if (first.absoluteFilePath() == second.absoluteFilePath())
        return true;
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

} // namespace

struct CursorBatchAccess {
    static StagedFiles &staged(CursorBatch &batch) { return batch.m_staged; }
    static void record(CursorBatch &batch, const QString &output, const QString &picture, bool staged)
    {
        batch.m_pictures.insert(placeKey(output), picture);
        if (staged)
            batch.m_made.append({output, picture});
    }
};

QString CursorBatch::pictureFor(const QString &cursorPath) const
{
    return m_pictures.value(placeKey(cursorPath));
}

QList<CursorBatch::Failure> CursorBatch::finish()
{
    QList<Failure> failures;
    for (const StagedFiles::Failure &failed : m_staged.commit()) {
        const Made &made = m_made.at(failed.index);
        failures.append({made.picture, failure(CursorError::DeviceOrFile, Problem::WritingFailed,
                                               {made.output, failed.reason}, made.output)});
    }
    m_made.clear();
    return failures;
}

MakeCursorResult readHotSpotField(const QString &text, char axis, std::int16_t &value)
{
    const HotSpotValue parsed = parseHotSpot(text);
    const QString axisName(QLatin1Char{axis});
    switch (parsed.status) {
    case HotSpotStatus::Ok: value = parsed.value; return {};
    case HotSpotStatus::OutOfRange:
        return failure(CursorError::Overflow, Problem::HotSpotOutOfRange, {axisName, text.trimmed()});
    case HotSpotStatus::NotANumber: break;
    }
    if (text.trimmed().isEmpty())
        return failure(CursorError::TypeMismatch, Problem::HotSpotEmpty, {axisName});
    return failure(CursorError::TypeMismatch, Problem::HotSpotNotANumber, {axisName, text.trimmed()});
}

namespace {

// Step 1: where the cursor goes; a failure, or empty with `output` set.
MakeCursorResult placeFor(const QString &dialogFileName, const QString &outputPath, const CursorBatch *batch,
                          QString &output)
{
    if (dialogFileName.isEmpty())
        return failure(CursorError::InvalidArgument, Problem::NoPictureChosen);
    output = outputPath.isEmpty() ? cursorPathFor(dialogFileName) : outputPath;
    if (output.isEmpty())
        return failure(CursorError::InvalidArgument, Problem::NamesNoPicture, {dialogFileName});
    if (samePlace(output, dialogFileName))
        return failure(CursorError::InvalidArgument, Problem::WouldReplacePicture, {output}, output);
    if (batch) {
        if (const QString earlier = batch->pictureFor(output); !earlier.isEmpty())
            return failure(CursorError::InvalidArgument, Problem::AlreadyMadeInThisRun, {output, earlier}, output);
    }
    return {};
}

// Steps 4 to 8: the cursor made whole in memory is put in place.
MakeCursorResult placeCursor(const QString &dialogFileName, const QString &output, const QByteArray &bytes,
                             CursorBatch *batch, const ProtectedFiles *otherPictures)
{
    ProtectedFiles picture;
    if (!dialogFileName.isEmpty())
        picture.add(dialogFileName);
    const Placed placed =
        placeFile(output, bytes, {&picture, otherPictures}, batch ? &CursorBatchAccess::staged(*batch) : nullptr);
    switch (placed.outcome) {
    case Placed::Outcome::Done: break;
    case Placed::Outcome::ReplacesPicture:
        if (placed.picture == dialogFileName)
            return failure(CursorError::InvalidArgument, Problem::WouldReplacePicture, {output}, output);
        return failure(CursorError::InvalidArgument, Problem::WouldReplaceOther, {output, placed.picture}, output);
    case Placed::Outcome::Refused:
        return failure(CursorError::FileAccess, Problem::CannotWrite, {output, placed.reason}, output);
    case Placed::Outcome::Failed:
        return failure(CursorError::DeviceOrFile, Problem::WritingFailed, {output, placed.reason}, output);
    }
    if (batch)
        CursorBatchAccess::record(*batch, output, dialogFileName, placed.staged);
    return {CursorError::None, Problem::None, {}, {}, output};
}

} // namespace

MakeCursorResult makeCursor(const QString &dialogFileName, const QString &hotSpotXText, const QString &hotSpotYText,
                            const PixelSource &source, const KeyColours &keys, const QString &outputPath,
                            CursorBatch *batch, const ProtectedFiles *otherPictures)
{
    // 1. Where the cursor goes.
    QString output;
    if (MakeCursorResult bad = placeFor(dialogFileName, outputPath, batch, output); !bad.ok())
        return bad;

    // 2, 3. The hot spot.
    HotSpot hotSpot;
    if (MakeCursorResult bad = readHotSpotField(hotSpotXText, 'x', hotSpot.x); !bad.ok())
        return bad;
    if (MakeCursorResult bad = readHotSpotField(hotSpotYText, 'y', hotSpot.y); !bad.ok())
        return bad;

    // 4 to 8. Made whole in memory first, so that a failure sends nothing
    // half-made, then put in place.
    const QByteArray bytes = cursorBytes(hotSpot, source, keys);
    if (bytes.size() != kCursorFileSize)
        return failure(CursorError::DeviceOrFile, Problem::WritingFailed, {output, describe(Reason::TookNoData)},
                       output);
    return placeCursor(dialogFileName, output, bytes, batch, otherPictures);
}

MakeCursorResult remakeCursor(const QString &cursorPath, const QString &hotSpotXText, const QString &hotSpotYText,
                              const PixelSource &source, const KeyColours &keys)
{
    HotSpot hotSpot;
    if (MakeCursorResult bad = readHotSpotField(hotSpotXText, 'x', hotSpot.x); !bad.ok())
        return bad;
    if (MakeCursorResult bad = readHotSpotField(hotSpotYText, 'y', hotSpot.y); !bad.ok())
        return bad;
    const QByteArray bytes = cursorBytes(hotSpot, source, keys);
    if (bytes.size() != kCursorFileSize)
        return failure(CursorError::DeviceOrFile, Problem::WritingFailed, {cursorPath, describe(Reason::TookNoData)},
                       cursorPath);
    return placeCursor({}, cursorPath, bytes, nullptr, nullptr);
}

MakeCursorResult makeCursorFile(const QString &dialogFileName, const QByteArray &bytes, const QString &outputPath,
                                CursorBatch *batch, const ProtectedFiles *otherPictures)
{
    QString output;
    if (MakeCursorResult bad = placeFor(dialogFileName, outputPath, batch, output); !bad.ok())
        return bad;
    return placeCursor(dialogFileName, output, bytes, batch, otherPictures);
}

} // namespace pixelwick
