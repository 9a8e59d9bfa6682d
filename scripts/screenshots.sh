#!/usr/bin/env bash
# Takes the README pictures from the real program under Xvfb: a program directory with
# the 2018-2025 update file and the coloured display, Ayrton Senna's wins and the race
# win tables. Also prints the start-up and All races timings.
# Usage: bash scripts/screenshots.sh [build directory]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/examples/update-2018-2025.txt" "$work/update.txt"
# Option position 17 '0': the coloured display.
printf '[OPTIONS]\r\nOptions=1111111111111111011111111111111111111\r\n' > "$work/Velmora.INI"
cd "$work"
VELMORA_TIMING=1 VELMORA_SCREENSHOTS="$root/docs/screenshots" \
    xvfb-run -a -s "-screen 0 1920x1080x24" "$build/src/gui/velmora"
