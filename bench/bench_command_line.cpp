// SPDX-License-Identifier: MIT
// Prints how many pictures a second pixelwick-convert turns into cursors
// when one process is given a whole batch, half PNG and half BMP.
#include "cursor_file.h"
#include "hot_spot.h"
#include "make_cursor.h"
#include "mask_encoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: pixelwick_bench_convert [PICTURES]\n");
        return 2;
    }
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "pixelwick_bench_convert: no temporary folder\n");
        return 1;
    }

    // Each picture differs, so no reader or cache sees the same bytes twice.
    QStringList pictures;
    QImage image(48, 48, QImage::Format_RGB32);
    for (int i = 0; i < count; ++i) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, (x * 7 + y * 3 + i) % 5 == 0 ? 0xff00ff00 : qRgb(x * 5, y * 5, i % 256));
        const QString name = QStringLiteral("picture%1.%2")
                                 .arg(i, 4, 10, QLatin1Char('0'))
                                 .arg(i % 2 ? QStringLiteral("bmp") : QStringLiteral("png"));
        if (!image.save(dir.filePath(name))) {
            std::fprintf(stderr, "pixelwick_bench_convert: cannot write %s\n", qPrintable(name));
            return 1;
        }
        pictures << name;
    }

    QProcess process;
    process.setWorkingDirectory(dir.path());
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(PIXELWICK_CONVERT), pictures);
    const bool finished = process.waitForFinished(-1);
    const qint64 nanoseconds = timer.nsecsElapsed();
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        // The first complaints say enough; a broken batch can make a thousand.
        const QList<QByteArray> lines = process.readAllStandardError().split('\n');
        for (qsizetype i = 0; i < qMin<qsizetype>(lines.size(), 3); ++i)
            std::fprintf(stderr, "%s\n", lines[i].constData());
        std::fprintf(stderr,
                     "pixelwick_bench_convert: the converter failed (exit code %d, %lld lines on standard error)\n",
                     process.exitCode(), static_cast<long long>(lines.size() - 1));
        return 1;
    }

    int bad = 0;
    for (const QString &name : std::as_const(pictures)) {
        if (QFileInfo(pixelwick::cursorPathFor(dir.filePath(name))).size() != pixelwick::kCursorFileSize)
            ++bad;
    }
    QTextStream out(stdout);
    out << "pictures: " << count << " (48 x 48, half PNG, half BMP) in one process\n";
    out << "time: " << QString::number(double(nanoseconds) / 1e6, 'f', 1) << " ms, "
        << QString::number(count / (double(nanoseconds) / 1e9), 'f', 0) << " pictures per second\n";
    if (bad) {
        out << bad << " cursors missing or not " << pixelwick::kCursorFileSize << " bytes\n";
        return 1;
    }
    return 0;
}
