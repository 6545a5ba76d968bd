#!/usr/bin/env bash
# A session without a sound server prints nothing: the real program starts with no server to
# connect to, once without XDG_RUNTIME_DIR and once with an empty one of its own, shows its
# main window and is stopped; its output must be empty. Without the server the About box's
# "Muzzic" is disabled, which the window tests check. Needs a display (the test suite runs
# under Xvfb).
#   quiet_start_test.sh BRENVIK
set -euo pipefail

brenvik=$1
work=$(mktemp -d)
program_pid=""
finish() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "quiet_start_test: $*" >&2
    exit 1
}

# Starts the program with `env` arguments, waits for its main window, stops it and prints
# what it wrote on stdout and stderr.
output_of_a_start() {
    env "$@" LC_ALL=ru_RU.UTF-8 "$brenvik" >"$work/out.log" 2>&1 &
    program_pid=$!
    timeout 30 xdotool search --sync --onlyvisible --pid "$program_pid" --name "Brenvik v 1.0" >/dev/null ||
        fail "the main window did not appear: $(cat "$work/out.log")"
    sleep 1  # the first frames and whatever the program does after showing
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
    cat "$work/out.log"
}

# No sound server anywhere: a home and a temporary folder of the test's own, and no server named.
mkdir -p "$work/home" "$work/tmp" "$work/run"
chmod 700 "$work/run"
quiet=(-u PULSE_SERVER -u XDG_RUNTIME_DIR HOME="$work/home" TMPDIR="$work/tmp")

said=$(output_of_a_start "${quiet[@]}")
[ -z "$said" ] || fail "without XDG_RUNTIME_DIR the program printed: $said"
runtime=$(find "$work/tmp" -mindepth 1 -maxdepth 1 -name 'runtime-*')
[ -n "$runtime" ] || fail "no runtime folder was made in the temporary folder"
[ "$(stat -c %a "$runtime")" = 700 ] || fail "the runtime folder $runtime is open to others"

said=$(output_of_a_start "${quiet[@]}" XDG_RUNTIME_DIR="$work/run")
[ -z "$said" ] || fail "with an empty XDG_RUNTIME_DIR the program printed: $said"
echo "2 passed, 0 failed"
