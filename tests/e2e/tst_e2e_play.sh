#!/usr/bin/env bash
# The real program in an empty folder, played with the keys alone (MAX BET, two
# holds, draw, COLLECT when a win is offered). Every finished game is saved at once:
# after two games a SIGTERM (a shutdown) ends the program through its own close,
# after one more a SIGKILL leaves no chance to save at all, and after a last one Esc
# closes it. Each time the coins add up, TOTAL = 50 - TOTAL_GET + TOTAL_PUT, and
# Poker.ini holds the balance of the play log's last record. Between the first two
# games Z opens the settings dialog, whose speed is set to 100 with the keys alone,
# and X shows the statistics screen until a key; the game plays on, and every later
# exit keeps the saved speed.
source "$(dirname "$0")/xgame.sh"

log_records() {
    local log="$XGAME_DIR/vesk_poker.log"
    [ -f "$log" ] && grep -c . "$log" || echo 0
}

# The game's pauses are real here: each key waits for the buttons it needs, and
# the game has ended when its record is in the log.
play_one_game() {
    local window=$1 records
    records=$(log_records)
    xgame_until xgame_button_on "$window" 2
    xgame_keys "$window" s
    xgame_until xgame_button_on "$window" 5
    xgame_keys "$window" g j Return
    xgame_until offered_or_over "$window"
    if xgame_button_on "$window" 0; then
        xgame_keys "$window" space
    fi
    xgame_until logged_after "$records" || { echo "the game never ended" >&2; return 1; }
}

offered_or_over() { xgame_button_on "$1" 0 || xgame_button_on "$1" 2; }
logged_after() { [ "$(log_records)" -gt "$1" ]; }
geometry() { xdotool getwindowgeometry "$1" | tail -n +2; }
other_window() { xdotool search --onlyvisible --pid "$XGAME_PID" | grep -vx "$window" | head -n1; }
screen_shown() { [ -n "$(other_window)" ]; }
screen_gone() { [ -z "$(other_window)" ]; }

# X lays the statistics screen exactly over the game window; any key takes it away.
view_statistics() {
    xgame_keys "$window" x
    xgame_until screen_shown || { echo "X showed no statistics screen" >&2; return 1; }
    [ "$(geometry "$(other_window)")" = "$(geometry "$window")" ] ||
        { echo "the statistics screen does not cover the game" >&2; return 1; }
    xgame_keys "$(other_window)" q
    xgame_until screen_gone || { echo "a key did not close the statistics screen" >&2; return 1; }
}

# Tab to ETC_SET and press it, Tab to the speed box, pick "100", Tab to its
# "はい" and press it, then Esc closes the dialog. The game then types its closing
# line and clears it.
set_speed_in_dialog() {
    local window=$1
    xgame_keys "$window" z
    local dialog
    dialog=$(xgame_wait_window "SETTING")
    xgame_keys "$dialog" Tab Tab Return Tab Up Tab Return Escape
    xgame_until screen_gone
    xgame_until speed_saved
    xgame_until xgame_result_empty "$window"
}

speed_saved() { [ "$(ini_value SETTING GAME)" = 100 ]; }

ini_value() {
    awk -F= -v section="[$1]" -v key="$2" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == section); next }
        inside && $1 == key { print substr($0, length(key) + 2); exit }
    ' "$XGAME_DIR/Poker.ini"
}

# $1: the number of finished games so far.
check_saved() {
    local games=$1 log="$XGAME_DIR/vesk_poker.log"
    local total got put records balance
    total=$(ini_value COIN TOTAL)
    got=$(ini_value COIN TOTAL_GET)
    put=$(ini_value COIN TOTAL_PUT)
    echo "TOTAL=$total TOTAL_GET=$got TOTAL_PUT=$put"
    [ -n "$total" ] && [ -n "$got" ] && [ -n "$put" ] || { echo "Poker.ini lacks [COIN]" >&2; exit 1; }
    [ "$got" -eq $((10 * games)) ] || { echo "$got coins bet in $games games" >&2; exit 1; }
    [ "$total" -eq $((50 - got + put)) ] || { echo "coins were lost or made" >&2; exit 1; }
    records=$(grep -cE "^-?[0-9]+(,-?[0-9]+){5}"$'\r'"\$" "$log" || true)
    [ "$records" -eq "$(wc -l <"$log")" ] || { echo "malformed play log" >&2; exit 1; }
    [ "$records" -eq "$games" ] || { echo "$records records for $games games" >&2; exit 1; }
    balance=$(tail -n1 "$log" | cut -d, -f2)
    [ "$balance" -eq "$total" ] || { echo "last record's balance $balance, saved $total" >&2; exit 1; }
    [ "$(ini_value SETTING GAME)" = 100 ] || { echo "the speed set in the dialog was lost" >&2; exit 1; }
}

xgame_start_display
xgame_make_folder "$1"

xgame_start
window=$(xgame_wait_window "VESK POKER")
play_one_game "$window"
set_speed_in_dialog "$window"
view_statistics
play_one_game "$window"
kill -TERM "$XGAME_PID"
xgame_wait_exit || { echo "SIGTERM did not end the program cleanly" >&2; exit 1; }
check_saved 2

xgame_start
window=$(xgame_wait_window "VESK POKER")
play_one_game "$window"
kill -KILL "$XGAME_PID"
xgame_wait_exit || true
check_saved 3

xgame_start
window=$(xgame_wait_window "VESK POKER")
play_one_game "$window"
xgame_keys "$window" Escape
xgame_wait_exit || { echo "Esc did not end the program cleanly" >&2; exit 1; }
check_saved 4
echo "1 passed, 0 failed"
