#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds the clock into a build folder (default: build).
# Usage: scripts/build.sh [build-dir] [extra cmake options...]
# BUILD_TARGETS, when set, names the targets to build instead of all.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-"$ROOT/build"}
[ $# -gt 0 ] && shift
# ccache, where a developer has it, lets several checkouts share one compile cache.
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
    LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$ROOT")}"
    export CCACHE_NOHASHDIR=1
fi
# shellcheck disable=SC2086
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORALUX_WERROR=ON $LAUNCHER "$@" >/dev/null
# shellcheck disable=SC2086
cmake --build "$BUILD" -j2 ${BUILD_TARGETS:+--target $BUILD_TARGETS}
