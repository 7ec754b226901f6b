# Pieces the on-line table's end-to-end tests share; `source` it from bash (set -euo pipefail).
#
#   table_test_init                 a private folder $TABLE_TEST_DIR; everything started below is
#                                   stopped and the folder removed when the script exits
#   free_port                       prints a free TCP port on 127.0.0.1
#   postgres_start [-c NAME=VALUE]...
#                                   a throwaway PostgreSQL cluster (initdb/pg_ctl, as an
#                                   unprivileged user when run as root) -> $POSTGRES_DSN
#   server_start [NAME=VALUE]...    server/run on a free port with these SIXDICE_SERVER_* settings
#                                   (SQLite in the private folder unless SIXDICE_SERVER_DSN is
#                                   given) -> $SERVER_BASE, $SERVER_LOG
#   server_stop                     stops it (also done on exit)
#   table_rows [--emails]           the server's rows, best first, tab-separated:
#                                   id, rank, score, date, name [, e-mail]
#   use_test_browser                exports BROWSER (headless Chromium that keeps what it shows)
#                                   and an empty desktop set-up, so that `xdg-open ADDRESS`, also
#                                   from a program started afterwards, ends in that browser
#   desktop_open ADDRESS            xdg-open ADDRESS the way a desktop does, through that browser
#   browser_wait N [SECONDS]        waits until the browser has shown N addresses; page number n
#                                   (1, 2, ...) leaves $TABLE_TEST_DIR/browser/NNN.url, .png and
#                                   .html (the page as Chromium built it)
#   chromium_page ADDRESS PNG [HTML] [WIDTH,HEIGHT]
#                                   one page in headless Chromium: screenshot and DOM
#   count_colour PNG '#RRGGBB' [FUZZ%]  prints how many pixels of the screenshot have that colour
#   deployment_start SERVER_INI [SITE_SED [NAME [POOL_SED]]]
#                                   the shipped nginx site and PHP-FPM pool (server/deploy/) with
#                                   private paths under $TABLE_TEST_DIR/NAME (default "deploy";
#                                   its data folder is NAME/data) on a free loopback port, with
#                                   these settings (SITE_SED, POOL_SED: extra sed scripts for the
#                                   site and the pool; DEPLOY_GAME_DIR: the browser game's folder,
#                                   for /srv/sixdice-web)
#                                   -> $DEPLOY_BASE, $DEPLOY_ROOT (logs in $DEPLOY_ROOT/log)
#   deployment_stop                 stops the last one started
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

table_lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
table_repo_dir=$(cd "$table_lib_dir/../.." && pwd)
table_cleanups=()

table_test_init() {
    TABLE_TEST_DIR=$(mktemp -d "${TMPDIR:-/tmp}/sixdice-table-XXXXXX")
    chmod 755 "$TABLE_TEST_DIR"
    trap table_cleanup EXIT
    trap 'exit 130' INT TERM
    # A command that fails under `set -e` says which it was.
    trap 'echo "failed (exit $?) at ${BASH_SOURCE[0]}:$LINENO: $BASH_COMMAND" >&2' ERR
}

table_cleanup() {
    local i
    for ((i = ${#table_cleanups[@]} - 1; i >= 0; i--)); do
        eval "${table_cleanups[i]}" >/dev/null 2>&1 || true
    done
    rm -rf "$TABLE_TEST_DIR"
}

free_port() {
    php -r '$s = stream_socket_server("tcp://127.0.0.1:0"); echo explode(":", stream_socket_get_name($s, false))[1], "\n";'
}

# Runs a command as the cluster's owner: ourselves, or an unprivileged user when we are root
# (initdb refuses to run as root).
as_postgres_owner() {
    if [[ $(id -u) -eq 0 ]]; then
        local user=postgres
        id -u "$user" >/dev/null 2>&1 || user=nobody
        runuser -u "$user" -- "$@"
    else
        "$@"
    fi
}

postgres_bin() {
    local bin
    bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
    [[ -x $bin/initdb ]] || {
        echo "no PostgreSQL server programs in /usr/lib/postgresql (tools/ensure-packages test)" >&2
        return 1
    }
    echo "$bin"
}

postgres_start() {
    local bin port cluster=$TABLE_TEST_DIR/postgres options=() option attempt
    bin=$(postgres_bin)
    mkdir "$cluster"
    [[ $(id -u) -ne 0 ]] || chown "$(as_postgres_owner id -un)" "$cluster"
    as_postgres_owner "$bin/initdb" -D "$cluster/data" -U sixdice --auth=trust -E UTF8 \
        --locale=C.UTF-8 --no-instructions >"$cluster/initdb.log" 2>&1 || {
        cat "$cluster/initdb.log" >&2
        return 1
    }
    for option in "$@"; do
        options+=("$option")
    done
    table_cleanups+=("as_postgres_owner '$bin/pg_ctl' -D '$cluster/data' -m immediate stop")
    for attempt in 1 2 3; do
        port=$(free_port)
        as_postgres_owner "$bin/pg_ctl" -D "$cluster/data" -l "$cluster/server.log" -w -t 30 \
            -o "-p $port -k $cluster -c listen_addresses=127.0.0.1 ${options[*]}" start >/dev/null && break
        grep -q 'could not bind' "$cluster/server.log" && ((attempt < 3)) && continue
        cat "$cluster/server.log" >&2
        return 1
    done
    as_postgres_owner "$bin/createdb" -h 127.0.0.1 -p "$port" -U sixdice sixdice
    POSTGRES_DSN="pgsql:host=127.0.0.1;port=$port;dbname=sixdice;user=sixdice"
}

server_start() {
    local port setting attempt
    SERVER_ENV=(SIXDICE_SERVER_DATA_DIR="$TABLE_TEST_DIR/data")
    for setting in "$@"; do
        SERVER_ENV+=("$setting")
    done
    SERVER_LOG=$TABLE_TEST_DIR/server.log
    table_cleanups+=("server_stop")
    # A free port can be taken by another process before the server binds it: then another one.
    for attempt in 1 2 3; do
        port=$(free_port)
        env "${SERVER_ENV[@]}" "$table_repo_dir/server/run" --listen "127.0.0.1:$port" \
            --data "$TABLE_TEST_DIR/data" --workers "${SERVER_WORKERS:-3}" >"$SERVER_LOG" 2>&1 &
        SERVER_PID=$!
        SERVER_BASE=http://127.0.0.1:$port
        for _ in $(seq 1 100); do
            if ! kill -0 "$SERVER_PID" 2>/dev/null; then
                break
            fi
            if "$table_repo_dir/server/run" --answering "127.0.0.1:$port"; then
                # Ours, not another program that took the port.
                grep -q "Development Server (http://127.0.0.1:$port) started" "$SERVER_LOG" && return 0
            fi
            sleep 0.1
        done
        server_stop
        grep -q 'Address already in use' "$SERVER_LOG" || break
    done
    echo "the table's server did not start:" >&2
    cat "$SERVER_LOG" >&2
    return 1
}

server_stop() {
    if [[ -n ${SERVER_PID:-} ]] && kill -0 "$SERVER_PID" 2>/dev/null; then
        kill -TERM "$SERVER_PID"
        wait "$SERVER_PID" 2>/dev/null || true
    fi
    SERVER_PID=
}

table_rows() {
    env "${SERVER_ENV[@]}" "$table_repo_dir/server/bin/sixdice-table" list "$@"
}

chromium_flags=(--headless --no-sandbox --disable-gpu --disable-quic --no-first-run
    --disable-background-networking --disable-component-update --disable-sync
    --disable-default-apps --hide-scrollbars --mute-audio)

chromium_page() {
    local address=$1 png=$2 html=${3:-/dev/null} size=${4:-1000,900} profile
    profile=$(mktemp -d "$TABLE_TEST_DIR/profile-XXXXXX")
    chromium "${chromium_flags[@]}" --user-data-dir="$profile" --window-size="$size" \
        --screenshot="$png" --dump-dom "$address" >"$html" 2>"$profile.log"
    rm -rf "$profile"
    [[ -s $png ]] || {
        echo "Chromium made no screenshot of $address:" >&2
        tail -5 "$profile.log" >&2
        return 1
    }
}

use_test_browser() {
    local shots=$TABLE_TEST_DIR/browser
    mkdir -p "$shots" "$TABLE_TEST_DIR/desktop/home" "$TABLE_TEST_DIR/desktop/none"
    cat >"$TABLE_TEST_DIR/desktop/browser" <<WRAPPER
#!/usr/bin/env bash
# BROWSER for xdg-open: shows the address in headless Chromium and keeps the address, the
# screenshot and the page as built, numbered in the order the addresses came.
set -u
source '$table_lib_dir/lib.sh'
TABLE_TEST_DIR='$TABLE_TEST_DIR'
exec 9>'$shots/.lock'
flock 9
n=\$(printf '%03d' \$((\$(ls '$shots' | grep -c '\.url\$') + 1)))
printf '%s\n' "\$1" >'$shots/'\$n.url
chromium_page "\$1" '$shots/'\$n.png '$shots/'\$n.html "\${SIXDICE_BROWSER_SIZE:-1000,900}"
touch '$shots/'\$n.done
WRAPPER
    chmod +x "$TABLE_TEST_DIR/desktop/browser"
    export BROWSER=$TABLE_TEST_DIR/desktop/browser
    # No desktop and no registered handlers: xdg-open's generic way, which takes $BROWSER.
    export HOME=$TABLE_TEST_DIR/desktop/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CONFIG_DIRS=$TABLE_TEST_DIR/desktop/none XDG_DATA_DIRS=$TABLE_TEST_DIR/desktop/none
    unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
}

desktop_open() {
    (use_test_browser && xdg-open "$1")
}

browser_wait() {
    local n=$1 seconds=${2:-30} file
    file=$TABLE_TEST_DIR/browser/$(printf '%03d' "$n").done
    for _ in $(seq 1 $((seconds * 10))); do
        [[ -e $file ]] && return 0
        sleep 0.1
    done
    echo "the browser did not show address number $n within $seconds s" >&2
    return 1
}

count_colour() {
    convert "$1" -fill black +opaque "$2" -fuzz "${3:-6}%" -fill white -opaque "$2" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

deployment_start() {
    local settings=$1 site_sed=${2:-} pool_sed=${4:-} deploy=$table_repo_dir/server/deploy
    local root user group fpm port
    local fpm_options attempt temp
    root=$TABLE_TEST_DIR/${3:-deploy}
    DEPLOY_ROOT=$root
    DEPLOY_PIDS=()
    mkdir -p "$root/etc" "$root/nginx/tmp" "$root/log" "$root/data"
    cp "$settings" "$root/etc/server.ini"
    user=$(id -un)
    group=$(id -gn)

    # The pool with private paths; as root it runs as root (-R), else as the calling user.
    sed -e "s|/srv/sixdice-server|$table_repo_dir/server|g" -e "s|/etc/sixdice-server|$root/etc|g" \
        -e "s|/var/lib/sixdice-server|$root/data|g" -e "s|/srv/sixdice-web|${DEPLOY_GAME_DIR:-/srv/sixdice-web}|g" \
        -e "s|/run/php/sixdice-server.sock|$root/fpm.sock|" -e "s|^user = .*|user = $user|" \
        -e "s|^group = .*|group = $group|" -e "s|^listen.owner = .*|listen.owner = $user|" \
        -e "s|^listen.group = .*|listen.group = $group|" -e "$pool_sed" "$deploy/php-fpm-pool.conf" \
        >"$root/pool.conf"
    printf '[global]\npid = %s\nerror_log = %s\ndaemonize = no\ninclude = %s\n' \
        "$root/fpm.pid" "$root/log/php-fpm.log" "$root/pool.conf" >"$root/php-fpm.conf"
    fpm=$(ls /usr/sbin/php-fpm* 2>/dev/null | sort -V | tail -1)
    [[ -x $fpm ]] || {
        echo "no PHP-FPM (tools/ensure-packages test)" >&2
        return 1
    }
    fpm_options=(-y "$root/php-fpm.conf")
    [[ $(id -u) -ne 0 ]] || fpm_options+=(-R)
    "$fpm" "${fpm_options[@]}" &
    DEPLOY_PIDS+=($!)
    table_cleanups+=("kill -TERM $!; wait $!")

    # nginx with a private prefix: the site as shipped, on a free loopback port (another one when
    # some other process took it first).
    cp /etc/nginx/fastcgi_params "$root/nginx/"
    {
        [[ $(id -u) -ne 0 ]] || echo "user $user $group;"
        # The site serves the browser game's .br copies through Debian's brotli module.
        echo "load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;"
        echo "worker_processes auto; daemon off; pid $root/nginx.pid;"
        echo "error_log $root/log/nginx-main.log; events { worker_connections 512; }"
        echo "http {"
        for temp in client_body fastcgi proxy uwsgi scgi; do
            echo "    ${temp}_temp_path $root/nginx/tmp/$temp;"
        done
        echo "    include site.conf;"
        echo "}"
    } >"$root/nginx/nginx.conf"
    for attempt in 1 2 3; do
        port=$(free_port)
        sed -e "s|listen 80;|listen 127.0.0.1:$port;|" -e '/listen \[::\]:80;/d' \
            -e "s|/srv/sixdice-server|$table_repo_dir/server|g" -e "s|/etc/sixdice-server|$root/etc|g" \
            -e "s|/run/php/sixdice-server.sock|$root/fpm.sock|" -e "s|/var/log/nginx|$root/log|g" \
            -e "s|/srv/sixdice-web|${DEPLOY_GAME_DIR:-/srv/sixdice-web}|g" \
            -e "$site_sed" "$deploy/nginx-site.conf" >"$root/nginx/site.conf"
        nginx -p "$root/nginx" -c "$root/nginx/nginx.conf" -t -q || return 1
        nginx -p "$root/nginx" -c "$root/nginx/nginx.conf" &
        local nginx_pid=$!
        DEPLOY_BASE=http://127.0.0.1:$port
        for _ in $(seq 1 100); do
            kill -0 "$nginx_pid" 2>/dev/null || break
            if [[ -S $root/fpm.sock ]] && [[ -s $root/nginx.pid ]] &&
                "$table_repo_dir/server/run" --answering "127.0.0.1:$port"; then
                DEPLOY_PIDS+=("$nginx_pid")
                table_cleanups+=("kill -TERM $nginx_pid; wait $nginx_pid")
                return 0
            fi
            sleep 0.1
        done
        kill -TERM "$nginx_pid" 2>/dev/null || true
        wait "$nginx_pid" 2>/dev/null || true
        grep -q 'Address already in use' "$root/log/nginx-main.log" || break
    done
    echo "nginx and PHP-FPM did not come up" >&2
    tail -20 "$root"/log/* >&2
    return 1
}

deployment_stop() {
    local pid
    for pid in "${DEPLOY_PIDS[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    DEPLOY_PIDS=()
}
