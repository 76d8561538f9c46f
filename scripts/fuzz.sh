#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset) and runs each for SECONDS (default 60) on a copy of
# its seed corpus. A finding stops the run; the input that broke the rule is kept in build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

findings=build/fuzz/findings
mkdir -p "$findings"
status=0
for seeds in fuzz/corpus/*/; do
    name=$(basename "$seeds")
    work=$(mktemp -d)
    echo "== fuzz $name for ${seconds}s"
    # New inputs go to the scratch folder; the seeds in the repository stay as they are.
    if ! "build/fuzz/fuzz/${name}_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$findings/${name}-" -print_final_stats=1 "$work" "$seeds" \
        2>"$work.log"; then
        status=1
        tail -n 40 "$work.log"
    fi
    grep -E '^stat::number_of_executed_units|^Done|^#[0-9]+ *DONE' "$work.log" | tail -n 2 || true
    rm -rf "$work" "$work.log"
done
exit $status
