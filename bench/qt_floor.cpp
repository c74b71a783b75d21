// SPDX-License-Identifier: MIT
// pixelwick_floor: the least any Qt converter pays for one picture. It
// starts Qt, reads a PNG named as such (no format detection), encodes the
// cursor and writes it through QSaveFile, and checks nothing else, so that
// what pixelwick-convert spends beyond it shows up in bench/one_picture.sh.
// With --fork it also starts a process of its own that ends at once, as a
// reader process is started: what that alone costs on the machine.
#include "cursor_file.h"
#include "make_cursor.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

#include <cstdio>
#include <cstring>

#include <sys/wait.h>
#include <unistd.h>

using namespace pixelwick;

namespace {

// The image's top-left corner over white, blended by alpha.
class CornerSource : public PixelSource {
public:
    explicit CornerSource(const QImage &image) : m_image(image) {}
    ColourValue colourAt(int x, int y) const override
    {
        if (x < 0 || y < 0 || x >= kCursorSize || y >= kCursorSize)
            return kNoColour;
        if (!m_image.valid(x, y))
            return kWhite;
        const QRgb rgb = m_image.pixel(x, y);
        const int alpha = qAlpha(rgb);
        const auto overWhite = [alpha](int c) { return (c * alpha + 255 * (255 - alpha) + 127) / 255; };
        return colourValue(overWhite(qRed(rgb)), overWhite(qGreen(rgb)), overWhite(qBlue(rgb)));
    }

private:
    const QImage &m_image;
};

int usage()
{
    std::fprintf(stderr, "usage: pixelwick_floor [--fork] [-o CURSOR] PICTURE.png\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Plain argv: a command-line parser is a cost the floor need not pay.
    QString picture, output;
    bool fork = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fork") == 0)
            fork = true;
        else if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc)
            output = QString::fromLocal8Bit(argv[++i]);
        else if (picture.isEmpty() && argv[i][0] != '-')
            picture = QString::fromLocal8Bit(argv[i]);
        else
            return usage();
    }
    if (picture.isEmpty())
        return usage();
    if (output.isEmpty())
        output = cursorPathFor(picture);

    if (fork) {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        if (child > 0)
            ::waitpid(child, nullptr, 0);
    }

    QImageReader reader(picture, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "pixelwick_floor: %s: %s\n", qPrintable(picture), qPrintable(reader.errorString()));
        return 1;
    }

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || !writeCursor(file, HotSpot{}, CornerSource(image), kDefaultKeyColours)
        || !file.commit()) {
        std::fprintf(stderr, "pixelwick_floor: %s: %s\n", qPrintable(output), qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
