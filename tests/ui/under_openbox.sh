#!/usr/bin/env bash
# Runs a widget test on an X server of its own under the openbox window manager, so that
# windows get frames and title bars and stacking is the window manager's, as on a desktop.
set -uo pipefail
command -v openbox >/dev/null || { echo "no openbox"; exit 77; }
source "$(dirname "$0")/../../scripts/lib.sh"
own_display bash -c '
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    # openbox has taken the screen once it names itself on the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    BRENVIK_TEST_WINDOW_MANAGER=openbox "$@"
    status=$?
    kill $wm
    wait $wm 2>/dev/null
    exit $status
' under_openbox "$@"
