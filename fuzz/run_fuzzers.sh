#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers (CMake option HORALUX_FUZZ, clang) and runs each for
# SECONDS (default 30) under ASan and UBSan, on a copy of its seed corpus in
# OUTDIR (default ${TMPDIR:-/tmp}/horalux-fuzz); the seed corpus in the
# repository stays as it is. Prints each fuzzer's runs and findings; exits 1
# when any fuzzer crashed, leaked, hit undefined behaviour or broke one of
# its checks.
#   fuzz/run_fuzzers.sh [SECONDS] [OUTDIR] [name...]
set -u

seconds=${1:-30}
out=${2:-${TMPDIR:-/tmp}/horalux-fuzz}
[ $# -gt 0 ] && shift
[ $# -gt 0 ] && shift
fuzz=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$fuzz")

case $seconds in
    ''|*[!0-9]*) echo "usage: $0 [SECONDS] [OUTDIR] [name...]" >&2; exit 2 ;;
esac

build="$out/build"
targets=horalux_fuzzers
if [ $# -gt 0 ]; then
    targets=$(for name in "$@"; do printf '%s_fuzzer ' "$name"; done)
fi
mkdir -p "$out/corpus" "$out/logs" "$out/findings"
if ! BUILD_TARGETS="$targets" "$root/scripts/build.sh" "$build" -DCMAKE_CXX_COMPILER="${CXX_FUZZ:-clang++-14}" \
        -DHORALUX_FUZZ=ON -DHORALUX_WERROR=OFF -DBUILD_TESTING=OFF; then
    echo "fuzzers did not build" >&2
    exit 1
fi
# The build lists each fuzzer with its own libFuzzer flags.
list="$build/fuzz/fuzzers.txt"
if [ $# -eq 0 ]; then
    # Fuzzer names have no blanks.
    # shellcheck disable=SC2046
    set -- $(cut -d' ' -f1 "$list")
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
export QT_QPA_PLATFORM=offscreen

failed=0
summary=
for name in "$@"; do
    corpus="$out/corpus/$name"
    mkdir -p "$corpus"
    # Inputs found by earlier runs stay; the seeds are added to them.
    if [ -d "$fuzz/corpus/$name" ]; then
        cp -R "$fuzz/corpus/$name/." "$corpus/"
    fi
    dict=
    [ -f "$fuzz/$name.dict" ] && dict="-dict=$fuzz/$name.dict"
    flags=$(sed -n "s/^$name //p" "$list")
    log="$out/logs/$name.log"
    echo "running ${name}_fuzzer for $seconds s"
    # shellcheck disable=SC2086
    "$build/fuzz/${name}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=25 \
        -rss_limit_mb=4096 -artifact_prefix="$out/findings/$name-" $dict $flags "$corpus" > "$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    files=$(find "$corpus" -type f | wc -l)
    result=ok
    if [ $status -ne 0 ] || grep -q -e 'runtime error:' -e '^==[0-9]*==ERROR' "$log"; then
        failed=1
        artifact=$(sed -n "s/.*Test unit written to //p" "$log" | tail -n 1)
        why=$(grep -m 1 -e 'fuzz check failed' -e 'runtime error:' -e '^SUMMARY:' "$log")
        result="FOUND: ${why:-exit status $status}; input ${artifact:-not written}; log $log"
    fi
    line=$(printf '%-16s %12s runs %8s/s %6s corpus files  %s' "$name" "${runs:-?}" "${rate:-?}" "$files" "$result")
    echo "$line"
    summary="$summary$line
"
done

echo
echo "fuzzer               runs"
printf '%s' "$summary"
exit $failed
