// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPoint>
#include <QString>

namespace pixelwick {

// What a walk through a picture file's own structure found. Qt's readers
// fill in what a cut file lacks instead of failing, so a picture is checked
// to hold all of its pixel data before it is read.
struct StructureCheck {
    enum class Verdict { Whole, Incomplete, Damaged };
    Verdict verdict = Verdict::Whole;
    // Why, in words for a person, when damaged.
    QString reason;
    // The size the header claims, where the check read one; else 0.
    qint64 width = 0;
    qint64 height = 0;
    // The most pixels a file like this one can describe with its format's
    // best compression; 0 when the format sets no such bound.
    qint64 maxPixels = 0;
    // Memory the format's decoder needs beside the picture itself, where
    // that can be large (a progressive JPEG keeps every coefficient); else 0.
    qint64 decoderBytes = 0;
    // Where the picture ends when the format says so and extra bytes follow
    // it; else 0. Some of Qt's readers refuse a picture with a tail.
    qint64 length = 0;
    // The bytes the reader is to be given instead of the file's, when the
    // check made a copy without parts that would have it work without end.
    QByteArray readerBytes;
    // Whether drawing the picture needs nothing but its bytes (an SVG with no
    // text, which needs fonts, and no picture that another plugin reads):
    // it is then drawn with no file or connection to be opened.
    bool selfContained = false;
    // Pixels of the top-left 32 x 32 corner that the file leaves unset (a
    // run-length bitmap may skip some), from the top-left; the reader leaves
    // whatever was in memory there.
    QList<QPoint> unsetPixels;
    bool whole() const { return verdict == Verdict::Whole; }
};

// `format` is the name Qt's reader gives the format ("bmp", "gif", ...).
// Formats with no walk of their own here pass as whole: their readers fail
// on a cut file by themselves.
StructureCheck checkStructure(const QByteArray &format, QByteArrayView bytes);

} // namespace pixelwick
