#!/usr/bin/env bash
# End-to-end: a settings file whose third line names no language is refused in a real X server
# with the game's own error box, its text also on standard error, while no dialog helper program
# (zenity, kdialog, ...) can be reached. Return dismisses the box, and in a second run its close
# box does; each time the program ends with exit code 1 and writes nothing.
#   startup_failure.sh SIXDICE ASSET_DIR SHOT_DIR E2E_CLOSE_WINDOW
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2
shots=$3
close_window=$4

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

copy_data_files "$assets" grafika_cz.zrk grafika_en.zrk zvuky.zrk
printf '0\r\n0\r\ncz\r\n' >"$work/run/nastaveni.zrk"
list_working_folder
hide_helper_programs
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# refuse HOW: one run, its box dismissed by Return or by the close box.
refuse() {
    local how=$1 box
    (cd "$work/run" && PATH="$game_path" exec "$game") >"$work/stdout.txt" 2>"$work/stderr.txt" &
    game_pid=$!
    box=$(wait_for_box "$game_pid")
    shoot_box "$box" "$shots/error-box-$how.png"
    if ! kill -0 "$game_pid" 2>/dev/null; then
        echo "the game did not wait for the message box to be dismissed" >&2
        exit 1
    fi
    if [[ $how == return ]]; then
        xdotool windowfocus --sync "$box"
        xdotool key --clearmodifiers Return
    else
        "$close_window" "$box"
    fi
    wait_for_exit "$game_pid"
    if [[ $status -ne 1 ]]; then
        echo "expected exit code 1 after the message ($how), got $status" >&2
        exit 1
    fi
    expected='The third line of the file "nastaveni.zrk" is "cz"; the accepted values are "CZ" (Czech) and "EN" (English).'
    if ! grep -qF "$expected" "$work/stderr.txt" ||
        ! grep -qF 'Třetí řádek souboru "nastaveni.zrk" je "cz"' "$work/stderr.txt"; then
        echo "standard error lacks the message in both languages:" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    fi
    check_no_helper_called
    check_nothing_written
    echo "the bad language line was refused with the game's own box ($how) and exit code 1"
}

refuse return
refuse closebox
