// SPDX-License-Identifier: MIT
#include "cursor_file.h"
#include "format_walk.h"

namespace pixelwick::formats {

// --- ICO and CUR ---------------------------------------------------------

// A directory of images, each with its size and place in the file. The
// directory's size bytes say no more than 256; the first image, the one
// read, has its true size in its own header, PNG or bitmap.
StructureCheck checkIconDirectory(const FileBytes &file)
{
    using namespace layout;
    constexpr qint64 kCount = kImageCount, kEntries = kFileHeaderSize, kEntrySize = kDirectoryEntrySize,
                     kBytesInImage = kEntryDataSize, kImageOffset = kEntryDataOffset;
    if (!file.holds(0, kEntries))
        return incomplete();
    const qint64 count = file.le16(kCount);
    if (!file.holds(kEntries, count * kEntrySize))
        return incomplete();
    for (qint64 i = 0; i < count; ++i) {
        const qint64 entry = kEntries + i * kEntrySize;
        if (!file.holds(file.le32(entry + kImageOffset), file.le32(entry + kBytesInImage)))
            return incomplete();
    }
    if (count == 0)
        return whole();
    const qint64 image = file.le32(kEntries + kImageOffset);
    constexpr qint64 kPngWidth = 16, kPngHeight = 20;
    if (file.startsWith(image, "\x89PNG\r\n\x1a\n") && file.startsWith(image + 12, "IHDR")
        && file.holds(image + kPngHeight, 4)) {
        StructureCheck result = whole(file.be32(image + kPngWidth), file.be32(image + kPngHeight));
        // As for a PNG file, the reader gets the picture without its
        // compressed texts: in an icon of that one picture alone.
        const QByteArray png = pngWithoutCompressedText(file, image, image + file.le32(kEntries + kBytesInImage));
        if (!png.isEmpty()) {
            result.readerBytes = file.view().first(kEntries + kEntrySize).toByteArray() + png;
            qToLittleEndian<quint16>(1, result.readerBytes.data() + kCount);
            qToLittleEndian<quint32>(quint32(png.size()), result.readerBytes.data() + kEntries + kBytesInImage);
            qToLittleEndian<quint32>(quint32(kEntries + kEntrySize),
                                     result.readerBytes.data() + kEntries + kImageOffset);
        }
        return result;
    }
    // A bitmap's height counts its mask as well as its pixels.
    if (file.holds(image + kBitmapHeight, 4))
        return whole(qAbs(qint64(qint32(file.le32(image + kBitmapWidth)))),
                     qAbs(qint64(qint32(file.le32(image + kBitmapHeight)))) / 2);
    return whole();
}

// --- ICNS ----------------------------------------------------------------

namespace {

// The icon file up to `length` with every PNG element's compressed texts
// left out, as for a PNG file, or nothing when there are none. Its table of
// contents, which gives every element's length, is left out too: the
// reader then goes by the elements themselves.
QByteArray icnsWithoutCompressedText(const FileBytes &file, qint64 length)
{
    constexpr qint64 kHeader = 8;
    QByteArray copy = file.view().first(kHeader).toByteArray();
    bool changed = false;
    for (qint64 position = kHeader; position < length;) {
        const qint64 element = file.be32(position + 4);
        const QByteArray png = file.startsWith(position + kHeader, "\x89PNG\r\n\x1a\n")
                                   ? pngWithoutCompressedText(file, position + kHeader, position + element)
                                   : QByteArray();
        if (!png.isEmpty()) {
            QByteArray header = file.view().sliced(position, kHeader).toByteArray();
            qToBigEndian<quint32>(quint32(kHeader + png.size()), header.data() + 4);
            copy += header + png;
            changed = true;
        } else if (!file.startsWith(position, "TOC ")) {
            copy += file.view().sliced(position, element);
        }
        position += element;
    }
    if (!changed)
        return {};
    qToBigEndian<quint32>(quint32(copy.size()), copy.data() + 4);
    return copy;
}

} // namespace

namespace icns {
constexpr qint64 kHeader = 8;
// Qt's reader spends some 30 microseconds on each element, each entry of a
// table of contents and each element inside a variant's container, before
// it reads any image. A file holds a few dozen: every size, its masks, a
// table of contents, a dark variant.
constexpr qint64 kMostElements = 1024;
// The containers of variants whose elements Qt's reader goes through too.
constexpr const char *kContainers[] = {"tile", "over", "open", "drop", "odrp"};

// How many elements Qt's reader goes through for the element at `position`.
qint64 elementsRead(const FileBytes &file, qint64 position, qint64 element)
{
    if (file.startsWith(position, "TOC "))
        return 1 + (element - kHeader) / kHeader;
    qint64 count = 1;
    for (const char *container : kContainers) {
        if (!file.startsWith(position, container))
            continue;
        // As the reader does, up to the first that does not fit.
        const qint64 end = position + element;
        for (qint64 at = position + kHeader; at + kHeader <= end; ++count) {
            const qint64 inner = file.be32(at + 4);
            if (inner < kHeader || at + inner > end)
                break;
            at += inner;
        }
    }
    return count;
}
} // namespace icns

// "icns", the whole file's length, then elements of type and length.
StructureCheck checkIcns(const FileBytes &file)
{
    using icns::kHeader;
    if (!file.holds(0, kHeader))
        return incomplete();
    const qint64 length = file.be32(4);
    if (length < kHeader)
        return damaged(Picture::tr("an icon file shorter than its own header"));
    if (!file.holds(0, length))
        return incomplete();
    qint64 elements = 0;
    for (qint64 position = kHeader; position < length;) {
        const qint64 element = file.holds(position, kHeader) ? file.be32(position + 4) : 0;
        if (element < kHeader || position + element > length)
            return damaged(Picture::tr("an icon element that does not fit its file"));
        elements += icns::elementsRead(file, position, element);
        if (elements > icns::kMostElements)
            return damaged(Picture::tr("an icon file of more than %1 elements").arg(icns::kMostElements));
        position += element;
    }
    StructureCheck result = whole();
    result.length = length;
    result.readerBytes = icnsWithoutCompressedText(file, length);
    return result;
}

} // namespace pixelwick::formats
