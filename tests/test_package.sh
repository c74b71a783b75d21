#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack from a configured and built tree and
# checks it as a user would get it: its files, its control data, and what
# Debian's own tools say about them.
#   test_package.sh BUILD SOURCE CPACK VERSION
set -eu

build=$1 source=$2 cpack=$3 version=$4
# The sizes desktops ask the hicolor theme for, besides the SVG.
icon_sizes="16 22 24 32 48 64 128 256"
skip=77

missing=""
for tool in dpkg-deb dpkg-shlibdeps dpkg-parsechangelog desktop-file-validate appstreamcli man lintian \
    help2man rsvg-convert objdump ldd; do
    command -v "$tool" >/dev/null 2>&1 || PATH="$PATH:/sbin:/usr/sbin" command -v "$tool" >/dev/null 2>&1 ||
        missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "SKIPPED: the packaging tools are missing:$missing (./run test installs them)"
    exit $skip
fi
if [ ! -f "$build/CPackConfig.cmake" ]; then
    echo "SKIPPED: $build was configured before the packaging tools were there; run cmake on it again"
    exit $skip
fi
PATH="$PATH:/sbin:/usr/sbin"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

# Its own output folder, so a package left in the build folder is never the one checked.
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
set -- "$work"/out/*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    cat "$work/cpack.log"
    echo "FAIL: cpack made no single .deb: $*"
    exit 1
fi
deb=$1
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "pixelwick_${version}_${arch}.deb" ] || fail "package file named $(basename "$deb")"
echo "Built $(basename "$deb")"

# --- Control data ---
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pixelwick ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project is $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', dpkg says $arch"
[ "$(field Section)" = graphics ] || fail "Section is '$(field Section)'"
[ "$(field Priority)" = optional ] || fail "Priority is '$(field Priority)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
description=$(field Description)
[ -n "$(printf '%s\n' "$description" | head -n 1)" ] || fail "Description has no summary"
[ "$(printf '%s\n' "$description" | wc -l)" -ge 3 ] || fail "Description has no long text"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
depends_on() { printf '%s\n' "$depends" | grep -qx "$1"; }
# The image plugins (SVG's among them) and Qt's texts, which no binary links to.
for package in libc6 libqt6widgets6 libxcursor1 qt6-image-formats-plugins libqt6svg6 qt6-translations-l10n; do
    depends_on "$package" || fail "Depends lacks $package: $(field Depends)"
done

# --- Files ---
dpkg-deb -c "$deb" >"$work/contents"
# Regular files only, as "mode owner path".
awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $1, $2, $6 }' "$work/contents" | sort >"$work/files"
{
    echo /usr/bin/pixelwick
    echo /usr/bin/pixelwick-convert
    echo /usr/share/man/man1/pixelwick.1.gz
    echo /usr/share/man/man1/pixelwick-convert.1.gz
    echo /usr/share/applications/pixelwick.desktop
    echo /usr/share/icons/hicolor/scalable/apps/pixelwick.svg
    for size in $icon_sizes; do
        echo "/usr/share/icons/hicolor/${size}x${size}/apps/pixelwick.png"
    done
    echo /usr/share/doc/pixelwick/copyright
    echo /usr/share/doc/pixelwick/changelog.gz
} | sort >"$work/expected"
# The metainfo file is named after its component id, checked below.
awk '{ print $3 }' "$work/files" | grep -v '^/usr/share/metainfo/[^/]*\.metainfo\.xml$' | sort >"$work/paths" || true
if ! diff -u "$work/expected" "$work/paths" >"$work/diff"; then
    fail "the package's files differ from those expected (- missing, + unexpected):"
    cat "$work/diff"
fi
metainfo_count=$(grep -c ' /usr/share/metainfo/[^/]*\.metainfo\.xml$' "$work/files" || true)
[ "$metainfo_count" -eq 1 ] || fail "$metainfo_count metainfo files in /usr/share/metainfo"
while read -r mode owner path; do
    case $path in
    /usr/bin/*) want=-rwxr-xr-x ;;
    *) want=-rw-r--r-- ;;
    esac
    [ "$mode" = "$want" ] || fail "$path has mode $mode"
    [ "$owner" = root/root ] || fail "$path belongs to $owner"
done <"$work/files"

root=$work/root
dpkg-deb -x "$deb" "$root"

for program in pixelwick pixelwick-convert; do
    if objdump -h "$root/usr/bin/$program" | grep -q '\.debug_'; then
        fail "$program is not stripped"
    fi
done
reported=$(LANG=C LC_ALL=C "$root/usr/bin/pixelwick-convert" --version)
[ "$reported" = "pixelwick-convert $version" ] || fail "the packaged converter says '$reported'"

# Every library a binary links to must come with the package's Depends.
for program in pixelwick pixelwick-convert; do
    for library in $(objdump -p "$root/usr/bin/$program" | awk '$1 == "NEEDED" { print $2 }'); do
        # ldd names the dynamic loader by its path alone.
        path=$(ldd "$root/usr/bin/$program" |
            awk -v lib="$library" '$1 == lib { print $3; exit } index($1, "/" lib) { print $1; exit }')
        owner=""
        for candidate in "$path" "$(readlink -f "$path")" "/usr$path" "${path#/usr}"; do
            [ -n "$path" ] || break
            owner=$(dpkg -S "$candidate" 2>/dev/null | head -n 1 | sed 's/:.*//') && [ -n "$owner" ] && break
        done
        if [ -z "$owner" ]; then
            fail "$program needs $library, which no installed package holds"
        elif ! depends_on "$owner"; then
            fail "$program needs $library from $owner, which Depends lacks"
        fi
    done
done

for size in $icon_sizes; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/pixelwick.png
    [ -f "$icon" ] || continue
    # The PNG signature, then width and height in the IHDR chunk.
    # shellcheck disable=SC2046 # eight numbers, split on purpose
    set -- $(od -An -tu1 -j16 -N8 "$icon")
    width=$(($1 * 16777216 + $2 * 65536 + $3 * 256 + $4))
    height=$(($5 * 16777216 + $6 * 65536 + $7 * 256 + $8))
    [ "$width x $height" = "$size x $size" ] || fail "the ${size}x${size} icon is $width x $height"
done

desktop=$root/usr/share/applications/pixelwick.desktop
said=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate refuses pixelwick.desktop"
[ -z "$said" ] || fail "desktop-file-validate says: $said"

metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' | head -n 1)
if [ -n "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >"$work/appstream" 2>&1 || {
        cat "$work/appstream"
        fail "appstreamcli validate refuses $(basename "$metainfo")"
    }
    # The whole tree: desktop file, icons and metainfo found as a software centre finds them.
    appstreamcli validate-tree --no-net "$root" >"$work/appstream-tree" 2>&1 || {
        cat "$work/appstream-tree"
        fail "appstreamcli validate-tree refuses the installed files"
    }
    id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
    [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "metainfo file $(basename "$metainfo") for id $id"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ -f "$root/usr/share/applications/$launchable" ] || fail "metainfo launches '$launchable', not in the package"
    sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo" >"$work/binaries"
    [ -s "$work/binaries" ] || fail "metainfo provides no binaries"
    while read -r binary; do
        [ -x "$root/usr/bin/$binary" ] || fail "metainfo provides $binary, not in the package"
    done <"$work/binaries"
    release=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)
    [ "$release" = "$version" ] || fail "metainfo's newest release is '$release', the project is $version"
fi

changelog=$root/usr/share/doc/pixelwick/changelog.gz
if [ -f "$changelog" ]; then
    gzip -dc "$changelog" >"$work/changelog"
    logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
    [ "$logged" = "$version" ] || fail "changelog's newest entry is '$logged', the project is $version"
fi

# --- Manual pages ---
# As lintian reads them: every groff warning goes to standard error. The
# text as a reader sees it goes to the file named second.
render() {
    LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" >/dev/null 2>"$work/man-warnings" ||
        fail "man cannot render $(basename "$1")"
    if [ -s "$work/man-warnings" ]; then
        fail "man warns about $(basename "$1"):"
        cat "$work/man-warnings"
    fi
    LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$1" >"$2" 2>/dev/null || fail "man cannot show $(basename "$1")"
}
man1=$root/usr/share/man/man1
for page in "$man1"/*.1.gz; do
    gzip -t "$page" || fail "$(basename "$page") is not gzip"
    # gzip -9 sets the "slowest compression" flag: byte 8 is 2.
    [ "$(od -An -tu1 -j8 -N1 "$page" | tr -d ' ')" = 2 ] || fail "$(basename "$page") is not compressed with -9"
    # gzip -n leaves the time stamp zero.
    [ "$(od -An -tu4 -j4 -N4 "$page" | tr -d ' ')" = 0 ] || fail "$(basename "$page") carries a time stamp"
done

if [ -f "$man1/pixelwick-convert.1.gz" ]; then
    render "$man1/pixelwick-convert.1.gz" "$work/convert.txt"
    # Written from the converter's own --help: every option it has is there.
    options=$(LANG=C LC_ALL=C "$root/usr/bin/pixelwick-convert" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || fail "the converter's --help lists no options"
    for option in $options; do
        grep -q -- "$option" "$work/convert.txt" || fail "pixelwick-convert(1) lacks $option"
    done
    grep -q "pixelwick-convert $version" "$work/convert.txt" || fail "pixelwick-convert(1) does not name version $version"
    sed -n '/^NAME/,/^SYNOPSIS/p' "$work/convert.txt" | grep -q 'pixelwick-convert - ' ||
        fail "pixelwick-convert(1) has no NAME line"
fi

if [ -f "$man1/pixelwick.1.gz" ]; then
    render "$man1/pixelwick.1.gz" "$work/window.txt"
    # The window's buttons and labels, as its source names them.
    controls=$(sed -n 's/.*\(button\|label\)(this, "[^"]*", tr("\([^"]*\)").*/\2/p' "$source/window/main_window.cpp")
    [ -n "$controls" ] || fail "found no controls in window/main_window.cpp"
    printf '%s\n' "$controls" >"$work/controls"
    while read -r control; do
        grep -qF -- "$control" "$work/window.txt" || fail "pixelwick(1) does not describe '$control'"
    done <"$work/controls"
    grep -q 'arrow\.png.*arrow\.cur' "$work/window.txt" || fail "pixelwick(1) does not show how the cursor is named"
    sed -n '/^SEE ALSO/,$p' "$work/window.txt" | grep -q 'pixelwick-convert(1)' ||
        fail "pixelwick(1) does not refer to pixelwick-convert(1)"
fi

# --- Debian's own checker ---
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || fail "lintian finds errors or warnings"
grep -v '^running with root privileges' "$work/lintian" || true

if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "The package holds $(wc -l <"$work/files") files and passes every check."
