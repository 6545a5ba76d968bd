#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (under Xvfb when there is no
# display): the source formatting, the layers' includes, the test suite, the browser edition
# (its WebAssembly model under Node, its page in headless Chromium), the model and the tool
# on Windows (under Wine) and on arm64 Linux (under qemu-user), the Debian package's
# contents, a bounded fuzzing run, and the test suite again built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Each step says how long it took.
#   ./test.sh            everything (what .ci/run runs)
#   ./test.sh --quick    the formatting, the layers and the native test suite only
set -euo pipefail
cd "$(dirname "$0")"
source scripts/lib.sh

quick=no
case "${1:-}" in
"") ;;
--quick) quick=yes ;;
*)
    echo "usage: ./test.sh [--quick]" >&2
    exit 2
    ;;
esac

# Every build the tests run treats a compiler warning as an error.
export BRENVIK_WERROR=ON

# processor_seconds VARIABLE: sets it to the processor time (user and system, in seconds) of
# this shell's finished children; `times` runs here, since a subshell's children are its own.
times_file=$(mktemp)
trap 'rm -f "$times_file"' EXIT
processor_seconds() {
    times >"$times_file"
    printf -v "$1" '%s' "$(awk 'NR == 2 { for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); sum += t[1] * 60 + t[2] }
        printf "%d", sum }' "$times_file")"
}

timings=()
# step NAME COMMAND...: runs one step of the tests and notes its clock and processor times.
step() {
    local name=$1 start=$SECONDS before after
    shift
    echo "test: $name"
    processor_seconds before
    "$@"
    processor_seconds after
    timings+=("$(printf '%5d s %6d s  %s' $((SECONDS - start)) $((after - before)) "$name")")
}

# The whole run's packages in one apt-get call.
if [ "$quick" = yes ]; then
    step "set-up and the native build" scripts/setup.sh
else
    step "set-up and the native build" scripts/setup.sh --web
fi

step "formatting" scripts/check_format.sh
step "layers" scripts/check_layers.sh

run_tests() {
    # --timeout bounds any test that sets no TIMEOUT of its own: a hang fails, it does not stall.
    with_display ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" --timeout 900
}
[ -n "${DISPLAY:-}" ] || echo "test: no display, running the tests under xvfb-run"
step "the test suite" run_tests build

if [ "$quick" = no ]; then
    step "the browser edition" scripts/test_web.sh
    step "the model and the tool built for Windows, run under Wine" scripts/cross_test.sh windows
    step "the model and the tool built for arm64 Linux, run under qemu-user" scripts/cross_test.sh aarch64
    step "the Debian package" scripts/check_package.sh
    step "fuzzing" scripts/fuzz.sh

    sanitized_tests() {
        configure_build sanitize
        build_targets sanitize
        UBSAN_OPTIONS=print_stacktrace=1 run_tests "$(build_dir sanitize)"
    }
    step "the sanitizer build" sanitized_tests
fi

echo "test: every step passed; their times (clock, processor):"
printf '  %s\n' "${timings[@]}"
