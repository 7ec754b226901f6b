#!/usr/bin/env bash
# The shipped deployment (server/deploy/: nginx site, PHP-FPM pool, settings file) on loopback:
# nginx and PHP-FPM with private configuration, pid and log files, on a throwaway PostgreSQL
# cluster, answering the table and one submission built by the game's own scores library.
#   deploy_test.sh PRINT_ADDRESS
set -euo pipefail
print_address=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
table_test_init
deploy=$table_repo_dir/server/deploy
root=$TABLE_TEST_DIR/deploy
mkdir -p "$root/etc" "$root/nginx/tmp" "$root/log"

fail() {
    echo "FAIL: $*" >&2
    for log in "$root"/log/*; do
        echo "--- $log" >&2
        tail -20 "$log" >&2
    done
    exit 1
}

postgres_start -c fsync=off
user=$(id -un)
group=$(id -gn)

# The settings file, pointing at the cluster.
sed -e "s|^dsn = .*|dsn = \"$POSTGRES_DSN\"|" -e 's|^db_password = .*|db_password =|' \
    "$deploy/server.ini" >"$root/etc/server.ini"

# The pool, with this test's paths; as root it runs as root (-R), else as the calling user.
sed -e "s|/srv/sixdice-server|$table_repo_dir/server|g" -e "s|/etc/sixdice-server|$root/etc|g" \
    -e "s|/run/php/sixdice-server.sock|$root/fpm.sock|" -e "s|^user = .*|user = $user|" \
    -e "s|^group = .*|group = $group|" -e "s|^listen.owner = .*|listen.owner = $user|" \
    -e "s|^listen.group = .*|listen.group = $group|" "$deploy/php-fpm-pool.conf" >"$root/pool.conf"
cat >"$root/php-fpm.conf" <<CONF
[global]
pid = $root/fpm.pid
error_log = $root/log/php-fpm.log
daemonize = no
include = $root/pool.conf
CONF
fpm=$(ls /usr/sbin/php-fpm* 2>/dev/null | sort -V | tail -1)
[[ -x $fpm ]] || fail "no PHP-FPM (tools/ensure-packages test)"
fpm_options=(-y "$root/php-fpm.conf")
[[ $(id -u) -ne 0 ]] || fpm_options+=(-R)
"$fpm" "${fpm_options[@]}" &
fpm_pid=$!
table_cleanups+=("kill -TERM $fpm_pid; wait $fpm_pid")

# nginx with a private prefix: the site as shipped, on a free loopback port.
port=$(free_port)
sed -e "s|listen 80;|listen 127.0.0.1:$port;|" -e '/listen \[::\]:80;/d' \
    -e "s|/srv/sixdice-server|$table_repo_dir/server|g" -e "s|/etc/sixdice-server|$root/etc|g" \
    -e "s|/run/php/sixdice-server.sock|$root/fpm.sock|" -e "s|/var/log/nginx|$root/log|g" \
    "$deploy/nginx-site.conf" >"$root/nginx/site.conf"
cp /etc/nginx/fastcgi_params "$root/nginx/"
{
    [[ $(id -u) -ne 0 ]] || echo "user $user $group;"
    cat <<CONF
worker_processes 1;
daemon off;
pid $root/nginx.pid;
error_log $root/log/nginx-main.log;
events { worker_connections 64; }
http {
    client_body_temp_path $root/nginx/tmp/body;
    fastcgi_temp_path $root/nginx/tmp/fastcgi;
    proxy_temp_path $root/nginx/tmp/proxy;
    uwsgi_temp_path $root/nginx/tmp/uwsgi;
    scgi_temp_path $root/nginx/tmp/scgi;
    include site.conf;
}
CONF
} >"$root/nginx/nginx.conf"
nginx -p "$root/nginx" -c "$root/nginx/nginx.conf" -t -q || fail "nginx refuses the site"
nginx -p "$root/nginx" -c "$root/nginx/nginx.conf" &
nginx_pid=$!
table_cleanups+=("kill -TERM $nginx_pid; wait $nginx_pid")

base=http://127.0.0.1:$port
for _ in $(seq 1 100); do
    [[ -S $root/fpm.sock ]] && "$table_repo_dir/server/run" --answering "127.0.0.1:$port" && break
    sleep 0.1
done

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
