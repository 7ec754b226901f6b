#!/usr/bin/env bash
# Whole-process figures of the real executable: start-up to the first menu frame (including the
# process's own start and library loading) and CPU used idling on the menu with its music, each
# headless and in an X server (Xvfb).
#   process_bench.sh SIXDICE ASSET_DIR [RUNS]
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2
runs=${3:-15}
here=$(cd "$(dirname "$0")" && pwd)

if [[ ! -e "$assets/nastaveni.zrk" ]]; then
    echo "the working folder $assets has no data files (build the assets first)" >&2
    exit 1
fi

# From exec to the line the game prints once its first frame is presented (its shutdown is not
# counted).
startup_ms() {
    local times=() t0 t1 line
    for _ in $(seq 1 "$runs"); do
        t0=$(date +%s%N)
        {
            read -r line
            t1=$(date +%s%N)
            cat >/dev/null
        } < <(cd "$assets" && exec "$game" --exit-after-first-frame 2>/dev/null)
        if [[ "$line" != "first frame presented" ]]; then
            echo "the game did not show its first frame" >&2
            exit 1
        fi
        times+=($(((t1 - t0) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {
        printf "start-up to first menu frame: median %.1f ms, best %.1f ms over %d runs\n",
               a[int((NR+1)/2)]/1000, a[1]/1000, NR }'
}

idle_cpu() {
    local pid ticks0 ticks1 hz
    hz=$(getconf CLK_TCK)
    (cd "$assets" && exec "$game" >/dev/null 2>&1) &
    pid=$!
    sleep 2
    ticks0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep 10
    ticks1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill -TERM "$pid"
    wait "$pid" || true
    awk -v d=$((ticks1 - ticks0)) -v hz="$hz" 'BEGIN {
        printf "idle on the menu for 10 s: %.2f %% of one core (%d ticks of 1/%d s)\n",
               d / hz / 10 * 100, d, hz }'
}

if [[ "${SIXDICE_BENCH_INSIDE_X:-}" == 1 ]]; then
    echo "== in an X server (Xvfb)"
    startup_ms
    idle_cpu
    exit 0
fi

echo "== headless (SDL's dummy drivers)"
export SIXDICE_HEADLESS=1
startup_ms
idle_cpu
unset SIXDICE_HEADLESS
SIXDICE_BENCH_INSIDE_X=1 xvfb-run -a -s "-screen 0 1024x768x24" "$here/process_bench.sh" "$game" "$assets" "$runs"
