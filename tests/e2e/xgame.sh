# Shared steps of the end-to-end tests: a private Xvfb, a temporary program
# folder holding a copy of the real program (or a game folder of the player's,
# XGAME_DIR, for an installed one), xdotool to play it, and the checks of what
# it saved.
# Source this file, then call the functions; xgame_cleanup runs on exit.

set -euo pipefail

XGAME_DIR=""
XGAME_XVFB_PID=""
XGAME_PID=""

xgame_cleanup() {
    [ -n "$XGAME_PID" ] && kill "$XGAME_PID" 2>/dev/null || true
    [ -n "$XGAME_XVFB_PID" ] && kill "$XGAME_XVFB_PID" 2>/dev/null || true
    [ -n "$XGAME_DIR" ] && rm -rf "$XGAME_DIR"
}
trap xgame_cleanup EXIT

xgame_start_display() {
    local fdfile
    fdfile=$(mktemp)
    # -noreset: the server would reset as each game closes, refusing the next start meanwhile.
    Xvfb -displayfd 3 -screen 0 "${XGAME_SCREEN:-1280x1024x24}" -nolisten tcp -noreset \
        3>"$fdfile" 2>/dev/null &
    XGAME_XVFB_PID=$!
    for _ in $(seq 300); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
    unset QT_QPA_PLATFORM
}

# $1: the built program; copies it (and any assets beside it) into a fresh folder.
xgame_make_folder() {
    local program=$1
    XGAME_DIR=$(mktemp -d)
    cp "$program" "$XGAME_DIR/"
    local built
    built=$(dirname "$program")
    for assets in card sound; do
        if [ -d "$built/$assets" ]; then
            cp -r "$built/$assets" "$XGAME_DIR/"
        fi
    done
    XGAME_PROGRAM="$XGAME_DIR/$(basename "$program")"
}

# Words to start the program with, such as env HOME=... or another user's id.
XGAME_RUN=()

xgame_start() {
    "${XGAME_RUN[@]}" "$XGAME_PROGRAM" &
    XGAME_PID=$!
}

# Waits for the window named $1 and prints its id.
xgame_wait_window() {
    local id=""
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "window '$1' never appeared" >&2; return 1; }
    echo "$id"
}

# Presses keys in the window $1, one after the other.
xgame_keys() {
    local window=$1
    shift
    # No window manager runs here: focus the window and type through XTEST,
    # since the toolkit ignores synthetic events sent to a window.
    xdotool windowfocus --sync "$window"
    for key in "$@"; do
        xdotool key "$key"
    done
}

# Waits, up to 30 s, until the command "$@" succeeds; the game's own pauses are
# real, and a loaded machine stretches them.
xgame_until() {
    for _ in $(seq 300); do
        "$@" && return 0
        sleep 0.1
    done
    echo "never came: $*" >&2
    return 1
}

# Whether the game window $1 at its first size shows button $2 (0 COLLECT, 1 HALF
# DOUBLE, 2 MAX BET, 3 1 BET, 4 REP BET, 5 DUAL/DOUBLE) enabled: an enabled caption
# is black, a disabled one grey.
xgame_button_on() {
    local darkest
    darkest=$(import -window "$1" -crop "80x10+$((132 * $2 + 26))+548" -colorspace Gray \
        -format "%[fx:int(255*minima)]" info: 2>/dev/null) || return 1
    [ "$darkest" -lt 100 ]
}

# Whether the result line of the game window $1 at its first size is empty.
xgame_result_empty() {
    [ "$(import -window "$1" -crop 792x41+0+217 -format %k info: 2>/dev/null)" = 1 ]
}

# Waits for the program to end by itself and returns its exit status.
xgame_wait_exit() {
    local status=0
    for _ in $(seq 300); do
        if ! kill -0 "$XGAME_PID" 2>/dev/null; then
            wait "$XGAME_PID" || status=$?
            XGAME_PID=""
            return "$status"
        fi
        sleep 0.1
    done
    echo "the program did not end" >&2
    return 124
}

log_records() {
    local log="$XGAME_DIR/vesk_poker.log"
    [ -f "$log" ] && grep -c . "$log" || echo 0
}

# The game's pauses are real: each key waits for the buttons it needs, and
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

ini_value() {
    awk -F= -v section="[$1]" -v key="$2" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == section); next }
        inside && $1 == key { print substr($0, length(key) + 2); exit }
    ' "$XGAME_DIR/Poker.ini"
}

# Poker.ini and the play log agree after $1 finished games of 10 coins each:
# TOTAL = 50 - TOTAL_GET + TOTAL_PUT, one record per game, and the last record's
# balance and totals are the saved ones.
xgame_check_coins() {
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
    balance=$(tail -n1 "$log" | cut -d, -f2,5,6 | tr -d '\r')
    [ "$balance" = "$total,$got,$put" ] ||
        { echo "last record's balance and totals $balance, saved $total,$got,$put" >&2; exit 1; }
}
