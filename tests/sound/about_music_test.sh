#!/usr/bin/env bash
# The About box really plays its music. A PulseAudio daemon of this test's own, with a
# null sink, takes the program's sound; parec records the sink's monitor while the real
# program, driven by clicks, opens the About box, unchecks "Muzzic", checks it again and
# closes the box. Needs a display (the test suite runs under Xvfb).
#   about_music_test.sh BRENVIK PCM_ACTIVITY
set -euo pipefail

brenvik=$1
activity=$2
rate=22050

work=$(mktemp -d)
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER

program_pid=""
keeper_pid=""
finish() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$keeper_pid" ] && kill "$keeper_pid" 2>/dev/null || true
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "about_music_test: $*" >&2
    exit 1
}

pulseaudio -D -n --exit-idle-time=-1 --disallow-exit --log-target=stderr \
    --load="module-null-sink sink_name=brenvik_test" \
    --load="module-native-protocol-unix" >"$work/pulse.log" 2>&1 ||
    fail "the sound server did not start: $(cat "$work/pulse.log")"
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null 2>&1 || fail "the sound server does not answer"
pactl set-default-sink brenvik_test
# An idle sink gives its monitor no data: a stream of zeros keeps it running, so that a
# silent recording is as long as a loud one.
pacat --playback -d brenvik_test --format=s16le --rate=$rate --channels=1 </dev/zero &
keeper_pid=$!

# Records `seconds` of the sink's monitor and prints what pcm_activity finds in it.
record() {
    local name=$1 seconds=$2
    parec -d brenvik_test.monitor --format=s16le --rate=$rate --channels=1 --raw --latency-msec=50 >"$work/$name.raw" &
    local pid=$!
    sleep "$seconds"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    "$activity" "$work/$name.raw" $rate
}

value() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p" <<<"$2"; }
# A silent stretch must be recorded for long enough to mean something.
silent() { atLeast "$(value seconds "$1")" 2 && atLeast 0.1 "$(value loud "$1")"; }
atLeast() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# Clicks at a point of a window's client area.
click() {
    local window=$1 x=$2 y=$3
    local origin
    origin=$(xdotool getwindowgeometry --shell "$window")
    local wx wy
    wx=$(sed -n 's/^X=//p' <<<"$origin")
    wy=$(sed -n 's/^Y=//p' <<<"$origin")
    xdotool mousemove $((wx + x)) $((wy + y)) click 1
}

LC_ALL=ru_RU.UTF-8 "$brenvik" >"$work/brenvik.log" 2>&1 &
program_pid=$!
# Every wait is bounded, so that a program that never shows its window fails this test
# (and the sound server is stopped) rather than hanging it.
main=$(timeout 30 xdotool search --sync --name "Brenvik v 1.0" | head -n 1)
[ -n "$main" ] || fail "the main window did not appear: $(cat "$work/brenvik.log")"
sleep 1

click "$main" 588 412  # the About button
# xdotool's patterns do not take Cyrillic: the About box is the one window whose
# title ends in " !".
about=$(timeout 30 xdotool search --sync --name ' !$' | head -n 1)
[ -n "$about" ] || fail "the About box did not appear"

playing=$(record playing 12)
echo "About box open: $playing"
atLeast "$(value longest "$playing")" 8 || fail "the music did not play for 8 s on end: $playing"

click "$about" 332 208  # "Muzzic" off
sleep 0.5
muted=$(record muted 4)
echo "Muzzic unchecked: $muted"
silent "$muted" || fail "sound after unchecking Muzzic: $muted"

click "$about" 332 208  # "Muzzic" on again
sleep 0.5
again=$(record again 3)
echo "Muzzic checked again: $again"
atLeast "$(value loud "$again")" 1 || fail "no sound after checking Muzzic again: $again"

click "$about" 236 368  # "Ага..."
sleep 0.5
closed=$(record closed 4)
echo "About box closed: $closed"
silent "$closed" || fail "sound after closing the About box: $closed"

kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/brenvik.log")"
echo "1 passed, 0 failed"
