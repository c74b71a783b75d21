#include "picture_fuzzing.h"

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
template <int N>
[[gnu::noinline]] void reached()
{
    static std::atomic<int> times;
    times.fetch_add(1, std::memory_order_relaxed);
}

template <int... N>
void markOneOf(int mark, std::integer_sequence<int, N...>)
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

Outcome convertPictureBytes(const std::uint8_t *data, std::size_t size)
{
    // Not copied, so that a read past the input's end is caught at its end.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = nameFor(bytes);
    markFileFormat(bytes, name);
    const LoadedPicture picture = loadPictureData(bytes, name);
    if (!picture.ok())
        return Outcome::Refused;
    if (picture.image.isNull())
        broken("a picture was accepted but holds no pixels");
    markPixelFormat(picture.image.format());

    const ImagePixelSource source(composePreview(picture.image, Qt::white));
    QByteArray cursor;
    QBuffer buffer(&cursor);
    if (!buffer.open(QIODevice::WriteOnly))
        broken("cannot open a buffer for the cursor");
    if (!writeCursor(buffer, HotSpot{}, source, kDefaultKeyColours))
        broken("writing the cursor failed");
    if (cursor.size() != kCursorFileSize)
        broken("the cursor is not 326 bytes long");
    return Outcome::Converted;
}

} // namespace pixelwick::fuzzing
