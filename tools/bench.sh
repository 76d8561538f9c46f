#!/usr/bin/env bash
# Measures what the Linux bar costs beside the least an FLTK program can do (tools/bare_fltk.cpp),
# on one virtual display under openbox, both riding the same ordinary window, in interleaved rounds
# (bar, reference, nothing) so that drift in the machine touches all three alike.
# Per program: own CPU (schedstat, every thread), context switches per second, the X server's CPU
# above the idle round, resident memory at the end and the time to the first mapped window; then
# the bar's figures as ratios of the reference's. The first map is timed by a small X client that
# listens on the root window (tools/map_watch.cpp), not by polling.
# Usage: tools/bench.sh [seconds per round] [rounds]   (default 30 and 3)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
rounds=${2:-3}
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target vigilon bench_reference bench_map_watch >/dev/null

work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null; rm -rf "$work"' EXIT
# The bar reads its settings beside its executable: a copy of its own, with the power meter on.
mkdir -p "$work/bin" "$work/run" && chmod 700 "$work/run"
cp build/linux-release/vigilon "$work/bin/"
printf '[Setting]\nBattInterval=1000\n' >"$work/bin/Vigilon.ini"
reference=build/linux-release/tools/bench_reference
map_watch=build/linux-release/tools/bench_map_watch

source scripts/display.sh
start_xvfb 400
pids+=("$xvfb_pid")
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
xmessage -geometry 600x200+100+100 "followed" >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Nanoseconds on a CPU and context switches, summed over every thread of a process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%d", n }'; }
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { printf "%d", n }'; }
now_ns() { date +%s%N; }

declare -A sum_cpu sum_sw sum_x sum_rss sum_map
measure() {  # measure name command... : one round of one program (name "idle" runs nothing)
    local name=$1 pid="" map_ms=0 t0
    shift
    if [ "$name" != idle ]; then
        # The stopwatch listens before the program starts; it prints the time of the first map.
        coproc watch { exec "$map_watch" "$2"; }
        local ready
        read -r ready <&"${watch[0]}"
        t0=$(now_ns)
        "$@" &
        pid=$!
        local mapped=""
        read -r -t 10 mapped <&"${watch[0]}" || { echo "$name mapped no window in 10 s" >&2; exit 1; }
        wait "$watch_PID" 2>/dev/null || true
        map_ms=$(( (mapped - t0) / 1000000 ))
        echo "  $name: first window mapped after $map_ms ms" >&2
        # Ride the ordinary window: it is the active one, as on a desktop.
        xdotool search --class '^Xmessage$' windowactivate 2>/dev/null || true
    fi
    sleep 2  # start-up is not part of the steady state
    local c0=0 s0=0 x0 c1=0 s1=0 x1 rss=0
    [ -n "$pid" ] && { c0=$(cpu_ns "$pid"); s0=$(switches "$pid"); }
    x0=$(cpu_ns "$xvfb_pid")
    sleep "$seconds"
    [ -n "$pid" ] && { c1=$(cpu_ns "$pid"); s1=$(switches "$pid"); rss=$(awk '/VmRSS/ { print $2 }' /proc/"$pid"/status); }
    x1=$(cpu_ns "$xvfb_pid")
    [ -n "$pid" ] && { kill "$pid"; wait "$pid" 2>/dev/null || true; }
    sum_cpu[$name]=$(( ${sum_cpu[$name]:-0} + c1 - c0 ))
    sum_sw[$name]=$(( ${sum_sw[$name]:-0} + s1 - s0 ))
    sum_x[$name]=$(( ${sum_x[$name]:-0} + x1 - x0 ))
    sum_rss[$name]=$(( ${sum_rss[$name]:-0} + rss ))
    sum_map[$name]=$(( ${sum_map[$name]:-0} + map_ms ))
}

for r in $(seq "$rounds"); do
    echo "round $r of $rounds (${seconds} s each)" >&2
    measure vigilon "$work/bin/vigilon" Vigilon
    measure reference "$reference" VigilonReference
    measure idle
done

total_s=$(( seconds * rounds ))
row() {  # row name: the averaged figures of one program
    awk -v n="$1" -v cpu="${sum_cpu[$1]}" -v sw="${sum_sw[$1]}" -v x="${sum_x[$1]}" -v xi="${sum_x[idle]}" \
        -v rss="${sum_rss[$1]}" -v map="${sum_map[$1]}" -v s="$total_s" -v r="$rounds" 'BEGIN {
        xc = (x - xi) / s; if (xc < 0) xc = 0
        printf "%-10s %12.0f %8.3f %9.1f %12.0f %8.3f %8.1f %7.0f\n", n, cpu / s, cpu / (s * 1e7), sw / s,
            xc, xc / 1e7, rss / r / 1024, map / r }'
}
echo "per second of steady state, averaged over $rounds rounds of $seconds s (CPU from schedstat, every thread)"
printf '%-10s %12s %8s %9s %12s %8s %8s %7s\n' program "CPU ns/s" "CPU %" "switch/s" "X CPU ns/s" "X CPU %" \
    "RSS MiB" "map ms"
row vigilon
row reference
awk -v vc="${sum_cpu[vigilon]}" -v rc="${sum_cpu[reference]}" -v vs="${sum_sw[vigilon]}" -v rs="${sum_sw[reference]}" \
    -v vx="${sum_x[vigilon]}" -v rx="${sum_x[reference]}" -v xi="${sum_x[idle]}" \
    -v vr="${sum_rss[vigilon]}" -v rr="${sum_rss[reference]}" \
    -v vm="${sum_map[vigilon]}" -v rm="${sum_map[reference]}" 'BEGIN {
    dx = rx - xi; if (dx <= 0) dx = 1
    vxc = vx - xi; if (vxc < 0) vxc = 0
    printf "ratios to the reference: own CPU %.2fx, switches %.2fx, X server CPU %.2fx, RSS %.2fx, first map %.2fx\n",
        (rc > 0 ? vc / rc : 0), (rs > 0 ? vs / rs : 0), vxc / dx, (rr > 0 ? vr / rr : 0), (rm > 0 ? vm / rm : 0) }'
# The build links with -s already; strip again in case a build type without it was measured.
size=$(stat -c %s "$work/bin/vigilon")
strip -o "$work/stripped" "$work/bin/vigilon"
echo "release executable: $size bytes as built, $(stat -c %s "$work/stripped") bytes stripped"
