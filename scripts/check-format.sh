#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ file in the repository follows .clang-format; lists
# the ones that do not and exits 1. With --fix, formats them in place.
# C++ files named after the options are the only ones checked or formatted.
#   scripts/check-format.sh [--fix] [file...]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
FORMAT=${CLANG_FORMAT:-clang-format-14}

fix=false
if [ "${1:-}" = --fix ]; then
    fix=true
    shift
fi
case ${1:-} in
    -*) echo "usage: $0 [--fix] [file...]" >&2; exit 2 ;;
esac
if ! command -v "$FORMAT" >/dev/null 2>&1; then
    echo "$FORMAT is missing: scripts/install-deps.sh installs it" >&2
    exit 2
fi

list=$(mktemp)
trap 'rm -f "$list"' EXIT
if [ $# -gt 0 ]; then
    for file in "$@"; do
        case $file in
            *.cpp | *.h) printf '%s\0' "$(realpath "$file")" ;;
            *) echo "not a C++ file, left alone: $file" >&2 ;;
        esac
    done >"$list"
    cd "$ROOT"
else
    cd "$ROOT"
    git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' >"$list"
fi

if $fix; then
    xargs -0 -r "$FORMAT" -i --style=file <"$list"
    exit 0
fi

# One clang-format for the whole tree; it names each file that would change.
unformatted=$(xargs -0 -r "$FORMAT" --dry-run --ferror-limit=1 --style=file <"$list" 2>&1 |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: [a-z]*: code should be clang-formatted.*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
    echo "Not formatted as .clang-format says (scripts/check-format.sh --fix formats them):"
    echo "$unformatted"
    exit 1
fi
