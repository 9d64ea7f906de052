#!/usr/bin/env bash
# Takes a screenshot of the game as a player sees it, title bar included: the real
# program in a fresh folder under a private Xvfb with a window manager.
# Usage: scripts/screenshot.sh OUT.png [xdotool keys to press first ...]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1")
shift

if ! command -v openbox >/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
    DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends openbox
fi

source tests/e2e/xgame.sh
xgame_start_display
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; xgame_cleanup' EXIT
xgame_make_folder build/src/vesk-poker
xgame_start
window=$(xgame_wait_window "VESK POKER")
sleep 1
if [ $# -gt 0 ]; then
    xgame_keys "$window" "$@"
    sleep 2
fi
import -window "$window" -frame "$out"
echo "$out"
