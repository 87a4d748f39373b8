#!/bin/sh
# Installs what is missing, builds, and starts the clock. Without a display it
# starts it on a virtual display, saves a screenshot and says where.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/install-deps.sh"
"$ROOT/scripts/build.sh" "$ROOT/build"
exec "$ROOT/build/horalux"
