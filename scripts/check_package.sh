#!/usr/bin/env bash
# Builds the Debian package from a build tree (build/ unless another is named) and checks what
# it holds and what it depends on, then runs Debian's and the desktop's own checkers on it:
# lintian, desktop-file-validate and appstreamcli. Any error or warning of theirs fails the
# check. A package for another processor (the arm64 one, from build-arm64/) must also hold
# programs built for that processor and depend only on packages of its architecture, and its
# tool must run under qemu-user.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

cmake --build "$build" --target brenvik brenvik-cli brenvik_package_files >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls -t "$build"/brenvik_*.deb | head -n 1)
contents=$(dpkg-deb -c "$package")
info=$(dpkg-deb -I "$package")
version=$(dpkg-deb -f "$package" Version)
id=$(sed -n 's/^set(BRENVIK_APP_ID \(.*\))$/\1/p' CMakeLists.txt)
sizes=$(sed -n 's/^set(BRENVIK_ICON_SIZES \(.*\))$/\1/p' CMakeLists.txt)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$package" "$tree"

failures=0
fail() {
    echo "package: $*" >&2
    failures=$((failures + 1))
}
expect() {
    local what=$1 pattern=$2 text=$3
    if grep -qE "$pattern" <<<"$text"; then
        echo "package: $what"
    else
        fail "MISSING $what"
    fi
}
expect "the program" ' \./usr/bin/brenvik$' "$contents"
expect "the command-line tool" ' \./usr/bin/brenvik-cli$' "$contents"
expect "the desktop entry" " \./usr/share/applications/$id\.desktop$" "$contents"
expect "the AppStream metadata" " \./usr/share/metainfo/$id\.metainfo\.xml$" "$contents"
expect "the scalable icon" " \./usr/share/icons/hicolor/scalable/apps/$id\.svg$" "$contents"
for size in $sizes; do
    expect "the ${size}-pixel icon" " \./usr/share/icons/hicolor/${size}x${size}/apps/$id\.png$" "$contents"
done
expect "the manual pages" ' \./usr/share/man/man1/brenvik\.1\.gz$' "$contents"
expect "the tool's manual page" ' \./usr/share/man/man1/brenvik-cli\.1\.gz$' "$contents"
expect "the bash completion" ' \./usr/share/bash-completion/completions/brenvik-cli$' "$contents"
expect "the copyright file" ' \./usr/share/doc/brenvik/copyright$' "$contents"
expect "the changelog" ' \./usr/share/doc/brenvik/changelog\.gz$' "$contents"
expect "its Qt dependencies" '^ Depends:.*libqt6widgets6.*' "$info"
expect "OpenGL and multimedia" '^ Depends:.*(libqt6openglwidgets6|libqt6opengl6).*libqt6multimedia6|^ Depends:.*libqt6multimedia6.*(libqt6openglwidgets6|libqt6opengl6)' "$info"
expect "the fonts" '^ Depends:.*fonts-liberation' "$info"
expect "Qt's translations" '^ Depends:.*qt6-translations-l10n' "$info"
expect "Qt's X11 platform" '^ Depends:.*libqt6gui6' "$info"
expect "its section" '^ Section: science' "$info"
# The camera is one matrix loaded into OpenGL; GLU is not linked, and no dependency names it.
if grep -q '^ Depends:.*libglu' <<<"$info"; then
    fail "it depends on GLU, which the program does not use"
fi

# One name throughout: the desktop entry's icon, the metadata's id and launchable.
desktop=$tree/usr/share/applications/$id.desktop
metainfo=$tree/usr/share/metainfo/$id.metainfo.xml
if [ -f "$desktop" ] && [ -f "$metainfo" ]; then
    grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metadata does not launch $id.desktop"
    # This release in the metadata and the changelog; every screenshot one of docs/.
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version"
    zcat "$tree/usr/share/doc/brenvik/changelog.gz" | head -n 1 | grep -q "^brenvik ($version)" ||
        fail "the changelog does not begin with $version"
    screenshots=$(sed -n 's#.*<image[^>]*>[^<]*/'"$version"'/\(docs/[^<]*\)</image>.*#\1#p' "$metainfo")
    [ "$(grep -c '<image' "$metainfo")" -eq "$(wc -w <<<"$screenshots")" ] ||
        fail "a screenshot's address is not this release's docs/"
    for shot in $screenshots; do
        [ -f "$shot" ] || fail "the screenshot $shot is not in the repository"
    done
fi

architecture=$(dpkg-deb -f "$package" Architecture)
if [ "$architecture" != "$(dpkg --print-architecture)" ]; then
    machine=$(dpkg-architecture -a "$architecture" -qDEB_HOST_GNU_CPU 2>/dev/null)
    for program in brenvik brenvik-cli; do
        # file(1) calls aarch64 "ARM aarch64".
        expect "$program built for $machine" "^ELF 64-bit .*${machine/aarch64/ARM aarch64}" \
            "$(file -b "$tree/usr/bin/$program")"
    done
    # dpkg-shlibdeps read the target's own libraries: every dependency (one of each list of
    # alternatives) is a package of that architecture, or of none, installed here.
    while read -r alternatives; do
        found=no
        for name in ${alternatives//|/ }; do
            for candidate in "$name:$architecture" "$name"; do
                status=$(dpkg-query -W -f='${Status} ${Architecture}' "$candidate" 2>/dev/null || true)
                case $status in
                    "install ok installed $architecture" | "install ok installed all") found=yes ;;
                esac
            done
        done
        [ "$found" = yes ] || fail "no installed $architecture package for the dependency $alternatives"
    done < <(dpkg-deb -f "$package" Depends | tr ',' '\n' | sed 's/([^)]*)//g; s/ //g')
    echo "package: every dependency is a package for $architecture"
    # The target's C library is installed through multiarch, so qemu needs no library root;
    # a short sweep is 121 rows and a header.
    rows=$("qemu-$machine" "$tree/usr/bin/brenvik-cli" sweep --tests 2 | wc -l)
    expect "the packaged tool runs under qemu-$machine" '^122$' "$rows"
fi

# The description names every command of the tool, as the packaged tool's help lists them.
tool=("$tree/usr/bin/brenvik-cli")
[ "$architecture" = "$(dpkg --print-architecture)" ] || tool=("qemu-$machine" "${tool[@]}")
description=$(dpkg-deb -f "$package" Description)
for command in $("${tool[@]}" --help | sed -n '/^Commands:$/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p'); do
    grep -qw -- "$command" <<<"$description" || fail "the description does not name brenvik-cli $command"
done
echo "package: the description names the tool's commands"

# Debian's checker: no error and no warning (informational tags are listed, not fatal).
echo "package: lintian"
lintian_out=$(lintian --info --display-info --fail-on error,warning "$package" 2>&1) || fail "lintian reports errors or warnings"
grep -v '^running with root privileges' <<<"$lintian_out" | grep -vE '^N:' | sed 's/^/  /' || true

# The desktop entry: desktop-file-validate prints nothing for a clean one, hints included.
echo "package: desktop-file-validate"
validate_out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate fails"
if [ -n "$validate_out" ]; then
    sed 's/^/  /' <<<"$validate_out"
    fail "desktop-file-validate reports on the desktop entry"
fi

# The AppStream metadata alone, then with the desktop entry and icons beside it; --strict
# fails on anything above a pedantic note.
for check in validate validate-tree; do
    echo "package: appstreamcli $check"
    [ "$check" = validate ] && target=$metainfo || target=$tree
    appstream_out=$(appstreamcli "$check" --no-net --strict --pedantic "$target" 2>&1) ||
        fail "appstreamcli $check reports issues"
    sed 's/^/  /' <<<"$appstream_out"
done

if ((failures > 0)); then
    echo "package: $failures checks failed for $package" >&2
    exit 1
fi
echo "package: $package"
