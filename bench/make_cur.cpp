// SPDX-License-Identifier: MIT
// pixelwick_make_cur: times Make CUR as the window runs it once a picture
// is loaded: the preview's pixels as the source, the hot-spot fields' texts,
// the swatches' colours, and the cursor written beside the picture.
#include "cursor_file.h"
#include "hot_spot.h"
#include "make_cursor.h"
#include "mask_encoder.h"
#include "picture_loading.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace pixelwick;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool runsOk = true;
    const int runs = args.size() > 2 ? args[2].toInt(&runsOk) : 200;
    if (args.size() < 2 || args.size() > 3 || !runsOk || runs <= 0) {
        std::fprintf(stderr, "usage: pixelwick_make_cur PICTURE [RUNS]\n"
                             "Writes PICTURE's cursor beside it RUNS times (default 200).\n");
        return 2;
    }
    const QString picture = args[1];
    const LoadedPicture loaded = loadPicture(picture);
    if (!loaded.ok()) {
        std::fprintf(stderr, "pixelwick_make_cur: %s\n", qPrintable(loaded.error));
        return 1;
    }
    // What the preview box keeps and shows: the top-left corner over the
    // usual colour scheme's white base.
    const QImage corner = loaded.image.copy(
        QRect(0, 0, qMin(loaded.image.width(), kCursorSize), qMin(loaded.image.height(), kCursorSize)));
    const QImage shown = composePreview(corner, Qt::white);
    const QString hotSpotText = defaultHotSpotText();

    std::vector<double> milliseconds;
    milliseconds.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const ImagePixelSource source(shown);
        const MakeCursorResult result = makeCursor(picture, hotSpotText, hotSpotText, source, kDefaultKeyColours);
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!result.ok()) {
            std::fprintf(stderr, "pixelwick_make_cur: %s\n", qPrintable(result.message));
            return 1;
        }
    }
    if (QFileInfo(cursorPathFor(picture)).size() != kCursorFileSize) {
        std::fprintf(stderr, "pixelwick_make_cur: the cursor is not %d bytes\n", kCursorFileSize);
        return 1;
    }

    const double first = milliseconds.front();
    std::sort(milliseconds.begin(), milliseconds.end());
    const auto n = milliseconds.size();
    const double median = n % 2 ? milliseconds[n / 2] : (milliseconds[n / 2 - 1] + milliseconds[n / 2]) / 2;
    const auto ms = [](double value) { return QString::number(value, 'f', 3); };
    QTextStream out(stdout);
    out << "Make CUR (makeCursor on a loaded " << loaded.image.width() << " x " << loaded.image.height()
        << " picture), " << runs << " runs, ms: min " << ms(milliseconds.front()) << "  median " << ms(median)
        << "  max " << ms(milliseconds.back()) << "  (first " << ms(first) << ")\n";
    return 0;
}
