#!/usr/bin/env bash
# Builds the browser edition and serves web/dist/ on this machine for a try-out, with
# the headers a web server should send (web/serve.mjs). Prints the address when ready.
#   scripts/serve_web.sh [PORT]      (default 8000)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build_web.sh
exec node web/serve.mjs "${1:-8000}"
