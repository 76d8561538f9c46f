#!/usr/bin/env bash
# The X server dies under the bar: once with the bar alone, once with the settings dialog open and once
# with the about dialog open, the server is killed (SIGKILL). The program must end with exit code 1 at
# once, touch no freed memory on its way out (the sanitizer build reports none) and leave the settings
# file as it was.
# Usage: display_loss.sh path/to/vigilon
set -euo pipefail

tag=display_loss class='^Vigilon$'
px() { echo $(((2 * $1 * 96 + 1440) / 2880)); }  # twips to pixels at 96 dpi
source "$(dirname "$0")/smoke_lib.sh"
cp "$(readlink -f "$1")" "$work/vigilon"
exe=$work/vigilon
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[Setting]\nCPUInterval=750\n' >"$work/Vigilon.ini"
cp "$work/Vigilon.ini" "$work/Vigilon.ini.before"
# Every sanitizer finding is reported; none may stop the run early.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=0 ASAN_OPTIONS=detect_leaks=0:halt_on_error=0

for shown in bar settings about; do
    start_xvfb ${VIGILON_DISPLAY_FROM:-150}
    server=${pids[-1]}
    "$exe" >"$work/$shown.log" 2>&1 &
    program=$!
    pids+=("$program")
    bar=$(first_of 30 bars)
    [ -n "$bar" ] || fail "no bar on $DISPLAY"
    geometry_of "$bar"
    case $shown in
    settings) open_settings "$bar" ;;
    about)
        xdo mousemove $((X + 20)) $((Y + 5)) click 3
        sleep 1
        xdo key a
        [ -n "$(first_of 20 vigilon_windows "$about_size")" ] || fail "no about dialog"
        ;;
    esac
    sleep 0.5
    kill -KILL "$server"
    wait_for 10 gone "$program" || fail "the program outlived its display by 10 s ($shown)"
    code=0
    wait "$program" || code=$?
    if grep -E 'runtime error|AddressSanitizer|LeakSanitizer' "$work/$shown.log" >/dev/null; then
        fail "the way out touched freed memory with the $shown shown: $(grep -m1 -E 'runtime error|ERROR:' "$work/$shown.log")"
    fi
    [ "$code" -eq 1 ] || fail "exit code $code with the $shown shown"
    cmp -s "$work/Vigilon.ini" "$work/Vigilon.ini.before" || fail "the settings file changed ($shown)"
    log "the display died with the $shown shown: exit code 1, nothing freed twice, the settings file whole"
done
