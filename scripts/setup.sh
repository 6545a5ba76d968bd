#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs (only those
# that are missing), then configures and builds into build/.
set -euo pipefail

cd "$(dirname "$0")/.."

PACKAGES=(
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

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

sudo=()
if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null; then
    sudo=(sudo)
fi
if ((${#missing[@]} > 0)); then
    echo "setup: installing missing Debian packages: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ] && ((${#sudo[@]} == 0)); then
        echo "setup: need root or sudo to install: ${missing[*]}" >&2
        exit 1
    fi
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
else
    echo "setup: all required Debian packages are installed"
fi

# With --arm64 (test.sh's arm64 build of the windows): Debian's arm64 Qt 6 and what the
# windows link, installed beside the host's through multiarch, with the cross compiler and
# qemu-user to run the arm64 tests. Same versions as the host's are required, so apt may
# upgrade a host library to the archive's; an install that would remove a host package is
# refused instead.
ARM64_PACKAGES=(
    qt6-base-dev:arm64 libqt6opengl6-dev:arm64 qt6-multimedia-dev:arm64 qt6-tools-dev:arm64
    libgl-dev:arm64 libgl1-mesa-dri:arm64
    g++-aarch64-linux-gnu qemu-user
)
if [ "${1:-}" = "--arm64" ]; then
    arm64_missing=()
    for package in "${ARM64_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            arm64_missing+=("$package")
        fi
    done
    if ((${#arm64_missing[@]} > 0)); then
        echo "setup: installing the arm64 build's Debian packages: ${arm64_missing[*]}"
        if ! dpkg --print-foreign-architectures | grep -qx arm64; then
            "${sudo[@]}" dpkg --add-architecture arm64
        fi
        "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update
        removed=$(LC_ALL=C apt-get -s install --no-install-recommends "${arm64_missing[@]}" | sed -n 's/^Remv //p')
        if [ -n "$removed" ]; then
            echo "setup: installing the arm64 packages would remove these, so nothing is installed:" >&2
            echo "$removed" >&2
            exit 1
        fi
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${arm64_missing[@]}"
    else
        echo "setup: all the arm64 build's Debian packages are installed"
    fi
fi

generator=()
if [ ! -f build/CMakeCache.txt ]; then
    generator=(-G Ninja)
fi
# test.sh sets BRENVIK_WERROR=ON so that a warning fails the tests; unset, the build keeps
# what it was configured with.
werror=()
if [ -n "${BRENVIK_WERROR:-}" ]; then
    werror=(-DBRENVIK_WERROR="$BRENVIK_WERROR")
fi
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}"
cmake --build build --parallel "$(nproc)"
