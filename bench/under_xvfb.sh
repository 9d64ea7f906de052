#!/usr/bin/env bash
# Runs one benchmark on a private Xvfb, so its paints go through a real X server:
#   bash bench/under_xvfb.sh build-ci/bench/bench_startup
set -euo pipefail

fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$fdfile"' EXIT
for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$fdfile")"
unset QT_QPA_PLATFORM
"$@"
