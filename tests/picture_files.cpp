// SPDX-License-Identifier: MIT
#include "picture_files.h"

#include <QBuffer>
#include <QColor>
#include <QImageWriter>
#include <QtEndian>

namespace testing {

namespace {

void append(QByteArray &bytes, quint32 value, int size)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, size);
}

// PNG's checksum (CRC-32 of ISO 3309), bit by bit.
quint32 pngChecksum(QByteArrayView bytes)
{
    quint32 crc = 0xffffffff;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (crc & 1 ? 0xedb88320 : 0);
    }
    return ~crc;
}

} // namespace

QByteArray bitmap(const BitmapLayout &layout, const QList<QList<quint32>> &rows, bool topDown)
{
    const qsizetype width = rows.first().size();
    QByteArray info;
    append(info, layout.headerSize, 4);
    append(info, quint32(width), 4);
    append(info, quint32(topDown ? -rows.size() : rows.size()), 4);
    append(info, 1, 2);
    append(info, quint32(layout.bits), 2);
    append(info, layout.compression, 4);
    info.append(20, '\0'); // image size, resolution, colours
    if (layout.headerSize >= 52) {
        for (const quint32 mask : layout.masks)
            append(info, mask, 4);
        append(info, 0x73524742, 4); // sRGB
        info.append(48 + 16, '\0');  // end points, gamma, intent and profile
        info.truncate(layout.headerSize);
    } else if (layout.compression != 0) {
        for (int c = 0; c < (layout.compression == 6 ? 4 : 3); ++c)
            append(info, layout.masks[size_t(c)], 4);
    }
    QByteArray pixels;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (const quint32 pixel : rows[topDown ? row : rows.size() - 1 - row])
            append(pixels, pixel, layout.bits / 8);
        while (pixels.size() % 4 != 0)
            pixels.append('\0');
    }
    QByteArray file("BM");
    append(file, quint32(14 + info.size() + pixels.size()), 4);
    append(file, 0, 4);
    append(file, quint32(14 + info.size()), 4);
    return file + info + pixels;
}

QByteArray keyedPng(const QImage &image, const QList<quint16> &key)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(image))
        return {};
    QByteArray chunk("tRNS");
    for (const quint16 sample : key) {
        chunk.append(char(sample >> 8));
        chunk.append(char(sample & 0xff));
    }
    QByteArray whole(4, '\0');
    qToBigEndian(quint32(chunk.size() - 4), whole.data());
    whole += chunk;
    QByteArray checksum(4, '\0');
    qToBigEndian(pngChecksum(chunk), checksum.data());
    whole += checksum;
    const qsizetype pixels = png.indexOf("IDAT") - 4;
    return pixels < 0 ? QByteArray() : png.insert(pixels, whole);
}

QImage rgb64(const QList<QRgba64> &pixels)
{
    QImage image(int(pixels.size()), 1, QImage::Format_RGBX64);
    for (int x = 0; x < image.width(); ++x)
        image.setPixelColor(x, 0, QColor::fromRgba64(pixels[x]));
    return image;
}

QImage grey16(const QList<quint16> &samples)
{
    QImage image(int(samples.size()), 1, QImage::Format_Grayscale16);
    for (int x = 0; x < image.width(); ++x)
        reinterpret_cast<quint16 *>(image.scanLine(0))[x] = samples[x];
    return image;
}

} // namespace testing
