#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the clock needs to build, run and test.
# Idempotent: asks apt only for what is missing. Works as root or with sudo.
set -eu

PACKAGES="
build-essential
cmake
ninja-build
pkg-config
qt6-base-dev
qt6-qpa-plugins
libgl-dev
libgtest-dev
libgmock-dev
libbenchmark-dev
libcanberra-dev
fonts-liberation
tzdata
xvfb
xauth
imagemagick
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
libssl-dev
libcurl4-openssl-dev
openssl
python3
libxcb1-dev
x11-utils
xdotool
openbox
xfwm4
xfconf
dbus-daemon
weston
xwayland
xserver-xorg-core
xserver-xorg-video-dummy
x11-xserver-utils
"

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
