#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (under Xvfb when there is no
# display): the source formatting, the layers' includes, the test suite, the browser edition
# (its WebAssembly model under Node, its page in headless Chromium and Firefox), the Debian
# package's contents, a bounded fuzzing run, the test suite again built with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the model and the tool on Windows
# (under Wine) and on arm64 Linux (under qemu-user). The sanitizer build and the cross
# builds run beside the other steps at a low priority. Each step says how long it took.
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

# Each step's clock and processor times, one line each, in the order the steps end.
timings_file=$(mktemp)
times_file=$(mktemp)
trap 'stop_lanes; rm -f "$timings_file" "$times_file"*' EXIT
# processor_seconds VARIABLE: sets it to the processor time (user and system, in seconds) of
# this shell's finished children; `times` runs here, since a subshell's children are its own
# (a background lane is such a subshell, hence a file of its own).
processor_seconds() {
    local file=$times_file.$BASHPID
    times >"$file"
    printf -v "$1" '%s' "$(awk 'NR == 2 { for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); sum += t[1] * 60 + t[2] }
        printf "%d", sum }' "$file")"
}

# step NAME COMMAND...: runs one step of the tests and notes its clock and processor times.
step() {
    local name=$1 start=$SECONDS before after
    shift
    echo "test: $name"
    processor_seconds before
    "$@"
    processor_seconds after
    printf '%5d s %6d s  %s\n' $((SECONDS - start)) $((after - before)) "$name" >>"$timings_file"
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

if [ "$quick" = yes ]; then
    step "the test suite" run_tests build
else
    # Lanes beside the steps in front: builds, and test runs under an emulator, that need no
    # display and no idle machine begin in the background at a low priority. The suites in
    # front wait on timers and leave a core idle much of the time; the lanes take that time
    # and yield it at once (the lower the priority, the later a lane's work is needed).
    set -m # each lane in a process group of its own, stopped whole if the run ends early

    sanitizer_build() {
        configure_build sanitize
        build_targets sanitize
    }
    lane "the sanitizer build" 10 step "the sanitizer build (in the background)" sanitizer_build
    # arm64 first: its emulated run is the longer, and the last step of a lane may end
    # after the steps in front with only its own work left for the two cores.
    cross_platforms() {
        step "the model and the tool built for arm64 Linux, run under qemu-user (in the background)" \
            scripts/cross_test.sh aarch64
        step "the model and the tool built for Windows, run under Wine (in the background)" \
            scripts/cross_test.sh windows
    }
    lane "the cross builds" 19 cross_platforms

    step "the test suite" run_tests build
    step "the browser edition" scripts/test_web.sh
    step "the Debian package" scripts/check_package.sh
    step "fuzzing" scripts/fuzz.sh

    await_lane "the sanitizer build"
    sanitized_tests() {
        UBSAN_OPTIONS=print_stacktrace=1 run_tests "$(build_dir sanitize)"
    }
    step "the sanitized test suite" sanitized_tests
    await_lane "the cross builds"
fi

echo "test: every step passed; their times (clock, processor):"
sed 's/^/  /' "$timings_file"
