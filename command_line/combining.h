// SPDX-License-Identifier: MIT
#pragma once

#include "options.h"

namespace pixelwick {

// --combine: one cursor file of every picture, one image each at its own
// size, smallest first, written whole or not at all. Every picture is read
// and checked before anything is written. Says what failed.
bool combine(const Options &options);

} // namespace pixelwick
