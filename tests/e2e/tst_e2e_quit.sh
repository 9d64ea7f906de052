#!/usr/bin/env bash
# The real program starts in an empty folder, shows its window, and Esc ends it
# with status 0.
source "$(dirname "$0")/xgame.sh"

xgame_start_display
xgame_make_folder "$1"
xgame_start
window=$(xgame_wait_window "VESK POKER")
xgame_keys "$window" Escape
xgame_wait_exit
echo "1 passed, 0 failed"
