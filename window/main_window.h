// SPDX-License-Identifier: MIT
#pragma once

#include "common_dialog.h"
#include "looks_popup.h"
#include "make_note.h"
#include "picture_box.h"
#include "window_picture.h"

#include "cursor_file.h"
#include "hot_spot.h"
#include "make_cursor.h"
#include "mask_encoder.h"

#include <QTimer>
#include <QWidget>

#include <exception>
#include <optional>

class QLabel;
class QMenu;
class QLineEdit;
class QPushButton;

namespace pixelwick {

class TestArea;

// The one window. Its controls hold the program's state: the swatch
// colours, the hot-spot texts and the dialog's kept file name; the picture
// and the choices that make it the cursor (fit, part, near colours) are
// kept beside them and shown in the preview and its note.
class FrmConverter : public QWidget {
    Q_OBJECT
public:
    explicit FrmConverter(QWidget *parent = nullptr);

    static constexpr int kClientWidth = 317;
    static constexpr int kClientHeight = 134;

    // The key colours as the swatches show them now, with the tolerance
    // of near colours.
    KeyColours keyColours() const;
    // Loads the picture at `path` as Load BMP would, with a message when it
    // cannot; returns whether the preview now shows it.
    bool openPicture(const QString &path);
    // Fits the whole picture into the cursor, or takes a part of it pixel
    // for pixel; a picture shown is read again for it.
    void setFitWhole(bool fit);

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
    // What the cursor is now, as Make CUR writes it and the looks show it.
    LookGrid cursorLooks() const;
    // The colour the picture is shown over.
    QColor windowColour() const;
    // Shows the cursor as it is now: preview, note and looks.
    void showCursorNow();
    // The shown picture's bytes read again for `region`; nothing when the
    // read failed (which a message says) or the window closed meanwhile.
    std::optional<LoadedPicture> readAgain(const PictureRegion &region);
    // The window's own items in the preview's menu.
    void extendPreviewMenu(QMenu *menu);
    void movePart(QPoint from);
    void askNearColours();
    // A line of text asked for, its explanation wrapped rather than widen
    // the dialog past the screen; empty and `accepted` false when cancelled.
    QString askText(const QString &title, const QString &label, const QString &value, bool &accepted);
    void makeSizeSet();
    // The test area: Ctrl+T and the preview's menu open it; it follows the cursor.
    void wireTestArea();
    void openTestArea();
    void refreshTestArea();
    void useOnDesktop();
    bool openChosenPicture(const QString &path);
    // Writes the cursor to `chosen`, or beside the picture when empty.
    void writeCursor(const QString &chosen);
    void saveCursorAs();
    // Whether `target` is the file the shown cursor was opened from.
    bool isOpenedCursor(const QString &target) const;
    bool replaceAgreed(const QString &target);
    // Whether both hot-spot fields hold numbers; else says which does not.
    bool hotSpotFieldsRead();
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
    WindowPicture m_picture;
    int m_tolerance = 0; // of near colours, 0 for exactly the key colours
    QPoint m_dragFrom;   // the part's place when the drag began
    QString m_sizes;     // the sizes last asked for a set
    TestArea *m_testArea = nullptr;
    HotSpot m_triedHotSpot; // in the test area, kept while a field holds no number
    QString m_themeName;    // the pointer theme last written
};

// Nothing thrown may reach Qt's event loop: it would end the program and
// lose what the window holds.
template <typename Handler> void FrmConverter::guarded(Handler handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        showFailure(tr("Unexpected error"), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showFailure(tr("Unexpected error"), tr("Something went wrong; nothing was changed."));
    }
}

} // namespace pixelwick
