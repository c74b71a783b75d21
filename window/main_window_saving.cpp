// SPDX-License-Identifier: MIT
// Writing the cursor: beside the picture (Make CUR), under a name the user
// chooses (Save as…), and over the cursor file it was opened from, which
// is replaced only when the user says so.
#include "main_window.h"

#include "file_targets.h"
#include "make_cursor.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>

namespace pixelwick {

bool FrmConverter::hotSpotFieldsRead()
{
    std::int16_t value = 0;
    for (auto [field, axis] : {std::pair{txtX, 'x'}, std::pair{txtY, 'y'}}) {
        if (const MakeCursorResult bad = readHotSpotField(field->text(), axis, value); !bad.ok()) {
            showFailure(errorKindName(bad.error), bad.message);
            return false;
        }
    }
    return true;
}

bool FrmConverter::isOpenedCursor(const QString &target) const
{
    // Only the very file that was opened as a cursor, known by its
    // identity: a picture renamed to its cursor's name is never it.
    const LoadedPicture &loaded = m_picture.loaded();
    if (!m_picture.hasPicture() || !loaded.fromCursorFile || !loaded.identity.known)
        return false;
    const Target there = targetFor(target);
    return there.kind == Target::Kind::File && there.present && there.device == loaded.identity.device
           && there.inode == loaded.identity.inode;
}

bool FrmConverter::replaceAgreed(const QString &target)
{
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                    tr("Replace %1 with the changed cursor?").arg(QFileInfo(target).fileName()),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("replaceQuestion"));
    box.setDefaultButton(QMessageBox::No);
    if (const int images = m_picture.loaded().imagesInFile; images > 1)
        box.setInformativeText(
            tr("The file holds %n images; only the 32 × 32 cursor is written, and the others are not kept.", nullptr,
               images));
    return box.exec() == QMessageBox::Yes;
}

void FrmConverter::writeCursor(const QString &chosen)
{
    const LookSource source(cursorLooks());
    const QString target = chosen.isEmpty() ? cursorPathFor(commonDialog->FileName()) : chosen;
    const QFileInfo before(target);
    const bool replacing = before.exists() && before.isFile();
    m_note->clearNote();
    MakeCursorResult result;
    if (!target.isEmpty() && isOpenedCursor(target)) {
        // The hot spot is checked before the question, as it would be
        // before any other write.
        if (!hotSpotFieldsRead() || !replaceAgreed(target))
            return;
        result = remakeCursor(target, txtX->text(), txtY->text(), source, kLookKeys);
    } else {
        result = makeCursor(commonDialog->FileName(), txtX->text(), txtY->text(), source, kLookKeys, chosen, nullptr,
                            &m_shownFile);
    }
    if (!result.ok()) {
        showFailure(errorKindName(result.error), result.message);
        return;
    }
    m_note->sayWritten(result.outputPath, replacing, !before.exists() || before.isFile());
}

void FrmConverter::saveCursorAs()
{
    guarded([this] {
        // Without a picture or a hot spot there is nothing to name: the
        // same message as Make CUR's, before any dialog.
        if (commonDialog->FileName().isEmpty() || !m_picture.hasPicture()) {
            writeCursor({});
            return;
        }
        if (!hotSpotFieldsRead())
            return;
        const std::optional<QString> target = commonDialog->ShowSave(cursorPathFor(commonDialog->FileName()));
        if (target)
            writeCursor(*target);
    });
}

} // namespace pixelwick
