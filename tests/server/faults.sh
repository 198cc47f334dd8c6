#!/bin/bash
# Faults: kill -9 while 8 clients submit in a loop, then every answered entry is there and the
# database is whole; a disk that fills answers 503, loses nothing and serves pages on.
# Usage: faults.sh SERVER
SERVER=$1
source "$(dirname "$0")/harness.sh"
LOAD_SECONDS=${LOAD_SECONDS:-3}

# Submits distinct entries until the server stops answering; notes each one answered 200.
client() {
    local id=$1 n=0 code
    while code=$(submit "c${id}n$n" $((1000 + n))); do
        [ "$code" = 200 ] && echo "c${id}n$n" >>"stored-$id"
        n=$((n + 1))
    done
}

# Every name in the files is stored, and SQLite finds the file whole.
check_stored() {
    [ "$(sqlite3 ranking.sqlite3 'PRAGMA integrity_check')" = ok ] || fail "integrity check failed"
    sqlite3 ranking.sqlite3 'SELECT name FROM entries' | sort >in-database
    sort -u "$@" >answered
    missing=$(comm -23 answered in-database | wc -l)
    [ "$missing" = 0 ] || fail "$missing answered entries are not in the database"
    echo "$(wc -l <answered) answered entries all stored"
}

start_server ranking.sqlite3 --max-entries-per-minute 1000000000
for id in $(seq 8); do client "$id" & done
sleep "$LOAD_SECONDS"
kill -9 "$SERVER_PID"
wait
SERVER_PID=
[ -n "$(cat stored-* 2>/dev/null)" ] || fail "no submission was answered before the kill"
start_server ranking.sqlite3
stop_server
check_stored stored-*

FILE_LIMIT_KB=256 start_server ranking.sqlite3 --max-entries-per-minute 1000000000
rm -f stored-*
for n in $(seq 2000); do
    code=$(submit "full$n" $((5000 + n)))
    [ "$code" = 200 ] && echo "full$n" >>stored-full
    [ "$code" = 503 ] && break
done
[ "$code" = 503 ] || fail "a full disk did not answer 503 (last answer $code)"
[ "$(curl -s -o /dev/null -w '%{http_code}' "http://$ADDRESS$PAGE")" = 200 ] ||
    fail "the page is not served with a full disk"
stop_server
check_stored stored-full
echo "faults: ok"
