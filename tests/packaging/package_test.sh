#!/usr/bin/env bash
# The game as a packager and a player get it: the Debian package made from this build (its file
# list, dependencies, desktop entry, AppStream data, icons, lintian) unpacked and started through
# its launcher; and a plain install under another prefix, started from its desktop entry's Exec.
#   package_test.sh BUILD_DIR EXPECTED_FILES APP_ID VERSION SOURCE_DIR
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
build=$1
expected=$2
app_id=$3
version=$4
source_dir=$5

work=$(mktemp -d "${TMPDIR:-/tmp}/sixdice-package-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# The per-user settings of whoever runs the tests must not change what the game does here.
export XDG_CONFIG_HOME="$work/config"

# start_game LAUNCHER: the installed game, headless, shows its first frame and ends with 0.
start_game() {
    local out status=0
    out=$("$@" --headless --exit-after-first-frame 2>"$work/stderr.txt") || status=$?
    [[ $status -eq 0 ]] || fail "$* ended with $status: $(cat "$work/stderr.txt")"
    [[ "$out" == *"first frame presented"* ]] || fail "$* showed no first frame: $out"
}

# no_build_paths DIR [GREP_OPTION]: nothing installed names the source or the build tree (in
# unstripped programs the debugging data may, so a plain install checks its text files only).
no_build_paths() {
    local found
    found=$(grep -rlF ${2:-} -e "$source_dir" -e "$build" "$1" || true)
    [[ -z "$found" ]] || fail "installed files point into the build tree: $found"
}

echo "== Debian package"
cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.txt" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.txt")"
deb="$work/pkg/sixdice_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || fail "no $(basename "$deb"): $(ls "$work/pkg")"

dpkg-deb -x "$deb" "$work/root"
(cd "$work/root" && find . \( -type f -o -type l \) | LC_ALL=C sort) >"$work/files.txt"
diff -u "$expected" "$work/files.txt" >&2 || fail "the package's files differ from $expected"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libc6 libstdc++6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 \
    libfontconfig1 fonts-lato fonts-dejavu-core xdg-utils; do
    [[ ",$depends," == *[\ ,]"$needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
[[ "$(dpkg-deb -f "$deb" Section)" == games ]] || fail "the package is not in section games"

desktop="$work/root/usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
grep -qx "Exec=/usr/bin/sixdice" "$desktop" || fail "the desktop entry does not start /usr/bin/sixdice"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli rejects the metainfo file"

# Every icon is as large as its folder says (the PNG header holds width and height).
for png in "$work"/root/usr/share/icons/hicolor/*x*/apps/"$app_id".png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [[ "${width}x${height}" == "$size" ]] || fail "$png is ${width}x${height}"
done

zcat "$work/root/usr/share/man/man6/sixdice.6.gz" | grep -q "/usr/share/sixdice/nastaveni.zrk" ||
    fail "the manual page does not name the installed data folder"
no_build_paths "$work/root"

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 ||
    fail "lintian finds errors: $(cat "$work/lintian.txt")"
grep -v "root privileges" "$work/lintian.txt" | sed 's/^/lintian: /' || true

# Unpacked anywhere, the launcher finds its data folder and executable beside itself.
start_game "$work/root/usr/bin/sixdice"
start_game "$work/root/usr/games/sixdice"

echo "== cmake --install under another prefix"
prefix="$work/opt/six-dice"
cmake --install "$build" --prefix "$prefix" >"$work/install.txt" 2>&1 ||
    fail "cmake --install failed: $(cat "$work/install.txt")"
for licence in COPYING LICENSES/GPL-3.0-or-later.txt LICENSES/CC-BY-SA-4.0.txt copyright; do
    [[ -f "$prefix/share/doc/sixdice/$licence" ]] || fail "the install lacks $licence"
done
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$app_id.desktop")
[[ "$exec_line" == "$prefix/bin/sixdice" ]] || fail "the desktop entry's Exec is $exec_line"
no_build_paths "$prefix" -I
start_game "$exec_line"
echo "package and install behave"
