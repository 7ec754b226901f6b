#!/usr/bin/env bash
# The HTTP tests against the server started here on a free loopback port, with SQLite, or with a
# throwaway PostgreSQL cluster started here as well; the storage tests run on the same database.
#   http_tests.sh sqlite|postgres
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
table_test_init

limit=4
ceiling=300
settings=(SIXDICE_SERVER_RATE_LIMIT=$limit SIXDICE_SERVER_MAX_NEW_PER_HOUR=$ceiling
    SIXDICE_SERVER_TRUSTED_PROXIES=127.0.0.1)
case "${1:-}" in
sqlite)
    dsn="sqlite:$TABLE_TEST_DIR/data/scores.sqlite"
    ;;
postgres)
    postgres_start -c fsync=off
    dsn=$POSTGRES_DSN
    settings+=(SIXDICE_SERVER_DSN="$dsn")
    ;;
*)
    echo "usage: http_tests.sh sqlite|postgres" >&2
    exit 2
    ;;
esac
server_start "${settings[@]}"

status=0
SIXDICE_TEST_BASE_URL=$SERVER_BASE SIXDICE_TEST_DSN=$dsn SIXDICE_TEST_RATE_LIMIT=$limit \
    SIXDICE_TEST_MAX_NEW_PER_HOUR=$ceiling phpunit -c "$here/phpunit.xml" --testsuite http || status=$?
if [[ $1 == postgres ]]; then
    # The storage, page, operator tool and moderation tests once more, on PostgreSQL, and the
    # single call that stores a result there.
    SIXDICE_TEST_DSN=$dsn phpunit -c "$here/phpunit.xml" --filter 'StorageTest|PagesTest|OperatorToolTest|ModerationTest|PostgresSubmissionTest' \
        || status=$?
fi
# The dev server's own answers beside the table.
root=$(curl -s -o /dev/null -w '%{http_code} %{redirect_url}' "$SERVER_BASE/")
[[ $root == "302 $SERVER_BASE/savescore.php?gid=43" ]] || { echo "/ answered $root" >&2; status=1; }
other=$(curl -s -o /dev/null -w '%{http_code}' "$SERVER_BASE/src/Config.php")
[[ $other == 404 ]] || { echo "/src/Config.php answered $other" >&2; status=1; }
# The ceiling was reached twice within the hour and said so once.
ceiling_notes=$(grep -c 'max_new_per_hour' "$SERVER_LOG" || true)
[[ $ceiling_notes == 1 ]] || { echo "the ceiling was logged $ceiling_notes times, not once" >&2; status=1; }
if grep -E 'PHP (Warning|Notice|Deprecated|Fatal)' "$SERVER_LOG" >&2; then
    echo "the server logged the messages above" >&2
    status=1
fi
exit $status
