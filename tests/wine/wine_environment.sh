# SPDX-License-Identifier: MIT
# Sourced by the Wine scripts here, with WINEPREFIX set: what every Wine
# call of one prefix needs alike.
# shellcheck shell=sh
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs, and no menu entries in the user's home.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
# Debian's wineserver keeps its socket in a new folder under TMPDIR for each
# prefix and never removes it; inside the prefix it goes with it. Every call
# must name the same folder, or a second server would run for the prefix.
export TMPDIR="$WINEPREFIX/unix-tmp"
mkdir -p "$TMPDIR"
