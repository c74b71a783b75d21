// SPDX-License-Identifier: MIT
#include "pointer_roles.h"

#include <QString>

namespace pixelwick {
namespace {

using Names = std::string_view;

constexpr Names kArrow[] = {"arrow"};
constexpr Names kArrowX[] = {"default", "arrow", "top_left_arrow", "left_arrow"};
constexpr Names kHelp[] = {"help"};
constexpr Names kHelpX[] = {"help", "whats_this", "left_ptr_help"};
constexpr Names kAppStarting[] = {"appstarting", "working"};
constexpr Names kAppStartingX[] = {"progress", "half-busy"};
constexpr Names kWait[] = {"wait", "busy"};
constexpr Names kWaitX[] = {"wait"};
constexpr Names kCrosshair[] = {"crosshair", "precision"};
constexpr Names kCrosshairX[] = {"cross", "tcross"};
constexpr Names kIBeam[] = {"ibeam", "text"};
constexpr Names kIBeamX[] = {"text", "ibeam"};
constexpr Names kNWPen[] = {"nwpen", "handwriting"};
constexpr Names kNWPenX[] = {"draft"};
constexpr Names kNo[] = {"no", "unavailable"};
constexpr Names kNoX[] = {"not-allowed", "circle", "forbidden"};
constexpr Names kSizeNS[] = {"sizens"};
constexpr Names kSizeNSX[] = {"ns-resize", "row-resize", "size_ver", "v_double_arrow",
                              "n-resize",  "s-resize",   "top_side", "bottom_side"};
constexpr Names kSizeWE[] = {"sizewe"};
constexpr Names kSizeWEX[] = {"ew-resize", "col-resize", "size_hor",  "h_double_arrow",
                              "e-resize",  "w-resize",   "left_side", "right_side"};
constexpr Names kSizeNWSE[] = {"sizenwse"};
constexpr Names kSizeNWSEX[] = {"nwse-resize", "size_fdiag",      "nw-resize",
                                "se-resize",   "top_left_corner", "bottom_right_corner"};
constexpr Names kSizeNESW[] = {"sizenesw"};
constexpr Names kSizeNESWX[] = {"nesw-resize", "size_bdiag",       "ne-resize",
                                "sw-resize",   "top_right_corner", "bottom_left_corner"};
constexpr Names kSizeAll[] = {"sizeall", "move"};
constexpr Names kSizeAllX[] = {"move", "all-scroll", "size_all"};
constexpr Names kUpArrow[] = {"uparrow", "alternate"};
constexpr Names kUpArrowX[] = {"up_arrow", "center_ptr"};
constexpr Names kHand[] = {"hand", "link"};
constexpr Names kHandX[] = {"pointer", "hand1", "pointing_hand", "hand"};
constexpr Names kPin[] = {"pin", "location"};
constexpr Names kPinX[] = {"location"};
constexpr Names kPerson[] = {"person"};
constexpr Names kPersonX[] = {"person"};

// X has no names of its own for the newer roles; their theme files take the
// Windows name. Resizing by one edge or corner takes the double arrow of
// its direction, as Windows has no pointer of its own for it.
constexpr std::array<PointerRoleNames, kPointerRoleCount> kRoles{{
    {PointerRole::Arrow, "Arrow", kArrow, "left_ptr", kArrowX},
    {PointerRole::Help, "Help", kHelp, "question_arrow", kHelpX},
    {PointerRole::AppStarting, "AppStarting", kAppStarting, "left_ptr_watch", kAppStartingX},
    {PointerRole::Wait, "Wait", kWait, "watch", kWaitX},
    {PointerRole::Crosshair, "Crosshair", kCrosshair, "crosshair", kCrosshairX},
    {PointerRole::IBeam, "IBeam", kIBeam, "xterm", kIBeamX},
    {PointerRole::NWPen, "NWPen", kNWPen, "pencil", kNWPenX},
    {PointerRole::No, "No", kNo, "crossed_circle", kNoX},
    {PointerRole::SizeNS, "SizeNS", kSizeNS, "sb_v_double_arrow", kSizeNSX},
    {PointerRole::SizeWE, "SizeWE", kSizeWE, "sb_h_double_arrow", kSizeWEX},
    {PointerRole::SizeNWSE, "SizeNWSE", kSizeNWSE, "bd_double_arrow", kSizeNWSEX},
    {PointerRole::SizeNESW, "SizeNESW", kSizeNESW, "fd_double_arrow", kSizeNESWX},
    {PointerRole::SizeAll, "SizeAll", kSizeAll, "fleur", kSizeAllX},
    {PointerRole::UpArrow, "UpArrow", kUpArrow, "sb_up_arrow", kUpArrowX},
    {PointerRole::Hand, "Hand", kHand, "hand2", kHandX},
    {PointerRole::Pin, "Pin", kPin, "pin", kPinX},
    {PointerRole::Person, "Person", kPerson, "person", kPersonX},
}};

bool sameName(QStringView name, std::string_view known)
{
    return name.compare(QLatin1StringView(known.data(), qsizetype(known.size())), Qt::CaseInsensitive) == 0;
}

} // namespace

std::span<const PointerRoleNames> pointerRoles()
{
    return kRoles;
}

const PointerRoleNames &roleNames(PointerRole role)
{
    return kRoles[std::size_t(role)];
}

std::optional<PointerRole> roleNamed(QStringView name)
{
    for (const PointerRoleNames &names : kRoles) {
        if (sameName(name, names.xName))
            return names.role;
        for (std::string_view known : names.windowsNames)
            if (sameName(name, known))
                return names.role;
        for (std::string_view known : names.xAliases)
            if (sameName(name, known))
                return names.role;
    }
    return std::nullopt;
}

} // namespace pixelwick
