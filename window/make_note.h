// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QTimer>

namespace pixelwick {

// A few lines beside the preview and Make CUR. They say what holds for the
// cursor now (which of the picture is used, a cursor nothing of which would
// show) with a link to change it, and for a few seconds after a write what
// was written and where; a success needs no box.
class MakeNote : public QLabel {
    Q_OBJECT
public:
    explicit MakeNote(QWidget *parent);

    // `written` is the file as given, `replaced` whether one was there.
    void sayWritten(const QString &written, bool replaced, bool intoFile);
    // Any other news of a write, in whole sentences, shown until the next.
    void saySentences(const QString &sentences);
    // Takes back what was written, leaving what holds now.
    void clearNote();
    // What holds now, in sentences, and an `action` offered after them as a
    // link; empty texts for none.
    void setState(const QString &sentences, const QString &action);
    QString state() const { return m_state; }

signals:
    void actionChosen();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showElided();

    QString m_written;
    bool m_wrapWritten = false; // sentences, rather than a file's name and folder
    QString m_state;
    QString m_action;
    QTimer m_timer;
};

} // namespace pixelwick
