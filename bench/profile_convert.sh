#!/bin/sh
# SPDX-License-Identifier: MIT
# Where pixelwick-convert spends instructions on one 32 x 32 PNG (callgrind):
# the top functions by inclusive count, what main() calls, the libraries
# loaded while running (image plugins), and, with strace, the file sync.
#   bench/profile_convert.sh [BUILD [PICTURE.png]]     TOP=30
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
convert="$build/command_line/pixelwick-convert"
top=${TOP:-30}
for tool in valgrind callgrind_annotate; do
    command -v "$tool" >/dev/null || { echo "profile_convert.sh: $tool is missing (Debian package valgrind)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ $# -ge 2 ]; then
    cp "$2" "$work/picture.png"
else
    "$build/bench/pixelwick_make_pictures" 1 "$work"
    mv "$work/picture0000.png" "$work/picture.png"
fi

valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$convert" "$work/picture.png" 2>"$work/valgrind.log"
echo "instructions: $(sed -n 's/.*Collected : //p' "$work/valgrind.log")"
# Run from the source tree, callgrind_annotate lists some functions twice
# under relative names; from the scratch folder it does not.
annotate() { (cd "$work" && callgrind_annotate --inclusive=yes --auto=no "$@" callgrind.out 2>/dev/null); }
share() { annotate | grep -m1 -F "$1" | sed 's/^ *\([0-9,]*\) *(\([ 0-9.%]*\)).*/\1 (\2)/'; }
echo "  start-up linking (ld.so before main): $(share 'rtld.c:_dl_start')"
echo "  main():                                $(share 'command_line/main.cpp:main ')"
echo "  of which dlopen (plugins at run time): $(share 'dlopen.c:dlopen@@')"
echo
# The loader's and libc's own frames repeat the totals above; leave them out.
echo "top $top functions by inclusive instructions, loader frames left out:"
annotate | grep -E '^ *[0-9,]+ \(' | grep -v -e 'PROGRAM TOTALS' -e '???:0x' -e '/elf/' -e '/dlfcn/' -e '/csu/' \
    -e 'below main' | head -n "$top" | cut -c1-170
echo
echo "what main() calls, by inclusive instructions:"
annotate --tree=calling | sed -n '/\*  .*command_line\/main.cpp:main \[/,/^$/p' | sed -n '2,11p' | cut -c1-170

echo
echo "libraries loaded while running (dlopen, and what those need):"
rm -f "$work/picture.cur"
LD_DEBUG=files "$convert" "$work/picture.png" 2>&1 | grep -v '\.avx2 ' \
    | sed -n -e 's/.*file=\([^ ]*\) \[0\]; *dynamically loaded by .*/plugin \1/p' \
             -e 's/.*file=\([^ ]*\) \[0\]; *needed by \([^ ]*\).*/needed \1 \2/p' \
    | awk '$1 == "plugin" { running = 1 } running && !seen[$2]++ {
               print "  " $2 ($1 == "plugin" ? "" : "  (needed by " $3 ")") }'

if command -v strace >/dev/null; then
    echo
    echo "file sync and rename of the cursor (seconds):"
    strace -T -e trace=fsync,fdatasync,linkat,rename,renameat,renameat2 "$convert" "$work/picture.png" 2>&1 \
        | grep -v '^+++' | sed 's/^/  /'
fi
