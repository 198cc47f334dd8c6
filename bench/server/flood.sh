#!/bin/bash
# Page views from 127.0.0.1 while 127.0.0.2 floods the server on loopback: (a) no flood,
# (b) 3,000 idle connections, (c) 1,000 slowloris connections (a header byte every 3 s), each
# flood also with a share of 1,000,000 connections per client for comparison; (d) 850 clients
# that ask for the last page and never read, with the server's memory at their height and 10 s
# after they left. The flood reconnects what the server closes, at most RATE a second.
# Usage: flood.sh SERVER [SECONDS_PER_PHASE] [ENTRIES] [RATE]
# The server keeps its usual 1,024 open files; the flood gets more.
SERVER=$1
SECONDS_PER_PHASE=${2:-10}
ENTRIES=${3:-100000}
RATE=${4:-1000}
FLOOD="python3 $(cd "$(dirname "$0")" && pwd)/flood.py"
source "$(dirname "$0")/../../tests/server/harness.sh"
LAST_PAGE="$PAGE?command=view&page=$(((ENTRIES + 99) / 100))"
ulimit -n 20000 2>/dev/null || ulimit -n "$(ulimit -Hn)"

# start_server as the harness has it, with the usual limit of open files.
start_limited_server() {
    start_server ranking.sqlite3 "$@"
    prlimit --pid "$SERVER_PID" --nofile=1024:1024
}

memory() {
    awk '/^VmRSS|^VmHWM/ {printf "%s %d MB  ", $1, $2 / 1024}' "/proc/$SERVER_PID/status"
}

# phase NAME ATTACK_ARGUMENT...: views during the attack; no arguments, no attack.
phase() {
    local name=$1
    shift
    local attacker=
    if [ $# -gt 0 ]; then
        $FLOOD attack "$ADDRESS" --rate "$RATE" --seconds $((SECONDS_PER_PHASE + 4)) \
            --path "$PAGE" "$@" >attack.out &
        attacker=$!
        sleep 3
    fi
    local views
    views=$($FLOOD view "$ADDRESS" --path "$PAGE" --views $((SECONDS_PER_PHASE * 50)) \
        --pause 0.02 2>>views.err)
    [ -z "$attacker" ] || wait "$attacker"
    printf '%-44s %s\n' "$name" "$views"
    [ -z "$attacker" ] || printf '%-44s %s\n' "" "$(cat attack.out)"
}

start_limited_server
stop_server
sqlite3 ranking.sqlite3 <<SQL
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $ENTRIES)
INSERT INTO entries (name, comment, score, level, blocks, submitted_at)
  SELECT 'プレイヤー' || i, 'いい勝負でした ' || i, 90000000 - i * 37, 1 + i % 20, i * 3,
         1765000000 + i
  FROM n;
SQL
echo "$ENTRIES entries; $SECONDS_PER_PHASE s a phase; the flood opens at most $RATE connections a second"

start_limited_server
phase "(a) no flood"
phase "(b) 3,000 idle connections" --mode idle --count 3000
phase "(c) 1,000 slowloris connections" --mode slowloris --count 1000
stop_server
start_limited_server --max-connections-per-client 1000000
phase "(b') as (b), no share per client" --mode idle --count 3000
phase "(c') as (c), no share per client" --mode slowloris --count 1000
stop_server

start_limited_server --max-connections-per-client 1000
echo "(d) 850 clients reading nothing of the last page: before $(memory)"
$FLOOD attack "$ADDRESS" --mode unread --count 850 --rate "$RATE" --seconds "$SECONDS_PER_PHASE" \
    --path "$LAST_PAGE" >attack.out &
attacker=$!
sleep $((SECONDS_PER_PHASE - 1))
echo "    at their height: $(memory)"
wait "$attacker"
sleep 10
echo "    10 s after they left: $(memory)"
stop_server
[ ! -s views.err ] || echo "failed views: $(sort views.err | uniq -c | head -5)"
