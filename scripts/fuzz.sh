#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each from its committed seed
# corpus (new inputs go to a scratch folder, the seeds stay as committed).
# Usage: scripts/fuzz.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
for target in profile number log; do
    mkdir -p "$scratch/$target"
    if build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$scratch/" "$scratch/$target" "fuzz/corpus/$target" \
        >"$scratch/$target.log" 2>&1; then
        echo "fuzz_$target: $(grep -Eo 'Done [0-9]+ runs' "$scratch/$target.log" || echo done)"
        passed=$((passed + 1))
    else
        echo "fuzz_$target FAILED:" >&2
        tail -n 40 "$scratch/$target.log" >&2
        for crash in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-*; do
            [ -e "$crash" ] && { echo "input $(basename "$crash"):" >&2; od -c "$crash" | head -20 >&2; }
        done
        failed=$((failed + 1))
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
