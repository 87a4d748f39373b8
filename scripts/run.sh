#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running the clock need, builds the program alone
# (no tests, benchmarks or fuzzers) into build-run/, and starts the clock.
# Without a display it starts it on a virtual display (Xvfb), saves a
# screenshot and says where.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$ROOT/build-run"
"$ROOT/scripts/install-deps.sh" run
# The program, the time-sync tool and the HTTP module; the pictures, sound and
# help page are laid beside them when CMake configures.
BUILD_TARGETS="horalux cmdtime horalux_http" "$ROOT/scripts/build.sh" "$BUILD" -DBUILD_TESTING=OFF

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$BUILD/horalux"
fi

# No display: a virtual one, just long enough to see the clock.
number=99
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
Xvfb ":$number" -screen 0 640x400x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
clock_pid=""
cleanup() {
    [ -n "$clock_pid" ] && kill "$clock_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

sleep 1
DISPLAY=":$number" QT_QPA_PLATFORM=xcb "$BUILD/horalux" &
clock_pid=$!
sleep 5
shot="$BUILD/screenshot.png"
DISPLAY=":$number" import -window root -crop 240x120+0+0 "$shot"
echo "No display here: the clock ran on a virtual display. Screenshot: $shot"
