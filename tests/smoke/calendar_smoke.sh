#!/usr/bin/env bash
# Smoke test of the calendar's holidays on the Linux build: a double-click on the clock opens the
# calendar, the arrow keys step to May 2026 (5/6, the substitute for the Sunday 5/3, must be red) and
# to July 2027 (海の日 on Monday 7/19 red, 7/20 black), reading the day numbers' colours off the screen.
# Run twice: with a settings file holding the holiday lists of earlier versions' defaults, and with no
# settings file; both must draw the same months pixel for pixel.
# Usage: calendar_smoke.sh path/to/vigilon   (VIGILON_SHOT_DIR=dir keeps the screenshots, with the
# tooltip of 5/6)
set -euo pipefail

tag=smoke_calendar class='^Vigilon$'
source "$(dirname "$0")/smoke_lib.sh"
need convert compare
cp "$(readlink -f "$1")" "$work/vigilon"
exe=$work/vigilon
start_xvfb ${VIGILON_DISPLAY_FROM:-170}
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The colour of day d's number in the month year/month on $work/cal.png of the calendar at X,Y:
# red, black, blue or none. Cells are 17x13 pixels, 18 apart across and 16 down, the first at +8+40
# of the client area inside the one-pixel border.
day_colour() {
    local offset i red dark blue
    offset=$(date -d "$1-$2-01" +%w)
    i=$((offset + $3 - 1))
    set -- -crop "17x13+$((X + 1 + 8 + 18 * (i % 7)))+$((Y + 1 + 40 + 16 * (i / 7)))" +repage
    red=$(convert "$work/cal.png" "$@" -fx 'r > 0.75 && g < 0.35 && b < 0.35' -format '%[fx:round(mean*w*h)]' info:)
    blue=$(convert "$work/cal.png" "$@" -fx 'b > 0.75 && r < 0.35 && g < 0.35' -format '%[fx:round(mean*w*h)]' info:)
    dark=$(convert "$work/cal.png" "$@" -fx 'r < 0.3 && g < 0.3 && b < 0.3' -format '%[fx:round(mean*w*h)]' info:)
    if ((red >= 3 && dark == 0)); then echo red; elif ((dark >= 3 && red == 0)); then echo black;
    elif ((blue >= 3)); then echo blue; else echo "none ($red red, $dark dark)"; fi
}

# show_month year month: steps the calendar there from the month it shows ($shown_y $shown_m) with the
# arrow keys, then takes the screen into $work/cal.png.
show_month() {
    local steps key
    steps=$((($1 * 12 + 10#$2) - (shown_y * 12 + 10#$shown_m)))
    key=Right
    ((steps >= 0)) || { key=Left steps=$((-steps)); }
    for ((; steps > 0; steps--)); do xdo key "$key"; done
    shown_y=$1 shown_m=$2
    sleep 0.5
    [ -z "$(popups)" ] || { shot "$run-popup"; fail "$run: the information popup is open over the calendar"; }
    xwininfo -id "$calendar" | grep -q IsViewable || fail "$run: the calendar closed"
    import -window root "$work/cal.png"
    convert "$work/cal.png" -crop "${calendar_size}+$X+$Y" +repage "$work/$run-$1-$2.png"
}

# open_calendar: a double-click on the clock of the bar at X,Y, the pointer off the bar sideways at
# once; the calendar's id in $calendar. Now and then the popup armed by the double-click opens all the
# same over the calendar and stays there (the hover's business, not the calendar's): Esc closes the
# calendar, the new hidden one cancels the popup, and the double-click is tried again.
open_calendar() {
    local try
    for try in 1 2 3; do
        xdo mousemove $((X + bar_w * 180 / 232)) $((Y + bar_h / 2)) click --repeat 2 --delay 80 1
        xdo mousemove $((X + bar_w + 10)) $((Y + bar_h / 2))
        calendar=$(first_of 10 vigilon_windows "$calendar_size")
        [ -n "$calendar" ] || fail "$run: a double-click on the clock opened no calendar"
        sleep 1.5
        no_popup && return 0
        log "$run: a popup opened over the calendar after the double-click; Esc and again"
        xdo key Escape
        wait_for 10 no_popup || { shot "$run-popup"; fail "$run: the information popup stays open"; }
    done
    fail "$run: every double-click on the clock left a popup over the calendar"
}

expect_day() {  # year month day colour
    local got
    got=$(day_colour "$1" "$2" "$3")
    [ "$got" = "$4" ] || { shot "$run-failed"; fail "$run: $1-$2-$3 is $got, expected $4"; }
}

for run in former-defaults no-file; do
    rm -f "$work/Vigilon.ini"
    if [ "$run" = former-defaults ]; then
        printf '[Setting]\nCalendarHoliday1=1/1,2/11,4/29,5/3,5/5,7/20,11/3,11/23,12/29,12/30,12/31\nCalendarHoliday2=1-2-2,7-3-2,9-3-2,10-2-2\n' \
            >"$work/Vigilon.ini"
    fi
    xdo mousemove 1000 700
    "$exe" >"$work/$run.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    bar=$(first_of 10 bars)
    [ -n "$bar" ] || fail "$run: no bar appeared"
    sleep 1
    geometry_of "$bar"
    open_calendar
    geometry_of "$calendar"
    # The keys go to the window holding the focus: a click on the calendar's title gives it the calendar.
    xdo mousemove $((X + 70)) $((Y + 8)) click 1
    shown_y=$(date +%Y) shown_m=$(date +%m)
    show_month 2026 5
    expect_day 2026 5 3 red
    expect_day 2026 5 6 red
    expect_day 2026 5 7 black
    if [ "$run" = former-defaults ] && [ -n "${VIGILON_SHOT_DIR:-}" ]; then
        # Resting on 5/6 (cell 10) shows its name.
        xdo mousemove $((X + 1 + 8 + 18 * 3 + 8)) $((Y + 1 + 40 + 16 + 6))
        sleep 2
        shot may-2026-tooltip
        xdo mousemove $((X + 70)) $((Y + 8))
    fi
    show_month 2027 7
    expect_day 2027 7 19 red
    expect_day 2027 7 20 black
    expect_day 2027 7 18 red
    log "$run: 2026-05-06 and 2027-07-19 red, 2027-07-20 black"
    stop_pid "$pid"
done
for month in 2026-5 2027-7; do
    differ=$(compare -metric AE "$work/former-defaults-$month.png" "$work/no-file-$month.png" null: 2>&1) || true
    [ "$differ" = 0 ] || fail "$month with the former default lists differs from no lists in $differ pixels"
done
log "the former default lists draw the same months as no lists; PASS"
