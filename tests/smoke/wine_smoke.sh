#!/usr/bin/env bash
# Smoke test of the Windows build under Wine: the bar comes up as a 232x20 window, a second copy
# shows the "already running" message and ends without a window, and the first copy keeps running.
# Then Notepad becomes the active window and the bar must ride on its caption bar; a double-click on
# the clock opens the calendar under the bar, and Quit from the right-click menu ends the program.
#
# Usage: wine_smoke.sh <path-to-Vigilon.exe>
# Runs on its own Xvfb display. Uses $WINEPREFIX (default ~/.wine), creating it when missing.
# $VIGILON_SHOT_DIR, when set, receives screenshots. Every process started here is ended on exit;
# the wineserver is shut down only when this script was the one that started it.
# Helpers run through the trap and wait_for, which shellcheck cannot follow.
# shellcheck disable=SC2317
set -u

exe=${1:-}
if [ -z "$exe" ] || [ ! -f "$exe" ]; then
    echo "usage: $0 <path-to-Vigilon.exe>" >&2
    exit 2
fi
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
for tool in Xvfb wine wineserver xdotool xwininfo import timeout; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 2; }
done

export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}
export WINEDEBUG=-all
# No Mono or Gecko installers popping up in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The program's home: a Japanese system, ANSI code page 932.
wine_locale=ja_JP.UTF-8

work=$(mktemp -d "${TMPDIR:-/tmp}/vigilon-wine-smoke.XXXXXX")
xvfb_pid=""
first_pid=""
second_pid=""
server_was_running=1

log() { printf '[wine_smoke] %s\n' "$*"; }

fail() {
    printf '[wine_smoke] FAIL: %s\n' "$*" >&2
    for f in "$work"/*.log; do
        [ -s "$f" ] || continue
        printf -- '--- %s\n' "$(basename "$f")" >&2
        tail -n 20 "$f" >&2
    done
    exit 1
}

stop_pid() {  # pid: TERM, a bounded wait, then KILL
    local pid=$1 _
    [ -n "$pid" ] || return 0
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 1 20); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.25
    done
    kill -KILL "$pid" 2>/dev/null
}

cleanup() {
    stop_pid "${notepad_pid:-}"
    stop_pid "$second_pid"
    stop_pid "$first_pid"
    if [ "$server_was_running" = 0 ]; then
        timeout 20 wineserver -k >/dev/null 2>&1
        timeout 20 wineserver -w >/dev/null 2>&1
    fi
    stop_pid "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# True when a wineserver serves $WINEPREFIX: its working directory is server-<dev>-<inode> of the prefix.
prefix_server_running() {
    [ -d "$WINEPREFIX" ] || return 1
    local dev ino id p cwd
    read -r dev ino < <(stat -c '%d %i' "$WINEPREFIX")
    id=$(printf 'server-%x-%x' "$dev" "$ino")
    for p in $(pgrep -u "$(id -u)" wineserver); do
        cwd=$(readlink "/proc/$p/cwd" 2>/dev/null) || continue
        [ "$(basename "$cwd")" = "$id" ] && return 0
    done
    return 1
}

# Window ids of the viewable top-level windows, one per line, as "id width height name".
viewable_windows() {
    local id info
    for id in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x[0-9a-f]+ /{print $1}'); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        echo "$info" | grep -q 'Map State: IsViewable' || continue
        printf '%s %s %s %s\n' "$id" \
            "$(echo "$info" | awk '/^ +Width:/{print $2}')" \
            "$(echo "$info" | awk '/^ +Height:/{print $2}')" \
            "$(echo "$info" | sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p')"
    done
}

bars() { viewable_windows | awk '$2 == 232 && $3 == 20'; }

wait_for() {  # seconds, command...: polls every 0.25 s
    local seconds=$1 _
    shift
    for _ in $(seq 1 $((seconds * 4))); do
        "$@" && return 0
        sleep 0.25
    done
    return 1
}

shot() {  # name: a screenshot of the whole display, when a folder was given
    [ -n "${VIGILON_SHOT_DIR:-}" ] || return 0
    mkdir -p "$VIGILON_SHOT_DIR"
    timeout 20 import -window root "$VIGILON_SHOT_DIR/$1.png" && log "screenshot $VIGILON_SHOT_DIR/$1.png"
}

# --- display ---------------------------------------------------------------------------------------
# The first free number from 110 up (clear of the usual :0 and of fixed test displays); Xvfb writes the
# number to the -displayfd pipe once it accepts clients.
start_xvfb() {
    local n
    for n in $(seq 110 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        : >"$work/display"
        exec 3>"$work/display"
        Xvfb ":$n" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        exec 3>&-
        wait_for 15 xvfb_settled
        if [ -s "$work/display" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
        stop_pid "$xvfb_pid"  # lost a race for this number, or too slow: try the next
        xvfb_pid=""
    done
    return 1
}
# Ready (the number was written) or dead.
xvfb_settled() { [ -s "$work/display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; }
start_xvfb || fail "Xvfb did not start on any display from :110 to :199"
wait_for 15 xwininfo -root >/dev/null 2>&1 || fail "display $DISPLAY does not answer"
log "display $DISPLAY"

# --- wine prefix -------------------------------------------------------------------------------------
prefix_server_running && server_was_running=1 || server_was_running=0
if [ ! -d "$WINEPREFIX" ]; then
    log "creating the wine prefix $WINEPREFIX"
    timeout 300 wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot could not create $WINEPREFIX"
    timeout 60 wineserver -w
fi

# --- (a) the first copy shows its bar ----------------------------------------------------------------
LC_ALL=$wine_locale wine "$exe" >"$work/first.log" 2>&1 &
first_pid=$!
first_settled() { [ -n "$(bars)" ] || ! kill -0 "$first_pid" 2>/dev/null; }
wait_for 60 first_settled
kill -0 "$first_pid" 2>/dev/null || fail "the first copy exited before showing a 232x20 window"
[ -n "$(bars)" ] || fail "no 232x20 window appeared within 60 s (windows: $(viewable_windows | tr '\n' ';'))"
bar_id=$(bars | awk 'NR == 1 {print $1}')
geometry=$(xwininfo -id "$bar_id" | awk '/^ +Width:/{w=$2} /^ +Height:/{h=$2} END{print w "x" h}')
[ "$geometry" = "232x20" ] || fail "the bar is $geometry, not 232x20"
log "bar window $bar_id is 232x20"
sleep 1
shot wine_smoke_bar

# --- (b) a second copy is refused with a message --------------------------------------------------------
before=$(viewable_windows | awk '{print $1}' | sort)
LC_ALL=$wine_locale wine "$exe" >"$work/second.log" 2>&1 &
second_pid=$!
message_box() {
    viewable_windows | while read -r id w h name; do
        echo "$before" | grep -qx "$id" && continue
        [ "$name" = "Vigilon" ] && [ "$w $h" != "232 20" ] && echo "$id"
    done | head -n 1
}
second_settled() { [ -n "$(message_box)" ] || ! kill -0 "$second_pid" 2>/dev/null; }
wait_for 60 second_settled
[ -n "$(message_box)" ] || {
    kill -0 "$second_pid" 2>/dev/null || fail "the second copy exited without showing a window titled Vigilon"
    fail "the second copy showed no window titled Vigilon within 60 s (windows: $(viewable_windows | tr '\n' ';'))"
}
box=$(message_box)
log "message box $box"
shot wine_smoke_message
[ "$(bars | wc -l)" -eq 1 ] || fail "a second 232x20 window appeared while the message was shown"
# No window manager here: give the box the X input focus, then press Enter on its OK button.
timeout 10 xdotool windowfocus --sync "$box" >/dev/null 2>&1 || timeout 10 xdotool windowfocus "$box"
sleep 0.5
timeout 10 xdotool key --clearmodifiers Return
second_gone() { ! kill -0 "$second_pid" 2>/dev/null; }
if ! wait_for 20 second_gone; then
    # The key may have gone astray; try once more before calling it a failure.
    timeout 10 xdotool windowfocus "$box" >/dev/null 2>&1
    timeout 10 xdotool key --clearmodifiers Return
    wait_for 10 second_gone || fail "the second copy did not exit after Enter on its message"
fi
wait "$second_pid" 2>/dev/null
second_pid=""
log "the second copy exited"
sleep 1
[ "$(bars | wc -l)" -eq 1 ] || fail "there are $(bars | wc -l) windows of 232x20 after the second start"
kill -0 "$first_pid" 2>/dev/null || fail "the first copy is no longer running"
xwininfo -id "$bar_id" 2>/dev/null | grep -q 'IsViewable' || fail "the first copy's bar is gone"

shot wine_smoke

# --- (c) following, the calendar and Quit ----------------------------------------------------------------
geometry_of() {  # id: sets x y w h from the server
    local info
    info=$(xwininfo -id "$1") || return 1
    x=$(echo "$info" | awk '/Absolute upper-left X:/{print $4}')
    y=$(echo "$info" | awk '/Absolute upper-left Y:/{print $4}')
    w=$(echo "$info" | awk '/^ +Width:/{print $2}')
    h=$(echo "$info" | awk '/^ +Height:/{print $2}')
}
before=$(viewable_windows | awk '{print $1}' | sort)
LC_ALL=$wine_locale wine notepad >"$work/notepad.log" 2>&1 &
notepad_pid=$!
notepad_window() {  # its title is in the prefix's language: the first new window of some size
    viewable_windows | while read -r id w h _; do
        echo "$before" | grep -qx "$id" && continue
        [ "$w" -gt 300 ] && [ "$h" -gt 100 ] && echo "$id"
    done | head -n 1
}
notepad_shown() { [ -n "$(notepad_window)" ]; }
wait_for 60 notepad_shown || fail "Notepad showed no window"
editor=$(notepad_window)
geometry_of "$editor"
timeout 10 xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
# Without a window manager the X window is Notepad's client area and its caption bar is not drawn,
# but Windows' geometry still has it just above: the bar's bottom edge lies near the X window's top
# (within a caption's height either way) and its right edge short of where the caption buttons are.
on_caption() {
    geometry_of "$bar_id"
    [ "$((y + 20))" -ge "$((editor_y - 40))" ] && [ "$((y + 20))" -le "$((editor_y + 40))" ] &&
        [ "$x" -gt "$editor_x" ] && [ "$((x + 232))" -lt "$((editor_x + editor_w - 30))" ]
}
editor_x=$x editor_y=$y editor_w=$w
wait_for 10 on_caption || { shot wine_smoke_follow; fail "the bar at $x,$y did not ride on Notepad's caption bar ($editor_x,$editor_y width $editor_w)"; }
log "the bar rides on Notepad at $x,$y"
bar_x=$x bar_y=$y

timeout 10 xdotool mousemove $((bar_x + 180)) $((bar_y + 10)) click --repeat 2 --delay 80 1
calendar_window() { viewable_windows | awk '$2 == 140 && $3 == 138 {print $1; exit}'; }
calendar_shown() { [ -n "$(calendar_window)" ]; }
wait_for 10 calendar_shown || fail "a double-click on the clock opened no calendar"
geometry_of "$(calendar_window)"
[ "$((x + 140))" -eq "$((bar_x + 232))" ] && [ "$y" -eq "$((bar_y + 20))" ] ||
    fail "the calendar is at $x,$y, not under the bar at $bar_x,$bar_y"
log "the calendar opened under the bar"
shot wine_smoke_calendar

timeout 10 xdotool mousemove $((bar_x + 20)) $((bar_y + 5)) click 3
sleep 1
timeout 10 xdotool key q
first_gone() { ! kill -0 "$first_pid" 2>/dev/null; }
wait_for 20 first_gone || fail "Quit from the menu did not end the program"
first_pid=""
stop_pid "$notepad_pid"
shot wine_smoke_end; log "PASS"
exit 0
