#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the download benchmark against curl on the same loopback server;
# installs curl first when it is missing. Usage: bench/download_bench.sh [build folder]
set -eu
BUILD=${1:-$(cd "$(dirname "$0")/.." && pwd)/build}
if ! command -v curl >/dev/null 2>&1; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq curl
fi
cmake --build "$BUILD" --target download_bench -j2
exec "$BUILD/bench/download_bench" "--screenshot=${SCREENSHOT:-/tmp/download_dialog.png}"
