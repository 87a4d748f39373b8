#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the clock under valgrind's memcheck for a while (default 60 s) with
# scratch settings, offscreen, and reports definite leaks and memory errors.
# Usage: bench/memcheck_run.sh [build-dir] [seconds]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-"$ROOT/build"}
SECONDS_TO_RUN=${2:-60}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT INT TERM
mkdir -p "$scratch/config/Horalux" "$scratch/run"
chmod 700 "$scratch/run"
# A short scan so the minute holds several zone changes; no time tool.
printf '[data]\n24hr=True\nsync=False\nscan=5\n' > "$scratch/config/Horalux/Horalux.ini"

log="$scratch/memcheck.log"
XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen \
    timeout -s INT "$SECONDS_TO_RUN" valgrind --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --suppressions="$ROOT/bench/valgrind.supp" --num-callers=40 \
    "$BUILD/horalux" >"$log" 2>&1 || true

definite=$(sed -n 's/.*definitely lost: \([0-9,]*\) bytes.*/\1/p' "$log" | tail -1)
errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9]*\) errors.*/\1/p' "$log" | tail -1)
echo "memcheck, ${SECONDS_TO_RUN} s offscreen run: definitely lost ${definite:-?} bytes (after suppressions), ${errors:-?} errors"
if [ "${errors:-1}" != "0" ]; then
    cp "$log" "$BUILD/memcheck.log"
    echo "details: $BUILD/memcheck.log"
    exit 1
fi
