#!/usr/bin/env bash
# Checks that every include of src/ points down its layers (scripts/check-includes.sh), builds
# everything (Linux debug with sanitizers, Windows i686 and x86_64) and runs every test: the Linux
# unit and smoke tests, the Windows unit and smoke tests under Wine, the packages (built by
# scripts/package.sh, the .deb checked with lintian) and each fuzz target for 20 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/display.sh

status=0
passed=0
failed=0
echo "== include layers"
if scripts/check-includes.sh; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    status=1
fi

scripts/deps.sh "${BUILD_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" \
    "${PACKAGE_PACKAGES[@]}"

jobs=$(nproc)
for preset in linux-debug win32 win64; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

# Wine needs a display for the window tests and must not ask to install its .NET or HTML engines.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_xvfb 100
trap 'kill $xvfb_pid 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
wineboot -i >/dev/null 2>&1 || true

run_ctest() {
    local log
    log=$(mktemp)
    ctest --preset "$1" 2>&1 | tee "$log" || status=1
    # ctest closes with "N% tests passed, F tests failed out of T".
    local line
    line=$(grep -E 'tests failed out of [0-9]+' "$log" | tail -n 1)
    if [ -n "$line" ]; then
        local f t
        f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
        t=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
        passed=$((passed + t - f))
        failed=$((failed + f))
    else
        status=1
    fi
    rm -f "$log"
}
echo "== test linux-debug"
run_ctest linux-debug
echo "== test win64 (under Wine)"
run_ctest win64
echo "== packages"
if scripts/package.sh && tests/install/package_test.sh build/packages; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    status=1
fi
echo "== fuzz (20 s per target)"
scripts/fuzz.sh 20 || status=1
echo "all: $passed passed, $failed failed"
exit $status
