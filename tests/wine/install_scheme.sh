#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs a pointer scheme the way Windows does when its install.inf is
# right-clicked and installed, under Wine on a virtual X display, then
# prints what the registry holds of the Mouse settings' pointers:
#   install_scheme.sh FOLDER
# FOLDER holds the install.inf and the scheme's files. WINEPREFIX must name
# a prefix made by wine_prefix.sh; WINE names wine (default: wine).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ne 1 ] || [ ! -f "$1/install.inf" ]; then
    echo "usage: install_scheme.sh FOLDER (which holds install.inf)" >&2
    exit 2
fi
if [ -z "${WINEPREFIX:-}" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "install_scheme.sh: WINEPREFIX must name a prefix made by wine_prefix.sh init" >&2
    exit 2
fi
wine=${WINE:-wine}
wineserver=$(dirname "$(command -v "$wine")")/wineserver
[ -x "$wineserver" ] || wineserver=wineserver
. "$here/wine_environment.sh"
# Named from its own folder: Wine's setup library would take the quotes a
# path with spaces is given in as part of the name.
cd "$1"
xvfb-run -a "$wine" rundll32 setupapi.dll,InstallHinfSection DefaultInstall 132 '.\install.inf'
"$wineserver" -w
"$wine" reg query 'HKCU\Control Panel\Cursors\Schemes'
"$wine" reg query 'HKCU\Control Panel\Cursors'
