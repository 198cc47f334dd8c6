#!/usr/bin/env bash
# The game in a real window under Xvfb with a window manager, as on a desktop, on a large
# screen (3840 x 2160): it starts full screen, Alt+Enter gives a window of the largest whole
# multiple of 800 x 600 that fits 85% of the screen (2400 x 1800) and a second Alt+Enter full
# screen again, Esc ends it with exit status 0 and the best-ten table saved. With --window it
# opens at that size, the desktop can resize that window, and Alt+Enter still switches; a game
# pauses when another window takes the focus and P resumes it. The ranking dialog opens centred
# on the game window at twice its size at 96 dpi, closes with Alt+F4 and the game goes on;
# SIGTERM while the dialog's request waits on a stopped server ends the game within a second,
# with exit status 0 and the table saved.
# Usage: window-smoke.sh GAME RANKING_SERVER
set -euo pipefail
game=$(realpath "$1")
server=$(realpath "$2")
source "$(dirname "$0")/../support/best-ten.sh"
work=$(mktemp -d)
xvfb=
server_pid=
stop_all() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$server_pid" ] && kill -9 "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap stop_all EXIT
cd "$work"

# A ranking server that is stopped: the system still takes connections for it, nobody answers.
: >server.log
"$server" --listen 127.0.0.1:0 --db ranking.sqlite3 >server.log 2>server.err & server_pid=$!
for _ in $(seq 100); do
    ranking=$(sed -n '1s/^listening on \([^ ]*\).*/\1/p' server.log)
    [ -n "$ranking" ] && break
    sleep 0.1
done
[ -n "$ranking" ] || { echo "the ranking server did not start:" >&2; cat server.err >&2; exit 1; }
disown "$server_pid"  # killed at the end without a word
kill -STOP "$server_pid"
mkdir ranking
write_best_ten >ranking/Hisc.dat
printf Taro >ranking/Name.dat

# Xvfb picks a free display itself and tells it, so runs at the same time never share one.
Xvfb -displayfd 3 -screen 0 3840x2160x24 -nolisten tcp 3>display 2>xvfb.log & xvfb=$!
for _ in $(seq 100); do [ -s display ] && break; sleep 0.1; done
[ -s display ] || { echo "Xvfb did not start:" >&2; cat xvfb.log >&2; exit 1; }
export DISPLAY=":$(head -n1 display)"

export SMOKE_GAME=$game SMOKE_RANKING=$ranking
bash -euo pipefail -c '
    openbox >/dev/null 2>&1 &
    # Checks every tenth of a second until the check holds, at most TRIES times.
    within() {
        local tries=$1
        shift
        for _ in $(seq "$tries"); do
            "$@" && return 0
            sleep 0.1
        done
        return 1
    }
    size() { xwininfo -root -tree | sed -n "s/.*(\"pudorock\" \"pudorock\")  \([0-9]*x[0-9]*\).*/\1/p"; }
    size_is() { [ "$(size)" = "$1" ]; }
    expect_size() {
        within 100 size_is "$1" && return 0
        echo "window is \"$(size)\", expected $1" >&2
        return 1
    }
    # Left, top, width and height of a window on the screen.
    geometry() {
        xwininfo -id "$1" | sed -n "s/.*Absolute upper-left [XY]: *//p; s/.*Width: //p; s/.*Height: //p" |
            tr "\n" " "
    }
    # Whether window A (left, top, width, height) is centred on B, but for a title bar over A.
    centred_on() {
        read -r ax ay aw ah <<<"$1"
        read -r bx by bw bh <<<"$2"
        local dx=$((ax + aw / 2 - bx - bw / 2)) dy=$((ay + ah / 2 - by - bh / 2))
        [ ${dx#-} -le 2 ] && [ ${dy#-} -le 30 ]
    }
    # While it starts, the game may still set its own size after the desktop asked for another:
    # ask again until the size the desktop asked for holds.
    resize_to() {
        for _ in $(seq 20); do
            xdotool search --class pudorock windowsize %@ "$1" "$2" 2>/dev/null || true
            within 10 size_is "$1x$2" && return 0
        done
        echo "window is \"$(size)\", expected $1x$2" >&2
        return 1
    }
    # The game and the dialog share their class; xdotool matches no Japanese name, so compare.
    named() {
        for window in $(xdotool search --onlyvisible --class pudorock 2>/dev/null); do
            [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$1" ] && echo "$window"
        done
        return 0
    }
    dialog() { named インターネットランキング送信; }
    dialog_open() { [ -n "$(dialog)" ]; }
    dialog_closed() { [ -z "$(dialog)" ]; }
    game_shown() { [ -n "$(named プドロク)" ]; }
    game_window() {
        within 50 game_shown || { echo "no game window" >&2; return 1; }
        named プドロク
    }
    # Keys go to the focused window: focus the game window first, which a busy desktop may not
    # have done yet.
    press() { xdotool windowactivate --sync "$(game_window)" key "$1"; }
    ended() { ! kill -0 $pid 2>/dev/null; }
    quit() {
        press Escape
        if ! within 100 ended; then
            echo "the game did not end on Esc" >&2
            kill $pid
            exit 1
        fi
        wait $pid
    }
    # F12 saves the frame into screenshots/ of the save folder FOLDER; the file it wrote, once
    # written to its end.
    newest_shot() { ls "$1"/screenshots/* 2>/dev/null | tail -n1; }
    shot_after() {
        local newest
        newest=$(newest_shot "$1")
        [ -n "$newest" ] && [ "$newest" != "$2" ] && [ "$(tail -c 8 "$newest" | head -c 4)" = IEND ]
    }
    shot() {
        local before
        before=$(newest_shot "$1")
        press F12
        within 50 shot_after "$1" "$before" || { echo "F12 saved no screenshot" >&2; return 1; }
        newest_shot "$1"
    }
    # Whether the frame stands still for half a second.
    still() {
        local first
        first=$(shot "$1")
        sleep 0.5
        cmp -s "$first" "$(shot "$1")"
    }
    moving() { ! still "$1"; }
    # From the opening to a game under way, then the focus to another window: the game stands
    # still, and stays so when the focus comes back, until P.
    pause_on_focus_loss() {
        press space
        within 20 still windowed || { echo "the title did not come" >&2; return 1; }
        press space
        within 20 moving windowed || { echo "no game started" >&2; return 1; }
        xmessage -title elsewhere "another window" & local other=$!
        local elsewhere
        elsewhere=$(xdotool search --sync --name "^elsewhere\$" | head -n1)
        xdotool windowactivate --sync "$elsewhere"
        sleep 0.3
        still windowed || { echo "the game went on without the focus" >&2; return 1; }
        kill $other
        press p
        moving windowed || { echo "P did not resume the game" >&2; return 1; }
    }
    sleep 0.5
    # Under the sanitizers the desktop libraries (D-Bus) leave allocations behind at exit;
    # the unit tests are where the game itself is checked for leaks.
    ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy "$SMOKE_GAME" & pid=$!
    expect_size 3840x2160
    press alt+Return
    expect_size 2400x1800
    press alt+Return
    expect_size 3840x2160
    quit
    ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy "$SMOKE_GAME" --window --data-dir windowed &
    pid=$!
    expect_size 2400x1800
    centred_on "$(geometry "$(game_window)")" "0 0 3840 2160" ||
        { echo "window at $(geometry "$(game_window)"), not centred" >&2; exit 1; }
    resize_to 960 720
    press alt+Return
    expect_size 3840x2160
    press alt+Return
    expect_size 2400x1800
    pause_on_focus_loss
    quit

    # Shift+Enter opens the dialog only on the title, which a busy machine may reach late: press
    # again until it opens.
    # At twice its size at 96 dpi on this screen of 2160 lines, centred on the game window (its
    # title bar may take the top of its share).
    dialog_placed() {
        local game dialog
        game=$(geometry "$(named プドロク)")
        dialog=$(geometry "$(dialog)")
        if [ "$(cut -d" " -f3,4 <<<"$dialog")" != "624 448" ] || ! centred_on "$dialog" "$game"
        then
            echo "dialog (left top width height) $dialog, game $game" >&2
            return 1
        fi
    }
    open_dialog() {
        for _ in $(seq 10); do
            press shift+Return
            within 20 dialog_open && return 0
        done
        echo "the ranking dialog did not open" >&2
        return 1
    }
    ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy "$SMOKE_GAME" --window --data-dir ranking \
        --ranking-host "$SMOKE_RANKING" &
    pid=$!
    expect_size 2400x1800
    # Past the opening to the title screen, where Shift+Enter opens the dialog.
    press space
    open_dialog
    dialog_placed
    xdotool windowactivate --sync "$(dialog)" key alt+F4
    within 50 dialog_closed || { echo "Alt+F4 did not close the ranking dialog" >&2; exit 1; }
    expect_size 2400x1800
    kill -0 $pid

    open_dialog
    rm ranking/Hisc.dat  # read at the start: the end must write it again
    # The comment box and the send button, at twice their size at 96 dpi.
    xdotool mousemove --window "$(dialog)" 300 228 click 1 sleep 0.3 type hi
    xdotool mousemove --window "$(dialog)" 192 304 click 1
    requesting() { ss -Htn state established "( dport = :${SMOKE_RANKING##*:} )" | grep -q .; }
    within 50 requesting || { echo "the dialog sent no request" >&2; exit 1; }
    sleep 0.5
    kill -TERM $pid
    (sleep 1 && kill -9 $pid 2>/dev/null) &
    watchdog=$!
    wait $pid || { echo "SIGTERM during a request: status $?, not 0 within a second" >&2; exit 1; }
    kill $watchdog 2>/dev/null || true
'
test "$(stat -c %s Hisc.dat)" = 1408
test "$(stat -c %s windowed/Hisc.dat)" = 1408
test "$(stat -c %s ranking/Hisc.dat)" = 1408
echo "window smoke test passed"
