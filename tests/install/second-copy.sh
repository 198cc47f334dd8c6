#!/usr/bin/env bash
# A second copy of the game in a folder already in use says so and ends with status 1 without
# touching the files; once the first copy is gone, even killed, the folder is free again.
# Usage: second-copy.sh GAME
set -euo pipefail
game=$(realpath "$1")
work=$(mktemp -d)
first=
trap '[ -n "$first" ] && kill -9 "$first" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

"$game" >/dev/null 2>&1 & first=$!
for _ in $(seq 100); do [ -e Hisc.dat ] || [ -e .pudorock.lock ] && break; sleep 0.05; done
sleep 0.5
printf 'table' >Hisc.dat
status=0
timeout 20 "$game" >/dev/null 2>report.txt || status=$?
[ "$status" = 1 ] || { echo "second copy: exit status $status, expected 1" >&2; exit 1; }
grep -q 'プドロクは既に起動しています。' report.txt || { echo "no report:" >&2; cat report.txt >&2; exit 1; }
[ "$(cat Hisc.dat)" = table ] || { echo "the second copy touched Hisc.dat" >&2; exit 1; }

kill -9 "$first"
wait "$first" 2>/dev/null || true
first=
rm Hisc.dat
"$game" >/dev/null 2>&1 & first=$!  # killed by the trap
sleep 1
kill -0 "$first" || { echo "the folder stayed locked after a crash" >&2; exit 1; }
echo "second copy refused"
