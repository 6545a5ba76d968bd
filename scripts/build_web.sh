#!/usr/bin/env bash
# Builds the browser edition: the model in WebAssembly with Debian's Emscripten into
# build-web/ (the "web" preset), the npm packages pinned by web/package-lock.json, and the
# page's static files into web/dist/. Installs what is missing (Debian's emscripten,
# node-acorn, nodejs and npm, chromium and firefox-esr for the browser tests, Xvfb for
# Firefox's WebGL); nothing is downloaded at build time but the npm packages.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

install_packages "${BRENVIK_WEB_PACKAGES[@]}"

# Debian's Emscripten finds its JavaScript helpers (acorn) among Debian's Node modules.
export NODE_PATH=/usr/share/nodejs
# Emscripten's toolchain looks for headers in its own sysroot; Boost's are the system's
# (the preset names them).
configure_build web
build_targets web

(cd web && npm ci --no-audit --no-fund --loglevel=error && npm run -s typecheck)
node web/build.mjs build-web
