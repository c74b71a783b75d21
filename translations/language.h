// SPDX-License-Identifier: MIT
#pragma once

namespace pixelwick {

// Installs Qt's own translations and Pixelwick's for the user's language,
// so that dialogs, messages and help speak it. Call once the application
// object exists.
void installTranslations();

} // namespace pixelwick
