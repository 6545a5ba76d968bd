#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the "fuzz" preset) and runs them side by side,
# each for a bounded time (FUZZ_SECONDS, 25 by default) from the committed seed corpus. A
# failing input is kept in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
seconds=${FUZZ_SECONDS:-25}

configure_build fuzz
build_targets fuzz

# fuzz TARGET: one target's bounded run from a copy of its seed corpus.
fuzz() {
    local target=$1 corpus status=0
    corpus=$(mktemp -d)
    cp tests/fuzz/corpus/"$target"/* "$corpus"/
    build-fuzz/"${target}"_fuzz -max_total_time="$seconds" -seed=1 -artifact_prefix=build-fuzz/ \
        "$corpus" >build-fuzz/"$target".log 2>&1 || status=$?
    rm -rf "$corpus"
    return $status
}

# Each target runs on a core of its own, side by side, for its whole time.
targets=(number_text key_filter)
pids=()
for target in "${targets[@]}"; do
    fuzz "$target" &
    pids+=($!)
done
failed=no
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    log=build-fuzz/$target.log
    if ! wait "${pids[$i]}"; then
        tail -n 40 "$log" >&2
        echo "fuzz: $target found a failing input; it is kept in build-fuzz/" >&2
        failed=yes
        continue
    fi
    echo "fuzz: $target: $(grep -o 'Done [0-9]* runs' "$log" | tail -n 1), no failure"
done
[ "$failed" = no ]
