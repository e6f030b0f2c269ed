#!/usr/bin/env bash
# Start-up of the program against a bare Qt window with the same modules: time from launch to
# the first painted main menu, and peak memory, each the median of several runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-15}
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target radezo-ruda bare_window >/dev/null

measure() { # program → prints "ms kib" per run
    for _ in $(seq 1 "$runs"); do
        start=$(date +%s%N)
        kib=$( { RADEZO_RUDA_EXIT_AFTER_FIRST_PAINT=1 /usr/bin/time -f '%M' "$1" >/dev/null; } 2>&1 | tail -n 1)
        end=$(date +%s%N)
        echo "$(( (end - start) / 1000000 )) $kib"
    done
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

inner() {
    program=build/default/RadezoRuda/radezo-ruda
    bare=build/default/bench/bare_window
    measure "$bare" >/dev/null  # warm the file cache
    p=$(measure "$program"); b=$(measure "$bare")
    pt=$(echo "$p" | awk '{print $1}' | median); pm=$(echo "$p" | awk '{print $2}' | median)
    bt=$(echo "$b" | awk '{print $1}' | median); bm=$(echo "$b" | awk '{print $2}' | median)
    echo "program: first paint ${pt} ms, peak ${pm} KiB"
    echo "bare window: first paint ${bt} ms, peak ${bm} KiB"
    awk -v pt="$pt" -v bt="$bt" -v pm="$pm" -v bm="$bm" \
        'BEGIN { printf "ratio time %.2f, ratio memory %.2f (target 1.15)\n", pt / bt, pm / bm }'
}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
inner
