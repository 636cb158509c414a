#!/usr/bin/env bash
# Renders Zelvo's PNG icons from the hand-written SVG drawings with rsvg-convert
# (Debian package librsvg2-bin). Runnable from any folder:
#
#   packaging/icons/draw-icons.sh
#
#   zelvo.svg     the icon itself, installed as the scalable one; 32 px and up
#   zelvo-24.svg  the same ruler on a 24 pixel grid: 24 px, and 22 px as its
#                 middle (the drawing leaves the outer pixels empty)
#   zelvo-16.svg  the same ruler on a 16 pixel grid: 16 px
#
# The PNGs (zelvo-<size>.png) are committed, so the build needs no renderer: run
# this script again after changing a drawing. The output is the same on every run.
set -euo pipefail

icons="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

command -v rsvg-convert >/dev/null || {
    echo "draw-icons: 'rsvg-convert' is needed (apt-get install librsvg2-bin)" >&2
    exit 1
}

render() {
    local svg=$1 size=$2
    rsvg-convert --width="$size" --height="$size" "$icons/$svg" --output="$icons/zelvo-$size.png"
}

render zelvo-16.svg 16
rsvg-convert --page-width=22 --page-height=22 --left=-1 --top=-1 \
    "$icons/zelvo-24.svg" --output="$icons/zelvo-22.png"
render zelvo-24.svg 24
for size in 32 48 64 128 256; do
    render zelvo.svg "$size"
done
