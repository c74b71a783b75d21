#!/bin/sh
# SPDX-License-Identifier: MIT
# Times window start-up to the first paint, alternately: a bare Qt window
# of Pixelwick's size (pixelwick_minimal_window) and the real window
# (pixelwick_window_startup); then Make CUR on a loaded picture.
#   bench/window.sh [BUILD]     RUNS=30, MAKE_CUR_RUNS=200
# Runs offscreen, then on an X display: DISPLAY's, or Xvfb's through
# xvfb-run when there is none.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${RUNS:-30}
minimal="$build/bench/pixelwick_minimal_window"
real="$build/bench/pixelwick_window_startup"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt warns on every start without it; the warning is no part of the figures.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi

compare() {
    python3 "$here/interleave.py" --runs "$runs" -- \
        minimal-window "$minimal" ::: pixelwick-window "$real"
}

echo "window start-up to the first paint, offscreen, $runs runs each, alternating:"
QT_QPA_PLATFORM=offscreen compare

if [ -n "${DISPLAY:-}" ]; then
    echo "the same on DISPLAY $DISPLAY:"
    QT_QPA_PLATFORM=xcb compare
elif command -v xvfb-run >/dev/null; then
    echo "the same under Xvfb (xvfb-run):"
    # The X server starts once, outside the timing.
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
        python3 "$here/interleave.py" --runs "$runs" -- \
        minimal-window "$minimal" ::: pixelwick-window "$real"
else
    echo "no DISPLAY and no xvfb-run: skipping the run on X"
fi

"$build/bench/pixelwick_make_pictures" 1 "$work"
"$build/bench/pixelwick_make_cur" "$work/picture0000.png" "${MAKE_CUR_RUNS:-200}"
