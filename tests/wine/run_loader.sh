#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the Win32 cursor loader under Wine on a virtual X display:
#   run_loader.sh [--icon] [--default-size] FILE SIZE [BACKGROUND_RGB_HEX]
# WINEPREFIX must name a prefix made by wine_prefix.sh. CURSOR_LOADER and
# WINE name the loader and wine (defaults: a build in build/, and wine).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
loader=${CURSOR_LOADER:-$(cd "$here/../.." && pwd)/build/tests/wine/cursor_loader.exe}
if [ -z "${WINEPREFIX:-}" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "run_loader.sh: WINEPREFIX must name a prefix made by wine_prefix.sh init" >&2
    exit 2
fi
. "$here/wine_environment.sh"
exec xvfb-run -a "${WINE:-wine}" "$loader" "$@"
