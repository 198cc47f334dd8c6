#!/bin/bash
# The ranking page in a real browser: headless Chromium loads a ranking of 5,000 entries, one of
# them Japanese and verified with its replay, one named like a script; the DOM shows the text
# escaped, the verified mark and replay link, the filters, and a pager of a few pages; a deep
# page and the verified-only view show their own ranks.
# Screenshots for people to look at go to OUTPUT_DIR.
# Usage: browser.sh SERVER OUTPUT_DIR
SERVER=$1
OUTPUT_DIR=$(realpath "$2")
source "$(dirname "$0")/harness.sh"

start_server ranking.sqlite3
stop_server
sqlite3 ranking.sqlite3 <<'SQL'
INSERT INTO entries (name, comment, score, level, blocks, submitted_at, verified)
  VALUES ('太郎', 'いい勝負でした！', 99999, 12, 321, 1765000000, 1),
         ('<script>alert(1)</script>', '<b>bold</b> & "quoted"', 88888, 10, 200, 1765000100, 0);
INSERT INTO replays (entry_id, data) VALUES (1, x'50445250');
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4998)
INSERT INTO entries (name, comment, score, level, blocks, submitted_at)
  SELECT 'player' || i, 'comment ' || i, 50000 - i * 5, 1 + i % 20, i * 3, 1765000200 + i FROM n;
SQL
start_server ranking.sqlite3

# In Japanese unless the call asks for another language (a later --accept-lang wins; headless
# Chromium takes its Accept-Language from that switch, not from --lang).
chromium_run() {
    timeout 90 chromium --accept-lang=ja --headless --no-sandbox --disable-gpu --disable-background-networking \
        --disable-component-update --disable-sync --no-first-run --hide-scrollbars \
        --user-data-dir="$WORK/profile" "$@" 2>>chromium.err
}

chromium_run --dump-dom "http://$ADDRESS$PAGE" >dom.html || { cat chromium.err; fail "chromium failed"; }
expect_in dom.html "<h1>歴代ランキング</h1>"
expect_in dom.html "<td>太郎</td>"
expect_in dom.html "いい勝負でした！"
expect_in dom.html "<td>&lt;script&gt;alert(1)&lt;/script&gt;</td>"
expect_in dom.html "&lt;b&gt;bold&lt;/b&gt; &amp; \"quoted\""
expect_in dom.html ">5000 件<"
grep -q "<script" dom.html && fail "a stored text became markup"
expect_in dom.html "<b>1</b>"
expect_in dom.html "page=3\">3</a><span>…</span>"
expect_in dom.html "page=50\">50</a>"
grep -q "page=4\"" dom.html && fail "the pager links more than a few pages"
expect_in dom.html '<tr id="entry-1" class="r r0">'
expect_in dom.html 'title="確認済み: リプレイでこの結果を再現">✔</span>'
expect_in dom.html "href=\"$PAGE?command=replay&amp;id=1\" download=\"\">リプレイ</a>"
expect_in dom.html 'title="未確認: リプレイなしで登録">–</td>'
expect_in dom.html "href=\"$PAGE?command=view&amp;page=1&amp;verified=1\">✔ 確認済みのみ</a>"
expect_in dom.html "href=\"$PAGE?command=view&amp;page=1&amp;period=week\">今週</a>"

chromium_run --dump-dom "http://$ADDRESS$PAGE?command=view&page=40#entry-3950" >deep.html ||
    fail "chromium failed on a deep page"
expect_in deep.html '<tr id="entry-3950" class="r r9"><td class="n">3950</td><td>player3948</td>'
expect_in deep.html "<b>40</b>"

chromium_run --dump-dom "http://$ADDRESS$PAGE?command=view&verified=1" >verified.html ||
    fail "chromium failed on the verified view"
expect_in verified.html ">1 件<"
expect_in verified.html "<b>✔ 確認済みのみ</b>"
grep -q "player1<" verified.html && fail "an unverified entry is in the verified view"

# A browser that asks for English gets the page in English, its links keeping nothing extra.
chromium_run --lang=en-US --accept-lang=en-US,en --dump-dom "http://$ADDRESS$PAGE" >english.html ||
    fail "chromium failed in English"
expect_in english.html '<html lang="en">'
expect_in english.html "<h1>All-time ranking</h1>"
expect_in english.html "<th>Rank</th><th>Name</th>"
expect_in english.html 'title="Verified: its replay reaches this result">✔</span>'
expect_in english.html "&amp;lang=ja\">日本語</a>"

mkdir -p "$OUTPUT_DIR"
chromium_run --screenshot="$OUTPUT_DIR/ranking-page-desktop.png" --window-size=1280,1600 \
    "http://$ADDRESS$PAGE" || fail "no desktop screenshot"
chromium_run --screenshot="$OUTPUT_DIR/ranking-page-phone.png" --window-size=390,844 \
    "http://$ADDRESS$PAGE?command=view&page=40" || fail "no phone screenshot"
[ -s "$OUTPUT_DIR/ranking-page-desktop.png" ] && [ -s "$OUTPUT_DIR/ranking-page-phone.png" ] ||
    fail "a screenshot is empty"
stop_server
echo "browser: ok ($OUTPUT_DIR/ranking-page-*.png)"
