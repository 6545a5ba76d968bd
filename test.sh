#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (under Xvfb when there is no
# display): the source formatting, the layers' includes, the test suite, the browser edition (its
# WebAssembly model under Node, its page in headless Chromium), the model and the tool on Windows (under Wine) and on arm64 Linux (under qemu-user), the Debian package's contents, a
# bounded fuzzing run, and the test suite again built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
# Every build the tests run treats a compiler warning as an error.
BRENVIK_WERROR=ON scripts/setup.sh

echo "test: formatting"
scripts/check_format.sh

echo "test: layers"
scripts/check_layers.sh

run_tests() {
    local dir=$1
    # --timeout bounds any test that sets no TIMEOUT of its own: a hang fails, it does not stall.
    local ctest_command=(ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 900)
    if [ -z "${DISPLAY:-}" ]; then
        xvfb-run -a -s "-screen 0 1280x1024x24" "${ctest_command[@]}"
    else
        "${ctest_command[@]}"
    fi
}

[ -n "${DISPLAY:-}" ] || echo "test: no display, running the tests under xvfb-run"
run_tests build

echo "test: the browser edition"
BRENVIK_WERROR=ON scripts/test_web.sh

echo "test: the model and the tool built for Windows, run under Wine"
scripts/cross_test.sh windows

echo "test: the model and the tool built for arm64 Linux, run under qemu-user"
scripts/cross_test.sh aarch64

echo "test: the Debian package"
scripts/check_package.sh

echo "test: fuzzing"
scripts/fuzz.sh

echo "test: the sanitizer build"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENVIK_SANITIZE=ON \
    -DBRENVIK_BUILD_BENCHMARKS=OFF -DBRENVIK_WERROR=ON >/dev/null
cmake --build build-sanitize --parallel "$(nproc)"
UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
