// SPDX-License-Identifier: MIT
// Use on this desktop: a pointer theme for this user made of the cursor,
// for X11 and Wayland desktops, which load pointers from themes.
#include "main_window.h"

#include "pointer_theme.h"
#include "xcursor_file.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace pixelwick {

namespace {

// What the theme is called unless the user says otherwise.
const char kDefaultThemeName[] = "Pixelwick";
// The pointer sizes desktops ask for, at 100 % to 200 %.
constexpr int kThemeSizes[] = {24, 32, 48, 64};

} // namespace

void FrmConverter::useOnDesktop()
{
    guarded([this] {
        HotSpot hotSpot;
        for (auto [field, axis, value] : {std::tuple{txtX, 'x', &hotSpot.x}, std::tuple{txtY, 'y', &hotSpot.y}}) {
            if (const MakeCursorResult bad = readHotSpotField(field->text(), axis, *value); !bad.ok()) {
                showFailure(errorKindName(bad.error), bad.message);
                return;
            }
        }
        const QString folder = userThemesFolder();
        bool accepted = false;
        const QString name =
            askText(tr("Use on this desktop"),
                    tr("The cursor becomes the pointer of a theme of your own in %1. The theme's name:")
                        .arg(QDir::toNativeSeparators(folder)),
                    m_themeName.isEmpty() ? QString::fromLatin1(kDefaultThemeName) : m_themeName, accepted);
        if (!accepted)
            return;
        if (const QString problem = themeNameProblem(name); !problem.isEmpty()) {
            showFailure(tr("Not a theme name"), tr("“%1” cannot name a theme: %2.").arg(name, problem));
            return;
        }
        m_themeName = name;

        // Every size of the picture, where the cursor is all of it; a part
        // of a larger picture only as it is shown.
        const LoadedPicture &shown = m_picture.loaded();
        const bool whole = m_picture.fit() || shown.size == QSize(kCursorSize, kCursorSize);
        const KeyColours keys = keyColours();
        XcursorFrame frame;
        for (const int size : whole ? QList<int>(std::begin(kThemeSizes), std::end(kThemeSizes)) : QList<int>{32}) {
            const HotSpot spot = size == kCursorSize ? hotSpot : scaledHotSpot(hotSpot, size);
            if (spot.x < 0 || spot.y < 0 || spot.x >= size || spot.y >= size) {
                showFailure(tr("Hot spot outside the cursor"),
                            tr("The hot spot %1, %2 lies outside the cursor; a desktop's pointer needs its hot "
                               "spot within it.")
                                .arg(hotSpot.x)
                                .arg(hotSpot.y));
                return;
            }
            LookGrid looks = cursorLooks();
            if (size != kCursorSize) {
                CursorMaking making = m_picture.making(keys, windowColour(), size);
                making.fit = true;
                const std::optional<LoadedPicture> read = readAgain(regionFor(making));
                if (!read)
                    return;
                looks = cursorLooksOf(*read, making);
            }
            frame.images.append(xcursorImage(looks, spot, InvertedAs::Outline));
        }

        // Named after a role, the picture is that pointer; else the arrow,
        // the pointer seen most.
        const QString base = QFileInfo(m_shownPicture).completeBaseName();
        const std::optional<PointerRole> role = roleNamed(base);
        ThemePointer pointer = pointerNamed(base, role ? *role : PointerRole::Arrow);
        pointer.xcursor = xcursorFileBytes({frame});
        PointerTheme theme{name, inheritedTheme(folder, name), {pointer}};
        m_note->clearNote();
        const Placed placed = placeTheme(folder, theme, {&m_shownFile});
        if (!placed.ok()) {
            const QString why = placed.outcome == Placed::Outcome::ReplacesPicture
                                    ? describe(Reason::IsAPicture, placed.picture)
                                    : placed.reason;
            showFailure(
                tr("Cannot write the theme"),
                tr("The theme %1 cannot be written: %2.").arg(QDir::toNativeSeparators(folder + u'/' + name), why));
            return;
        }
        // The home folder as "~", so that the note keeps to a few lines.
        QString shownFolder = QDir::toNativeSeparators(folder);
        if (const QString home = QDir::toNativeSeparators(QDir::homePath());
            shownFolder.startsWith(home + QDir::separator()))
            shownFolder.replace(0, home.size(), u'~');
        m_note->saySentences(
            tr("Wrote the pointer theme %1 in %2. Choose it in GNOME Tweaks or in KDE's System Settings.")
                .arg(name, shownFolder));
    });
}

} // namespace pixelwick
