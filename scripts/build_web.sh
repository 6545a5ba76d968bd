#!/usr/bin/env bash
# Builds the browser edition: the model in WebAssembly with Debian's Emscripten into
# build-web/, the npm packages pinned by web/package-lock.json, and the page's static
# files into web/dist/. Installs what is missing (Debian's emscripten, node-acorn,
# nodejs and npm, chromium for the browser tests); nothing is downloaded at build time
# but the npm packages.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(emscripten node-acorn nodejs chromium libboost-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
# npm may come with nodejs (NodeSource's packages) or as Debian's own package.
command -v npm >/dev/null || missing+=(npm)
if ((${#missing[@]} > 0)); then
    echo "build_web: installing missing Debian packages: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y \
        --no-install-recommends "${missing[@]}"
fi

# Debian's Emscripten finds its JavaScript helpers (acorn) among Debian's Node modules.
export NODE_PATH=/usr/share/nodejs
werror=()
[ -z "${BRENVIK_WERROR:-}" ] || werror=(-DBRENVIK_WERROR="$BRENVIK_WERROR")
generator=()
[ -f build-web/CMakeCache.txt ] || generator=(-G Ninja)
# Emscripten's toolchain looks for headers in its own sysroot; Boost's are the system's.
emcmake cmake -S web/wasm -B build-web "${generator[@]}" -DBRENVIK_BOOST_DIR=/usr/include "${werror[@]}" >/dev/null
cmake --build build-web

(cd web && npm ci --no-audit --no-fund --loglevel=error && npm run -s typecheck)
node web/build.mjs build-web
