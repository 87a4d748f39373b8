#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every source file in the repository
# that lacks one, below a "#!" line where there is one:
#   // SPDX-License-Identifier: GPL-3.0-or-later   C++ sources and headers
#   # SPDX-License-Identifier: GPL-3.0-or-later    shell, CMake, Python
# Files that have the line are left as they are, so it can run again.
#   scripts/add-spdx.sh
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ID="SPDX-License-Identifier: GPL-3.0-or-later"

# The comment marker a file takes, or nothing for a file that is not source.
marker() {
    case $1 in
        *.cpp|*.h|*.h.in) echo "//" ;;
        *.sh|*.cmake|*/CMakeLists.txt|CMakeLists.txt|*.py) echo "#" ;;
        *)
            # Scripts without a suffix say what they are on their first line.
            case $(head -c 64 "$1" | head -n 1) in
                '#!'*sh*|'#!'*python*) echo "#" ;;
            esac ;;
    esac
}

# Read whole before it runs, as it rewrites this very file too.
{
cd "$ROOT"
git ls-files --cached --others --exclude-standard | while IFS= read -r file; do
    [ -f "$file" ] || continue
    mark=$(marker "$file")
    [ -n "$mark" ] || continue
    head -n 3 "$file" | grep -q "SPDX-License-Identifier:" && continue
    temp="$file.spdx-tmp"
    awk -v line="$mark $ID" '
        NR == 1 && /^#!/ { print; print line; next }
        NR == 1 { print line }
        { print }
        END { if (NR == 0) print line }' "$file" >"$temp"
    # The file keeps its mode (scripts stay executable).
    cat "$temp" >"$file"
    rm -f "$temp"
    echo "added to $file"
done
exit 0
}
