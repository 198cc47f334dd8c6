#!/bin/bash
# The game's own code against the real server: the scripted runner sends the best result with a
# Japanese name and comment, the server's JSON shows them, and the reopened dialog refuses a
# second send. Then the same pages through tools/http-get.
# Usage: end-to-end.sh SERVER SCRIPT_RUNNER HTTP_GET
SERVER=$1
RUNNER=$(realpath "$2")
HTTP_GET=$(realpath "$3")
source "$(dirname "$0")/../support/best-ten.sh"
source "$(dirname "$0")/harness.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

# The command line: its answers, and refusals before anything is served.
"$SERVER" --version | grep -qx "pudorock-ranking-server [0-9.]*" || fail "--version"
"$SERVER" --help | grep -q -- "--max-entries-per-minute" || fail "--help"
for bad in "--listen 127.0.0.1" "--listen 127.0.0.1:99999" "--max-entries-per-minute 0" "--port 1" \
    "list" "remove --db x.sqlite3"; do
    status=0
    "$SERVER" $bad >/dev/null 2>&1 || status=$?
    [ "$status" = 2 ] || fail "\"$bad\" ended with $status, not 2"
done
mkdir folder.sqlite3
if "$SERVER" --listen 127.0.0.1:0 --db folder.sqlite3 >/dev/null 2>refused.err; then
    fail "a folder was taken for the database"
fi
expect_in refused.err "pudorock-ranking-server: database: cannot open folder.sqlite3"

start_server ranking.sqlite3
write_best_ten >Hisc.dat
[ "$(stat -c %s Hisc.dat)" = 1408 ] || fail "the best-ten file is not 1408 bytes"

timeout 60 "$RUNNER" >runner.out 2>&1 <<SCRIPT || { cat runner.out; fail "the runner failed"; }
ranking-host $ADDRESS
start
frame 16
key space
frame 16
key enter +shift
frame 16
type name 太郎
type comment いい勝負でした！
click send
dump
click close
frame 16
key enter +shift
frame 16
dump
click closebox
frame 16
SCRIPT

expect_in runner.out "msgbox: プドロク: 送信成功です！"
expect_in runner.out "http://$ADDRESS$PAGE"
[ "$(grep -c '^msgbox:' runner.out)" = 1 ] || fail "more than the success message was shown"
reopened=$(grep '^{' runner.out | tail -n 1)
grep -qF '"dialog_send_enabled":false' <<<"$reopened" || fail "the reopened dialog can send: $reopened"
grep -qF '"pass_value":0' <<<"$reopened" || fail "PassValue is not 0: $reopened"
grep -qF '"dialog_label1":"このデータを送信する事はできません。' <<<"$reopened" ||
    fail "the reopened dialog does not refuse: $reopened"

timeout 30 "$HTTP_GET" "http://$ADDRESS$PAGE?command=json" >json.out 2>&1 || fail "http-get failed"
expect_in json.out "Status code: 200"
expect_in json.out '"total":1,'
expect_in json.out '"rank":1,"name":"太郎","score":5001,"level":3,"blocks":40,"comment":"いい勝負でした！"'

timeout 30 "$HTTP_GET" "http://$ADDRESS$PAGE" >page.out 2>&1 || fail "http-get failed"
expect_in page.out "Status code: 200"
expect_in page.out "<td>太郎</td>"
expect_in page.out "<h1>歴代ランキング</h1>"

# A refusal prints its reply, then fails.
if timeout 30 "$HTTP_GET" "http://$ADDRESS/index.html" >missing.out 2>&1; then
    fail "http-get took a 404 for success"
fi
expect_in missing.out "Status code: 404"

# Looked after while it runs: list shows the entry, remove takes it off the page at once.
"$SERVER" list --db ranking.sqlite3 --name 太郎 >list.out || fail "list failed"
expect_in list.out "$(printf '1\t1\t太郎\t5001\t3\t40\tunverified\t')"
"$SERVER" remove --db ranking.sqlite3 1 >remove.out || fail "remove failed"
if "$SERVER" remove --db ranking.sqlite3 1 2>remove.err; then fail "removed a missing entry"; fi
expect_in remove.err "no entry 1"
curl -s -m 10 "http://$ADDRESS$PAGE?command=json" >after.json
expect_in after.json '"total":0,'

stop_server
expect_in server.log "GET $PAGE?command=entry&name=太郎&score=5001&level=3&tama=40&pass_s=4958&comment=いい勝負でした！ 200 "
expect_in server.log "stopped"

start_server required.sqlite3 --require-replay
[ "$(submit taro 500)" = 403 ] || fail "a GET submission was taken under --require-replay"
# A restore done without stopping the server: it notices and stops rather than serve a file
# that is no longer there.
sqlite3 required.sqlite3 ".backup restored.sqlite3"
mv restored.sqlite3 required.sqlite3
status=0
timeout 10 tail --pid="$SERVER_PID" -f /dev/null || fail "the server went on after its file was replaced"
wait "$SERVER_PID" || status=$?
SERVER_PID=
[ "$status" = 1 ] || fail "the server ended with $status after its file was replaced"
expect_in server.err "required.sqlite3 was replaced while the server ran"
echo "end to end: ok"
