#!/usr/bin/env bash
# brenvik-cli's manual page names every command and every option that the tool's own help
# names, in the general help and in each command's, and describes each output column in an
# entry of its own.
# Usage: manual_page_test.sh PAGE.1 TOOL [TOOL ARGS...]
set -euo pipefail
page=$1
shift
tool=("$@")

text=$(groff -man -T ascii -P -cbou "$page" 2>&1)
help=$("${tool[@]}" --help)
# Every word in the usage lines after the tool's name that is not an option or a placeholder.
commands=$(sed -n 's/^ *\(Usage: *\)\{0,1\}brenvik-cli \([a-z][a-z-]*\) .*/\2/p' <<<"$help" | sort -u)
[ -n "$commands" ] || { echo "no commands found in brenvik-cli --help" >&2; exit 1; }

missing=0
check() {
    local where=$1 word=$2
    if ! grep -qF -- "$word" <<<"$text"; then
        echo "the manual page lacks $word (from $where)" >&2
        missing=$((missing + 1))
    fi
}
for command in $commands; do
    check "brenvik-cli --help" "brenvik-cli $command"
    check "brenvik-cli --help" "Command $command:"
    command_help=$("${tool[@]}" "$command" --help)
    for option in $(grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$help$command_help" | sort -u); do
        check "brenvik-cli $command --help" "$option"
    done
    # Each option is described in its command's part of the page, not only named elsewhere.
    part=$(sed -n "/^ *Command $command:/,/^ *Command [a-z-]*:/p" <<<"$text")
    for option in $(sed -n 's/^ \{1,\}\(--[a-z0-9-]\{1,\}\).*/\1/p' <<<"$command_help" | sort -u); do
        grep -qE -- "^ +$option( |$)" <<<"$part" || {
            echo "the manual page does not describe $option under $command" >&2
            missing=$((missing + 1))
        }
    done
    # Each column of the list under "Columns:" begins a line, not run into a paragraph.
    for column in $(sed -n '/^Columns:/,/^$/s/^  \([a-z0-9_/]\{1,\}\)  .*/\1/p' <<<"$command_help"); do
        grep -qE -- "^ +$column( |$)" <<<"$part" || {
            echo "the manual page runs the column $column of $command into a paragraph" >&2
            missing=$((missing + 1))
        }
    done
done
if ((missing > 0)); then
    exit 1
fi
echo "every command and option of $(wc -w <<<"$commands") commands is in the manual page"
