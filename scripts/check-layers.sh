#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that each folder of the program includes only its own headers and
# those of the layers below it, as the table here says; lists every include
# that does not and exits 1. The build gives each library only the headers of
# what it links, so the table and the CMake links must agree.
#   scripts/check-layers.sh [source root]
set -eu
ROOT=${1:-$(cd "$(dirname "$0")/.." && pwd)}

# folder          the folders it may include besides its own
LAYERS='
platform          -
posix             platform
http              platform
engine            platform
platform/real     platform posix
settingsstore     engine platform posix
settingsdialog    engine platform
mainwindow        settingsdialog settingsstore engine platform
update            engine platform posix
app               mainwindow settingsdialog settingsstore update platform/real engine platform posix
tools/cmdtime     -
'
# Not layers of the program: they may include any of it.
OUTSIDE='tests bench fuzz data'

cd "$ROOT"
files=$(mktemp)
trap 'rm -f "$files"' EXIT
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' >"$files"
else
    printf '%s\n' "$LAYERS" | awk 'NF { print $1 }' | while read -r folder; do
        [ ! -d "$folder" ] || find "$folder" -maxdepth 1 \( -name '*.h' -o -name '*.cpp' \)
    done >"$files"
fi

# A file that was deleted but not yet from git's index is left out.
while read -r file; do
    [ -f "$file" ] && printf '%s\n' "$file"
done <"$files" | awk -v layers="$LAYERS" -v outside="$OUTSIDE" '
function folderOf(path,    best, f) {
    best = ""
    for (f in allowed)
        if (index(path, f "/") == 1 && length(f) > length(best))
            best = f
    return best
}
function breach(message) {
    print FILENAME_ ":" line ": " message
    failed = 1
}
BEGIN {
    n = split(layers, rows, "\n")
    for (i = 1; i <= n; i++) {
        count = split(rows[i], words, " ")
        if (count == 0)
            continue
        allowed[words[1]] = " " words[1] " "
        for (j = 2; j <= count; j++)
            if (words[j] != "-")
                allowed[words[1]] = allowed[words[1]] words[j] " "
    }
    split(outside, o, " ")
    for (i in o)
        skip[o[i]] = 1
}
{
    file = $0
    top = file
    sub(/\/.*/, "", top)
    if (top in skip)
        next
    home = folderOf(file)
    if (home == "" || index(substr(file, length(home) + 2), "/") > 0) {
        print file ": lies in no folder of the layer table in scripts/check-layers.sh"
        failed = 1
        next
    }
    FILENAME_ = file
    line = 0
    while ((getline text < file) > 0) {
        line++
        if (text !~ /^[ \t]*#[ \t]*include[ \t]*["<]/)
            continue
        quoted = text ~ /^[ \t]*#[ \t]*include[ \t]*"/
        path = text
        sub(/^[ \t]*#[ \t]*include[ \t]*["<]/, "", path)
        sub(/[">].*/, "", path)
        if (path ~ /(^|\/)\.\.(\/|$)/) {
            breach("includes " path " by climbing out of its folder; name it from the source root")
            continue
        }
        if (index(path, "/") == 0)
            continue
        target = folderOf(path)
        if (target == "" || index(substr(path, length(target) + 2), "/") > 0) {
            if (quoted)
                breach("includes " path ", which lies in no folder of the layer table")
            continue
        }
        if (index(allowed[home], " " target " ") == 0) {
            may = allowed[home]
            gsub(/^ | $/, "", may)
            gsub(/ /, ", ", may)
            breach("includes " path "; " home " may include only " may)
        }
    }
    close(file)
}
END { exit failed }
' || {
    echo "A lower layer must not include a higher one; the table is in scripts/check-layers.sh." >&2
    exit 1
}
