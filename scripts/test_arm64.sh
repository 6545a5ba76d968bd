#!/usr/bin/env bash
# The whole program built for arm64 Linux with Debian's arm64 Qt 6 (installed beside the
# host's through multiarch by `scripts/setup.sh --arm64`) and the host's moc, uic and
# lrelease; the windows' tests run under qemu-user on Xvfb, and the arm64 Debian package is
# built and checked. Builds into build-arm64/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
build=$(build_dir arm64)

configure_build arm64

# The windows' tests under the program's own "," locale (the English one for the interface
# language). Left out: the 3-D view's pixel tests (scene_view_test: minutes under emulated
# software OpenGL), the second locale, and the runs through a window manager, Weston or a
# sound server, whose scripts start the test program directly (no binfmt_misc here).
tests=(main_window_test sweep_test bad_input_test expected_curve_test number_key_filter_test
    about_box_test interface_language_test translation_file_test start_up_choice_test)
build_targets arm64 brenvik brenvik-cli "${tests[@]}"

regex='^((main_window|sweep|bad_input|expected_curve|number_key_filter|about_box)_test_ru_RU\.UTF-8'
regex+='|interface_language_test_en_US\.UTF-8|translation_file_test|start_up_choice_test)$'
# One sweep test row draws 605 frames; emulated, with Mesa's software OpenGL, on a loaded
# machine it once ran past QtTest's five minutes for a test function, which is no fault of
# the program: the limit is raised to CTest's own for each test.
export QTEST_FUNCTION_TIMEOUT=600000
with_display ctest --test-dir "$build" --output-on-failure -R "$regex"

scripts/check_package.sh "$build"
