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

if ((${#missing[@]} > 0)); then
    echo "setup: installing missing Debian packages: ${missing[*]}"
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "setup: need root or sudo to install: ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
else
    echo "setup: all required Debian packages are installed"
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
