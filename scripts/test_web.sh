#!/usr/bin/env bash
# The browser edition's tests: the WebAssembly model under Node against the 550 golden
# frames and the native brenvik-cli (build/cli/brenvik-cli, which setup builds), then
# the page served with its real headers in Debian's Chromium, headless, driven by
# Playwright, and in Debian's Firefox ESR, driven by Puppeteer on Xvfb's display; each
# engine with WebGL and with it switched off.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build_web.sh

echo "test_web: the WebAssembly model under Node"
node web/build-test/model_check.js build-web tests/model/data/golden_frames.csv build/cli/brenvik-cli

echo "test_web: the page in headless Chromium, and in Firefox"
address_file=$(mktemp)
node web/serve.mjs 0 >"$address_file" &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$address_file"' EXIT
for _ in $(seq 50); do
    [ -s "$address_file" ] && break
    sleep 0.1
done
node web/build-test/page_test.js "$(head -n 1 "$address_file")" build/cli/brenvik-cli
xvfb-run -a -s "-screen 0 1400x1000x24" node web/build-test/firefox_test.js "$(head -n 1 "$address_file")" build/cli/brenvik-cli
