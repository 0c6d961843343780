#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a temporary prefix and starts it the way the
# desktop menu does (the entry's Exec command, found on PATH, which on Debian
# holds the games folder), from an unrelated folder. The game holds its list file open while it runs, so the
# installed program folder's first-grade list showing among its open files
# proves it found its data.
#
#   installed-game-starts.sh BUILD DESKTOP_FILE SOUND_LIST ENGINE_DIR ENGINE...
set -euo pipefail
build=$1
desktop=$2
sound_list=$3
engines=$4
shift 4

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quillobrite-install.XXXXXX")
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
id=org.example.Quillobrite
data=$prefix/share/games/quillobrite
for f in games/quillobrite share/man/man6/quillobrite.6 \
    share/games/quillobrite/firstGrade.dat share/games/quillobrite/fifthGrade.dat \
    share/games/quillobrite/claugh.wav share/games/quillobrite/canaryhigh.wav \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
# The voice engines, each in the one folder the program looks in.
for engine in "$@"; do
    [ -f "$prefix/$engines/quillobrite-voice-$engine.so" ] || fail "not installed: $engines/quillobrite-voice-$engine.so"
done
# The progress report beside them.
[ -f "$prefix/$engines/quillobrite-report.so" ] || fail "not installed: $engines/quillobrite-report.so"
# Nothing lies outside share/ but the program, its list tool and its
# engines.
extra=$(find "$prefix" -path "$prefix/share" -prune -o -path "$prefix/$engines" -prune -o -type f \
    ! -path "$prefix/games/quillobrite" ! -path "$prefix/games/quillobrite-list" -print)
[ -z "$extra" ] || fail "installed outside share/, games/ and $engines: $extra"
listed=$(grep -Evc '^(#|$)' "$sound_list")
waves=$(find "$data" -name '*.wav' | wc -l)
[ "$waves" -eq "$listed" ] || fail "$listed wave files expected in the program folder, found $waves"
[ -x "$prefix/games/quillobrite" ] || fail "the program is not executable"

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -n "$exec_line" ] || fail "no Exec line in $desktop"

mkdir "$tmp/elsewhere"
cd "$tmp/elsewhere"
# No display and no sound server are needed to see the game load its list.
PATH="$prefix/games:$PATH" QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent \
    $exec_line >"$tmp/game.log" 2>&1 &
pid=$!

want=$(readlink -f "$data/firstGrade.dat")
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || fail "the game ended early: $(cat "$tmp/game.log")"
    for fd in /proc/"$pid"/fd/*; do
        if [ "$(readlink "$fd" 2>/dev/null)" = "$want" ]; then
            echo "PASS: the installed game opened $want"
            exit 0
        fi
    done
    sleep 0.1
done
fail "the installed game did not open its first-grade list within 10 s"
