#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice from the committed tree and compares what
# the two builds made, byte for byte:
#
#   bash tools/repro-package.sh [COMMIT]        (default: HEAD)
#
# Each build starts from a clean copy of COMMIT (git archive), as a fresh
# clone would, and runs dpkg-buildpackage as `bash setup.sh package` does,
# tests included (DEB_BUILD_OPTIONS=nocheck leaves them out). The second build
# differs from the first in what a rebuild elsewhere may differ in: the
# folder it is built in (another path, of another length), the time zone, the
# locale, the umask, and the time, as it starts when the first has ended.
# SOURCE_DATE_EPOCH is not varied: dpkg-buildpackage takes it from
# debian/changelog in both.
#
# Prints "same bytes" and exits 0, or prints what differs (through
# diffoscope where it is installed, else the differing files inside the
# packages) and exits 1; the builds and their logs are then kept. Needs what
# `bash setup.sh package` installs; diffoscope is Debian's diffoscope or
# diffoscope-minimal.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse --verify "${1:-HEAD}^{commit}")

if ! (cd "$root" && dpkg-checkbuilddeps); then
    echo "$0: install what the package build needs first: bash setup.sh package" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quillobrite-repro.XXXXXX")
trap 'rm -rf "$work"' EXIT

# build N FOLDER TZ LOCALE UMASK: one package build of a clean copy in FOLDER
# (the packages land beside it, in its parent).
build() {
    local n=$1 src=$2 tz=$3 locale=$4 mask=$5
    mkdir -p "$src"
    git -C "$root" archive --format=tar "$commit" | tar -x -C "$src"
    echo "build $n: $(date -u '+%F %T') UTC in $src, TZ=$tz, LC_ALL=$locale, umask $mask"
    if ! (cd "$src" && umask "$mask" &&
        env TZ="$tz" LANG="$locale" LC_ALL="$locale" LANGUAGE= \
            dpkg-buildpackage -us -uc -b -j"$(nproc)") >"$work/build$n.log" 2>&1; then
        trap - EXIT
        tail -n 30 "$work/build$n.log" >&2
        echo "$0: build $n failed; its log: $work/build$n.log" >&2
        exit 2
    fi
}
build 1 "$work/1/quillobrite" UTC0 C 0022
build 2 "$work/second-build/in/a/deeper/folder/quillobrite-$commit" '<+1345>-13:45' C.UTF-8 0002

first=$work/1
second=$work/second-build/in/a/deeper/folder
differ=0
for made in "$first"/*.deb "$first"/*.ddeb; do
    [ -e "$made" ] || continue
    name=${made##*/}
    if [ ! -e "$second/$name" ]; then
        echo "only the first build made $name"
        differ=1
    elif cmp -s "$made" "$second/$name"; then
        echo "same bytes: $name ($(sha256sum <"$made" | cut -c1-16))"
    else
        differ=1
        echo "differs: $name"
        if command -v diffoscope >/dev/null; then
            diffoscope --text - "$made" "$second/$name" || true
        else
            mkdir -p "$work/x1/$name" "$work/x2/$name"
            dpkg-deb -R "$made" "$work/x1/$name"
            dpkg-deb -R "$second/$name" "$work/x2/$name"
            diff -r --brief "$work/x1/$name" "$work/x2/$name" || true
        fi
    fi
done
for made in "$second"/*.deb "$second"/*.ddeb; do
    [ -e "$made" ] && [ ! -e "$first/${made##*/}" ] && echo "only the second build made ${made##*/}" && differ=1
done
if ((differ)); then
    trap - EXIT
    echo "The builds differ; both are kept in $work"
    exit 1
fi
echo "The two builds made the same bytes."
