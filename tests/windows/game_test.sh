#!/usr/bin/env bash
# The Windows game under Wine in Xvfb: started in either language it shows the menu pixel for
# pixel as the Linux build does (image 0 of its graphics file); the close box on the menu ends it
# with the farewell and exit code 0; a bad third settings line shows the error box, which Return
# dismisses, and the exit code is 1; the end of the Windows session ends it at once, without the
# farewell, with exit code 0.
#   game_test.sh WINDOWS_RUN_DIR E2E_PICTURES E2E_CLOSE_WINDOW
# Run inside an X server (xvfb-run), with SIXDICE_WINE and SIXDICE_WINESERVER set.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
run_dir=$(realpath "$1")
pictures=$2
close_window=$3
here=$(dirname "${BASH_SOURCE[0]}")

source "$here/../e2e/common.sh"
source "$here/wine_common.sh"

fail() {
    echo "$*" >&2
    [[ -f "$work/stderr.txt" ]] && sed 's/^/  game: /' "$work/stderr.txt" >&2
    exit 1
}

cp -r "$run_dir/." "$work/run/"
[[ -f "$work/run/sixdice.exe" ]] || fail "no sixdice.exe in $run_dir"
# The shipped music lines, kept whole (a command substitution would drop the last line's end).
mapfile -t music_lines < <(sed -n '1,2p' "$work/run/nastaveni.zrk" | tr -d '\r')
make_prefix

start_game() { # LANGUAGE_LINE
    printf '%s\r\n' "${music_lines[@]}" "$1" >"$work/run/nastaveni.zrk"
    (cd "$work/run" && exec "$wine" sixdice.exe) >"$work/stdout.txt" 2>"$work/stderr.txt" &
    game_pid=$!
}

# The menu in each language, then the close box with the farewell.
for language in CZ EN; do
    case $language in
    CZ) graphics=grafika_cz.zrk caption="Šest kostek" ;;
    EN) graphics=grafika_en.zrk caption="Six Dice" ;;
    esac
    "$pictures" image "$work/run/$graphics" 0 "$work/expected.png"
    start_game "$language"
    window=$(wait_for_named_window "$caption" 60)
    expect_picture "$window" "$work/expected.png" "${TMPDIR:-/tmp}/sixdice-wine-menu-$language.png"
    "$close_window" "$window"
    farewell=no
    for _ in $(seq 1 30); do
        if import -window "$window" "$work/now.png" 2>/dev/null &&
            "$pictures" region "$work/now.png" "$work/run/$graphics" 5 0 0 400 300 2>/dev/null; then
            farewell=yes
            break
        fi
        sleep 0.1
    done
    wait_for_exit "$game_pid" 30
    [[ $farewell == yes ]] || fail "$language: the close box on the menu showed no farewell"
    ((status == 0)) || fail "$language: the close box on the menu gave exit code $status"
    echo "$language: the menu equals the Linux build's pixel for pixel; the close box ends it with the farewell and 0"
done

# A bad third line: the error box, dismissed with Return, and exit code 1.
start_game "XX"
box=$(wait_for_named_window "Šest kostek" 60)
shoot_box "$box" "${TMPDIR:-/tmp}/sixdice-wine-error-box.png"
xdotool key --window "$box" Return
wait_for_exit "$game_pid" 30
((status == 1)) || fail "the error box: exit code $status, not 1"
grep -q 'CZ' "$work/stderr.txt" || fail "the error box's text did not reach standard error"
echo "a bad third settings line: the error box, Return, exit code 1"

# The session ends: the game ends at once, without the farewell, with exit code 0.
start_game CZ
window=$(wait_for_named_window "Šest kostek" 60)
"$wine" wineboot --end-session >/dev/null 2>&1 &
ender=$!
farewell=no
for _ in $(seq 1 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    if import -window "$window" "$work/now.png" 2>/dev/null &&
        "$pictures" region "$work/now.png" "$work/run/grafika_cz.zrk" 5 0 0 400 300 2>/dev/null; then
        farewell=yes
    fi
    sleep 0.1
done
wait_for_exit "$game_pid" 10
# wineboot itself now and then never returns once the game has gone: it is given 30 seconds.
for _ in $(seq 1 300); do
    kill -0 "$ender" 2>/dev/null || break
    sleep 0.1
done
kill "$ender" 2>/dev/null || true
wait "$ender" || true
[[ $farewell == no ]] || fail "the session's end showed the farewell"
((status == 0)) || fail "the session's end: exit code $status, not 0"
echo "the end of the session ends the game at once with exit code 0, no farewell"
