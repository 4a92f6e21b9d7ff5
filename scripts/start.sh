#!/usr/bin/env bash
# Builds everything and starts the window (or, with no display, the command-line tool).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
if [ -x "$root/build/ui/cable-selector" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: the window cannot open here. Try the command-line tool:" >&2
        echo "  $root/build/cli/cable-calc --help" >&2
        exec "$root/build/cli/cable-calc"
    fi
    exec "$root/build/ui/cable-selector"
fi
exec "$root/build/cli/cable-calc" "$@"
