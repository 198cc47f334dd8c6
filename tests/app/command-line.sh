#!/usr/bin/env bash
# The real program with each option, on SDL's dummy drivers: where the save files go, the
# refusals, the answers that end it before anything opens.
# Usage: command-line.sh GAME VERSION
set -euo pipefail
game=$(realpath "$1")
version=$2
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
fail() { echo "$*" >&2; exit 1; }

# Runs the game with the options until it has started, then ends it as the desktop does
# (SIGTERM: the window closes and the table is saved); its status must be 0.
run_a_while() {
    timeout -k 5 60 "$game" "$@" >out.txt 2>err.txt & pid=$!
    sleep 2
    kill -0 "$pid" 2>/dev/null || { cat err.txt >&2; fail "the game ended by itself: $*"; }
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" = 0 ] || { cat err.txt >&2; fail "exit status $status after SIGTERM: $*"; }
}

# The saves of a whole run in exactly that folder.
expect_saves_in() {
    [ "$(stat -c %s "$1/Hisc.dat")" = 1408 ] || fail "no best-ten table in $1"
    [ -f "$1/Name.dat" ] || fail "no Name.dat in $1"
    [ -f "$1/.pudorock.lock" ] || fail "no lock file in $1"
}
nothing_here() {
    [ -z "$(ls -A "$work/run")" ] || fail "files left in the working folder: $(ls -A "$work/run")"
}
mkdir run
cd run

# --version answers on standard output, opens nothing, writes nothing.
[ "$(SDL_VIDEODRIVER=none "$game" --version)" = "pudorock $version" ] || fail "--version"
"$game" --help | grep -q 'Alt+Enter' || fail "--help lists no keys"
nothing_here

# An unknown option: one line and the usage on stderr, status 2, before a window or the lock
# (a video driver that does not exist would fail any window with status 1).
status=0
SDL_VIDEODRIVER=none "$game" --fullscreen >out.txt 2>err.txt || status=$?
[ "$status" = 2 ] || fail "unknown option: status $status, expected 2"
[ ! -s out.txt ] || fail "unknown option: something on stdout"
[ "$(wc -l <err.txt)" = 2 ] && grep -q -- '--fullscreen' err.txt && grep -q '^Usage: pudorock' err.txt ||
    { cat err.txt >&2; fail "unknown option: expected an error line and the usage"; }
status=0
"$game" --data-dir a --user-data 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "--data-dir with --user-data: status $status, expected 2"
rm out.txt err.txt
nothing_here

# --data-dir: the files there and nowhere else; a missing folder is made, private.
run_a_while --data-dir "$work/saves/game"
rm out.txt err.txt
expect_saves_in "$work/saves/game"
[ "$(stat -c %a "$work/saves/game")" = 700 ] || fail "--data-dir: the folder is not 0700"
nothing_here

# --user-data: $XDG_DATA_HOME/pudorock, made 0700 when missing.
XDG_DATA_HOME=$work/xdg run_a_while --user-data --window
rm out.txt err.txt
expect_saves_in "$work/xdg/pudorock"
[ "$(stat -c %a "$work/xdg/pudorock")" = 700 ] || fail "--user-data: the folder is not 0700"
nothing_here

# A folder that cannot be made or used: a message and status 1, nothing written.
printf 'a file' >"$work/file"
for options in "--data-dir $work/file" "--data-dir $work/file/saves"; do
    status=0
    # shellcheck disable=SC2086
    timeout 60 "$game" $options >/dev/null 2>err.txt || status=$?
    [ "$status" = 1 ] || { cat err.txt >&2; fail "$options: status $status, expected 1"; }
    grep -q 'セーブデータのフォルダ .* を使用できません' err.txt ||
        { cat err.txt >&2; fail "$options: no message"; }
    rm err.txt
done
status=0
XDG_DATA_HOME=$work/file timeout 60 "$game" --user-data >/dev/null 2>err.txt || status=$?
[ "$status" = 1 ] && grep -q "$work/file/pudorock" err.txt ||
    { cat err.txt >&2; fail "--user-data under a file: status $status"; }
rm err.txt
[ "$(cat "$work/file")" = 'a file' ] || fail "the file in the way was changed"
nothing_here
echo "command line options work"
