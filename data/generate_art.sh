#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every picture and sound in this folder with artgen.
#   data/generate_art.sh [preview-dir]
# With a preview folder, also writes sheets that show the scenes as the clock does.
set -eu

data=$(cd "$(dirname "$0")" && pwd)
build=$(mktemp -d "${TMPDIR:-/tmp}/horalux-artgen.XXXXXX")
trap 'rm -rf "$build"' EXIT INT TERM

cmake -S "$data/artgen" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2

# Fonts come from fontconfig; no display is needed.
if [ $# -ge 1 ]; then
    QT_QPA_PLATFORM=offscreen "$build/artgen" "$data" --preview "$1"
else
    QT_QPA_PLATFORM=offscreen "$build/artgen" "$data"
fi

# The SVG is drawn by hand; the icon theme wants a copy in its own place.
install -D -m 644 "$data/horalux.svg" "$data/icons/hicolor/scalable/apps/horalux.svg"
