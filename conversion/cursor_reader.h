// SPDX-License-Identifier: MIT
#pragma once

// Reads a monochrome cursor back: the 326-byte file Pixelwick writes and any
// other single-image, uncompressed 1-bit .cur with its AND mask, up to
// 256 x 256. Icons (type 1) are refused even when their image is 1-bit: where
// a cursor's directory entry holds the hot spot, an icon's holds planes and
// bit count, so there would be no hot spot to show.

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace pixelwick {

// What one cursor pixel does to the screen under it.
enum class Look { Black, White, Transparent, Inverted };

struct CursorImage {
    int width = 0;
    int height = 0;
    // As written: a signed 16-bit value each, so it may lie outside the cursor.
    int hotSpotX = 0;
    int hotSpotY = 0;
    QList<Look> looks; // width * height, row-major, top row first

    // Outside the cursor the screen shows through, as it does for Transparent.
    Look lookAt(int x, int y) const;
    int count(Look look) const;
};

struct CursorReading {
    std::optional<CursorImage> cursor;
    QString problem; // translated; empty exactly when there is a cursor
};

inline constexpr int kLargestCursorSide = 256;

CursorReading readCursor(QByteArrayView bytes);

} // namespace pixelwick
