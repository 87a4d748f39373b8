#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# check_install_tree.sh BUILD_DIR SCRATCH: "cmake --install" into a throw-away
# prefix, which is then moved whole before the clock is started from it.
. "$(dirname "$0")/installed_program.sh"
build=$1 scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch" || fail "cannot make $scratch"
"${CMAKE:-cmake}" --install "$build" --prefix "$scratch/first" >"$scratch/install.log" ||
    fail "cmake --install: $(cat "$scratch/install.log")"
mv "$scratch/first" "$scratch/moved"
expect_layout "$scratch/moved"
[ ! -e "$scratch/moved/lib/horalux/package-managed" ] ||
    fail "a plain install is marked package-managed: only the .deb is"
expect_program_starts "$scratch/moved/bin/horalux" "$scratch/moved/lib/horalux" "$scratch/run"
rm -rf "$scratch"
