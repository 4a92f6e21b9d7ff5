#!/usr/bin/env bash
# Start-up time and peak memory of the window, side by side with an empty Qt main window.
# Starts cable-selector and empty-window alternately under Xvfb, RUNS times each (and, for
# reference, empty-window --text, which shows one label and so loads the fonts); for every start
# measures the time from the launch to the first window mapped on the screen (polled with
# xdotool) and the peak resident memory (/usr/bin/time -v), then ends the program. Prints every
# run, the medians and the ratios.
# Usage: bench/startup.sh [RUNS]   (default 7; the build directory is build-bench, or
#        CABLE_BUILD_DIR; the two programs are built there when missing)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-7}
build=${CABLE_BUILD_DIR:-$root/build-bench}

if [ "${CABLE_STARTUP_INSIDE:-}" != 1 ]; then
    source "$root/scripts/packages.sh"
    bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
    if [ ! -x "$build/ui/cable-selector" ] || [ ! -x "$build/bench/empty-window" ]; then
        cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCABLE_BUILD_BENCH=ON
        cmake --build "$build" -j"$(nproc)" --target cable-selector empty-window
    fi
    export CABLE_STARTUP_INSIDE=1 CABLE_BUILD_DIR=$build
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$runs"
fi

# On the virtual display from here on.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now_ms() { date +%s.%N | awk '{printf "%.1f", $1 * 1000}'; }

# One start: prints "milliseconds-to-window peak-kB".
measure() { # executable window-class [argument]
    local start shown timer app
    start=$(now_ms)
    /usr/bin/time -v -o "$work/time" "$1" ${3:+"$3"} >/dev/null 2>&1 &
    timer=$!
    until xdotool search --onlyvisible --classname "$2" >/dev/null 2>&1; do
        if ! kill -0 "$timer" 2>/dev/null; then
            echo "$1 ended before it showed a window" >&2
            exit 1
        fi
    done
    shown=$(now_ms)
    sleep 0.5 # let the first paint finish before the memory is taken
    app=$(pgrep -P "$timer")
    kill "$app"
    wait "$timer" || true
    awk -v s="$start" -v e="$shown" '/Maximum resident set size/ {printf "%.1f %d\n", e - s, $NF}' \
        "$work/time"
}

# A first start of each, not counted: it loads the libraries and fonts into the page cache.
measure "$build/ui/cable-selector" cable-selector >/dev/null
measure "$build/bench/empty-window" empty-window >/dev/null

printf '%-6s %22s %22s %22s\n' run "cable-selector ms, MB" "empty-window ms, MB" \
    "... --text ms, MB"
for ((i = 1; i <= runs; i++)); do
    read -r as am < <(measure "$build/ui/cable-selector" cable-selector)
    read -r es em < <(measure "$build/bench/empty-window" empty-window)
    read -r ts tm < <(measure "$build/bench/empty-window" empty-window --text)
    echo "$as $am $es $em $ts $tm" >>"$work/runs"
    awk -v i="$i" -v as="$as" -v am="$am" -v es="$es" -v em="$em" -v ts="$ts" -v tm="$tm" \
        'BEGIN {printf "%-6d %14.1f %7.1f %14.1f %7.1f %14.1f %7.1f\n", i, as, am / 1024, es,
                em / 1024, ts, tm / 1024}'
done

# Medians, then the ratio of the start-up times and the difference of the peaks.
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
as=$(cut -d' ' -f1 "$work/runs" | median)
am=$(cut -d' ' -f2 "$work/runs" | median)
es=$(cut -d' ' -f3 "$work/runs" | median)
em=$(cut -d' ' -f4 "$work/runs" | median)
ts=$(cut -d' ' -f5 "$work/runs" | median)
tm=$(cut -d' ' -f6 "$work/runs" | median)
awk -v as="$as" -v am="$am" -v es="$es" -v em="$em" -v ts="$ts" -v tm="$tm" 'BEGIN {
    printf "median %14.1f %7.1f %14.1f %7.1f %14.1f %7.1f\n", as, am / 1024, es, em / 1024, ts,
        tm / 1024
    printf "start-up: cable-selector / empty-window = %.2f (goal at most 1.2)\n", as / es
    printf "peak memory: cable-selector - empty-window = %.1f MB (goal at most 8), ratio %.2f\n",
        (am - em) / 1024, am / em
    printf "against empty-window --text: start-up %.2f, peak memory %+.1f MB\n", as / ts,
        (am - tm) / 1024
}'
