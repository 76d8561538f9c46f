#!/usr/bin/env bash
# Smoke test of the Linux bar: starts it on its own virtual display under openbox, checks the
# window (232 x 20, borderless, above others, no taskbar entry, the cell colours on screen), then
# starts a second copy, which must show the "already running" box and end without a second bar.
# Then an ordinary window becomes active and the bar must ride on its title bar; a double-click on
# the clock opens the calendar under the bar, and Quit from the right-click menu ends the program.
# Usage: linux_smoke.sh path/to/vigilon   (VIGILON_SHOT_DIR=dir keeps the screenshots)
set -euo pipefail

exe=$(readlink -f "$1")
fail() { echo "smoke_linux: FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || fail "$1 is missing (apt-get install xvfb openbox xdotool x11-utils imagemagick)"; }
for tool in Xvfb openbox xdotool xprop xdpyinfo xmessage import convert; do need "$tool"; done

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
for n in $(seq 140 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "${display:-}" ] || fail "no free X display number"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# Each run gets its own lock folder and settings folder.
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Vigilon's visible windows (WM_CLASS Vigilon) of the given size, one id per line.
windows_of_size() {
    local want=$1 id
    for id in $(xdotool search --onlyvisible --class '^Vigilon$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
        [ "${WIDTH}x${HEIGHT}" = "$want" ] && echo "$id"
    done
    return 0
}

# The first line the command prints, polled every 0.1 s for up to 10 s; empty when it prints none.
first_of() {
    local line
    for _ in $(seq 100); do
        line=$("$@" 2>/dev/null | sed -n 1p || true)
        [ -n "$line" ] && { echo "$line"; return 0; }
        sleep 0.1
    done
}
# Waits up to 10 s for the process to end; fails when it does not.
await_exit() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    fail "$2"
}

# The pointer rests in a corner, away from the bar, so no popup or tooltip opens on its own.
xdotool mousemove 1023 767
"$exe" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
bar=$(first_of windows_of_size 232x20)
[ -n "$bar" ] || fail "no 232x20 window appeared ($(cat "$work/first.log"))"

state=$(xprop -id "$bar" _NET_WM_STATE)
[[ $state == *_NET_WM_STATE_ABOVE* ]] || fail "bar is not above other windows: $state"
[[ $state == *_NET_WM_STATE_SKIP_TASKBAR* ]] || fail "bar has a taskbar entry: $state"
extents=$(xprop -id "$bar" _NET_FRAME_EXTENTS)
[[ $extents == *"= 0, 0, 0, 0"* ]] || fail "bar has a window frame: $extents"

sleep 1
eval "$(xdotool getwindowgeometry --shell "$bar")"
shot="$work/linux-bar.png"
import -window root "$shot"
pixel() {
    local at="p{$(($X + $1)),$(($Y + $2))}"
    convert "$shot" -format "%[fx:round(255*$at.r)],%[fx:round(255*$at.g)],%[fx:round(255*$at.b)]" info:
}
check_pixel() {
    local got
    got=$(pixel "$1" "$2")
    [ "$got" = "$3" ] || fail "$4 at +$1+$2 is $got, expected $3"
}
# The CPU and memory bars follow live figures; the power bar is full (mains, or no power check)
# and the root file system is a few percent full at least.
check_pixel 0 0 "0,0,0" "the meter block's border"
check_pixel 69 3 "255,255,0" "drive cell"
check_pixel 70 13 "255,128,0" "power cell"
check_pixel 228 2 "255,255,255" "clock cell"

# A second copy: the box, then it ends; still one bar.
"$exe" >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
box=$(first_of xdotool search --onlyvisible --name '^Vigilon$')
[ -n "$box" ] || fail "the second copy showed no box titled Vigilon"
[ -n "${VIGILON_SHOT_DIR:-}" ] && import -window root "$VIGILON_SHOT_DIR/linux-second-start.png"
xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
xdotool key Return
await_exit "$second" "the second copy did not end after its box was closed"
sleep 0.5
bars=$(windows_of_size 232x20 | wc -l)
[ "$bars" -eq 1 ] || fail "expected one bar after the second start, found $bars: $(windows_of_size 232x20 | tr '\n' ' ')"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"

[ -n "${VIGILON_SHOT_DIR:-}" ] && cp "$shot" "$VIGILON_SHOT_DIR/"
echo "smoke_linux: bar 232x20 at $X,$Y above others, cells in their colours; second start refused"

# Following: the bar's bottom edge on the bottom of the title bar (the client's top), its right edge
# 3 title-bar heights and 50 twips left of the frame's right edge, as the follow tick computes it.
xmessage -geometry 600x200+150+300 "Vigilon rides on this window" >/dev/null 2>&1 &
pids+=($!)
editor=$(first_of xdotool search --onlyvisible --class '^Xmessage$')
[ -n "$editor" ] || fail "the window to follow did not appear"
xdotool windowactivate --sync "$editor" >/dev/null 2>&1 || true
sleep 1.5
read -r ext_left ext_right ext_top ext_bottom <<<"$(xprop -id "$editor" _NET_FRAME_EXTENTS | tr -dc '0-9 ,' | tr ',' ' ')"
# xwininfo, not xdotool: xdotool counts a framed window's offset in its frame twice.
geometry() {
    local info
    info=$(xwininfo -id "$1")
    X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
}
geometry "$editor"
client_top=$Y
frame_right=$((X + WIDTH + ext_right))
want_left=$(((frame_right * 15 - 3480 - 45 * (ext_top - ext_bottom) - 50) * 2 + 15))
want_left=$((want_left / 30))
geometry "$bar"
[ "$((Y + 20))" -eq "$client_top" ] || fail "bar bottom at $((Y + 20)), title bar bottom at $client_top"
[ "$X" -eq "$want_left" ] || fail "bar left at $X, expected $want_left (frame right $frame_right, extents $ext_left,$ext_right,$ext_top,$ext_bottom)"
bar_x=$X bar_y=$Y

# The calendar: a double-click on the clock opens it right under the bar, right edges aligned.
xdotool mousemove $((bar_x + 180)) $((bar_y + 10)) click --repeat 2 --delay 80 1
calendar=$(first_of windows_of_size 140x138)  # 138 x 136 inside a one-pixel border
[ -n "$calendar" ] || fail "a double-click on the clock opened no calendar"
sleep 0.5
geometry "$calendar"
[ "$((X + 140))" -eq "$((bar_x + 232))" ] || fail "calendar's right edge at $((X + 140)), bar's at $((bar_x + 232))"
[ "$Y" -eq "$((bar_y + 20))" ] || fail "calendar's top at $Y, bar's bottom at $((bar_y + 20))"
[ -n "${VIGILON_SHOT_DIR:-}" ] && import -window root "$VIGILON_SHOT_DIR/linux-following.png"

# Quit from the right-click menu, by its access key.
xdotool mousemove $((bar_x + 20)) $((bar_y + 5)) click 3
sleep 0.5
xdotool key q
await_exit "$first" "Quit from the menu did not end the program"
echo "smoke_linux: the bar rode on the active window, the calendar opened under it, Quit ended it"
