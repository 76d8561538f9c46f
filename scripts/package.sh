#!/usr/bin/env bash
# Builds the packages in build/packages/: vigilon_<version>_<arch>.deb (Linux, release, stripped)
# and vigilon-<version>-windows.zip (x86 and x64 Vigilon.exe and the README). Each uses a build
# folder of its own without the tests, so the development builds keep theirs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

out=build/packages
mkdir -p "$out"
configure() {  # folder, extra cmake arguments...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIGILON_TESTS=OFF "$@" >/dev/null
    cmake --build "$dir" --target vigilon
}

configure build/package-linux
(cd build/package-linux && cpack -G DEB -B "$PWD/../packages" >/dev/null)
deb=$(ls -t "$out"/vigilon_*.deb | head -n 1)
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Architecture|Depends|Recommends):'
dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '/$'

if dpkg-query -W -f='${Status}' g++-mingw-w64-i686 2>/dev/null | grep -q 'install ok installed'; then
    configure build/package-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
    configure build/package-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
        -DVIGILON_OTHER_WINDOWS_EXE="$PWD/build/package-win32/Vigilon.exe"
    (cd build/package-win64 && cpack -G ZIP -B "$PWD/../packages" >/dev/null)
    unzip -l "$out/vigilon-$(sed -nE 's/^project\(Vigilon VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)-windows.zip"
else
    echo "No mingw-w64 compilers (g++-mingw-w64-i686, g++-mingw-w64-x86-64): the Windows zip is skipped" >&2
fi
rm -rf "$out/_CPack_Packages"
echo "Packages in $(pwd)/$out:"
ls -1 "$out"
