#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (FUZZ_SECONDS,
# 25 by default) from the committed seed corpus. A failing input is kept in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-25}

cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRENVIK_WERROR=ON >/dev/null
cmake --build build-fuzz

for target in number_text key_filter; do
    corpus=$(mktemp -d)
    cp tests/fuzz/corpus/$target/* "$corpus"/
    log=build-fuzz/$target.log
    if ! build-fuzz/${target}_fuzz -max_total_time="$seconds" -seed=1 -artifact_prefix=build-fuzz/ \
        "$corpus" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "fuzz: $target found a failing input; it is kept in build-fuzz/" >&2
        rm -rf "$corpus"
        exit 1
    fi
    echo "fuzz: $target: $(grep -o 'Done [0-9]* runs' "$log" | tail -n 1), no failure"
    rm -rf "$corpus"
done
