// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace pixelwick {

// What actually asks the user. The real one shows Qt's dialogs; tests put in
// one that answers by itself.
class DialogBackend {
public:
    virtual ~DialogBackend() = default;
    // The chosen file's full path, or nothing when cancelled.
    virtual std::optional<QString> askOpenFile(QWidget *parent, const QString &initialFolder) = 0;
    // The chosen colour, or nothing when cancelled.
    virtual std::optional<QColor> askColour(QWidget *parent, const QColor &initial) = 0;
    // The full path to write to, starting from `suggested`, or nothing when cancelled.
    virtual std::optional<QString> askSaveFile(QWidget *parent, const QString &suggested) = 0;
};

class QtDialogBackend : public DialogBackend {
public:
    std::optional<QString> askOpenFile(QWidget *parent, const QString &initialFolder) override;
    std::optional<QColor> askColour(QWidget *parent, const QColor &initial) override;
    std::optional<QString> askSaveFile(QWidget *parent, const QString &suggested) override;
};

// The window's one file-and-colour dialog. It keeps the file name and colour
// last accepted; the window keeps no copy of either.
class CommonDialog : public QObject {
    Q_OBJECT
public:
    explicit CommonDialog(QWidget *owner);
    ~CommonDialog() override;

    QString FileName() const { return m_fileName; }
    void setFileName(const QString &path) { m_fileName = path; }
    QColor Color() const { return m_colour; }
    void setColor(const QColor &colour) { m_colour = colour; }
    QString InitDir() const { return m_initDir; }
    void setInitDir(const QString &folder) { m_initDir = folder; }

    // Each returns false when the user cancelled; then FileName or Color
    // stays as it was.
    bool ShowOpen();
    bool ShowColor();
    // Asks where to write a file, starting from `suggested`; nothing when
    // cancelled. The kept file name stays that of the picture.
    std::optional<QString> ShowSave(const QString &suggested);

    void setBackend(std::unique_ptr<DialogBackend> backend);

private:
    QWidget *m_owner;
    std::unique_ptr<DialogBackend> m_backend;
    QString m_fileName;
    QColor m_colour = Qt::black;
    QString m_initDir;
};

} // namespace pixelwick
