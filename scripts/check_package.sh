#!/usr/bin/env bash
# Builds the Debian package from build/ and checks what it holds and what it depends on.
set -euo pipefail
cd "$(dirname "$0")/.."

(cd build && cpack -G DEB >/dev/null)
package=$(ls -t build/brenvik_*.deb | head -n 1)
contents=$(dpkg-deb -c "$package")
info=$(dpkg-deb -I "$package")

failures=0
expect() {
    local what=$1 pattern=$2 text=$3
    if grep -qE "$pattern" <<<"$text"; then
        echo "package: $what"
    else
        echo "package: MISSING $what" >&2
        failures=$((failures + 1))
    fi
}
expect "the program" ' \./usr/bin/brenvik$' "$contents"
expect "the command-line tool" ' \./usr/bin/brenvik-cli$' "$contents"
expect "the desktop entry" ' \./usr/share/applications/brenvik\.desktop$' "$contents"
expect "the icon" ' \./usr/share/icons/hicolor/256x256/apps/brenvik\.png$' "$contents"
expect "its Qt dependencies" '^ Depends:.*libqt6widgets6.*' "$info"
expect "OpenGL and multimedia" '^ Depends:.*(libqt6openglwidgets6|libqt6opengl6).*libqt6multimedia6|^ Depends:.*libqt6multimedia6.*(libqt6openglwidgets6|libqt6opengl6)' "$info"
expect "the fonts" '^ Depends:.*fonts-liberation' "$info"
expect "Qt's translations" '^ Depends:.*qt6-translations-l10n' "$info"
expect "Qt's X11 platform" '^ Depends:.*libqt6gui6' "$info"
expect "its section" '^ Section: science' "$info"

if ((failures > 0)); then
    echo "package: $failures checks failed for $package" >&2
    exit 1
fi
echo "package: $package"
