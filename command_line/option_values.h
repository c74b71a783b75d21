// SPDX-License-Identifier: MIT
#pragma once

#include "hot_spot.h"
#include "mask_encoder.h"
#include "pointer_roles.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <optional>
#include <utility>

namespace pixelwick {

// Each reads one option's text into what it stands for; empty when it can,
// else why not, in words for the user.

// A hot-spot coordinate ('x' or 'y'), read as Make CUR reads its fields.
QString hotSpotProblem(const QString &text, char axis, std::int16_t &value);

// A side a cursor may have.
QString sizeProblem(const QString &text, int &size);

// "24,32,48": sides a cursor may have, each once, into `sizes` smallest first.
QString sizesProblem(const QString &text, QList<int> &sizes);

// "N:X,Y": the hot spot of the image N pixels wide.
QString hotSpotForProblem(const QString &text, std::pair<int, HotSpot> &spot);

enum class KeyColour { Background, Invert };

// "#RRGGBB" or a colour name, opaque.
QString colourProblem(const QString &text, KeyColour which, ColourValue &value);

// "X,Y": a pixel of a picture, from its top-left corner.
QString fromProblem(const QString &text, QPoint &from);

// How far a colour's channels may each lie from a key colour's: 0 to 255.
QString toleranceProblem(const QString &text, int &tolerance);

// A frame's time in 1/60 s: a whole number from 1 to `most`.
QString rateProblem(const QString &text, int most, int &jiffies);

// A pointer role, by any of its Windows or X names.
QString roleProblem(const QString &text, std::optional<PointerRole> &role);

// "ROLE:X,Y": the hot spot of one role's 32 x 32 image.
QString roleHotSpotProblem(const QString &text, std::pair<PointerRole, HotSpot> &spot);

} // namespace pixelwick
