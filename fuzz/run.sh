#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz/ and runs them, each on a copy of its seed corpus.
# Usage: fuzz/run.sh [SECONDS_PER_TARGET]   (default 600; both targets run side by side)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
build=${CABLE_FUZZ_BUILD_DIR:-$root/build-fuzz}
source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

pids=()
for target in calculation csv-batch; do
    work="$build/run/$target"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp -n "$root/fuzz/corpus/$target/"* "$work/corpus/" 2>/dev/null || true
    (cd "$work" && "$build/$target-fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" corpus >"$work/log" 2>&1) &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done
for target in calculation csv-batch; do
    echo "== $target"
    grep -E '^(#[0-9]+.*DONE|stat::|==[0-9]+==ERROR|SUMMARY)' "$build/run/$target/log" || true
    ls "$build/run/$target/artifacts"
done
exit $status
