// SPDX-License-Identifier: MIT
#pragma once

#include "common_dialog.h"
#include "looks_popup.h"
#include "make_note.h"
#include "picture_box.h"

#include "cursor_file.h"
#include "hot_spot.h"
#include "make_cursor.h"
#include "mask_encoder.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pixelwick {

// The one window. Its controls hold all the program's state: the picture in
// the preview, the swatch colours, the hot-spot texts and the dialog's kept
// file name.
class FrmConverter : public QWidget {
    Q_OBJECT
public:
    explicit FrmConverter(QWidget *parent = nullptr);

    static constexpr int kClientWidth = 317;
    static constexpr int kClientHeight = 134;

    // The key colours as the swatches show them now.
    KeyColours keyColours() const;
    // Loads the picture at `path` as Load BMP would, with a message when it
    // cannot; returns whether the preview now shows it.
    bool openPicture(const QString &path);

private slots:
    void cmdLoadBMPClick();
    void cmdMakeCURClick();
    void picBGClick();
    void picInvertClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The look popup on the preview: what Make CUR would write now.
    void showLooks();
    // Follows a change while the popup is open.
    void refreshLooks();
    void updateLooks();
    void chooseSwatchColour(PictureBox *swatch);
    // The preview's clicks, menu and arrow keys, its hot-spot mark, and
    // the controls' tooltips.
    void wirePreview();
    void markHotSpot();
    void setHotSpotFields(QPoint pixel);
    void setSwatchColour(PictureBox *swatch, const QColor &colour);
    void showFailure(const QString &kind, const QString &message);
    bool openChosenPicture(const QString &path);
    template <typename Handler> void guarded(Handler handler);

    QPushButton *cmdLoadBMP;
    PictureBox *picBMP;
    QPushButton *cmdMakeCUR;
    PictureBox *picBG;
    PictureBox *picInvert;
    QLineEdit *txtX;
    QLineEdit *txtY;
    QLabel *lblBG;
    QLabel *lblInvert;
    QLabel *lblX;
    QLabel *lblY;
    QLabel *lblHotSpot;
    CommonDialog *commonDialog;
    LooksPopup *m_looks = nullptr;
    QTimer m_restTimer;
    QTimer m_leaveTimer;
    QString m_shownPicture;     // the file the preview shows, as chosen
    ProtectedFiles m_shownFile; // that file, known by its identity whatever its name now
    QString m_lastFolder;       // of the picture last chosen, shown or not
    MakeNote *m_note = nullptr;
};

} // namespace pixelwick
