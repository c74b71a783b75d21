// SPDX-License-Identifier: MIT
#include "looks_popup.h"

#include "cursor_looks.h"
#include "cursor_reader.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWindow>

#include <array>
#include <cmath>

namespace pixelwick {

namespace {

constexpr int kGap = 4;
// Below this a window of its own would hold too little to be of use; it
// then takes the whole screen's room, under the main window.
constexpr int kSmallestRoomWidth = 96;
constexpr int kSmallestRoomHeight = 64;

enum Side { Right, Below, Left, Above };

int clamped(int value, int low, int high)
{
    return qMax(low, qMin(value, high));
}

// The least a popup shows of each cursor pixel: enough device pixels for
// the grid between them to stay.
int smallestPitch(qreal ratio)
{
    return qMax(3, int(std::ceil(2 * ratio)));
}

// The room on each side of the window's frame, in the order of preference.
std::array<QRect, 4> sidesOf(const QRect &frame, const QRect &room)
{
    return {
        QRect(QPoint(frame.right() + 1 + kGap, room.top()), room.bottomRight()),
        QRect(QPoint(room.left(), frame.bottom() + 1 + kGap), room.bottomRight()),
        QRect(room.topLeft(), QPoint(frame.left() - 1 - kGap, room.bottom())),
        QRect(room.topLeft(), QPoint(room.right(), frame.top() - 1 - kGap)),
    };
}

bool fits(QSize size, const QRect &space)
{
    return size.width() <= space.width() && size.height() <= space.height();
}

// Next to the frame in the room on its `side`, level with its top (or
// left) edge as far as the room allows.
QPoint placeIn(QSize size, const QRect &space, const QRect &frame, int side)
{
    const int left = side == Right  ? space.left()
                     : side == Left ? space.right() + 1 - size.width()
                                    : clamped(frame.left(), space.left(), space.right() + 1 - size.width());
    const int top = side == Below   ? space.top()
                    : side == Above ? space.bottom() + 1 - size.height()
                                    : clamped(frame.top(), space.top(), space.bottom() + 1 - size.height());
    return {left, top};
}

// The looks in a window of their own: moved, resized and closed by the
// user, Escape closing it too.
class OwnLooksWindow : public QScrollArea {
public:
    explicit OwnLooksWindow(QWidget *owner) : QScrollArea(owner)
    {
        setObjectName(QStringLiteral("looksWindow"));
        setWindowFlags(Qt::Window);
        setWindowTitle(LooksPopup::tr("How the cursor looks"));
        setAlignment(Qt::AlignCenter);
        setBackgroundRole(QPalette::ToolTipBase);
        // Shown when the pointer rests on the preview: the window keeps the
        // focus, and closing it never ends the program.
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_QuitOnClose, false);
        // Not kept above the main window, as a transient window would be,
        // so a click on the main window brings all of it to the front.
        // Made here rather than by winId(), which would make every other
        // control of the main window a native window too.
        create();
        if (QWindow *handle = windowHandle())
            handle->setTransientParent(nullptr);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QScrollArea::keyPressEvent(event);
    }
};

} // namespace

LooksPopup::LooksPopup(QWidget *owner) : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint), m_owner(owner)
{
    setObjectName(QStringLiteral("looksPopup"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setMargin(4);
    setWordWrap(false);
}

LooksPopup::~LooksPopup() = default;

void LooksPopup::showLooks(const CursorImage &cursor, const QString &reason)
{
    m_cursor = std::make_unique<CursorImage>(cursor);
    m_reason = reason;
    placeAgain();
}

void LooksPopup::showText(const QString &text)
{
    m_cursor.reset();
    setPixmap({});
    setText(text);
    setAccessibleDescription(text);
    resize(sizeHint());
    placeAgain();
}

void LooksPopup::placeAgain()
{
    // A popup that follows a change is fitted to its room again; a window
    // of its own stays where the user put it.
    if (isShown() && m_anchor)
        popUpBeside(m_anchor);
}

QSize LooksPopup::sizeAt(int pitch, qreal ratio) const
{
    const QSize device = looksLayout(*m_cursor, m_reason, pitch, ratio).imageSize;
    return QSize(int(std::ceil(device.width() / ratio)), int(std::ceil(device.height() / ratio)))
           + QSize(2 * margin(), 2 * margin());
}

void LooksPopup::render(int pitch, qreal ratio)
{
    QImage image = renderLooks(*m_cursor, m_reason, pitch, ratio);
    // Drawn one to one on the screen's own pixels: the picture is padded
    // with its page's colour to a whole number of the window's pixels.
    const QSize shown(int(std::ceil(image.width() / ratio)), int(std::ceil(image.height() / ratio)));
    const QSize device(int(std::lround(shown.width() * ratio)), int(std::lround(shown.height() * ratio)));
    if (!image.isNull() && device != image.size()) {
        QImage padded(device, image.format());
        padded.fill(image.pixel(0, 0));
        QPainter(&padded).drawImage(0, 0, image);
        image = padded;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    setPixmap(pixmap);
    setAccessibleDescription(looksSummary(*m_cursor, m_reason));
    resize(shown + QSize(2 * margin(), 2 * margin()));
}

void LooksPopup::popUpBeside(QWidget *anchor)
{
    m_anchor = anchor;
    QWidget *window = anchor->window();
    const qreal ratio = window->devicePixelRatio();
    if (inOwnWindow() && m_ownWindow->isVisible()) {
        if (m_cursor)
            render(m_pitch, ratio);
        return;
    }
    const QRect frame = window->frameGeometry();
    const QScreen *screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : frame;
    const std::array<QRect, 4> sides = sidesOf(frame, room);
    becomePopup();
    if (m_cursor) {
        // The largest cursor pixels that fit on any side, one device pixel
        // smaller at a time.
        const int usual = looksLayout(*m_cursor, m_reason, 0, ratio).pitch;
        for (int pitch = usual; pitch >= qMin(usual, smallestPitch(ratio)); --pitch) {
            const QSize size = sizeAt(pitch, ratio);
            for (int side = Right; side <= Above; ++side) {
                if (fits(size, sides[std::size_t(side)])) {
                    render(pitch, ratio);
                    move(placeIn(size, sides[std::size_t(side)], frame, side));
                    show();
                    raise();
                    return;
                }
            }
        }
    } else {
        for (int side = Right; side <= Above; ++side) {
            if (fits(size(), sides[std::size_t(side)])) {
                move(placeIn(size(), sides[std::size_t(side)], frame, side));
                show();
                raise();
                return;
            }
        }
    }
    showInOwnWindow(frame, room, ratio);
}

void LooksPopup::showInOwnWindow(const QRect &frame, const QRect &room, qreal ratio)
{
    if (!m_ownWindow)
        m_ownWindow = new OwnLooksWindow(m_owner);
    if (m_ownWindow->widget() != this) {
        hide();
        m_ownWindow->setWidget(this);
        show();
    }
    // Its frame as the main window's: the same window manager draws both.
    const QWidget *window = m_owner->window();
    const QSize decoration = frame.size() - window->size();
    const int border = 2 * m_ownWindow->frameWidth();
    const QSize frameAround = decoration + QSize(border, border);
    // The room that shows the most of the smallest looks, a text whole.
    const int usual = m_cursor ? looksLayout(*m_cursor, m_reason, 0, ratio).pitch : 0;
    const int smallest = qMin(usual, smallestPitch(ratio));
    const QSize least = m_cursor ? sizeAt(smallest, ratio) : size();
    const std::array<QRect, 4> sides = sidesOf(frame, room);
    QRect best;
    int bestSide = Right;
    qint64 bestShown = 0;
    for (int side = Right; side <= Above; ++side) {
        const QSize inside = sides[std::size_t(side)].size() - frameAround;
        if (inside.width() < kSmallestRoomWidth || inside.height() < kSmallestRoomHeight)
            continue;
        const QSize shown = least.boundedTo(inside);
        if (qint64(shown.width()) * shown.height() > bestShown) {
            bestShown = qint64(shown.width()) * shown.height();
            best = sides[std::size_t(side)];
            bestSide = side;
        }
    }
    const bool tooSmall = best.isNull();
    if (tooSmall)
        best = room;
    const QSize inside = best.size() - frameAround;
    if (m_cursor) {
        int pitch = smallest;
        while (pitch < usual && fits(sizeAt(pitch + 1, ratio), QRect(QPoint(), inside)))
            ++pitch;
        render(pitch, ratio);
        m_pitch = pitch;
    }
    // Scrolled where even the smallest looks are larger than the room,
    // from where the pictures begin.
    // Room for a scroll bar across what does not fit the other way.
    const int bar = m_ownWindow->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_ownWindow);
    const QSize wanted =
        size() + QSize(size().height() > inside.height() ? bar : 0, size().width() > inside.width() ? bar : 0);
    m_ownWindow->resize(wanted.boundedTo(inside.expandedTo(QSize(1, 1))) + QSize(border, border));
    const QPoint place = tooSmall ? room.topLeft() : placeIn(m_ownWindow->size() + decoration, best, frame, bestSide);
    // Placed by its own area, not its frame, which is not known before it
    // is first shown: the frame is taken to be as the main window's.
    m_ownWindow->windowHandle()->setPosition(place + (window->geometry().topLeft() - frame.topLeft()));
    m_ownWindow->show();
    if (m_cursor) {
        const LooksLayout layout = looksLayout(*m_cursor, m_reason, m_pitch, ratio);
        m_ownWindow->verticalScrollBar()->setValue(int(layout.rowCaptions[0].top() / ratio));
    }
    // With no room outside the main window it goes under it, to be
    // brought up by the user, rather than cover the controls.
    if (tooSmall)
        m_ownWindow->lower();
}

void LooksPopup::becomePopup()
{
    if (!m_ownWindow || m_ownWindow->widget() != this)
        return;
    m_ownWindow->takeWidget();
    setParent(m_owner, Qt::ToolTip | Qt::FramelessWindowHint);
}

bool LooksPopup::isShown() const
{
    return inOwnWindow() ? m_ownWindow->isVisible() : isVisible();
}

bool LooksPopup::inOwnWindow() const
{
    return m_ownWindow && m_ownWindow->widget() == this;
}

void LooksPopup::hidePopup()
{
    if (!inOwnWindow())
        hide();
}

void LooksPopup::hideLooks()
{
    if (inOwnWindow())
        m_ownWindow->hide();
    else
        hide();
}

QRect LooksPopup::shownGeometry() const
{
    return inOwnWindow() ? m_ownWindow->frameGeometry() : geometry();
}

} // namespace pixelwick
