// SPDX-License-Identifier: MIT
#include "cursor_parsing.h"

namespace pixelwick::cursor_parsing {

// An animated cursor is a RIFF file of form ACON: an "anih" header, a
// "fram" list of "icon" chunks, each a whole .cur (or .ico) file, and,
// when the frames are not simply shown in turn at one rate, "rate" and
// "seq " tables of one 32-bit value a step.
namespace {

constexpr qint64 kRiffHeader = 12;
constexpr qint64 kChunkHeader = 8;
constexpr qint64 kAnimationHeaderSize = 36;
constexpr qint64 kFrameCount = 4, kStepCount = 8, kFlags = 32;
constexpr quint32 kFramesAreIcons = 1;

struct Chunk {
    QByteArray id;
    qint64 data = 0;
    qint64 size = 0;
};

// The chunks from `from` to `end`; false when one reaches past the end.
bool chunks(const ByteView &file, qint64 from, qint64 end, QList<Chunk> &found)
{
    while (from < end) {
        if (from + kChunkHeader > end)
            return false;
        const Chunk chunk{file.view().sliced(from, 4).toByteArray(), from + kChunkHeader, file.le32(from + 4)};
        if (chunk.data + chunk.size > end)
            return false;
        found.append(chunk);
        from = chunk.data + chunk.size + (chunk.size & 1); // chunks start at even offsets
    }
    return true;
}

CursorFileReading refused(const QString &problem)
{
    return {{}, problem};
}

} // namespace

CursorFileReading readAnimated(QByteArrayView bytes)
{
    const ByteView file(bytes);
    const qint64 riffEnd = kChunkHeader + qint64(file.le32(4));
    QList<Chunk> top;
    if (!file.holds(0, kRiffHeader) || riffEnd < kRiffHeader || riffEnd > file.size()
        || !chunks(file, kRiffHeader, riffEnd, top))
        return refused(CursorLooks::tr("The animated cursor is cut short."));

    const Chunk *header = nullptr;
    QList<Chunk> frames;
    qint64 rateSize = -1, sequence = -1, sequenceSize = -1;
    for (const Chunk &chunk : top) {
        if (chunk.id == "anih" && !header) {
            header = &chunk;
        } else if (chunk.id == "rate") {
            rateSize = chunk.size;
        } else if (chunk.id == "seq ") {
            sequence = chunk.data;
            sequenceSize = chunk.size;
        } else if (chunk.id == "LIST" && file.startsWith(chunk.data, "fram")) {
            QList<Chunk> listed;
            if (!chunks(file, chunk.data + 4, chunk.data + chunk.size, listed))
                return refused(CursorLooks::tr("The animated cursor is cut short."));
            for (const Chunk &frame : listed)
                if (frame.id == "icon")
                    frames.append(frame);
        }
    }
    if (!header || header->size < kAnimationHeaderSize)
        return refused(CursorLooks::tr("The animated cursor has no header of its animation."));
    const quint32 frameCount = file.le32(header->data + kFrameCount);
    const quint32 stepCount = file.le32(header->data + kStepCount);
    if (!(file.le32(header->data + kFlags) & kFramesAreIcons))
        return refused(CursorLooks::tr("The animated cursor's frames are bare bitmaps, not cursors; "
                                       "they cannot be read."));
    if (frames.isEmpty())
        return refused(CursorLooks::tr("The animated cursor holds no frame."));
    if (frameCount != quint32(frames.size()))
        return refused(CursorLooks::tr("The animated cursor says it has %1 frames, but it holds %2.")
                           .arg(frameCount)
                           .arg(frames.size()));
    if ((rateSize >= 0 && rateSize != qint64(stepCount) * 4)
        || (sequenceSize >= 0 && sequenceSize != qint64(stepCount) * 4))
        // %n holds no more than an int; the count itself is shown whole.
        return refused(CursorLooks::tr("The animated cursor's table of steps does not match its %1 step(s).", nullptr,
                                       int(qMin<quint32>(stepCount, 1u << 30)))
                           .arg(stepCount));
    for (qint64 step = 0; sequence >= 0 && step < stepCount; ++step)
        if (file.le32(sequence + step * 4) >= frameCount)
            return refused(CursorLooks::tr("Step %1 of the animated cursor shows frame %2, which it does not hold.")
                               .arg(step + 1)
                               .arg(qint64(file.le32(sequence + step * 4)) + 1));

    CursorFileReading reading;
    ShownTotals totals;
    for (int f = 0; f < frames.size(); ++f) {
        CursorFileReading frame = readDirectory(file.slice(frames[f].data, frames[f].size));
        if (!frame.problem.isEmpty())
            return refused(CursorLooks::tr("Frame %1 of %2: %3").arg(f + 1).arg(frames.size()).arg(frame.problem));
        for (StoredImage &stored : frame.images) {
            if (!totals.add(stored))
                return refused(CursorLooks::tr("The file holds more images than can be shown."));
            stored.image.frame = f + 1;
            stored.image.frames = int(frames.size());
            reading.images.append(std::move(stored));
        }
    }
    return reading;
}

} // namespace pixelwick::cursor_parsing
