# Shared set-up of the end-to-end scripts: a private working folder for the game, removed (and
# the game ended) on exit, filled with copies of the generated data files.
# Sourced after `game` is set; defines `work` and `game_pid`.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

work=$(mktemp -d "${TMPDIR:-/tmp}/sixdice-e2e-XXXXXX")
game_pid=
cleanup() {
    if [[ -n "$game_pid" ]] && kill -0 "$game_pid" 2>/dev/null; then
        kill -KILL "$game_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/run"

# copy_data_files ASSET_DIR NAME...: copies each named file or folder into "$work/run".
copy_data_files() {
    local assets=$1 f
    shift
    for f in "$@"; do
        if [[ ! -e "$assets/$f" ]]; then
            echo "the working folder $assets has no $f (build the assets first)" >&2
            exit 1
        fi
        cp -r "$assets/$f" "$work/run/"
    done
}

# list_working_folder: remembers what the working folder holds, for check_nothing_written.
list_working_folder() {
    (cd "$work/run" && find . | sort) >"$work/before.txt"
}

# check_nothing_written: fails when the game added or removed anything in its working folder.
check_nothing_written() {
    (cd "$work/run" && find . | sort) >"$work/after.txt"
    if ! diff -u "$work/before.txt" "$work/after.txt" >&2; then
        echo "the game wrote into its working folder" >&2
        exit 1
    fi
}
