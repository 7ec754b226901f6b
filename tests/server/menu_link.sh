#!/usr/bin/env bash
# The game's menu link to the on-line table, end to end: the real game in a real X server is
# pointed at the table's server (SIXDICE_SCORE_SERVER); a click on its "on-line" plate goes through
# xdg-open to the browser ($BROWSER: headless Chromium), which shows the table page.
#   menu_link.sh SIXDICE ASSET_DIR PRINT_ADDRESS [SCREENSHOT_DIR]
# Run inside an X server (the CTest entry starts one with xvfb-run).
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2
print_address=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
table_test_init
shots=${4:-$TABLE_TEST_DIR/shots}
mkdir -p "$shots" "$TABLE_TEST_DIR/run"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

server_start
curl -s -o /dev/null -f "$("$print_address" "$SERVER_BASE" 'Menu Žák' 2024 '' 7)"

for file in nastaveni.zrk grafika_cz.zrk grafika_en.zrk zvuky.zrk hudba; do
    [[ -e $assets/$file ]] || fail "the working folder $assets has no $file (build the assets first)"
    cp -r "$assets/$file" "$TABLE_TEST_DIR/run/"
done
# The game's menu in Czech, whatever the generated settings say.
{ sed -n '1,2p' "$assets/nastaveni.zrk"; printf 'CZ\r\n'; } >"$TABLE_TEST_DIR/run/nastaveni.zrk"

use_test_browser
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
(cd "$TABLE_TEST_DIR/run" && SIXDICE_SCORE_SERVER=$SERVER_BASE exec "$game") \
    >"$TABLE_TEST_DIR/game.log" 2>&1 &
game_pid=$!
table_cleanups+=("kill -KILL $game_pid")

window=
for _ in $(seq 1 100); do
    for candidate in $(xdotool search --pid "$game_pid" 2>/dev/null || true); do
        [[ "$(xdotool getwindowname "$candidate" 2>/dev/null)" == "Šest kostek" ]] && window=$candidate
    done
    [[ -n $window ]] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$TABLE_TEST_DIR/game.log")"
    sleep 0.1
done
[[ -n $window ]] || fail "the game's window did not appear"
sleep 0.5

# The on-line plate: x 272..400, y 250..300 on the menu. A click acts where the pointer last moved.
xdotool mousemove --window "$window" 330 280
sleep 0.2
xdotool click 1
browser_wait 1 60
[[ $(cat "$TABLE_TEST_DIR/browser/001.url") == "$SERVER_BASE/savescore.php?gid=43" ]] ||
    fail "the game opened $(cat "$TABLE_TEST_DIR/browser/001.url")"
grep -q '<td class="name">Menu Žák</td><td class="num">2024</td>' "$TABLE_TEST_DIR/browser/001.html" ||
    fail "the browser did not show the table"
cp "$TABLE_TEST_DIR/browser/001.png" "$shots/menu-link.png"

kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
[[ $status -eq 0 ]] || fail "the game ended with exit code $status"
echo "the menu's link opened the table page in the browser"
