#!/usr/bin/env bash
# The bash completion offers every command and option that brenvik-cli's help names, and
# every word that --vary accepts, so that a new one cannot be left out; it offers each option
# once, none that the command refuses and none already given.
# Usage: completion_test.sh COMPLETION TOOL
set -u
completion=$1
tool=$2

# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion || { echo "bash-completion is not installed" >&2; exit 1; }
# shellcheck source=/dev/null
source "$completion"

# The words offered for a command line whose last word is being typed.
offered() {
    COMP_WORDS=("$tool" "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _brenvik_cli brenvik-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}"
}

failures=0
expect_offered() {
    local word=$1
    shift
    local words
    words=$(offered "$@")
    if ! grep -qxF -- "$word" <<<"$words"; then
        echo "not offered: $word after 'brenvik-cli $*'" >&2
        failures=$((failures + 1))
    fi
}
expect_silent() {
    if [ -n "$(offered "$@")" ]; then
        echo "offered something after 'brenvik-cli $*', where a value is typed" >&2
        failures=$((failures + 1))
    fi
}

help=$("$tool" --help)
commands=$(sed -n 's/^ *\(Usage: *\)\{0,1\}brenvik-cli \([a-z][a-z-]*\) .*/\2/p' <<<"$help" | sort -u)
[ -n "$commands" ] || { echo "no commands found in brenvik-cli --help" >&2; exit 1; }
expect_offered --help ""
# What the usage lines give the tool alone: "brenvik-cli --version".
for option in $(sed -n 's/^ *brenvik-cli \(--[a-z-]*\)$/\1/p' <<<"$help"); do
    expect_offered "$option" ""
done
for command in $commands; do
    # Once each, and each one the command takes: not unknown, not refused by name.
    all=$(offered "$command" "")
    if [ -n "$(sort <<<"$all" | uniq -d)" ]; then
        echo "offered more than once after 'brenvik-cli $command':" $(sort <<<"$all" | uniq -d) >&2
        failures=$((failures + 1))
    fi
    for option in $all; do
        refusal=$("$tool" "$command" "$option" --help 2>&1 >/dev/null)
        if grep -qE "unknown option|$option is not taken;" <<<"$refusal"; then
            echo "offered $option after 'brenvik-cli $command', which refuses it: $refusal" >&2
            failures=$((failures + 1))
        fi
    done
    first=$(grep -m 1 -- '^--' <<<"$all")
    if offered "$command" "$first=1" "" | grep -qxF -- "$first"; then
        echo "offered $first again after 'brenvik-cli $command $first=1'" >&2
        failures=$((failures + 1))
    fi
    expect_offered "$command" ""
    expect_offered "$command" "${command:0:1}"
    command_help=$("$tool" "$command" --help)
    usage=$(grep -E "^ *(Usage: *)?brenvik-cli $command " <<<"$help")
    # The options of the usage line and of the help's lists (the prose may name one that the
    # command refuses: "--t2 is not taken").
    listed=$(sed -n 's/^ \{1,\}\(--[a-z0-9-]\{1,\}\).*/\1/p' <<<"$command_help")
    for option in $(grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$usage"$'\n'"$listed" | sort -u); do
        expect_offered "$option" "$command" ""
        expect_offered "$option" "$command" --help "--"
    done
    # After an option that takes a value (a placeholder after it in the help), no options;
    # after one whose help lists its words ("--y noise"), each of them.
    for option in $(sed -n 's/^ \{1,\}\(--[a-z0-9-]\{1,\}\) [A-Z][^ ]*\( .*\)\{0,1\}$/\1/p' <<<"$command_help"); do
        [ "$option" = --vary ] || expect_silent "$command" "$option" ""
    done
    while read -r option word; do
        [ -n "$option" ] && expect_offered "$word" "$command" "$option" ""
    done < <(sed -n 's/^ \{1,\}\(--[a-z0-9-]\{1,\}\) \([a-z][a-z-]*\)\( .*\)\{0,1\}$/\1 \2/p' <<<"$command_help")
done

# --vary: the words the tool accepts are those it names when it refuses one, and "none".
refusal=$("$tool" sweep --vary not-a-parameter 2>&1 >/dev/null)
words=$(sed -n 's/.* is not one of \(.*\)\.$/\1/p' <<<"$refusal" | tr -d ',')
[ -n "$words" ] || { echo "the tool's refusal of a --vary word names none: $refusal" >&2; exit 1; }
for word in $words none; do
    "$tool" sweep --vary "$word" --tests 1 --steps 0-0 >/dev/null || {
        echo "the tool refuses --vary $word" >&2
        failures=$((failures + 1))
    }
    expect_offered "$word" sweep --vary ""
done
for first in $words; do
    for word in $words; do
        [ "$word" = "$first" ] || expect_offered "$first,$word" sweep --vary "$first,"
    done
done

if ((failures > 0)); then
    exit 1
fi
echo "every command, option and --vary word is offered ($(wc -w <<<"$commands") commands)"
