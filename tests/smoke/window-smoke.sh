#!/usr/bin/env bash
# The game in a real window under Xvfb with a window manager, as on a desktop: it starts full
# screen, Alt+Enter gives an 800 x 600 window and a second Alt+Enter full screen again, Esc ends
# it with exit status 0 and the best-ten table saved. With --window it opens at 800 x 600, the
# desktop can resize that window, and Alt+Enter still switches.
set -euo pipefail
game=$(realpath "$1")
work=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"

# Xvfb picks a free display itself and tells it, so runs at the same time never share one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>display 2>xvfb.log & xvfb=$!
for _ in $(seq 100); do [ -s display ] && break; sleep 0.1; done
[ -s display ] || { echo "Xvfb did not start:" >&2; cat xvfb.log >&2; exit 1; }
export DISPLAY=":$(head -n1 display)"

export SMOKE_GAME=$game
bash -euo pipefail -c '
    openbox >/dev/null 2>&1 &
    size() { xwininfo -root -tree | sed -n "s/.*(\"pudorock\" \"pudorock\")  \([0-9]*x[0-9]*\).*/\1/p"; }
    expect_size() {
        for _ in $(seq 100); do
            [ "$(size)" = "$1" ] && return 0
            sleep 0.1
        done
        echo "window is \"$(size)\", expected $1" >&2
        return 1
    }
    quit() {
        xdotool key Escape
        for _ in $(seq 100); do
            kill -0 $pid 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 $pid 2>/dev/null; then
            echo "the game did not end on Esc" >&2
            kill $pid
            exit 1
        fi
        wait $pid
    }
    sleep 0.5
    # Under the sanitizers the desktop libraries (D-Bus) leave allocations behind at exit;
    # the unit tests are where the game itself is checked for leaks.
    ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy "$SMOKE_GAME" & pid=$!
    expect_size 1024x768
    xdotool key alt+Return
    expect_size 800x600
    xdotool key alt+Return
    expect_size 1024x768
    quit
    ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy "$SMOKE_GAME" --window --data-dir windowed &
    pid=$!
    expect_size 800x600
    xdotool search --class pudorock windowsize --sync %@ 960 720 2>/dev/null || true
    expect_size 960x720
    xdotool key alt+Return
    expect_size 1024x768
    xdotool key alt+Return
    expect_size 800x600
    quit
'
test "$(stat -c %s Hisc.dat)" = 1408
test "$(stat -c %s windowed/Hisc.dat)" = 1408
echo "window smoke test passed"
