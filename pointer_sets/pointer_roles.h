// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace pixelwick {

// The roles of a pointer set, in the fixed order of a Windows scheme's
// value under HKCU\Control Panel\Cursors\Schemes.
enum class PointerRole {
    Arrow,
    Help,
    AppStarting,
    Wait,
    Crosshair,
    IBeam,
    NWPen,
    No,
    SizeNS,
    SizeWE,
    SizeNWSE,
    SizeNESW,
    SizeAll,
    UpArrow,
    Hand,
    Pin,
    Person,
};
inline constexpr int kPointerRoleCount = 17;

struct PointerRoleNames {
    PointerRole role;
    // As Windows names the role in a scheme and in the registry.
    std::string_view windowsRole;
    // Names a picture may carry to take the role: Windows' own, then the
    // words people use for it.
    std::span<const std::string_view> windowsNames;
    // The Xcursor theme file of the role, and the other names that desktops,
    // toolkits and CSS ask a theme for (linked to that file).
    std::string_view xName;
    std::span<const std::string_view> xAliases;
};

// Every role, in the order of PointerRole.
std::span<const PointerRoleNames> pointerRoles();
const PointerRoleNames &roleNames(PointerRole role);

// The role a name stands for: any Windows name, X name or alias of a role,
// ignoring case. None for any other name.
std::optional<PointerRole> roleNamed(QStringView name);

} // namespace pixelwick
