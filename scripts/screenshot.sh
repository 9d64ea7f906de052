#!/usr/bin/env bash
# Takes the README's screenshot of the game as a new player first sees it, title bar
# included: the real program in a fresh folder (50 coins) under a private Xvfb with a
# window manager. VESK_POKER_SEED fixes the cards: MAX BET deals a full house, queens
# over twos, which is held whole and drawn to, so the win of 50 is on offer with the
# double-up panel and the style menu, and the credits read 40.
# Usage: scripts/screenshot.sh OUT.png [PROGRAM, build/src/vesk-poker by default]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1")

if ! command -v openbox >/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
    DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends openbox
fi

source tests/e2e/xgame.sh
xgame_start_display
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; xgame_cleanup' EXIT
xgame_make_folder "${2:-build/src/vesk-poker}"
XGAME_RUN=(env VESK_POKER_SEED=1791)
xgame_start
window=$(xgame_wait_window "VESK POKER")
xgame_until xgame_button_on "$window" 2
xgame_keys "$window" s
xgame_until xgame_button_on "$window" 5
xgame_keys "$window" g h j k l Return
xgame_until xgame_button_on "$window" 0
# The message line blinks; the picture is taken while it reads ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ.
message_lit() { [ "$(import -window "$window" -crop 792x12+0+498 -format %k info:)" -gt 1 ]; }
sleep 1
xgame_until message_lit
import -window "$window" -frame "$out"
xgame_keys "$window" Escape
xgame_wait_exit
echo "$out"
