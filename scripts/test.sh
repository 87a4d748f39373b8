#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (the run set and what the tests need), builds
# everything into build/, and runs every test.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/install-deps.sh" test
"$ROOT/scripts/build.sh" "$ROOT/build"
cd "$ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
