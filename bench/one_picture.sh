#!/bin/sh
# SPDX-License-Identifier: MIT
# Times one picture's conversion as whole processes: the Qt floor
# (pixelwick_floor), the floor with one process of its own started and
# ended (--fork, what a reader process cannot cost less than), and
# pixelwick-convert, alternately on the same 32 x 32 PNG, and prints them
# and their ratios to the floor.
#   bench/one_picture.sh [BUILD [PICTURE.png]]     RUNS=30 by default
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${RUNS:-30}
floor="$build/bench/pixelwick_floor"
convert="$build/command_line/pixelwick-convert"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy, so that the cursors land in the scratch folder, not beside the original.
if [ $# -ge 2 ]; then
    cp "$2" "$work/picture.png"
else
    "$build/bench/pixelwick_make_pictures" 1 "$work"
    mv "$work/picture0000.png" "$work/picture.png"
fi

# Both must make the same cursor, or the comparison says nothing.
"$floor" -o "$work/floor.cur" "$work/picture.png"
"$convert" -o "$work/convert.cur" "$work/picture.png"
if cmp -s "$work/floor.cur" "$work/convert.cur"; then
    echo "pixelwick_floor and pixelwick-convert write the same $(wc -c <"$work/convert.cur") bytes"
else
    echo "warning: pixelwick_floor and pixelwick-convert write different cursors for this picture" >&2
fi

echo "one picture, $runs runs each, alternating:"
python3 "$here/interleave.py" --runs "$runs" -- \
    pixelwick_floor "$floor" "$work/picture.png" ::: \
    floor+fork "$floor" --fork "$work/picture.png" ::: \
    pixelwick-convert "$convert" "$work/picture.png"
