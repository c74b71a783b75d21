// SPDX-License-Identifier: MIT
#include "looks_popup.h"

#include "cursor_looks.h"
#include "cursor_reader.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <array>
#include <optional>

namespace pixelwick {

namespace {

constexpr int kGap = 4;

int clamped(int value, int low, int high)
{
    return qMax(low, qMin(value, high));
}

// Where a popup of `size` goes in `room`, next to `preview` and its
// `window`, in the order of preference; nothing when it fits nowhere.
std::optional<QPoint> besideWindow(QSize size, const QRect &room, const QRect &preview, const QRect &window)
{
    const int left = clamped(preview.left(), room.left(), room.right() + 1 - size.width());
    const int top = clamped(preview.top(), room.top(), room.bottom() + 1 - size.height());
    const bool narrowEnough = size.width() <= room.width();
    const bool lowEnough = size.height() <= room.height();
    if (narrowEnough && preview.bottom() + 1 + kGap + size.height() <= room.bottom() + 1)
        return QPoint(left, preview.bottom() + 1 + kGap);
    if (narrowEnough && preview.top() - kGap - size.height() >= room.top())
        return QPoint(left, preview.top() - kGap - size.height());
    if (lowEnough && window.right() + 1 + kGap + size.width() <= room.right() + 1)
        return QPoint(window.right() + 1 + kGap, top);
    if (lowEnough && window.left() - kGap - size.width() >= room.left())
        return QPoint(window.left() - kGap - size.width(), top);
    return std::nullopt;
}

// The same in the rooms beside the preview itself: below, above, right and
// left of it, each as large as the screen allows.
std::optional<QPoint> besidePreview(QSize size, const QRect &room, const QRect &preview)
{
    const std::array<QRect, 4> rooms = {
        QRect(QPoint(room.left(), preview.bottom() + 1 + kGap), room.bottomRight()),
        QRect(room.topLeft(), QPoint(room.right(), preview.top() - 1 - kGap)),
        QRect(QPoint(preview.right() + 1 + kGap, room.top()), room.bottomRight()),
        QRect(room.topLeft(), QPoint(preview.left() - 1 - kGap, room.bottom())),
    };
    for (const QRect &space : rooms) {
        if (size.width() <= space.width() && size.height() <= space.height())
            return QPoint(clamped(preview.left(), space.left(), space.right() + 1 - size.width()),
                          clamped(preview.top(), space.top(), space.bottom() + 1 - size.height()));
    }
    return std::nullopt;
}

} // namespace

LooksPopup::LooksPopup(QWidget *parent) : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint)
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
    render(0);
    placeAgain();
}

void LooksPopup::placeAgain()
{
    // A popup that follows a change is fitted to its room again.
    if (isVisible() && m_anchor)
        popUpBeside(m_anchor);
}

void LooksPopup::render(int largestPitch)
{
    setPixmap(QPixmap::fromImage(renderLooks(*m_cursor, m_reason, largestPitch)));
    setAccessibleDescription(looksSummary(*m_cursor, m_reason));
    // Not adjustSize(): it keeps a window within two thirds of the screen,
    // which would cut the picture off.
    resize(sizeHint());
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

void LooksPopup::popUpBeside(QWidget *anchor)
{
    m_anchor = anchor;
    const QRect preview(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    const QRect window = anchor->window()->frameGeometry();
    const QScreen *screen = anchor->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(preview.topLeft(), size());
    std::optional<QPoint> place = besideWindow(size(), room, preview, window);
    if (!place && m_cursor) {
        // Smaller cursor pixels, one whole screen pixel at a time, until the
        // looks fit beside the preview.
        for (int pitch = looksLayout(*m_cursor, m_reason).pitch - 1; !place && pitch >= 1; --pitch) {
            render(pitch);
            place = besidePreview(size(), room, preview);
        }
    }
    if (!place)
        place = besidePreview(size(), room, preview);
    if (!place && !pixmap().isNull()) {
        // A screen too small even for one screen pixel a cursor pixel: the
        // whole picture, smoothly made smaller, in the largest room.
        const std::array<QSize, 4> rooms = {
            QSize(room.width(), room.bottom() - preview.bottom() - kGap),
            QSize(room.width(), preview.top() - room.top() - kGap),
            QSize(room.right() - preview.right() - kGap, room.height()),
            QSize(preview.left() - room.left() - kGap, room.height()),
        };
        const QSize whole = pixmap().size();
        QSize best;
        for (const QSize &space : rooms) {
            const QSize fitted = whole.scaled(space - QSize(2 * margin(), 2 * margin()), Qt::KeepAspectRatio);
            if (!fitted.isEmpty() && fitted.width() > best.width())
                best = fitted;
        }
        if (!best.isEmpty()) {
            setPixmap(pixmap().scaled(best, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            resize(sizeHint());
            place = besidePreview(size(), room, preview);
        }
    }
    // Too large for any room: at least its top-left part shows.
    move(place.value_or(QPoint(clamped(preview.left(), room.left(), room.right() + 1 - width()),
                               clamped(preview.bottom() + 1 + kGap, room.top(), room.bottom() + 1 - height()))));
    show();
    raise();
}

} // namespace pixelwick
