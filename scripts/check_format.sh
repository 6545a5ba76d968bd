#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted as .clang-format says, and
# names the files that are not; with --fix it formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi

if [ "${1:-}" = "--fix" ]; then
    clang-format -i --style=file "${files[@]}"
    echo "format: ${#files[@]} files formatted"
    exit 0
fi

# One clang-format for all the files: it reports each place that differs as FILE:LINE:COLUMN.
status=0
report=$(clang-format --style=file --dry-run --Werror "${files[@]}" 2>&1) || status=$?
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*\[-Wclang-format-violations\]$/\1/p' <<<"$report" | sort -u)
if ((status != 0 && ${#unformatted[@]} == 0)); then
    echo "format: clang-format failed:" >&2
    echo "$report" >&2
    exit 1
fi
if ((${#unformatted[@]} > 0)); then
    echo "format: not formatted as .clang-format says (scripts/check_format.sh --fix formats them):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "format: ${#files[@]} files formatted as .clang-format says"
