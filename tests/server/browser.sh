#!/bin/bash
# The ranking page in a real browser: headless Chromium loads a ranking of 250 entries, one of
# them Japanese and one named like a script; the DOM shows the text escaped and three pages.
# Screenshots for people to look at go to OUTPUT_DIR.
# Usage: browser.sh SERVER OUTPUT_DIR
SERVER=$1
OUTPUT_DIR=$(realpath "$2")
source "$(dirname "$0")/harness.sh"

start_server ranking.sqlite3
stop_server
sqlite3 ranking.sqlite3 <<'SQL'
INSERT INTO entries (name, comment, score, level, blocks, submitted_at)
  VALUES ('太郎', 'いい勝負でした！', 99999, 12, 321, 1765000000),
         ('<script>alert(1)</script>', '<b>bold</b> & "quoted"', 88888, 10, 200, 1765000100);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 248)
INSERT INTO entries (name, comment, score, level, blocks, submitted_at)
  SELECT 'player' || i, 'comment ' || i, 50000 - i * 100, 1 + i % 20, i * 3, 1765000200 + i FROM n;
SQL
start_server ranking.sqlite3

chromium_run() {
    timeout 90 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
        --disable-component-update --disable-sync --no-first-run --hide-scrollbars \
        --user-data-dir="$WORK/profile" "$@" 2>>chromium.err
}

chromium_run --dump-dom "http://$ADDRESS$PAGE" >dom.html || { cat chromium.err; fail "chromium failed"; }
expect_in dom.html "<h1>歴代ランキング</h1>"
expect_in dom.html "<td>太郎</td>"
expect_in dom.html "いい勝負でした！"
expect_in dom.html "<td>&lt;script&gt;alert(1)&lt;/script&gt;</td>"
expect_in dom.html "&lt;b&gt;bold&lt;/b&gt; &amp; \"quoted\""
expect_in dom.html ">250 件<"
grep -q "<script" dom.html && fail "a stored text became markup"
expect_in dom.html "<b>1</b>"
expect_in dom.html "page=2\">2</a>"
expect_in dom.html "page=3\">3</a>"
grep -q "page=4" dom.html && fail "a fourth page is linked"

mkdir -p "$OUTPUT_DIR"
chromium_run --screenshot="$OUTPUT_DIR/ranking-page-desktop.png" --window-size=1280,1600 \
    "http://$ADDRESS$PAGE" || fail "no desktop screenshot"
chromium_run --screenshot="$OUTPUT_DIR/ranking-page-phone.png" --window-size=390,844 \
    "http://$ADDRESS$PAGE?command=view&page=3" || fail "no phone screenshot"
[ -s "$OUTPUT_DIR/ranking-page-desktop.png" ] && [ -s "$OUTPUT_DIR/ranking-page-phone.png" ] ||
    fail "a screenshot is empty"
stop_server
echo "browser: ok ($OUTPUT_DIR/ranking-page-*.png)"
