#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# check_deb_package.sh BUILD_DIR SCRATCH: builds the .deb with cpack, unpacks it
# into a scratch root and checks its control fields, its files, its metadata,
# that the clock starts from it and that lintian finds nothing to object to;
# then, as root, installs it as apt does without recommends, starts the
# installed clock on an X display and purges the package again.
. "$(dirname "$0")/installed_program.sh"
need_tool dpkg-deb dpkg
need_tool dpkg-shlibdeps dpkg-dev
build=$1 scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch/root" || fail "cannot make $scratch"
"${CPACK:-cpack}" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$scratch/cpack.log")"
set -- "$scratch"/package/horalux_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "not one horalux_*.deb in $scratch/package: $*"
deb=$1
echo "built $(basename "$deb"), $(wc -c <"$deb") bytes"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = horalux ] || fail "Package: $(field Package)"
[ "$(field Section)" = utils ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
for library in libqt6widgets6 libcurl4 libcanberra0 fonts-liberation qt6-qpa-plugins; do
    echo "$depends" | grep -qw "$library" || fail "Depends lacks $library: $depends"
done

dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb -x"
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./$' | grep -v '^\./usr/')
[ -z "$outside" ] || fail "files outside /usr: $outside"
root=$scratch/root
expect_layout "$root/usr"
[ -f "$root/usr/lib/horalux/package-managed" ] ||
    fail "the packaged program is not marked package-managed: it would replace files dpkg owns"
readelf -S "$root/usr/lib/horalux/horalux" | grep -q '\.symtab' && fail "the program is not stripped"
# shellcheck disable=SC2046 # two paths without blanks
metainfo=$root/usr/share/metainfo/org.horalux.horalux.metainfo.xml
expect_valid_metadata "$root/usr/share/applications/org.horalux.horalux.desktop" \
    "$metainfo" $(unpack_man_pages "$root/usr" "$scratch")
# The tree as a software centre sees it: the launchable entry and the icons found.
appstreamcli validate-tree --no-net "$root" ||
    fail "appstreamcli validate-tree"
[ "$(xml_text "$metainfo" id)" = org.horalux.horalux ] || fail "metainfo id"
grep -q "<release version=\"$(field Version)\"" "$metainfo" ||
    fail "the metainfo has no release $(field Version)"
expect_program_starts "$root/usr/bin/horalux" "$root/usr/lib/horalux" "$scratch/run"

# What Debian's archive checks say: no error and no warning; the few tags
# that do not apply are overridden, with reasons, in the package itself.
need_tool lintian lintian
lintian --fail-on error,warning --no-tag-display-limit --display-level ">=warning" "$deb" >"$scratch/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$scratch/lintian.log")"
echo "lintian: no errors or warnings"

# Last, as it changes this machine: installed, started and purged again.
# Exit status 77 is the test's "skipped".
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing the package needs root; every check above passed"
    exit 77
fi
need_tool apt-get apt
need_tool flock util-linux
# One install at a time on this machine, whichever build folder runs the test.
exec 9>/run/lock/horalux-install-deb-test.lock || fail "cannot open the lock file in /run/lock"
flock -w 300 9 || fail "another run of this test held the install lock for 5 minutes"
if dpkg-query -W -f '${Status}' horalux 2>/dev/null | grep -q ' installed$'; then
    echo "SKIP: horalux is already installed here and is left alone (apt purge horalux lets this run)"
    exit 77
fi
x_server_pid=
clean_up() {
    [ -z "$x_server_pid" ] || kill "$x_server_pid" 2>/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=120 horalux >/dev/null 2>&1
}
trap clean_up EXIT
# What the package needs comes from scripts/install-deps.sh, never from the
# network in a test: apt may install nothing but the package itself.
# (--no-download would say so, but apt then refuses a local .deb.)
others=$(apt-get install -s --no-install-recommends "$deb" 2>&1 | sed -n 's/^Inst \([^ ]*\) .*/\1/p' | grep -vx horalux)
[ -z "$others" ] || fail "installing the package would also install: $others (scripts/install-deps.sh adds them)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=120 "$deb" >"$scratch/apt.log" 2>&1 ||
    fail "apt-get install --no-install-recommends $deb: $(cat "$scratch/apt.log")"
[ "$(dpkg-query -W -f '${Status}' horalux)" = "install ok installed" ] || fail "horalux not installed by apt-get"
start_x_server "$scratch"
expect_program_starts /usr/bin/horalux /usr/lib/horalux "$scratch/installed" xcb
clean_up
trap - EXIT
dpkg-query -W -f '${Status}' horalux 2>/dev/null | grep -q ' installed$' && fail "apt-get purge left horalux installed"
rm -rf "$scratch"
