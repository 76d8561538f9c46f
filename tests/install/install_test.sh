#!/usr/bin/env bash
# cmake --install of a Linux build into a temporary prefix: the program, its desktop entry (which
# desktop-file-validate must accept), the icons in every hicolor size, the manual page (which man must
# read without a warning), the README with its pictures, the copyright file and the changelog, laid
# out so the installed program finds its README and keeps its settings in the XDG folder.
# Usage: install_test.sh build-dir
set -euo pipefail
build=$(readlink -f "$1")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/vigilon" ] || fail "bin/vigilon missing or not executable"
desktop="$prefix/share/applications/vigilon.desktop"
[ -f "$desktop" ] || fail "share/applications/vigilon.desktop missing"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop entry rejected"
else
    echo "install test: desktop-file-validate not installed (desktop-file-utils), entry not validated" >&2
fi
grep -qx 'Exec=vigilon' "$desktop" || fail "desktop entry does not start vigilon"
grep -qx 'Icon=vigilon' "$desktop" || fail "desktop entry names another icon"
for size in 16 24 32 48 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/vigilon.png"
    [ -f "$png" ] || fail "icon ${size}x${size} missing"
    # Width and height from the PNG header (bytes 16..23), big-endian.
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "icon ${size}x${size} is $dims"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/vigilon.svg" ] || fail "scalable icon missing"
doc="$prefix/share/doc/vigilon"
[ -f "$doc/README.md" ] || fail "README missing from share/doc/vigilon"
# Every picture the README shows is installed beside it.
grep -o '(docs/[^)]*\.png)' "$doc/README.md" | tr -d '()' | while read -r picture; do
    [ -f "$doc/$picture" ] || fail "README shows $picture, which is not installed"
done
for file in copyright changelog.Debian.gz; do
    [ -f "$doc/$file" ] || fail "$file missing from share/doc/vigilon"
done
page="$prefix/share/man/man1/vigilon.1.gz"
[ -f "$page" ] || fail "manual page missing from share/man/man1"
if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) ||
        fail "man cannot read the manual page"
    [ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
else
    echo "install test: man not installed (man-db), manual page not read" >&2
fi
echo "install test: $(find "$prefix" -type f | wc -l) files installed and checked"
