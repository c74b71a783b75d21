// SPDX-License-Identifier: MIT
#include "common_dialog.h"

#include <QColorDialog>
#include <QFileDialog>

namespace pixelwick {

std::optional<QString> QtDialogBackend::askOpenFile(QWidget *parent, const QString &initialFolder)
{
    // No title, filter or default name of our own: every file is listed.
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDirectory(initialFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtDialogBackend::askColour(QWidget *parent, const QColor &initial)
{
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QString> QtDialogBackend::askSaveFile(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({CommonDialog::tr("Cursors (*.cur)"), CommonDialog::tr("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("cur"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

CommonDialog::CommonDialog(QWidget *owner)
    : QObject(owner),
      m_owner(owner),
      m_backend(std::make_unique<QtDialogBackend>())
{
    setObjectName(QStringLiteral("CommonDialog"));
}

CommonDialog::~CommonDialog() = default;

bool CommonDialog::ShowOpen()
{
    const std::optional<QString> chosen = m_backend->askOpenFile(m_owner, m_initDir);
    if (!chosen)
        return false;
    m_fileName = *chosen;
    return true;
}

bool CommonDialog::ShowColor()
{
    const std::optional<QColor> chosen = m_backend->askColour(m_owner, m_colour);
    if (!chosen || !chosen->isValid())
        return false;
    // Key colours are plain red, green and blue; the cursor has no alpha.
    m_colour = chosen->toRgb();
    m_colour.setAlpha(255);
    return true;
}

std::optional<QString> CommonDialog::ShowSave(const QString &suggested)
{
    return m_backend->askSaveFile(m_owner, suggested);
}

void CommonDialog::setBackend(std::unique_ptr<DialogBackend> backend)
{
    m_backend = backend ? std::move(backend) : std::make_unique<QtDialogBackend>();
}

} // namespace pixelwick
