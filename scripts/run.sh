#!/usr/bin/env bash
# Builds the Linux program and runs it on your X display. Without a display it runs Vigilon on a
# virtual one for a few seconds and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    scripts/deps.sh "${BUILD_PACKAGES[@]}"
    has_display=1
else
    scripts/deps.sh "${BUILD_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}"
    has_display=0
fi

cmake --preset linux-release >/dev/null
cmake --build --preset linux-release
exe=build/linux-release/vigilon

if [ "$has_display" -eq 1 ]; then
    exec "$exe"
fi

mkdir -p shots
display=:$(( 150 + RANDOM % 40 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$exe" &
app=$!
sleep 4
import -window root shots/vigilon.png
echo "No X display here: Vigilon ran on a virtual display; screenshot saved to $(pwd)/shots/vigilon.png"
