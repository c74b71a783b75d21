#!/bin/sh
# SPDX-License-Identifier: MIT
# Makes or removes the Wine prefix the cursor comparisons run in, so that
# they never touch the user's own ~/.wine.
#   wine_prefix.sh init PREFIX     a new prefix (an older one is removed first)
#   wine_prefix.sh remove PREFIX   stops its wineserver and removes it
# WINE names the wine program (default: wine); wineserver is found beside
# it or on the PATH.
set -eu
if [ $# -ne 2 ] || { [ "$1" != init ] && [ "$1" != remove ]; }; then
    echo "usage: wine_prefix.sh init|remove PREFIX" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
case $2 in
/*) prefix=$2 ;;
*) prefix=$(pwd)/$2 ;;
esac
wine=${WINE:-wine}
wineserver=$(dirname "$(command -v "$wine")")/wineserver
[ -x "$wineserver" ] || wineserver=wineserver
export WINEPREFIX="$prefix"

if [ -d "$prefix" ]; then
    (
        . "$here/wine_environment.sh"
        "$wineserver" -k 2>/dev/null || true
    )
    rm -rf "$prefix"
fi
[ "$1" = remove ] && exit 0
mkdir -p "$prefix"
. "$here/wine_environment.sh"
start=$(date +%s)
# wineserver -w keeps the X server up until every process of the new prefix
# has ended, so none of them loses its display halfway.
# shellcheck disable=SC2016 # expanded by the inner shell
xvfb-run -a sh -c '"$1" wineboot --init && "$2" -w' sh "$wine" "$wineserver"
if [ ! -f "$prefix/system.reg" ]; then
    echo "wine_prefix.sh: wineboot made no prefix in $prefix" >&2
    exit 1
fi
echo "made the Wine prefix $prefix in $(($(date +%s) - start)) s"
