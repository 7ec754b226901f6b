#!/usr/bin/env bash
# The browser game under /play/, over HTTP, from the built-in server (server/run) and from the
# shipped nginx site with PHP-FPM: the staged test page's types, encodings chosen by
# Accept-Encoding, cache headers, Content-Security-Policy, revalidation, what is not served, and
# the table page's link to the game only where the game is installed.
#   serving_test.sh [STAGED_DIR]   (default: the tests' own page, staged here by tools/web-stage)
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../server/lib.sh"
table_test_init

policy="default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; connect-src 'self'; style-src 'self'; img-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'"
immutable='public, max-age=31536000, immutable'
failures=0

fail() {
    echo "FAIL [$where]: $*" >&2
    failures=$((failures + 1))
}

if [[ -n ${1:-} ]]; then
    staged=$1
else
    python3 "$here/make_fixture.py" "$TABLE_TEST_DIR/web"
    "$table_repo_dir/tools/web-stage" --quiet "$TABLE_TEST_DIR/web" "$TABLE_TEST_DIR/play"
    staged=$TABLE_TEST_DIR/play
fi
served() { (cd "$staged" && ls $1 | grep -v '\.\(gz\|br\)$' | head -n1); }
wasm=$(served 'sixdice.*.wasm')
script=$(served 'sixdice.*.js')
data=$(served 'grafika_*.zrk')
music=$(served 'hudba/*.ogg')

# One request: headers (lower-case names) into $TABLE_TEST_DIR/h, body into $TABLE_TEST_DIR/b.
fetch() {
    curl -s --path-as-is -o "$TABLE_TEST_DIR/b" -D "$TABLE_TEST_DIR/h" "$@"
    tr -d '\r' <"$TABLE_TEST_DIR/h" | sed 's/^\([^:]*\):/\L\1:/' >"$TABLE_TEST_DIR/h.lc"
}
status() { head -n1 "$TABLE_TEST_DIR/h.lc" | cut -d' ' -f2; }
header() { grep -i "^$1: " "$TABLE_TEST_DIR/h.lc" | head -n1 | cut -d' ' -f2-; }
expect() { # expect WHAT ACTUAL WANTED
    [[ $2 == "$3" ]] || fail "$1: [$2], expected [$3]"
}
body_is() { # body_is FILE [gzip|br]: the body, decoded, equals the staged file
    local decoded=$TABLE_TEST_DIR/decoded
    case ${2:-} in
    gzip) gzip -dc "$TABLE_TEST_DIR/b" >"$decoded" || true ;;
    br) brotli -dc "$TABLE_TEST_DIR/b" >"$decoded" || true ;;
    *) cp "$TABLE_TEST_DIR/b" "$decoded" ;;
    esac
    cmp -s "$decoded" "$staged/$1" || fail "the body of $1 (${2:-identity}) differs from the staged file"
}

check_serving() {
    local base=$1 etag path
    fetch "$base/play"
    expect "/play" "$(status)" 301
    [[ $(header location) == /play/ || $(header location) == "$base/play/" ]] || fail "/play leads to $(header location)"

    # The page: HTML, never kept without asking, the policy.
    fetch -H 'Accept-Encoding: identity' "$base/play/"
    expect "page status" "$(status)" 200
    expect "page type" "$(header content-type)" "text/html; charset=utf-8"
    expect "page cache" "$(header cache-control)" "no-cache"
    expect "page policy" "$(header content-security-policy)" "$policy"
    expect "page nosniff" "$(header x-content-type-options)" "nosniff"
    expect "page unencoded" "$(header content-encoding)" ""
    body_is index.html

    # Encodings by Accept-Encoding; brotli preferred when both weigh the same.
    fetch -H 'Accept-Encoding: gzip, deflate, br' "$base/play/$wasm"
    expect "wasm status" "$(status)" 200
    expect "wasm type" "$(header content-type)" "application/wasm"
    expect "wasm cache" "$(header cache-control)" "$immutable"
    expect "wasm encoding (gzip, br)" "$(header content-encoding)" br
    expect "wasm vary" "$(header vary)" "Accept-Encoding"
    expect "wasm policy" "$(header content-security-policy)" "$policy"
    body_is "$wasm" br
    fetch -H 'Accept-Encoding: gzip' "$base/play/$wasm"
    expect "wasm encoding (gzip)" "$(header content-encoding)" gzip
    expect "wasm vary (gzip)" "$(header vary)" "Accept-Encoding"
    body_is "$wasm" gzip
    fetch -H 'Accept-Encoding: identity' "$base/play/$wasm"
    expect "wasm encoding (identity)" "$(header content-encoding)" ""
    expect "wasm length (identity)" "$(header content-length)" "$(stat -c %s "$staged/$wasm")"
    expect "wasm vary (identity)" "$(header vary)" "Accept-Encoding"
    body_is "$wasm"
    fetch "$base/play/$wasm"
    expect "wasm encoding (no Accept-Encoding)" "$(header content-encoding)" ""
    # Weights: zero refuses an encoding; any other accepts it, and brotli goes first.
    local accept wanted
    for accept in 'br;q=0, gzip=gzip' 'br;q=0.5, gzip=br' 'gzip;q=0, br=br' 'gzip;q=0=' '*=' 'BR=br'; do
        wanted=${accept##*=}
        fetch -H "Accept-Encoding: ${accept%=*}" "$base/play/$wasm"
        expect "wasm encoding ($accept)" "$(header content-encoding)" "$wanted"
    done

    fetch -H 'Accept-Encoding: br' "$base/play/$script"
    expect "script type" "$(header content-type)" "text/javascript; charset=utf-8"
    expect "script cache" "$(header cache-control)" "$immutable"
    body_is "$script" br
    fetch -H 'Accept-Encoding: gzip, br' "$base/play/manifest.json"
    expect "manifest type" "$(header content-type)" "application/json"
    expect "manifest cache" "$(header cache-control)" "no-cache"
    body_is manifest.json br
    fetch -H 'Accept-Encoding: gzip' "$base/play/$data"
    expect "data type" "$(header content-type)" "application/octet-stream"
    expect "data cache" "$(header cache-control)" "$immutable"
    body_is "$data" gzip
    # Music is compressed already: no copies, sent as it is.
    fetch -H 'Accept-Encoding: gzip, br' "$base/play/$music"
    expect "music type" "$(header content-type)" "audio/ogg"
    expect "music encoding" "$(header content-encoding)" ""
    expect "music cache" "$(header cache-control)" "$immutable"
    body_is "$music"

    # Revalidation of the page: its validator answers 304.
    fetch -H 'Accept-Encoding: br' "$base/play/"
    etag=$(header etag)
    [[ -n $etag ]] || fail "the page has no ETag"
    fetch -H 'Accept-Encoding: br' -H "If-None-Match: $etag" "$base/play/"
    expect "revalidated page" "$(status)" 304

    # Not served: the copies by their own names, hidden files, anything outside the folder,
    # names that do not exist, methods other than GET and HEAD.
    for path in "/play/$wasm.br" "/play/$wasm.gz" "/play/index.html.gz" "/play/.hidden" \
        "/play/../src/Config.php" "/play/%2e%2e/src/Config.php" "/play/missing.js" "/play/hudba/"; do
        fetch "$base$path"
        expect "$path" "$(status)" 404
    done
    fetch -X POST "$base/play/"
    expect "POST /play/" "$(status)" 405
    fetch -I "$base/play/$wasm"
    expect "HEAD" "$(status) $(header content-type)" "200 application/wasm"
}

# The table page links to the game where it is served, in its language.
check_link() { # check_link BASE yes|no
    fetch -H 'Accept-Language: cs' "$base/savescore.php?gid=43"
    if [[ $2 == yes ]]; then
        grep -q '<a class="plate" id="play" href="/play/?lang=CZ">Hrát v prohlížeči</a>' "$TABLE_TEST_DIR/b" ||
            fail "the Czech table page has no link to the game"
        fetch -H 'Accept-Language: en' "$1/savescore.php?gid=43"
        grep -q '<a class="plate" id="play" href="/play/?lang=EN">Play in the browser</a>' "$TABLE_TEST_DIR/b" ||
            fail "the English table page has no link to the game"
    else
        grep -q 'id="play"' "$TABLE_TEST_DIR/b" && fail "the table page links to a game that is not installed"
    fi
    return 0
}

# A hidden file, which must not be served; taken away again at the end.
touch "$staged/.hidden"
table_cleanups+=("rm -f '$staged/.hidden'")

where="built-in server"
server_start SIXDICE_SERVER_GAME_DIR="$staged"
base=$SERVER_BASE
check_serving "$base"
check_link "$base" yes
server_stop
server_start SIXDICE_SERVER_GAME_DIR="$TABLE_TEST_DIR/nothing"
base=$SERVER_BASE
check_link "$base" no
fetch "$base/play/"
expect "no game folder" "$(status)" 404
server_stop

where="nginx site"
printf 'data_dir = %s\ngame_dir = %s\n' "$TABLE_TEST_DIR/deploy/data" "$staged" >"$TABLE_TEST_DIR/server.ini"
DEPLOY_GAME_DIR=$staged deployment_start "$TABLE_TEST_DIR/server.ini"
base=$DEPLOY_BASE
check_serving "$base"
check_link "$base" yes
grep -h -i 'error\|warn' "$DEPLOY_ROOT"/log/*error* "$DEPLOY_ROOT"/log/nginx-main.log 2>/dev/null |
    grep -v 'No such file\|is not found\|forbidden' >&2 && fail "nginx logged the errors above"

if ((failures > 0)); then
    echo "$failures failures" >&2
    exit 1
fi
echo "/play/ served alike by the built-in server and the nginx site"
