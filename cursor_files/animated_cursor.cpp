// SPDX-License-Identifier: MIT
#include "cursor_parsing.h"

#include <limits>
#include <optional>

namespace pixelwick::cursor_parsing {

// An animated cursor is a RIFF file of form ACON: an "anih" header, a
// "fram" list of "icon" chunks, each a whole .cur (or .ico) file, and,
// when the frames are not simply shown in turn at one rate, "rate" and
// "seq " tables of one 32-bit value a step.
namespace {

constexpr qint64 kRiffHeader = 12;
constexpr qint64 kChunkHeader = 8;
constexpr qint64 kAnimationHeaderSize = 36;
constexpr qint64 kFrameCount = 4, kStepCount = 8, kDisplayRate = 28, kFlags = 32;
constexpr quint32 kFramesAreIcons = 1;

// Each limit is far past any real file, and a file past one is refused as
// soon as the walk reaches it. Beside its frames a file holds a header, two
// tables, a "fram" list and an "INFO" list of a few texts; every frame holds
// at least one image, and no more images than kMostImagesShown are shown.
constexpr qsizetype kMostFrames = kMostImagesShown;
constexpr qint64 kMostLists = 64;
constexpr qint64 kMostOtherChunks = 1024;

struct Chunk {
    qint64 data = 0;
    qint64 size = 0;
};

// What the walk through the file's chunks keeps: only what is read later.
struct Contents {
    std::optional<Chunk> header;
    qint64 rate = -1, rateSize = -1, sequence = -1, sequenceSize = -1;
    QList<Chunk> frames;
    qint64 lists = 0, otherChunks = 0;
};

CursorFileReading refused(const QString &problem)
{
    return {{}, problem};
}

QString cutShort()
{
    return CursorLooks::tr("The animated cursor is cut short.");
}

// Calls `visit` with each chunk's id and place from `from` to `end`; the
// problem when one reaches past the end or `visit` gives one.
template <typename Visit> QString walkChunks(const ByteView &file, qint64 from, qint64 end, Visit visit)
{
    while (from < end) {
        if (from + kChunkHeader > end)
            return cutShort();
        const Chunk chunk{from + kChunkHeader, file.le32(from + 4)};
        if (chunk.data + chunk.size > end)
            return cutShort();
        if (const QString problem = visit(file.view().sliced(from, 4), chunk); !problem.isEmpty())
            return problem;
        from = chunk.data + chunk.size + (chunk.size & 1); // chunks start at even offsets
    }
    return {};
}

// Counts a chunk that is neither a frame nor a list.
QString otherChunk(Contents &contents)
{
    if (++contents.otherChunks <= kMostOtherChunks)
        return {};
    return CursorLooks::tr("The animated cursor holds more than %1 chunks beside its frames, far more than any "
                           "animated cursor needs.")
        .arg(kMostOtherChunks);
}

QString listedChunk(QByteArrayView id, const Chunk &chunk, Contents &contents)
{
    if (id != "icon")
        return otherChunk(contents);
    if (contents.frames.size() == kMostFrames)
        return CursorLooks::tr("The animated cursor holds more than %1 frames, more than can be shown.")
            .arg(kMostFrames);
    contents.frames.append(chunk);
    return {};
}

QString topChunk(const ByteView &file, QByteArrayView id, const Chunk &chunk, Contents &contents)
{
    if (id == "LIST") {
        if (++contents.lists > kMostLists)
            return CursorLooks::tr("The animated cursor holds more than %1 lists of chunks, far more than any "
                                   "animated cursor needs.")
                .arg(kMostLists);
        if (!file.startsWith(chunk.data, "fram"))
            return {};
        return walkChunks(
            file, chunk.data + 4, chunk.data + chunk.size,
            [&](QByteArrayView listedId, const Chunk &listed) { return listedChunk(listedId, listed, contents); });
    }
    if (id == "anih" && !contents.header) {
        contents.header = chunk;
    } else if (id == "rate") {
        contents.rate = chunk.data;
        contents.rateSize = chunk.size;
    } else if (id == "seq ") {
        contents.sequence = chunk.data;
        contents.sequenceSize = chunk.size;
    }
    return otherChunk(contents);
}

} // namespace

CursorFileReading readAnimated(QByteArrayView bytes)
{
    const ByteView file(bytes);
    const qint64 riffEnd = kChunkHeader + qint64(file.le32(4));
    if (!file.holds(0, kRiffHeader) || riffEnd < kRiffHeader || riffEnd > file.size())
        return refused(cutShort());
    Contents contents;
    if (const QString problem =
            walkChunks(file, kRiffHeader, riffEnd,
                       [&](QByteArrayView id, const Chunk &chunk) { return topChunk(file, id, chunk, contents); });
        !problem.isEmpty())
        return refused(problem);

    const std::optional<Chunk> &header = contents.header;
    const QList<Chunk> &frames = contents.frames;
    const qint64 sequence = contents.sequence;
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
    if ((contents.rateSize >= 0 && contents.rateSize != qint64(stepCount) * 4)
        || (contents.sequenceSize >= 0 && contents.sequenceSize != qint64(stepCount) * 4))
        // %n holds no more than an int; the count itself is shown whole.
        return refused(CursorLooks::tr("The animated cursor's table of steps does not match its %1 step(s).", nullptr,
                                       int(qMin<quint32>(stepCount, 1u << 30)))
                           .arg(stepCount));
    for (qint64 step = 0; sequence >= 0 && step < stepCount; ++step)
        if (file.le32(sequence + step * 4) >= frameCount)
            return refused(CursorLooks::tr("Step %1 of the animated cursor shows frame %2, which it does not hold.")
                               .arg(step + 1)
                               .arg(qint64(file.le32(sequence + step * 4)) + 1));

    // Each frame's time is that of the first step that shows it; a frame
    // no step shows has none.
    // Without a sequence, step N shows frame N.
    QList<int> jiffies(frames.size(), 0);
    const quint32 steps = sequence >= 0 ? stepCount : qMin(stepCount, quint32(frames.size()));
    for (quint32 step = steps; step-- > 0;) {
        const quint32 shown = sequence >= 0 ? file.le32(sequence + qint64(step) * 4) : step;
        if (shown < quint32(frames.size()))
            jiffies[shown] = int(qMin<quint32>(contents.rate >= 0 ? file.le32(contents.rate + qint64(step) * 4)
                                                                  : file.le32(header->data + kDisplayRate),
                                               std::numeric_limits<int>::max()));
    }
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
            stored.image.jiffies = jiffies[f];
            reading.images.append(std::move(stored));
        }
    }
    return reading;
}

} // namespace pixelwick::cursor_parsing
