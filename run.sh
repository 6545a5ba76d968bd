#!/usr/bin/env bash
# Installs what is missing, builds, and starts Brenvik.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: there is no display to show the program on; on a machine without one try: xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec build/ui/brenvik "$@"
