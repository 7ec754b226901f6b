#!/usr/bin/env bash
# End-to-end play-through of the real game in a real X server, driven by xdotool like a player:
# the menu's links, the player setup (players added and removed, names typed with Czech letters,
# a space and a full ten-character name), a whole two-player game with throws, holds, writes and
# passes to its end, the highscore, the e-mail form and the address it hands to the desktop, back
# to the menu and the exit with its farewell. The dice follow the clock, so the test sets the
# clock (faketime) before every throw and checks the dice the screen shows. Screenshots of every
# screen are kept in $SIXDICE_E2E_SHOTS (default: a folder in $TMPDIR) for a person to look at.
# With a SCALE above 1 the game runs with --scale: every click lands on the enlarged window and
# every screenshot is sampled back to surface pixels before it is checked, so the same checks
# prove that an enlarged game behaves and looks exactly like the plain one.
# With SIXDICE_E2E_TABLE set to the on-line table's test library (tests/server/lib.sh) the result
# goes to a real table instead: the table's server runs on a free port, the game's address reaches
# headless Chromium through the real xdg-open and $BROWSER, and the row must be in the table's
# database with the exact name and show highlighted in the browser's picture.
# The same steps and checks serve another system's build of the game: SIXDICE_E2E_PLATFORM names a
# file, sourced after the shared set-up, that redefines the few things that differ there (how the
# working folder is filled, how the game is started, where the addresses it opens are recorded,
# how the keyboard is readied for the letters typed) and may set `patience`, the factor by which
# every wait is longer (1 here).
#   playthrough.sh SIXDICE ASSET_DIR E2E_PICTURES E2E_DICE CZ|EN [SCALE]
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2
pictures=$3
dice=$4
language=$5
scale=${6:-1}

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

fail() {
    echo "$*" >&2
    [[ -f "$work/stderr.txt" ]] && sed 's/^/  game: /' "$work/stderr.txt" >&2
    exit 1
}

# --- What another system's build may redefine.
patience=1
# fill_working_folder: the game's data files into "$work/run".
fill_working_folder() {
    copy_data_files "$assets" grafika_cz.zrk grafika_en.zrk zvuky.zrk hudba pravidla.htm \
        rules.htm email.bmp
}
# record_opened_addresses RECORDER: the desktop's "open" becomes RECORDER, a program that writes
# down every address it is handed instead of starting a browser or mail program. Here it goes
# first on the game's PATH as xdg-open.
record_opened_addresses() {
    mkdir -p "$work/opener"
    ln -s "$1" "$work/opener/xdg-open"
    opener_path=$work/opener
}
opener_path=
# prepare_keyboard TEXT...: readies the keyboard for the letters of the texts the test types. Here
# nothing: xdotool puts a letter the keyboard lacks on a spare key while it types it.
prepare_keyboard() { :; }
# start_game: replaces the shell by the game, in its working folder with the clock and the
# environment set.
start_game() {
    exec "$game" --scale "$scale"
}
platform=${SIXDICE_E2E_PLATFORM:-}
if [[ -n $platform ]]; then
    source "$platform"
fi

table=${SIXDICE_E2E_TABLE:-}
if [[ -n $table ]]; then
    source "$table"
    table_test_init
    server_start
    use_test_browser
    # The browser keeps the real clock: the frozen one is the game's alone.
    printf '#!/bin/sh\nunset LD_PRELOAD FAKETIME_TIMESTAMP_FILE\nexec "%s" "$@"\n' "$BROWSER" \
        >"$TABLE_TEST_DIR/real-clock-browser"
    chmod +x "$TABLE_TEST_DIR/real-clock-browser"
    export BROWSER=$TABLE_TEST_DIR/real-clock-browser
    score_server=$SERVER_BASE
    # A name with a space, "&" and Czech letters, as the table must store it.
    name="Jo & Čeněk" name_in_address="Jo%20%26%20%C8en%ECk"
else
    score_server=http://127.0.0.1:8043
    name="Žofie Nová" name_in_address="%8Eofie%20Nov%E1"
fi

prepare_keyboard "$name" Dušan

shots=${SIXDICE_E2E_SHOTS:-${TMPDIR:-/tmp}/sixdice-playthrough}/$language
((scale == 1)) || shots+="-x$scale"
rm -rf "$shots"
mkdir -p "$shots"

fill_working_folder
printf 'menu.ogg\r\nhra.ogg\r\n%s\r\n' "$language" >"$work/run/nastaveni.zrk"
list_working_folder

case "$language" in
CZ) graphics="$work/run/grafika_cz.zrk" caption="Šest kostek" rules=pravidla.htm ;;
EN) graphics="$work/run/grafika_en.zrk" caption="Six Dice" rules=rules.htm ;;
esac

# The desktop's "open": a stand-in writes down every address it is handed.
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$work/opened.txt" >"$work/bin/recorder"
chmod +x "$work/bin/recorder"
: >"$work/opened.txt"
[[ -n $table ]] || record_opened_addresses "$work/bin/recorder"

# The clock the dice are thrown by: frozen at what the file says, re-read at every look.
faketime_library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n1 || true)
[[ -n "$faketime_library" ]] || fail "libfaketime is not installed"
clock="$work/clock.txt"
# Written whole and then renamed into place, so the game never reads a half-written file. The
# half millisecond more keeps faketime's fraction, read as a binary number, in its millisecond.
# The clock only goes forward, as a real one does: a time of day before the last one set is taken
# on the next day. (A clock going back holds up a program that sleeps until a moment of the clock,
# as Windows programs under Wine do.)
clock_day=0 clock_last=
set_clock() {
    if [[ -n $clock_last && "$1" < "$clock_last" ]]; then
        clock_day=$((clock_day + 1))
    fi
    clock_last=$1
    printf '%s %s5\n' "$(date -u -d "2026-12-08 + $clock_day days" +%F)" "$1" >"$clock.new"
    mv -f "$clock.new" "$clock"
}
set_clock 12:00:00.000

export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0:verify_asan_link_order=0"
(
    cd "$work/run"
    [[ -z $opener_path ]] || export PATH="$opener_path:$PATH"
    export SIXDICE_SCORE_SERVER=$score_server TZ=UTC
    export LD_PRELOAD="$faketime_library" FAKETIME_TIMESTAMP_FILE="$clock" FAKETIME_NO_CACHE=1 \
        FAKETIME_DONT_FAKE_MONOTONIC=1
    start_game
) >"$work/stdout.txt" 2>"$work/stderr.txt" &
game_pid=$!

find_window() { # NAME: the game's window on the screen with that caption
    local name=$1 candidate
    for _ in $(seq 1 $((100 * patience))); do
        for candidate in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null || true); do
            if [[ "$(xdotool getwindowname "$candidate" 2>/dev/null)" == "$name" ]]; then
                echo "$candidate"
                return 0
            fi
        done
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended while a window \"$name\" was awaited"
        sleep 0.1
    done
    fail "no window \"$name\" appeared"
}

window=$(find_window "$caption")
shot=0
# grab WINDOW FILE: a screenshot in surface pixels (an enlarged window sampled back).
grab() {
    import -window "$1" "$2" 2>/dev/null || return 1
    ((scale == 1)) || mogrify -sample "$((100 / scale))%" "$2"
}
snap() { # NAME: a screenshot of the main window, kept
    shot=$((shot + 1))
    import -window "${2:-$window}" "$shots/$(printf '%02d' $shot)-$1.png"
}
# wait_for DESCRIPTION COMMAND...: polls a screenshot until the check passes (10 s at most).
wait_for() {
    local what=$1
    shift
    for _ in $(seq 1 $((50 * patience))); do
        if grab "$window" "$work/now.png" && "$@" "$work/now.png" 2>/dev/null; then
            return 0
        fi
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended while waiting for $what"
        sleep 0.2
    done
    cp "$work/now.png" "$shots/failed.png" 2>/dev/null || true
    fail "the screen never showed $what (last screenshot: $shots/failed.png)"
}
shows_image() { "$pictures" region "$5" "$graphics" "$1" "$2" "$3" "$4" "${6:-60}" "${7:-60}"; }
menu_shown() { "$pictures" region "$1" "$graphics" 0 200 100 60 60; }
setup_shown() { "$pictures" region "$1" "$graphics" 6 120 180 100 50; }
board_shown() { "$pictures" region "$1" "$graphics" 15 300 0 240 40; }
highscore_shown() { "$pictures" region "$1" "$graphics" 22 0 0 400 100; }
farewell_shown() { "$pictures" region "$1" "$graphics" 5 0 0 400 300; }
dice_shown() { "$pictures" dice "$7" "$graphics" "$1" "$2" "$3" "$4" "$5" "$6"; }
window_size() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
wait_size() { # WIDTHxHEIGHT in surface pixels
    local wanted="$((${1%x*} * scale))x$((${1#*x} * scale))"
    for _ in $(seq 1 $((50 * patience))); do
        [[ "$(window_size)" == "$wanted" ]] && return 0
        sleep 0.1
    done
    fail "the window is $(window_size), not $wanted"
}
# at X Y: the window pixel in the middle of surface pixel (X, Y).
at() { echo "$(($1 * scale + scale / 2)) $(($2 * scale + scale / 2))"; }

click() { # X Y: move there, then a left click, as a player does
    xdotool mousemove --window "$window" $(at "$1" "$2")
    sleep 0.05
    xdotool click 1
    sleep 0.05
}
keys() { xdotool key --delay 40 "$@"; }
typed() { xdotool type --delay 60 "$1"; }
# opens COUNT: waits until the desktop was handed COUNT addresses in all (5 s at most; the check
# of what they were comes at the end), so that each reaches it before the next is asked for.
opens() {
    for _ in $(seq 1 $((50 * patience))); do
        (($(wc -l <"$work/opened.txt") >= $1)) && return 0
        sleep 0.1
    done
}

# The points a player clicks, per language (inside the buttons the artwork shows).
if [[ $language == CZ ]]; then
    new_game=(218 45) rules_link=(137 130) start=(62 262) setup_back=(361 283)
    throw=(152 103) pass=(424 54) send=(93 285) back_to_menu=(338 285) exit_button=(73 218)
else
    new_game=(229 50) rules_link=(138 133) start=(62 266) setup_back=(362 282)
    throw=(145 101) pass=(424 54) send=(84 285) back_to_menu=(363 284) exit_button=(62 219)
fi
online_table=(336 275) author_mail=(37 20) web_link_1=(143 434) web_link_2=(400 435)
add_player=(165 50) remove_player=(60 50)
box_top=(0 55 85 115 145)
cell_y() { echo $((161 + 15 * ($1 - 1) + 3)); }

# --- The menu and its links.
wait_for "the menu" menu_shown
snap menu
if ((scale > 1)); then
    # Enlarged, the menu is image 0 with every pixel a sharp square.
    "$pictures" image "$graphics" 0 "$work/image0.png"
    convert "$work/image0.png" -sample "$((100 * scale))%" "$work/expected.png"
    import -window "$window" "$work/menu-enlarged.png"
    "$pictures" compare "$work/expected.png" "$work/menu-enlarged.png" ||
        fail "the enlarged menu is not image 0 enlarged $scale times"
fi
if [[ -z $table ]]; then
    click "${rules_link[@]}" && opens 1
    click "${online_table[@]}" && opens 2
    click "${author_mail[@]}" && opens 3
fi

# --- Player setup: three players, one removed again, names typed.
click "${new_game[@]}"
wait_for "the player setup" setup_shown
click "${add_player[@]}"
click "${add_player[@]}"
click "${remove_player[@]}"
# Box 1 has the focus after the buttons? Click into it, select its text and type over it.
click 310 $((box_top[1] + 10))
keys ctrl+a
typed "$name"
typed "x" # an eleventh character is refused
click 310 $((box_top[2] + 10))
keys ctrl+a
typed Dušan
snap setup
click "${start[@]}"
wait_size 547x448
wait_for "the game board" board_shown
snap game

# --- The game: player 1 fills the sheet, player 2 passes every turn.
# throw_turn HELD FACES... : sets the clock for those faces, throws, checks the dice row.
current=(0 0 0 0 0 0)
throw_dice() {
    local held=$1
    shift
    local moment
    moment=$("$dice" moment "$held" "$@") || fail "no moment throws $held $*"
    set_clock "$moment"
    local i next=0 faces=()
    for i in 0 1 2 3 4 5; do
        if [[ ${held:$i:1} == . ]]; then
            faces+=("${@:$((next + 1)):1}")
            next=$((next + 1))
        else
            faces+=("${current[$i]}")
        fi
    done
    current=("${faces[@]}")
    click "${throw[@]}"
    wait_for "the dice ${faces[*]}" dice_shown "${faces[@]}"
}
hold() { click $((25 + 50 * ($1 - 1))) 67; }
write_cell() { click 60 "$(cell_y "$1")"; }
pass_turn() {
    click "${pass[@]}"
    current=(0 0 0 0 0 0)
}
next_turn() { current=(0 0 0 0 0 0); }

throw_dice ...... 1 1 1 1 2 3 && write_cell 1 && next_turn && pass_turn
throw_dice ...... 2 2 2 2 3 5 && write_cell 2 && next_turn && pass_turn
throw_dice ...... 3 3 3 3 1 2 && write_cell 3 && next_turn && pass_turn
# Fours with a second throw: three fours held, the other three thrown again.
throw_dice ...... 4 4 4 1 2 3
hold 1 && hold 2 && hold 3
snap held
throw_dice xxx... 4 5 6
write_cell 4 && next_turn && pass_turn
throw_dice ...... 5 5 5 5 5 1 && write_cell 5 && next_turn && pass_turn
throw_dice ...... 6 6 6 6 1 2 && write_cell 6 && next_turn
if [[ -z $table ]]; then
    click "${web_link_1[@]}" && opens 4
    click "${web_link_2[@]}" && opens 5
fi
pass_turn
throw_dice ...... 6 5 4 3 2 1 && write_cell 7 && next_turn && pass_turn
throw_dice ...... 1 2 2 5 5 5 && write_cell 8 && next_turn && pass_turn
throw_dice ...... 1 1 1 2 2 6 && write_cell 9 && next_turn && pass_turn
throw_dice ...... 1 1 3 3 6 6 && write_cell 10 && next_turn && pass_turn
throw_dice ...... 3 3 3 3 5 5 && write_cell 11 && next_turn && pass_turn
throw_dice ...... 4 4 4 6 6 6 && write_cell 12 && next_turn && pass_turn
throw_dice ...... 6 6 6 6 6 6
snap last-throw
write_cell 13 # the sheet is full: the end of the game
sleep 1
snap end-of-game

# --- The highscore: player 1 with 251 points + 25 banked throws = 276 in 14 throws:
# round(19.71) = 20, 20 x 276 = 5520.
click 270 300
wait_size 400x300
wait_for "the highscore" highscore_shown
snap highscore

# --- The e-mail form sends the result through the browser.
click "${send[@]}"
form=$(find_window "HIGHSCORE on-line")
snap email-form "$form"
xdotool mousemove --window "$form" $(at 178 46) click 1
typed "a+b@example.cz"
set_clock 13:14:15.161
snap email-typed "$form"
xdotool mousemove --window "$form" $(at 177 89) click 1
if [[ -n $table ]]; then
    browser_wait 1 60 || fail "the submission did not reach the browser"
else
    for _ in $(seq 1 $((50 * patience))); do
        grep -q savescore.php.*check= "$work/opened.txt" && break
        sleep 0.1
    done
fi

# --- Back to the menu, and out with the farewell.
click "${back_to_menu[@]}"
wait_for "the menu again" menu_shown
click "${exit_button[@]}"
wait_for "the farewell picture" farewell_shown
snap farewell
wait_for_exit "$game_pid" $((10 * patience))
[[ $status -eq 0 ]] || fail "the game ended with exit code $status"

# --- What reached the browser, in order.
r=$("$dice" rand 13:14:15.161)
check=$(printf '43%s5520%s%s' "$name" 5b0d7e21c4 "$r" | iconv -f UTF-8 -t CP1250 | md5sum |
    cut -d' ' -f1)
submission="$score_server/savescore.php?gid=43&player=$name_in_address&score=5520&email=a%2Bb%40example.cz&rand=$r&check=$check"
if [[ -n $table ]]; then
    shown=$TABLE_TEST_DIR/browser/001
    cp "$shown.png" "$shots/table-page.png"
    [[ $(cat "$shown.url") == "$submission" ]] ||
        fail "the browser was given \"$(cat "$shown.url")\", not \"$submission\""
    rows=$(table_rows --emails)
    awk -F'\t' -v name="$name" '$3 == 5520 && $5 == name && $6 == "a+b@example.cz"' <<<"$rows" |
        grep -q . || fail "the table holds no row for $name with 5520: $rows"
    grep -qF "Jo &amp; Čeněk" "$shown.html" || fail "the page does not show the name escaped"
    highlighted=$(count_colour "$shown.png" '#6a0000')
    ((highlighted > 100)) || fail "the new row is not highlighted in the browser's picture"
    check_nothing_written
    echo "the game's result reached the table: $(awk -F'\t' -v name="$name" '$5 == name' <<<"$rows")"
    echo "screenshots in $shots"
    exit 0
fi
expected=(
    "file://$work/run/$rules"
    "http://127.0.0.1:8043/savescore.php?gid=43"
    "mailto:"
    "http"
    "http"
    "$submission"
)
mapfile -t opened <"$work/opened.txt"
[[ ${#opened[@]} -eq ${#expected[@]} ]] ||
    fail "the browser was handed ${#opened[@]} addresses, not ${#expected[@]}: $(cat "$work/opened.txt")"
for i in "${!expected[@]}"; do
    [[ "${opened[$i]}" == "${expected[$i]}"* ]] ||
        fail "address $((i + 1)) is \"${opened[$i]}\", expected \"${expected[$i]}\""
done
[[ "${opened[5]}" == "${expected[5]}" ]] || fail "the submission is \"${opened[5]}\""
check_nothing_written
echo "played a whole game in $language; screenshots in $shots"
