#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test
# headless: widget tests offscreen, the end-to-end test under its own Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
