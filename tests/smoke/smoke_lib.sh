# Helpers of the smoke tests, sourced by linux_smoke.sh and wine_smoke.sh: a private Xvfb, polling,
# window look-up and geometry, screenshots, and the checks both make the same way (a refused second
# copy, the calendar under the bar, Quit from the menu). The script sets tag (its log prefix) and
# class (the WM_CLASS of Vigilon's windows) first, and may set dpi, bar_w, bar_h, calendar_size,
# about_size, popup_w and px (the pixels of a twips value) for a display of another resolution. Every
# process added to pids is ended on exit.
# shellcheck shell=bash disable=SC2034,SC2154,SC2317

work=$(mktemp -d "${TMPDIR:-/tmp}/vigilon-$tag.XXXXXX")
pids=()
# Sizes on a 96-dpi display: the bar, the calendar inside its one-pixel border, the about dialog's
# client area and the popup's width.
bar_w=${bar_w:-232} bar_h=${bar_h:-20} calendar_size=${calendar_size:-140x138} screen_size=${screen_size:-1024x768}
about_size=${about_size:-382x70} popup_w=${popup_w:-344} dpi=${dpi:-96}

log() { printf '[%s] %s\n' "$tag" "$*"; }
fail() {
    local f
    printf '[%s] FAIL: %s\n' "$tag" "$*" >&2
    for f in "$work"/*.log; do
        [ -s "$f" ] && { printf -- '--- %s\n' "${f##*/}" && tail -n 20 "$f"; } >&2
    done
    exit 1
}
need() {
    local tool
    for tool; do command -v "$tool" >/dev/null || fail "$tool is not installed"; done
}
need Xvfb xdotool xwininfo import timeout

alive() { kill -0 "$1" 2>/dev/null; }
gone() { ! alive "$1"; }
stop_pid() {  # TERM, up to 5 s to end, then KILL
    alive "$1" || return 0
    kill -TERM "$1" 2>/dev/null || true
    wait_for 5 gone "$1" || kill -KILL "$1" 2>/dev/null || true
}
cleanup() {  # the last started first, so the display goes last
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop_pid "${pids[i]}"; done
    [ ! -e "$work/Vigilon.ini" ] || chattr -i "$work/Vigilon.ini" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# wait_for seconds command...: true as soon as the command is, polled every 0.1 s.
wait_for() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.1
    done
}
# first_of seconds command...: the first line the command prints, polled likewise; empty if none.
first_of() {
    local line=""
    wait_for "$1" first_line "${@:2}" || true
    echo "$line"
}
first_line() { line=$("$@" 2>/dev/null | sed -n 1p) && [ -n "$line" ]; }

# start_xvfb first [WxH]: Xvfb (1024x768 unless told) on the first free display from :first, DISPLAY exported. Xvfb writes the number
# to the -displayfd pipe once it takes clients; a number lost to a racing server is skipped. $xvfb_extra
# holds more options of the server, if any.
start_xvfb() {
    local n pid
    for n in $(seq "$1" $(($1 + 59))); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        : >"$work/display"
        Xvfb ":$n" -displayfd 3 -screen 0 "${2:-$screen_size}x24" -nolisten tcp ${xvfb_extra:-} 3>"$work/display" >"$work/xvfb.log" 2>&1 &
        pid=$!
        pids+=("$pid")
        if wait_for 15 xvfb_settled "$pid" && alive "$pid"; then
            export DISPLAY=":$n"
            log "display $DISPLAY"
            return 0
        fi
        stop_pid "$pid"
    done
    fail "Xvfb did not start on any display from :$1"
}
xvfb_settled() { [ -s "$work/display" ] || gone "$1"; }

# vigilon_windows WxH: Vigilon's visible windows of that size, one id per line.
vigilon_windows() {
    local id
    for id in $(xdotool search --onlyvisible --class "$class" 2>/dev/null); do
        [ "$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/^ *Geometry: //p')" = "$1" ] && echo "$id"
    done
    return 0
}
bars() { vigilon_windows "${bar_w}x${bar_h}"; }

# geometry_of id: X Y W H of the window, from xwininfo (xdotool counts a framed window's offset twice).
geometry_of() {
    read -r X Y W H < <(xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X:/ {x = $4}
        /Absolute upper-left Y:/ {y = $4} /^ +Width:/ {w = $2} /^ +Height:/ {h = $2} END {print x, y, w, h}')
    [ -n "$H" ] || fail "window $1 is gone"
}

xdo() { timeout 10 xdotool "$@" || fail "xdotool $* failed"; }
focus() {  # through the window manager when there is one, else the X input focus directly
    timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 ||
        timeout 10 xdotool windowfocus --sync "$1" >/dev/null 2>&1 || true
}

shot() {  # name: the whole display into $VIGILON_SHOT_DIR, when it is set
    [ -n "${VIGILON_SHOT_DIR:-}" ] || return 0
    mkdir -p "$VIGILON_SHOT_DIR"
    if timeout 20 import -window root "$VIGILON_SHOT_DIR/$tag-$1.png"; then log "screenshot $tag-$1.png"; fi
}

# text_inside left top width height what (twips of a label): on the screenshot $work/bar.png of the
# bar at X,Y, the text drawn in the label lies within its border with room to spare, and is not a
# sliver of it. Needs px (the pixels of a twips value).
text_inside() {
    local left top right bottom box tw th tx ty
    # Two pixels in from the left: where the rounding gives it, the neighbour's border overhangs by one.
    left=$(($(px $1) + 2)) top=$(($(px $2) + 1))
    right=$(($(px $1) + $(px $3) - 1)) bottom=$(($(px $2) + $(px $4) - 1))
    ((right <= bar_w)) || right=$bar_w
    box=$(convert "$work/bar.png" -crop "$((right - left))x$((bottom - top))+$((X + left))+$((Y + top))" +repage \
        -fuzz 30% -trim -format '%w %h %X %Y' info:)
    read -r tw th tx ty <<<"${box//+/}"
    ((tx > 0 && ty >= 0 && tx + tw < right - left && ty + th <= bottom - top)) ||
        fail "$5 text ${tw}x${th}+$tx+$ty runs out of its $((right - left))x$((bottom - top)) cell"
    ((tw * 2 > right - left && th * 3 > bottom - top)) || fail "$5 text is only ${tw}x${th} in its cell"
}

# check_second_copy_refused first-pid command...: the command, a second copy, shows the "already
# running" box (titled Vigilon) and ends when Enter closes it; the first copy runs on with its one bar.
check_second_copy_refused() {
    local first=$1 second box _
    shift
    "$@" >"$work/second.log" 2>&1 &
    second=$!
    pids+=("$second")
    box=$(first_of 60 xdotool search --onlyvisible --name '^Vigilon$')
    [ -n "$box" ] || fail "the second copy showed no box titled Vigilon"
    shot second-start
    [ "$(bars | wc -l)" -eq 1 ] || fail "a second bar appeared while the box was shown"
    for _ in 1 2; do  # once more, should the key go astray
        focus "$box"
        sleep 0.5
        xdo key --clearmodifiers Return
        wait_for 15 gone "$second" && break
    done
    gone "$second" || fail "the second copy did not end after Enter on its box"
    sleep 1
    [ "$(bars | wc -l)" -eq 1 ] || fail "expected one bar after the second start, found: $(bars | tr '\n' ' ')"
    alive "$first" || fail "the first copy ended"
    log "a second copy was refused with a box"
}

# check_about bar_x bar_y [tool-window-name]: バージョン情報 from the right-click menu, by its access key,
# opens the about dialog (about_size); with a name, Alt+S must bring up the system-information tool's
# window of that name (which is then closed); Escape closes the dialog and the bar runs on.
about_closed() { [ -z "$(vigilon_windows "$about_size")" ]; }
gone_window() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
check_about() {
    local about tool
    xdo mousemove $(($1 + 20)) $(($2 + 5)) click 3
    sleep 1
    xdo key a
    about=$(first_of 20 vigilon_windows "$about_size")
    [ -n "$about" ] || fail "バージョン情報 opened no about dialog"
    sleep 0.5
    shot about
    if [ -n "${3:-}" ]; then
        focus "$about"
        xdo key --clearmodifiers alt+s
        tool=$(first_of 60 xdotool search --onlyvisible --name "$3")
        [ -n "$tool" ] || fail "ｼｽﾃﾑ情報 started no window named $3"
        shot sysinfo
        focus "$tool"
        xdo key --clearmodifiers Escape
        # A tool that Escape does not close: its window's client is ended.
        wait_for 5 gone_window "$tool" || xdotool windowkill "$tool" >/dev/null 2>&1 || true
        wait_for 10 gone_window "$tool" || fail "the system-information tool did not close"
        log "ｼｽﾃﾑ情報 started the system-information tool"
    fi
    focus "$about"
    xdo key --clearmodifiers Escape
    wait_for 10 about_closed || fail "Escape did not close the about dialog"
    [ "$(bars | wc -l)" -eq 1 ] || fail "the bar is gone after the about dialog"
    log "the about dialog opened from the menu and closed with Escape"
}

# check_popup bar_x bar_y: resting on the bar opens the popup (popup_w wide) beside it (right edges
# aligned, or left edges near the screen's left edge; under the bar, or above it near the bottom),
# shaped, without taking the keyboard focus; leaving the bar closes it.
popups() {
    local id
    for id in $(xdotool search --onlyvisible --class "$class" 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "^ *Geometry: ${popup_w}x" && echo "$id"
    done
    return 0
}
no_popup() { [ -z "$(popups)" ]; }
check_popup() {
    local bar_x=$1 bar_y=$2 before popup want_x
    before=$(xdotool getwindowfocus 2>/dev/null || echo none)
    # The pointer comes from outside the bar: a menu chosen on the bar counts as its hover.
    xdo mousemove $((bar_x + 100)) $((bar_y + 3 * bar_h))
    sleep 1
    xdo mousemove $((bar_x + 100)) $((bar_y + bar_h / 2))
    popup=$(first_of 10 popups)
    [ -n "$popup" ] || fail "resting on the bar opened no popup"
    sleep 0.5
    geometry_of "$popup"
    want_x=$((bar_x + bar_w - popup_w))
    [ "$bar_x" -ge "$((popup_w - bar_w))" ] || want_x=$bar_x
    [ "$X" -eq "$want_x" ] || fail "popup's left at $X, expected $want_x (bar at $bar_x)"
    [ "$Y" -eq "$((bar_y + bar_h))" ] || [ "$((Y + H))" -eq "$bar_y" ] ||
        fail "popup at y $Y..$((Y + H)) is neither under nor above the bar at $bar_y"
    [ "$H" -ge "$((230 * dpi / 96))" ] || fail "popup only $H pixels high"
    xwininfo -shape -id "$popup" | grep -q 'Window shape extents' || fail "the popup has no rounded shape"
    [ "$(xdotool getwindowfocus 2>/dev/null || echo none)" = "$before" ] || fail "the popup took the keyboard focus"
    log "the popup opened beside the bar at $X,$Y (${W}x$H), shaped, focus left where it was"
    shot popup
    # Off the bar sideways, level with it: above a bar at the screen's top there is no room.
    xdo mousemove $((bar_x >= 10 ? bar_x - 10 : bar_x + bar_w + 10)) $((bar_y + bar_h / 2))
    wait_for 5 no_popup || fail "the popup stayed after the mouse left the bar"
}

# check_calendar_and_quit pid bar_x bar_y: a double-click on the clock opens the calendar right under
# the bar, right edges aligned; Quit from the right-click menu, by its access key, ends the program.
check_calendar_and_quit() {
    local bar_x=$2 bar_y=$3 calendar
    xdo mousemove $((bar_x + bar_w * 180 / 232)) $((bar_y + bar_h / 2)) click --repeat 2 --delay 80 1
    calendar=$(first_of 10 vigilon_windows "$calendar_size")
    [ -n "$calendar" ] || fail "a double-click on the clock opened no $calendar_size calendar"
    sleep 0.5
    geometry_of "$calendar"
    [ "$((X + W))" -eq "$((bar_x + bar_w))" ] || fail "calendar's right edge at $((X + W)), bar's at $((bar_x + bar_w))"
    [ "$Y" -eq "$((bar_y + bar_h))" ] || fail "calendar's top at $Y, bar's bottom at $((bar_y + bar_h))"
    log "the calendar opened under the bar"
    shot calendar
    xdo mousemove $((bar_x + bar_w / 10)) $((bar_y + bar_h / 4)) click 3
    sleep 1
    xdo key q
    wait_for 20 gone "$1" || fail "Quit from the menu did not end the program"
    log "Quit from the menu ended the program"
}

# check_settings_dialog pid ini: 設定 from the bar's menu opens "Vigilonの設定" and closes the bar; 99
# as the CPU interval is refused with a box and the dialog stays; 750 and Enter close it, one bar is
# back where it was in the same process, and the file holds CPUInterval=750. Then, with the file
# read-only, OK shows the write failure, the dialog stays open and Escape closes it.
# The title's Japanese part is not matched: FLTK's WM_NAME is not in the locale's encoding.
settings_dialog() { first_of "$1" xdotool search --onlyvisible --name '^Vigilon.+'; }
message_box() { xdotool search --onlyvisible --name '^Vigilon$' 2>/dev/null | sed -n 1p; }
open_settings() {  # bar: the dialog's id in $dialog, its client corner in $DX $DY
    geometry_of "$1"
    xdo mousemove $((X + $(px 300))) $((Y + $(px 75))) click 3
    sleep 1
    xdo key s
    dialog=$(settings_dialog 20)
    [ -n "$dialog" ] || fail "設定 opened no dialog titled Vigilonの設定"
    LC_ALL=C.UTF-8 xprop -id "$dialog" _NET_WM_NAME | grep -q '"Vigilonの設定"' ||
        fail "the dialog's title is $(LC_ALL=C.UTF-8 xprop -id "$dialog" _NET_WM_NAME)"
    sleep 1
    geometry_of "$dialog"
    DX=$X DY=$Y
}
type_cpu_interval() {  # text: into txtCPU (1320, 840 twips), then Enter
    xdo mousemove $((DX + $(px 1500))) $((DY + $(px 930))) click 1
    sleep 0.3
    xdo key --clearmodifiers ctrl+a
    xdo type "$1"
    xdo key --clearmodifiers Return
}
make_read_only() {  # root writes through file modes, so the file is made immutable for it
    chmod a-w "$1"
    [ "$(id -u)" != 0 ] || chattr +i "$1" 2>/dev/null || true
}
make_writable() {
    [ "$(id -u)" != 0 ] || chattr -i "$1" 2>/dev/null || true
    chmod u+w "$1"
}
check_settings_dialog() {
    local ini=$2 bar_x bar_y
    bar=$(first_of 10 bars)
    geometry_of "$bar"
    bar_x=$X bar_y=$Y
    open_settings "$bar"
    [ "$(bars | wc -l)" -eq 0 ] || fail "the bar stayed while the dialog is open"
    shot settings
    type_cpu_interval 99
    wait_for 10 eval '[ -n "$(message_box)" ]' || fail "99 as the CPU interval showed no box"
    shot settings-refused
    xdo key --clearmodifiers Return
    wait_for 10 eval '[ -z "$(message_box)" ]' || fail "the box did not close"
    sleep 0.5
    [ -z "$(message_box)" ] || fail "the release of Enter on the box ran OK again"
    [ -n "$(settings_dialog 1)" ] || fail "the dialog closed after a refused value"
    log "99 was refused and the dialog stayed open"

    type_cpu_interval 750
    wait_for 20 eval '[ -z "$(settings_dialog 0)" ]' || fail "OK with 750 did not close the dialog"
    bar=$(first_of 20 bars)
    [ -n "$bar" ] || fail "no bar came back after the dialog closed"
    sleep 1
    [ "$(bars | wc -l)" -eq 1 ] || fail "expected one bar, found: $(bars | tr '\n' ' ')"
    alive "$1" || fail "the program ended when the dialog closed"
    geometry_of "$bar"
    [ "$X,$Y" = "$bar_x,$bar_y" ] || fail "the bar came back at $X,$Y, not at $bar_x,$bar_y"
    grep -q '^CPUInterval=750' "$ini" || fail "$ini holds no CPUInterval=750: $(cat "$ini" 2>&1)"
    log "750 was saved, the bar is back at $X,$Y in the same process"

    make_read_only "$ini"
    open_settings "$bar"
    type_cpu_interval 800
    wait_for 10 eval '[ -n "$(message_box)" ]' || { make_writable "$ini"; fail "a read-only settings file showed no box"; }
    shot settings-read-only
    [ -n "$(settings_dialog 1)" ] || { make_writable "$ini"; fail "the dialog closed after a failed write"; }
    xdo key --clearmodifiers Return
    wait_for 10 eval '[ -z "$(message_box)" ]' || fail "the write failure box did not close"
    make_writable "$ini"
    grep -q '^CPUInterval=750' "$ini" || fail "the read-only file changed: $(cat "$ini")"
    focus "$(settings_dialog 1)"
    xdo key --clearmodifiers Escape
    wait_for 20 eval '[ -z "$(settings_dialog 0)" ]' || fail "Escape did not close the dialog"
    bar=$(first_of 20 bars)
    [ -n "$bar" ] || fail "no bar came back after Escape"
    log "a read-only settings file: OK showed the failure and the dialog stayed open"
}

# wine_session first_display: a private Xvfb (from :first_display) and $WINEPREFIX ready, created when
# missing. The prefix's wineserver is shut down at exit only when this script was the one that started it.
wine_session() {
    prefix_server_running && own_server=0 || own_server=1
    trap 'cleanup; [ $own_server = 0 ] || { timeout 20 wineserver -k; timeout 20 wineserver -w; } >/dev/null 2>&1' EXIT
    start_xvfb "$1"
    if [ ! -d "$WINEPREFIX" ]; then
        log "creating the wine prefix $WINEPREFIX"
        timeout 300 wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot could not create $WINEPREFIX"
        timeout 60 wineserver -w
    fi
}

# True when a wineserver serves $WINEPREFIX: its working directory is server-<dev>-<inode> of the prefix.
prefix_server_running() {
    [ -d "$WINEPREFIX" ] || return 1
    local dev ino dir p
    read -r dev ino < <(stat -c '%d %i' "$WINEPREFIX")
    dir=$(printf 'server-%x-%x' "$dev" "$ino")
    for p in $(pgrep -u "$(id -u)" wineserver); do
        [ "$(basename "$(readlink "/proc/$p/cwd" 2>/dev/null)")" = "$dir" ] && return 0
    done
    return 1
}
