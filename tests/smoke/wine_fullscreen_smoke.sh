#!/usr/bin/env bash
# The Windows build and full-screen windows under Wine: a borderless window covering the screen, made
# the foreground window, hides the bar (unmapped) within about one follow interval; once it closes the
# bar is back. A window of the same size with a title bar leaves the bar shown.
# Usage: wine_fullscreen_smoke.sh <path-to-Vigilon.exe> <path-to-the-full-screen-window-helper.exe>
# Runs on its own Xvfb display with $WINEPREFIX (default ~/.wine), creating it when missing.
# $VIGILON_SHOT_DIR, when set, receives screenshots. The wineserver is shut down only when this
# script was the one that started it.
set -euo pipefail

[ -f "${1:-}" ] && [ -f "${2:-}" ] || { echo "usage: $0 <path-to-Vigilon.exe> <path-to-helper.exe>" >&2; exit 2; }
tag=wine_fullscreen_smoke class='^vigilon\.exe$'
source "$(dirname "$0")/smoke_lib.sh"
# A copy of its own: the settings file is written beside the executable.
cp "$(readlink -f "$1")" "$work/Vigilon.exe"
cp "$(readlink -f "$2")" "$work/fullscreen.exe"
exe=$work/Vigilon.exe
need wine wineserver
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

wine_session ${VIGILON_DISPLAY_FROM:-110}
# The prefix keeps LogPixels from other runs: this test measures at 96 dpi.
timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >"$work/reg.log" 2>&1 ||
    fail "could not set LogPixels to 96"

wine "$exe" >"$work/vigilon.log" 2>&1 &
vigilon=$!
pids+=("$vigilon")
[ -n "$(first_of 60 bars)" ] || fail "no ${bar_w}x${bar_h} window appeared within 60 s"
shown() { [ -n "$(bars)" ]; }
hidden() { ! shown; }

# fullscreen [titled]: the helper's window, in $helper (its process) once it is the foreground window.
fullscreen() {
    wine "$work/fullscreen.exe" "$@" >"$work/helper.log" 2>&1 &
    helper=$!
    pids+=("$helper")
    [ -n "$(first_of 60 xdotool search --onlyvisible --name '^full-screen$')" ] || fail "the helper showed no window"
}

fullscreen titled
sleep 2
shown || fail "a window with a title bar covering the screen hid the bar"
log "a titled window as large as the screen leaves the bar shown"
stop_pid "$helper"

fullscreen
start=$(date +%s%N)
wait_for 5 hidden || fail "the bar stays shown over a borderless window covering the screen"
log "the bar went $((($(date +%s%N) - start) / 1000000)) ms after the borderless window appeared"
sleep 1.5
hidden || fail "the bar came back over the full-screen window"
shot fullscreen
stop_pid "$helper"
wait_for 5 shown || fail "the full-screen window closed and the bar stays hidden"
log "the full-screen window closed: the bar is back"
shot back
alive "$vigilon" || fail "Vigilon ended"
log "PASS"
