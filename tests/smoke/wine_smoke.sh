#!/usr/bin/env bash
# Smoke test of the Windows build under Wine: the bar comes up as a 232x20 window, a second copy
# shows the "already running" message and ends without a window, and the first copy keeps running.
# The settings dialog opens from the menu, refuses a bad interval, saves a good one and brings the bar
# back in the same process; a read-only settings file shows the write failure.
# Then Notepad becomes the active window and the bar must ride on its caption bar; a double-click on
# the clock opens the calendar under the bar, and Quit from the right-click menu ends the program.
#
# With VIGILON_DPI set (default 96), the prefix's LogPixels says so and every size scales by DPI / 96;
# the clock's text must stay inside its cell.
#
# Usage: wine_smoke.sh <path-to-Vigilon.exe>
# Runs on its own Xvfb display. Uses $WINEPREFIX (default ~/.wine), creating it when missing.
# $VIGILON_SHOT_DIR, when set, receives screenshots. Every process started here is ended on exit;
# the wineserver is shut down only when this script was the one that started it.
set -euo pipefail

[ -f "${1:-}" ] || { echo "usage: $0 <path-to-Vigilon.exe>" >&2; exit 2; }
dpi=${VIGILON_DPI:-96}
px() { echo $(((2 * $1 * dpi + 1440) / 2880)); }  # the pixels of a twips value, rounded half up
bar_w=$(px 3480) bar_h=$(px 300) calendar_size="$(($(px 2070) + 2))x$(($(px 2040) + 2))"
about_size="$(px 5730)x$(px 1050)" popup_w=$(px 5160)
screen_size="$((1024 * dpi / 96))x$((768 * dpi / 96))"
tag=wine_smoke_$dpi class='^vigilon\.exe$'
source "$(dirname "$0")/smoke_lib.sh"
# A copy of its own: the settings file is written beside the executable.
cp "$(readlink -f "$1")" "$work/Vigilon.exe"
exe=$work/Vigilon.exe
need wine wineserver

export WINEPREFIX=${WINEPREFIX:-$HOME/.wine} WINEDEBUG=-all
# No Mono or Gecko installers popping up in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The program's home: a Japanese system, ANSI code page 932.
wine_locale=ja_JP.UTF-8

wine_session ${VIGILON_DISPLAY_FROM:-110}
# Set on every run, 96 included: the prefix keeps it.
LC_ALL=$wine_locale timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >"$work/reg.log" 2>&1 ||
    fail "could not set LogPixels to $dpi"

# A Japanese Windows has its Gothic faces, which the dialogs' layouts were made for; the IPA faces
# stand in for them (proportional for proportional), as on the Linux build.
for face in 'ＭＳ Ｐゴシック=IPAPGothic' 'ＭＳ ゴシック=IPAGothic'; do
    LC_ALL=$wine_locale timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" \
        /d "${face#*=}" /f >"$work/reg.log" 2>&1 || fail "could not register the font stand-ins"
done

# --- the first copy shows its bar; a second one is refused ----------------------------------------
LC_ALL=$wine_locale wine "$exe" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
bar=$(first_of 60 bars)
[ -n "$bar" ] || fail "no ${bar_w}x${bar_h} window appeared within 60 s"
log "bar window $bar is ${bar_w}x${bar_h}"
sleep 1
geometry_of "$bar"
import -window root "$work/bar.png"
text_inside 2000 0 1485 300 "the clock"
shot bar
check_second_copy_refused "$first" env LC_ALL=$wine_locale wine "$exe"
check_settings_dialog "$first" "$work/Vigilon.ini"

# --- following Notepad, the calendar and Quit -----------------------------------------------------------
LC_ALL=$wine_locale wine notepad >"$work/notepad.log" 2>&1 &
pids+=($!)
editor=$(first_of 60 xdotool search --onlyvisible --class '^notepad\.exe$')
[ -n "$editor" ] || fail "Notepad showed no window"
geometry_of "$editor"
editor_x=$X editor_y=$Y editor_w=$W
xdo mousemove $((X + W / 2)) $((Y + H / 2)) click 1
# Without a window manager the X window is Notepad's client area and its caption bar is not drawn,
# but Windows' geometry still has it just above: the bar's bottom edge lies near the X window's top
# (within a caption's height either way) and its right edge short of where the caption buttons are.
on_caption() {
    geometry_of "$bar"
    local slack=$((40 * dpi / 96))
    [ "$((Y + bar_h))" -ge "$((editor_y - slack))" ] && [ "$((Y + bar_h))" -le "$((editor_y + slack))" ] &&
        [ "$X" -gt "$editor_x" ] && [ "$((X + bar_w))" -lt "$((editor_x + editor_w - 30 * dpi / 96))" ]
}
wait_for 10 on_caption || {
    shot follow
    fail "the bar at $X,$Y did not ride on Notepad's caption bar ($editor_x,$editor_y width $editor_w)"
}
log "the bar rides on Notepad at $X,$Y"
# The registry names Wine's own msinfo32 as the system-information tool (removed again afterwards
# when this run wrote it).
msinfo_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
msinfo_added=0
if ! wine reg query "$msinfo_key" /v PATH >/dev/null 2>&1; then
    wine reg add "$msinfo_key" /v PATH /t REG_SZ /d 'C:\windows\system32\msinfo32.exe' /f >/dev/null 2>&1 ||
        fail "could not write $msinfo_key"
    msinfo_added=1
fi
check_about "$X" "$Y" '^(About System Information|システム情報 について)$'
[ $msinfo_added = 0 ] || wine reg delete "$msinfo_key" /f >/dev/null 2>&1 || true
check_popup "$X" "$Y"
geometry_of "$bar"
check_calendar_and_quit "$first" "$X" "$Y"
log "PASS"
