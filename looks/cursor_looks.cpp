// SPDX-License-Identifier: MIT
#include "cursor_looks.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace pixelwick {

namespace {

constexpr int kMargin = 14;
constexpr int kPanelGap = 18;
constexpr int kCaptionGap = 4;
// A 32 x 32 cursor gets 6-pixel cells and a 1-pixel grid.
constexpr int kPanelTarget = 224;
constexpr int kLargestPitch = 13;
constexpr int kUngriddedTarget = 256;

constexpr QRgb kPage = qRgb(240, 240, 240);
constexpr QRgb kText = qRgb(25, 25, 25);
constexpr QRgb kGridGrey = qRgb(128, 128, 128);
// Two mid tones whose inverses are plainly other colours (blue, salmon),
// unlike a mid grey, which inverting hardly changes.
constexpr QRgb kStripeA = qRgb(200, 170, 70);
constexpr QRgb kStripeB = qRgb(64, 150, 160);
constexpr int kStripeWidth = 4;
// Dark outline, red core: one of the two shows on any background.
constexpr QRgb kMarkOutline = qRgb(0, 0, 0);
constexpr QRgb kMarkCore = qRgb(235, 20, 20);
// The pointers at the hot spot's row and column, outside the panel.
constexpr int kPointerLength = 7;

constexpr int kRows = 2;
constexpr int kColumns = 3;

int rowIndex(LooksRow row)
{
    return row == LooksRow::Windows ? 0 : 1;
}

int columnIndex(LooksBackground background)
{
    switch (background) {
    case LooksBackground::White: return 0;
    case LooksBackground::Black: return 1;
    case LooksBackground::Stripes: return 2;
    }
    return 0;
}

constexpr LooksRow kRowOrder[kRows] = {LooksRow::Windows, LooksRow::BrowsersAndLinux};
constexpr LooksBackground kColumnOrder[kColumns] = {LooksBackground::White, LooksBackground::Black,
                                                    LooksBackground::Stripes};

QString rowCaption(LooksRow row)
{
    return row == LooksRow::Windows ? QCoreApplication::translate("CursorLooks", "As Windows draws it")
                                    : QCoreApplication::translate("CursorLooks", "As browsers and Linux draw it");
}

QString backgroundCaption(LooksBackground background)
{
    switch (background) {
    case LooksBackground::White: return QCoreApplication::translate("CursorLooks", "On white");
    case LooksBackground::Black: return QCoreApplication::translate("CursorLooks", "On black");
    case LooksBackground::Stripes: return QCoreApplication::translate("CursorLooks", "On mid-tone stripes");
    }
    return {};
}

// The application's font, `scale` times as large, for text drawn in
// device pixels.
QFont captionFont(qreal scale)
{
    QFont font = QGuiApplication::font();
    if (scale != 1) {
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * scale);
        else if (font.pixelSize() > 0)
            font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
    }
    return font;
}

QFont headingFont(qreal scale)
{
    QFont font = captionFont(scale);
    font.setBold(true);
    return font;
}

bool hotSpotInside(const CursorImage &cursor)
{
    return cursor.hotSpotX >= 0 && cursor.hotSpotY >= 0 && cursor.hotSpotX < cursor.width
           && cursor.hotSpotY < cursor.height;
}

bool marked(const CursorImage &cursor, const QString &noMarkReason)
{
    return noMarkReason.isEmpty() && hotSpotInside(cursor);
}

QRgb backgroundColour(LooksBackground background, int x, int y, int stripeWidth)
{
    switch (background) {
    case LooksBackground::White: return qRgb(255, 255, 255);
    case LooksBackground::Black: return qRgb(0, 0, 0);
    case LooksBackground::Stripes: return ((x + y) / stripeWidth) % 2 ? kStripeB : kStripeA;
    }
    return kPage;
}

// Halfway to mid grey: a grid line that shows on white, black and stripes alike.
QRgb gridColour(QRgb under)
{
    return qRgb((qRed(under) + qRed(kGridGrey)) / 2, (qGreen(under) + qGreen(kGridGrey)) / 2,
                (qBlue(under) + qBlue(kGridGrey)) / 2);
}

QRgb lookColour(Look look, LooksRow row, QRgb under)
{
    switch (look) {
    case Look::Black: return qRgb(0, 0, 0);
    case Look::White: return qRgb(255, 255, 255);
    case Look::Transparent: return under;
    case Look::Inverted: return row == LooksRow::Windows ? under ^ 0x00FFFFFFu : under;
    }
    return under;
}

void paintPanel(QImage &image, const LooksLayout &layout, const CursorImage &cursor, LooksRow row,
                LooksBackground background)
{
    const QRect panel = layout.panel(row, background);
    const int line = layout.gridLine;
    const int inside = qMax(1, cursor.width) * layout.pitch;
    const int insideHigh = qMax(1, cursor.height) * layout.pitch;
    const auto onLine = [&](int p, int extent) {
        // Grid lines start every pitch; without a grid only the frame is drawn.
        return layout.grid ? p % layout.pitch < line || p >= extent : p < line || p >= line + extent;
    };
    for (int py = 0; py < panel.height(); ++py) {
        auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(panel.top() + py)) + panel.left();
        const bool rowLine = onLine(py, insideHigh);
        for (int px = 0; px < panel.width(); ++px) {
            const QRgb under = backgroundColour(background, px, py, layout.stripeWidth);
            if (rowLine || onLine(px, inside)) {
                pixels[px] = gridColour(under);
                continue;
            }
            const int offset = layout.grid ? 0 : line;
            const Look look = cursor.lookAt((px - offset) / layout.pitch, (py - offset) / layout.pitch);
            pixels[px] = lookColour(look, row, under);
        }
    }
}

// The hot spot is shown without hiding a single cursor pixel: pointers
// outside the panel at its column and row, and, where there is a grid, the
// grid lines around its pixel in red. A thin cursor (an I-beam) stays whole.
void paintMark(QPainter &painter, const LooksLayout &layout, const CursorImage &cursor, LooksRow row,
               LooksBackground background)
{
    const QRect panel = layout.panel(row, background);
    const QRect cell = layout.cell(row, background, cursor.hotSpotX, cursor.hotSpotY);
    if (layout.grid) {
        const int line = layout.gridLine;
        // The grid lines along the hot spot's column and row, across the
        // panel, half red; those around its pixel all red.
        const QColor guide(qRed(kMarkCore), qGreen(kMarkCore), qBlue(kMarkCore), 110);
        const QRect inside = panel.adjusted(line, line, -line, -line);
        for (const QRect &across : {QRect(cell.left() - line, inside.top(), line, inside.height()),
                                    QRect(cell.right() + 1, inside.top(), line, inside.height()),
                                    QRect(inside.left(), cell.top() - line, inside.width(), line),
                                    QRect(inside.left(), cell.bottom() + 1, inside.width(), line)})
            painter.fillRect(across, guide);
        const QRect around = cell.adjusted(-line, -line, line, line);
        for (const QRect &side : {QRect(around.topLeft(), QSize(around.width(), line)),
                                  QRect(QPoint(around.left(), cell.bottom() + 1), QSize(around.width(), line)),
                                  QRect(around.topLeft(), QSize(line, around.height())),
                                  QRect(QPoint(cell.right() + 1, around.top()), QSize(line, around.height()))})
            painter.fillRect(side, QColor(kMarkCore));
    }
    // Each pointer's tip sits a pixel off the panel's edge, at the middle
    // of the hot spot's column or row.
    const QPointF middle = QRectF(cell).center();
    const qreal length = layout.markLength;
    const qreal half = length * 0.6;
    const qreal gap = 1 + layout.markOutline / 2;
    const QPointF tips[4] = {{middle.x(), panel.top() - gap},
                             {middle.x(), panel.bottom() + 1 + gap},
                             {panel.left() - gap, middle.y()},
                             {panel.right() + 1 + gap, middle.y()}};
    const QPointF outwards[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(kMarkOutline), layout.markOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(kMarkCore));
    for (int i = 0; i < 4; ++i) {
        const QPointF base = tips[i] + outwards[i] * length;
        const QPointF across(outwards[i].y(), outwards[i].x());
        painter.drawPolygon(QPolygonF{tips[i], base + across * half, base - across * half});
    }
    painter.restore();
}

} // namespace

QRect LooksLayout::panel(LooksRow row, LooksBackground background) const
{
    return panels[std::size_t(rowIndex(row))][std::size_t(columnIndex(background))];
}

QRect LooksLayout::cell(LooksRow row, LooksBackground background, int x, int y) const
{
    const QRect p = panel(row, background);
    return QRect(p.left() + gridLine + x * pitch, p.top() + gridLine + y * pitch, cellSize, cellSize);
}

LooksLayout looksLayout(const CursorImage &cursor, const QString &noMarkReason, int largestPitch, qreal scale)
{
    scale = qMax<qreal>(scale, 1);
    const auto scaled = [scale](qreal length) { return qMax(1, int(std::lround(length * scale))); };
    LooksLayout layout;
    layout.scale = scale;
    const int side = std::max({cursor.width, cursor.height, 1});
    layout.pitch = scaled(kPanelTarget) / side;
    layout.grid = layout.pitch >= 3;
    if (layout.grid) {
        layout.pitch = std::min(layout.pitch, scaled(kLargestPitch));
    } else {
        // Too small for a grid to leave anything of the cells.
        layout.pitch = std::max(1, scaled(kUngriddedTarget) / side);
    }
    if (largestPitch > 0 && layout.pitch > largestPitch) {
        layout.pitch = largestPitch;
        layout.grid = layout.grid && layout.pitch >= 3;
    }
    // As thick as the screen's scale makes a line, where the cells keep
    // most of their room.
    layout.gridLine = std::clamp(layout.pitch / 6, 1, qMax(1, int(scale)));
    layout.cellSize = layout.grid ? layout.pitch - layout.gridLine : layout.pitch;
    layout.stripeWidth = scaled(kStripeWidth);
    layout.markLength = scaled(kPointerLength);
    layout.markOutline = scale;
    layout.markReach = layout.markLength + 1 + int(std::ceil(scale));
    // Room around each panel for its pointers, so that a hot spot on the
    // edge, as an arrow's usually is, is marked as plainly as any other.
    const int margin = std::max(scaled(kMargin), layout.markReach + 2);
    const int columnGap = std::max(scaled(kPanelGap), 2 * layout.markReach + 2);
    const int captionGap = std::max(scaled(kCaptionGap), layout.markReach + 2);
    const int rowGap = std::max(scaled(kPanelGap), layout.markReach + scaled(6));
    const int frame = layout.grid ? layout.gridLine : 2 * layout.gridLine;
    const QSize panelSize(cursor.width * layout.pitch + frame, cursor.height * layout.pitch + frame);

    // Measured on an image, as the text is drawn on one.
    const QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics captionMetrics(captionFont(scale), &probe);
    const QFontMetrics headingMetrics(headingFont(scale), &probe);

    // Each column as wide as its panel, a caption too long for that
    // wrapped, so that small looks take little room.
    int columnWidth = panelSize.width();
    for (LooksBackground background : kColumnOrder) {
        for (const QString &word : backgroundCaption(background).split(u' '))
            columnWidth = std::max(columnWidth, captionMetrics.horizontalAdvance(word));
    }
    int captionHeight = captionMetrics.height();
    for (LooksBackground background : kColumnOrder)
        captionHeight = std::max(captionHeight,
                                 captionMetrics
                                     .boundingRect(QRect(0, 0, columnWidth, 100000),
                                                   Qt::TextWordWrap | Qt::AlignHCenter, backgroundCaption(background))
                                     .height());
    int contentWidth = kColumns * columnWidth + (kColumns - 1) * columnGap;
    for (LooksRow row : kRowOrder)
        contentWidth = std::max(contentWidth, headingMetrics.horizontalAdvance(rowCaption(row)));

    int y = margin;
    const QRect summaryBounds = captionMetrics.boundingRect(QRect(0, 0, contentWidth, 100000), Qt::TextWordWrap,
                                                            looksSummary(cursor, noMarkReason));
    layout.summary = QRect(margin, y, contentWidth, summaryBounds.height());
    y += layout.summary.height() + scaled(kPanelGap);

    for (int r = 0; r < kRows; ++r) {
        layout.rowCaptions[std::size_t(r)] = QRect(margin, y, contentWidth, headingMetrics.height());
        y += headingMetrics.height() + scaled(kCaptionGap);
        for (int c = 0; c < kColumns; ++c) {
            const int left = margin + c * (columnWidth + columnGap);
            layout.backgroundCaptions[std::size_t(r)][std::size_t(c)] = QRect(left, y, columnWidth, captionHeight);
            layout.panels[std::size_t(r)][std::size_t(c)] =
                QRect(QPoint(left + (columnWidth - panelSize.width()) / 2, y + captionHeight + captionGap), panelSize);
        }
        y += captionHeight + captionGap + panelSize.height() + rowGap;
    }
    layout.imageSize = QSize(contentWidth + 2 * margin, y - rowGap + margin);
    return layout;
}

QImage renderLooks(const CursorImage &cursor, const QString &noMarkReason, int largestPitch, qreal scale)
{
    const LooksLayout layout = looksLayout(cursor, noMarkReason, largestPitch, scale);
    QImage image(layout.imageSize, QImage::Format_RGB32);
    if (image.isNull())
        return image; // too large to hold
    image.fill(kPage);
    for (LooksRow row : kRowOrder) {
        for (LooksBackground background : kColumnOrder)
            paintPanel(image, layout, cursor, row, background);
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(kText));
    painter.setFont(captionFont(layout.scale));
    painter.drawText(layout.summary, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                     looksSummary(cursor, noMarkReason));
    for (int r = 0; r < kRows; ++r) {
        painter.setFont(headingFont(layout.scale));
        painter.drawText(layout.rowCaptions[std::size_t(r)], Qt::AlignLeft | Qt::AlignVCenter,
                         rowCaption(kRowOrder[r]));
        painter.setFont(captionFont(layout.scale));
        for (int c = 0; c < kColumns; ++c)
            painter.drawText(layout.backgroundCaptions[std::size_t(r)][std::size_t(c)],
                             Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap,
                             backgroundCaption(kColumnOrder[c]));
    }
    if (marked(cursor, noMarkReason)) {
        for (LooksRow row : kRowOrder) {
            for (LooksBackground background : kColumnOrder)
                paintMark(painter, layout, cursor, row, background);
        }
    }
    painter.end();
    return image;
}

QString looksSummary(const CursorImage &cursor, const QString &noMarkReason)
{
    QString size;
    if (!noMarkReason.isEmpty())
        size = QCoreApplication::translate("CursorLooks", "%1 × %2 cursor; hot spot not marked: %3")
                   .arg(cursor.width)
                   .arg(cursor.height)
                   .arg(noMarkReason);
    else if (!hotSpotInside(cursor))
        size = QCoreApplication::translate(
                   "CursorLooks", "%1 × %2 cursor, hot spot %3, %4, which lies outside the cursor and is not marked.")
                   .arg(cursor.width)
                   .arg(cursor.height)
                   .arg(cursor.hotSpotX)
                   .arg(cursor.hotSpotY);
    else
        size = QCoreApplication::translate("CursorLooks", "%1 × %2 cursor, hot spot %3, %4.")
                   .arg(cursor.width)
                   .arg(cursor.height)
                   .arg(cursor.hotSpotX)
                   .arg(cursor.hotSpotY);

    const int inverted = cursor.count(Look::Inverted);
    if (inverted == 0)
        return size;
    const QString invertedText = QCoreApplication::translate(
        "CursorLooks",
        "%n inverted pixel(s): they invert the screen only on Windows; browsers and Linux show them transparent.",
        nullptr, inverted);
    return QCoreApplication::translate("CursorLooks", "%1 %2", "the size sentence, then the inverted pixels' sentence")
        .arg(size, invertedText);
}

QString looksAsText(const CursorImage &cursor, const QString &name)
{
    // Read by scripts, so never translated; the name goes in first, whole,
    // so that a "%1" in it stays as it is.
    QString text = name + QStringLiteral(": %1 x %2 ").arg(cursor.width).arg(cursor.height);
    text += cursor.hasHotSpot ? QStringLiteral("cursor, hot spot %1, %2").arg(cursor.hotSpotX).arg(cursor.hotSpotY)
                              : QStringLiteral("icon, no hot spot");
    if (cursor.nominalSize > 0)
        text += QStringLiteral(", nominal size %1").arg(cursor.nominalSize);
    if (cursor.images > 1)
        text += QStringLiteral(", image %1 of %2").arg(cursor.image).arg(cursor.images);
    if (cursor.colourDepth > 0)
        text += QStringLiteral(", %1-bit colour").arg(cursor.colourDepth);
    if (cursor.png)
        text += QStringLiteral(", PNG");
    if (cursor.frames > 0)
        text += QStringLiteral(", frame %1 of %2").arg(cursor.frame).arg(cursor.frames);
    if (cursor.frames > 0 && cursor.jiffies > 0)
        text += QStringLiteral(", %1/60 s").arg(cursor.jiffies);
    if (cursor.frames > 0 && cursor.delayMilliseconds > 0)
        text += QStringLiteral(", %1 ms").arg(cursor.delayMilliseconds);
    text += u'\n';
    text.reserve(text.size() + qsizetype(cursor.width + 1) * cursor.height);
    for (int y = 0; y < cursor.height; ++y) {
        for (int x = 0; x < cursor.width; ++x) {
            switch (cursor.lookAt(x, y)) {
            case Look::Black: text += u'#'; break;
            case Look::White: text += u'O'; break;
            case Look::Transparent: text += u'.'; break;
            case Look::Inverted: text += u'~'; break;
            }
        }
        text += u'\n';
    }
    return text;
}

} // namespace pixelwick
