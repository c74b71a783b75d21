// SPDX-License-Identifier: MIT
#include "hostile_files.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <cstdio>

namespace testing {

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray saved(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

} // namespace

QByteArray riffChunk(const char *id, const QByteArray &data)
{
    return QByteArray(id, 4) + le32(quint32(data.size())) + data + (data.size() % 2 ? QByteArray(1, '\0') : "");
}

QByteArray webpAnimation(int frames, int exifChunks)
{
    // Qt writes a lossless WebP of one chunk, "VP8L", after the file header.
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::black);
    const QByteArray image = saved(pixel, "webp", 100).mid(12);
    // Flags (EXIF 0x08, animation 0x02), three reserved bytes, the canvas's
    // width and height less one.
    QByteArray body = "WEBP" + riffChunk("VP8X", QByteArray("\x0A\0\0\0\0\0\0\0\0\0", 10));
    body += riffChunk("ANIM", QByteArray(6, '\0')); // background colour, loop count
    body += riffChunk("EXIF").repeated(exifChunks);
    // The frame's place and size less one, 3 bytes each; its duration; flags.
    body += riffChunk("ANMF", QByteArray(12, '\0') + QByteArray("\x64\0\0\0", 4) + image).repeated(frames);
    return "RIFF" + le32(quint32(body.size())) + body;
}

QByteArray xpmOfColours(int colours)
{
    static const char symbols[] = ".#abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray text = "/* XPM */\nstatic char *x[] = {\n\"1 1 " + QByteArray::number(colours) + " 4\",\n";
    text.reserve(text.size() + qsizetype(colours) * 18 + 16);
    for (int i = 0; i < colours; ++i) {
        char line[32];
        const int length =
            std::snprintf(line, sizeof line, "\"%c%c%c%c c #%06x\",\n", symbols[i % 64], symbols[i / 64 % 64],
                          symbols[i / 4096 % 64], symbols[i / 262144 % 64], i & 0xFFFFFF);
        text.append(line, length);
    }
    return text + "\"....\"};\n"; // the first colour, black
}

QByteArray icnsElement(const char *type, const QByteArray &data)
{
    return QByteArray(type, 4) + be32(quint32(8 + data.size())) + data;
}

QByteArray icnsFile(const QByteArray &elements)
{
    return "icns" + be32(quint32(8 + elements.size())) + elements;
}

QByteArray icnsPngElement()
{
    QImage black(16, 16, QImage::Format_RGB32);
    black.fill(Qt::black);
    return icnsElement("icp4", saved(black, "png"));
}

QByteArray animatedCursor(const QByteArray &frame, int frames, const QByteArray &more)
{
    // Its length, frames, steps, four sizes unused by cursors, the rate in
    // jiffies, and the flag saying each frame is a cursor file.
    QByteArray header = le32(36) + le32(quint32(frames)) + le32(quint32(frames));
    header += QByteArray(16, '\0') + le32(6) + le32(1);
    const QByteArray body = "ACON" + riffChunk("anih", header)
                            + riffChunk("LIST", "fram" + riffChunk("icon", frame).repeated(frames)) + more;
    return "RIFF" + le32(quint32(body.size())) + body;
}

QByteArray cursorDirectory(const QByteArray &cursor, int count)
{
    constexpr int kHeader = 6, kEntry = 16, kOffset = 12;
    const QByteArray image = cursor.mid(kHeader + kEntry);
    QByteArray entry = cursor.mid(kHeader, kEntry);
    qToLittleEndian(quint32(kHeader + kEntry * count), entry.data() + kOffset);
    return cursor.left(4) + le16(quint16(count)) + entry.repeated(count) + image;
}

} // namespace testing
