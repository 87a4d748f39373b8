#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/check-layers.sh passes a tree that keeps to its table and names each
# include that climbs a layer or out of its folder.
#   check_layers_test.sh <check-layers.sh>
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/engine" "$tree/platform" "$tree/mainwindow"
printf '#include "engine/zone.h"\n#include "platform/clock.h"\n#include "horalux_version.h"\n#include <QString>\n' \
    >"$tree/engine/zone.cpp"
printf '#include "settingsstore/first_start.h"\n' >"$tree/mainwindow/window.cpp"

fail() {
    echo "FAIL: $*"
    exit 1
}
"$check" "$tree" >"$tree/out" 2>&1 || fail "a tree within its layers was refused: $(cat "$tree/out")"

printf '#include "engine/zone.h"\n#include "mainwindow/window.h"\n' >"$tree/engine/breach.cpp"
printf '#include "../engine/zone.h"\n' >"$tree/platform/climb.h"
"$check" "$tree" >"$tree/out" 2>&1 && fail "breaches were let through"
grep -q '^engine/breach.cpp:2: includes mainwindow/window.h; engine may include only engine, platform$' "$tree/out" ||
    fail "the higher layer was not named: $(cat "$tree/out")"
grep -q '^platform/climb.h:1: includes ../engine/zone.h by climbing out of its folder' "$tree/out" ||
    fail "the climb out of the folder was not named: $(cat "$tree/out")"
[ "$(grep -c includes "$tree/out")" -eq 2 ] || fail "more than the two breaches named: $(cat "$tree/out")"
echo "ok"
