// SPDX-License-Identifier: MIT
#include "xcursor_file.h"

#include "cursor_parsing.h"

#include <QDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <numeric>

// Last: Xlib's macros (None, Bool, Status) would clash with names above.
#include <X11/Xcursor/Xcursor.h>

namespace pixelwick {

namespace {

using namespace xcursor_layout;
using cursor_parsing::CursorLooks;

// libXcursor reads and writes through these, so that the bytes stay in
// memory: a file is read once, whole, and written through file_placing/.
struct Memory {
    QByteArray written;
    QByteArrayView read;
    long at = 0;
};

Memory &memoryOf(XcursorFile *file)
{
    return *static_cast<Memory *>(file->closure);
}

int readMemory(XcursorFile *file, unsigned char *buffer, int length)
{
    Memory &memory = memoryOf(file);
    const long count = std::clamp<long>(long(memory.read.size()) - memory.at, 0, length);
    std::memcpy(buffer, memory.read.data() + memory.at, size_t(count));
    memory.at += count;
    return int(count);
}

int writeMemory(XcursorFile *file, unsigned char *buffer, int length)
{
    Memory &memory = memoryOf(file);
    if (memory.at + length > memory.written.size())
        memory.written.resize(memory.at + length);
    std::memcpy(memory.written.data() + memory.at, buffer, size_t(length));
    memory.at += length;
    return length;
}

// Never past the end: libXcursor takes a position it reaches as valid.
int seekMemory(XcursorFile *file, long offset, int whence)
{
    Memory &memory = memoryOf(file);
    const long end = long(memory.read.isNull() ? memory.written.size() : memory.read.size());
    const long from = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? memory.at : end;
    long to = 0;
    if (qAddOverflow(from, offset, &to) || to < 0 || to > end)
        return EOF;
    memory.at = to;
    return int(to);
}

XcursorFile memoryFile(Memory &memory)
{
    return XcursorFile{&memory, readMemory, writeMemory, seekMemory};
}

struct ImagesFreed {
    void operator()(XcursorImages *images) const { XcursorImagesDestroy(images); }
};
using Images = std::unique_ptr<XcursorImages, ImagesFreed>;
struct CommentsFreed {
    void operator()(XcursorComments *comments) const { XcursorCommentsDestroy(comments); }
};

bool writable(const XcursorImageData &image)
{
    return image.width > 0 && image.height > 0 && image.width <= XCURSOR_IMAGE_MAX_SIZE
           && image.height <= XCURSOR_IMAGE_MAX_SIZE && image.hotSpotX >= 0 && image.hotSpotY >= 0
           && image.hotSpotX < image.width && image.hotSpotY < image.height && image.nominalSize > 0
           && image.pixels.size() == qsizetype(image.width) * image.height;
}

// No file is read that holds more entries of other kinds than this beside
// its images: a theme's file holds a few comments at most.
constexpr qint64 kMostOtherEntries = 1024;

XcursorReading refused(const QString &problem)
{
    return {{}, problem};
}

QString cutShort(qint64 size)
{
    return CursorLooks::tr("The Xcursor file is cut short: it ends after %n byte(s), inside what it says it holds.",
                           nullptr, int(std::min<qint64>(size, std::numeric_limits<int>::max())));
}

// Why the file's structure is not one libXcursor may be given, else
// empty; `images` counts its images.
QString structureProblem(const ByteView &file, qsizetype &images)
{
    if (file.size() == 0)
        return CursorLooks::tr("The file is empty.");
    if (file.size() < kFileHeaderSize)
        return CursorLooks::tr("The file is only %n byte(s) long, too short for an Xcursor file.", nullptr,
                               int(file.size()));
    if (file.le32(0) != kMagic)
        return CursorLooks::tr("This is not an Xcursor file.");
    const quint32 headerLength = file.le32(kHeaderLength);
    const quint32 entries = file.le32(kTocCount);
    if (headerLength < quint32(kFileHeaderSize))
        return CursorLooks::tr("The Xcursor file's header says it is %1 bytes long, shorter than its own %2 bytes.")
            .arg(headerLength)
            .arg(kFileHeaderSize);
    if (entries == 0)
        return CursorLooks::tr("The Xcursor file holds no image.");
    if (entries > quint32(cursor_parsing::kMostImagesShown + kMostOtherEntries))
        return CursorLooks::tr("The Xcursor file lists %1 entries, more than the %2 that can be shown.")
            .arg(entries)
            .arg(cursor_parsing::kMostImagesShown);
    if (!file.holds(headerLength, qint64(entries) * kTocEntrySize))
        return cutShort(file.size());
    qint64 pixels = 0, others = 0;
    images = 0;
    for (quint32 entry = 0; entry < entries; ++entry) {
        const qint64 at = qint64(headerLength) + qint64(entry) * kTocEntrySize;
        if (file.le32(at + kEntryType) != kImageType) {
            if (++others > kMostOtherEntries)
                return CursorLooks::tr("The Xcursor file holds more than %1 entries beside its images, far more "
                                       "than any pointer needs.")
                    .arg(kMostOtherEntries);
            continue;
        }
        const int number = int(++images);
        if (images > cursor_parsing::kMostImagesShown)
            return CursorLooks::tr("The Xcursor file holds more than %1 images, more than can be shown.")
                .arg(cursor_parsing::kMostImagesShown);
        const qint64 chunk = file.le32(at + kEntryPosition);
        if (!file.holds(chunk, kImageHeaderSize))
            return cutShort(file.size());
        if (file.le32(chunk + kChunkType) != kImageType
            || file.le32(chunk + kChunkSubtype) != file.le32(at + kEntrySubtype))
            return CursorLooks::tr("Image %1: its chunk is not the one its entry in the table of contents names.")
                .arg(number);
        if (file.le32(chunk + kChunkHeaderLength) != quint32(kImageHeaderSize))
            return CursorLooks::tr("Image %1: its header is %2 bytes long where an Xcursor image's is %3.")
                .arg(number)
                .arg(file.le32(chunk + kChunkHeaderLength))
                .arg(kImageHeaderSize);
        const quint32 width = file.le32(chunk + kImageWidth), height = file.le32(chunk + kImageHeight);
        if (width == 0 || height == 0 || width > quint32(kLargestCursorSide) || height > quint32(kLargestCursorSide))
            return CursorLooks::tr("Image %1 is %2 x %3 pixels; a cursor's image is at most 256 x 256.")
                .arg(number)
                .arg(width)
                .arg(height);
        const quint32 x = file.le32(chunk + kImageHotSpotX), y = file.le32(chunk + kImageHotSpotY);
        if (x > width || y > height)
            return CursorLooks::tr("Image %1: its hot spot %2, %3 lies outside its %4 x %5 pixels.")
                .arg(number)
                .arg(x)
                .arg(y)
                .arg(width)
                .arg(height);
        if (!file.holds(chunk + kImageHeaderSize, qint64(width) * height * 4))
            return cutShort(file.size());
        pixels += qint64(width) * height;
        if (pixels > cursor_parsing::kMostPixelsShown)
            return CursorLooks::tr("The file holds more images than can be shown.");
    }
    if (images == 0)
        return CursorLooks::tr("The Xcursor file holds no image.");
    return {};
}

} // namespace

QByteArray xcursorFileBytes(const QList<XcursorFrame> &frames)
{
    QList<const XcursorImageData *> order;
    QList<int> delays;
    for (const XcursorFrame &frame : frames) {
        for (const XcursorImageData &image : frame.images) {
            if (!writable(image))
                return {};
            order.append(&image);
            delays.append(frame.delayMilliseconds);
        }
    }
    if (order.isEmpty())
        return {};
    // Each size's frames in turn, as desktops read them; a stable sort
    // keeps the frames' order within a size.
    QList<qsizetype> sorted(order.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](qsizetype a, qsizetype b) { return order[a]->nominalSize < order[b]->nominalSize; });
    const Images images(XcursorImagesCreate(int(order.size())));
    if (!images)
        return {};
    for (const qsizetype index : std::as_const(sorted)) {
        const XcursorImageData &given = *order[index];
        XcursorImage *const image = XcursorImageCreate(given.width, given.height);
        if (!image)
            return {};
        images->images[images->nimage++] = image;
        image->size = XcursorDim(given.nominalSize);
        image->xhot = XcursorDim(given.hotSpotX);
        image->yhot = XcursorDim(given.hotSpotY);
        // A frame's delay holds for all its sizes; an image may bring its own.
        const int delay = delays[index] > 0 ? delays[index] : given.delayMilliseconds;
        image->delay = XcursorUInt(std::max(0, delay));
        std::copy(given.pixels.cbegin(), given.pixels.cend(), image->pixels);
    }
    const std::unique_ptr<XcursorComments, CommentsFreed> comments(XcursorCommentsCreate(0));
    Memory memory;
    XcursorFile file = memoryFile(memory);
    if (!comments || !XcursorXcFileSave(&file, comments.get(), images.get()))
        return {};
    return memory.written;
}

bool isXcursor(QByteArrayView bytes)
{
    return ByteView(bytes).le32(0) == kMagic;
}

XcursorReading readXcursor(QByteArrayView bytes)
{
    const ByteView view(bytes);
    qsizetype expected = 0;
    if (const QString problem = structureProblem(view, expected); !problem.isEmpty())
        return refused(problem);
    Memory memory;
    memory.read = bytes;
    XcursorFile file = memoryFile(memory);
    const Images loaded(XcursorXcFileLoadAllImages(&file));
    if (!loaded || loaded->nimage != expected)
        return refused(CursorLooks::tr("libXcursor could not read the Xcursor file."));
    XcursorReading reading;
    reading.images.reserve(loaded->nimage);
    for (int i = 0; i < loaded->nimage; ++i) {
        const XcursorImage &image = *loaded->images[i];
        XcursorImageData data;
        data.nominalSize = int(std::min<XcursorDim>(image.size, std::numeric_limits<int>::max()));
        data.width = int(image.width);
        data.height = int(image.height);
        data.hotSpotX = int(image.xhot);
        data.hotSpotY = int(image.yhot);
        data.delayMilliseconds = int(std::min<XcursorUInt>(image.delay, 0x7FFFFFFF));
        data.pixels = QList<quint32>(image.pixels, image.pixels + qsizetype(image.width) * image.height);
        reading.images.append(std::move(data));
    }
    return reading;
}

QList<quint32> xcursorPixels(const LookGrid &looks, InvertedAs inverted)
{
    const int width = looks.width(), height = looks.height();
    QList<quint32> pixels(qsizetype(width) * height, kXcursorClear);
    const auto invertedAt = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && looks.at(x, y) == PixelLook::Inverted;
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            quint32 &pixel = pixels[qsizetype(y) * width + x];
            switch (looks.at(x, y)) {
            case PixelLook::Black: pixel = kXcursorBlack; break;
            case PixelLook::White: pixel = kXcursorWhite; break;
            case PixelLook::Inverted: pixel = inverted == InvertedAs::White ? kXcursorWhite : kXcursorBlack; break;
            case PixelLook::Transparent:
                // Outlined: white where any of its eight neighbours inverts.
                for (int dy = -1; inverted == InvertedAs::Outline && dy <= 1 && pixel == kXcursorClear; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (invertedAt(x + dx, y + dy))
                            pixel = kXcursorWhite;
                break;
            }
        }
    }
    return pixels;
}

QStringList xcursorSearchPath()
{
    QStringList folders;
    const QString home = QDir::homePath();
    for (QString folder : QString::fromLocal8Bit(XcursorLibraryPath()).split(u':', Qt::SkipEmptyParts)) {
        if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
            folder.replace(0, 1, home);
        folders.append(QDir::cleanPath(folder));
    }
    return folders;
}

XcursorImageData xcursorImage(const LookGrid &looks, HotSpot hotSpot, InvertedAs inverted)
{
    XcursorImageData image;
    image.nominalSize = std::max(looks.width(), looks.height());
    image.width = looks.width();
    image.height = looks.height();
    image.hotSpotX = hotSpot.x;
    image.hotSpotY = hotSpot.y;
    image.pixels = xcursorPixels(looks, inverted);
    return image;
}

} // namespace pixelwick
