// SPDX-License-Identifier: MIT
#pragma once

#include "options.h"

namespace pixelwick {

// --scheme NAME: a cursor for each role the pictures make, and the
// install.inf that installs them as a Windows scheme, in the folder NAME of
// the folder -o names, which is written whole or not at all. Every picture
// is read before anything is written. Says what failed.
bool writeScheme(const Options &options);

} // namespace pixelwick
