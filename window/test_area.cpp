// SPDX-License-Identifier: MIT
#include "test_area.h"

#include "pointer_images.h"
#include "try_surface.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace pixelwick {

namespace {

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // As wide as the surface above it, never wider.
    label->setFixedWidth(TrySurface::kBandWidth * TrySurface::kBands);
    return label;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// How the chooser names one image: its size, its frame when animated, and
// its place in the file where another would be named alike.
QStringList imageNames(const QList<CursorImage> &images)
{
    QStringList names;
    for (const CursorImage &image : images) {
        const QString size = TestArea::tr("%1 × %2").arg(image.width).arg(image.height);
        names << (image.frames > 0 ? TestArea::tr("Frame %1 of %2, %3").arg(image.frame).arg(image.frames).arg(size)
                                   : size);
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names.count(names[i]) > 1)
            names[i] = TestArea::tr("%1, image %2").arg(names[i]).arg(images[i].image);
    return names;
}

} // namespace

TestArea::TestArea(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("testArea"));
    setWindowTitle(tr("Try the cursor"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("trySummary"));
    m_summary->setWordWrap(true);
    m_sizes = new QComboBox(this);
    m_sizes->setObjectName(QStringLiteral("trySizes"));
    m_sizes->setAccessibleName(tr("Image to try"));
    m_sizeLabel = new QLabel(tr("Size:"), this);
    m_sizeLabel->setBuddy(m_sizes);
    m_desktop = new TrySurface(TrySurface::Drawing::ByDesktop, this);
    m_desktop->setObjectName(QStringLiteral("tryDesktop"));
    m_windows = new TrySurface(TrySurface::Drawing::AsWindows, this);
    m_windows->setObjectName(QStringLiteral("tryWindows"));

    auto *top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_sizeLabel);
    top->addWidget(m_sizes);
    m_content = new QWidget;
    auto *grid = new QGridLayout(m_content);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addLayout(top, 0, 0, 1, 2);
    grid->addWidget(caption(tr("As this desktop draws it"), this), 1, 0);
    grid->addWidget(caption(tr("As Windows draws it"), this), 1, 1);
    grid->addWidget(m_desktop, 2, 0);
    grid->addWidget(m_windows, 2, 1);
    grid->addWidget(wrapped(tr("The real pointer. X cannot invert the screen, so an inverting pixel is black here, "
                               "outlined in white where it meets transparent pixels."),
                            this),
                    3, 0);
    grid->addWidget(wrapped(tr("The pointer is hidden and the cursor drawn on what lies beneath as Windows draws "
                               "it: white, black, transparent, and inverting the screen."),
                            this),
                    3, 1);
    grid->addWidget(new QLabel(tr("Click to leave a mark where the hot spot lands. Escape closes."), this), 4, 0, 1, 2);
    // Until it is placed beside a window whose frame tells: a title bar and
    // thin edges.
    constexpr int kEdge = 4;
    m_decoration = QMargins(kEdge, style()->pixelMetric(QStyle::PM_TitleBarHeight) + kEdge, kEdge, kEdge);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    // The keys stay with the chooser of images; a small screen scrolls by the bars.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(m_content);
    auto *whole = new QHBoxLayout(this);
    whole->setContentsMargins(QMargins());
    whole->addWidget(m_scroll);

    connect(m_sizes, &QComboBox::currentIndexChanged, this, &TestArea::showChosen);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    showNothing({});
}

void TestArea::showCursors(const QList<CursorImage> &images, const QString &name, const QString &note)
{
    const int chosen = images.size() == m_images.size() ? m_sizes->currentIndex() : 0;
    m_images = images;
    m_name = name;
    m_note = note;
    const QSignalBlocker blocker(m_sizes);
    m_sizes->clear();
    m_sizes->addItems(imageNames(images));
    m_sizes->setCurrentIndex(qMax(chosen, 0));
    m_sizes->setVisible(images.size() > 1);
    m_sizeLabel->setVisible(images.size() > 1);
    showChosen();
}

void TestArea::showNothing(const QString &why)
{
    showCursors({}, {}, why);
}

QSize TestArea::fittedSize(const QRect &room) const
{
    m_content->layout()->activate();
    const QSize wanted = m_content->size();
    const QSize decoration(m_decoration.left() + m_decoration.right(), m_decoration.top() + m_decoration.bottom());
    const QSize inside = (room.size() - decoration).expandedTo(QSize(1, 1));
    QSize fitted = wanted.boundedTo(inside);
    // Room for the scroll bar across what does not fit the other way.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    if (fitted.width() < wanted.width())
        fitted.setHeight(std::min(fitted.height() + bar, inside.height()));
    if (fitted.height() < wanted.height())
        fitted.setWidth(std::min(fitted.width() + bar, inside.width()));
    return fitted;
}

QSize TestArea::sizeHint() const
{
    return screen() ? fittedSize(screen()->availableGeometry()) : m_content->size();
}

void TestArea::placeBeside(const QWidget *other)
{
    // This window's frame, taken to be as wide as the other's.
    const QRect frame = other->frameGeometry();
    const QRect inner = other->geometry();
    const QRect room = other->screen()->availableGeometry();
    // A frame of a fractional size at scale 2 is given a pixel short.
    m_decoration = QMargins(inner.left() - frame.left() + 1, inner.top() - frame.top() + 1,
                            frame.right() - inner.right() + 1, frame.bottom() - inner.bottom() + 1);
    resize(fittedSize(room));
    const QSize outer = size().grownBy(m_decoration);
    const auto within = [&](QPoint place) {
        return QPoint(std::max(room.left(), std::min(place.x(), room.right() + 1 - outer.width())),
                      std::max(room.top(), std::min(place.y(), room.bottom() + 1 - outer.height())));
    };
    // Where it covers least of the other window, the first such of these.
    QPoint best;
    qint64 leastCovered = -1;
    for (const QPoint &place :
         {QPoint(frame.left(), frame.bottom() + 1), QPoint(frame.right() + 1, frame.top()),
          QPoint(frame.left(), frame.top() - outer.height()), QPoint(frame.left() - outer.width(), frame.top())}) {
        const QRect covered = QRect(within(place), outer) & frame;
        const qint64 area = qint64(covered.width()) * covered.height();
        if (leastCovered < 0 || area < leastCovered) {
            best = within(place);
            leastCovered = area;
        }
    }
    // Placed by its own area, as a frame is not known before it is first shown.
    if (!windowHandle())
        create();
    windowHandle()->setPosition(best + QPoint(m_decoration.left(), m_decoration.top()));
}

void TestArea::showChosen()
{
    const int index = m_sizes->currentIndex();
    const std::optional<CursorImage> image =
        index >= 0 && index < m_images.size() ? std::optional(m_images[index]) : std::nullopt;
    m_desktop->setCursorImage(image);
    m_windows->setCursorImage(image);
    const QString summary = image ? summaryOf(*image) : m_note;
    const QSize before = m_content->size();
    m_summary->setText(!image || m_note.isEmpty() ? summary : summary + u' ' + m_note);
    m_content->layout()->activate();
    // The text may take more lines or fewer; a size the user chose stays otherwise.
    if (isVisible() && m_content->size() != before)
        resize(fittedSize(screen()->availableGeometry()));
}

QString TestArea::summaryOf(const CursorImage &image) const
{
    const QPoint tried = triedHotSpot(image);
    const QString size = tr("%1 × %2").arg(image.width).arg(image.height);
    if (!image.hasHotSpot)
        return tr("%1: %2, an icon, which has no hot spot: tried at its middle, %3, %4")
            .arg(m_name, size)
            .arg(tried.x())
            .arg(tried.y());
    if (tried != QPoint(image.hotSpotX, image.hotSpotY))
        return tr("%1: %2, its hot spot %3, %4 outside it: tried at %5, %6")
            .arg(m_name, size)
            .arg(image.hotSpotX)
            .arg(image.hotSpotY)
            .arg(tried.x())
            .arg(tried.y());
    return tr("%1: %2, hot spot %3, %4").arg(m_name, size).arg(tried.x()).arg(tried.y());
}

} // namespace pixelwick
