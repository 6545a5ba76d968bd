#!/usr/bin/env bash
# The real program on an X server that gives it no OpenGL (Qt's xcb platform without its
# GL integration): the error box shows while no other window does, and once it is
# answered the program ends with a failure status, its main window never shown. Needs a
# display (the test suite runs under Xvfb).
#   start_up_without_opengl.sh BRENVIK
set -euo pipefail

brenvik=$1
log=$(mktemp)
program_pid=""
finish() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    rm -f "$log"
}
trap finish EXIT

fail() {
    echo "start_up_without_opengl: $* (program's output: $(cat "$log"))" >&2
    exit 1
}

QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none LC_ALL=ru_RU.UTF-8 "$brenvik" >"$log" 2>&1 &
program_pid=$!
# xdotool's patterns do not take Cyrillic: the box "Ошибка!" is the window whose title
# ends in "!". Every wait is bounded, so that a program that shows no box fails.
box=$(timeout 30 xdotool search --sync --onlyvisible --name '!$' | head -n 1) ||
    fail "no error box appeared"
[ -z "$(xdotool search --onlyvisible --name 'Brenvik v 1.0' || true)" ] ||
    fail "the main window showed with the error box"
xdotool windowfocus --sync "$box"
xdotool key Return

status=0
timeout 30 tail --pid="$program_pid" -f /dev/null || fail "the program did not end after the box"
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 1 ] || fail "the program ended with status $status, not 1"
