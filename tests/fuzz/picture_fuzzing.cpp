// SPDX-License-Identifier: MIT
#include "picture_fuzzing.h"

#include "cursor_reader.h"

#include "cursor_file.h"
#include "picture_loading.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace pixelwick::fuzzing {

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "picture fuzzing: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

// Qt and its image libraries are not built for coverage, so the fuzzer sees
// a BMP and a TIFF take the same path through our code and keeps only a
// handful of the seeds. A function of its own for each file format and each
// pixel format that comes out shows it the difference, and it keeps at least
// one input of each.
template <int N> [[gnu::noinline]] void reached()
{
    static std::atomic<int> times;
    times.fetch_add(1, std::memory_order_relaxed);
}

template <int... N> void markOneOf(int mark, std::integer_sequence<int, N...>)
{
    ((mark == N ? reached<N>() : void()), ...);
}

constexpr int kFileFormatMarks = 48;
constexpr int kMarks = kFileFormatMarks + 48;

void mark(int mark)
{
    markOneOf(mark, std::make_integer_sequence<int, kMarks>{});
}

const QList<QByteArray> &formats()
{
    static const QList<QByteArray> names = QImageReader::supportedImageFormats();
    return names;
}

// The reader the loader will use: the suffix's if that one can read the
// bytes, else the one the content names.
void markFileFormat(const QByteArray &bytes, const QString &name)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return;
    QByteArray format = QFileInfo(name).suffix().toLatin1();
    if (format.isEmpty() || !QImageReader(&buffer, format).canRead()) {
        buffer.seek(0);
        format = QImageReader::imageFormat(&buffer);
    }
    const qsizetype index = formats().indexOf(format);
    if (index >= 0 && index < kFileFormatMarks)
        mark(int(index));
}

void markPixelFormat(QImage::Format format)
{
    if (format >= 0 && format < kMarks - kFileFormatMarks)
        mark(kFileFormatMarks + format);
}

// The first pixel in the part of `image` that the preview draws whose colour
// index has no entry in the colour table; Qt's painter reads the table at
// that index unchecked, past its end. An empty text when there is none.
QString pixelOutsideColourTable(const QImage &image)
{
    const int width = qMin(image.width(), kCursorSize);
    const int height = qMin(image.height(), kCursorSize);
    const int colours = int(image.colorCount());
    for (int y = 0; y < height; ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            int index = 0;
            switch (image.format()) {
            case QImage::Format_Indexed8: index = line[x]; break;
            case QImage::Format_Mono: index = (line[x / 8] >> (7 - x % 8)) & 1; break;
            case QImage::Format_MonoLSB: index = (line[x / 8] >> (x % 8)) & 1; break;
            default: return {};
            }
            if (index >= colours)
                return QStringLiteral("pixel (%1, %2) has colour index %3 of a table of %4")
                    .arg(x)
                    .arg(y)
                    .arg(index)
                    .arg(colours);
        }
    }
    return {};
}

} // namespace

QString nameFor(const QByteArray &bytes)
{
    const QString plain = QStringLiteral("fuzz input");
    if (bytes.isEmpty())
        return plain;
    const qsizetype choice = qsizetype(std::uint8_t(bytes.back())) % (formats().size() + 1);
    return choice == formats().size() ? plain : plain + u'.' + QString::fromLatin1(formats()[choice]);
}

void startQt()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "pixelwick-fuzz";
    static char *argv[] = {name, nullptr};
    // Kept for the life of the process, as a program's main would.
    static QCoreApplication *const application = new QCoreApplication(argc, argv);
    (void)application;
}

Outcome convertPictureBytes(const std::uint8_t *data, std::size_t size, QByteArray *made)
{
    // Not copied, so that a read past the input's end is caught at its end.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = nameFor(bytes);
    markFileFormat(bytes, name);
    // What --show reads of a cursor, icon or animated cursor file: whole
    // images of the sizes they claim, or a reason.
    const CursorFileReading reading = readCursorFile(bytes);
    if (reading.images.isEmpty() == reading.problem.isEmpty())
        broken("the cursor reader gave both images and a problem, or neither");
    for (const StoredImage &stored : reading.images) {
        const qsizetype pixels = qsizetype(stored.image.width) * stored.image.height;
        const bool whole = stored.image.png ? !stored.colours.isEmpty()
                                            : stored.image.looks.size() == pixels || stored.masked.size() == pixels;
        if (!whole)
            broken("the cursor reader gave an image of another size than it claims");
    }
    const LoadedPicture picture = loadPictureData(bytes, name);
    if (!picture.ok())
        return Outcome::Refused;
    if (picture.image.isNull())
        broken("a picture was accepted but holds no pixels");
    markPixelFormat(picture.image.format());
    // Checked before the preview is drawn: the painter's read past the table
    // crashes only where that memory happens not to be mapped.
    if (const QString outside = pixelOutsideColourTable(picture.image); !outside.isEmpty())
        broken(qPrintable(QStringLiteral("an accepted picture's ") + outside));

    const ImagePixelSource source(composePreview(picture.image, Qt::white, colourOf(kDefaultKeyColours.background)));
    QByteArray cursor;
    QBuffer buffer(&cursor);
    if (!buffer.open(QIODevice::WriteOnly))
        broken("cannot open a buffer for the cursor");
    if (!writeCursor(buffer, HotSpot{}, source, kDefaultKeyColours))
        broken("writing the cursor failed");
    if (cursor.size() != kCursorFileSize)
        broken("the cursor is not 326 bytes long");
    if (made)
        *made = cursor;
    return Outcome::Converted;
}

} // namespace pixelwick::fuzzing
