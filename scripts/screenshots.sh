#!/usr/bin/env bash
# Starts the window on a virtual display and grabs PNG screenshots of it: the start, the three
# pages after a calculation, a long verdict, the error box and the about dialog.
# Usage: scripts/screenshots.sh [OUTPUT_DIR]   (default /tmp/cable-shots)
# Builds in build/ when the program is missing (CABLE_BUILD_DIR picks another build directory).
# With xdotool installed it clicks and types to reach every page; without it, it grabs the
# start only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/cable-shots}
build=${CABLE_BUILD_DIR:-$root/build}

if [ "${CABLE_SHOTS_INSIDE:-}" != 1 ]; then
    source "$root/scripts/packages.sh"
    bash "$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}" "${SCREENSHOT_PACKAGES[@]}"
    bash "$root/scripts/deps.sh" xdotool || echo "Going on without xdotool." >&2
    if [ ! -x "$build/ui/cable-selector" ]; then
        cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
        cmake --build "$build" -j"$(nproc)" --target cable-selector
    fi
    mkdir -p "$out"
    export CABLE_SHOTS_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$out"
fi

# On the virtual display from here on. No window manager runs: windows have no title bars, and
# keyboard focus is set with xdotool windowfocus.
exe="$build/ui/cable-selector"
"$exe" &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT

# Grabs the whole screen and keeps the part with the window (and a margin around it).
shot() { # name x y width height
    import -window root "$out/full.png"
    convert "$out/full.png" -crop "$4x$5+$2+$3" +repage "$out/$1.png"
    rm -f "$out/full.png"
    echo "$out/$1.png"
}

if ! command -v xdotool >/dev/null; then
    sleep 3
    shot 01-start 567 111 533 365
    echo "xdotool is not installed: only the start was grabbed." >&2
    exit 0
fi

main=$(xdotool search --sync --onlyvisible --class cable-selector | head -n 1)
sleep 1
read -r wx wy ww wh < <(xdotool getwindowgeometry --shell "$main" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}')
grab() { shot "$1" $((wx - 10)) $((wy - 10)) $((ww + 20)) $((wh + 20)); }
key() { xdotool windowfocus --sync "$main" key --delay 60 "$@"; sleep 0.4; }

# Controls are reached by clicking: a page's client area starts 2 pixels right of the window's
# left edge and 67 pixels below its top (menu bar, heading, tab bar), with this style.
click() { # x y relative to the window
    xdotool mousemove --sync $((wx + $1)) $((wy + $2)) click 1
    sleep 0.3
}
on_page() { click $((2 + $1)) $((67 + $2)); }
tab() { click "$1" 56; }
retype() { # x y text: replaces the text of the field at x, y on the page
    on_page "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 60 "$3"
    sleep 0.3
}
calculate() { on_page 380 256; sleep 0.5; }

xdotool mousemove $((wx + ww / 2)) $((wy + wh - 5))
grab 01-start

# Family "АКМб", two items below "АКСа"; then "Рассчитать" and the three pages.
on_page 400 122
xdotool key Down Down
calculate
grab 02-results-inputs
tab 195
grab 03-results-wind-ice
tab 340
grab 04-results-temperatures
tab 70

# A request no cable holds: span 200 m, wind and ice region 7 give the longer verdict.
retype 410 26 200
retype 410 74 7
retype 410 98 7
calculate
grab 05-give-up-verdict

# Texts that are not numbers: the error box names the first one read, the ice region.
retype 410 26 xyz
retype 410 98 abc
calculate
box=$(xdotool search --sync --onlyvisible --name '.' | grep -v "^$main\$" | tail -n 1)
sleep 0.5
read -r bx by bw bh < <(xdotool getwindowgeometry --shell "$box" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}')
shot 06-error-box $((bx - 10)) $((by - 10)) $((bw + 20)) $((bh + 20))
xdotool windowfocus --sync "$box" key Return
sleep 0.5
grab 07-after-error

# "Помощь" > "О программе".
click 25 10
grab 08-help-menu
xdotool key Down Return
sleep 1
about=$(xdotool search --sync --onlyvisible --name '.' | grep -v "^$main\$" | tail -n 1)
read -r ax ay aw ah < <(xdotool getwindowgeometry --shell "$about" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}')
xdotool windowfocus --sync "$about" key Escape # leaves the dialog open
sleep 0.5
shot 09-about $((ax - 10)) $((ay - 10)) $((aw + 20)) $((ah + 20))
shot 10-screen 0 0 1280 1024
xdotool windowfocus --sync "$about" key Return
sleep 0.5

# "Выход" ends the program.
on_page 460 256
sleep 1
if kill -0 "$app" 2>/dev/null; then
    echo "The program still runs after \"Выход\"." >&2
    exit 1
fi
echo "\"Выход\" ended the program."
