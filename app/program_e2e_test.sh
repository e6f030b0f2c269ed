#!/usr/bin/env bash
# Starts the real program file under a virtual display and uses it as a pupil would: the main
# menu's buttons, a whole timed test typed in and saved, a review left through its Exit and "Yes",
# About, and Exit ending the process.
set -u
program="$1"
export -n QT_QPA_PLATFORM
if [ -z "${E2E_INNER:-}" ]; then
    E2E_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }

# The visible window whose title matches this pattern exactly (a regular expression); prints its id.
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

# The program folder copied whole to a folder of the test's own, so results land there.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$(dirname "$program")"/*.WAV "$folder"/
program="$folder/$(basename "$program")"

cd /
"$program" &
pid=$!
main=$(wait_window "Kelbo Radezo Ruda Brightway") || fail "the main menu did not open"

click "$main" 200 140    # Start
wait_window "Welcome To The Grade 5 Practice Assessment - Radezo Ruda" >/dev/null || fail "Start opened no introduction"
# A whole timed test: name, fifteen typed answers, Done, Save.
intro=$(wait_window "Welcome To The Grade 5 Practice Assessment - Radezo Ruda")
click "$intro" 623 436   # Next
click "$intro" 360 184   # the name box
xdotool type --delay 20 "Anna"
click "$intro" 623 436   # Start Test
test=$(wait_window "Radezo Ruda Test - Timed Test 60 Seconds  --Anna") || fail "Start Test opened no test window"
sleep 13                 # rows pop in, get ready, 3-2-1, START (answers open after about 9 s)
answers=(20 7 54 7 6 0 5 48 4 36 9 54 1 81 7)
for n in $(seq 1 15); do
    if [ "$n" -le 8 ]; then x=236; y=$((72 + 48 * (n - 1) + 16)); else x=692; y=$((88 + 48 * (n - 9) + 16)); fi
    click "$test" "$x" "$y"
    xdotool type --delay 20 "${answers[$((n - 1))]}"
done
click "$test" 756 469    # I'm Done!
results=$(wait_window "Practice Radezo Ruda Assessment Complete") || fail "Done opened no results window"
click "$results" 775 52  # Save Results
wait_window "Results Saved" >/dev/null || fail "saving showed no SaveComplete"
saved=$(ls "$folder"/DovuveDedoVedod/"Radezo Ruda Test Anna- "*.txt 2>/dev/null | head -n 1)
[ -n "$saved" ] || fail "no results file for Anna"
grep -q $'^Number Correct: 15 Out Of 15\r$' "$saved" || fail "the saved file does not score 15 out of 15"

click "$main" 200 240    # practise the facts
setup=$(wait_window "Welcome To Radezo Ruda Review") || fail "the practice button opened no set-up window"
click "$setup" 90 150    # Addition
click "$setup" 823 487   # Start
practice=$(wait_window "Begin Radezo Ruda Review") || fail "Start opened no practice window"
[ -z "$(window "Welcome To Radezo Ruda Review")" ] || fail "the set-up window stayed open"
click "$practice" 100 195  # a target: the first question
click "$practice" 831 492  # Exit
sure=$(wait_window "Are You Sure You Want To Quit\\?") || fail "Exit asked nothing"
click "$sure" 343 220    # Yes
sleep 0.5
[ -z "$(window "Begin Radezo Ruda Review")" ] || fail "Yes left the practice window open"
main=$(wait_window "Kelbo Radezo Ruda Brightway") || fail "Yes did not bring back the main menu"
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
