// SPDX-License-Identifier: MIT
#include "cursor_file.h"

#include "byte_view.h"

#include <QBuffer>
#include <QIODevice>

namespace pixelwick {

namespace {

constexpr std::uint8_t kColourCount = 2;

} // namespace

// clang-format off: laid out as the table in cursor_file.h
QList<QByteArray> cursorFixedBlocks(HotSpot hotSpot)
{
    QList<QByteArray> blocks;
    blocks << ByteWriter().le16(0).bytes()                                            // reserved
           << ByteWriter().le16(kCursorType).bytes() << ByteWriter().le16(1).bytes(); // one image

    blocks << ByteWriter()
                  .u8(kCursorSize)
                  .u8(kCursorSize) // width, height
                  .u8(kColourCount)
                  .u8(0) // colour count, reserved
                  .le16(std::uint16_t(hotSpot.x))
                  .le16(std::uint16_t(hotSpot.y))
                  .le32(kImageDataSize)
                  .le32(kImageDataOffset)
                  .bytes();

    blocks << ByteWriter()
                  .le32(kBitmapHeaderSize)
                  .le32(kCursorSize)
                  .le32(2 * kCursorSize) // XOR and AND planes stacked
                  .le16(1)
                  .le16(1) // planes, bits per pixel
                  .le32(0)
                  .le32(0) // no compression, image size 0
                  .le32(0)
                  .le32(0)
                  .le32(0)
                  .le32(0) // resolutions, colours used, important
                  .bytes();

    blocks << ByteWriter().raw({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}).bytes(); // black, white
    return blocks;
}
// clang-format on

bool writeCursor(QIODevice &device, HotSpot hotSpot, const PixelSource &source, const KeyColours &keys)
{
    for (const QByteArray &block : cursorFixedBlocks(hotSpot)) {
        if (device.write(block) != block.size())
            return false;
    }
    return encodePlanes(source, keys, [&device](std::uint8_t byte) { return device.putChar(char(byte)); });
}

QByteArray cursorBytes(HotSpot hotSpot, const PixelSource &source, const KeyColours &keys)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeCursor(buffer, hotSpot, source, keys);
    return bytes;
}

QByteArray cursorFileBytes(const QList<CursorFrame> &frames, const KeyColours &keys)
{
    ByteWriter file;
    file.le16(0).le16(kCursorType).le16(quint16(frames.size()));
    qint64 offset = kFileHeaderSize + qint64(frames.size()) * kDirectoryEntrySize;
    for (const CursorFrame &frame : frames) {
        file.u8(quint8(frame.size & 0xFF)).u8(quint8(frame.size & 0xFF)).u8(kColourCount).u8(0);
        file.le16(std::uint16_t(frame.hotSpot.x)).le16(std::uint16_t(frame.hotSpot.y));
        file.le32(quint32(imageDataSize(frame.size))).le32(quint32(offset));
        offset += imageDataSize(frame.size);
    }
    for (const CursorFrame &frame : frames) {
        file.le32(kBitmapHeaderSize).le32(quint32(frame.size)).le32(quint32(2 * frame.size));
        file.le16(1).le16(1).le32(0).le32(0).le32(0).le32(0).le32(0).le32(0);
        file.raw({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0});
        QByteArray planes;
        planes.reserve(2 * planeRowBytes(frame.size) * frame.size);
        encodePlanes(
            *frame.source, keys, [&planes](std::uint8_t byte) { return planes.append(char(byte)), true; }, frame.size);
        file.raw(planes);
    }
    return file.bytes();
}

} // namespace pixelwick
