#!/usr/bin/env bash
# Starts the real program file under a virtual display, clicks through the main menu as a pupil
# would, and checks that Exit ends the process.
set -u
program="$1"
export -n QT_QPA_PLATFORM
if [ -z "${E2E_INNER:-}" ]; then
    E2E_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }

# Reads the window with this exact title; prints its id.
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
wait_window() {
    for _ in $(seq 1 100); do
        id=$(window "$1"); [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# Clicks at a point of a window's client area.
click() {
    xdotool windowraise "$1"
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

cd /
"$program" &
pid=$!
main=$(wait_window "Kelbo Radezo Ruda Brightway") || fail "the main menu did not open"

click "$main" 200 140    # Start
wait_window "Welcome To The Grade 5 Practice Assessment - Radezo Ruda" >/dev/null || fail "Start opened no introduction"
click "$main" 200 240    # practise the facts
wait_window "Welcome To Radezo Ruda Review" >/dev/null || fail "the practice button opened no set-up window"
click "$main" 200 340    # About
about=$(wait_window "About Kelbo Radezo Ruda Brightway") || fail "About did not open"
click "$about" 580 410   # About's OK
for _ in $(seq 1 50); do
    [ -z "$(window "About Kelbo Radezo Ruda Brightway")" ] && break
    sleep 0.1
done
[ -z "$(window "About Kelbo Radezo Ruda Brightway")" ] || fail "About's OK left the window open"

click "$main" 660 430    # Exit
for _ in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; status=$?; [ "$status" -eq 0 ] || fail "exit status $status"; echo "1 passed, 0 failed"; exit 0; }
    sleep 0.1
done
fail "Exit did not end the program"
