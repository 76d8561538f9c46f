#!/usr/bin/env bash
# The packages scripts/package.sh made: the .deb must pass lintian -EvIL +pedantic without an error or
# a warning, with the version of project() and the Debian revision of packaging/changelog, versioned
# library dependencies and the font; the Windows zip must hold both builds, the licence, the Windows
# README (UTF-8 with a byte-order mark) and the sample settings file, the text files with CRLF ends.
# Usage: package_test.sh [packages-dir]   (default build/packages)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
out=$(readlink -f "${1:-$source_dir/build/packages}")
fail() {
    echo "package test: $*" >&2
    exit 1
}

version=$(sed -nE 's/^project\(Vigilon VERSION ([0-9.]+).*/\1/p' "$source_dir/CMakeLists.txt")
revision=$(sed -nE '1s/^vigilon \(.*-([^)-]+)\).*/\1/p' "$source_dir/packaging/changelog")
deb="$out/vigilon_${version}-${revision}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb (run scripts/package.sh)"

# lintian says so on stderr when run as root; everything else it prints is a finding.
report=$(lintian -EvIL +pedantic --fail-on error,warning "$deb" 2>&1) || {
    echo "$report" >&2
    fail "lintian finds errors or warnings in $(basename "$deb")"
}
findings=$(grep -E '^[EWIPX]: ' <<<"$report" || true)
echo "lintian: ${findings:-no findings}"

depends=$(dpkg-deb -f "$deb" Depends)
grep -qE '(^|, )libc6 \(>= [0-9.]+\)' <<<"$depends" || fail "Depends has no versioned libc6: $depends"
grep -qE '(^|, )libfltk1\.3 \(>= ' <<<"$depends" || fail "Depends has no versioned FLTK: $depends"
grep -qE '(^|, )fonts-ipafont-gothic(,|$)' <<<"$depends" || fail "Depends lacks the font: $depends"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/vigilon ./usr/share/man/man1/vigilon.1.gz ./usr/share/doc/vigilon/copyright \
    ./usr/share/doc/vigilon/changelog.Debian.gz ./usr/share/applications/vigilon.desktop; do
    grep -qx "$path" <<<"$contents" || fail "$path missing from the .deb"
done

zip="$out/vigilon-$version-windows.zip"
[ -f "$zip" ] || fail "no $zip (scripts/package.sh makes it when mingw-w64 is installed)"
top="vigilon-$version-windows"
listing=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
expected=$(printf '%s\n' "$top/LICENSE.txt" "$top/README.txt" "$top/Vigilon.ini" "$top/x64/Vigilon.exe" \
    "$top/x86/Vigilon.exe" | sort)
[ "$listing" = "$expected" ] || fail "the zip holds"$'\n'"$listing"$'\n'"instead of"$'\n'"$expected"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked"
for text in LICENSE.txt README.txt Vigilon.ini; do
    file="$unpacked/$top/$text"
    # Every line ends in CR LF: as many CRs as LFs, and no CR without its LF.
    lf=$(tr -cd '\n' <"$file" | wc -c)
    crlf=$(grep -c $'\r$' "$file" || true)
    cr=$(tr -cd '\r' <"$file" | wc -c)
    if [ "$lf" -eq 0 ] || [ "$crlf" -ne "$lf" ] || [ "$cr" -ne "$lf" ]; then
        fail "$text does not end every line with CR LF"
    fi
done
[ "$(head -c 3 "$unpacked/$top/README.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "README.txt does not start with a UTF-8 byte-order mark"
iconv -f UTF-8 -t UTF-8 "$unpacked/$top/README.txt" >/dev/null || fail "README.txt is not UTF-8"
grep -q 'shell:startup' "$unpacked/$top/README.txt" || fail "README.txt does not tell how to start at logon"
# GetPrivateProfileString reads the sample in the ANSI code page: it stays ASCII.
! LC_ALL=C grep -q '[^ -~'$'\r'']' "$unpacked/$top/Vigilon.ini" || fail "Vigilon.ini is not plain ASCII"
grep -q 'MIT License' "$unpacked/$top/LICENSE.txt" || fail "LICENSE.txt is not the licence"
echo "package test: $(basename "$deb") and $(basename "$zip") checked"
