#!/usr/bin/env bash
# Builds everything (Linux debug with sanitizers, Windows i686 and x86_64) and runs every test:
# the Linux unit and smoke tests, and the Windows unit and smoke tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)
for preset in linux-debug win32 win64; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

# Wine needs a display for the window tests and must not ask to install its .NET or HTML engines.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
display=:$(( 100 + RANDOM % 40 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
wineboot -i >/dev/null 2>&1 || true

status=0
echo "== test linux-debug"
ctest --preset linux-debug || status=1
echo "== test win64 (under Wine)"
ctest --preset win64 || status=1
exit $status
