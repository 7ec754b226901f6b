# Shared set-up of the tests under Wine: a Wine prefix of the test's own (never the user's
# ~/.wine), a home folder of its own for the prefix's Desktop and Documents links, and helpers to
# start Windows programs and find their windows. Sourced after tests/e2e/common.sh.
# Needs SIXDICE_WINE (wine64) and SIXDICE_WINESERVER in the environment.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

wine=${SIXDICE_WINE:?SIXDICE_WINE must name wine64}
wineserver=${SIXDICE_WINESERVER:?SIXDICE_WINESERVER must name wineserver}
# No Mono or Gecko prompts.
export WINEPREFIX="$work/prefix" WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
# The prefix links its Desktop to $HOME/Desktop: a home of the test's own keeps shortcuts there.
export HOME="$work/home"
mkdir -p "$HOME/Desktop"

# Ends every Wine process of the prefix with the test, after common.sh's own clean-up.
wine_cleanup() {
    "$wineserver" -k 2>/dev/null || true
    cleanup
}
trap wine_cleanup EXIT

# make_prefix: a fresh prefix (about ten seconds).
make_prefix() {
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
}

# windows_path UNIX_PATH: the same place as Wine names it (drive Z: is the root).
windows_path() {
    printf 'Z:%s\n' "${1//\//\\}"
}

# registry_value KEY NAME: a string value's data (exported as UTF-16 and read as UTF-8, since
# `reg query` prints in the console's code page), a number as dword:HEX, or nothing.
registry_value() {
    rm -f "$work/export.reg"
    "$wine" reg export "$1" "$(windows_path "$work/export.reg")" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' | python3 -c '
import re, sys
name = sys.argv[1]
for line in sys.stdin:
    m = re.match(r"\"((?:[^\"\\]|\\.)*)\"=(.*)$", line.rstrip("\n"))
    if not m or m.group(1) != name:
        continue
    value = m.group(2)
    if value.startswith("\""):
        value = re.sub(r"\\(.)", r"\1", value[1:-1])
    print(value)
' "$2"
}

# registry_key_exists KEY
registry_key_exists() {
    "$wine" reg query "$1" >/dev/null 2>&1
}

# wait_for_named_window CAPTION [SECONDS]: prints the X id of a visible window with exactly this
# caption once there is one; fails the test when none appears in time (10 s unless told).
wait_for_named_window() {
    local caption=$1 seconds=${2:-10} w
    for _ in $(seq 1 $((seconds * 10))); do
        for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            if [[ "$(xdotool getwindowname "$w" 2>/dev/null)" == "$caption" ]]; then
                echo "$w"
                return 0
            fi
        done
        if [[ -n ${game_pid:-} ]] && ! kill -0 "$game_pid" 2>/dev/null; then
            echo "the program ended before its window \"$caption\" appeared:" >&2
            cat "$work/stderr.txt" >&2 2>/dev/null || true
            exit 1
        fi
        sleep 0.1
    done
    echo "no window captioned \"$caption\" appeared within $seconds seconds" >&2
    exit 1
}
