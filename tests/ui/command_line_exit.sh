#!/usr/bin/env bash
# The real program's command line, with no display at all: a bad value is refused with
# brenvik-cli's message and exit status 2, and --help and --version print and end, all
# before Qt would need a display (it would abort the program without one).
# Usage: command_line_exit.sh BRENVIK BRENVIK_CLI
set -u
brenvik=$1 tool=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "$*" >&2
    failures=$((failures + 1))
}
# Runs the program without a display; its status, standard output and error in $work.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$brenvik" "$@" >"$work/out" 2>"$work/err"
    echo $? >"$work/status"
}

for bad in "--q abc" "--t1 -20,-5 --noise 31" "--threshold 0,2.7" "--t2 61,0"; do
    # shellcheck disable=SC2086 # the words of each case
    run $bad
    "$tool" expected $bad 2>"$work/tool_err" >/dev/null
    [ "$(cat "$work/status")" = 2 ] || fail "brenvik $bad: status $(cat "$work/status"), not 2: $(cat "$work/err")"
    [ -s "$work/out" ] && fail "brenvik $bad printed on standard output"
    cmp -s "$work/err" "$work/tool_err" ||
        fail "brenvik $bad said '$(cat "$work/err")', brenvik-cli '$(cat "$work/tool_err")'"
done

run --version
[ "$(cat "$work/status")" = 0 ] && grep -qxE 'brenvik [0-9]+(\.[0-9]+)+' "$work/out" ||
    fail "brenvik --version: status $(cat "$work/status"), '$(cat "$work/out")'"
run --help
[ "$(cat "$work/status")" = 0 ] && head -n 1 "$work/out" | grep -q '^brenvik - ' && [ ! -s "$work/err" ] ||
    fail "brenvik --help: status $(cat "$work/status"), '$(head -n 1 "$work/out")' $(cat "$work/err")"

((failures == 0)) || exit 1
echo "brenvik answers its command line before any window"
