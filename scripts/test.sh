#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

# The same tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer (any
# report fails the test), without the window: its toolkit is not built with the sanitizers.
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCABLE_BUILD_UI=OFF \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
cmake --build "$root/build-asan" -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j"$(nproc)"
