# Shared by the server's script tests: a temporary folder, the real server on a free loopback
# port with its own database, and checks that name what failed.
set -euo pipefail

SERVER=$(realpath "${SERVER:?the server program}")
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pudorock-server-XXXXXX")
SERVER_PID=
cleanup() {
    [ -n "$SERVER_PID" ] && kill -9 "$SERVER_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
cd "$WORK"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_server DATABASE [OPTION...]: sets SERVER_PID and ADDRESS (host:port) from the first line
# of the server's log (server.log). FILE_LIMIT_KB, when set, limits the size of the files it
# writes, as a full disk would.
start_server() {
    local database=$1
    shift
    # Emptied here, not by the server's redirection, which may come after the first look: a
    # server started before would give its own address.
    : >server.log
    (
        [ -z "${FILE_LIMIT_KB:-}" ] || ulimit -f "$FILE_LIMIT_KB"
        exec "$SERVER" --listen 127.0.0.1:0 --db "$database" "$@" >server.log 2>server.err
    ) &
    SERVER_PID=$!
    for _ in $(seq 100); do
        ADDRESS=$(sed -n '1s/^listening on \([^ ]*\).*/\1/p' server.log)
        [ -n "$ADDRESS" ] && return 0
        kill -0 "$SERVER_PID" 2>/dev/null || fail "the server did not start: $(cat server.err)"
        sleep 0.1
    done
    fail "the server did not report its address"
}

stop_server() {
    kill -TERM "$SERVER_PID"
    wait "$SERVER_PID" || fail "the server ended with status $?"
    SERVER_PID=
}

PAGE=/~mirel/soft/pudorock/ra_pudorock/ranking.cgi

# submit NAME SCORE: a genuine result at level 1 with no blocks; prints the status.
submit() {
    curl -s -m 10 -o /dev/null -w '%{http_code}' \
        "http://$ADDRESS$PAGE?command=entry&name=$1&score=$2&level=1&tama=0&pass_s=$(($2 - 1))&comment=x"
}

# expect_in FILE TEXT: the file holds the text.
expect_in() {
    grep -qF -- "$2" "$1" || { cat "$1" >&2; fail "\"$2\" is missing from $1"; }
}
