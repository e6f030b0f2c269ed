#!/bin/bash
# Makes the program's seven sound cues beside this script with sox.
# Every run gives the same bytes: sox runs in repeatable mode (-R, fixed noise seed), without
# dither (-D), and the applause's clap times come from a fixed-seed generator below.
# The cues are short and soft (peaks at -12 dBFS) so a classroom full of them stays calm.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# QSoundEffect plays plain PCM WAV: 16-bit, mono, 44100 Hz.
out_fmt=(-b 16 -e signed-integer -c 1 -r 44100)
peak=-12

sx() { sox -R -D -V1 "$@"; }

# tone NAME SECONDS FREQUENCY: a bell-like note, quick attack and a long soft decay,
# with a quiet octave above it for sparkle.
tone() {
    local name=$1 len=$2 freq=$3
    sx -n -r 44100 -c 1 "$work/$name-a.wav" synth "$len" sine "$freq" fade q 0.004 "$len" "$len"
    sx -n -r 44100 -c 1 "$work/$name-b.wav" synth "$len" sine "$(echo "$freq * 2" | bc -l)" \
        fade q 0.002 "$len" "$len" vol 0.25
    sx -m "$work/$name-a.wav" "$work/$name-b.wav" "$work/$name.wav"
}

# finish IN OUT: soften the edges and set the level.
finish() {
    sx "$1" "${out_fmt[@]}" "$here/$2" norm "$peak"
}

# POP: a bubble that pops, a short upward sweep that dies away at once.
sx -n -r 44100 -c 1 "$work/pop.wav" synth 0.08 sine 260-1100 fade q 0.002 0.08 0.07 lowpass 3000
finish "$work/pop.wav" POP.WAV

# Click1 and Click2: two soft taps, one higher and brighter, one lower and woodier.
sx -n -r 44100 -c 1 "$work/click1-tone.wav" synth 0.04 sine 1500 fade q 0.001 0.04 0.037
sx -n -r 44100 -c 1 "$work/click1-tap.wav" synth 0.04 whitenoise band 2500 1500 fade q 0.0005 0.04 0.038 vol 0.3
sx -m "$work/click1-tone.wav" "$work/click1-tap.wav" "$work/click1.wav"
finish "$work/click1.wav" Click1.WAV

sx -n -r 44100 -c 1 "$work/click2-tone.wav" synth 0.04 sine 820 fade q 0.001 0.04 0.036
sx -n -r 44100 -c 1 "$work/click2-tap.wav" synth 0.04 brownnoise lowpass 1200 fade q 0.0005 0.04 0.038 vol 0.4
sx -m "$work/click2-tone.wav" "$work/click2-tap.wav" "$work/click2.wav"
finish "$work/click2.wav" Click2.WAV

# OPEN and CLOSE: the same two notes (C6 and G6), rising to open and falling to close.
tone c6 0.125 1046.50
tone g6 0.125 1567.98
sx "$work/c6.wav" "$work/g6.wav" "$work/open.wav"
sx "$work/g6.wav" "$work/c6.wav" "$work/close.wav"
finish "$work/open.wav" OPEN.WAV
finish "$work/close.wav" CLOSE.WAV

# ENDLVL: a cheerful C major arpeggio that rests on its top note.
tone n1 0.18 523.25
tone n2 0.18 659.25
tone n3 0.18 783.99
tone n4 0.46 1046.50
sx "$work/n1.wav" "$work/n2.wav" "$work/n3.wav" "$work/n4.wav" "$work/endlvl.wav"
finish "$work/endlvl.wav" ENDLVL.WAV

# APPLAUSE: a few children clapping, each at their own pace, as short bursts of filtered noise.
centres=(1100 1500 1900 2400)
for v in 0 1 2 3; do
    len=$(printf '0.%03d' $((24 + v * 5)))
    sx -n -r 44100 -c 1 "$work/clap$v.wav" synth "$len" whitenoise band "${centres[$v]}" 1400 \
        fade q 0.001 "$len" "$(echo "$len - 0.003" | bc -l)"
done

seed=20261211
next() { seed=$(((seed * 1103515245 + 12345) % 2147483648)); }

claps=()
n=0
for clapper in 0 1 2 3 4 5 6 7; do
    next; period=$((170 + seed % 90))         # ms between this child's claps
    next; t=$((seed % 150))                    # when this child starts
    while ((t < 1900)); do
        next; jitter=$((seed % 30))
        next; v=$((seed % 4))
        at=$((t + jitter))
        sx "$work/clap$v.wav" "$work/c$n.wav" pad "$((at / 1000)).$(printf '%03d' $((at % 1000)))"
        claps+=("$work/c$n.wav")
        n=$((n + 1))
        t=$((t + period))
    done
done
sx -m "${claps[@]}" "$work/claps.wav" trim 0 2.0 fade q 0.35 2.0 0.7
finish "$work/claps.wav" APPLAUSE.WAV
