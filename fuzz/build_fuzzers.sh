#!/bin/sh
# Builds every fuzz/<name>_fuzzer.cpp with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer into OUTDIR.
#   fuzz/build_fuzzers.sh OUTDIR [name...]
# A fuzzer names what it needs in its first lines, paths from the repository:
#   // fuzz-sources: settings/ini_format.cpp
#   // fuzz-includes: tools/cmdtime
#   // fuzz-qt: Qt6Core Qt6Network
#   // fuzz-flags: -detect_leaks=0      (libFuzzer flags, for run_fuzzers.sh)
# so a new fuzzer is one file (and a seed corpus in fuzz/corpus/<name>/).
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 OUTDIR [name...]" >&2
    exit 2
fi
out=$1
shift
repo=$(cd "$(dirname "$0")/.." && pwd)
cxx=${CXX_FUZZ:-clang++-14}
mkdir -p "$out/generated"

# The build's version header, as CMake would write it.
version=$(sed -n 's/^project(Horalux VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
major=$(echo "$version" | cut -d. -f1)
minor=$(echo "$version" | cut -d. -f2)
patch=$(echo "$version" | cut -d. -f3)
sed -e "s/@PROJECT_VERSION_MAJOR@/$major/g" -e "s/@PROJECT_VERSION_MINOR@/$minor/g" \
    -e "s/@PROJECT_VERSION_PATCH@/$patch/g" \
    "$repo/cmake/horalux_version.h.in" > "$out/generated/horalux_version.h"

# What one fuzzer's header says for KEY.
declared() {
    sed -n "1,20s|^// fuzz-$2: *||p" "$1" | tr '\n' ' '
}

if [ $# -eq 0 ]; then
    # Fuzzer names have no blanks.
    # shellcheck disable=SC2046
    set -- $(for f in "$repo/fuzz"/*_fuzzer.cpp; do basename "$f" _fuzzer.cpp; done)
fi

status=0
for name in "$@"; do
    source="$repo/fuzz/${name}_fuzzer.cpp"
    if [ ! -f "$source" ]; then
        echo "no fuzzer $source" >&2
        status=1
        continue
    fi
    sources=
    for s in $(declared "$source" sources); do sources="$sources $repo/$s"; done
    includes="-I$repo -I$out/generated"
    for i in $(declared "$source" includes); do includes="$includes -I$repo/$i"; done
    qt=$(declared "$source" qt)
    qtflags=
    if [ -n "$qt" ]; then
        # shellcheck disable=SC2086 # one word per module
        qtflags=$(pkg-config --cflags --libs $qt)
    fi
    echo "building ${name}_fuzzer"
    # Qt is built with -reduce-relocations: -fPIC. A UB report must stop the
    # run like a crash does, hence no recovery.
    # shellcheck disable=SC2086
    if ! "$cxx" -std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer \
            -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
            -Wall -Wextra -Wno-unused-command-line-argument \
            $includes "$source" $sources $qtflags -o "$out/${name}_fuzzer"; then
        echo "FAILED to build ${name}_fuzzer" >&2
        status=1
    fi
done
exit $status
