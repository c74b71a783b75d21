// SPDX-License-Identifier: MIT
#pragma once

#include "cursor_file.h"
#include "hot_spot.h"
#include "make_cursor.h"
#include "mask_encoder.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace testing {

// The window's control of this name; no test can go on without it.
template <typename T> T *controlOf(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

using pixelwick::ColourValue;

// A 32 x 32 picture held in memory; reads -1 outside it like the preview.
class GridSource : public pixelwick::PixelSource {
public:
    explicit GridSource(ColourValue fill = pixelwick::kWhite) { pixels.fill(fill); }
    explicit GridSource(const std::function<ColourValue(int, int)> &paint);
    ColourValue colourAt(int x, int y) const override;
    void set(int x, int y, ColourValue c) { pixels[std::size_t(y * 32 + x)] = c; }
    std::array<ColourValue, 32 * 32> pixels;
};

enum class Look { Black, White, Transparent, Inverted };
const char *lookName(Look look);

// What the cursor shows at (x, y), read from the two planes of a whole file.
Look lookAt(const QByteArray &cursor, int x, int y);

QByteArray readAll(const QString &path);
// The unsigned little-endian number of `width` bytes at `at`, or -1 where
// the bytes do not reach that far.
qint64 littleEndianAt(const QByteArray &bytes, qsizetype at, int width);
// Every name in `folder`, hidden ones, pipes, devices and broken links too, sorted.
QStringList listing(const QString &folder);
// The whole cursor file the encoder makes of `source`.
QByteArray encodedCursor(const pixelwick::PixelSource &source, const pixelwick::KeyColours &keys,
                         pixelwick::HotSpot hotSpot = {});
bool writeAll(const QString &path, const QByteArray &bytes);

// A finished run of another program; exit code -1 when it did not end by
// itself within its time.
struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` in `folder` (here when empty), with the variables in
// `unset` removed from the environment and those in `set` set.
Run runProgram(const QString &program, const QStringList &arguments, const QString &folder = {},
               const QStringList &unset = {}, const QHash<QString, QString> &set = {});

// The independent reader: icotool's listing of a cursor file, one line per
// image, or a text starting with "error:".
QString icotoolList(const QString &path);

// Checks a produced file with icotool and returns an empty text when it is
// one 32 x 32, 1-bit cursor with this hot spot, else what is wrong.
QString checkWithIcotool(const QString &path, int hotSpotX, int hotSpotY);

} // namespace testing
