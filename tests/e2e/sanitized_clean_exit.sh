#!/usr/bin/env bash
# End-to-end, sanitizer build: the game started on its own files shows its first frame and ends
# with exit code 0 and no sanitizer report, leaks included, headless and in a real X server
# (where SDL talks to D-Bus); the system libraries' own leaks are suppressed by name
# (cmake/lsan-suppressions.txt).
#   sanitized_clean_exit.sh SIXDICE ASSET_DIR
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
game=$1
assets=$2

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

copy_data_files "$assets" nastaveni.zrk grafika_cz.zrk grafika_en.zrk zvuky.zrk hudba
list_working_folder
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# check_run HOW COMMAND...: the command must end with 0 and say nothing on standard error.
check_run() {
    local how=$1 status=0
    shift
    (cd "$work/run" && exec timeout -s KILL 60 "$@") >"$work/out.txt" 2>"$work/err.txt" ||
        status=$?
    if [[ $status -ne 0 ]] || [[ -s "$work/err.txt" ]]; then
        echo "the sanitized game, $how, ended with exit code $status:" >&2
        cat "$work/err.txt" >&2
        exit 1
    fi
    if ! grep -qF "first frame presented" "$work/out.txt"; then
        echo "the sanitized game, $how, did not show its first frame" >&2
        exit 1
    fi
    echo "the sanitized game, $how, started and ended cleanly"
}

check_run headless env SIXDICE_HEADLESS=1 "$game" --exit-after-first-frame
if command -v xvfb-run >/dev/null; then
    check_run "in an X server" env -u SIXDICE_HEADLESS \
        xvfb-run -a -s "-screen 0 1024x768x24" "$game" --exit-after-first-frame
else
    echo "xvfb-run is missing: the run in an X server is left out" >&2
    exit 1
fi
check_nothing_written
