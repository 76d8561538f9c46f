#!/usr/bin/env bash
# Builds the Linux program (not the tests) and runs it on your X display. Without a display it runs Vigilon on a
# virtual one for a few seconds and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/display.sh

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    scripts/deps.sh "${BUILD_PACKAGES[@]}"
    has_display=1
else
    scripts/deps.sh "${BUILD_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}"
    has_display=0
fi

# The program alone: the tests are neither configured nor built.
cmake --preset linux-release -DVIGILON_TESTS=OFF >/dev/null
cmake --build --preset linux-release --target vigilon
exe=build/linux-release/vigilon

if [ "$has_display" -eq 1 ]; then
    exec "$exe"
fi

mkdir -p shots
start_xvfb 150
app="" wm=""
trap 'kill $app $wm $xvfb_pid 2>/dev/null || true' EXIT
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$exe" &
app=$!
sleep 4
import -window root shots/vigilon.png
echo "No X display here: Vigilon ran on a virtual display; screenshot saved to $(pwd)/shots/vigilon.png"
