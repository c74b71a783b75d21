// SPDX-License-Identifier: MIT
#pragma once

// The animated cursor Pixelwick writes: a RIFF file of form "ACON" whose
// frames are whole cursor files (cursor_file.h), each with every size made.
// All numbers are little-endian; every chunk is its 4-byte id, its 4-byte
// length and its data, padded to an even length.
//
// offset size value            meaning
// ------ ---- ---------------- ------------------------------------------
// RIFF header (12 bytes)
//      0    4 "RIFF"
//      4    4 file size - 8    the length of everything after this field
//      8    4 "ACON"           the form: an animated cursor
// "anih" chunk (8 + 36 bytes): the animation's header
//     12    4 "anih"
//     16    4 36               the header's length
//     20    4 36               cbSize: the header's length again
//     24    4 frames           nFrames: "icon" chunks in the "fram" list
//     28    4 steps            nSteps: frames shown in one turn; = frames
//     32    4 0                iWidth   } only for frames that are bare
//     36    4 0                iHeight  } bitmaps, which Pixelwick never
//     40    4 0                iBitCount} writes; 0 as Windows' own files
//     44    4 0                nPlanes  }
//     48    4 jiffies          iDispRate: each step's time in 1/60 s,
//                              unless a "rate" chunk gives one a step
//     52    4 1                bfAttributes: bit 0, frames are cursor
//                              files; bit 1 (a "seq " chunk) never set
// "rate" chunk (8 + 4 * steps bytes), only when the frames' times differ
//     56    4 "rate"
//     60    4 4 * steps
//     64  4*n jiffies          each step's time in 1/60 s, in turn
// "fram" list
//      .    4 "LIST"
//      .    4 4 + the icons    the list's length
//      .    4 "fram"
//      .    . "icon" chunks    one a frame, in turn: "icon", its length,
//                              then the whole cursor file of that frame
// ------ ---- ---------------- ------------------------------------------

#include <QByteArray>
#include <QList>

namespace pixelwick {

namespace ani_layout {
inline constexpr int kRiffHeaderSize = 12;
inline constexpr int kChunkHeaderSize = 8;
inline constexpr int kAnimationHeaderSize = 36;
// Within the "anih" chunk's data.
inline constexpr int kHeaderLength = 0;
inline constexpr int kFrameCount = 4;
inline constexpr int kStepCount = 8;
inline constexpr int kWidth = 12;
inline constexpr int kHeight = 16;
inline constexpr int kBitCount = 20;
inline constexpr int kPlanes = 24;
inline constexpr int kDisplayRate = 28;
inline constexpr int kAttributes = 32;
inline constexpr quint32 kFramesAreCursors = 1;
inline constexpr quint32 kHasSequence = 2;
} // namespace ani_layout

// Windows counts an animated cursor's times in jiffies, 1/60 s.
inline constexpr int kJiffiesPerSecond = 60;

// A picture's delay in milliseconds as jiffies: rounded, and at least one,
// as no step of an animation can take no time.
int jiffiesOf(int milliseconds);

// One frame of an animated cursor: its whole cursor file and its time.
struct AnimatedFrame {
    QByteArray cursor; // a .cur file, of one image or several sizes
    int jiffies = 1;
};

// The animated cursor of these frames, shown in turn; its "rate" chunk is
// written only when their times differ. Empty for no frames.
QByteArray animatedCursorBytes(const QList<AnimatedFrame> &frames);

} // namespace pixelwick
