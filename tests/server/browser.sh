#!/usr/bin/env bash
# A real browser on the table: headless Chromium shows the table page, and the desktop's way of
# opening an address (xdg-open with BROWSER set) carries a submission built by the game's own
# scores library to the server, which stores the exact name and shows the row highlighted.
#   browser.sh PRINT_ADDRESS [SCREENSHOT_DIR]
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
print_address=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
table_test_init
shots=${2:-$TABLE_TEST_DIR/shots}
mkdir -p "$shots"
server_start
highlight='#6a0000' # the text colour of the highlighted row only

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A table with a few results, sent the way the game builds them.
rand=1
for entry in "Eva|5210" "Jan Novák|4980" "Žluťoučký|3312" "Tomáš|2500" "<b>x</b>'-|1999" "Iva|880"; do
    IFS='|' read -r name score <<<"$entry"
    curl -s -o /dev/null -f "$("$print_address" "$SERVER_BASE" "$name" "$score" "x@example.cz" "$rand")"
    rand=$((rand + 1))
done
chromium_page "$SERVER_BASE/savescore.php?gid=43" "$shots/table.png" "$TABLE_TEST_DIR/table.html"
grep -q '<td class="name">Jan Novák</td>' "$TABLE_TEST_DIR/table.html" || fail "the table page lacks a row"
grep -q '&lt;b&gt;x&lt;/b&gt;' "$TABLE_TEST_DIR/table.html" || fail "a name is not escaped"
[[ $(count_colour "$shots/table.png" "$highlight") -lt 20 ]] || fail "the plain table shows a highlighted row"

# The desktop path: xdg-open hands the game's address to $BROWSER, here headless Chromium.
name='Čeněk & Jo'
email='a+b@example.cz'
address=$("$print_address" "$SERVER_BASE" "$name" 4321 "$email" 4711)
desktop_open "$address"
browser_wait 1
[[ $(cat "$TABLE_TEST_DIR/browser/001.url") == "$address" ]] || fail "the browser was given another address"
rows=$(table_rows --emails | awk -F'\t' -v name="$name" '$5 == name')
[[ $(wc -l <<<"$rows") -eq 1 ]] || fail "expected one row named \"$name\", found: $rows"
IFS=$'\t' read -r _ rank score _ _ stored_email <<<"$rows"
[[ $score == 4321 && $rank == 3 && $stored_email == "$email" ]] || fail "the row is [$rows]"
grep -q '<tr class="mine" id="mine"><td class="num">3</td><td class="name">Čeněk &amp; Jo</td>' \
    "$TABLE_TEST_DIR/browser/001.html" || fail "the page Chromium built does not highlight the row"
grep -q 'a+b@example.cz\|a%2Bb' "$TABLE_TEST_DIR/browser/001.html" && fail "the page holds the e-mail address"
shown=$(count_colour "$TABLE_TEST_DIR/browser/001.png" "$highlight")
[[ $shown -gt 100 ]] || fail "the screenshot shows no highlighted row ($shown pixels)"
cp "$TABLE_TEST_DIR/browser/001.png" "$shots/submission.png"

# The same address again on a phone-sized screen in Czech: a replay, nothing new stored.
chromium_page "$address&lang=cs" "$shots/submission-phone-cs.png" "$TABLE_TEST_DIR/phone.html" 390,844
grep -q 'Zapsáno: Čeněk &amp; Jo, hodnota 4321 – 3. místo.' "$TABLE_TEST_DIR/phone.html" ||
    fail "the Czech replay page does not name the rank"
[[ $(table_rows | wc -l) -eq 7 ]] || fail "the replay stored a row"
echo "table, desktop submission and replay shown by Chromium; screenshots in $shots"
