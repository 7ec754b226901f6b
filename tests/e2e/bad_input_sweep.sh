#!/usr/bin/env bash
# End-to-end: the real game, headless, started on damaged copies of its own files: each list
# file and the settings file cut short at many points and with bytes flipped at seeded random
# places. Every run must end within its time limit in a clean start (exit 0) or a clean refusal
# (exit 1 with a message naming the damaged file), with no sanitizer report and nothing written.
#   bad_input_sweep.sh SIXDICE ASSET_DIR [SEED]
# Meant for the sanitizer build, whose reports it looks for; prints the counts at the end.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2
seed=${3:-20240612}

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

copy_data_files "$assets" nastaveni.zrk grafika_cz.zrk grafika_en.zrk zvuky.zrk hudba
pristine="$work/pristine"
mkdir "$pristine"
cp "$work/run/nastaveni.zrk" "$work/run/grafika_cz.zrk" "$work/run/grafika_en.zrk" \
    "$work/run/zvuky.zrk" "$pristine/"

# Sanitizer reports get exit codes of their own, so they cannot pass for a refusal's exit 1.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:print_suppressions=0:exitcode=86"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=87"
export SIXDICE_HEADLESS=1
time_limit=20

RANDOM=$seed
runs=0 started=0 refused=0
failures=0

# The folder as names, sizes and times of change, to see that a run wrote nothing.
snapshot() {
    (cd "$work/run" && find . -printf '%p %s %C@\n' | sort)
}

# run_case LABEL FILE: starts the game on the working folder as it now is and judges the end.
run_case() {
    local label=$1 file=$2 status=0
    local before
    before=$(snapshot)
    (cd "$work/run" && exec timeout -s KILL "$time_limit" "$game" --exit-after-first-frame) \
        >"$work/out.txt" 2>"$work/err.txt" || status=$?
    runs=$((runs + 1))
    local problem=
    if grep -qE 'Sanitizer|runtime error' "$work/err.txt"; then
        problem="a sanitizer report"
    elif [[ $status -eq 0 ]]; then
        started=$((started + 1))
    elif [[ $status -eq 1 ]] && grep -qF "\"$file\"" "$work/err.txt"; then
        refused=$((refused + 1))
    elif [[ $status -eq 1 ]]; then
        problem="exit 1 without a message naming $file"
    elif [[ $status -eq 137 ]]; then
        problem="no end within $time_limit s"
    else
        problem="exit code $status"
    fi
    if [[ -z "$problem" && "$(snapshot)" != "$before" ]]; then
        problem="the game wrote into its working folder"
    fi
    if [[ -n "$problem" ]]; then
        failures=$((failures + 1))
        echo "FAIL $label: $problem" >&2
        sed 's/^/    /' "$work/err.txt" | head -n 20 >&2
        cp "$work/run/$file" "${TMPDIR:-/tmp}/sixdice-sweep-$label" 2>/dev/null || true
        echo "    the damaged file is kept as ${TMPDIR:-/tmp}/sixdice-sweep-$label" >&2
    fi
}

restore() {
    cp "$pristine/$1" "$work/run/$1"
}

# A random number below $1 (up to 2^30) in $REPLY, from the seeded generator; never called in a
# subshell, which would draw from a generator seeded afresh.
random_below() {
    REPLY=$((((RANDOM << 15) | RANDOM) % $1))
}

# truncations FILE COUNT: the file cut to COUNT lengths, the short ones at every length (the
# headers), then spread over the rest; the full file is the pristine case, not run again.
truncations() {
    local file=$1 count=$2 size length i
    size=$(stat -c %s "$pristine/$file")
    local lengths=()
    for ((length = 0; length < size && length < count / 2; length++)); do
        lengths+=("$length")
    done
    local rest=$((count - ${#lengths[@]}))
    for ((i = 1; i <= rest; i++)); do
        length=$((${#lengths[@]} + (size - ${#lengths[@]}) * i / (rest + 1)))
        lengths+=("$length")
    done
    for length in "${lengths[@]}"; do
        head -c "$length" "$pristine/$file" >"$work/run/$file"
        run_case "$file-cut-$length" "$file"
    done
    restore "$file"
}

# flips FILE COUNT MAXFLIPS: COUNT copies, each with 1 to MAXFLIPS bytes changed at random places
# to random other values.
flips() {
    local file=$1 count=$2 maxFlips=$3 size n k at value flipsHere
    size=$(stat -c %s "$pristine/$file")
    for ((n = 0; n < count; n++)); do
        cp "$pristine/$file" "$work/run/$file"
        local changed=()
        random_below "$maxFlips"
        flipsHere=$((1 + REPLY))
        for ((k = 0; k < flipsHere; k++)); do
            random_below "$size"
            at=$REPLY
            random_below 255
            value=$((1 + REPLY))
            # XOR with a non-zero value always changes the byte.
            local old
            old=$(od -An -tu1 -j "$at" -N 1 "$work/run/$file" | tr -d ' ')
            printf "$(printf '\\%03o' $((old ^ value)))" |
                dd of="$work/run/$file" bs=1 seek="$at" conv=notrunc status=none
            changed+=("$at")
        done
        run_case "$file-flip-$n-at-$(
            IFS=,
            echo "${changed[*]}"
        )" "$file"
    done
    restore "$file"
}

start=$SECONDS
# The pristine folder itself must start.
run_case pristine nastaveni.zrk
language=$(sed -n '3p' "$pristine/nastaveni.zrk" | tr -d '\r')
graphics=grafika_cz.zrk
[[ $language == EN ]] && graphics=grafika_en.zrk

truncations nastaveni.zrk 30
flips nastaveni.zrk 20 3
truncations "$graphics" 40
flips "$graphics" 40 8
truncations zvuky.zrk 30
flips zvuky.zrk 30 8

echo "bad-input sweep (seed $seed): $runs runs in $((SECONDS - start)) s:" \
    "$started started, $refused refused cleanly, $failures failed"
[[ $failures -eq 0 ]]
