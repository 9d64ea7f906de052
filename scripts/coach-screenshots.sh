#!/usr/bin/env bash
# Screenshots of the coach: the table with five cards dealt, the table with a win on
# offer, and the side window, from the real program under a private Xvfb wide enough
# for both windows. Deals are random: games are played until a draw pays.
# Usage: scripts/coach-screenshots.sh OUT_FOLDER [PROGRAM, build/src/vesk_poker by default]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1")
mkdir -p "$out"

XGAME_SCREEN=1920x1080x24
source tests/e2e/xgame.sh
xgame_start_display
xgame_make_folder "${2:-build/src/vesk_poker}"

# A first start writes the default Poker.ini; the shots are taken at a quicker pace.
xgame_start
xgame_keys "$(xgame_wait_window "VESK POKER")" Escape
xgame_wait_exit
sed -i 's/^GAME=200/GAME=20/' "$XGAME_DIR/Poker.ini"

xgame_start
game=$(xgame_wait_window "VESK POKER")
xgame_keys "$game" c
coach=$(xgame_wait_window "COACH")
games() { [ -f "$XGAME_DIR/vesk_poker.log" ] && wc -l <"$XGAME_DIR/vesk_poker.log" || echo 0; }
for _ in $(seq 60); do
    xgame_keys "$game" s
    sleep 1
    xgame_keys "$game" h
    sleep 0.5
    import -window "$game" "$out/coach-deal.png"
    import -window "$coach" "$out/coach-window.png"
    before=$(games)
    xgame_keys "$game" Return
    sleep 2
    if [ "$(games)" = "$before" ]; then
        import -window "$game" "$out/coach-offer.png"
        import -window "$coach" "$out/coach-window-offer.png"
        ls "$out"
        exit 0
    fi
done
echo "no draw paid in 60 games" >&2
exit 1
