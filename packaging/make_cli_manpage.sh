#!/usr/bin/env bash
# Writes brenvik-cli's manual page with help2man from the tool's own help texts: the general
# help, then each command's, so that the page and --help cannot disagree.
# Usage: make_cli_manpage.sh OUTPUT.1 INCLUDE.h2m VERSION TOOL [TOOL ARGS...]
# (TOOL may be an emulator followed by the tool, for a cross build.)
set -euo pipefail
output=$1 include=$2 version=$3
shift 3
tool=("$@")

help=$("${tool[@]}" --help)
commands=$(sed -n '/^Commands:$/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p' <<<"$help")
if [ -z "$commands" ]; then
    echo "make_cli_manpage: no commands found in the tool's --help" >&2
    exit 1
fi
# help2man takes the name line apart from the rest: "brenvik-cli - what it is."
name=$(head -n 1 <<<"$help" | sed 's/^[^ ]* - //; s/\.$//')

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A usage line wrapped onto further, deeper indented lines is joined into one, and the
# general help's list of usages is put as help2man reads one: "Usage: A", "  or: B".
join_usage() {
    awk '
        /^Usage:/ { usage = 1 }
        usage && /^$/ { usage = 0 }
        usage && /^Usage: *$/ { next }
        usage {
            line = $0
            sub(/^Usage: */, "", line)
            sub(/^ +/, "", line)
            indent = match($0, /[^ ]/)
            if (count > 0 && (indent > first_indent || $0 ~ /^ +\[/)) { entries[count] = entries[count] " " line; next }
            if (count == 0) first_indent = indent
            entries[++count] = line
            next
        }
        count > 0 {
            print "Usage: " entries[1]
            for (i = 2; i <= count; i++) print "  or:  " entries[i]
            count = 0
        }
        { print }
    '
}
# In a list of columns, a sentence among the "name  text" entries ("  one row per grid
# point, …") is a paragraph of its own: help2man would run the entries after it into it.
part_columns() {
    awk '
        /^Columns:/ { columns = 1 }
        /^$/ { columns = 0 }
        columns && /^  [^ ]/ && !/[^ ]  +[^ ]/ {
            if (last != "") print ""
            print
            blank_after = 1
            last = $0
            next
        }
        blank_after { if ($0 != "") print ""; blank_after = 0 }
        { print; last = $0 }
    '
}
{
    tail -n +2 <<<"$help" | join_usage
    for command in $commands; do
        echo
        # A heading of its own: help2man takes a line ending in ":" followed at once by
        # indented lines for one.
        echo "Command $command:"
        "${tool[@]}" "$command" --help | tail -n +2 | sed '1{/^$/d}' | join_usage | sed '1s/^Usage: /  /' |
            part_columns

    done
} >"$scratch/help.txt"
# help2man runs its argument with --help; this one prints the text gathered above.
printf '#!/bin/sh\ncat "%s"\n' "$scratch/help.txt" >"$scratch/brenvik-cli"
chmod +x "$scratch/brenvik-cli"

help2man --locale=C.UTF-8 --no-info --section=1 --version-string="$version" --name="$name" --include="$include" \
    --output="$scratch/page.1" "$scratch/brenvik-cli"
mv "$scratch/page.1" "$output"
