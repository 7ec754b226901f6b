#!/usr/bin/env bash
# End-to-end: the error box for failures before the game's services exist. In a real X server a
# long message of several lines appears in the game's own box (no dialog helper program can be
# reached) and Escape dismisses it; headless, and without any display, the message goes to
# standard error only and nothing waits.
#   error_box_alone.sh E2E_ERROR_BOX SHOT_DIR FONT_DIR
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
program=$1
shots=$2
export SIXDICE_FONT_DIR=$3

game=$program
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
hide_helper_programs
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

message='Soubor „grafika_cz.zrk“ nelze otevřít: adresář nebo soubor neexistuje. Spusťte hru ze složky, ve které leží její datové soubory (nastaveni.zrk, grafika_cz.zrk, grafika_en.zrk, zvuky.zrk).
Chyba systému: No such file or directory

The file "grafika_cz.zrk" cannot be opened: no such file or directory. Start the game from the folder that holds its data files (nastaveni.zrk, grafika_cz.zrk, grafika_en.zrk, zvuky.zrk).'

(cd "$work/run" && PATH="$game_path" exec "$program" "$message") >"$work/stdout.txt" 2>"$work/stderr.txt" &
game_pid=$!
# Even before the services, the box carries the game's window class.
box=$(wait_for_box "$game_pid")
shoot_box "$box" "$shots/error-box-alone.png"
read -r width height < <(identify -format '%w %h\n' "$shots/error-box-alone.png")
if ((width > 560 || height < 150)); then
    echo "a long message should wrap into a box of sensible width, not ${width}x$height" >&2
    exit 1
fi
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers Escape
wait_for_exit "$game_pid"
if [[ $status -ne 0 ]] || [[ "$(cat "$work/stderr.txt")" != "$message" ]]; then
    echo "expected the message on standard error and exit code 0, got $status:" >&2
    cat "$work/stderr.txt" >&2
    exit 1
fi
check_no_helper_called

# Nothing to show it on: standard error only, and the program does not wait.
for how in headless no-display; do
    if [[ $how == headless ]]; then
        timeout 5 env SIXDICE_HEADLESS=1 PATH="$game_path" "$program" "$message" 2>"$work/stderr.txt"
    else
        timeout 5 env -u DISPLAY PATH="$game_path" "$program" "$message" 2>"$work/stderr.txt"
    fi
    if [[ "$(cat "$work/stderr.txt")" != *"$message"* ]]; then
        echo "$how: the message should go to standard error alone, got:" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    fi
done
check_no_helper_called
echo "the error box before the services: shown and dismissed by Escape, standard error only when headless or without a display"
