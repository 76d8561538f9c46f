#!/usr/bin/env bash
# The Linux bar under one window manager, beside a terminal on a 1280x800 display: starting it leaves
# the keyboard focus in the terminal; the bar is neither framed, resized nor listed by the manager; it
# rides on the terminal's title bar clear of the buttons, follows a move and a maximise; and Enter
# typed into the terminal stays there (no calendar opens). A dragged bar stays where it is dropped, and
# a calendar opened by a double-click stays open.
# Usage: wm_smoke.sh path/to/vigilon manager   (openbox, xfwm4, fluxbox, icewm, i3, jwm,
# metacity, marco, awesome, or none)
# VIGILON_SHOT_DIR=dir keeps the screenshots.
set -euo pipefail

exe=$(readlink -f "$1")
manager=$2
tag=smoke_$manager class='^Vigilon$'
source "$(dirname "$0")/smoke_lib.sh"
need xterm xprop wmctrl

# How far each manager's title-bar buttons reach in from the frame's right edge (normal, maximised),
# measured on screenshots of its default theme; i3 draws no buttons and publishes no window actions.
case $manager in
openbox) buttons=(49 48) ;;
xfwm4) buttons=(97 92) ;;
fluxbox) buttons=(52 51) ;;
icewm) buttons=(111 110) ;;
jwm) buttons=(77 79) ;;
metacity) buttons=(36 36) ;;
marco) buttons=(60 57) ;;
i3 | awesome | none) buttons=() ;;
*) fail "no such manager in this test: $manager" ;;
esac
[ "$manager" = none ] || need "$manager"

start_xvfb 150 1280x800
# The managers and the terminal keep their files here, not in the user's home.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
case $manager in
xfwm4 | metacity | marco)
    # A session bus of the test's own, ended with it, and no accessibility bus beside it.
    need dbus-daemon
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus" NO_AT_BRIDGE=1
    dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >"$work/bus.log" 2>&1 &
    pids+=($!)
    wait_for 10 test -S "$XDG_RUNTIME_DIR/bus" || fail "the session bus did not start"
    "$manager" $([ "$manager" != xfwm4 ] || echo --compositor=off) >"$work/wm.log" 2>&1 &
    ;;
i3)
    # Without a configuration of its own i3 would open its first-run wizard.
    printf 'font pango:monospace 8\nfocus_follows_mouse no\n' >"$work/i3.config"
    i3 -c "$work/i3.config" >"$work/wm.log" 2>&1 &
    ;;
fluxbox)
    # No wallpaper: without an image viewer its first run opens a message window that takes the focus.
    mkdir -p "$HOME/.fluxbox"
    echo 'background: none' >"$HOME/.fluxbox/overlay"
    echo "session.styleOverlay: $HOME/.fluxbox/overlay" >"$HOME/.fluxbox/init"
    fluxbox >"$work/wm.log" 2>&1 &
    ;;
none) ;;
*) "$manager" >"$work/wm.log" 2>&1 & ;;
esac
if [ "$manager" != none ]; then
    pids+=($!)
    wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    wait_for 20 wm_up || fail "$manager did not start"
fi

xdo mousemove 1279 799
xterm -geometry 80x24+200+200 -title terminal >"$work/xterm.log" 2>&1 &
pids+=($!)
term=$(first_of 10 xdotool search --onlyvisible --class '^XTerm$')
[ -n "$term" ] || fail "the terminal did not appear"
focus "$term"
sleep 1

"$exe" >"$work/vigilon.log" 2>&1 &
vigilon=$!
pids+=("$vigilon")
bar=$(first_of 10 bars)
[ -n "$bar" ] || fail "no 232x20 window appeared"
sleep 1.5
shot start

# --- the manager leaves the bar alone, and the focus where it was ---------------------------------
[ "$(xdotool getwindowfocus)" = "$term" ] || fail "the focus left the terminal for $(xdotool getwindowfocus)"
xwininfo -id "$bar" | grep -q 'Override Redirect State: yes' || fail "the bar is a managed window"
geometry_of "$bar"
[ "$W"x"$H" = 232x20 ] || fail "the bar was resized to ${W}x$H"
parent=$(xwininfo -children -id "$bar" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
[ "$parent" = "$root" ] || fail "the bar was put in a frame ($parent)"
clients=$(xprop -root _NET_CLIENT_LIST 2>/dev/null || true)
[[ $clients != *"$(printf '0x%x' "$bar")"* ]] || fail "the bar is in the manager's client list: $clients"
log "focus still in the terminal; the bar is unframed, 232x20 and unlisted"

# --- riding on the terminal -------------------------------------------------------------------------
# rides normal|maximised: the bar's bottom on the bottom of the title bar (the client's top), its right
# edge just left of the buttons: between the buttons' reach and 6 pixels more.
rides() {
    local reach=${buttons[$1]} ext right frame_right
    ext=$(xprop -id "$term" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$ext" ] || return 1
    IFS=, read -r _ right _ _ <<<"$ext"
    geometry_of "$term"
    client_top=$Y frame_right=$((X + W + right))
    [ "$1" = 0 ] || frame_right=1280  # a maximised window's buttons end at the monitor's edge
    geometry_of "$bar"
    gap=$((frame_right - X - 232))
    [ "$((Y + 20))" -eq "$client_top" ] && [ "$gap" -ge "$reach" ] && [ "$gap" -le "$((reach + 6))" ]
}
if [ ${#buttons[@]} -gt 0 ]; then
    wait_for 5 rides 0 || fail "the bar at $X,$Y is not on the title bar (client top $client_top, gap $gap)"
    log "the bar rides on the terminal, $gap px left of its frame's right edge"
    wmctrl -i -r "$term" -e 0,420,330,-1,-1
    wait_for 5 rides 0 || fail "after a move the bar at $X,$Y is not on the title bar (client top $client_top)"
    log "the bar followed a move"
    shot normal
    wmctrl -i -r "$term" -b add,maximized_vert,maximized_horz
    wait_for 5 rides 1 || fail "on the maximised terminal the bar at $X,$Y is off the title bar (client top $client_top, gap $gap)"
    log "the bar rides on the maximised terminal, $gap px from the right edge"
    shot maximised
    wmctrl -i -r "$term" -b remove,maximized_vert,maximized_horz
else
    # No window has title-bar buttons (or no manager tells of any): the bar stays where it started.
    geometry_of "$bar"
    start_x=$X start_y=$Y
    sleep 1
    geometry_of "$bar"
    [ "$X,$Y" = "$start_x,$start_y" ] || fail "the bar moved from $start_x,$start_y to $X,$Y"
    log "the bar stays at $X,$Y: no window here has title-bar buttons"
fi

# --- keys typed into the terminal stay there --------------------------------------------------------
focus "$term"
xdo key Return
xdo keyup Return
sleep 1.5
[ -z "$(vigilon_windows 140x138)" ] || fail "Enter in the terminal opened the calendar"
[ "$(xdotool getwindowfocus)" = "$term" ] || fail "the focus left the terminal"
log "Enter in the terminal stayed there"

# --- a drag, then the calendar -------------------------------------------------------------------------
geometry_of "$bar"
from_x=$X from_y=$Y
xdo mousemove $((X + 30)) $((Y + 10)) mousedown 1
for step in 1 2 3 4 5; do xdo mousemove $((from_x + 30 - 4 * step)) $((from_y + 10 + 12 * step)) && sleep 0.05; done
# Held a little, as a hand does: a busy machine may deliver the first motion late, and a move that
# starts after the release never starts.
sleep 0.5
xdo mouseup 1
sleep 0.3
geometry_of "$bar"
dropped="$X,$Y"
# The bar travels exactly as far as the pointer did since the press, the first motion included.
[ "$dropped" = "$((from_x - 20)),$((from_y + 60))" ] || fail "the bar dragged from $from_x,$from_y by -20,60 is at $dropped"
sleep 1.5
geometry_of "$bar"
[ "$X,$Y" = "$dropped" ] || fail "the bar dropped at $dropped went to $X,$Y"
log "a dragged bar stays where it was dropped"
xdo mousemove $((X + 180)) $((Y + 10)) click --repeat 2 --delay 80 1
[ -n "$(first_of 10 vigilon_windows 140x138)" ] || fail "a double-click on the clock opened no calendar"
sleep 1.5
[ -n "$(vigilon_windows 140x138)" ] || fail "the calendar closed by itself"
alive "$vigilon" || fail "Vigilon ended"
shot end
log "the calendar stays open; PASS"
