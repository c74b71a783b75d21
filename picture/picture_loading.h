// SPDX-License-Identifier: MIT
#pragma once

#include "file_placing.h"
#include "mask_encoder.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

namespace pixelwick {

// Which pixels of a picture reading it gives back: a square part (by
// default the cursor's top-left corner), or the whole picture.
struct PictureRegion {
    // A side alone is the top-left corner of that side, as most reads want.
    PictureRegion(int partSide = kCursorSize) : side(partSide) {}
    static PictureRegion whole(int drawnSide = 0)
    {
        PictureRegion region(0);
        region.drawnSide = drawnSide;
        return region;
    }
    bool isWhole() const { return side <= 0; }

    QPoint from; // the part's top-left pixel in the picture
    int side;    // the part's side, up to 256; 0 for the whole picture
    // A picture drawn from lines (SVG) is drawn with its longer side this
    // long; 0 draws it at its own size.
    int drawnSide = 0;
    // An animation comes back whole, every frame of it (animated_pictures.h);
    // any other picture as the region says.
    bool frames = false;
};

// The largest picture read whole: 4096 x 4096, or half that at 16 bits a
// channel. A larger JPEG, of which a part is read, is read whole at a
// smaller scale that fits.
inline constexpr qint64 kMostPixelsWhole = qint64(16) << 20;

struct LoadedPicture {
    LoadedPicture() = default;
    LoadedPicture(QImage picture, QString problem, QSize whole = {})
        : image(std::move(picture)),
          error(std::move(problem)),
          size(whole)
    {}
    QImage image;
    // A sentence for a person naming the file and what is wrong; empty on success.
    QString error;
    QSize size;    // the whole picture's, of which `image` may be a part
    QPoint origin; // where `image`'s top-left pixel lies in the picture
    // Drawn from lines at the region's drawnSide: another side draws it anew.
    bool drawn = false;
    // The file it was read from, as opened: still that file once renamed.
    FileIdentity identity;
    // The file's bytes as read, to read the picture again at another size
    // even once the file has changed or gone.
    QByteArray bytes;
    // An animation's frames' delays in milliseconds, one a frame, its frames
    // one under the other in `image`, each of `size`; empty for a still.
    QList<int> frameDelays;
    // Opened from a cursor or icon file (cursor_pictures.h): the pixels
    // that invert the screen, which are shown in the invert key's colour,
    // the hot spot the file gives (none for an icon), and how many images
    // the file holds.
    bool fromCursorFile = false;
    QList<QPoint> invertedPixels;
    std::optional<QPoint> hotSpot;
    int imagesInFile = 0;
    bool ok() const { return error.isEmpty(); }
};

// Called about every 50 ms while a picture is being read; returning false
// gives the read up. The window keeps painting from here.
using WhileReading = std::function<bool()>;

// Reads the picture at `path` in any format Qt's image plugins know. Refuses
// missing, empty, incomplete or damaged files, folders and other non-files,
// and pictures too large to hold, with a message instead of a picture. The
// file is read once into memory, so that another program changing it cannot
// hurt; its picture is then decoded in a child process with a time limit.
// Only the pixels of `region` are returned. Qt's own messages during the
// read are never printed; those that tell of damage become the refusal's
// reason.
LoadedPicture loadPicture(const QString &path, const WhileReading &whileReading = {}, const PictureRegion &region = {});

// The first half of that: the file at `path` read whole, by the same
// checks, into `bytes`, with its identity; a null image and an error
// instead when it cannot be a picture.
LoadedPicture readPictureFile(const QString &path);

// The same for a picture's bytes held in memory, read in the same guarded
// way; `name` stands for the file in messages and `suffix` may choose the
// reader.
LoadedPicture loadPictureBytes(const QByteArray &bytes, const QString &name, const QString &suffix,
                               const PictureRegion &region = {}, const WhileReading &whileReading = {});

// The same for a picture's bytes held in memory, decoded in this process
// with no time limit and the whole image returned (for fuzzing), read as
// far as `region` at least where the reader can stop early; `name` stands
// for the file in messages and its suffix may choose the reader.
LoadedPicture loadPictureData(const QByteArray &bytes, const QString &name, const PictureRegion &region = {});

// What the 32 x 32 preview (or one of another cursor size) shows: `background` (the window colour)
// everywhere, with the picture drawn over it unscaled from the top-left
// corner, alpha blended. A picture pixel more than half transparent (alpha
// below 128) shows `transparentAs` instead, when given: the background key
// colour, so that it becomes a transparent cursor pixel.
QImage composePreview(const QImage &picture, const QColor &background, const QColor &transparentAs = {},
                      int size = kCursorSize);
// The same for the part of that size whose top-left pixel is `from`.
QImage composePart(const QImage &picture, QPoint from, QSize size, const QColor &background,
                   const QColor &transparentAs = {});

// The colours of a composed preview; outside it reads kNoColour.
class ImagePixelSource : public PixelSource {
public:
    explicit ImagePixelSource(QImage preview);
    ColourValue colourAt(int x, int y) const override;

private:
    QImage m_preview;
};

ColourValue colourValueOf(const QColor &colour);
QColor colourOf(ColourValue value);

} // namespace pixelwick
