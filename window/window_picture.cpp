// SPDX-License-Identifier: MIT
#include "window_picture.h"

namespace pixelwick {

PictureRegion WindowPicture::regionToRead(bool fit)
{
    if (fit)
        return regionFor(CursorMaking{kDefaultKeyColours, Qt::white, kCursorSize, true, {}});
    return PictureRegion::whole();
}

void WindowPicture::setPicture(LoadedPicture loaded)
{
    m_loaded = std::move(loaded);
    moveTo(m_from);
}

bool WindowPicture::largerThanCursor() const
{
    return hasPicture() && (m_loaded.size.width() > kCursorSize || m_loaded.size.height() > kCursorSize);
}

bool WindowPicture::canChoosePart() const
{
    return !m_fit && largerThanCursor() && !readSmaller(m_loaded);
}

bool WindowPicture::moveTo(QPoint from)
{
    const QPoint kept = canChoosePart() ? QPoint(qBound(0, from.x(), qMax(0, m_loaded.size.width() - kCursorSize)),
                                                 qBound(0, from.y(), qMax(0, m_loaded.size.height() - kCursorSize)))
                                        : QPoint();
    if (kept == m_from)
        return false;
    m_from = kept;
    return true;
}

CursorMaking WindowPicture::making(const KeyColours &keys, const QColor &window, int size) const
{
    return {keys, window, size, m_fit, m_from};
}

LookGrid WindowPicture::looks(const KeyColours &keys, const QColor &window) const
{
    return cursorLooksOf(m_loaded, making(keys, window));
}

QImage WindowPicture::preview(const LookGrid &looks, const KeyColours &keys, const QColor &window) const
{
    if (!hasPicture())
        return {};
    if (m_fit)
        return looksPicture(looks, keys);
    QImage shown = composePart(shownPicture(m_loaded, keys), m_from - m_loaded.origin, QSize(kCursorSize, kCursorSize),
                               window, colourOf(keys.background));
    if (keys.tolerance <= 0)
        return shown;
    // Near a key colour shows as that colour, as it converts; white and
    // black keep their looks before any key.
    const QRgb background = colourOf(keys.background).rgb(), invert = colourOf(keys.invert).rgb();
    for (int y = 0; y < shown.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            const ColourValue colour = colourValue(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
            if (colour == kWhite || colour == kBlack)
                continue;
            if (matchesKey(colour, keys.background, keys.tolerance))
                row[x] = background;
            else if (matchesKey(colour, keys.invert, keys.tolerance))
                row[x] = invert;
        }
    }
    return shown;
}

QString WindowPicture::partSentence() const
{
    if (!hasPicture())
        return {};
    const QSize size = m_loaded.size;
    if (m_fit)
        return tr("The whole picture is fitted into the cursor.");
    if (!largerThanCursor())
        return {};
    if (m_from.isNull())
        return tr("Only the top-left %1 × %1 of this %2 × %3 picture is used.")
            .arg(kCursorSize)
            .arg(size.width())
            .arg(size.height());
    // The columns and rows of the picture that the part holds.
    const int right = qMin(m_from.x() + kCursorSize, size.width()) - 1;
    const int bottom = qMin(m_from.y() + kCursorSize, size.height()) - 1;
    return tr("Pixels %1–%2, %3–%4 of this %5 × %6 picture are used.")
        .arg(m_from.x())
        .arg(right)
        .arg(m_from.y())
        .arg(bottom)
        .arg(size.width())
        .arg(size.height());
}

bool isInvisible(const LookGrid &looks)
{
    for (int y = 0; y < looks.height(); ++y)
        for (int x = 0; x < looks.width(); ++x)
            if (looks.at(x, y) != PixelLook::Transparent)
                return false;
    return !looks.isEmpty();
}

} // namespace pixelwick
