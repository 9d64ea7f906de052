#!/usr/bin/env bash
# The real program in an empty folder, played for a few games with the keys alone
# (MAX BET, two holds, draw, COLLECT when a win is offered), with a look at the
# statistics screen after the first, then closed with Esc.
# Every coin must be accounted for in Poker.ini: TOTAL = 50 - TOTAL_GET + TOTAL_PUT,
# and the play log holds one record per finished game, the last with the balance.
source "$(dirname "$0")/xgame.sh"

readonly GAMES=3

# The game's pauses are real here: a deal or a draw turns ten cards at 200 ms.
play_one_game() {
    local window=$1
    xgame_keys "$window" s
    sleep 2.5
    xgame_keys "$window" g j Return
    sleep 3
    xgame_keys "$window" space
    sleep 5
}

within_5s() { for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done; return 1; }
geometry() { xdotool getwindowgeometry "$1" | tail -n +2; }
other_window() { xdotool search --onlyvisible --pid "$XGAME_PID" | grep -vx "$window" | head -n1; }
screen_shown() { [ -n "$(other_window)" ]; }
screen_gone() { [ -z "$(other_window)" ]; }

# X lays the statistics screen exactly over the game window; any key takes it away.
view_statistics() {
    xgame_keys "$window" x
    within_5s screen_shown || { echo "X showed no statistics screen" >&2; return 1; }
    [ "$(geometry "$(other_window)")" = "$(geometry "$window")" ] ||
        { echo "the statistics screen does not cover the game" >&2; return 1; }
    sleep 1
    xdotool key q
    within_5s screen_gone || { echo "a key did not close the statistics screen" >&2; return 1; }
}

# Esc is refused while a payout is still counted, so it is pressed until the
# program has ended.
quit_with_escape() {
    local window=$1
    for _ in $(seq 30); do
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        xdotool key Escape 2>/dev/null || true
        for _ in $(seq 20); do
            kill -0 "$XGAME_PID" 2>/dev/null || { xgame_wait_exit; return; }
            sleep 0.1
        done
    done
    echo "the program did not end on Esc" >&2
    return 1
}

ini_value() {
    awk -F= -v section="[$1]" -v key="$2" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == section); next }
        inside && $1 == key { print substr($0, length(key) + 2); exit }
    ' "$XGAME_DIR/Poker.ini"
}

xgame_start_display
xgame_make_folder "$1"
xgame_start
window=$(xgame_wait_window "VESK POKER")
play_one_game "$window"
view_statistics
for _ in $(seq $((GAMES - 1))); do
    play_one_game "$window"
done
quit_with_escape "$window"

total=$(ini_value COIN TOTAL)
got=$(ini_value COIN TOTAL_GET)
put=$(ini_value COIN TOTAL_PUT)
echo "TOTAL=$total TOTAL_GET=$got TOTAL_PUT=$put"
[ -n "$total" ] && [ -n "$got" ] && [ -n "$put" ] || { echo "Poker.ini lacks [COIN]" >&2; exit 1; }
[ "$got" -ge 10 ] || { echo "not one game was bet" >&2; exit 1; }
[ "$total" -eq $((50 - got + put)) ] || { echo "coins were lost or made" >&2; exit 1; }

log="$XGAME_DIR/vesk_poker.log"
[ -f "$log" ] || { echo "no play log" >&2; exit 1; }
records=$(grep -cE "^-?[0-9]+(,-?[0-9]+){5}"$'\r'"\$" "$log" || true)
[ "$records" -eq "$(wc -l <"$log")" ] || { echo "malformed play log" >&2; exit 1; }
started=$((got / 10))
[ "$records" -eq "$started" ] || [ "$records" -eq $((started - 1)) ] ||
    { echo "$records records for $started games" >&2; exit 1; }
if [ "$records" -eq "$started" ]; then
    balance=$(tail -n1 "$log" | cut -d, -f2)
    [ "$balance" -eq "$total" ] || { echo "last record's balance $balance, saved $total" >&2; exit 1; }
fi
echo "1 passed, 0 failed"
