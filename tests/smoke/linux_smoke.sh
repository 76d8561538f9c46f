#!/usr/bin/env bash
# Smoke test of the Linux bar: starts it on its own virtual display under openbox, checks the
# window (232 x 20, a window no manager handles, the cell colours on screen), then
# starts a second copy, which must show the "already running" box and end without a second bar.
# The settings dialog opens from the menu, refuses a bad interval, saves a good one and brings the bar
# back; a read-only settings file shows the write failure. Then an ordinary window becomes active and
# the bar must ride on its title bar; a double-click on the clock opens the calendar under the bar, the
# about dialog opens from the menu and starts a stand-in hardinfo with Alt+S, and Quit from the
# right-click menu ends the program.
# Usage: linux_smoke.sh path/to/vigilon   (VIGILON_SHOT_DIR=dir keeps the screenshots)
set -euo pipefail

tag=smoke_linux class='^Vigilon$'
source "$(dirname "$0")/smoke_lib.sh"
# A copy of its own: the settings file is written beside the executable.
cp "$(readlink -f "$1")" "$work/vigilon"
exe=$work/vigilon
need openbox xprop xmessage convert

start_xvfb 140
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
# Each run gets its own lock folder and settings folder.
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# ｼｽﾃﾑ情報 finds this stand-in for hardinfo first on PATH; it shows a window of its own.
mkdir -p "$work/bin"
printf '#!/bin/sh\nexec xmessage -title "hardinfo (test)" "system information"\n' >"$work/bin/hardinfo"
chmod +x "$work/bin/hardinfo"
export PATH="$work/bin:$PATH"

# The pointer rests in a corner, away from the bar, so no popup or tooltip opens on its own.
xdo mousemove 1023 767
"$exe" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
bar=$(first_of 10 bars)
[ -n "$bar" ] || fail "no 232x20 window appeared"

# No manager frames, lists or focuses it: it is an override-redirect window.
xwininfo -id "$bar" | grep -q 'Override Redirect State: yes' || fail "the bar is a managed window"

sleep 1
geometry_of "$bar"
import -window root "$work/bar.png"
check_pixel() {  # x y colour what: the pixel at +x+y of the bar
    local at="p{$((X + $1)),$((Y + $2))}" got
    got=$(convert "$work/bar.png" -format "%[fx:round(255*$at.r)],%[fx:round(255*$at.g)],%[fx:round(255*$at.b)]" info:)
    [ "$got" = "$3" ] || fail "$4 at +$1+$2 is $got, expected $3"
}
# The CPU and memory bars follow live figures; the power bar is full (mains, or no power check)
# and the root file system is a few percent full at least.
check_pixel 0 0 "0,0,0" "the meter block's border"
check_pixel 69 3 "255,255,0" "drive cell"
check_pixel 70 13 "255,128,0" "power cell"
check_pixel 228 2 "255,255,255" "clock cell"
shot bar
log "bar 232x20 at $X,$Y above others, cells in their colours"
check_second_copy_refused "$first" "$exe"
check_settings_dialog "$first" "$work/Vigilon.ini"

# Following: the bar's bottom edge on the bottom of the title bar (the client's top), its right edge
# 50 twips left of openbox's buttons, which reach 49 pixels in from the frame's right edge.
xmessage -geometry 600x200+150+300 "Vigilon rides on this window" >/dev/null 2>&1 &
pids+=($!)
editor=$(first_of 10 xdotool search --onlyvisible --class '^Xmessage$')
[ -n "$editor" ] || fail "the window to follow did not appear"
focus "$editor"
sleep 1.5
read -r ext_left ext_right ext_top ext_bottom <<<"$(xprop -id "$editor" _NET_FRAME_EXTENTS | tr -dc '0-9 ,' | tr ',' ' ')"
geometry_of "$editor"
client_top=$Y frame_right=$((X + W + ext_right))
want_left=$((((frame_right * 15 - 3480 - 49 * 15 - 50) * 2 + 15) / 30))
geometry_of "$bar"
[ "$((Y + 20))" -eq "$client_top" ] || fail "bar bottom at $((Y + 20)), title bar bottom at $client_top"
[ "$X" -eq "$want_left" ] || fail "bar left at $X, expected $want_left (frame right $frame_right, extents $ext_left,$ext_right,$ext_top,$ext_bottom)"
log "the bar rides on the active window at $X,$Y"
check_about "$X" "$Y" '^hardinfo \(test\)$'
check_popup "$X" "$Y"
geometry_of "$bar"
check_calendar_and_quit "$first" "$X" "$Y"
