#!/usr/bin/env bash
# The Debian package as a distribution ships it: its file list, its launcher and
# metainfo, lintian, and the game played from the package's tree extracted and
# made read-only, by players with HOMEs of their own. Each player's coins stay in
# their own folder, a second start in a folder where a game runs ends at once
# and costs that game nothing, and nothing is ever written into the tree.
# Usage: tst_e2e_package.sh vesk-poker_<version>_<arch>.deb
source "$(dirname "$0")/xgame.sh"
export SDL_AUDIODRIVER=dummy

deb=$(realpath "$1")
scratch=$(mktemp -d)
tree="$scratch/tree"
mounted=""
finish() {
    xgame_cleanup
    [ -z "$mounted" ] || umount "$tree"
    rm -rf "$scratch"
}
trap finish EXIT
fail() { echo "$*" >&2; exit 1; }

version=$(dpkg-deb -f "$deb" Version)
id=$(dpkg-deb -c "$deb" | grep -o 'usr/share/applications/.*\.desktop$' | sed 's#.*/##; s#\.desktop$##')
data=usr/share/games/vesk-poker

expected_files() {
    echo "usr/games/vesk-poker"
    for name in ura joker; do echo "$data/card/$name.bmp"; done
    for suit in clb dia her spd; do
        for n in $(seq 13); do echo "$data/card/${suit}_$n.bmp"; done
    done
    for name in CARD MEDALIN MEDALOUT HOLD BOO win0 win1 win2 BONUS ragtimedance; do
        echo "$data/sound/$name.wav"
    done
    echo "usr/share/applications/$id.desktop"
    echo "usr/share/metainfo/$id.metainfo.xml"
    echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
    for size in 16 22 24 32 48 64 128 256; do
        echo "usr/share/icons/hicolor/${size}x$size/apps/$id.png"
    done
    echo "usr/share/man/man6/vesk-poker.6.gz"
    echo "usr/share/doc/vesk-poker/copyright"
    echo "usr/share/doc/vesk-poker/changelog.gz"
}

check_file_list() {
    local listed
    listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
    diff <(expected_files | sort) <(echo "$listed") || fail "the package's files are not the expected ones"
    echo "file list: $(echo "$listed" | wc -l) files as expected"
}

check_metadata() {
    desktop-file-validate "$tree/usr/share/applications/$id.desktop" ||
        fail "desktop-file-validate refused the launcher"
    appstreamcli validate --no-net "$tree/usr/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli refused the metainfo"
    grep -q "version=\"$version\"" "$tree/usr/share/metainfo/$id.metainfo.xml" ||
        fail "the metainfo does not name release $version"
    zcat "$tree/usr/share/man/man6/vesk-poker.6.gz" | grep -q "vesk-poker $version" ||
        fail "the man page does not name version $version"
    local answer
    answer=$(env -u DISPLAY -u QT_QPA_PLATFORM "$tree/usr/games/vesk-poker" --version) ||
        fail "--version failed"
    [ "$answer" = "vesk-poker $version" ] || fail "--version printed '$answer'"
}

check_lintian() {
    local report
    report=$(lintian --allow-root --tag-display-limit 0 "$deb" 2>&1 || true)
    [ -z "$report" ] || echo "$report"
    ! grep -q '^E:' <<<"$report" || fail "lintian found errors"
}

# A read-only bind mount holds even for root; where none can be made, the game
# runs as nobody in a tree only root may write.
make_tree_read_only() {
    if [ "$(id -u)" -eq 0 ] && mount --bind "$tree" "$tree" 2>/dev/null; then
        mounted=yes
        mount -o remount,bind,ro "$tree" || fail "the tree could not be made read-only"
    elif [ "$(id -u)" -eq 0 ]; then
        XGAME_AS=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    else
        chmod -R a-w "$tree"
    fi
    if touch "$tree/usr/games/probe" 2>/dev/null && [ -z "${XGAME_AS[*]}" ]; then
        fail "the extracted tree is still writable"
    fi
}

# $1: a player's HOME, made empty on first use.
as_player() {
    local home="$scratch/$1"
    mkdir -p "$home"
    [ -z "${XGAME_AS[*]}" ] || chown 65534:65534 "$home"
    XGAME_RUN=("${XGAME_AS[@]}" env -u XDG_DATA_HOME HOME="$home")
    XGAME_DIR="$home/.local/share/vesk-poker"
}

# White card faces fill the row of cards: a table without pictures is green there.
check_cards_shown() {
    local shot="$scratch/table.png" height white
    import -window "$1" "$shot"
    height=$(identify -format '%h' "$shot")
    white=$(convert "$shot" -crop "100%x4%+0+$((height * 62 / 100))" +repage \
        -fill black +opaque white -format '%[fx:mean]' info:)
    awk -v w="$white" 'BEGIN { exit !(w > 0.3) }' || fail "no card faces on the table ($white white)"
}

# The shipped pictures and sounds are links into the tree, named as Poker.ini
# names them.
check_shipped_links() {
    local card
    card=$(readlink -f "$XGAME_DIR/card/ura.bmp")
    [ "$card" = "$tree/$data/card/ura.bmp" ] || fail "the card back is $card"
    [ "$(find "$XGAME_DIR/card" -type l | wc -l)" -eq 54 ] || fail "not 54 card links"
    [ "$(find "$XGAME_DIR/sound" -type l | wc -l)" -eq 10 ] || fail "not 10 sound links"
    [ "$(ini_value CARD URA)" = '\ura.bmp' ] || fail "Poker.ini names the back '$(ini_value CARD URA)'"
}

play_and_quit() {
    local window
    xgame_start
    window=$(xgame_wait_window "VESK POKER")
    play_one_game "$window"
    check_cards_shown "$window"
    xgame_keys "$window" Escape
    xgame_wait_exit || fail "Esc did not end the game cleanly"
}

# While the first game runs, a second start in its folder ends with status 0,
# opens no window, writes nothing and brings the first game to the front (with
# no window manager here, that is the keyboard focus); the first game plays on.
second_start_while_running() {
    local window before status=0
    xgame_start
    window=$(xgame_wait_window "VESK POKER")
    focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
    ! focused || fail "the game had the focus before the second start"
    before=$(cat "$XGAME_DIR/Poker.ini" "$XGAME_DIR/vesk_poker.log" | md5sum)
    timeout 20 "${XGAME_RUN[@]}" "$tree/usr/games/vesk-poker" || status=$?
    [ "$status" -eq 0 ] || fail "the second start ended with status $status"
    [ "$(xdotool search --onlyvisible --name '^VESK POKER$' | wc -l)" -eq 1 ] || fail "a second game window"
    for _ in $(seq 50); do focused && break; sleep 0.1; done
    focused || fail "the running game did not come to the front"
    [ "$(cat "$XGAME_DIR/Poker.ini" "$XGAME_DIR/vesk_poker.log" | md5sum)" = "$before" ] ||
        fail "the second start wrote into the game folder"
    play_one_game "$window"
    xgame_keys "$window" Escape
    xgame_wait_exit || fail "Esc did not end the game cleanly"
}

check_file_list
dpkg-deb -x "$deb" "$tree"
check_metadata
check_lintian
XGAME_AS=()
make_tree_read_only
find "$tree" -printf '%P %s %m %T@\n' | sort >"$scratch/tree.before"

xgame_start_display
XGAME_PROGRAM="$tree/usr/games/vesk-poker"
as_player anna
play_and_quit
check_shipped_links
xgame_check_coins 1
anna_ini=$(md5sum <"$XGAME_DIR/Poker.ini")

as_player ben
play_and_quit
xgame_check_coins 1
[ "$(md5sum <"$scratch/anna/.local/share/vesk-poker/Poker.ini")" = "$anna_ini" ] ||
    fail "the second player's game changed the first player's coins"

as_player anna
second_start_while_running
xgame_check_coins 2

find "$tree" -printf '%P %s %m %T@\n' | sort | diff "$scratch/tree.before" - ||
    fail "the game wrote into the extracted tree"
echo "1 passed, 0 failed"
