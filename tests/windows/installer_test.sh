#!/usr/bin/env bash
# The Windows installer under Wine: a silent install for the user (Start menu entry, desktop
# shortcut when asked for, the uninstaller registered under "Apps & features" with icon, version
# and publisher), the same files as the portable zip; the installed copy starts in its folder and
# shows the menu pixel for pixel; a silent uninstall leaves no file, shortcut or registry key.
# Once with English and once with Czech as the system's language, whose names the shortcuts carry.
#   installer_test.sh SETUP.exe PORTABLE.zip VERSION ASSET_DIR E2E_PICTURES E2E_CLOSE_WINDOW
# Run inside an X server (xvfb-run), with SIXDICE_WINE and SIXDICE_WINESERVER set.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
setup=$(realpath "$1")
zip=$(realpath "$2")
version=$3
assets=$4
pictures=$5
close_window=$6
here=$(dirname "${BASH_SOURCE[0]}")

source "$here/../e2e/common.sh"
source "$here/wine_common.sh"

fail() {
    echo "$*" >&2
    exit 1
}

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\SixDice'
settings_key='HKCU\Software\SixDice'
install_dir="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/SixDice"
start_menu="$(dirname "$install_dir")/../../Roaming/Microsoft/Windows/Start Menu/Programs"

make_prefix

# The system's language reaches Wine through the C library's locale, which must exist for Wine to
# take it and to name files in UTF-8: both are compiled for the test alone.
mkdir "$work/locales"
for locale in en_US cs_CZ; do
    localedef -i "$locale" -f UTF-8 "$work/locales/$locale.UTF-8" ||
        fail "cannot compile the locale $locale.UTF-8 (Debian package locales)"
done
export LOCPATH="$work/locales"

# What the portable zip holds, as paths inside its top folder.
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
top=$(ls "$work/zip")
[[ $top == "SixDice-$version" ]] || fail "the zip's top folder is \"$top\", not SixDice-$version"
(cd "$work/zip/$top" && find . -type f | sort) >"$work/zip-files.txt"
grep -qx './sixdice.exe' "$work/zip-files.txt" || fail "the zip holds no sixdice.exe"
grep -qx './COPYING.txt' "$work/zip-files.txt" || fail "the zip holds no licence"

# check_installed LANG SHORTCUT_NAME: a silent install with the system in that language.
check_install() {
    local lang=$1 name=$2
    LANG=$lang LC_ALL=$lang "$wine" "$setup" /S /DESKTOP ||
        fail "$lang: the silent install ended with exit code $?"
    "$wineserver" -w
    [[ -d "$install_dir" ]] || fail "$lang: nothing was installed in $install_dir"
    (cd "$install_dir" && find . -type f | sort) >"$work/installed.txt"
    # The installed files are the zip's, and the uninstaller.
    diff -u <( (cat "$work/zip-files.txt"; echo ./uninstall.exe) | sort) "$work/installed.txt" >&2 ||
        fail "$lang: the installed files differ from the portable zip's"
    cmp -s "$install_dir/sixdice.exe" "$work/zip/$top/sixdice.exe" ||
        fail "$lang: the installed sixdice.exe is not the zip's"
    [[ -f "$start_menu/$name.lnk" ]] || fail "$lang: no Start menu entry \"$name.lnk\""
    [[ -f "$HOME/Desktop/$name.lnk" ]] || fail "$lang: no desktop shortcut \"$name.lnk\""
    local expected
    expected=$(windows_path "$install_dir")
    expected=${expected#Z:}
    [[ "$(registry_value "$uninstall_key" DisplayName)" == "$name" ]] ||
        fail "$lang: DisplayName is \"$(registry_value "$uninstall_key" DisplayName)\""
    [[ "$(registry_value "$uninstall_key" DisplayVersion)" == "$version" ]] ||
        fail "$lang: DisplayVersion is not $version"
    [[ "$(registry_value "$uninstall_key" Publisher)" == "The Six Dice authors" ]] ||
        fail "$lang: no publisher"
    [[ "$(registry_value "$uninstall_key" DisplayIcon)" == *'\SixDice\sixdice.exe,0' ]] ||
        fail "$lang: DisplayIcon is \"$(registry_value "$uninstall_key" DisplayIcon)\""
    [[ "$(registry_value "$uninstall_key" QuietUninstallString)" == *'\uninstall.exe" /S' ]] ||
        fail "$lang: no silent uninstall command"
    echo "$lang: installed for the user, \"$name\" in the Start menu and on the desktop, registered"
}

# check_installed_game_starts: the installed copy, started in its folder as its shortcut does,
# shows the menu of its settings' language pixel for pixel and ends on its close box with 0.
check_installed_game_starts() {
    local language graphics caption window
    language=$(sed -n '3p' "$install_dir/nastaveni.zrk" | tr -d '\r')
    case "$language" in
    CZ) graphics=grafika_cz.zrk caption="Šest kostek" ;;
    *) graphics=grafika_en.zrk caption="Six Dice" ;;
    esac
    "$pictures" image "$install_dir/$graphics" 0 "$work/expected.png"
    (cd "$install_dir" && exec "$wine" sixdice.exe) >"$work/stdout.txt" 2>"$work/stderr.txt" &
    game_pid=$!
    window=$(wait_for_named_window "$caption" 60)
    expect_picture "$window" "$work/expected.png" "$work/installed-menu.png"
    "$close_window" "$window"
    wait_for_exit "$game_pid" 30
    ((status == 0)) || fail "the installed game ended with exit code $status"
    echo "the installed game shows its menu pixel for pixel and ends with exit code 0"
}

# check_uninstall LANG SHORTCUT_NAME: the silent uninstall leaves nothing behind. The uninstaller
# runs from a copy in the temporary folder, so the test waits for its work to show.
check_uninstall() {
    local lang=$1 name=$2
    LANG=$lang LC_ALL=$lang "$wine" "$(windows_path "$install_dir")\\uninstall.exe" /S ||
        fail "$lang: the silent uninstall ended with exit code $?"
    for _ in $(seq 1 300); do
        [[ -e "$install_dir" ]] || break
        sleep 0.1
    done
    "$wineserver" -w
    [[ ! -e "$install_dir" ]] || fail "$lang: left behind: $(cd "$install_dir" && find . | tr '\n' ' ')"
    [[ ! -e "$start_menu/$name.lnk" ]] || fail "$lang: the Start menu entry is left"
    [[ ! -e "$HOME/Desktop/$name.lnk" ]] || fail "$lang: the desktop shortcut is left"
    ! registry_key_exists "$uninstall_key" || fail "$lang: the uninstall key is left"
    ! registry_key_exists "$settings_key" || fail "$lang: the settings key is left"
    echo "$lang: the silent uninstall left no file, shortcut or registry key"
}

check_install en_US.UTF-8 "Six Dice"
check_installed_game_starts
check_uninstall en_US.UTF-8 "Six Dice"
check_install cs_CZ.UTF-8 "Šest kostek"
check_uninstall cs_CZ.UTF-8 "Šest kostek"
