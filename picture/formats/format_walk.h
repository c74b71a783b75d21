// SPDX-License-Identifier: MIT
#pragma once

// What every walk through a picture file's structure shares: bounds-checked
// reads of the file's bytes and the verdicts.

#include "byte_view.h"
#include "picture_structure.h"

#include <QCoreApplication>
#include <QtEndian>
#include <QtNumeric>

#include <limits>

namespace pixelwick::formats {

using Verdict = StructureCheck::Verdict;

class Picture {
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

// The structure walks read their files as cursors are read.
using FileBytes = ByteView;

inline StructureCheck whole(qint64 width = 0, qint64 height = 0)
{
    StructureCheck check;
    check.width = width;
    check.height = height;
    return check;
}

inline StructureCheck incomplete(qint64 width = 0, qint64 height = 0)
{
    StructureCheck check = whole(width, height);
    check.verdict = Verdict::Incomplete;
    return check;
}

inline StructureCheck damaged(const QString &reason, qint64 width = 0, qint64 height = 0)
{
    StructureCheck check = whole(width, height);
    check.verdict = Verdict::Damaged;
    check.reason = reason;
    return check;
}

// a * b + c, or -1 when it does not fit.
inline qint64 checkedMulAdd(qint64 a, qint64 b, qint64 c = 0)
{
    qint64 product = 0, sum = 0;
    if (a < 0 || b < 0 || qMulOverflow(a, b, &product) || qAddOverflow(product, c, &sum))
        return -1;
    return sum;
}

// The most pixels `fileSize` bytes can hold at `pixelsPerByte`.
inline qint64 pixelBound(qint64 fileSize, qint64 pixelsPerByte)
{
    const qint64 bound = checkedMulAdd(fileSize, pixelsPerByte);
    return bound < 0 ? std::numeric_limits<qint64>::max() : bound;
}

// The PNG file from `start` to `end` without its compressed text chunks,
// or nothing when it has none.
QByteArray pngWithoutCompressedText(const FileBytes &file, qint64 start, qint64 end);

// Each walk, by format (see checkStructure()).
StructureCheck checkBmp(const FileBytes &file);
StructureCheck checkGif(const FileBytes &file);
StructureCheck checkJpeg(const FileBytes &file);
StructureCheck checkPng(const FileBytes &file);
StructureCheck checkMng(const FileBytes &file);
StructureCheck checkTga(const FileBytes &file);
StructureCheck checkXbm(const FileBytes &file);
StructureCheck checkIconDirectory(const FileBytes &file);
StructureCheck checkWebp(const FileBytes &file);
StructureCheck checkIcns(const FileBytes &file);
StructureCheck checkTiff(const FileBytes &file);
StructureCheck checkXpm(const FileBytes &file);
StructureCheck checkSvg(const FileBytes &file);

// Where an XML document's root element starts, past its BOM, declaration,
// comments and document type, or -1 when its first megabyte shows none.
qsizetype rootElementAt(QByteArrayView text);
// Whether `text` starts an SVG document: its root element is <svg>.
bool startsSvgDocument(QByteArrayView text);
// Whether `bytes` are gzip data that unpack to the start of an SVG document.
bool startsSvgzDocument(QByteArrayView bytes);

// Gzip data unpacked, up to `most` bytes.
struct Unpacked {
    enum State { Whole, Cut, TooLarge, Damaged };
    State state = Whole;
    QByteArray bytes; // what was unpacked, no more than `most` bytes
    QString why;      // zlib's words for damage
};
Unpacked gunzip(QByteArrayView packed, qint64 most);

} // namespace pixelwick::formats
