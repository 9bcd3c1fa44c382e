#!/usr/bin/env bash
# Renders the icon's picture, icons/river-mouth-quiz.svg, into the files the
# build uses: PNGs of 256 colours at each size the desktop asks for, and the
# Windows .ico (rsvg-convert from librsvg2-bin, convert from imagemagick). Run it after changing the picture and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/../icons"

for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" river-mouth-quiz.svg |
        convert - -channel A -threshold 60% +channel -colors 256 -strip "PNG8:river-mouth-quiz-${size}.png"
done
# Windows takes the 32 x 32 picture with a palette of 256 colours.
convert river-mouth-quiz-32.png -colors 256 -compress none river-mouth-quiz.ico
