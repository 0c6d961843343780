#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How well the game's spoken words are understood: every word of the five
# grade lists said by the game's own speech code (qb_sayword), resampled to
# 16 kHz and recognised by pocketsphinx against a grammar of that grade's
# words. Prints, for each grade and in all, how many of the words were
# recognised as themselves, and writes the words that were not into
# OUT/missed-GRADE.txt.
#
#   bench/speech-recognition.sh [BUILD_DIR] [--language CODE] [--out DIR]
#
# --language picks the voice as the desktop's language would ("en", the
# default, is flite's English voice; "en-us" is espeak-ng's). BUILD_DIR
# defaults to build. Needs sox, pocketsphinx and pocketsphinx-en-us. A word
# the recogniser's dictionary lacks cannot be in its grammar and is left out
# (the count is printed).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$here/../build language=en out=''
while (($#)); do
    case $1 in
    --language) language=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    -*) echo "speech-recognition.sh: unknown option $1" >&2; exit 2 ;;
    *) build=$1; shift ;;
    esac
done
model=/usr/share/pocketsphinx/model/en-us
for tool in sox pocketsphinx_batch; do
    command -v "$tool" >/dev/null || {
        echo "speech-recognition.sh: $tool is missing (apt-get install sox pocketsphinx pocketsphinx-en-us)" >&2
        exit 1
    }
done
[[ -d $model/en-us ]] || { echo "speech-recognition.sh: no $model (pocketsphinx-en-us)" >&2; exit 1; }

cmake --build "$build" --target qb_sayword >/dev/null
say=$build/speech/qb_sayword
work=$(mktemp -d "${TMPDIR:-/tmp}/qb-speech.XXXXXX")
trap 'rm -rf "$work"' EXIT
out=${out:-$work}
mkdir -p "$out"

total=0 right=0
for grade in first second third fourth fifth; do
    dir=$work/$grade
    mkdir -p "$dir/said" "$dir/16k"
    # The grade's words in small letters, once each, that the dictionary has.
    tr 'A-Z' 'a-z' <"$here/../data/grades/${grade}Grade.txt" | awk 'NF && !seen[$0]++' >"$dir/all"
    : >"$dir/words"
    while read -r w; do
        grep -q "^$w " "$model/cmudict-en-us.dict" && echo "$w" >>"$dir/words"
    done <"$dir/all"
    "$say" --language "$language" --into "$dir/said" <"$dir/words"
    while read -r w; do
        sox "$dir/said/$w.wav" -r 16000 -c 1 -b 16 "$dir/16k/$w.wav" pad 0.3 0.3
    done <"$dir/words"
    {
        echo '#JSGF V1.0;'
        echo "grammar $grade;"
        echo "public <word> = $(paste -sd'|' "$dir/words" | sed 's/|/ | /g');"
    } >"$dir/grammar.jsgf"
    pocketsphinx_batch -hmm "$model/en-us" -dict "$model/cmudict-en-us.dict" \
        -jsgf "$dir/grammar.jsgf" -ctl "$dir/words" -cepdir "$dir/16k" -cepext .wav \
        -adcin yes -adchdr 44 -hyp "$dir/hyp" >"$dir/log" 2>&1 || {
        echo "pocketsphinx_batch failed for $grade; see its log:" >&2
        tail -n 20 "$dir/log" >&2
        exit 1
    }
    # Each line: the words heard, then (utterance score).
    awk '{ id = $(NF - 1); sub(/^\(/, "", id); heard = $0; sub(/ *\([^(]*$/, "", heard);
           if (heard == id) ok++; else print id " heard as \"" heard "\"" > "/dev/stderr" }
         END { print ok + 0 }' "$dir/hyp" 2>"$out/missed-$grade.txt" >"$dir/ok"
    n=$(wc -l <"$dir/words") ok=$(cat "$dir/ok") left=$(($(wc -l <"$dir/all") - n))
    printf '%-7s %3d of %3d recognised (%5.1f %%), %d left out (not in the dictionary)\n' \
        "$grade" "$ok" "$n" "$(awk -v a="$ok" -v b="$n" 'BEGIN { print 100 * a / b }')" "$left"
    total=$((total + n)) right=$((right + ok))
done
printf '%-7s %3d of %3d recognised (%5.1f %%), voice for language "%s"\n' all "$right" "$total" \
    "$(awk -v a="$right" -v b="$total" 'BEGIN { print 100 * a / b }')" "$language"
