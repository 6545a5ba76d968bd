# Sourced by the scripts (and the tests' own scripts): the Debian packages each part needs
# and the one function that installs them, the display the window tests run on, the
# configuration of each build that CMakePresets.json names, and lanes: commands run in the
# background beside the others.
# shellcheck shell=bash

# The native build, its tests, the cross builds and the Debian package's check.
BRENVIK_PACKAGES=(
    g++ cmake ninja-build pkg-config   # toolchain
    ccache                             # rebuilds of the same sources in other trees
    clang libclang-rt-14-dev           # libFuzzer for the fuzz targets
    clang-format                       # the format check
    dpkg-dev file                      # the Debian package's dependencies
    lintian appstream                  # Debian's and AppStream's checkers of the package
    desktop-file-utils                 # desktop-file-validate
    help2man groff-base gzip           # the tool's manual page from its help, and its test
    bash-completion                    # the completion's test runs it as bash would
    libgtest-dev libbenchmark-dev      # tests and benchmarks
    libboost-dev                       # the model's extended arithmetic in software
    g++-aarch64-linux-gnu qemu-user    # the arm64 build of the model and the tool, and its test run
    g++-mingw-w64-x86-64 wine64        # the Windows build of the model and the tool, and its test run
    googletest                         # GoogleTest's sources, built by each cross compiler
    qt6-base-dev libqt6opengl6-dev     # Widgets, OpenGL widget, Test
    qt6-multimedia-dev                 # the About box's music
    qt6-tools-dev qt6-l10n-tools       # lupdate/lrelease and their CMake functions
    qt6-translations-l10n              # Qt's own dialogs and buttons in Russian
    libgl1-mesa-dri libgl-dev          # fixed-function OpenGL, software rendering
    fonts-liberation fonts-dejavu-core # Arial's metric twin and a fallback
    xvfb xauth xdotool                 # a display for the GUI tests, and clicks on it
    openbox x11-utils                  # a window manager for the GUI tests, and xprop to see it
    weston xwayland                    # a Wayland session with XWayland for the platform test
    pulseaudio pulseaudio-utils        # a sound server with a null sink for the music test
)

# The browser edition: Debian's Emscripten and the Node module it runs with, Node, and
# Chromium and Firefox ESR (on Xvfb, for its WebGL) for the page's tests. npm comes with
# NodeSource's nodejs or as Debian's own.
BRENVIK_WEB_PACKAGES=(emscripten node-acorn nodejs chromium firefox-esr xvfb xauth libboost-dev)
command -v npm >/dev/null || BRENVIK_WEB_PACKAGES+=(npm)

# The whole program for arm64 (scripts/test_arm64.sh): Debian's arm64 Qt 6 and what the
# windows link, beside the host's through multiarch. Both architectures of a library must
# have the same version, so apt may upgrade a host library to the archive's.
BRENVIK_ARM64_PACKAGES=(
    qt6-base-dev:arm64 libqt6opengl6-dev:arm64 qt6-multimedia-dev:arm64 qt6-tools-dev:arm64
    libgl-dev:arm64 libgl1-mesa-dri:arm64
    g++-aarch64-linux-gnu qemu-user
)

# install_packages PACKAGE...: installs those of the Debian packages that are missing, in
# one apt-get update and one apt-get install; a package named name:arch adds its
# architecture first. An install that would remove an installed package is refused.
install_packages() {
    local package missing=() sudo=() architecture removed
    for package; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    if ((${#missing[@]} == 0)); then
        echo "setup: all required Debian packages are installed"
        return 0
    fi
    echo "setup: installing missing Debian packages: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "setup: need root or sudo to install: ${missing[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    for architecture in $(printf '%s\n' "${missing[@]}" | sed -n 's/^[^:]*:\(.*\)$/\1/p' | sort -u); do
        dpkg --print-foreign-architectures | grep -qx "$architecture" ||
            "${sudo[@]}" dpkg --add-architecture "$architecture"
    done
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update
    removed=$(LC_ALL=C apt-get -s install --no-install-recommends "${missing[@]}" | sed -n 's/^Remv //p')
    if [ -n "$removed" ]; then
        echo "setup: installing these packages would remove the following, so nothing is installed:" >&2
        echo "$removed" >&2
        return 1
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y \
        --no-install-recommends "${missing[@]}"
}

# with_display COMMAND...: runs the command on the display there is, or on an Xvfb server
# of its own when there is none. own_display always starts one.
BRENVIK_SCREEN="-screen 0 1280x1024x24"
own_display() {
    xvfb-run -a -s "$BRENVIK_SCREEN" "$@"
}
with_display() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@"
    else
        own_display "$@"
    fi
}

# build_dir PRESET: the folder CMakePresets.json builds that preset in.
build_dir() {
    if [ "$1" = native ]; then echo build; else echo "build-$1"; fi
}

# configure_build PRESET [CMAKE ARGUMENT...]: configures that build of CMakePresets.json, run
# from the source tree. BRENVIK_WERROR, when set, decides whether a warning is an error;
# unset, the build keeps what the preset or its last configuration said.
configure_build() {
    local preset=$1 werror=()
    shift
    [ -z "${BRENVIK_WERROR:-}" ] || werror=(-DBRENVIK_WERROR="$BRENVIK_WERROR")
    cmake --preset "$preset" "${werror[@]}" "$@" >/dev/null
}

# build_targets PRESET [TARGET...]: builds those targets (all of them when none is named).
build_targets() {
    local preset=$1 targets=()
    shift
    (($# == 0)) || targets=(--target "$@")
    cmake --build "$(build_dir "$preset")" --parallel "$(nproc)" "${targets[@]}"
}

# lane NAME NICENESS COMMAND...: begins the command in the background at that niceness, its
# output in a log of its own; await_lane NAME waits for it, shows its output, and fails (with
# the log's end) if it failed. The caller turns on monitor mode (set -m), so that each lane
# has a process group of its own, which stop_lanes stops whole. A lane is not the caller's
# child (it runs in a subshell's background), so its processor time is never counted in
# the caller's `times`; it writes its status when it ends. Under set -e, a lane stops at
# its first failing command, as the caller would.
lane_groups=()
declare -A lane_log
lane() {
    local name=$1 niceness=$2 log
    shift 2
    log=$(mktemp)
    lane_log[$name]=$log
    echo "test: $name (in the background, its output in $log)"
    (
        echo "$BASHPID" >"$log.group" # the group monitor mode gave this subshell
        (
            trap 'echo $? >"$log.status"' EXIT
            renice -n "$niceness" -p "$BASHPID" >/dev/null
            "$@"
        ) >"$log" 2>&1 &
    )
    lane_groups+=("$(cat "$log.group")")
    rm -f "$log.group"
}
await_lane() {
    local name=$1 log=${lane_log[$1]}
    echo "test: waiting for $name"
    until [ -s "$log.status" ]; do sleep 1; done
    if [ "$(cat "$log.status")" != 0 ]; then
        tail -n 100 "$log" >&2
        echo "test: $name failed; its whole output is in $log" >&2
        return 1
    fi
    cat "$log"
    rm -f "$log" "$log.status"
}
stop_lanes() {
    local group
    for group in "${lane_groups[@]}"; do
        kill -- -"$group" 2>/dev/null || true
    done
}
