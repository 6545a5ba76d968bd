#!/usr/bin/env bash
# Runs a test inside a Wayland session of its own: Weston's headless compositor with
# XWayland, on a private runtime folder. The user's platform choice and session type are
# cleared, as on a desktop where nobody chose. Exit 77 (skipped) without Weston.
set -uo pipefail
test_program=$1
command -v weston >/dev/null && command -v Xwayland >/dev/null || { echo "no weston/Xwayland"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
log=$runtime/weston.log
socket=brenvik-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --xwayland --socket=$socket \
    --width=1280 --height=1024 --idle-time=0 >"$log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; wait $weston_pid 2>/dev/null; rm -rf "$runtime"' EXIT

display=
for _ in $(seq 100); do
    display=$(grep -o 'xserver listening on display :[0-9]*' "$log" | grep -o ':[0-9]*$')
    [ -n "$display" ] && break
    kill -0 $weston_pid 2>/dev/null || break
    sleep 0.1
done
if [ -z "$display" ]; then
    echo "weston did not start:"; cat "$log"; exit 1
fi

env -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket \
    DISPLAY="$display" "$test_program"
status=$?
[ $status -ne 0 ] && { echo "--- weston log"; cat "$log"; }
exit $status
