#!/usr/bin/env bash
# The shipped deployment (server/deploy/: nginx site, PHP-FPM pool, settings file) on loopback:
# nginx and PHP-FPM with private configuration, pid and log files, on a throwaway PostgreSQL
# cluster, answering the table and one submission built by the game's own scores library.
#   deploy_test.sh PRINT_ADDRESS
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
print_address=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
table_test_init

fail() {
    echo "FAIL: $*" >&2
    for log in "$DEPLOY_ROOT"/log/*; do
        echo "--- $log" >&2
        tail -20 "$log" >&2
    done
    exit 1
}

postgres_start -c fsync=off
# The shipped settings file, pointing at the cluster.
sed -e "s|^dsn = .*|dsn = \"$POSTGRES_DSN\"|" -e 's|^db_password = .*|db_password =|' \
    "$table_repo_dir/server/deploy/server.ini" >"$TABLE_TEST_DIR/server.ini"
deployment_start "$TABLE_TEST_DIR/server.ini"
base=$DEPLOY_BASE
root=$DEPLOY_ROOT

# One submission from the game's library, through nginx and PHP-FPM into PostgreSQL.
name='Žák & <i>'
address=$("$print_address" "$base" "$name" 6100 'deploy+test@example.cz' 321)
answer=$(curl -s -w '\n%{http_code}' "$address")
[[ ${answer##*$'\n'} == 200 ]] || fail "the submission was answered ${answer##*$'\n'}"
grep -q '<tr class="mine" id="mine"><td class="num">1</td><td class="name">Žák &amp; &lt;i&gt;</td>' <<<"$answer" ||
    fail "the answer does not highlight the row"
rows=$(SIXDICE_SERVER_CONFIG=$root/etc/server.ini "$table_repo_dir/server/bin/sixdice-table" list --emails)
[[ $(cut -f3,5,6 <<<"$rows") == "6100"$'\t'"$name"$'\t'"deploy+test@example.cz" ]] || fail "the database holds [$rows]"

# What the site serves besides.
[[ $(curl -s -o /dev/null -w '%{http_code}' "$base/savescore.php?gid=43&format=json") == 200 ]] || fail "no JSON table"
[[ $(curl -s -o /dev/null -w '%{http_code} %{redirect_url}' "$base/") == "302 $base/savescore.php?gid=43" ]] ||
    fail "/ does not lead to the table"
for path in /src/Config.php /bin/sixdice-table /deploy/server.ini /public/savescore.php /README.md; do
    [[ $(curl -s -o /dev/null -w '%{http_code}' "$base$path") == 404 ]] || fail "$path is served"
done
[[ $(curl -s -o /dev/null -w '%{http_code}' -X POST "$base/savescore.php?gid=43") == 405 ]] || fail "POST is answered"
[[ $(curl -s -D - -o /dev/null "$base/savescore.php?gid=43" | grep -ci 'x-powered-by') == 0 ]] ||
    fail "the PHP version is announced"
sleep 0.2
grep -q 'example.cz' "$root/log/sixdice-server.access.log" && fail "the access log holds an e-mail address"
grep -q 'GET /savescore.php' "$root/log/sixdice-server.access.log" || fail "nothing in the access log"
echo "nginx + PHP-FPM + PostgreSQL answered the table and stored one submission"
