#!/usr/bin/env bash
# End-to-end: the real game in a real X server shows its menu, pixel for pixel image 0 of the
# graphics file its settings choose, and ends cleanly on a close request.
#   menu_screenshot.sh SIXDICE ASSET_DIR E2E_PICTURES
# Run inside an X server (the CTest entry starts one with xvfb-run).
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2
pictures=$3

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# A private copy of the working folder, so the check that nothing is written is exact.
copy_data_files "$assets" nastaveni.zrk grafika_cz.zrk grafika_en.zrk zvuky.zrk hudba
# X drivers keep their allocations until exit; leaks of the game itself are the unit tests' job.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# One run: start the game, find its window, compare the menu with image 0, close it.
check_menu() {
    list_working_folder

    language=$(sed -n '3p' "$work/run/nastaveni.zrk" | tr -d '\r')
    case "$language" in
    CZ) graphics=grafika_cz.zrk caption="Šest kostek" ;;
    EN) graphics=grafika_en.zrk caption="Six Dice" ;;
    *)
        echo "the settings file names no language: \"$language\"" >&2
        exit 1
        ;;
    esac
    "$pictures" image "$work/run/$graphics" 0 "$work/expected.png"

    (cd "$work/run" && exec "$game") >"$work/stdout.txt" 2>"$work/stderr.txt" &
    game_pid=$!

    # The first frame follows the window's first restore.
    window=$(wait_for_window "$game_pid" "$caption")
    expect_picture "$window" "$work/expected.png" "${TMPDIR:-/tmp}/sixdice-e2e-actual.png"

    # The system's request to end the program ends it at once, with exit code 0.
    kill -TERM "$game_pid"
    status=0
    wait "$game_pid" || status=$?
    game_pid=
    if [[ $status -ne 0 ]]; then
        echo "the game ended with exit code $status:" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    fi
    check_nothing_written
    echo "menu matches image 0 of $graphics pixel for pixel"
}

# The settings as generated, then the same with the other language on the third line.
check_menu
original=$language
other=EN
[[ $original == EN ]] && other=CZ
{ sed -n '1,2p' "$assets/nastaveni.zrk"; printf '%s\r\n' "$other"; } >"$work/run/nastaveni.zrk"
check_menu
