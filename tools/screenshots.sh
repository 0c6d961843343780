#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's screenshots from the real program, played on a private
# X server by the end-to-end harness:
#
#   bash tools/screenshots.sh BUILD_DIR
#
# writes docs/screenshots/game.png and docs/screenshots/editor.png from the
# program built in BUILD_DIR, and the game once more on a French desktop as
# docs/screenshots/game-fr.png. Needs what `bash setup.sh test` installs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$(realpath "${1:?usage: bash tools/screenshots.sh BUILD_DIR}")

export QB_SCREENSHOTS=$root/docs/screenshots
mkdir -p "$QB_SCREENSHOTS"
out=$(mktemp -d "${TMPDIR:-/tmp}/quillobrite-screenshots.XXXXXX")
trap 'rm -rf "$out"' EXIT
bash "$root/tests/e2e/run-e2e.sh" --program "$build/bin/quillobrite" \
    --sounds "$build/bin" --out "$out" \
    --scenarios "$here/screenshot-scenes.sh" --only game,editor --deadline 120
LANG=fr_FR.UTF-8 LANGUAGE=fr LC_ALL='' QB_SCREENSHOT_SUFFIX=-fr \
    bash "$root/tests/e2e/run-e2e.sh" --program "$build/bin/quillobrite" \
    --sounds "$build/bin" --out "$out" \
    --scenarios "$here/screenshot-scenes.sh" --only game --deadline 120
ls -l "$QB_SCREENSHOTS"
