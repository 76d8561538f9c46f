#!/usr/bin/env bash
# Builds the packages in build/packages/: vigilon_<version>-<revision>_<arch>.deb (Linux, release,
# hardened, stripped) and vigilon-<version>-windows.zip (x86 and x64 Vigilon.exe, LICENSE.txt, the
# Windows README.txt and a sample Vigilon.ini). Each uses a build folder of its own without the
# tests, so the development builds keep theirs. tests/install/package_test.sh checks them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

out=build/packages
mkdir -p "$out"
rm -f "$out"/vigilon_*.deb "$out"/vigilon-*-windows.zip  # no package of an older version is left to test
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
