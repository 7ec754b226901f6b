#!/usr/bin/env bash
# No log the table's deployments write names a player's e-mail address. Each way a submission can
# end in a log is provoked with an address of its own: nginx's request limit, PHP-FPM stopped,
# PHP-FPM stopping a request that ran too long while nginx gives up on it, a PHP warning, a
# database error on SQLite and on PostgreSQL; and the built-in server (server/run --log) with a submission and a database
# error. Afterwards every file the deployments wrote except the databases is searched: the
# addresses are nowhere, while each event is logged (status, PHP's message) without them.
#   privacy_test.sh PRINT_ADDRESS
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
print_address=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
table_test_init

fail() {
    echo "FAIL: $*" >&2
    find "$TABLE_TEST_DIR" -name '*.log' -type f | while read -r log; do
        echo "--- $log" >&2
        tail -20 "$log" >&2
    done
    exit 1
}

# Letters only, so that no encoding on the way changes it and one grep finds every form.
token=privacy$(od -An -N6 -tx1 /dev/urandom | tr -d ' \n')
rand=1000
# submit BASE EVENT: one valid submission (a new one each time) whose address is
# EVENT.TOKEN@example.cz; $status is what it was answered with.
submit() {
    rand=$((rand + 1))
    status=$(curl -s -o /dev/null -w '%{http_code}' --max-time 20 \
        "$("$print_address" "$1" "Tester" 4200 "$2.$token@example.cz" "$rand")") || true
}
# sqlite_exec FILE SQL: runs SQL on a table's SQLite file.
sqlite_exec() {
    php -r '$p = new PDO("sqlite:" . $argv[1]); $p->exec("PRAGMA busy_timeout = 10000"); $p->exec($argv[2]);' "$1" "$2"
}
# A database that refuses every new row, the way a full disk or a broken file would.
refuse_inserts() {
    sqlite_exec "$1" "CREATE TRIGGER refuse_rows BEFORE INSERT ON scores BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"
}
settings() {
    printf 'data_dir = %s\nrate_limit = 0\n' "$1" >"$TABLE_TEST_DIR/$2.ini"
    echo "$TABLE_TEST_DIR/$2.ini"
}

# A PHP warning: settings that put the data outside the folders the pool lets PHP open.
deployment_start "$(settings /opt/sixdice-elsewhere warning)" '' warning
submit "$DEPLOY_BASE" warning
[[ $status == 500 ]] || fail "a submission without a usable data folder was answered $status"
deployment_stop

# PHP-FPM stops a request that ran too long (a writer holds the SQLite lock past its limit),
# after nginx has already given up on it.
deployment_start "$(settings "$TABLE_TEST_DIR/slow/data" slow)" \
    's|fastcgi_pass .*|&\n        fastcgi_read_timeout 1s;|' slow \
    's|^request_terminate_timeout = .*|request_terminate_timeout = 2s|'
submit "$DEPLOY_BASE" slowfirst && [[ $status == 200 ]] || fail "the first submission was not stored"
php -r '$p = new PDO("sqlite:" . $argv[1]); $p->exec("BEGIN IMMEDIATE"); touch($argv[2]); sleep(5);' \
    "$DEPLOY_ROOT/data/scores.sqlite" "$TABLE_TEST_DIR/locked" &
holder=$!
table_cleanups+=("kill $holder")
for _ in $(seq 1 100); do
    [[ -e $TABLE_TEST_DIR/locked ]] && break
    sleep 0.1
done
submit "$DEPLOY_BASE" timeout
# nginx answers the timed-out request "try again" (503 with Retry-After), not a bare 504.
[[ $status == 503 ]] || fail "a submission waiting for the lock was answered $status, not 503"
for _ in $(seq 1 50); do
    grep -q 'execution timed out' "$DEPLOY_ROOT/log/php-fpm.log" && break
    sleep 0.1
done
grep -q 'execution timed out' "$DEPLOY_ROOT/log/php-fpm.log" || fail "PHP-FPM did not stop the request"
wait "$holder" || true
deployment_stop

# The shipped site: a good submission, a burst beyond nginx's request limit, a database error,
# and PHP-FPM stopped.
deployment_start "$(settings "$TABLE_TEST_DIR/deploy/data" deploy)"
main=$DEPLOY_ROOT
submit "$DEPLOY_BASE" stored && [[ $status == 200 ]] || fail "a good submission was not stored"
for i in $(seq 1 40); do
    rand=$((rand + 1))
    "$print_address" "$DEPLOY_BASE" "Burst $i" 4200 "burst.$token@example.cz" "$rand"
done >"$TABLE_TEST_DIR/burst.txt"
statuses=$(xargs -P 40 -n 1 curl -s -o /dev/null -w '%{http_code}\n' --max-time 20 <"$TABLE_TEST_DIR/burst.txt")
grep -qx 429 <<<"$statuses" || fail "40 submissions at once met no request limit: $(sort <<<"$statuses" | uniq -c)"
# The limit lets 10 a second through again (20 at once): the requests below are not limited.
sleep 2.1
refuse_inserts "$main/data/scores.sqlite"
submit "$DEPLOY_BASE" database
[[ $status == 503 ]] || fail "a submission the database refused was answered $status"
kill -TERM "${DEPLOY_PIDS[0]}"
wait "${DEPLOY_PIDS[0]}" 2>/dev/null || true
submit "$DEPLOY_BASE" stopped
[[ $status == 503 ]] || fail "a submission with PHP-FPM stopped was answered $status"
sleep 0.3
deployment_stop

# PostgreSQL puts a refused row's values, address included, on its message's DETAIL line; its
# own log leaves that line out for the table's role, as server/README.md advises.
postgres_start -c fsync=off
pg_exec() {
    php -r '$p = new PDO($argv[1]); $p->exec($argv[2]);' "$POSTGRES_DSN" "$1"
}
pg_exec "ALTER ROLE sixdice SET log_error_verbosity = terse"
printf 'dsn = "%s"\nrate_limit = 0\n' "$POSTGRES_DSN" >"$TABLE_TEST_DIR/postgres.ini"
deployment_start "$TABLE_TEST_DIR/postgres.ini" '' postgresql
submit "$DEPLOY_BASE" pgstored && [[ $status == 200 ]] || fail "PostgreSQL did not store a submission"
pg_exec "ALTER TABLE scores ADD CONSTRAINT refuse_rows CHECK (score < 0) NOT VALID"
submit "$DEPLOY_BASE" pgrefused
[[ $status == 503 ]] || fail "a row PostgreSQL refused was answered $status"
deployment_stop

# The built-in server, logging to its data folder.
port=$(free_port)
"$table_repo_dir/server/run" --listen "127.0.0.1:$port" --data "$TABLE_TEST_DIR/builtin" \
    --workers 2 --log >/dev/null 2>&1 &
builtin=$!
table_cleanups+=("kill -TERM $builtin; wait $builtin")
for _ in $(seq 1 100); do
    "$table_repo_dir/server/run" --answering "127.0.0.1:$port" && break
    sleep 0.1
done
base=http://127.0.0.1:$port
submit "$base" builtinstored && [[ $status == 200 ]] || fail "the built-in server did not store a submission"
[[ $(curl -s -o /dev/null -w '%{http_code}' "$base/elsewhere?email=builtinpath.$token%40example.cz") == 404 ]] ||
    fail "the built-in server served an unknown path"
refuse_inserts "$TABLE_TEST_DIR/builtin/scores.sqlite"
submit "$base" builtindatabase && [[ $status == 503 ]] || fail "the built-in server stored a refused row"
kill -TERM "$builtin"
wait "$builtin" || true
sleep 0.2

# The addresses that were stored are in the databases, so the search below would find them.
grep -aq "stored.$token@example.cz" "$main/data/scores.sqlite" "$main/data/scores.sqlite-wal" ||
    fail "the stored address is not in the database"

# No file but the databases holds an address (PostgreSQL's log is searched too).
leaks=$(grep -rl -a "$token" "$TABLE_TEST_DIR" --exclude='scores.sqlite*' --exclude='burst.txt' \
    --exclude-dir=base --exclude-dir=pg_wal || true)
[[ -z $leaks ]] || fail "e-mail addresses were logged in: $leaks$(grep -rh -a "$token" $leaks | head -5)"

# ... and every event was logged all the same.
expect() {
    grep -Eq "$2" "$1" || fail "$1 lacks a line matching: $2"
}
expect "$TABLE_TEST_DIR/warning/log/php-fpm.log" 'PHP Warning: .*open_basedir restriction'
expect "$TABLE_TEST_DIR/warning/log/php-fpm.log" 'sixdice-server: .*/opt/sixdice-elsewhere'
expect "$TABLE_TEST_DIR/warning/log/sixdice-server.access.log" '"GET /savescore.php" 500 .* fpm=500 '
expect "$TABLE_TEST_DIR/slow/log/php-fpm.log" "request: \"GET /savescore.php\"\\) execution timed out"
expect "$TABLE_TEST_DIR/slow/log/sixdice-server.access.log" '"GET /savescore.php" 503 .* fpm=504 '
expect "$main/log/sixdice-server.access.log" '"GET /savescore.php" 200 .* fpm=200 '
expect "$main/log/sixdice-server.access.log" '"GET /savescore.php" 429 .* limit=REJECTED$'
expect "$main/log/php-fpm.log" 'sixdice-server: PDOException: .*database or disk is full'
expect "$main/log/sixdice-server.access.log" '"GET /savescore.php" 503 .* fpm=503 '
expect "$main/log/sixdice-server.access.log" '"GET /savescore.php" 503 .* fpm=502 '
expect "$TABLE_TEST_DIR/postgresql/log/php-fpm.log" 'sixdice-server: PDOException: .*violates check constraint "refuse_rows"'
expect "$TABLE_TEST_DIR/postgres/server.log" 'ERROR: +new row for relation "scores" violates check constraint "refuse_rows"'
expect "$TABLE_TEST_DIR/builtin/server.log" 'sixdice-server: PDOException: .*database or disk is full'
echo "no log of the deployments names an address; the events are logged without them"
