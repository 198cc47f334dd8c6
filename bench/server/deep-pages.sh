#!/bin/bash
# The ranking server with a million entries: (a) single requests for pages across the ranking,
# (b) the first page under wrk while 8 clients read random deep pages without pause, and the
# server's memory after both.
# Usage: deep-pages.sh SERVER [SECONDS] [ENTRIES]
set -euo pipefail

SERVER=$(realpath "$1")
SECONDS_PER_PHASE=${2:-10}
ENTRIES=${3:-1000000}
HERE=$(cd "$(dirname "$0")" && pwd)
PAGE=$("$(dirname "$SERVER")/../bench/server/ranking-request" page)
WORK=$(mktemp -d "$PWD/deep-pages-XXXXXX")
SERVER_PID=
cleanup() {
    [ -z "$SERVER_PID" ] || kill "$SERVER_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
cd "$WORK"

"$SERVER" list --db ranking.sqlite3 --limit 1 >/dev/null
sqlite3 ranking.sqlite3 <<SQL
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $ENTRIES)
INSERT INTO entries (name, comment, score, level, blocks, submitted_at)
  SELECT 'プレイヤー' || i, 'いい勝負でした ' || i, abs(random()) % 5000000, 1 + i % 20, i % 900,
         1765000000 + i FROM n;
SQL
started=$(date +%s.%N)
"$SERVER" --listen 127.0.0.1:0 --db ranking.sqlite3 >server.log 2>server.err &
SERVER_PID=$!
for _ in $(seq 300); do
    ADDRESS=$(sed -n '1s/^listening on \([^ ]*\).*/\1/p' server.log)
    [ -n "$ADDRESS" ] && break
    sleep 0.05
done
[ -n "$ADDRESS" ] || { echo "the server did not start: $(cat server.err)" >&2; exit 1; }
pages=$(((ENTRIES + 99) / 100))
echo "$ENTRIES entries, $pages pages; serving after $(echo "$(date +%s.%N) - $started" | bc | cut -c1-5) s"

for page in 1 2 $((pages / 4)) $((pages / 2)) $((pages - 1)) $pages; do
    ms=$(curl -s -o /dev/null -w '%{time_total}' "http://$ADDRESS$PAGE?command=view&page=$page" |
        awk '{printf "%.2f", $1 * 1000}')
    printf '(a) page %-8s %8s ms\n' "$page" "$ms"
done

wrk -t1 -c8 -d"${SECONDS_PER_PHASE}s" --latency -s "$HERE/deep-pages.lua" "http://$ADDRESS$PAGE" -- "$pages" \
    >deep.wrk &
DEEP=$!
sleep 0.5
wrk -t1 -c8 -d"$((SECONDS_PER_PHASE - 1))s" --latency "http://$ADDRESS$PAGE" >first.wrk
wait "$DEEP"
printf '(b) first page %10s req/s   p99 %s;  deep pages %s req/s   p99 %s\n' \
    "$(awk '/^Requests\/sec:/ {print $2}' first.wrk)" "$(awk '$1 == "99%" {print $2}' first.wrk)" \
    "$(awk '/^Requests\/sec:/ {print $2}' deep.wrk)" \
    "$(awk '$1 == "99%" {print $2}' deep.wrk)"
echo "server memory (RSS): $(($(ps -o rss= -p "$SERVER_PID") / 1024)) MB"
