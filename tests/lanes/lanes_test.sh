#!/usr/bin/env bash
# The background lanes of scripts/lib.sh, which ./test.sh runs its longest builds in: a
# lane runs at its niceness and its output is shown when awaited; a failing lane stops at
# its first failing command and fails its await with its output; its processor time is not
# counted in the caller's; stop_lanes stops a lane with everything it started.
set -euo pipefail
source "$1/scripts/lib.sh"
set -m
scratch=$(mktemp -d)
trap 'stop_lanes; rm -rf "$scratch"' EXIT

fail() {
    echo "lanes: $*" >&2
    exit 1
}

in_lane() {
    echo "niceness $(nice)"
    echo "done"
}
stops_at_its_failure() {
    echo "before"
    false
    echo "after the failure"
}
# milliseconds FILE: the user time of the first line that `times` wrote there, in ms.
milliseconds() {
    awk 'NR == 1 { split($1, t, /[ms]/); printf "%d", (t[1] * 60 + t[2]) * 1000 }' "$1"
}
busy() {
    local i
    for ((i = 0; i < 300000; i++)); do :; done
    times >"$scratch/busy_times"
}
waits_long() {
    sleep 300 &
    echo $! >"$scratch/sleeper"
    wait
}

lane "a lane" 10 in_lane
lane "a failing lane" 19 stops_at_its_failure
lane "a busy lane" 0 busy
lane "a long lane" 19 waits_long

await_lane "a lane" >"$scratch/out"
grep -qx "niceness 10" "$scratch/out" || fail "a lane at niceness 10 said: $(cat "$scratch/out")"
grep -qx "done" "$scratch/out" || fail "a lane's output is not shown when awaited"

if await_lane "a failing lane" >/dev/null 2>"$scratch/err"; then
    fail "a failing lane's await passed"
fi
grep -qx "before" "$scratch/err" || fail "a failing lane's output is not shown: $(cat "$scratch/err")"
if grep -q "after the failure" "$scratch/err"; then
    fail "a lane went on after its failing command"
fi

await_lane "a busy lane" >/dev/null
sleep 0.2 # time for this shell to reap a lane that were its child
times >"$scratch/times" # here, not in a pipeline's subshell, whose children are its own
sed -n 2p "$scratch/times" >"$scratch/children_times"
busy=$(milliseconds "$scratch/busy_times") children=$(milliseconds "$scratch/children_times")
((busy >= 100)) || fail "the busy lane's work took only $busy ms"
((children < busy / 2)) || fail "a lane's processor time ($busy ms) was counted in the caller's ($children ms)"

until [ -s "$scratch/sleeper" ]; do sleep 0.1; done
stop_lanes
sleep 0.5
# Stopped, or a zombie that no process is left to reap.
state=$(ps -o stat= -p "$(cat "$scratch/sleeper")" || true)
[[ -z "$state" || "$state" == Z* ]] || fail "stop_lanes left a command that a lane started (state $state)"
echo "lanes: every check passed"
