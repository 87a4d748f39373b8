#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the clock needs.
# Usage: scripts/install-deps.sh [run|test]
#   run   what building the program and running it need, the virtual display
#         and screenshot of scripts/run.sh included
#   test  the run set and what the tests, benchmarks, fuzzers, formatting
#         check and the .deb need (the default)
# Idempotent: asks apt only for what is missing. Works as root or with sudo.
set -eu

# Build: compiler and CMake, and what find_package and pkg_check_modules ask
# for (Qt 6 and its translation tools, libcanberra, xcb, OpenSSL, libcurl).
# Run: Qt's platform plugins and its own translations, the fonts (Japanese
# included), the zone database; Xvfb, xauth and ImageMagick's import for a
# machine without a display.
RUN_PACKAGES="
build-essential
cmake
ninja-build
pkg-config
qt6-base-dev
qt6-tools-dev
qt6-l10n-tools
qt6-translations-l10n
qt6-qpa-plugins
libgl-dev
libcanberra-dev
libxcb1-dev
libssl-dev
libcurl4-openssl-dev
fonts-liberation
fonts-ipafont-gothic
tzdata
xvfb
xauth
imagemagick
"

TEST_PACKAGES="
libgtest-dev
libgmock-dev
libbenchmark-dev
desktop-file-utils
appstream
dpkg-dev
fakeroot
lintian
strace
file
e2fsprogs
mount
clang-14
clang-format-14
llvm-14
libclang-rt-14-dev
valgrind
curl
openssl
python3
x11-utils
xdotool
openbox
xfwm4
xfconf
dbus-daemon
at-spi2-core
python3-pyatspi
weston
xwayland
mutter
kwin-wayland
kwin-style-breeze
qt6-wayland
python3-dbus
xserver-xorg-core
xserver-xorg-video-dummy
x11-xserver-utils
"

case "${1:-test}" in
run) PACKAGES=$RUN_PACKAGES ;;
test) PACKAGES="$RUN_PACKAGES $TEST_PACKAGES" ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

missing=""
for pkg in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $pkg"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi

echo "Installing:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
