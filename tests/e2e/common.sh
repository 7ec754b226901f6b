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
# The player's own settings file of the machine is never read: the game gets a config folder of
# its own, empty.
export XDG_CONFIG_HOME="$work/config"

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

# hide_helper_programs: sets `game_path`, the PATH the game runs with in the error-box tests:
# first stub programs named like the desktop's dialog helpers, which record that they were called
# and fail, then only those folders of PATH that hold none of the real helpers. So no helper can
# stand in for the game's own message box.
dialog_helpers=(zenity kdialog Xdialog xmessage gxmessage yad)
hide_helper_programs() {
    local h dir keep dirs
    mkdir -p "$work/helpers"
    for h in "${dialog_helpers[@]}"; do
        cat >"$work/helpers/$h" <<STUB
#!/bin/sh
echo "$h \$*" >>"$work/helpers-called.txt"
echo "$h was called, but the game must show its own message box" >&2
exit 3
STUB
        chmod +x "$work/helpers/$h"
    done
    game_path=$work/helpers
    IFS=: read -ra dirs <<<"$PATH"
    for dir in "${dirs[@]}"; do
        keep=yes
        for h in "${dialog_helpers[@]}"; do
            if [[ -e "$dir/$h" ]]; then
                keep=no
            fi
        done
        if [[ $keep == yes && -n "$dir" ]]; then
            game_path+=":$dir"
        fi
    done
}

# check_no_helper_called: fails when the game ran one of the stub dialog helpers.
check_no_helper_called() {
    if [[ -s "$work/helpers-called.txt" ]]; then
        echo "the game ran a dialog helper instead of showing its own box:" >&2
        cat "$work/helpers-called.txt" >&2
        exit 1
    fi
}

# visible_windows_of PID CAPTION: the X ids of the visible windows of the process (by _NET_WM_PID)
# that carry exactly this caption.
visible_windows_of() {
    local w
    for w in $(xdotool search --all --onlyvisible --pid "$1" --name . 2>/dev/null); do
        if [[ "$(xdotool getwindowname "$w" 2>/dev/null)" == "$2" ]]; then
            echo "$w"
        fi
    done
}

# client_size_of WINDOW: its client size as WIDTHxHEIGHT.
client_size_of() {
    xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/ *Geometry: //p'
}

# wait_for_window PID CAPTION [SIZE]: prints the X id of the process's visible window that carries
# exactly this caption (and, when given, this client size WIDTHxHEIGHT) once it is on the screen;
# fails the test when the process ends first or no such window appears within 10 seconds.
wait_for_window() {
    local pid=$1 caption=$2 size=${3:-} w
    for _ in $(seq 1 100); do
        for w in $(visible_windows_of "$pid" "$caption"); do
            if [[ -z "$size" || "$(client_size_of "$w")" == "$size" ]]; then
                echo "$w"
                return 0
            fi
        done
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the game ended before its window \"$caption\" appeared:" >&2
            cat "$work/stderr.txt" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo "no window captioned \"$caption\"${size:+ of $size} appeared within 10 seconds" >&2
    exit 1
}

# expect_picture WINDOW EXPECTED.png SHOT.png: takes screenshots of the window until one equals
# the expected picture pixel for pixel (the first frame may still be on its way); otherwise fails
# the test with the difference, the last screenshot kept as SHOT.png. Needs `pictures`, the
# e2e_pictures helper.
expect_picture() {
    local window=$1 expected=$2 shot=$3
    for _ in $(seq 1 20); do
        sleep 0.2
        import -window "$window" "$shot" 2>/dev/null || continue
        if "$pictures" compare "$expected" "$shot" 2>"$work/compare.txt"; then
            return 0
        fi
    done
    echo "the window does not show the expected picture: $(cat "$work/compare.txt")" >&2
    echo "screenshot kept as $shot" >&2
    exit 1
}

# wait_for_box PID [CLASS]: prints the X window id of the game's own message box once it is on
# the screen: a visible window of that process (by _NET_WM_PID) of its program's window class
# ("sixdice" unless told), captioned with the application title, and not of a main window's size.
# Fails the test with a clear message when the program ends first or no box appears within 10
# seconds.
wait_for_box() {
    local pid=$1 class=${2:-sixdice} w size
    for _ in $(seq 1 100); do
        for w in $(visible_windows_of "$pid" 'Šest kostek'); do
            size=$(client_size_of "$w")
            if [[ $size != 400x300 && $size != 547x448 ]] &&
                xprop -id "$w" WM_CLASS 2>/dev/null | grep -qF "\"$class\""; then
                echo "$w"
                return 0
            fi
        done
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the game ended without showing its message box; standard error:" >&2
            cat "$work/stderr.txt" >&2
            check_no_helper_called
            exit 1
        fi
        sleep 0.1
    done
    echo "no message box window of the game appeared within 10 seconds" >&2
    check_no_helper_called
    exit 1
}

# text_pixels SHOT.png: how many pixels of the message's cream colour a screenshot of a message
# box shows right of the error sign and above the button band.
text_pixels() {
    local shot=$1 w h
    read -r w h < <(identify -format '%w %h\n' "$shot")
    convert "$shot" -crop "$((w - 70))x$((h - 52))+62+8" +repage -fuzz 22% \
        -fill white -opaque '#f6efd6' -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:
}

# shoot_box WINDOW SHOT.png: takes the box's screenshot once it shows its text (the first frame
# may still be on its way) and fails when it stays blank.
shoot_box() {
    local box=$1 shot=$2 inked=0
    for _ in $(seq 1 20); do
        sleep 0.1
        import -window "$box" "$shot" 2>/dev/null || continue
        inked=$(text_pixels "$shot")
        ((inked >= 60)) && break
    done
    if ((inked < 60)); then
        echo "the message box shows no text ($inked text pixels): see $shot" >&2
        exit 1
    fi
    echo "the message box shows its text ($inked text pixels): $shot"
}

# wait_for_exit PID [SECONDS]: waits (10 seconds unless told) for the process to end and sets
# `status` to its exit code (the process is killed when it does not end).
wait_for_exit() {
    local pid=$1 seconds=${2:-10}
    for _ in $(seq 1 $((seconds * 10))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the game did not end within $seconds seconds" >&2
        kill -KILL "$pid" 2>/dev/null || true
    fi
    status=0
    wait "$pid" || status=$?
    game_pid=
}
