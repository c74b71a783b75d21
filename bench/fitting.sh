#!/bin/sh
# SPDX-License-Identifier: MIT
# Times fitting whole pictures into cursors, side by side in one run: a
# 4096 x 4096 PNG made into the cursor of its top-left corner (decoded
# whole either way) and fitted whole (--fit); and a drawing (SVG) fitted
# at 32 x 32 and at four sizes (--sizes 24,32,48,64), drawn anew for each.
#   bench/fitting.sh [BUILD]     RUNS=20 by default
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${RUNS:-20}
convert="$build/command_line/pixelwick-convert"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/pixelwick_make_pictures" 1 "$work" 4096
mv "$work/picture0000.png" "$work/large.png"
# An arrow with a rounded shadow and a ring: curves, strokes and a gradient
# for the drawing's own reader.
cat >"$work/arrow.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <defs><linearGradient id="g"><stop offset="0" stop-color="#fff"/><stop offset="1" stop-color="#888"/></linearGradient></defs>
  <rect width="32" height="32" fill="#00ff00"/>
  <circle cx="22" cy="22" r="7" fill="none" stroke="#ff00ff" stroke-width="2.5"/>
  <path d="M3 3 L3 25 L9 19 L13 28 L17 26 L13 17 L21 17 Z" fill="url(#g)" stroke="#000" stroke-width="1.5"
        stroke-linejoin="round"/>
</svg>
SVG

# Each must make its cursor, or the times say nothing.
"$convert" --fit -o "$work/check.cur" "$work/large.png"
"$convert" --sizes 24,32,48,64 -o "$work/check.cur" "$work/arrow.svg"
[ "$(wc -c <"$work/check.cur")" -eq $((6 + 4 * 16 + 4 * 48 + 2 * (24 * 4 + 32 * 4 + 48 * 8 + 64 * 8))) ] || {
    echo "fitting.sh: --sizes made no cursor of four images" >&2
    exit 1
}

echo "fitting whole pictures, $runs runs each, alternating:"
python3 "$here/interleave.py" --runs "$runs" -- \
    corner-4096 "$convert" -o /dev/null "$work/large.png" ::: \
    fit-4096 "$convert" --fit -o /dev/null "$work/large.png" ::: \
    svg-fit-32 "$convert" --fit -o /dev/null "$work/arrow.svg" ::: \
    svg-sizes-4 "$convert" --sizes 24,32,48,64 -o /dev/null "$work/arrow.svg"
