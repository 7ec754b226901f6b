#!/usr/bin/env bash
# The on-line table's Debian package as an operator gets it: made by CPack from this build and
# checked by lintian, installed on this machine, its site and pool enabled as its manual page
# says and run by nginx and PHP-FPM on a loopback port, one submission stored and read back from
# the page and from sixdice-table; then removed (settings and data stay, a reinstall finds them)
# and purged (nothing of it stays).
#   package_test.sh BUILD_DIR VERSION PRINT_ADDRESS
# It needs root (dpkg) and exits with 77 (skipped) without it. Runs on one machine take turns
# (a lock file), and an installation that this test did not make is left alone (skipped).
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
build=$1
version=$2
print_address=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

if [[ $(id -u) -ne 0 ]]; then
    echo "SKIP: installing a package needs root"
    exit 77
fi
lock_dir=/run/lock
[[ -d $lock_dir ]] || lock_dir=/tmp
exec 8>"$lock_dir/sixdice-server-package-test.lock"
flock -w 900 8 || {
    echo "another run of this test kept the lock for 15 minutes" >&2
    exit 1
}

table_test_init
work=$TABLE_TEST_DIR
app=/usr/share/sixdice-server
settings=/etc/sixdice-server/server.ini
pool=/etc/sixdice-server/php-fpm-pool.conf
site=/etc/nginx/sites-available/sixdice-server
site_link=/etc/nginx/sites-enabled/sixdice-server
pool_link=/etc/php/8.2/fpm/pool.d/sixdice-server.conf
data=/var/lib/sixdice-server
access_log=/var/log/nginx/sixdice-server.access.log
# Marks an installation as this test's own, so that a run that was cut short is cleaned up by
# the next one, and purged with the package.
mark=$data/.made-by-package-test

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# apt-get, waiting while another program holds the package database. The package's
# dependencies come from tools/ensure-packages and what it only recommends is not asked for, so
# nothing is downloaded.
apt() {
    DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=600 "$@" >"$work/apt.log" 2>&1 || {
        cat "$work/apt.log" >&2
        return 1
    }
}
installed() {
    [[ $(dpkg-query -W -f '${db:Status-Status}' sixdice-server 2>/dev/null) == "$1" ]]
}
purge() {
    rm -f "$site_link" "$pool_link"
    apt purge sixdice-server
}

if ! installed not-installed && [[ -n $(dpkg-query -W -f '${db:Status-Status}' sixdice-server 2>/dev/null) ]]; then
    [[ -e $mark ]] || {
        echo "SKIP: sixdice-server is installed on this machine; the test leaves it alone"
        exit 77
    }
    echo "purging what an earlier run left"
    purge
fi
table_cleanups+=("[[ -e '$mark' ]] && purge")

echo "== the package"
cpack --config "$build/CPackConfig.cmake" -D CPACK_COMPONENTS_ALL=server -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
deb=$work/pkg/sixdice-server_${version}_all.deb
[[ -f $deb ]] || fail "no $(basename "$deb"): $(ls "$work/pkg")"
[[ $(dpkg-deb -f "$deb" Architecture) == all ]] || fail "the package is not for all architectures"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in php8.2-cli php8.2-fpm php8.2-sqlite3; do
    [[ ",$depends," == *[\ ,]"$needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
dpkg-deb -e "$deb" "$work/control"
diff <(sort "$work/control/conffiles") <(printf '%s\n' "$pool" "$settings" "$site" | sort) >&2 ||
    fail "the conffiles are not the settings, the pool and the site"
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 ||
    fail "lintian finds errors: $(cat "$work/lintian.txt")"
grep -v "root privileges" "$work/lintian.txt" | sed 's/^/lintian: /' || true

echo "== installed"
apt install --no-install-recommends "$deb"
installed installed || fail "the package is not installed"
touch "$mark"
[[ -x /usr/bin/sixdice-table && -f $app/public/savescore.php && -f $app/src/Application.php ]] ||
    fail "the application or the tool is missing"
[[ ! -e $app/src/dev_router.php ]] || fail "the built-in server's router is installed"
[[ $(stat -c '%U:%G %a' "$settings") == "root:www-data 640" ]] ||
    fail "the settings file is $(stat -c '%U:%G %a' "$settings")"
[[ $(stat -c '%U:%G %a' "$data") == "www-data:www-data 750" ]] || fail "the data folder is $(stat -c '%U:%G %a' "$data")"
[[ ! -e $site_link && ! -e $pool_link ]] || fail "the package enabled its site or pool itself"
grep -q "root $app/public;" "$site" || fail "the site does not serve $app/public"
grep -q "open_basedir\] = $data:/etc/sixdice-server:$app" "$pool" || fail "the pool confines PHP elsewhere"
dpkg-deb -x "$deb" "$work/root"
# The manual page describes every command the tool knows.
zcat "$work/root/usr/share/man/man8/sixdice-table.8.gz" | sed 's/\\-/-/g' >"$work/sixdice-table.8"
commands=$(sixdice-table help | grep -oE '(^  | \| )[a-z][a-z-]+' | sed -E 's/^ +(\| )?//' | sort -u)
(($(wc -l <<<"$commands") >= 10)) || fail "sixdice-table help lists only: $commands"
for command in $commands; do
    grep -Eq "^(\.BI? |\.BR |\\\\fB)\"?$command\b" "$work/sixdice-table.8" || fail "the manual page lacks the command $command"
done

echo "== enabled and answering"
ln -s /etc/sixdice-server/php-fpm-pool.conf "$pool_link"
ln -s ../sites-available/sixdice-server "$site_link"
migrated=$(sixdice-table migrate) || fail "sixdice-table migrate failed"
[[ $migrated == "schema version "* ]] || fail "sixdice-table migrate said: $migrated"
[[ $(stat -c '%U' "$data/scores.sqlite") == www-data ]] || fail "root's migrate left a database www-data cannot write"

# PHP-FPM and nginx of this test alone, with the enabled pool and site; the site's listen
# lines are the only change an operator's would not have.
mkdir -p "$work/nginx/tmp" "$work/log" /run/php
printf '[global]\npid = %s\nerror_log = %s\ndaemonize = no\ninclude = %s\n' \
    "$work/fpm.pid" "$work/log/php-fpm.log" "$pool_link" >"$work/php-fpm.conf"
/usr/sbin/php-fpm8.2 -y "$work/php-fpm.conf" &
fpm=$!
table_cleanups+=("kill -TERM $fpm; wait $fpm")
cp /etc/nginx/fastcgi_params "$work/nginx/"
for attempt in 1 2 3; do
    port=$(free_port)
    sed -e "s|listen 80;|listen 127.0.0.1:$port;|" -e '/listen \[::\]:80;/d' "$site_link" >"$work/nginx/site.conf"
    {
        echo "user www-data; worker_processes 1; daemon off; pid $work/nginx.pid;"
        # The site sends the browser game's .br copies through Debian's brotli module.
        echo "load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;"
        echo "error_log $work/log/nginx.log; events { worker_connections 64; }"
        echo "http {"
        for temp in client_body fastcgi proxy uwsgi scgi; do
            echo "    ${temp}_temp_path $work/nginx/tmp/$temp;"
        done
        echo "    include site.conf;"
        echo "}"
    } >"$work/nginx/nginx.conf"
    nginx -p "$work/nginx" -c "$work/nginx/nginx.conf" &
    nginx=$!
    base=http://127.0.0.1:$port
    for _ in $(seq 1 100); do
        kill -0 "$fpm" 2>/dev/null || fail "PHP-FPM did not start: $(cat "$work/log/php-fpm.log")"
        kill -0 "$nginx" 2>/dev/null || break
        [[ -S /run/php/sixdice-server.sock && -s $work/nginx.pid ]] &&
            "$table_repo_dir/server/run" --answering "127.0.0.1:$port" && break
        sleep 0.1
    done
    kill -0 "$nginx" 2>/dev/null && break
    wait "$nginx" || true
    grep -q 'Address already in use' "$work/log/nginx.log" && ((attempt < 3)) && continue
    fail "nginx did not start: $(cat "$work/log/nginx.log")"
done
table_cleanups+=("kill -TERM $nginx; wait $nginx")

name='Balík'
email="package.test.$$@example.cz"
page=$(curl -s -w '\n%{http_code}' "$("$print_address" "$base" "$name" 5230 "$email" 77)")
[[ ${page##*$'\n'} == 200 ]] || fail "the submission was answered ${page##*$'\n'}: $page"
grep -q "<tr class=\"mine\" id=\"mine\"><td class=\"num\">1</td><td class=\"name\">$name</td>" <<<"$page" ||
    fail "the answer does not highlight the new row"
curl -s "$base/savescore.php?gid=43" | grep -q "<td class=\"name\">$name</td>" || fail "the table page lacks the row"
rows=$(sixdice-table list --emails)
[[ $(cut -f2,3,5,6 <<<"$rows") == "1"$'\t'"5230"$'\t'"$name"$'\t'"$email" ]] || fail "sixdice-table list shows [$rows]"
[[ $(curl -s -o /dev/null -w '%{http_code}' "$base/src/Config.php") == 404 ]] || fail "the application's sources are served"
kill -TERM "$nginx" "$fpm"
wait "$nginx" "$fpm" || true
grep -q '"GET /savescore.php" 200' "$access_log" || fail "the site's access log lacks the submission"
grep -q 'example.cz' "$access_log" && fail "the access log holds the e-mail address"

echo "== removed: settings and data stay"
echo "timezone = Europe/Prague" >>"$settings"
apt remove sixdice-server
installed config-files || fail "the package is not in the removed state"
[[ ! -e $app && ! -e /usr/bin/sixdice-table ]] || fail "the application outlived its removal"
[[ -f $settings && -f $pool && -f $site && -f $data/scores.sqlite && -f $access_log ]] ||
    fail "removing the package took settings, data or logs"
apt install --no-install-recommends "$deb"
grep -qx "timezone = Europe/Prague" "$settings" || fail "reinstalling lost the changed settings"
[[ $(stat -c '%U:%G %a' "$settings") == "root:www-data 640" ]] || fail "reinstalling changed the settings' owner"
[[ $(sixdice-table count) == 1 ]] || fail "reinstalling lost the stored result"
# An administrator who deleted the settings file can still reinstall (dpkg leaves it deleted).
rm "$settings"
apt install --no-install-recommends --reinstall "$deb"
[[ ! -e $settings ]] || fail "reinstalling brought back a deleted settings file"

echo "== purged: nothing stays"
apt purge sixdice-server
installed not-installed || [[ -z $(dpkg-query -W -f '${db:Status-Status}' sixdice-server 2>/dev/null) ]] ||
    fail "the package is still known to dpkg"
for gone in "$app" /usr/bin/sixdice-table /etc/sixdice-server "$site" "$data" "$access_log"; do
    [[ ! -e $gone ]] || fail "$gone outlived the purge"
done
[[ ! -L $site_link && ! -L $pool_link ]] || fail "the links that enabled the site and the pool outlived the purge"
[[ -d /etc/nginx/sites-available && -d /etc/php/8.2/fpm/pool.d ]] || fail "the purge took other packages' folders"
echo "sixdice-server installs, serves the table, removes and purges as it should"
