#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays Zederoru under a real window manager (openbox on a virtual X server), driven by
# xdotool as a player drives it, and checks what only a window manager shows: the arrow keys
# reach the board at start-up and after each window of the game closes, the panel's tool
# tips show while the board has the keys, closing the panel ends the game as Exit does, and
# the two windows come back where they were, ten starts in a row at scale 1 and three at
# scale 2. CTest runs it as
# desktop_windows.
# Usage: check_desktop.sh BUILD_DIR  (the folder that holds the game and its data)
set -euo pipefail
# The checks find the windows by their English titles, whatever the desktop's language.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=

build="$(cd "${1:?usage: check_desktop.sh BUILD_DIR}" && pwd)"
if [ -z "${ZEDERORU_DESKTOP_X:-}" ]; then
    export ZEDERORU_DESKTOP_X=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build"
fi

work="$(mktemp -d)"
# The test suite runs everything else offscreen; this check needs the X server.
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
game="$work/game"
mkdir "$game"
cp "$build/zederoru" "$build"/*.pel "$build"/*.wav "$build"/*.htm "$build"/*.png "$game/"
game_pid=""
wm_pid=""
failures=0

finish() {
    local status=$?
    for pid in $game_pid $wm_pid; do
        kill "$pid" 2>/dev/null || true
    done
    if [ "$status" -ne 0 ] || [ "$failures" -ne 0 ]; then
        echo "display $DISPLAY; the game said:"
        cat "$work/game.log"
        echo "openbox said:"
        cat "$work/openbox.log"
    fi
    rm -rf "$work"
}
trap finish EXIT

# wait_until SECONDS COMMAND...: polls the command until it succeeds or the time is up.
wait_until() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

check() {
    local what="$1"
    shift
    if "$@"; then
        echo "ok    $what"
    else
        echo "FAIL  $what"
        failures=$((failures + 1))
    fi
}

active_name() { xdotool getactivewindow getwindowname 2>/dev/null || true; }
is_active() { [ "$(active_name)" = "$1" ]; }
is_not_active() { [ "$(active_name)" != "$1" ]; }
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
hidden() { ! visible "$1"; }
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }

# The board's picture: it changes when a key moves a piece.
board_picture() { import -window "$main" -crop 350x390+0+0 rgb:- 2>/dev/null | md5sum; }
picture_differs() { [ "$(board_picture)" != "$1" ]; }

# Right arrow: the keyboard piece moves one pixel if, and only if, the board has the keys.
keys_reach_board() {
    wait_until 5 is_active "$main_name" || { echo "active: $(active_name)"; return 1; }
    local before
    before="$(board_picture)"
    xdotool key Right
    wait_until 3 picture_differs "$before"
}

# Windows Qt shows without a frame of the window manager: menus and tool tips.
popups() {
    local w
    for w in $(xdotool search --onlyvisible --class zederoru 2>/dev/null); do
        xwininfo -id "$w" | grep -q 'Override Redirect State: yes' && echo "$w"
    done
}
popup_shown() { [ -n "$(popups)" ]; }

start_game() {
    (cd "$game" && exec ./zederoru "$@" >>"$work/game.log" 2>&1) &
    game_pid=$!
    wait_until 10 visible '^File: ' && wait_until 10 visible '^Zederoru$' || return 1
    main="$(xdotool search --onlyvisible --name '^File: ' | head -n 1)"
    main_name="$(xdotool getwindowname "$main")"
    panel="$(xdotool search --onlyvisible --name '^Zederoru$' | head -n 1)"
}

# Closes the panel as the player does, with Alt+F4; the game must end and store its places.
close_panel() {
    xdotool windowactivate --sync "$panel" >/dev/null 2>&1 || true
    wait_until 5 is_active Zederoru || return 1
    xdotool key alt+F4
    wait_until 10 game_ended
}

stop_game() {
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
}

# The client areas' top left corners of the panel and the board window.
places() {
    local w
    for w in "$panel" "$main"; do
        xwininfo -id "$w" | awk '/Absolute upper-left [XY]/ { printf "%s ", $4 }'
    done
}

click_panel() { xdotool mousemove --window "$panel" "$1" "$2" click "${3:-1}"; }
# The panel's menu item at the given place in the menu, opened with the pointer.
menu_item() {
    click_panel 25 10
    wait_until 5 popup_shown || return 1
    xdotool key $(printf 'Down %.0s' $(seq "$1")) Return
}

# A window opened from the panel closes with Esc; then the board has the keys again.
closes_and_returns_keys() {
    local title="$1"
    wait_until 5 is_active "$title" || return 1
    xdotool key Escape
    wait_until 5 hidden "^$title\$" && keys_reach_board
}

# Openbox runs its start-up command once it manages windows.
openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() { [ -e "$work/wm-ready" ]; }
wait_until 10 wm_ready

# Panel button centres in its client area, and the menu's items.
view_all=(189 106)
reset=(90 52)
target=(120 250)
print=1 help=5 about=6 exit_item=7

start_game || { echo "FAIL  the game starts"; exit 1; }
check "keys reach the board at start-up" keys_reach_board

xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
wait_until 5 is_active "$main_name" || true
xdotool mousemove --window "$panel" "${reset[@]}"
sleep 0.2
xdotool mousemove --window "$panel" $((reset[0] + 2)) $((reset[1] + 1))
check "a tool tip shows on the panel while the board has the keys" wait_until 5 popup_shown
xdotool mousemove --window "$main" 175 200

click_panel "${view_all[@]}"
check "View All opens" wait_until 5 visible '^Click to select'
check "keys reach the board after View All" keys_reach_board
xdotool mousemove --window "$(xdotool search --onlyvisible --name '^Click to select')" 100 100 \
    click 3
check "right click hides the view-all window" wait_until 5 hidden '^Click to select'
check "keys reach the board after the view-all window closes" keys_reach_board

click_panel "${target[@]}" 3
check "the target's right click opens the view-all window" \
    wait_until 5 is_active 'Click to select, right-click to close'
check "keys reach the board after it closes" closes_and_returns_keys \
    'Click to select, right-click to close'

menu_item "$help"
check "keys reach the board after Help" closes_and_returns_keys 'Zederoru Help'
menu_item "$about"
check "keys reach the board after About" closes_and_returns_keys 'About Zederoru'
menu_item "$print"
check "keys reach the board after Print" closes_and_returns_keys 'Print Shapes'

rm -f "$game/Zederoru.cfg"
check "closing the panel ends the game" close_panel
check "closing the panel stores the places as Exit does" \
    grep -qv -- '^-1' <(sed -n 2p "$game/Zederoru.cfg")
stop_game

# Ten starts, each ended by the menu's Exit, leave the windows where they were.
before=""
for run in $(seq 10); do
    start_game || break
    [ -n "$before" ] || before="$(places)"
    menu_item "$exit_item" && wait_until 10 game_ended || break
done
stop_game
start_game
after="$(places)"
check "the windows stand where they stood, ten starts later" test "$after" = "$before"
echo "      client areas of panel and board: $before-> $after"
stop_game

# A figure that the pieces at home form once the large triangle 0 is 20 pixels lower: a drop
# solves it.
{
    head -n 64 "$game/PELORIN.pel"
    printf 'Solved near home\r\n'
    printf '1,28,28,0,28,48,2,220,28,1,136,28,0,208,316,0,268,316,0,28,316,0,100,316\r\n'
} >"$game/solved.pel"
start_game "$game/solved.pel"
xdotool mousemove --window "$main" 60 60 mousedown 1 mousemove --window "$main" 60 80 mouseup 1
check "a drop that solves the figure congratulates" wait_until 5 is_not_active "$main_name"
xdotool key Return
check "keys reach the board after the congratulation" keys_reach_board
stop_game

# At a scale factor of 2 too the places are stored in the units they are read in: three
# starts, each ended by closing the panel, leave the windows where they were.
export QT_SCALE_FACTOR=2
before=""
for run in $(seq 3); do
    start_game || break
    [ -n "$before" ] || before="$(places)"
    close_panel || break
done
stop_game
start_game
after="$(places)"
check "at scale 2 the windows stand where they stood, three starts later" test "$after" = "$before"
echo "      client areas of panel and board: $before-> $after"
stop_game
unset QT_SCALE_FACTOR

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
