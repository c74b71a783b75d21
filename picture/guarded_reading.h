// SPDX-License-Identifier: MIT
#pragma once

#include "picture_loading.h"

#include <functional>

namespace pixelwick {

// Runs `read` in a child process that may take at most a few seconds of
// processor time, so that no picture, however it is made, can hang or crash
// the program: an image library that spins or faults takes only the child
// with it. What `read` returns comes back whole; only the top-left 32 x 32
// pixels of its image are kept, since nothing else is ever used. Where no
// child process can be started, `read` runs here instead.
LoadedPicture readGuarded(const std::function<LoadedPicture()> &read, const QString &shown,
                          const WhileReading &whileReading = {});

} // namespace pixelwick
