#!/usr/bin/env bash
# End-to-end: a settings file whose third line names no language is refused in a real X server
# with the standard error message box (its text also on standard error); dismissing the box ends
# the program with exit code 1 and nothing written.
#   startup_failure.sh SIXDICE ASSET_DIR
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

copy_data_files "$assets" grafika_cz.zrk grafika_en.zrk zvuky.zrk
printf '0\r\n0\r\ncz\r\n' >"$work/run/nastaveni.zrk"
list_working_folder

export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
(cd "$work/run" && exec "$game") >"$work/stdout.txt" 2>"$work/stderr.txt" &
game_pid=$!

# The message box is a top-level window captioned with the application title that is not the
# game's own window (whose class is "sixdice").
box=
for _ in $(seq 1 100); do
    line=$(xwininfo -root -tree | grep '"Šest kostek"' | grep -v '("sixdice"' | head -n1 || true)
    if [[ -n "$line" ]]; then
        box=$(printf '%d' "$(awk '{print $1}' <<<"$line")")
        break
    fi
    if ! kill -0 "$game_pid" 2>/dev/null; then
        echo "the game ended without showing a message box:" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    fi
    sleep 0.1
done
if [[ -z "$box" ]]; then
    echo "no message box appeared" >&2
    exit 1
fi
if ! kill -0 "$game_pid" 2>/dev/null; then
    echo "the game did not wait for the message box to be dismissed" >&2
    exit 1
fi

xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key --window "$box" Return
status=0
for _ in $(seq 1 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
wait "$game_pid" || status=$?
game_pid=
if [[ $status -ne 1 ]]; then
    echo "expected exit code 1 after the message, got $status" >&2
    exit 1
fi
expected='The third line of the file "nastaveni.zrk" is "cz"; the accepted values are "CZ" (Czech) and "EN" (English).'
if ! grep -qF "$expected" "$work/stderr.txt" || ! grep -qF 'Třetí řádek souboru "nastaveni.zrk" je "cz"' "$work/stderr.txt"; then
    echo "standard error lacks the message in both languages:" >&2
    cat "$work/stderr.txt" >&2
    exit 1
fi
check_nothing_written
echo "the bad language line was refused with its message box and exit code 1"
