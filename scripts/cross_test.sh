#!/usr/bin/env bash
# Builds the model, brenvik-cli and their tests for another platform with a Debian cross
# compiler and runs them there: "aarch64" (arm64 Linux under qemu-user) or "windows"
# (Windows x86-64 under Wine). Then checks that the tool's sweep writes, byte for byte,
# what the x86-64 Linux build in build/ writes.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

target=${1:?usage: scripts/cross_test.sh aarch64|windows}
case "$target" in
aarch64 | windows) ;;
*)
    echo "cross_test: unknown target '$target' (aarch64 or windows)" >&2
    exit 2
    ;;
esac

dir=$(build_dir "$target")
if [ "$target" = aarch64 ]; then
    # qemu runs the model some fifteen times slower than the processor would: the check of
    # the trials against the theory (36 million trials at its full size, six minutes here)
    # makes a tenth of them; the golden frames, the identity tests and the tool's tests run
    # whole.
    export BRENVIK_AGREEMENT_TRIALS=10000
fi
# A Wine prefix of the build's own, made on first use.
export BRENVIK_WINEPREFIX="$PWD/$dir/wine-prefix"
configure_build "$target"
build_targets "$target"
if [ "$target" = windows ]; then
    # The test programs run side by side, and two first runs in a new prefix race to start
    # its server and to make it. One server is started for the whole run, then one quiet
    # run makes the prefix before the tests share it.
    mkdir -p "$BRENVIK_WINEPREFIX"
    WINEPREFIX=$BRENVIK_WINEPREFIX /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    WINEPREFIX=$BRENVIK_WINEPREFIX /usr/lib/wine/wineserver64 -w 2>/dev/null || true
    WINEPREFIX=$BRENVIK_WINEPREFIX /usr/lib/wine/wineserver64 -p
    trap 'WINEPREFIX=$BRENVIK_WINEPREFIX /usr/lib/wine/wineserver64 -k 2>/dev/null || true' EXIT
    cmake/run_wine.sh cmd /c exit >/dev/null 2>&1 || true
fi
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"

run=()
[ "$target" = aarch64 ] && run=(qemu-aarch64 -L /usr/aarch64-linux-gnu -E LD_LIBRARY_PATH=/lib)  # as in its toolchain file
[ "$target" = windows ] && run=(cmake/run_wine.sh)
cli=$(find "$dir/cli" -maxdepth 1 -name 'brenvik-cli*' -type f -perm -u+x | head -1)
sweep=(sweep --vary position,noise,threshold --tests 1000)
build/cli/brenvik-cli "${sweep[@]}" >"$dir/sweep-x86_64.csv"
"${run[@]}" "$cli" "${sweep[@]}" >"$dir/sweep-$target.csv"
if ! cmp "$dir/sweep-x86_64.csv" "$dir/sweep-$target.csv"; then
    echo "cross_test: the $target sweep differs from the x86-64 Linux one" >&2
    diff "$dir/sweep-x86_64.csv" "$dir/sweep-$target.csv" | head -20 >&2
    exit 1
fi
echo "cross_test: $target: the sweep is byte for byte the x86-64 Linux one ($(wc -l <"$dir/sweep-$target.csv") lines)"
