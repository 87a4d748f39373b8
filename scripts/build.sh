#!/bin/sh
# Configures and builds the clock into a build folder (default: build).
# Usage: scripts/build.sh [build-dir] [extra cmake options...]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-"$ROOT/build"}
[ $# -gt 0 ] && shift
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORALUX_WERROR=ON "$@" >/dev/null
cmake --build "$BUILD" -j2
