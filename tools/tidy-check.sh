#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the checks of .clang-tidy over the program's sources
# (each library's folder, listtool and app, and through them their headers)
# and fails on any finding. The tests, benchmarks, fuzz targets and the
# icon renderer are left out: they break some checks on purpose (hostile
# texts, the benchmark loop's unused variable), and CI's time goes to the
# program.
#
#   bash tools/tidy-check.sh [BUILD_FOLDER]     (default: build)
#
# The build folder is configured again with its compile commands written
# out, and built, since some sources include what moc makes from them.
# QB_TIDY_JOBS sets how many files are checked at a time (default: one for
# each core).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
jobs=${QB_TIDY_JOBS:-$(nproc)}
folders=(app base editor help keyboardlayout keys listtool practice progress reports sound speech spelling ui voices wordlist)

for tool in clang-tidy run-clang-tidy; do
    command -v "$tool" >/dev/null || {
        echo "tidy-check: $tool not found (Debian packages: clang-tidy clang-tools)" >&2
        exit 2
    }
done

cmake -S . -B "$build" -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$build" --parallel "$jobs" >/dev/null

# The program's translation units, as the build compiles them.
root=$PWD
mapfile -t files < <(python3 - "$build/compile_commands.json" "$root" "${folders[@]}" <<'PY'
import json, sys
database, root, folders = sys.argv[1], sys.argv[2], set(sys.argv[3:])
for entry in json.load(open(database)):
    path = entry["file"]
    if path.startswith(root + "/") and path[len(root) + 1:].split("/")[0] in folders:
        print(path)
PY
)
((${#files[@]} > 0)) || { echo "tidy-check: no sources found in $build/compile_commands.json" >&2; exit 2; }

started=$(date +%s)
# run-clang-tidy takes each argument as a pattern: the paths are matched
# whole.
patterns=()
for f in "${files[@]}"; do patterns+=("^$(printf '%s' "$f" | sed 's/[][\.*^$+?(){}|]/\\&/g')\$"); done
# run-clang-tidy always colours its output: the log is kept without.
set +o pipefail
run-clang-tidy -p "$build" -j "$jobs" -quiet "${patterns[@]}" 2>&1 |
    sed 's/\x1b\[[0-9;]*m//g' >"$build/tidy-check.log"
status=${PIPESTATUS[0]}
set -o pipefail
# Each finding once (one in a header is found again by every file that
# includes it), without the tools' own chatter.
diagnostic='^[^ ]+:[0-9]+:[0-9]+: (warning|error):'
grep -E "$diagnostic" "$build/tidy-check.log" | sort -u || true
findings=$(grep -E "$diagnostic" "$build/tidy-check.log" | sort -u | wc -l || true)
echo "tidy-check: ${#files[@]} files, $findings findings, $(($(date +%s) - started)) s (log: $build/tidy-check.log)"
if ((status != 0 && findings == 0)); then
    echo "tidy-check: clang-tidy failed without a finding; its log ends:" >&2
    tail -n 30 "$build/tidy-check.log" >&2
fi
exit $status
