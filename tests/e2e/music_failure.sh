#!/usr/bin/env bash
# End-to-end: the menu music named by the settings file is not music. The game's own error box
# says so (no dialog helper program can be reached), Return dismisses it, the menu comes up pixel
# for pixel, and the main window's close box then ends the program with exit code 0.
#   music_failure.sh SIXDICE ASSET_DIR SHOT_DIR E2E_PICTURES E2E_CLOSE_WINDOW
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2
shots=$3
pictures=$4
close_window=$5

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

copy_data_files "$assets" grafika_cz.zrk grafika_en.zrk zvuky.zrk hudba
echo "tohle není hudba" >"$work/run/hudba/nehudba.ogg"
printf 'nehudba.ogg\r\n0\r\nCZ\r\n' >"$work/run/nastaveni.zrk"
"$pictures" image "$work/run/grafika_cz.zrk" 0 "$work/expected.png"
list_working_folder
hide_helper_programs
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

(cd "$work/run" && PATH="$game_path" exec "$game") >"$work/stdout.txt" 2>"$work/stderr.txt" &
game_pid=$!
box=$(wait_for_box "$game_pid")
shoot_box "$box" "$shots/music-error-box.png"
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers Return

# The game goes on: its main window shows the menu.
menu=$(wait_for_window "$game_pid" 'Šest kostek' 400x300)
expect_picture "$menu" "$work/expected.png" "$shots/music-menu.png"
echo "the menu followed the message: $shots/music-menu.png"

"$close_window" "$menu"
wait_for_exit "$game_pid"
if [[ $status -ne 0 ]]; then
    echo "expected exit code 0 after closing the menu, got $status:" >&2
    cat "$work/stderr.txt" >&2
    exit 1
fi
if [[ ! -s "$work/stderr.txt" ]]; then
    echo "the music's failure did not reach standard error" >&2
    exit 1
fi
check_no_helper_called
check_nothing_written
echo "the music's failure was reported in the game's own box, the menu followed, exit code 0"
