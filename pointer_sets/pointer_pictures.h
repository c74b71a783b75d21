// SPDX-License-Identifier: MIT
#pragma once

#include "pointer_roles.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pixelwick {

// The pictures of one pointer: one picture, or the frames of an animation
// in the order they are shown. A picture may itself be an animation.
struct PointerPictures {
    std::optional<PointerRole> role; // none when the names say none
    QString name;                    // what the pictures are called, less any number: "wait"
    QStringList pictures;
};

struct PointerGrouping {
    QList<PointerPictures> pointers; // in the order of their first picture
    QString problem;                 // translated; empty when the pictures can be grouped
};

// Groups pictures into pointers by their names. A picture named after a
// role, by any of its Windows or X names ("arrow.png", "left_ptr.png",
// "busy.gif"), takes that role; one whose name ends in a number
// ("wait-1.png", "wait_2.png", "wait3.png") is a frame of the pointer its
// name less the number names, frames in the order of their numbers (10
// after 9). With `role`, every picture is a frame of that one role, in the
// order given. Two pictures of one role (or one frame number) are a
// problem, named, as is a role shown both by a lone picture and by frames.
PointerGrouping groupPointerPictures(const QStringList &pictures, std::optional<PointerRole> role = std::nullopt);

} // namespace pixelwick
