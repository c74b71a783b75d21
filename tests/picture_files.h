// SPDX-License-Identifier: MIT
#pragma once

// Picture files made byte by byte as their formats' documentation lays them
// out, for what Qt's writers do not make.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMetaType>

#include <array>

namespace testing {

// How a bitmap stores its pixels, as its header says.
struct BitmapLayout {
    quint32 headerSize;
    int bits;
    quint32 compression;          // 0 plain, 3 bit fields, 6 bit fields with alpha
    std::array<quint32, 4> masks; // red, green, blue, alpha
};

// A bitmap file of `rows` (top row first) of raw pixel values, as the
// bitmap documentation lays it out: the info header (with the masks in it
// from 52 bytes on, else after it), then rows of whole 32-bit words.
QByteArray bitmap(const BitmapLayout &layout, const QList<QList<quint32>> &rows, bool topDown = false);

// `image` as a PNG by Qt's writer, with a tRNS chunk of `key` (16-bit
// samples) before its pixel data; empty when Qt cannot write it.
QByteArray keyedPng(const QImage &image, const QList<quint16> &key);

// One row of 16-bit samples: RGB, and grey.
QImage rgb64(const QList<QRgba64> &pixels);
QImage grey16(const QList<quint16> &samples);

} // namespace testing

Q_DECLARE_METATYPE(testing::BitmapLayout)
