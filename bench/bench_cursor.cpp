// SPDX-License-Identifier: MIT
// Prints how long one cursor takes: encoding both planes, and the whole
// make-cursor command including the atomic file write.
#include "cursor_file.h"
#include "hot_spot.h"
#include "make_cursor.h"
#include "mask_encoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace pixelwick;

namespace {

// A busy picture: every kind of pixel, none in long runs.
class MixedSource : public PixelSource {
public:
    ColourValue colourAt(int x, int y) const override
    {
        if (x < 0 || y < 0 || x >= kCursorSize || y >= kCursorSize)
            return kNoColour;
        switch ((x * 7 + y * 3) % 5) {
        case 0: return kWhite;
        case 1: return kBlack;
        case 2: return colourValue(255, 0, 255);
        case 3: return colourValue(0, 255, 0);
        default: return colourValue(x * 8, y * 8, 128);
        }
    }
};

template <typename Step> double microsecondsPerRun(int runs, Step step)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        step();
    return double(timer.nsecsElapsed()) / 1000.0 / runs;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    if (runs <= 0) {
        std::fprintf(stderr, "usage: pixelwick_bench [RUNS]\n");
        return 2;
    }
    const MixedSource source;
    const KeyColours keys{colourValue(255, 0, 255), colourValue(0, 255, 0)};

    unsigned checksum = 0;
    const double encode = microsecondsPerRun(runs, [&] {
        encodePlanes(source, keys, [&](std::uint8_t byte) {
            checksum = checksum * 31 + byte;
            return true;
        });
    });

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "pixelwick_bench: no temporary folder\n");
        return 1;
    }
    const QString picture = dir.filePath(QStringLiteral("bench.bmp"));
    int failures = 0;
    const double whole = microsecondsPerRun(runs, [&] {
        if (!makeCursor(picture, QStringLiteral("15"), QStringLiteral("15"), source, keys).ok())
            ++failures;
    });

    QTextStream out(stdout);
    out << "runs: " << runs << " (checksum " << Qt::hex << checksum << Qt::dec << ")\n";
    out << "encode both planes: " << QString::number(encode, 'f', 2) << " us per cursor\n";
    out << "make-cursor command with file write: " << QString::number(whole, 'f', 2) << " us per cursor\n";
    if (failures) {
        out << failures << " runs failed\n";
        return 1;
    }
    return 0;
}
