#!/usr/bin/env bash
# Installs the Debian packages the build needs, then configures and builds in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" -j"$(nproc)"
