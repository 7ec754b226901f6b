#!/usr/bin/env bash
# End-to-end: the real game started where there is no desktop (no DISPLAY, no WAYLAND_DISPLAY, as
# over SSH without forwarding) or where the display named cannot be reached, so that SDL would
# fall back to its invisible driver, says in Czech and then in English that it needs a desktop
# session or --headless, and ends at once with exit code 1. A video driver the player names
# himself, even an invisible one, and --headless still run.
#   no_display.sh SIXDICE ASSET_DIR
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

copy_data_files "$assets" nastaveni.zrk grafika_cz.zrk grafika_en.zrk zvuky.zrk hudba
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
unset SIXDICE_HEADLESS SDL_VIDEODRIVER

fail() {
    echo "$*" >&2
    sed 's/^/  game: /' "$work/stderr.txt" >&2
    exit 1
}

# run_game ENV...: starts the game with these environment changes and waits up to ten seconds.
run_game() {
    (cd "$work/run" && exec env "$@" "$game" --exit-after-first-frame) \
        >"$work/stdout.txt" 2>"$work/stderr.txt" &
    game_pid=$!
    wait_for_exit "$game_pid" 10
}

# refused WHAT CLUE: the game ended with exit code 1 and the two-language message that names the
# clue on its technical line.
refused() {
    local what=$1 clue=$2
    ((status == 1)) || fail "$what: exit code $status, not 1"
    grep -q '^Hra potřebuje grafické prostředí (plochu).*--headless' "$work/stderr.txt" ||
        fail "$what: no Czech message that a desktop is needed"
    grep -q '^The game needs a desktop session.*--headless' "$work/stderr.txt" ||
        fail "$what: no English message that a desktop is needed"
    local czech english
    czech=$(grep -n '^Hra potřebuje' "$work/stderr.txt" | cut -d: -f1)
    english=$(grep -n '^The game needs' "$work/stderr.txt" | cut -d: -f1)
    ((czech < english)) || fail "$what: the English line comes before the Czech one"
    grep -qF "$clue" "$work/stderr.txt" || fail "$what: the message does not say \"$clue\""
    [[ ! -s "$work/stdout.txt" ]] || fail "$what: a frame was presented"
    echo "$what: refused at once with exit code 1, in Czech and English"
}

run_game -u DISPLAY -u WAYLAND_DISPLAY
refused "no display" "neither DISPLAY nor WAYLAND_DISPLAY is set"
run_game DISPLAY= WAYLAND_DISPLAY=
refused "empty display variables" "neither DISPLAY nor WAYLAND_DISPLAY is set"

# A display that does not answer: SDL falls back to its invisible "offscreen" driver.
run_game -u WAYLAND_DISPLAY DISPLAY=:4093 XAUTHORITY=/nonexistent
refused "a display that cannot be reached" 'invisible video driver "offscreen"'

# Asked for, the invisible driver and the headless mode run the game to its first frame.
run_game -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=offscreen
((status == 0)) || fail "SDL_VIDEODRIVER=offscreen: exit code $status, not 0"
run_game -u DISPLAY -u WAYLAND_DISPLAY SIXDICE_HEADLESS=1
((status == 0)) || fail "SIXDICE_HEADLESS=1: exit code $status, not 0"
echo "a driver named by the player and the headless mode still run"
