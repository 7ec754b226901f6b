#!/usr/bin/env bash
# The server's decoding and verification against check values computed here independently
# (iconv to code page 1250, md5sum), on the addresses the game's own scores library builds, on the
# same addresses percent-encoded here, and on plain addresses from a game that does not escape.
#   check_values.sh PRINT_ADDRESS
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
print_address=$1
here=$(cd "$(dirname "$0")" && pwd)
base=http://127.0.0.1:8043
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# RFC 3986 over the code page 1250 bytes: letters, digits and "-._~" stay, the rest is %XX.
encode() {
    local byte out=
    for byte in $(printf '%s' "$1" | iconv -f UTF-8 -t CP1250 | od -An -v -tx1); do
        case $byte in
        3[0-9] | 4[1-9a-f] | 5[0-9a] | 6[1-9a-f] | 7[0-9a] | 2d | 2e | 5f | 7e)
            out+=$(printf "\\x$byte")
            ;;
        *) out+=%${byte^^} ;;
        esac
    done
    printf '%s' "$out"
}

check_value() {
    printf '43%s%s5b0d7e21c4%s' "$1" "$2" "$3" | iconv -f UTF-8 -t CP1250 | md5sum | cut -d' ' -f1
}

verify() {
    php "$here/verify_query.php" "$1"
}

# name | score | e-mail | rand
cases=(
    "Eva|1000|eva@example.cz|42"
    "Čeněk|840||9999"
    "Žluťoučký|10740|kůň@example.cz|0"
    "a&b|1|a&b@example.cz|1"
    "x=y|2|x=y@example.cz|2"
    "#1|3|#@example.cz|3"
    "a+b|4|a+b@example.cz|4"
    "100%|5|100%@example.cz|5"
    "Jan Novák|6|jan novak@example.cz|6"
    "<b>x</b>'-|7|<i>@example.cz|7"
    "ěščřžýáíéů|0|x@y.cz|8"
    "  two  |9||9"
)
for case in "${cases[@]}"; do
    IFS='|' read -r name score email rand <<<"$case"
    check=$(check_value "$name" "$score" "$rand")
    ours="$base/savescore.php?gid=43&player=$(encode "$name")&score=$score&email=$(encode "$email")&rand=$rand&check=$check"
    games=$("$print_address" "$base" "$name" "$score" "$email" "$rand")
    [[ $games == "$ours" ]] || fail "the game builds $games, expected $ours"
    expected=$(printf 'accepted\t%s\t%s\t%s\t%s' "$name" "$score" "$rand" "$email")
    got=$(verify "${games#*\?}")
    [[ $got == "$expected" ]] || fail "\"$name\": the server read [$got], expected [$expected]"
    # A changed value or a wrong check value is refused.
    [[ $(verify "${games#*\?}" | cut -f1) == accepted ]] || continue
    player="gid=43&player=$(encode "$name")"
    tampered="$player&score=$((score + 1))&email=&rand=$rand&check=$check"
    [[ $(verify "$tampered") == $'refused\tcheck_mismatch' ]] || fail "\"$name\": a changed score passed"
    wrong="$player&score=$score&email=&rand=$rand&check=$(check_value "$name" "$score" "$((rand + 1))")"
    [[ $(verify "$wrong") == $'refused\tcheck_mismatch' ]] || fail "\"$name\": a foreign check value passed"
done

# A game that does not escape: plain names and "&", "=", "+" as they are give the same bytes.
for case in "Eva|1000|eva@example.cz|42" "a&b|1|a&b@example.cz|1" "x=y|2|x=y@example.cz|2" "a+b|4|a+b@example.cz|4"; do
    IFS='|' read -r name score email rand <<<"$case"
    check=$(check_value "$name" "$score" "$rand")
    expected=$(printf 'accepted\t%s\t%s\t%s\t%s' "$name" "$score" "$rand" "$email")
    got=$(verify "gid=43&player=$name&score=$score&email=$email&rand=$rand&check=$check")
    [[ $got == "$expected" ]] || fail "unescaped \"$name\": the server read [$got], expected [$expected]"
done

# Broken percent-encoding and a name one character too long.
[[ $(verify "gid=43&player=Ev%a&score=1&rand=1&check=$(check_value Eva 1 1)") == $'refused\tbad_encoding' ]] ||
    fail "a broken %-sequence passed"
long=$(encode "<b>x</b>'--")
[[ $(verify "gid=43&player=$long&score=1&rand=1&check=$(check_value "<b>x</b>'--" 1 1)") == $'refused\tname_too_long' ]] ||
    fail "an 11-character name passed"

# The menu's link is the table page.
link=$("$print_address" --table "$base/")
[[ $link == "$base/savescore.php?gid=43" ]] || fail "the menu links to $link"
[[ $(verify "${link#*\?}") == table ]] || fail "the menu's link is not the table page"

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "${#cases[@]} names: the game's addresses, independent check values and encodings agree"
