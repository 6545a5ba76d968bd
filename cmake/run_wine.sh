#!/usr/bin/env bash
# Runs a Windows console program under Debian's wine64 (whose loader lives in Wine's
# library folder, not on the PATH), in a Wine prefix of its own beside the build, quietly.
set -euo pipefail
export WINEPREFIX="${BRENVIK_WINEPREFIX:-${TMPDIR:-/tmp}/brenvik-wine-$(id -u)}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no prompts to install .NET or Gecko
exec /usr/lib/wine/wine64 "$@"
