// SPDX-License-Identifier: MIT
#include "cursor_file.h"

#include <QBuffer>
#include <QIODevice>
#include <QtEndian>

namespace pixelwick {

namespace {

class LittleEndian {
public:
    LittleEndian &u8(std::uint8_t v)
    {
        bytes.append(char(v));
        return *this;
    }
    LittleEndian &u16(std::uint16_t v) { return put(qToLittleEndian(v)); }
    LittleEndian &u32(std::uint32_t v) { return put(qToLittleEndian(v)); }
    LittleEndian &raw(std::initializer_list<std::uint8_t> values)
    {
        for (std::uint8_t v : values)
            u8(v);
        return *this;
    }
    QByteArray bytes;

private:
    template <typename T> LittleEndian &put(T v)
    {
        bytes.append(reinterpret_cast<const char *>(&v), sizeof v);
        return *this;
    }
};

constexpr std::uint16_t kCursorType = 2;
constexpr std::uint8_t kColourCount = 2;

} // namespace

// clang-format off: laid out as the table in cursor_file.h
QList<QByteArray> cursorFixedBlocks(HotSpot hotSpot)
{
    QList<QByteArray> blocks;
    blocks << LittleEndian().u16(0).bytes                                           // reserved
           << LittleEndian().u16(kCursorType).bytes << LittleEndian().u16(1).bytes; // one image

    blocks << LittleEndian()
                  .u8(kCursorSize)
                  .u8(kCursorSize) // width, height
                  .u8(kColourCount)
                  .u8(0) // colour count, reserved
                  .u16(std::uint16_t(hotSpot.x))
                  .u16(std::uint16_t(hotSpot.y))
                  .u32(kImageDataSize)
                  .u32(kImageDataOffset)
                  .bytes;

    blocks << LittleEndian()
                  .u32(kBitmapHeaderSize)
                  .u32(kCursorSize)
                  .u32(2 * kCursorSize) // XOR and AND planes stacked
                  .u16(1)
                  .u16(1) // planes, bits per pixel
                  .u32(0)
                  .u32(0) // no compression, image size 0
                  .u32(0)
                  .u32(0)
                  .u32(0)
                  .u32(0) // resolutions, colours used, important
                  .bytes;

    blocks << LittleEndian().raw({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}).bytes; // black, white
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

} // namespace pixelwick
