# The end-to-end play-through's few steps that differ for the Windows game under Wine; sourced by
# tests/e2e/playthrough.sh (SIXDICE_E2E_PLATFORM names this file) after its shared set-up, so every
# step and check of the play-through is the same as for the Linux build. SIXDICE is sixdice.exe in
# its runnable folder, ASSET_DIR that folder (the game, its fonts and its data files).
# Needs SIXDICE_WINE and SIXDICE_WINESERVER in the environment.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

source "$(dirname "${BASH_SOURCE[0]}")/wine_common.sh"

# Wine starts a program in a few seconds and hands an address to the desktop through a Windows
# program of its own (winebrowser): every wait may take longer.
patience=4

# xdotool types a letter the keyboard lacks by putting it on a spare key for a moment; Wine reads
# the changed keyboard too late now and then and the letter is lost. So each Czech letter the test
# types gets a spare key of its own (small and capital) before the game starts. Wine has virtual
# keys for a few spare keys only: just the letters typed get one. The X server must keep them when
# xmodmap, its only client then, leaves: Xvfb runs with -noreset.
declare -A czech_keysyms=([á]=aacute [č]=ccaron [ď]=dcaron [é]=eacute [ě]=ecaron [í]=iacute
    [ň]=ncaron [ó]=oacute [ř]=rcaron [š]=scaron [ť]=tcaron [ú]=uacute [ů]=uring [ý]=yacute
    [ž]=zcaron)
prepare_keyboard() {
    local LC_ALL=C.UTF-8 text letters=() letter keysym i spare
    for text in "$@"; do
        while read -r letter; do
            letter=${letter,,}
            [[ " ${letters[*]} " == *" $letter "* ]] || letters+=("$letter")
        done < <(LC_ALL=C.UTF-8 grep -oP '[^\x00-\x7f]' <<<"$text" || true)
    done
    mapfile -t spare < <(xmodmap -pke | awk 'NF == 3 && $1 == "keycode" { print $2 }')
    ((${#spare[@]} >= ${#letters[@]})) || fail "the keyboard has too few spare keys"
    for i in "${!letters[@]}"; do
        keysym=${czech_keysyms[${letters[$i]}]:-}
        [[ -n $keysym ]] || fail "no key is known for \"${letters[$i]}\""
        xmodmap -e "keycode ${spare[$i]} = $keysym ${keysym^}" ||
            fail "the key for ${letters[$i]} could not be set"
    done
    ((${#letters[@]} == 0)) || [[ " $(xmodmap -pke | tr '\n' ' ') " == *" ${keysym^} "* ]] ||
        fail "the X server forgot the keys for Czech letters (no -noreset?)"
}

fill_working_folder() {
    [[ -f "$assets/sixdice.exe" ]] || fail "no sixdice.exe in $assets"
    cp -r "$assets/." "$work/run/"
    make_prefix
}

# The shell's "open" of a web page, a local document or a mail address reaches winebrowser, which
# starts the first program of the prefix's browser or mailer list that it finds.
record_opened_addresses() {
    local kind
    for kind in Browsers Mailers; do
        "$wine" reg add 'HKCU\Software\Wine\WineBrowser' /v "$kind" /t REG_SZ /d "$1" /f \
            >/dev/null 2>&1 || fail "the prefix's $kind list could not be set"
    done
    [[ "$(registry_value 'HKCU\Software\Wine\WineBrowser' Mailers)" == "$1" ]] ||
        fail "the prefix's mailer list is not the recorder"
    # A Windows desktop opens a local web page in the browser. A prefix made without Wine's HTML
    # engine lacks that association (the engine registers it), so the test gives it: .htm files
    # are "htmlfile", which the prefix opens with winebrowser.
    "$wine" reg add 'HKCR\.htm' /ve /t REG_SZ /d htmlfile /f >/dev/null 2>&1 ||
        fail "the prefix's association of .htm files could not be set"
    # The prefix's own server keeps the real clock: only the game's clock is set by the test.
    "$wineserver" -w
    "$wineserver" -p >/dev/null 2>&1
}

start_game() {
    # The clock library must not touch the files' times as well: Wine would take its prefix for
    # out of date (its setup file "changed") and rebuild it. A UTF-8 locale lets typed Czech
    # letters reach the game as themselves.
    export NO_FAKE_STAT=1 LC_ALL=C.UTF-8
    exec "$wine" "$(basename "$game")" --scale "$scale"
}
