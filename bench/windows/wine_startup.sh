#!/usr/bin/env bash
# Start-up of the Windows game under Wine in an X server (Xvfb), to its first menu frame: the
# Windows figure beside the Linux one (bench/app/process_bench.sh). Wine's own server and prefix
# are started once before the runs, as on a desktop where Wine is already running; each run is a
# new sixdice.exe process, from exec to the line it prints once its first frame is presented.
#   wine_startup.sh WINDOWS_RUN_DIR [RUNS]   (SIXDICE_WINE and SIXDICE_WINESERVER set)
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
run_dir=$(realpath "$1")
runs=${2:-10}
wine=${SIXDICE_WINE:?SIXDICE_WINE must name wine64}
wineserver=${SIXDICE_WINESERVER:?SIXDICE_WINESERVER must name wineserver}

if [[ "${SIXDICE_BENCH_INSIDE_X:-}" != 1 ]]; then
    SIXDICE_BENCH_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/sixdice-wine-bench-XXXXXX")
export WINEPREFIX="$work/prefix" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all HOME="$work"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
prefix_start=$(date +%s%N)
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
echo "a new Wine prefix: $((($(date +%s%N) - prefix_start) / 1000000)) ms (not counted below)"
# The server stays up between the runs, as it does while a desktop session uses Wine.
"$wineserver" -p

times=()
for _ in $(seq 1 "$runs"); do
    t0=$(date +%s%N)
    line=
    {
        read -r line || true
        t1=$(date +%s%N)
        cat >/dev/null
    } < <(cd "$run_dir" && exec "$wine" sixdice.exe --exit-after-first-frame 2>/dev/null)
    if [[ "$line" != "first frame presented"* ]]; then
        echo "the game did not show its first frame" >&2
        exit 1
    fi
    times+=($(((t1 - t0) / 1000)))
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {
    printf "Wine, under Xvfb: start-up to first menu frame: median %.1f ms, best %.1f ms over %d runs\n",
           a[int((NR+1)/2)]/1000, a[1]/1000, NR }'
