#!/usr/bin/env bash
# Fails (exit 1) on any include that points up or sideways, naming the file and line. The layers of
# src/, lowest first; a file may include its own folder and the layers below it, nothing else:
#
#   platform   Platform.h and the headers the backends share; the backends fake/, linux/, win32/,
#              each including only platform/ itself and its own folder
#   forms      the form runtime: forms/, platform/ (not a backend)
#   core       start-up state, settings, shared state, window requests: core/, forms/, platform/
#   bar calendar sysinfo settings about
#              the subsystems: their own folder, core/, forms/, platform/, and another subsystem's
#              modules but never its forms (frm*.h): one window reaches another through
#              core/WindowRequests.h, which app/ answers
#   app        the entry points and the wiring: anything but a backend; nothing else includes app/
#
# Above the platform only the standard library is included with <...>; system and toolkit headers
# (<windows.h>, FLTK, X11, POSIX) belong to the backends, and to the Windows entry point and resource.
# A quoted include always names its folder under src/ ("core/basMain.h").
set -euo pipefail
cd "$(dirname "$0")/../src"

subsystems=" bar calendar sysinfo settings about "
backends=" fake linux win32 "
# "file: include" pairs allowed against the rules above, each with its reason.
allowed=(
    # The Windows entry point and its resource script.
    "app/WinMain.cpp: <windows.h>"
    "app/Vigilon.rc: <winver.h>"
)

failures=0
fail() {
    echo "$1: $2" >&2
    failures=$((failures + 1))
}

# Sets why to the reason $file (in folder $from) may not include $target; empty when it may.
refusal() {
    why=""
    local file=$1 target=$2 from=${1%%/*}
    local to=${target%%/*}
    local entry
    for entry in "${allowed[@]}"; do
        if [ "$entry" = "$file: $target" ]; then
            return 0
        fi
    done
    if [[ $target == \<* ]]; then
        [ "$from" = platform ] && return 0
        [[ $target =~ ^\<[a-z_]+\>$ ]] || why="system header $target above the platform"
        return 0
    fi
    [ "$target" = "${target#*/}" ] && { why="\"$target\" names no folder"; return 0; }
    if [ "$to" = platform ]; then
        local rest=${target#platform/} backend=""
        [[ $rest == */* && $backends == *" ${rest%%/*} "* ]] && backend=${rest%%/*}
        [ -z "$backend" ] && return 0
        local own=${file#platform/}
        [ "$from" = platform ] && [ "${own%%/*}" = "$backend" ] && return 0
        why="$target is the $backend backend's own"
        return 0
    fi
    [ "$from" = "$to" ] && return 0
    case "$from" in
        platform) why="the platform includes only platform/" ;;
        forms) why="forms/ includes only forms/ and platform/" ;;
        core) [ "$to" = forms ] || why="core/ includes only core/, forms/ and platform/" ;;
        app) [ "$to" = app ] || [ -d "$to" ] || why="\"$target\" is in no folder of src/" ;;
        *)
            if [[ $subsystems == *" $from "* ]]; then
                if [ "$to" = core ] || [ "$to" = forms ]; then
                    return 0
                elif [ "$to" = app ]; then
                    why="only app/ includes app/"
                elif [[ $subsystems == *" $to "* ]]; then
                    local name=${target##*/}
                    [[ $name == frm* ]] && why="$from/ includes another subsystem's form (use core/WindowRequests.h)"
                else
                    why="\"$target\" is in no folder of src/"
                fi
            else
                why="$file is in no layer"
            fi
            ;;
    esac
    return 0
}

while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    text=${rest#*:}
    [[ $text =~ include[[:space:]]*(\"([^\"]*)\"|(<[^>]*>)) ]]
    spelled=${BASH_REMATCH[1]}
    target=${BASH_REMATCH[2]}${BASH_REMATCH[3]}
    refusal "$file" "$target"
    if [ -n "$why" ]; then
        fail "src/$file:$line" "#include $spelled: $why"
    fi
done < <(find . -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' -o -name '*.in' \) -printf '%P\n' |
    sort | xargs grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]')

if [ "$failures" -gt 0 ]; then
    echo "check-includes: $failures include(s) against the layers (scripts/check-includes.sh)" >&2
    exit 1
fi
echo "check-includes: every include points down"
