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

# $1: the number of finished games so far.
check_saved() {
    xgame_check_coins "$1"
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
