#!/usr/bin/env bash
# brenvik's manual page names, under FILES, every kind of file that the windows' save dialogs
# offer (the "(*.png)" of their filters in ui/).
# Usage: program_page_test.sh PAGE.1 UI_FOLDER
set -euo pipefail
page=$1 ui=$2

text=$(groff -man -T ascii -P -cbou "$page" 2>&1)
files=$(sed -n '/^FILES/,/^[A-Z]/p' <<<"$text")
suffixes=$(grep -rhoE '\(\*\.[a-z0-9]+\)' "$ui" --include='*.cpp' | sed 's/^(\*\.//; s/)$//' | sort -u)
[ -n "$suffixes" ] || { echo "no save dialog's filter found in $ui" >&2; exit 1; }

missing=0
for suffix in $suffixes; do
    grep -qiw -- "$suffix" <<<"$files" || {
        echo "the manual page's FILES does not name the $suffix files the program saves" >&2
        missing=$((missing + 1))
    }
done
((missing == 0)) || exit 1
echo "the manual page names every kind of file the program saves ($(wc -w <<<"$suffixes"))"
