#!/bin/sh
# SPDX-License-Identifier: MIT
# Times a batch of small distinct pictures, side by side in one run:
# one pixelwick-convert call on all of them, against icotool -c run once
# per picture in a shell loop and one sync. Every round writes fresh files.
#   bench/batch.sh [BUILD]     COUNT=1000 pictures, ROUNDS=5;
#   LOOP=1 also times pixelwick-convert once per picture in the same loop.
# The shell snippets below run later under sh -c, so they keep their
# variables unexpanded here.
# shellcheck disable=SC2016
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
count=${COUNT:-1000}
rounds=${ROUNDS:-5}
convert="$build/command_line/pixelwick-convert"
if ! command -v icotool >/dev/null; then
    echo "batch.sh: icotool is missing (Debian package icoutils)" >&2
    exit 1
fi

PICTURES=$(mktemp -d)
export PICTURES COUNT="$count"
trap 'rm -rf "$PICTURES"' EXIT
# 32 x 32, a size icotool takes as it is.
"$build/bench/pixelwick_make_pictures" "$count" "$PICTURES" 32

# Written outside the timing, so that every round starts from no outputs.
clean='rm -f "$PICTURES"/*.cur "$PICTURES"/*.ico'
check='case $BENCH_NAME in
    icotool*) made=$(find "$PICTURES" -name "*.ico" -size +0c | wc -l) ;;
    *) made=$(find "$PICTURES" -name "*.cur" -size 326c | wc -l) ;;
esac
[ "$made" -eq "$COUNT" ] || { echo "$BENCH_NAME made $made of $COUNT files" >&2; exit 1; }'

# icotool writes without syncing; the one sync at the end makes its files
# as safe on disk as the converter's, which syncs them in groups.
loop='for f in "$1"/*.png; do icotool -c -o "${f%.png}.ico" "$f" || exit 1; done; sync'
convert_loop='for f in "$1"/*.png; do "$2" "$f" || exit 1; done'

echo "$count pictures (32 x 32 PNG), $rounds rounds each, alternating:"
if [ "${LOOP:-0}" = 1 ]; then
    set -- ::: "pixelwick-convert-loop" sh -c "$convert_loop" sh "$PICTURES" "$convert"
else
    set --
fi
python3 "$here/interleave.py" --runs "$rounds" --before "$clean" --after "$check" -- \
    "icotool-loop" sh -c "$loop" sh "$PICTURES" ::: \
    "pixelwick-convert" "$convert" "$PICTURES"/*.png "$@"
