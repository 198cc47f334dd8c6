#!/usr/bin/env bash
# The game on a system without its font: one clear report and exit status 1, not a crash, a
# hang or a report on every frame; it still closes as usual and saves the best-ten table. The
# report comes when the opening first draws text, some seconds in, and later on a busy machine.
# Usage: missing-font.sh GAME
set -euo pipefail
game=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >no-fonts.conf
status=0
FONTCONFIG_FILE=$work/no-fonts.conf SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    timeout 120 "$game" >/dev/null 2>report.txt || status=$?
[ "$status" = 1 ] || { echo "exit status $status, expected 1" >&2; cat report.txt >&2; exit 1; }
[ "$(grep -c 'IPAPGothic' report.txt)" = 1 ] ||
    { echo "expected one report naming the font:" >&2; cat report.txt >&2; exit 1; }
[ "$(stat -c %s Hisc.dat)" = 1408 ] || { echo "the best-ten table was not saved" >&2; exit 1; }
echo "missing font reported: $(cat report.txt)"
