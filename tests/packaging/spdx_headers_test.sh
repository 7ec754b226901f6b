#!/usr/bin/env bash
# The licence-header tool on a small tree of its own: what --check reports, where --fix puts the
# header in each kind of file, which licence each folder gets, and that a second --fix is a no-op.
#   spdx_headers_test.sh SPDX_HEADERS
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
tool=$1
tree=$(mktemp -d "${TMPDIR:-/tmp}/sixdice-spdx-XXXXXX")
trap 'rm -rf "$tree"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

mkdir -p "$tree/game" "$tree/assets/art" "$tree/tools" "$tree/tests/x/golden"
printf '// Dice: what a die shows.\n#pragma once\nint Dice();\n' >"$tree/game/Dice.h"
printf '#!/bin/sh\n# Says hello.\necho hello\n' >"$tree/tools/hello"
chmod +x "$tree/tools/hello"
printf '<?xml version="1.0"?>\n<!-- A felt tile. -->\n<svg width="1" height="1"/>\n' \
    >"$tree/assets/art/tile.svg"
printf '<!DOCTYPE html>\n<html><body>Rules</body></html>\n' >"$tree/assets/rules.htm"
printf '/* Theme:\n   colours. */\n.a { fill: red; }\n' >"$tree/assets/art/theme.css"
printf '# Build\n# of the game.\nproject(x)\n' >"$tree/CMakeLists.txt"
printf '// Wrong licence.\n// SPDX-FileCopyrightText: 2020 Someone\n// SPDX-License-Identifier: MIT\nint x;\n' \
    >"$tree/game/Wrong.cpp"
printf 'no comments in here\n' >"$tree/notes.txt"
printf '#!/usr/bin/env php\n<?php\n// Table tool.\necho 1;\n' >"$tree/tools/table"
printf '; Pool settings.\n[pool]\n' >"$tree/tools/pool.conf"
printf '# Site settings.\nserver {}\n' >"$tree/tools/site.conf"
printf '; Table settings.\nkey = 1\n' >"$tree/tools/table.ini"
{
    echo '#!/bin/sh'
    for n in $(seq 1 25); do echo "# usage line $n"; done
    echo 'exit 0'
} >"$tree/tools/long"
printf '// golden output, compared byte for byte\n' >"$tree/tests/x/golden/out.cpp"

# --check lists exactly the files that need a header and fails.
if "$tool" --check --root "$tree" >"$tree.out" 2>/dev/null; then
    fail "--check passed on files without headers"
fi
expected="CMakeLists.txt: has no licence header
assets/art/theme.css: has no licence header
assets/art/tile.svg: has no licence header
assets/rules.htm: has no licence header
game/Dice.h: has no licence header
game/Wrong.cpp: names MIT, should be GPL-3.0-or-later
tools/hello: has no licence header
tools/long: has no licence header
tools/pool.conf: has no licence header
tools/site.conf: has no licence header
tools/table: has no licence header
tools/table.ini: has no licence header"
[[ "$(cat "$tree.out")" == "$expected" ]] || fail "--check reported:
$(cat "$tree.out")"
rm -f "$tree.out"

"$tool" --fix --root "$tree" >/dev/null 2>&1 || true
"$tool" --check --root "$tree" >/dev/null || fail "--check still fails after --fix"

year=$(date +%Y)
gpl="SPDX-License-Identifier: GPL-3.0-or-later"
art="SPDX-License-Identifier: CC-BY-SA-4.0"
holder="SPDX-FileCopyrightText: $year The Six Dice authors"
expect_file() {
    local file=$1 want=$2
    [[ "$(cat "$tree/$file")" == "$want" ]] || fail "$file after --fix:
$(cat "$tree/$file")"
}
expect_file game/Dice.h "// Dice: what a die shows.
// $holder
// $gpl
#pragma once
int Dice();"
expect_file tools/hello "#!/bin/sh
# Says hello.
# $holder
# $gpl
echo hello"
expect_file assets/art/tile.svg "<?xml version=\"1.0\"?>
<!-- A felt tile. -->
<!-- $holder -->
<!-- $art -->
<svg width=\"1\" height=\"1\"/>"
expect_file assets/rules.htm "<!DOCTYPE html>
<!-- $holder -->
<!-- $art -->
<html><body>Rules</body></html>"
expect_file assets/art/theme.css "/* Theme:
   colours. */
/* $holder */
/* $art */
.a { fill: red; }"
expect_file CMakeLists.txt "# Build
# of the game.
# $holder
# $gpl
project(x)"
expect_file game/Wrong.cpp "// Wrong licence.
// SPDX-FileCopyrightText: 2020 Someone
// $gpl
int x;"
expect_file notes.txt "no comments in here"
# A PHP script keeps its shebang and opening tag first; PHP's ini files take ";" comments only.
expect_file tools/table "#!/usr/bin/env php
<?php
// Table tool.
// $holder
// $gpl
echo 1;"
expect_file tools/pool.conf "; Pool settings.
; $holder
; $gpl
[pool]"
expect_file tools/site.conf "# Site settings.
# $holder
# $gpl
server {}"
expect_file tools/table.ini "; Table settings.
; $holder
; $gpl
key = 1"
# After a long usage comment the header is still found.
[[ "$(sed -n '28p' "$tree/tools/long")" == "# $gpl" ]] || fail "tools/long: $(sed -n '25,29p' "$tree/tools/long")"
expect_file tests/x/golden/out.cpp "// golden output, compared byte for byte"
[[ -x "$tree/tools/hello" ]] || fail "--fix dropped the executable bit"

# A second --fix changes nothing.
before=$(find "$tree" -type f -exec md5sum {} + | sort)
"$tool" --fix --root "$tree" >/dev/null
[[ "$(find "$tree" -type f -exec md5sum {} + | sort)" == "$before" ]] || fail "a second --fix changed files"
echo "spdx-headers: check, fix and licences by folder behave"
