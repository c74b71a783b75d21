// SPDX-License-Identifier: MIT
// Make a set of sizes: one cursor file with the whole picture fitted at
// each size asked for, for screens of every scale.
#include "main_window.h"

#include "cursor_file.h"
#include "make_cursor.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

namespace pixelwick {

namespace {

// What a new window offers: the sizes Windows asks for at 75 % to 200 %.
const char kDefaultSizes[] = "24, 32, 48, 64";

} // namespace

void FrmConverter::makeSizeSet()
{
    guarded([this] {
        // The hot spot first: typed for the 32 x 32 cursor, it is moved to
        // the same spot of the picture at each size.
        HotSpot hotSpot;
        for (auto [field, axis, value] : {std::tuple{txtX, 'x', &hotSpot.x}, std::tuple{txtY, 'y', &hotSpot.y}}) {
            if (const MakeCursorResult bad = readHotSpotField(field->text(), axis, *value); !bad.ok()) {
                showFailure(errorKindName(bad.error), bad.message);
                return;
            }
        }
        bool accepted = false;
        const QString text = askText(
            tr("Make a set of sizes"),
            tr("The sizes of the cursor's images, each from 16 to 256 and a multiple of 8, such as 24, 32, 48, 64:"),
            m_sizes.isEmpty() ? QString::fromLatin1(kDefaultSizes) : m_sizes, accepted);
        if (!accepted)
            return;
        QList<int> sizes;
        for (const QString &word : text.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts)) {
            bool number = false;
            const int size = word.toInt(&number);
            if (!number || !isCursorSize(size)) {
                showFailure(tr("Not a cursor size"),
                            tr("“%1” is not a size a cursor can have: from 16 to 256, a multiple of 8.").arg(word));
                return;
            }
            if (!sizes.contains(size))
                sizes << size;
        }
        if (sizes.isEmpty()) {
            showFailure(tr("Not a cursor size"), tr("No size was given."));
            return;
        }
        std::sort(sizes.begin(), sizes.end());
        m_sizes = text.simplified();
        const std::optional<QString> target = commonDialog->ShowSave(cursorPathFor(commonDialog->FileName()));
        if (!target)
            return;

        // Each size fitted from the same picture, a drawing drawn anew at
        // that size.
        const KeyColours keys = keyColours();
        QList<LookSource> sources;
        for (const int size : sizes) {
            CursorMaking making = m_picture.making(keys, windowColour(), size);
            making.fit = true;
            const std::optional<LoadedPicture> read = readAgain(regionFor(making));
            if (!read)
                return;
            sources.append(LookSource(cursorLooksOf(*read, making)));
        }
        QList<CursorFrame> frames;
        for (qsizetype i = 0; i < sizes.size(); ++i)
            frames.append({sizes[i], scaledHotSpot(hotSpot, sizes[i]), &sources[i]});

        const QFileInfo before(*target);
        const bool replacing = before.exists() && before.isFile();
        m_note->clearNote();
        const MakeCursorResult result = makeCursorFile(commonDialog->FileName(), cursorFileBytes(frames, kLookKeys),
                                                       *target, nullptr, &m_shownFile);
        if (!result.ok()) {
            showFailure(errorKindName(result.error), result.message);
            return;
        }
        m_note->sayWritten(result.outputPath, replacing, !before.exists() || before.isFile());
    });
}

} // namespace pixelwick
