#!/usr/bin/env bash
# Smoke test of the Linux bar: starts it on its own virtual display under openbox, checks the
# window (232 x 20, a window no manager handles, the cell colours on screen), then
# starts a second copy, which must show the "already running" box and end without a second bar.
# The settings dialog opens from the menu, refuses a bad interval, saves a good one and brings the bar
# back; a read-only settings file shows the write failure. Then an ordinary window becomes active and
# the bar must ride on its title bar; a double-click on the clock opens the calendar under the bar, the
# about dialog opens from the menu and starts a stand-in hardinfo with Alt+S, and Quit from the
# right-click menu ends the program.
# With VIGILON_DPI set, the display says so through Xft.dpi and every size scales by DPI / 96; the
# texts must stay inside their cells. At 96 dpi the bar must look exactly like the reference picture
# (cells whose figures are live are blanked in both).
# Usage: linux_smoke.sh path/to/vigilon   (VIGILON_SHOT_DIR=dir keeps the screenshots)
set -euo pipefail

dpi=${VIGILON_DPI:-96}
reference=$(dirname "$(readlink -f "$0")")/../data/bar-96dpi.png
# The pixels of a (positive) twips value, rounded half up as the program rounds.
px() { echo $(((2 * $1 * dpi + 1440) / 2880)); }
bar_w=$(px 3480) bar_h=$(px 300) calendar_size="$(($(px 2070) + 2))x$(($(px 2040) + 2))"
about_size="$(px 5730)x$(px 1050)" popup_w=$(px 5160)
# A screen and a window to follow of the same size in inches at every resolution.
scaled() { echo $(($1 * dpi / 96)); }
screen_size="$(scaled 1024)x$(scaled 768)"
tag=smoke_linux_$dpi class='^Vigilon$'
source "$(dirname "$0")/smoke_lib.sh"
# A copy of its own: the settings file is written beside the executable.
cp "$(readlink -f "$1")" "$work/vigilon"
exe=$work/vigilon
need openbox xprop xmessage convert compare xrdb

start_xvfb ${VIGILON_DISPLAY_FROM:-140}
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
# Set while openbox holds a connection, so the server keeps its resources.
[ "$dpi" = 96 ] || echo "Xft.dpi: $dpi" | xrdb -merge
# Each run gets its own lock folder and settings folder.
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# ｼｽﾃﾑ情報 finds this stand-in for hardinfo first on PATH; it shows a window of its own.
mkdir -p "$work/bin"
printf '#!/bin/sh\nexec xmessage -title "hardinfo (test)" "system information"\n' >"$work/bin/hardinfo"
chmod +x "$work/bin/hardinfo"
export PATH="$work/bin:$PATH"

# The pointer rests in a corner, away from the bar, so no popup or tooltip opens on its own.
xdo mousemove $(($(scaled 1024) - 1)) $(($(scaled 768) - 1))
"$exe" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
bar=$(first_of 10 bars)
[ -n "$bar" ] || fail "no ${bar_w}x${bar_h} window appeared"

# No manager frames, lists or focuses it: it is an override-redirect window.
xwininfo -id "$bar" | grep -q 'Override Redirect State: yes' || fail "the bar is a managed window"

sleep 1
geometry_of "$bar"
import -window root "$work/bar.png"
check_pixel() {  # x y colour what: the pixel at +x+y of the bar on a 96-dpi display, scaled
    local x y at got
    x=$(px $(($1 * 15))) y=$(px $(($2 * 15)))
    at="p{$((X + x)),$((Y + y))}"
    got=$(convert "$work/bar.png" -format "%[fx:round(255*$at.r)],%[fx:round(255*$at.g)],%[fx:round(255*$at.b)]" info:)
    [ "$got" = "$3" ] || fail "$4 at +$x+$y is $got, expected $3"
}
# The CPU and memory bars follow live figures; the power bar is full (mains, or no power check)
# and the root file system is a few percent full at least.
check_pixel 0 0 "0,0,0" "the meter block's border"
check_pixel 69 3 "255,255,0" "drive cell"
check_pixel 70 13 "255,128,0" "power cell"
check_pixel 228 2 "255,255,255" "clock cell"
text_inside 2000 0 1485 300 "the clock"
text_inside 1005 150 1005 150 "the power meter"
if [ "$dpi" = 96 ]; then
    # The live figures (CPU, memory, drive, the time) are blanked inside their borders.
    masked() {
        convert "$1" -fill magenta -draw "rectangle 1,1 65,8" -draw "rectangle 1,11 65,18" \
            -draw "rectangle 68,1 132,8" -draw "rectangle 134,1 230,18" "$2"
    }
    convert "$work/bar.png" -crop "${bar_w}x${bar_h}+$X+$Y" +repage "$work/bar-crop.png"
    masked "$work/bar-crop.png" "$work/bar-masked.png"
    masked "$reference" "$work/reference-masked.png"
    differ=$(compare -metric AE "$work/bar-masked.png" "$work/reference-masked.png" null: 2>&1) || true
    [ "$differ" = 0 ] || fail "the bar differs from $reference in $differ pixels"
    log "the bar matches the 96-dpi reference pixel for pixel"
fi
shot bar
log "bar ${bar_w}x${bar_h} at $X,$Y above others, cells in their colours, texts inside their cells"
check_second_copy_refused "$first" "$exe"
check_settings_dialog "$first" "$work/Vigilon.ini"

# Following: the bar's bottom edge on the bottom of the title bar (the client's top), or its top on
# the title bar's top (under the frame's border) where openbox's title bar, the same at every
# resolution, is lower than the bar; its right edge 50 twips left of openbox's buttons, which reach
# 49 pixels in from the frame's right edge.
xmessage -geometry "$(scaled 600)x$(scaled 200)+$(scaled 150)+$(scaled 300)" "Vigilon rides on this window" >/dev/null 2>&1 &
pids+=($!)
editor=$(first_of 10 xdotool search --onlyvisible --class '^Xmessage$')
[ -n "$editor" ] || fail "the window to follow did not appear"
focus "$editor"
sleep 1.5
read -r ext_left ext_right ext_top ext_bottom <<<"$(xprop -id "$editor" _NET_FRAME_EXTENTS | tr -dc '0-9 ,' | tr ',' ' ')"
geometry_of "$editor"
client_top=$Y frame_right=$((X + W + ext_right))
# In twips: the frame's right less the buttons' reach, each converted on its own (truncated), less
# the bar's 3480 and 50; back in pixels, rounded half up.
left_tw=$((frame_right * 1440 / dpi - 49 * 1440 / dpi - 3480 - 50))
want_left=$(((left_tw * dpi * 2 + 1440) / 2880))
geometry_of "$bar"
if [ "$ext_top" -ge "$bar_h" ]; then
    [ "$((Y + bar_h))" -eq "$client_top" ] || fail "bar bottom at $((Y + bar_h)), title bar bottom at $client_top"
else
    title_top=$((client_top - ext_top + (ext_left < ext_top ? ext_left : ext_top)))
    [ "$Y" -eq "$title_top" ] || fail "bar top at $Y, title bar top at $title_top"
fi
[ "$X" -eq "$want_left" ] || fail "bar left at $X, expected $want_left (frame right $frame_right, extents $ext_left,$ext_right,$ext_top,$ext_bottom)"
log "the bar rides on the active window at $X,$Y"
check_about "$X" "$Y" '^hardinfo \(test\)$'
check_popup "$X" "$Y"
geometry_of "$bar"
check_calendar_and_quit "$first" "$X" "$Y"
