#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source file is laid out as .clang-format says.
#
#   bash tools/format-check.sh          lists the files clang-format would
#                                       change, and how many lines; fails if any
#   bash tools/format-check.sh --fix    lays them out (clang-format -i)
set -euo pipefail
cd "$(dirname "$0")/.."

fix=0
[ "${1:-}" = --fix ] && fix=1
command -v clang-format >/dev/null || {
    echo "format-check: clang-format not found (Debian package: clang-format)" >&2
    exit 2
}

# The same files tools/spdx.sh calls code, outside the build folders.
mapfile -t files < <(find . \( -path ./.git -o -path './build*' -o -path './obj-*' \
    -o -path ./debian/quillobrite -o -path ./debian/.debhelper \) -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' \) -print | sort)

if ((fix == 1)); then
    clang-format -i "${files[@]}"
    exit 0
fi

changed=0
lines=0
for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 && continue
    # Lines taken away or added, as a diff counts them.
    n=$(clang-format "$f" | diff "$f" - | grep -c '^[<>]' || true)
    echo "format-check: ${f#./} would change ($n lines)"
    changed=$((changed + 1))
    lines=$((lines + n))
done
echo "format-check: $changed of ${#files[@]} files would change, $lines lines;" \
    "bash tools/format-check.sh --fix lays them out"
((changed == 0))
