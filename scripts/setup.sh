#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build and its tests need
# (only those that are missing, all in one apt-get call), then configures and builds into
# build/. With --web the browser edition's packages too (test.sh); with --arm64 Debian's
# arm64 Qt 6 for the whole program's arm64 build (scripts/test_arm64.sh), installed beside
# the host's through multiarch: an install that would remove a host package is refused.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

packages=("${BRENVIK_PACKAGES[@]}")
for option; do
    case $option in
    --web) packages+=("${BRENVIK_WEB_PACKAGES[@]}") ;;
    --arm64) packages+=("${BRENVIK_ARM64_PACKAGES[@]}") ;;
    *)
        echo "setup: unknown option '$option' (--web, --arm64)" >&2
        exit 2
        ;;
    esac
done
install_packages "${packages[@]}"

# test.sh sets BRENVIK_WERROR=ON so that a warning fails the tests; unset, the build keeps
# what it was configured with.
configure_build native
build_targets native
