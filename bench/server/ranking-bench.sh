#!/bin/bash
# The ranking server under wrk on loopback, in one run: (a) views of the first ranking page
# (100 entries, about 32 KB), (b) the same bytes as a static file from nginx for reference,
# (c) submissions of distinct genuine entries, each answered once durable, (d) verified
# submissions: a recorded game of about three minutes posted with its replay, checked with the
# game's rules and stored.
# Usage: ranking-bench.sh SERVER [SECONDS_PER_PHASE] [CONNECTIONS]
# SERVER is the program in a build folder, whose bench/server/ranking-request tells what to ask.
# The database lives in a temporary folder under the current directory: on disk, as in use.
set -euo pipefail

SERVER=$(realpath "$1")
SECONDS_PER_PHASE=${2:-10}
CONNECTIONS=${3:-64}
HERE=$(cd "$(dirname "$0")" && pwd)
REQUEST=$(dirname "$SERVER")/../bench/server/ranking-request
if [ ! -x "$REQUEST" ]; then
    echo "$REQUEST is missing: build the target ranking-request" >&2
    exit 1
fi
PAGE=$("$REQUEST" page)
ENTRY=$("$REQUEST" entry)
WORK=$(mktemp -d "$PWD/ranking-bench-XXXXXX")
chmod 755 "$WORK"  # nginx's workers run as another user when started as root
SERVER_PID=
NGINX_PID=
cleanup() {
    local status=$?
    if [ "$status" != 0 ] && [ -s "$WORK/server.err" ]; then
        echo "the server's errors:" >&2
        cat "$WORK/server.err" >&2
    fi
    [ -z "$SERVER_PID" ] || kill "$SERVER_PID" 2>/dev/null || true
    [ -z "$NGINX_PID" ] || kill "$NGINX_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
cd "$WORK"

# wrk's connections stand for as many visitors, though all come from 127.0.0.1.
start_server() {
    # Emptied here, not by the redirection, which may come after the first look: the server
    # started before would give its own address.
    : >server.log
    "$SERVER" --listen 127.0.0.1:0 --db ranking.sqlite3 --max-entries-per-minute 1000000000 \
        --max-connections-per-client "$CONNECTIONS" >server.log 2>server.err &
    SERVER_PID=$!
    for _ in $(seq 100); do
        ADDRESS=$(sed -n '1s/^listening on \([^ ]*\).*/\1/p' server.log)
        [ -n "$ADDRESS" ] && return 0
        sleep 0.1
    done
    echo "the server did not start: $(cat server.err)" >&2
    exit 1
}

stop_server() {
    kill "$SERVER_PID" || { echo "the server was gone before its stop" >&2; exit 1; }
    wait "$SERVER_PID" || { echo "the server ended with status $?" >&2; exit 1; }
    SERVER_PID=
}

# nginx-light on a free port of its own, serving one folder; sets NGINX_ADDRESS.
start_nginx() {
    mkdir -p nginx/root
    for _ in $(seq 20); do
        local port=$((20000 + RANDOM % 40000))
        cat >nginx/nginx.conf <<CONF
worker_processes auto;
daemon off;
pid $WORK/nginx/nginx.pid;
error_log $WORK/nginx/error.log;
events { worker_connections 1024; }
http {
    access_log off;
    keepalive_requests 1000000;
    client_body_temp_path $WORK/nginx;
    proxy_temp_path $WORK/nginx;
    fastcgi_temp_path $WORK/nginx;
    uwsgi_temp_path $WORK/nginx;
    scgi_temp_path $WORK/nginx;
    server {
        listen 127.0.0.1:$port;
        root $WORK/nginx/root;
        location / { default_type "text/html; charset=utf-8"; }
    }
}
CONF
        /usr/sbin/nginx -c "$WORK/nginx/nginx.conf" -e "$WORK/nginx/error.log" 2>/dev/null &
        NGINX_PID=$!
        sleep 0.3
        if kill -0 "$NGINX_PID" 2>/dev/null; then
            NGINX_ADDRESS=127.0.0.1:$port
            return 0
        fi
    done
    echo "nginx did not start: $(cat nginx/error.log)" >&2
    exit 1
}

RESULTS=()
# measure NAME URL [WRK_ARGUMENT...]: one wrk run; its requests a second and 99th percentile.
# Connections the server dropped are a failure too: wrk counts what it got over new ones.
measure() {
    local name=$1 url=$2
    shift 2
    wrk -t2 -c"$CONNECTIONS" -d"${SECONDS_PER_PHASE}s" --latency "$url" "$@" >"$name.wrk"
    if grep -q -e "Non-2xx" -e "Socket errors" "$name.wrk"; then
        cat "$name.wrk" >&2
        echo "$name: some answers were not 2xx, or connections failed" >&2
        exit 1
    fi
    local rate p99
    rate=$(awk '/^Requests\/sec:/ {print $2}' "$name.wrk")
    p99=$(awk '$1 == "99%" {print $2}' "$name.wrk")
    RESULTS+=("$(printf '%-28s %12s req/s   p99 %s' "$name" "$rate" "$p99")")
}

# A ranking of 250 entries, so that the first page is full.
start_server
stop_server
sqlite3 ranking.sqlite3 <<'SQL'
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250)
INSERT INTO entries (name, comment, score, level, blocks, submitted_at)
  SELECT 'プレイヤー' || i, 'いい勝負でした ' || i, 90000 - i * 37, 1 + i % 20, i * 3, 1765000000 + i
  FROM n;
SQL
start_server
curl -sS -f -o nginx-page.html "http://$ADDRESS$PAGE"
mkdir -p nginx/root && cp nginx-page.html nginx/root/page.html
echo "first page: $(stat -c %s nginx-page.html) bytes; $CONNECTIONS connections, ${SECONDS_PER_PHASE} s a phase"

measure "(a) ranking page" "http://$ADDRESS$PAGE"
start_nginx
measure "(b) nginx, same bytes" "http://$NGINX_ADDRESS/page.html"
kill "$NGINX_PID"
wait "$NGINX_PID" 2>/dev/null || true
NGINX_PID=
before=$(sqlite3 ranking.sqlite3 'SELECT COUNT(*) FROM entries')
measure "(c) durable submissions" "http://$ADDRESS$PAGE" -s "$HERE/submit.lua" -- "$ENTRY"
middle=$(sqlite3 ranking.sqlite3 'SELECT COUNT(*) FROM entries')
VERIFIED=$("$REQUEST" replay game.pdrp)
echo "recorded game: $(stat -c %s game.pdrp) bytes"
measure "(d) verified submissions" "http://$ADDRESS$PAGE" -s "$HERE/submit.lua" -- \
    "$VERIFIED" "$WORK/game.pdrp"
stop_server
after=$(sqlite3 ranking.sqlite3 'SELECT COUNT(*) FROM entries')
verified=$(sqlite3 ranking.sqlite3 'SELECT COUNT(*) FROM entries WHERE verified = 1')
printf '%s\n' "${RESULTS[@]}"
echo "entries stored during (c): $((middle - before)); during (d): $((after - middle)), verified: $verified"
