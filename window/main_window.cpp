// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "busy_reading.h"
#include "cursor_file.h"
#include "cursor_looks.h"
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

#include <exception>

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
    m_note = placed(new MakeNote(this), "lblNote", 8, 100, 196, 17);

    picBG->setBackColour(colourOf(kDefaultKeyColours.background));
    picBMP->setTransparentColour(picBG->backColour());
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
    connect(&m_restTimer, &QTimer::timeout, this, &FrmConverter::showLooks);
    picBMP->installEventFilter(this);
    // Moving from the preview onto the popup keeps it open: only leaving
    // both hides it.
    m_leaveTimer.setSingleShot(true);
    m_leaveTimer.setInterval(kLooksLeaveMilliseconds);
    connect(&m_leaveTimer, &QTimer::timeout, this, [this] {
        const QPoint pointer = QCursor::pos();
        const bool onPreview = QRect(picBMP->mapToGlobal(QPoint(0, 0)), picBMP->size()).contains(pointer);
        if (!onPreview && !m_looks->geometry().contains(pointer))
            m_looks->hide();
    });
    m_looks->installEventFilter(this);
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
    shortcut(Qt::CTRL | Qt::Key_Q, [this] { close(); });

    connect(cmdLoadBMP, &QPushButton::clicked, this, &FrmConverter::cmdLoadBMPClick);
    connect(cmdMakeCUR, &QPushButton::clicked, this, &FrmConverter::cmdMakeCURClick);
    connect(picBG, &PictureBox::clicked, this, &FrmConverter::picBGClick);
    connect(picInvert, &PictureBox::clicked, this, &FrmConverter::picInvertClick);
    wirePreview();
}

KeyColours FrmConverter::keyColours() const
{
    return {colourValueOf(picBG->backColour()), colourValueOf(picInvert->backColour())};
}

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
        loaded = loadPicture(path, [&] { return busy.keepReading(); });
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
    picBMP->setPicture(loaded.image);
    refreshLooks();
    return true;
}

void FrmConverter::cmdMakeCURClick()
{
    guarded([this] {
        const ImagePixelSource source(picBMP->shownImage());
        const QFileInfo before(cursorPathFor(commonDialog->FileName()));
        const bool replacing = before.exists() && before.isFile();
        m_note->clearNote();
        const MakeCursorResult result = makeCursor(commonDialog->FileName(), txtX->text(), txtY->text(), source,
                                                   keyColours(), {}, nullptr, &m_shownFile);
        if (!result.ok()) {
            showFailure(errorKindName(result.error), result.message);
            return;
        }
        m_note->sayWritten(result.outputPath, replacing, !before.exists() || before.isFile());
    });
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

bool FrmConverter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_looks) {
        if (event->type() == QEvent::Leave)
            m_leaveTimer.start();
        else if (event->type() == QEvent::Enter)
            m_leaveTimer.stop();
    }
    if (watched == picBMP) {
        switch (event->type()) {
        case QEvent::Enter:
            m_leaveTimer.stop();
            if (!m_looks->isVisible())
                m_restTimer.start();
            break;
        case QEvent::Leave:
            m_restTimer.stop();
            m_leaveTimer.start();
            break;
        case QEvent::ToolTip:
            // The looks popup already stands beside the preview.
            if (m_looks->isVisible() || m_restTimer.isActive())
                return true;
            break;
        case QEvent::FocusOut:
            // The preview's own menu keeps the looks in view, to follow its
            // choice, also where the platform makes the menu the active window.
            if (static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason
                || QApplication::activePopupWidget())
                break;
            [[fallthrough]];
        case QEvent::Hide:
            m_restTimer.stop();
            m_looks->hide();
            break;
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
                showLooks();
                return true;
            }
            if (key->key() == Qt::Key_Escape && m_looks->isVisible()) {
                m_looks->hide();
                return true;
            }
            break;
        }
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmConverter::showLooks()
{
    guarded([this] {
        updateLooks();
        m_looks->popUpBeside(picBMP);
    });
}

void FrmConverter::refreshLooks()
{
    // Drawing the looks takes a while; a hidden popup is drawn when shown.
    if (m_looks->isVisible())
        updateLooks();
}

void FrmConverter::updateLooks()
{
    // Make CUR would refuse without a picture, so there is nothing to show.
    if (commonDialog->FileName().isEmpty() || !picBMP->hasPicture()) {
        m_looks->showText(tr("Nothing to show yet: load a picture first."));
        return;
    }
    // The bytes Make CUR would write now, made in memory; with a field that
    // holds no number the looks are shown without a hot spot.
    HotSpot hotSpot;
    QStringList unknown;
    if (const MakeCursorResult bad = readHotSpotField(txtX->text(), 'x', hotSpot.x); !bad.ok())
        unknown << bad.message;
    if (const MakeCursorResult bad = readHotSpotField(txtY->text(), 'y', hotSpot.y); !bad.ok())
        unknown << bad.message;
    const CursorReading reading =
        readCursor(cursorBytes(hotSpot, ImagePixelSource(picBMP->shownImage()), keyColours()));
    if (!reading.cursor) {
        m_looks->showText(reading.problem);
        return;
    }
    const QString reason = unknown.join(u' ');
    m_looks->showLooks(*reading.cursor, reason);
}

void FrmConverter::showFailure(const QString &kind, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), kind, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("failureMessage"));
    box.setInformativeText(message);
    box.exec();
}

} // namespace pixelwick
