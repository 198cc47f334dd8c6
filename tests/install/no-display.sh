#!/usr/bin/env bash
# The game where no display can be opened (none named, or one named that is not there) says why
# on stderr and ends with status 1 at once, having written nothing (no Hisc.dat, no lock); it
# used to run on unseen.
# Usage: no-display.sh GAME
set -euo pipefail
game=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# $1: what DISPLAY holds ("" for unset). Without XDG_RUNTIME_DIR, Wayland has no default socket.
check() {
    local status=0 named="DISPLAY unset"
    [ -z "$1" ] || named="DISPLAY=$1"
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER ${1:+DISPLAY=$1} \
        SDL_AUDIODRIVER=dummy \
        timeout 10 "$game" >/dev/null 2>report.txt || status=$?
    [ "$status" = 1 ] ||
        { echo "$named: exit status $status, expected 1" >&2; cat report.txt >&2; exit 1; }
    if ! grep -q 'ディスプレイを開けません' report.txt || ! grep -qF "$named" report.txt; then
        echo "$named: no report with the reason:" >&2; cat report.txt >&2; exit 1
    fi
    [ "$(ls -A)" = report.txt ] || { echo "$named: files were written: $(ls -A)" >&2; exit 1; }
}

check ""
check :999
echo "no display reported: $(grep -A1 'ディスプレイを開けません' report.txt | tr '\n' ' ')"
