#!/bin/sh
# SPDX-License-Identifier: MIT
# Compares what Windows (Wine) draws of a cursor file with what
# `pixelwick-convert --show` says of it: the first line (size and hot spot)
# and every pixel row, exactly.
#   compare_with_show.sh CUR SIZE [BACKGROUND_RGB_HEX]
# SIZE is what the loader asks of LoadImage: a number of pixels, 0 for the
# file's own size, or "default" for the system's cursor size.
# When both agree, their text goes to standard output and the exit code is
# 0; otherwise both texts and their difference go to standard error and the
# exit code is 1 (2 for bad arguments or missing tools).
# Taken from the environment, with defaults for a build in build/:
#   PIXELWICK_CONVERT  the converter
#   CURSOR_LOADER      cursor_loader.exe
#   WINE               the wine program
#   WINEPREFIX         a prefix made by wine_prefix.sh; without one, a new
#                      prefix is made for this call and removed after it
#   SHOW_OPTIONS       more arguments for --show (none by default)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$here/../.." && pwd)/build
convert=${PIXELWICK_CONVERT:-$build/command_line/pixelwick-convert}
loader=${CURSOR_LOADER:-$build/tests/wine/cursor_loader.exe}
wine=${WINE:-wine}

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: compare_with_show.sh CUR SIZE [BACKGROUND_RGB_HEX]" >&2
    exit 2
fi
cursor=$1
size=$2
for tool in "$convert" "$loader"; do
    if [ ! -f "$tool" ]; then
        echo "compare_with_show.sh: $tool is missing; build first" >&2
        exit 2
    fi
done
for tool in "$wine" xvfb-run; do
    if ! command -v "$tool" >/dev/null; then
        echo "compare_with_show.sh: $tool is not installed" >&2
        exit 2
    fi
done

work=$(mktemp -d)
own_prefix=
cleanup() {
    [ -z "$own_prefix" ] || WINE="$wine" "$here/wine_prefix.sh" remove "$own_prefix" || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT PIPE TERM
if [ -z "${WINEPREFIX:-}" ]; then
    own_prefix=$work/prefix
    WINE="$wine" "$here/wine_prefix.sh" init "$own_prefix" >&2
    export WINEPREFIX="$own_prefix"
fi

if [ "$size" = default ]; then
    set -- --default-size "$cursor" 0 ${3:+"$3"}
else
    set -- "$cursor" "$size" ${3:+"$3"}
fi
# shellcheck disable=SC2086
"$convert" --show ${SHOW_OPTIONS:-} "$cursor" >"$work/show.txt" 2>"$work/show.err" || {
    echo "compare_with_show.sh: pixelwick-convert --show $cursor failed:" >&2
    cat "$work/show.err" >&2
    exit 1
}
# Wine writes its own notes (a lost X connection and the like) to standard
# error; only the loader's own lines are passed on.
if ! CURSOR_LOADER="$loader" WINE="$wine" "$here/run_loader.sh" "$@" >"$work/windows.txt" 2>"$work/windows.err"; then
    echo "compare_with_show.sh: the loader failed on $cursor:" >&2
    grep '^cursor_loader\|^usage' "$work/windows.err" >&2 || cat "$work/windows.err" >&2
    exit 1
fi
grep '^hot spot ' "$work/windows.err" | sed 's/^/Windows: /' >&2 || true
if ! [ -s "$work/windows.txt" ]; then
    echo "compare_with_show.sh: the loader printed nothing for $cursor" >&2
    exit 1
fi
if ! cmp -s "$work/show.txt" "$work/windows.txt"; then
    echo "--show says:" >&2
    cat "$work/show.txt" >&2
    echo "Windows draws:" >&2
    cat "$work/windows.txt" >&2
    diff "$work/show.txt" "$work/windows.txt" >&2 || true
    exit 1
fi
cat "$work/windows.txt"
