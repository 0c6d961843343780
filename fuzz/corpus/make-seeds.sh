#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the seed corpus: a handful of tiny wave files in the encodings the
# player may meet, and a few word lists. Run again only to change the seeds;
# the files it makes are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")"

wave=wavereader
rm -f "$wave"/*.wav "$wave"/*.aiff "$wave"/*.au
tone() { sox -n -r "$1" -c "$2" "${@:3}" synth 0.02 sine 440 vol 0.5; }
tone 8000 1 -e signed-integer -b 16 "$wave/pcm16-mono.wav"
tone 11025 2 -e unsigned-integer -b 8 "$wave/pcm8-stereo.wav"
tone 8000 1 -e signed-integer -b 24 "$wave/pcm24-extensible.wav"
tone 8000 1 -e signed-integer -b 32 "$wave/pcm32.wav"
tone 8000 1 -e floating-point -b 32 "$wave/float32.wav"
tone 8000 1 -e floating-point -b 64 "$wave/float64.wav"
tone 8000 1 -e u-law "$wave/ulaw.wav"
tone 8000 1 -e a-law "$wave/alaw.wav"
tone 8000 1 -e ima-adpcm "$wave/ima-adpcm.wav"
tone 8000 1 -e ms-adpcm "$wave/ms-adpcm.wav"
tone 8000 1 -e gsm-full-rate "$wave/gsm.wav"
tone 8000 4 -e signed-integer -b 16 "$wave/quad-extensible.wav"
tone 8000 1 -e signed-integer -b 16 "$wave/not-wave.aiff"
tone 8000 1 -e signed-integer -b 16 "$wave/not-wave.au"
# Headers that lie: a rate of 1 Hz over real data, and 2 GB of data claimed
# where there is none.
{ printf 'RIFF\x34\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00'
  printf '\x01\x00\x00\x00\x02\x00\x00\x00\x02\x00\x10\x00data\x10\x00\x00\x00'
  printf 'abcdefghijklmnop'; } >"$wave/lying-rate.wav"
{ printf 'RIFF\xff\xff\xff\x7fWAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00'
  printf '\x40\x1f\x00\x00\x80\x3e\x00\x00\x02\x00\x10\x00data\xff\xff\xff\x7f'; } >"$wave/lying-size.wav"

list=vocabfile
rm -f "$list"/*.dat
pad() { printf '%-14s' "$1"; }
{ for w in cat dog because friend; do pad "$w"; done; } >"$list/four-words.dat"
head -c 140 /dev/zero >"$list/ten-blank.dat"
{ pad "owl"; head -c 14 /dev/zero; printf 'abc\0\0\0\0\0\0\0\0\0\0\0'; printf 'fragment'; } >"$list/blank-nul-fragment.dat"
printf '\x80\x8a\x9f\xe9\xfc\xff\x81\x8d\x8f\x90\x9d\x01\x09\x7f' >"$list/high-and-control-bytes.dat"
# A text list saved as a list: separators of every kind, a comment, Latin-1.
printf '# week 3\r\ncat, dog;\tbird\r\ncaf\xe9\n' >"$list/text-list.dat"
printf '%-14s' "fourteenletter" "spaces inside " "  leading" >"$list/edges.dat"
