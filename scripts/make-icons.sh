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
# The Windows icon: 16, 32, 48 and 256 pixels in true colour with alpha, which
# the desktop, the taskbar and Explorer pick from, and beside them the 32 x 32
# picture with a palette of 256 colours, for screens of 256 colours.
convert \
    \( river-mouth-quiz-16.png -type TrueColorAlpha \) \
    \( river-mouth-quiz-32.png -type TrueColorAlpha \) \
    \( river-mouth-quiz-32.png -type Palette -colors 256 \) \
    \( river-mouth-quiz-48.png -type TrueColorAlpha \) \
    \( river-mouth-quiz-256.png -type TrueColorAlpha \) \
    river-mouth-quiz.ico
