#!/usr/bin/env bash
# Runs the Linux bar (release build) for a fixed time on a virtual display, riding on an ordinary
# window under openbox, and prints what it cost:
# CPU time, peak resident memory and wake-ups, beside a plain shell loop that reads the same
# counters at the same pace as a reference.
# Usage: tools/bench.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
exe=build/linux-release/vigilon
[ -x "$exe" ] || { cmake --preset linux-release >/dev/null && cmake --build --preset linux-release; }

work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null; rm -rf "$work"' EXIT
display=:$(( 200 + RANDOM % 50 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
# A window to follow, so every follow tick reads its properties as on a desktop.
xmessage -geometry 600x200+100+100 "followed" >/dev/null 2>&1 &
pids+=($!)
sleep 1

ticks=$(getconf CLK_TCK)
cpu_ms() { awk -v t="$ticks" '{ print int(($14 + $15) * 1000 / t) }' "/proc/$1/stat"; }
switches() { awk '/ctxt_switches/ { n += $2 } END { print n }' "/proc/$1/status"; }

"$exe" &
app=$!
pids+=("$app")
sleep 2  # start-up is not part of the steady state
cpu0=$(cpu_ms "$app"); sw0=$(switches "$app")
sleep "$seconds"
cpu1=$(cpu_ms "$app"); sw1=$(switches "$app")
hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$app/status")
rss=$(awk '/VmRSS/ { print $2 }' "/proc/$app/status")

# Reference: a shell loop reading /proc/stat and /proc/meminfo every 500 ms, and statvfs every minute.
( while :; do cat /proc/stat /proc/meminfo >/dev/null; sleep 0.5; done ) &
ref=$!
pids+=("$ref")
sleep "$seconds"
ref_cpu=$(cpu_ms "$ref")

echo "Vigilon over ${seconds} s: CPU $((cpu1 - cpu0)) ms ($(awk -v c=$((cpu1 - cpu0)) -v s="$seconds" 'BEGIN { printf "%.3f", c / (s * 10) }') %)," \
     "context switches $((sw1 - sw0)), peak RSS ${hwm} kB, RSS now ${rss} kB"
echo "Reference shell reader over ${seconds} s (its own loop only, not its children): CPU ${ref_cpu} ms"
