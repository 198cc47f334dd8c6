#!/bin/bash
# A verified result end to end: the scripted runner plays a real game past the default table's
# best, the dialog sends it with its replay to the real server, and the JSON shows it verified
# with the replay's bytes downloadable unchanged. The same replay under a score one higher is
# refused with 422 and stores nothing.
# Usage: verified-end-to-end.sh SERVER SCRIPT_RUNNER
SERVER=$1
RUNNER=$(realpath "$2")
source "$(dirname "$0")/harness.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

start_server ranking.sqlite3 --require-replay

{
    echo "ranking-host $ADDRESS"
    echo "time 12:00:00.000"
    echo "start"
    echo "frame 16"
    echo "key space"
    echo "frame 16"
    echo "key space"
    echo "frame 16 150"
    for _ in $(seq 120); do
        echo "answer"
        echo "frame 16 10"
    done
    echo "frame 2000 40"  # the time runs out
    echo "dump"
    echo "key space"
    echo "frame 16"
    echo "key space"
    echo "frame 16"
    echo "key enter +shift"
    echo "frame 16"
    echo "type name 検証"
    echo "type comment リプレイ付き"
    echo "click send"
    echo "click view"
    echo "click close"
    echo "frame 16"
} >play.script
timeout 120 "$RUNNER" play.script >runner.out 2>&1 || { cat runner.out; fail "the runner failed"; }

score=$(grep '^{' runner.out | head -n 1 | sed 's/.*"score":\([0-9]*\).*/\1/')
[ "$score" -gt 5000 ] || fail "the game scored $score, not above the default table's best"
replay=$(ls replays/*.pdrp | head -n 1)
[ -f "$replay" ] || fail "the game recorded no replay"
expect_in runner.out "msgbox: プドロク: 送信成功です！"
expect_in runner.out "1 位です。"
expect_in runner.out "open-url: http://$ADDRESS$PAGE?command=view&page=1#entry-1"

curl -s -m 10 "http://$ADDRESS$PAGE?command=json" >ranking.json
expect_in ranking.json '"total":1,'
expect_in ranking.json "\"name\":\"検証\",\"score\":$score,"
expect_in ranking.json "\"verified\":true,\"replay\":\"$PAGE?command=replay&id=1\""
curl -s -m 10 -o downloaded.pdrp "http://$ADDRESS$PAGE?command=replay&id=1"
cmp -s downloaded.pdrp "$replay" || fail "the downloaded replay differs from the recorded one"

level=$(grep '^{' runner.out | head -n 1 | sed 's/.*"level":\([0-9]*\).*/\1/')
blocks=$(grep -o '"blocks":[0-9]*' ranking.json | head -n 1 | cut -d: -f2)
higher=$((score + 1))
status=$(curl -s -m 30 -o refused.txt -w '%{http_code}' --data-binary "@$replay" \
    -H "Content-Type: application/x-pudorock-replay" \
    "http://$ADDRESS$PAGE?command=entry&name=x&score=$higher&level=$level&tama=$blocks&pass_s=$((higher - level - blocks))&comment=x")
[ "$status" = 422 ] || { cat refused.txt; fail "a replay under a higher score answered $status"; }
expect_in refused.txt "not the submitted score $higher"
curl -s -m 10 "http://$ADDRESS$PAGE?command=json" >after.json
expect_in after.json '"total":1,'

stop_server
echo "verified end to end: ok"
