// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "busy_reading.h"
#include "cursor_file.h"
#include "cursor_looks.h"
#include "cursor_pictures.h"
#include "cursor_reader.h"
#include "hot_spot.h"
#include "make_cursor.h"
#include "picture_loading.h"
#include "picture_sources.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace pixelwick {

namespace {

// How long the pointer rests on the preview before the looks show, as a
// tooltip would.
constexpr int kLooksRestMilliseconds = 500;
// Long enough to move the pointer from the preview onto the popup.
constexpr int kLooksLeaveMilliseconds = 200;

template <typename Control>
Control *placed(Control *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *result = placed(new QPushButton(caption, parent), name, left, top, 97, 25);
    // Enter presses a button only while it has the focus; there is no
    // default button, so Escape presses none.
    result->setAutoDefault(true);
    result->setDefault(false);
    return result;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
              Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *result = placed(new QLabel(text, parent), name, left, top, width, 17);
    result->setAlignment(alignment | Qt::AlignVCenter);
    return result;
}

QLineEdit *field(QWidget *parent, const char *name, int left, int top)
{
    auto *result = placed(new QLineEdit(defaultHotSpotText(), parent), name, left, top, 33, 19);
    result->setTextMargins(0, 0, 0, 0);
    return result;
}

PictureBox *box(QWidget *parent, PictureBox::Role role, const char *name, const QString &accessibleName, int left,
                int top)
{
    auto *result = placed(new PictureBox(role, parent), name, left, top, kCursorSize, kCursorSize);
    result->setAccessibleName(accessibleName);
    return result;
}

// The controls have fixed sizes, so take the largest font up to the usual
// one in which every caption fits its control.
QFont fittingFont(QFont font, const QList<QWidget *> &controls)
{
    const auto fits = [&](const QFont &candidate) {
        const QFontMetrics metrics(candidate);
        for (QWidget *control : controls) {
            QString text;
            int room = control->width();
            if (auto *asLabel = qobject_cast<QLabel *>(control)) {
                text = asLabel->text();
            } else if (auto *asButton = qobject_cast<QPushButton *>(control)) {
                text = asButton->text();
                room -= 12; // the button's own frame and padding
            }
            if (metrics.horizontalAdvance(text) > room || metrics.height() > control->height())
                return false;
        }
        return true;
    };
    qreal size = font.pointSizeF() > 0 ? qMin<qreal>(font.pointSizeF(), 9.0) : 9.0;
    font.setPointSizeF(size);
    while (size > 6.0 && !fits(font)) {
        size -= 0.5;
        font.setPointSizeF(size);
    }
    return font;
}

} // namespace

FrmConverter::FrmConverter(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmConverter"));
    setWindowTitle(QGuiApplication::applicationDisplayName());
    resize(kClientWidth, kClientHeight);

    // Created in tab order.
    cmdLoadBMP = button(this, "cmdLoadBMP", tr("Load BMP"), 8, 8);
    picBMP = box(this, PictureBox::Role::Preview, "picBMP", tr("Preview"), 40, 40);
    cmdMakeCUR = button(this, "cmdMakeCUR", tr("Make CUR"), 208, 96);
    picBG = box(this, PictureBox::Role::Swatch, "picBG", tr("Background colour"), 272, 8);
    picInvert = box(this, PictureBox::Role::Swatch, "picInvert", tr("Invert colour"), 272, 48);
    txtX = field(this, "txtX", 152, 32);
    txtY = field(this, "txtY", 152, 56);
    lblBG = label(this, "lblBG", tr("background:"), 200, 16, 65, Qt::AlignRight);
    lblInvert = label(this, "lblInvert", tr("invert:"), 200, 56, 65, Qt::AlignRight);
    lblX = label(this, "lblX", tr("x:"), 128, 32, 17);
    lblY = label(this, "lblY", tr("y:"), 128, 56, 17);
    lblHotSpot = label(this, "lblHotSpot", tr("Hot Spot:"), 120, 16, 65);
    commonDialog = new CommonDialog(this);
    // Below the preview and left of Make CUR, room for a few lines.
    m_note = placed(new MakeNote(this), "lblNote", 8, 78, 196, 52);

    picBG->setBackColour(colourOf(kDefaultKeyColours.background));
    picInvert->setBackColour(colourOf(kDefaultKeyColours.invert));
    txtX->setAccessibleName(tr("Hot spot x"));
    txtY->setAccessibleName(tr("Hot spot y"));

    setFont(fittingFont(font(), {cmdLoadBMP, cmdMakeCUR, lblBG, lblInvert, lblX, lblY, lblHotSpot}));

    const QList<QWidget *> tabOrder{cmdLoadBMP, picBMP, cmdMakeCUR, picBG, picInvert, txtX, txtY};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    cmdLoadBMP->setFocus();

    // Resting the pointer on the preview, or Space while it has the focus,
    // shows how the cursor will look; the popup follows every change.
    m_looks = new LooksPopup(this);
    m_restTimer.setSingleShot(true);
    m_restTimer.setInterval(kLooksRestMilliseconds);
    connect(&m_restTimer, &QTimer::timeout, this, [this] {
        // Not while a menu is open: looks in a window of their own would
        // close it under the user's next key. They come with the next rest.
        if (!QApplication::activePopupWidget())
            showLooks();
    });
    picBMP->installEventFilter(this);
    // Moving from the preview onto the popup keeps it open: only leaving
    // both hides it.
    m_leaveTimer.setSingleShot(true);
    m_leaveTimer.setInterval(kLooksLeaveMilliseconds);
    connect(&m_leaveTimer, &QTimer::timeout, this, [this] {
        const QPoint pointer = QCursor::pos();
        const bool onPreview = QRect(picBMP->mapToGlobal(QPoint(0, 0)), picBMP->size()).contains(pointer);
        if (!onPreview && !m_looks->shownGeometry().contains(pointer))
            m_looks->hidePopup();
    });
    m_looks->installEventFilter(this);
    installEventFilter(this); // a moved window takes its popup along
    connect(txtX, &QLineEdit::textChanged, this, &FrmConverter::refreshLooks);
    connect(txtY, &QLineEdit::textChanged, this, &FrmConverter::refreshLooks);

    // The window cannot be made smaller than its controls.
    setMinimumSize(kClientWidth, kClientHeight);
    setAcceptDrops(true);
    const auto shortcut = [this](QKeyCombination keys, const std::function<void()> &action) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, action);
    };
    shortcut(Qt::CTRL | Qt::Key_O, [this] { cmdLoadBMP->click(); });
    shortcut(Qt::CTRL | Qt::Key_S, [this] { cmdMakeCUR->click(); });
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_S, [this] { saveCursorAs(); });
    shortcut(Qt::CTRL | Qt::Key_Q, [this] { close(); });

    connect(cmdLoadBMP, &QPushButton::clicked, this, &FrmConverter::cmdLoadBMPClick);
    connect(cmdMakeCUR, &QPushButton::clicked, this, &FrmConverter::cmdMakeCURClick);
    connect(picBG, &PictureBox::clicked, this, &FrmConverter::picBGClick);
    connect(picInvert, &PictureBox::clicked, this, &FrmConverter::picInvertClick);
    wirePreview();
    wireTestArea();
}

KeyColours FrmConverter::keyColours() const
{
    return {colourValueOf(picBG->backColour()), colourValueOf(picInvert->backColour()), m_tolerance};
}

void FrmConverter::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedPicture(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FrmConverter::dropEvent(QDropEvent *event)
{
    const QString picture = droppedPicture(event->mimeData());
    if (picture.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has ended: a message box must not hold up the file
    // manager that dropped it.
    QTimer::singleShot(0, this, [this, picture] { openPicture(picture); });
}

void FrmConverter::cmdLoadBMPClick()
{
    guarded([this] {
        // Where the last chosen picture was, as the platforms' own open
        // dialogs do; the first time, where pictures are kept.
        commonDialog->setInitDir(m_lastFolder.isEmpty() ? firstPictureFolder() : m_lastFolder);
        if (commonDialog->ShowOpen())
            openChosenPicture(commonDialog->FileName());
    });
}

bool FrmConverter::openPicture(const QString &path)
{
    bool opened = false;
    guarded([&] {
        commonDialog->setFileName(path);
        opened = openChosenPicture(path);
    });
    return opened;
}

bool FrmConverter::openChosenPicture(const QString &path)
{
    // The picture is read in another process; meanwhile the window keeps
    // painting, shows that it is busy, and takes no input but closing.
    m_lastFolder = QFileInfo(path).absolutePath();
    bool closed = false;
    LoadedPicture loaded;
    {
        BusyReading busy(this);
        const auto keepReading = [&] { return busy.keepReading(); };
        loaded = loadPictureOrCursor(path, keepReading, WindowPicture::regionToRead(m_picture.fit()));
        // Too large to hold whole at its size: its corner is read for itself.
        if (loaded.ok() && !busy.closed() && !m_picture.fit() && WindowPicture::readSmaller(loaded)) {
            const FileIdentity identity = loaded.identity;
            loaded = loadPictureBytes(loaded.bytes, path, QFileInfo(path).suffix(), PictureRegion(), keepReading);
            loaded.identity = identity;
        }
        closed = busy.closed();
    }
    // The kept name must stay the name of the picture still shown.
    if (closed || !loaded.ok())
        commonDialog->setFileName(m_shownPicture);
    // Closed while reading: nothing is left to show the picture in.
    if (closed)
        return false;
    if (!loaded.ok()) {
        showFailure(tr("Cannot load the picture"), loaded.error);
        return false;
    }
    m_shownPicture = path;
    m_shownFile = {};
    m_shownFile.add(path, loaded.identity);
    // The title names the picture, which Make CUR's cursor is named after.
    setWindowFilePath(path);
    setWindowTitle(
        QStringLiteral("%1 \u2014 %2").arg(QFileInfo(path).fileName(), QGuiApplication::applicationDisplayName()));
    m_note->clearNote();
    m_picture.clearPart();
    // A cursor opened to be changed brings its hot spot.
    const std::optional<QPoint> hotSpot = loaded.hotSpot;
    m_picture.setPicture(std::move(loaded));
    if (hotSpot)
        setHotSpotFields(*hotSpot);
    showCursorNow();
    return true;
}

void FrmConverter::cmdMakeCURClick()
{
    guarded([this] { writeCursor({}); });
}

void FrmConverter::picBGClick()
{
    guarded([this] { chooseSwatchColour(picBG); });
}

void FrmConverter::picInvertClick()
{
    guarded([this] { chooseSwatchColour(picInvert); });
}

void FrmConverter::chooseSwatchColour(PictureBox *swatch)
{
    // Start from this swatch's own colour, so a cancel leaves it as it was.
    commonDialog->setColor(swatch->backColour());
    commonDialog->ShowColor();
    setSwatchColour(swatch, commonDialog->Color());
}

void FrmConverter::showFailure(const QString &kind, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), kind, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("failureMessage"));
    box.setInformativeText(message);
    box.exec();
}

} // namespace pixelwick
