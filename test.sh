#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (under Xvfb when there is no display).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

ctest_command=(ctest --test-dir build --output-on-failure --parallel "$(nproc)")
if [ -z "${DISPLAY:-}" ]; then
    echo "test: no display, running the tests under xvfb-run"
    xvfb-run -a -s "-screen 0 1280x1024x24" "${ctest_command[@]}"
else
    "${ctest_command[@]}"
fi
