#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in an SPDX line near its top.
#
#   bash tools/spdx.sh          lists the files without one; fails if any
#   bash tools/spdx.sh --add    gives them one
#
# Source files are the code, the build and test scripts, the pictures and
# the desktop files. The metainfo is under CC0-1.0, as it says itself; the
# grade word lists are plain lists with no room for a comment, and
# debian/copyright speaks for them.
set -euo pipefail
cd "$(dirname "$0")/.."

tag=SPDX-License-Identifier
add=0
[ "${1:-}" = --add ] && add=1

files() {
    find . \( -path ./.git -o -path './build*' -o -path './obj-*' -o -path ./debian/quillobrite \
        -o -path ./debian/.debhelper \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' \
        -o -name '*.py' -o -name '*.sh' -o -name CMakeLists.txt -o -name '*.svg' \
        -o -name '*.desktop' -o -name '*.metainfo.xml' \) -print
    printf '%s\n' ./.ci/run ./debian/rules
}

# The line for a file: its licence in the file's own comment syntax.
line_for() {
    local licence=GPL-3.0-or-later
    case $1 in *.metainfo.xml) licence=CC0-1.0 ;; esac
    case $1 in
    *.cpp | *.h) echo "// $tag: $licence" ;;
    *.svg | *.xml) echo "<!-- $tag: $licence -->" ;;
    *) echo "# $tag: $licence" ;;
    esac
}

missing=0
while IFS= read -r f; do
    head -n 3 "$f" | grep -q "$tag" && continue
    if ((add == 0)); then
        echo "no $tag line: ${f#./}"
        missing=1
        continue
    fi
    line=$(line_for "$f")
    first=$(head -n 1 "$f")
    # After a #! line or an XML declaration, which must stay first.
    if [[ $first == '#!'* || $first == '<?xml'* ]]; then
        { echo "$first"; echo "$line"; tail -n +2 "$f"; } >"$f.spdx"
    elif [[ $f == *.cpp || $f == *.h ]]; then
        { echo "$line"; echo; cat "$f"; } >"$f.spdx"
    else
        { echo "$line"; cat "$f"; } >"$f.spdx"
    fi
    cat "$f.spdx" >"$f" # keeps the file's mode
    rm "$f.spdx"
    echo "added: ${f#./}"
done < <(files | sort)
exit $missing
