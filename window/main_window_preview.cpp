// SPDX-License-Identifier: MIT
// The window's side of the preview: its clicks, menu and arrow keys set the
// hot-spot fields and the swatches, and the fields move its mark.
#include "main_window.h"

#include "hot_spot.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <optional>

namespace pixelwick {

void FrmConverter::wirePreview()
{
    connect(picBMP, &PictureBox::hotSpotChosen, this, &FrmConverter::setHotSpotFields);
    connect(picBMP, &PictureBox::backgroundChosen, this,
            [this](const QColor &colour) { setSwatchColour(picBG, colour); });
    connect(picBMP, &PictureBox::invertChosen, this,
            [this](const QColor &colour) { setSwatchColour(picInvert, colour); });
    connect(txtX, &QLineEdit::textChanged, this, &FrmConverter::markHotSpot);
    connect(txtY, &QLineEdit::textChanged, this, &FrmConverter::markHotSpot);
    markHotSpot();
    // The part of a larger picture, by dragging it or by Shift and the arrow keys.
    connect(picBMP, &PictureBox::partDragStarted, this, [this] { m_dragFrom = m_picture.from(); });
    connect(picBMP, &PictureBox::partDragged, this, [this](QPoint moved) { movePart(m_dragFrom - moved); });
    connect(picBMP, &PictureBox::partStepped, this, [this](QPoint step) { movePart(m_picture.from() + step); });
    connect(picBMP, &PictureBox::menuOpening, this, &FrmConverter::extendPreviewMenu);
    connect(picBMP, &PictureBox::windowColourChanged, this, &FrmConverter::showCursorNow);
    connect(m_note, &MakeNote::actionChosen, this, [this] { setFitWhole(!m_picture.fit()); });

    cmdLoadBMP->setToolTip(tr("Choose a picture (Ctrl+O)"));
    cmdMakeCUR->setToolTip(tr("Write the cursor beside the picture (Ctrl+S)"));
    picBMP->setToolTip(tr("Click a pixel to make it the hot spot, right-click to use its colour, rest the pointer "
                          "here to see the cursor"));
    picBG->setToolTip(tr("Click to choose the colour that becomes transparent"));
    picInvert->setToolTip(tr("Click to choose the colour that inverts the screen"));
    txtX->setToolTip(tr("The hot spot's column, 0 to 31 from the left"));
    txtY->setToolTip(tr("The hot spot's row, 0 to 31 from the top"));
}

void FrmConverter::markHotSpot()
{
    // The mark shows what Make CUR would read from the fields now.
    const auto read = [](const QLineEdit *field) -> std::optional<int> {
        const HotSpotValue value = parseHotSpot(field->text());
        return value.status == HotSpotStatus::Ok ? std::optional<int>(value.value) : std::nullopt;
    };
    picBMP->setHotSpot(read(txtX), read(txtY));
}

void FrmConverter::setHotSpotFields(QPoint pixel)
{
    // Each field's change refreshes the mark and the looks.
    txtX->setText(QString::number(pixel.x()));
    txtY->setText(QString::number(pixel.y()));
}

void FrmConverter::setSwatchColour(PictureBox *swatch, const QColor &colour)
{
    swatch->setBackColour(colour);
    showCursorNow();
}

} // namespace pixelwick
