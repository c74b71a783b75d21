// SPDX-License-Identifier: MIT
#pragma once

#include "file_placing.h"
#include "mask_encoder.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace pixelwick {

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
    QSize size; // the whole picture's, of which `image` may be the corner
    // The file it was read from, as opened: still that file once renamed.
    FileIdentity identity;
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
// Only the top-left `corner` x `corner` pixels are returned (at most 256).
// Qt's own messages during
// the read are never printed; those that tell of damage become the
// refusal's reason.
LoadedPicture loadPicture(const QString &path, const WhileReading &whileReading = {}, int corner = kCursorSize);

// The same for a picture's bytes held in memory, read in the same guarded
// way; `name` stands for the file in messages and `suffix` may choose the
// reader.
LoadedPicture loadPictureBytes(const QByteArray &bytes, const QString &name, const QString &suffix,
                               int corner = kCursorSize);

// The same for a picture's bytes held in memory, decoded in this process
// with no time limit and the whole image returned (for fuzzing), read as
// far as `corner` at least where the reader can stop early; `name` stands for the
// file in messages and its suffix may choose the reader.
LoadedPicture loadPictureData(const QByteArray &bytes, const QString &name, int corner = kCursorSize);

// What the 32 x 32 preview (or one of another cursor size) shows: `background` (the window colour)
// everywhere, with the picture drawn over it unscaled from the top-left
// corner, alpha blended. A picture pixel more than half transparent (alpha
// below 128) shows `transparentAs` instead, when given: the background key
// colour, so that it becomes a transparent cursor pixel.
QImage composePreview(const QImage &picture, const QColor &background, const QColor &transparentAs = {},
                      int size = kCursorSize);

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
