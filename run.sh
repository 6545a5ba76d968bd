#!/usr/bin/env bash
# Installs what is missing, builds, and starts Brenvik.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
# Until the main window exists, the program is the command-line tool.
if (($# == 0)); then
    set -- --help
fi
exec build/cli/brenvik-cli "$@"
