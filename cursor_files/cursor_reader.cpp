// SPDX-License-Identifier: MIT
#include "cursor_reader.h"

#include "cursor_file.h"
#include "cursor_parsing.h"
#include "mask_encoder.h"
#include "xcursor_file.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace pixelwick {

Look CursorImage::lookAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return Look::Transparent;
    const qsizetype index = qsizetype(y) * width + x;
    return index < looks.size() ? looks[index] : Look::Transparent;
}

int CursorImage::count(Look look) const
{
    return int(std::count(looks.cbegin(), looks.cend(), look));
}

namespace cursor_parsing {

namespace {

// The file header's problem, if any; `type` and `count` are set on success.
QString headerProblem(const ByteView &file, bool cursorOnly, int &type, int &count)
{
    const int fileSize = int(std::min<qint64>(file.size(), std::numeric_limits<int>::max()));
    if (file.size() == 0)
        return CursorLooks::tr("The file is empty.");
    if (!file.holds(0, kFileHeaderSize))
        return CursorLooks::tr("The file is only %n byte(s) long, too short for a cursor.", nullptr, fileSize);
    type = file.le16(layout::kType);
    count = file.le16(layout::kImageCount);
    if (file.le16(layout::kReserved) != 0 || (type != kIconType && type != kCursorType))
        return CursorLooks::tr("This is not a cursor file.");
    if (cursorOnly && type == kIconType)
        return CursorLooks::tr("This is an icon, not a cursor: an icon has no hot spot.");
    if (count == 0)
        return CursorLooks::tr("The cursor file holds no image.");
    return {};
}

} // namespace

CursorFileReading readDirectory(QByteArrayView bytes)
{
    const ByteView file(bytes);
    int type = 0, count = 0;
    if (const QString problem = headerProblem(file, false, type, count); !problem.isEmpty())
        return {{}, problem};
    // Checked before any entry is read: each image is kept until all are.
    if (count > kMostImagesShown)
        return {{},
                CursorLooks::tr("The file's directory lists %1 images, more than the %2 that can be shown.")
                    .arg(count)
                    .arg(kMostImagesShown)};
    CursorFileReading reading;
    ShownTotals totals;
    for (int index = 0; index < count; ++index) {
        ParsedImage parsed = parseImage(file, index, type == kIconType, Accept::Everything);
        if (!parsed.stored) {
            const QString which = CursorLooks::tr("Image %1 of %2: %3").arg(index + 1).arg(count);
            return {{}, count > 1 ? which.arg(parsed.problem) : parsed.problem};
        }
        if (!totals.add(*parsed.stored))
            return {{}, CursorLooks::tr("The file holds more images than can be shown.")};
        parsed.stored->image.image = index + 1;
        parsed.stored->image.images = count;
        reading.images.append(std::move(*parsed.stored));
    }
    return reading;
}

namespace {

Look xcursorLook(quint32 pixel)
{
    // Premultiplied: the colour is taken back to what it was before its
    // alpha darkened it.
    const quint32 alpha = pixel >> 24;
    if (alpha < 128)
        return Look::Transparent;
    const auto channel = [&](int shift) {
        return int(std::min<quint32>(255, ((pixel >> shift) & 0xFF) * 255 / alpha));
    };
    return isLight(channel(16), channel(8), channel(0)) ? Look::White : Look::Black;
}

CursorFileReading readXcursorImages(QByteArrayView bytes)
{
    XcursorReading xcursor = readXcursor(bytes);
    if (!xcursor.problem.isEmpty())
        return {{}, xcursor.problem};
    QHash<int, int> framesOfSize;
    for (const XcursorImageData &data : std::as_const(xcursor.images))
        ++framesOfSize[data.nominalSize];
    QHash<int, int> shownOfSize;
    CursorFileReading reading;
    for (const XcursorImageData &data : std::as_const(xcursor.images)) {
        CursorImage image;
        image.width = data.width;
        image.height = data.height;
        image.hotSpotX = data.hotSpotX;
        image.hotSpotY = data.hotSpotY;
        image.nominalSize = data.nominalSize;
        image.delayMilliseconds = data.delayMilliseconds;
        if (const int frames = framesOfSize.value(data.nominalSize); frames > 1) {
            image.frame = ++shownOfSize[data.nominalSize];
            image.frames = frames;
        }
        image.looks.reserve(data.pixels.size());
        for (const quint32 pixel : data.pixels)
            image.looks.append(xcursorLook(pixel));
        reading.images.append({std::move(image), {}, {}});
    }
    return reading;
}

} // namespace

} // namespace cursor_parsing

CursorReading readCursor(QByteArrayView bytes)
{
    using namespace cursor_parsing;
    const ByteView file(bytes);
    int type = 0, count = 0;
    if (const QString problem = headerProblem(file, true, type, count); !problem.isEmpty())
        return {std::nullopt, problem};
    if (count > 1)
        return {std::nullopt,
                CursorLooks::tr("The cursor file holds %n images; only a cursor with exactly one image can be read.",
                                nullptr, count)};
    ParsedImage parsed = parseImage(file, 0, false, Accept::MonochromeOnly);
    if (!parsed.stored)
        return {std::nullopt, parsed.problem};
    return {std::move(parsed.stored->image), QString()};
}

CursorFileKind cursorFileKind(QByteArrayView bytes)
{
    const ByteView file(bytes);
    if (file.startsWith(0, "RIFF") && file.startsWith(8, "ACON"))
        return CursorFileKind::Animated;
    if (isXcursor(bytes))
        return CursorFileKind::Xcursor;
    if (!file.holds(0, kFileHeaderSize) || file.le16(layout::kReserved) != 0 || file.le16(layout::kImageCount) == 0)
        return CursorFileKind::None;
    switch (file.le16(layout::kType)) {
    case kCursorType: return CursorFileKind::Cursor;
    case kIconType: return CursorFileKind::Icon;
    default: return CursorFileKind::None;
    }
}

CursorFileReading readCursorFile(QByteArrayView bytes)
{
    switch (cursorFileKind(bytes)) {
    case CursorFileKind::Animated: return cursor_parsing::readAnimated(bytes);
    case CursorFileKind::Xcursor: return cursor_parsing::readXcursorImages(bytes);
    default: return cursor_parsing::readDirectory(bytes);
    }
}

} // namespace pixelwick
