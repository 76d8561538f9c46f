#!/usr/bin/env bash
# The Windows executable runs on XP: its import table names only libraries XP has, and none of the
# functions that came with Vista or later (those are looked up at run time where the system has them).
# The resources are all tagged Japanese (0x0411).
# Usage: imports_test.sh <objdump> <Vigilon.exe>
set -euo pipefail
objdump=$1 exe=$2
fail() { echo "imports test: $*" >&2; exit 1; }
dump=$("$objdump" -p "$exe")

allowed='^(kernel32|user32|gdi32|advapi32|comctl32|shell32|iphlpapi|msvcrt|ntdll)\.dll$'
while read -r dll; do
    [[ ${dll,,} =~ $allowed ]] || fail "imports $dll, which XP lacks or the program must load at run time"
done < <(sed -n 's/^\tDLL Name: //p' <<<"$dump")

# Functions of XP's own libraries that only Vista and later export.
newer='DwmGetWindowAttribute|DwmIsCompositionEnabled|SetWindowTheme|RtlGetVersion|GetDpiForWindow|'
newer+='GetSystemMetricsForDpi|SetProcessDpiAwarenessContext|SetProcessDPIAware|GetTickCount64|'
newer+='InitializeSRWLock|AcquireSRWLock[A-Za-z]*|InitializeConditionVariable|SleepConditionVariable[A-Za-z]*|'
newer+='InitOnceExecuteOnce|GetFinalPathNameByHandle[AW]|CreateSymbolicLink[AW]|LoadIconMetric|'
newer+='TaskDialog[A-Za-z]*|GetLocaleInfoEx|LCIDToLocaleName|LocaleNameToLCID|GetUserDefaultLocaleName|'
newer+='SHGetKnownFolderPath|ChangeWindowMessageFilter[A-Za-z]*'
found=$(grep -oE "\b($newer)\b" <<<"$(sed -n '/^\tDLL Name:/,/^$/p' <<<"$dump")" | sort -u || true)
[ -z "$found" ] || fail "imports functions newer than XP: $(tr '\n' ' ' <<<"$found")"

# The resource directory's third level (indented seven places) holds the languages.
langs=$(sed -nE 's/^[0-9a-f]{3} {7}Entry: ID: 0x0*([0-9a-f]+),.*/\1/p' <<<"$dump" | sort -u | tr '\n' ' ')
[ "$langs" = "411 " ] || fail "resource languages are '$langs', not only 411 (Japanese)"
echo "imports test: $(grep -c 'DLL Name' <<<"$dump") libraries, none newer than XP; resources Japanese"
