#!/usr/bin/env bash
# brenvik's manual page describes under OPTIONS every option that `brenvik --help` names,
# and names under FILES every kind of file that the windows' save dialogs offer (the
# "(*.png)" of their filters in ui/).
# Usage: program_page_test.sh PAGE.1 UI_FOLDER BRENVIK [EMULATOR...]
set -euo pipefail
page=$1 ui=$2
shift 2
program=("$@")
[ ${#program[@]} -gt 0 ] || { echo "usage: program_page_test.sh PAGE.1 UI_FOLDER BRENVIK" >&2; exit 2; }

text=$(groff -man -T ascii -P -cbou "$page" 2>&1)
section() { sed -n "/^$1/,/^[A-Z]/p" <<<"$text"; }
options=$(section OPTIONS)
files=$(section FILES)
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "${program[@]}" --help)
suffixes=$(grep -rhoE '\(\*\.[a-z0-9]+\)' "$ui" --include='*.cpp' | sed 's/^(\*\.//; s/)$//' | sort -u)
[ -n "$suffixes" ] || { echo "no save dialog's filter found in $ui" >&2; exit 1; }

missing=0
for option in $(grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$help" | sort -u); do
    grep -qE -- "^ +(-[a-zA-Z], )?$option( |$)" <<<"$options" || {
        echo "the manual page's OPTIONS does not describe $option" >&2
        missing=$((missing + 1))
    }
done
for suffix in $suffixes; do
    grep -qiw -- "$suffix" <<<"$files" || {
        echo "the manual page's FILES does not name the $suffix files the program saves" >&2
        missing=$((missing + 1))
    }
done
((missing == 0)) || exit 1
echo "the manual page describes every option and names every kind of file the program saves"
