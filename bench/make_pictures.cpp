// SPDX-License-Identifier: MIT
// Writes COUNT distinct PNG pictures for the benchmark scripts, so that
// they need no image tool of their own.
#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool countOk = false, sizeOk = true;
    const int count = args.size() > 1 ? args[1].toInt(&countOk) : 0;
    const int size = args.size() > 3 ? args[3].toInt(&sizeOk) : 32;
    if (args.size() < 3 || args.size() > 4 || !countOk || count <= 0 || !sizeOk || size <= 0 || size > 4096) {
        std::fprintf(stderr, "usage: pixelwick_make_pictures COUNT FOLDER [SIZE]\n"
                             "Writes FOLDER/picture0000.png and on, SIZE x SIZE (default 32, at most 4096), all "
                             "different.\n");
        return 2;
    }
    const QDir folder(args[2]);
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "pixelwick_make_pictures: cannot make the folder %s\n", qPrintable(folder.path()));
        return 1;
    }

    // Opaque, with key-colour pixels scattered among others, and different
    // in every file so that no cache sees the same bytes twice.
    QImage image(size, size, QImage::Format_RGB32);
    for (int i = 0; i < count; ++i) {
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const int kind = (x * 7 + y * 3 + i) % 7;
                image.setPixel(x, y,
                               kind == 0   ? qRgb(0, 255, 0)
                               : kind == 1 ? qRgb(255, 0, 255)
                                           : qRgb((x * 8 + i / 256) & 0xff, (y * 8) & 0xff, i % 256));
            }
        const QString name = QStringLiteral("picture%1.png").arg(i, 4, 10, QLatin1Char('0'));
        if (!image.save(folder.filePath(name), "png")) {
            std::fprintf(stderr, "pixelwick_make_pictures: cannot write %s\n", qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    return 0;
}
