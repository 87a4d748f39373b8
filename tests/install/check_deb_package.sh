#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# check_deb_package.sh BUILD_DIR SCRATCH: builds the .deb with cpack, unpacks it
# into a scratch root and checks its control fields, its files, its metadata,
# that the clock starts from it and that lintian finds nothing to object to.
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
for library in libqt6widgets6 libqt6network6 libcanberra0 fonts-liberation; do
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
expect_valid_metadata "$root/usr/share/applications/horalux.desktop" \
    "$root/usr/share/metainfo/horalux.metainfo.xml" $(unpack_man_pages "$root/usr" "$scratch")
# The tree as a software centre sees it: the launchable entry and the icons found.
appstreamcli validate-tree --no-net --override=cid-desktopapp-is-not-rdns=info "$root" ||
    fail "appstreamcli validate-tree"
[ "$(xml_text "$root/usr/share/metainfo/horalux.metainfo.xml" id)" = horalux ] || fail "metainfo id"
grep -q "<release version=\"$(field Version)\"" "$root/usr/share/metainfo/horalux.metainfo.xml" ||
    fail "the metainfo has no release $(field Version)"
expect_program_starts "$root/usr/bin/horalux" "$root/usr/lib/horalux" "$scratch/run"

# What Debian's archive checks say: no error and no warning; the few tags
# that do not apply are overridden, with reasons, in the package itself.
need_tool lintian lintian
lintian --fail-on error,warning --no-tag-display-limit --display-level ">=warning" "$deb" >"$scratch/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$scratch/lintian.log")"
echo "lintian: no errors or warnings"
rm -rf "$scratch"
