// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QTimer>

namespace pixelwick {

// A short line beside Make CUR that says what was written and where, and
// goes away by itself after a few seconds; a success needs no box.
class MakeNote : public QLabel {
    Q_OBJECT
public:
    explicit MakeNote(QWidget *parent);

    // `written` is the file as given, `replaced` whether one was there.
    void sayWritten(const QString &written, bool replaced, bool intoFile);
    void clearNote();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showElided();

    QString m_full;
    QTimer m_timer;
};

} // namespace pixelwick
