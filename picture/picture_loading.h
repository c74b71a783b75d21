// SPDX-License-Identifier: MIT
#pragma once

#include "mask_encoder.h"

#include <QColor>
#include <QImage>
#include <QString>

namespace pixelwick {

struct LoadedPicture {
    QImage image;
    // A sentence for a person naming the file and what is wrong; empty on success.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads the picture at `path` in any format Qt's image plugins know. Refuses
// missing, empty, incomplete or damaged files, folders and other non-files,
// and pictures too large to hold, with a message instead of a picture. Only
// the top-left 32 x 32 pixels are sure to be read: the returned image may
// hold no more than those. Qt's own messages during the read are never
// printed; those that tell of damage become the refusal's reason.
LoadedPicture loadPicture(const QString &path);

// The same for a picture's bytes held in memory; `name` stands for the file
// in messages.
LoadedPicture loadPictureData(const QByteArray &bytes, const QString &name);

// What the 32 x 32 preview shows: `background` everywhere, with the picture
// drawn over it unscaled from the top-left corner, alpha blended.
QImage composePreview(const QImage &picture, const QColor &background);

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
