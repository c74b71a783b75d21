// SPDX-License-Identifier: MIT
#include "animated_cursor_file.h"

#include "byte_view.h"

#include <algorithm>

namespace pixelwick {

namespace {

void appendChunk(ByteWriter &into, const char *id, QByteArrayView data)
{
    into.raw(QByteArrayView(id, 4)).le32(quint32(data.size())).raw(data);
    if (data.size() % 2)
        into.u8(0);
}

} // namespace

int jiffiesOf(int milliseconds)
{
    return int(std::max<qint64>(1, (qint64(milliseconds) * kJiffiesPerSecond + 500) / 1000));
}

QByteArray animatedCursorBytes(const QList<AnimatedFrame> &frames)
{
    using namespace ani_layout;
    if (frames.isEmpty())
        return {};
    const quint32 count = quint32(frames.size());
    const bool sameTimes = std::all_of(frames.cbegin(), frames.cend(),
                                       [&](const AnimatedFrame &f) { return f.jiffies == frames.first().jiffies; });
    ByteWriter header;
    header.le32(kAnimationHeaderSize).le32(count).le32(count);
    header.le32(0).le32(0).le32(0).le32(0); // width, height, bit count, planes
    header.le32(quint32(frames.first().jiffies)).le32(kFramesAreCursors);

    ByteWriter body;
    body.raw("ACON");
    appendChunk(body, "anih", header.bytes());
    if (!sameTimes) {
        ByteWriter rates;
        for (const AnimatedFrame &frame : frames)
            rates.le32(quint32(frame.jiffies));
        appendChunk(body, "rate", rates.bytes());
    }
    ByteWriter list;
    list.raw("fram");
    for (const AnimatedFrame &frame : frames)
        appendChunk(list, "icon", frame.cursor);
    appendChunk(body, "LIST", list.bytes());

    ByteWriter file;
    appendChunk(file, "RIFF", body.bytes());
    return file.bytes();
}

} // namespace pixelwick
