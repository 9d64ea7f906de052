#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test
# headless: widget tests offscreen, the end-to-end test under its own Xvfb. Then
# builds the Debian package and plays it as an installed game would be played.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
deb=$(bash scripts/package.sh | tail -n1)
bash tests/e2e/tst_e2e_package.sh "$deb"
