// SPDX-License-Identifier: MIT
#include "pointer_images.h"

#include <algorithm>

namespace pixelwick {

namespace {

constexpr QRgb kClear = 0x00000000;
constexpr QRgb kOpaqueBlack = 0xFF000000;
constexpr QRgb kOpaqueWhite = 0xFFFFFFFF;

bool touchesInverted(const CursorImage &cursor, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx || dy) && cursor.lookAt(x + dx, y + dy) == Look::Inverted)
                return true;
    return false;
}

} // namespace

QPoint triedHotSpot(const CursorImage &cursor)
{
    if (!cursor.hasHotSpot)
        return {cursor.width / 2, cursor.height / 2};
    return {std::clamp(cursor.hotSpotX, 0, std::max(cursor.width - 1, 0)),
            std::clamp(cursor.hotSpotY, 0, std::max(cursor.height - 1, 0))};
}

QImage desktopPointerImage(const CursorImage &cursor)
{
    QImage image(cursor.width, cursor.height, QImage::Format_ARGB32);
    for (int y = 0; y < cursor.height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < cursor.width; ++x) {
            switch (cursor.lookAt(x, y)) {
            case Look::White: row[x] = kOpaqueWhite; break;
            case Look::Black:
            case Look::Inverted: row[x] = kOpaqueBlack; break;
            case Look::Transparent: row[x] = touchesInverted(cursor, x, y) ? kOpaqueWhite : kClear; break;
            }
        }
    }
    return image;
}

LookMasks masksOf(Look look)
{
    switch (look) {
    case Look::Black: return {0x000000, 0x000000};
    case Look::White: return {0x000000, 0xFFFFFF};
    case Look::Transparent: return {0xFFFFFF, 0x000000};
    case Look::Inverted: return {0xFFFFFF, 0xFFFFFF};
    }
    return {0xFFFFFF, 0x000000};
}

void drawAsWindows(QImage &screen, const CursorImage &cursor, QPoint topLeft, int pitch)
{
    Q_ASSERT(screen.format() == QImage::Format_RGB32);
    const QRect drawn = QRect(topLeft, QSize(cursor.width, cursor.height) * pitch) & screen.rect();
    for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(screen.scanLine(y));
        const int cursorY = (y - topLeft.y()) / pitch;
        for (int x = drawn.left(); x <= drawn.right(); ++x) {
            const LookMasks masks = masksOf(cursor.lookAt((x - topLeft.x()) / pitch, cursorY));
            row[x] = ((row[x] & masks.andMask) ^ masks.xorMask) | kOpaqueBlack;
        }
    }
}

} // namespace pixelwick
