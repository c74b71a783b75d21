// SPDX-License-Identifier: MIT
#include "format_walk.h"

#include <QList>

#include <algorithm>

namespace pixelwick::formats {

namespace {

// --- JPEG ----------------------------------------------------------------

namespace jpeg {
constexpr quint8 kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kTem = 0x01;
constexpr quint8 kRst0 = 0xD0, kRst7 = 0xD7;
constexpr quint8 kSof0 = 0xC0, kSof15 = 0xCF, kDht = 0xC4, kJpg = 0xC8, kDac = 0xCC;
constexpr quint8 kFirstArithmeticSof = 0xC9;
constexpr quint8 kProgressiveSofs[] = {0xC2, 0xC6, 0xCA, 0xCE};
constexpr qint64 kBytesPerBlock = 64 * 2;
// Huffman coding spends at least one bit on each 8 x 8 block of a scan;
// a component sampled at a sixteenth covers 16 blocks' worth of pixels.
constexpr qint64 kMostPixelsPerByte = 8 * 64 * 16 * 2;
// libjpeg-turbo's own advice for pictures from strangers is a few hundred
// scans at most; a progressive writer makes about ten. Each scan has the
// decoder go over its components' blocks, some 10 to 20 ns each: the
// largest accepted picture (512 K blocks of coefficients) goes over 3 to 8
// million in the scans its writers make, and 16 million take half a second.
constexpr qint64 kMostScans = 256;
constexpr qint64 kMostBlocksScanned = qint64(16) << 20;
} // namespace jpeg

struct Component {
    quint8 id = 0;
    qint64 blocks = 0;
};

// The 8 x 8 blocks of each component of the frame whose header is at
// `frame`; a progressive decoder holds them all until the last scan.
QList<Component> componentBlocks(const FileBytes &file, qint64 frame, qint64 width, qint64 height)
{
    constexpr qint64 kComponentCount = 9, kComponents = 10, kComponentSize = 3;
    if (!file.holds(frame, kComponents))
        return {};
    const qint64 count = file.u8(frame + kComponentCount);
    if (!file.holds(frame + kComponents, count * kComponentSize))
        return {};
    qint64 hMax = 1, vMax = 1;
    for (qint64 i = 0; i < count; ++i) {
        const quint8 sampling = file.u8(frame + kComponents + i * kComponentSize + 1);
        hMax = qMax<qint64>(hMax, sampling >> 4);
        vMax = qMax<qint64>(vMax, sampling & 15);
    }
    QList<Component> components;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 at = frame + kComponents + i * kComponentSize;
        const quint8 sampling = file.u8(at + 1);
        const qint64 columns = ((width * (sampling >> 4) + hMax - 1) / hMax + 7) / 8;
        const qint64 rows = ((height * (sampling & 15) + vMax - 1) / vMax + 7) / 8;
        components.append({file.u8(at), columns * rows});
    }
    return components;
}

// The blocks the scan whose header is at `scan` goes over: each of its
// components' whole picture.
qint64 scanBlocks(const FileBytes &file, qint64 scan, const QList<Component> &components)
{
    constexpr qint64 kCount = 4, kSelectors = 5, kSelectorSize = 2;
    if (!file.holds(scan, kSelectors))
        return 0;
    const qint64 count = file.u8(scan + kCount);
    qint64 blocks = 0;
    for (qint64 i = 0; i < count && file.holds(scan + kSelectors + i * kSelectorSize, 1); ++i) {
        const quint8 id = file.u8(scan + kSelectors + i * kSelectorSize);
        for (const Component &component : components)
            blocks += component.id == id ? component.blocks : 0;
    }
    return blocks;
}

} // namespace

// Follows the markers and the entropy-coded data between them to the
// end-of-image marker, which a cut file lacks. Each scan has the decoder go
// over every block of its components, however few bytes it takes: their
// number is bounded.

StructureCheck checkJpeg(const FileBytes &file)
{
    const QByteArrayView bytes = file.view();
    qint64 width = 0, height = 0, decoderBytes = 0, scans = 0, blocksScanned = 0;
    QList<Component> components;
    bool arithmetic = false;
    qint64 position = 2; // past the start-of-image marker
    bool inScan = false;
    while (position < file.size()) {
        if (inScan) {
            // Entropy-coded data ends at the first 0xFF that is neither
            // stuffing (0xFF 0x00) nor a restart marker.
            const void *found = std::memchr(bytes.data() + position, 0xFF, size_t(file.size() - position));
            if (!found)
                break;
            position = static_cast<const char *>(found) - bytes.data();
            if (!file.holds(position, 2))
                break;
            const quint8 next = file.u8(position + 1);
            if (next == 0 || (next >= jpeg::kRst0 && next <= jpeg::kRst7) || next == 0xFF) {
                position += (next == 0xFF) ? 1 : 2;
                continue;
            }
            inScan = false;
        }
        if (file.u8(position) != 0xFF) {
            // Stray bytes between segments: the decoder skips to the next
            // marker with a warning, and so does this walk.
            ++position;
            continue;
        }
        if (!file.holds(position, 2))
            break;
        const quint8 marker = file.u8(position + 1);
        if (marker == 0xFF) { // fill byte
            ++position;
            continue;
        }
        if (marker == jpeg::kEoi) {
            if (scans > jpeg::kMostScans)
                return damaged(Picture::tr("a JPEG of %1 scans, more than the %2 this program reads")
                                   .arg(scans)
                                   .arg(jpeg::kMostScans),
                               width, height);
            if (blocksScanned > jpeg::kMostBlocksScanned)
                return damaged(Picture::tr("a JPEG whose %1 scans of %2 × %3 pixels would take too long to decode")
                                   .arg(scans)
                                   .arg(width)
                                   .arg(height),
                               width, height);
            StructureCheck result = whole(width, height);
            if (!arithmetic)
                result.maxPixels = pixelBound(file.size(), jpeg::kMostPixelsPerByte);
            result.decoderBytes = decoderBytes;
            return result;
        }
        if (marker == jpeg::kSoi || marker == jpeg::kTem || (marker >= jpeg::kRst0 && marker <= jpeg::kRst7)) {
            position += 2;
            continue;
        }
        if (!file.holds(position + 2, 2))
            break;
        const qint64 length = file.be16(position + 2);
        if (length < 2)
            return damaged(Picture::tr("a JPEG segment of impossible length"));
        if (!file.holds(position + 2, length))
            break;
        if (marker >= jpeg::kSof0 && marker <= jpeg::kSof15 && marker != jpeg::kDht && marker != jpeg::kJpg
            && marker != jpeg::kDac && length >= 7) {
            height = file.be16(position + 5);
            width = file.be16(position + 7);
            arithmetic = marker >= jpeg::kFirstArithmeticSof;
            components = componentBlocks(file, position, width, height);
            decoderBytes = 0;
            if (std::find(std::begin(jpeg::kProgressiveSofs), std::end(jpeg::kProgressiveSofs), marker)
                != std::end(jpeg::kProgressiveSofs)) {
                for (const Component &component : std::as_const(components))
                    decoderBytes += component.blocks * jpeg::kBytesPerBlock;
            }
        }
        if (marker == jpeg::kSos) {
            ++scans;
            blocksScanned += scanBlocks(file, position, components);
        }
        inScan = marker == jpeg::kSos;
        position += 2 + length;
    }
    return incomplete(width, height);
}

} // namespace pixelwick::formats
