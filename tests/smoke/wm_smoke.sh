#!/usr/bin/env bash
# The Linux bar under one window manager, beside a terminal on a 1280x800 display: starting it leaves
# the keyboard focus in the terminal; the bar is neither framed, resized nor listed by the manager; it
# rides on the terminal's title bar clear of the buttons, follows a move and a maximise; and Enter
# typed into the terminal stays there (no calendar opens). A dragged bar stays where it is dropped, and
# a calendar opened by a double-click stays open. Where gtk3-demo is installed, under openbox, KWin
# and Mutter: on a header-bar window (one that draws its own title bar and shadow) the bar sits on the
# window's top edge, outside it; maximised, the window leaves no room above and the bar stays put.
# The bar always lies inside the manager's work area.
# Usage: wm_smoke.sh path/to/vigilon manager   (openbox, xfwm4, fluxbox, icewm, i3, kwin, mutter,
# jwm, metacity, marco, awesome, or none)
# VIGILON_SHOT_DIR=dir keeps the screenshots; VIGILON_DPI=192 sets Xft.dpi (the bar 464x40).
set -euo pipefail

exe=$(readlink -f "$1")
manager=$2
dpi=${VIGILON_DPI:-96}
tag=smoke_$manager$([ "$dpi" = 96 ] || echo "_$dpi") class='^Vigilon$'
px() { echo $(((2 * $1 * dpi + 1440) / 2880)); }
bar_w=$(px 3480) bar_h=$(px 300) calendar_size="$(($(px 2070) + 2))x$(($(px 2040) + 2))"
source "$(dirname "$0")/smoke_lib.sh"
need xterm xprop wmctrl xrdb

# How far each manager's title-bar buttons reach in from the frame's right edge (normal, maximised),
# measured on screenshots of its default theme; i3 draws no buttons and publishes no window actions.
# The binary that runs each manager, where it is named otherwise.
binary=$manager
case $manager in
openbox) buttons=(49 48) ;;
kwin) buttons=(101 101) binary=kwin_x11 ;;
mutter) buttons=(33 33) ;;
xfwm4) buttons=(97 92) ;;
fluxbox) buttons=(52 51) ;;
icewm) buttons=(111 110) ;;
jwm) buttons=(77 79) ;;
metacity) buttons=(36 36) ;;
marco) buttons=(60 57) ;;
i3 | awesome | none) buttons=() ;;
*) fail "no such manager in this test: $manager" ;;
esac
[ "$manager" = none ] || need "$binary"

# The work area the manager publishes (the whole screen without one).
work_area() {
    local area
    area=$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ' | cut -d, -f1-4)
    IFS=, read -r WX WY WW WH <<<"${area:-0,0,1280,800}"
}

start_xvfb 150 1280x800
# The managers and the terminal keep their files here, not in the user's home.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
case $manager in
xfwm4 | metacity | marco | kwin | mutter)
    # A session bus of the test's own, ended with it, and no accessibility bus beside it.
    need dbus-daemon
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus" NO_AT_BRIDGE=1
    dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >"$work/bus.log" 2>&1 &
    pids+=($!)
    wait_for 10 test -S "$XDG_RUNTIME_DIR/bus" || fail "the session bus did not start"
    case $manager in
    xfwm4) xfwm4 --compositor=off >"$work/wm.log" 2>&1 & ;;
    kwin) kwin_x11 >"$work/wm.log" 2>&1 & ;;
    # Mutter composites always: with the software renderer on a display without a GPU.
    mutter) LIBGL_ALWAYS_SOFTWARE=1 mutter --x11 --replace >"$work/wm.log" 2>&1 & ;;
    *) "$manager" >"$work/wm.log" 2>&1 & ;;
    esac
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
# Once a client holds the display: the server forgets its root's properties when its last one leaves.
[ "$dpi" = 96 ] || echo "Xft.dpi: $dpi" | xrdb -merge

# A panel along the top on the desktops that have one: a window whose strut the manager takes out of
# the work area. Nothing of Vigilon's may cover it.
panel_work_area() { work_area && [ "$WY" = 32 ]; }
if [[ $manager =~ ^(openbox|kwin|mutter)$ ]]; then
    xterm -geometry 200x1+0+0 -title panel >"$work/panel.log" 2>&1 &
    pids+=($!)
    panel=$(first_of 10 xdotool search --onlyvisible --name '^panel$')
    [ -n "$panel" ] || fail "the panel did not appear"
    xprop -id "$panel" -f _NET_WM_STRUT_PARTIAL 32c -set _NET_WM_STRUT_PARTIAL 0,0,32,0,0,0,0,0,0,1279,0,0
    xprop -id "$panel" -f _NET_WM_STRUT 32c -set _NET_WM_STRUT 0,0,32,0
    wait_for 5 panel_work_area || fail "$manager took no panel out of the work area ($WX,$WY ${WW}x$WH)"
fi

xdo mousemove 1279 799
# As many columns as make its title bar more than twice the bar's width at any resolution.
xterm -geometry $((80 * dpi / 96))x24+200+200 -title terminal >"$work/xterm.log" 2>&1 &
pids+=($!)
term=$(first_of 10 xdotool search --onlyvisible --name '^terminal$')
[ -n "$term" ] || fail "the terminal did not appear"
focus "$term"
sleep 1

"$exe" >"$work/vigilon.log" 2>&1 &
vigilon=$!
pids+=("$vigilon")
bar=$(first_of 20 bars)
[ -n "$bar" ] || fail "no ${bar_w}x$bar_h window appeared"
sleep 1.5
shot start

# --- the manager leaves the bar alone, and the focus where it was ---------------------------------
[ "$(xdotool getwindowfocus)" = "$term" ] || fail "the focus left the terminal for $(xdotool getwindowfocus)"
xwininfo -id "$bar" | grep -q 'Override Redirect State: yes' || fail "the bar is a managed window"
geometry_of "$bar"
[ "$W"x"$H" = "$bar_w"x"$bar_h" ] || fail "the bar was resized to ${W}x$H"
parent=$(xwininfo -children -id "$bar" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
[ "$parent" = "$root" ] || fail "the bar was put in a frame ($parent)"
clients=$(xprop -root _NET_CLIENT_LIST 2>/dev/null || true)
[[ $clients != *"$(printf '0x%x' "$bar")"* ]] || fail "the bar is in the manager's client list: $clients"
log "focus still in the terminal; the bar is unframed, ${bar_w}x$bar_h and unlisted"

# --- riding on the terminal -------------------------------------------------------------------------
# inside_work_area: the bar lies wholly inside it.
inside_work_area() {
    work_area
    geometry_of "$bar"
    [ "$X" -ge "$WX" ] && [ "$Y" -ge "$WY" ] && [ $((X + W)) -le $((WX + WW)) ] && [ $((Y + H)) -le $((WY + WH)) ]
}
# rides normal|maximised: the bar's bottom on the bottom of the title bar (the client's top), or its top
# on the frame's top where the title bar is lower than the bar; its right edge just left of the
# buttons: between the buttons' reach and 50 twips and 3 pixels more. On a maximised window 4600 twips from the
# monitor's right edge, unless the buttons reach further.
rides() {
    local reach=${buttons[$1]} ext left right top frame_right frame_top rule slack
    slack=$(($(px 50) + 3))
    ext=$(xprop -id "$term" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$ext" ] || return 1
    IFS=, read -r left right top _ <<<"$ext"
    geometry_of "$term"
    client_top=$Y frame_top=$((Y - top)) frame_right=$((X + W + right))
    [ "$frame_top" -ge 0 ] || frame_top=0
    [ "$frame_right" -le 1280 ] || frame_right=1280
    geometry_of "$bar"
    gap=$((frame_right - X - bar_w))
    # What shows of the title bar: a frame may start above the screen (icewm, maximised).
    if [ "$((client_top - frame_top))" -ge "$bar_h" ]; then
        [ "$((Y + bar_h))" -eq "$client_top" ] || return 1
    else
        [ "$Y" -ge "$frame_top" ] && [ "$Y" -le "$((frame_top + 2))" ] || return 1
    fi
    [ "$gap" -ge "$reach" ] || return 1
    if [ "$1" = 0 ]; then
        [ "$gap" -le "$((reach + slack))" ]
    else
        rule=$((1280 - $(px 4600)))
        [ "$X" -le "$((rule + 1))" ] && { [ "$X" -ge "$((rule - 1))" ] || [ "$gap" -le "$((reach + slack))" ]; }
    fi
}
if [ ${#buttons[@]} -gt 0 ]; then
    wait_for 5 rides 0 || fail "the bar at $X,$Y is not on the title bar (client top $client_top, gap $gap)"
    log "the bar rides on the terminal, $gap px left of its frame's right edge"
    wmctrl -i -r "$term" -e 0,150,330,-1,-1
    wait_for 5 rides 0 || fail "after a move the bar at $X,$Y is not on the title bar (client top $client_top)"
    log "the bar followed a move"
    shot normal
    wmctrl -i -r "$term" -b add,maximized_vert,maximized_horz
    wait_for 5 rides 1 || fail "on the maximised terminal the bar at $X,$Y is off the title bar (client top $client_top, gap $gap)"
    inside_work_area || fail "the bar at $X,$Y is outside the work area $WX,$WY ${WW}x$WH"
    log "the bar rides on the maximised terminal at $X,$Y, $gap px from the right edge"
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

# --- a header-bar window --------------------------------------------------------------------------------
# visible: what shows of gtk3-demo's window, its client less the shadow it draws (_GTK_FRAME_EXTENTS).
visible() {
    local ext l r t b
    ext=$(xprop -id "$demo" _GTK_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
    geometry_of "$demo"
    VL=$((X + l)) VT=$((Y + t)) VR=$((X + W - r))
}
# on_top_edge: the bar's bottom on the visible top edge, the right edges aligned.
on_top_edge() {
    visible
    geometry_of "$bar"
    [ "$((Y + H))" -eq "$VT" ] && [ "$((X + W))" -eq "$VR" ]
}
if [ ${#buttons[@]} -gt 0 ] && command -v gtk3-demo >/dev/null && [[ $manager =~ ^(openbox|kwin|mutter)$ ]]; then
    gtk3-demo >"$work/demo.log" 2>&1 &
    pids+=($!)
    demo=$(first_of 15 xdotool search --onlyvisible --class '^gtk3-demo$')
    [ -n "$demo" ] || fail "gtk3-demo did not appear"
    wmctrl -i -r "$demo" -e 0,100,150,1100,600  # its title bar more than twice the bar at 192 dpi too
    focus "$demo"
    wait_for 5 on_top_edge || fail "on the header-bar window (shows from $VL,$VT to $VR) the bar is at $X,$Y"
    inside_work_area || fail "the bar at $X,$Y is outside the work area"
    log "on the header-bar window the bar sits on its top edge, outside it, at $X,$Y"
    shot headerbar
    geometry_of "$bar"
    before="$X,$Y"
    wmctrl -i -r "$demo" -b add,maximized_vert,maximized_horz
    sleep 1.5
    geometry_of "$bar"
    [ "$X,$Y" = "$before" ] || fail "on the maximised header-bar window the bar went from $before to $X,$Y"
    inside_work_area || fail "the bar at $X,$Y is outside the work area"
    log "maximised, the header-bar window leaves no room above: the bar stays at $X,$Y"
    shot headerbar-maximised
    wmctrl -i -r "$demo" -b remove,maximized_vert,maximized_horz
fi

# --- keys typed into the terminal stay there --------------------------------------------------------
focus "$term"
xdo key Return
xdo keyup Return
sleep 1.5
[ -z "$(vigilon_windows "$calendar_size")" ] || fail "Enter in the terminal opened the calendar"
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
xdo mousemove $((X + $(px 2700))) $((Y + $(px 150))) click --repeat 2 --delay 80 1
[ -n "$(first_of 10 vigilon_windows "$calendar_size")" ] || fail "a double-click on the clock opened no calendar"
sleep 1.5
[ -n "$(vigilon_windows "$calendar_size")" ] || fail "the calendar closed by itself"
alive "$vigilon" || fail "Vigilon ended"
shot end
log "the calendar stays open; PASS"
