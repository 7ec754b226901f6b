#!/usr/bin/env bash
# End-to-end: the system's request to end the program (SIGTERM, SIGINT, SIGHUP) ends the real game
# at once with exit code 0, on the menu and in the middle of a game (where the window's close box
# would only lead back to the menu), and never shows the farewell, which a close request on the
# menu shows for a second and a half.
#   termination.sh SIXDICE ASSET_DIR E2E_PICTURES E2E_CLOSE_WINDOW
# Run inside an X server (the CTest entry starts one with xvfb-run).
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2
pictures=$3
close_window=$4

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

copy_data_files "$assets" grafika_cz.zrk grafika_en.zrk zvuky.zrk hudba
printf 'menu.ogg\r\nhra.ogg\r\nCZ\r\n' >"$work/run/nastaveni.zrk"
graphics="$work/run/grafika_cz.zrk"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

fail() {
    echo "$*" >&2
    [[ -f "$work/stderr.txt" ]] && sed 's/^/  game: /' "$work/stderr.txt" >&2
    exit 1
}

# shows REGION...: the latest screenshot shows this part of an image of the graphics file.
shows() { "$pictures" region "$work/now.png" "$graphics" "$@" 2>/dev/null; }
wait_for() { # DESCRIPTION IMAGE X Y W H
    local what=$1
    shift
    for _ in $(seq 1 50); do
        import -window "$window" "$work/now.png" 2>/dev/null && shows "$@" && return 0
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended while waiting for $what"
        sleep 0.2
    done
    fail "the screen never showed $what"
}
click() {
    xdotool mousemove --window "$window" "$1" "$2"
    sleep 0.05
    xdotool click 1
}

# running PID: the game has not ended yet (an ended child stays a zombie, which kill -0 still finds,
# until it is waited for).
running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $state != Z* ]]
}

# end_with SIGNAL WHERE: sends the signal and watches the window until the game has ended: the
# farewell picture must never show, the exit code must be 0, and the end must come within a
# second, even in the middle of a sound the game waits for (the start of a game plays one).
end_with() {
    local signal=$1 where=$2 started farewell=no
    started=$(date +%s%N)
    # The moment the game ends is taken by a watcher of its own, so that a screenshot under way
    # never counts towards the game's time.
    rm -f "$work/ended"
    (
        while running "$game_pid"; do sleep 0.01; done
        date +%s%N >"$work/ended"
    ) &
    local watcher=$!
    kill "-$signal" "$game_pid"
    for _ in $(seq 1 50); do
        running "$game_pid" || break
        # xwd, not import: import holds the X server while it copies, which would stall the
        # game's own goodbye to the server, and waits for a click when the window has just gone.
        if timeout 2 xwd -silent -id "$window" -out "$work/now.xwd" 2>/dev/null &&
            convert "xwd:$work/now.xwd" "$work/now.png" 2>/dev/null &&
            shows 5 0 0 400 300; then
            farewell=yes
        fi
        sleep 0.1
    done
    wait_for_exit "$game_pid" 1
    wait "$watcher"
    local took=$((($(cat "$work/ended") - started) / 1000000))
    [[ $farewell == no ]] || fail "SIG$signal $where: the farewell was shown"
    ((status == 0)) || fail "SIG$signal $where: exit code $status, not 0"
    ((took < 1000)) || fail "SIG$signal $where: the game took $took ms to end"
    echo "SIG$signal $where: ended in $took ms with exit code 0, no farewell"
}

start_game() {
    (cd "$work/run" && exec "$game") >"$work/stdout.txt" 2>"$work/stderr.txt" &
    game_pid=$!
    window=$(wait_for_window "$game_pid" "Šest kostek")
    wait_for "the menu" 0 200 100 60 60
}

for signal in TERM INT HUP; do
    start_game
    end_with "$signal" "on the menu"

    start_game
    click 218 45 # new game
    wait_for "the player setup" 6 120 180 100 50
    click 62 262 # start
    wait_for "the game board" 15 300 0 240 40
    end_with "$signal" "during a game"
done

# The window's close box keeps its rules: on the menu it ends the game with the farewell.
start_game
"$close_window" "$window"
wait_for "the farewell" 5 0 0 400 300
wait_for_exit "$game_pid"
((status == 0)) || fail "the close box on the menu: exit code $status"
echo "the close box on the menu: the farewell, then exit code 0"
