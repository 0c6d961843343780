#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes every wave file the game plays: the four key-sound themes (animals,
# hidden jingles, cartoon, tech) and the greeting, praise and applause.
#
#   [QB_SOUND_JOBS=N] make-sounds.sh SOUND_LIST OUTPUT_FOLDER
#
# SOUND_LIST is sounds.txt beside this script: the names to make, each by its
# recipe, the function s_NAME in one of the files under recipes/ (one file a
# theme). They are made N at a time (default: one for each core); scratch
# files go to a folder under $TMPDIR (default /tmp).
#
# Everything is made here from nothing: sox synthesises and shapes, espeak-ng
# lends a voice to the animals and to the praise, and a small additive
# synthesiser written in awk (osc.awk, and bursts.awk for noise in bursts)
# draws the tones whose pitch must follow a curve.
# The output is byte-for-byte repeatable: sox runs with -R (fixed random seed)
# and -D (no dither), the awk noise comes from its own seeded generator, and
# espeak-ng is kept from the sound server (see SPEAK below).
#
# Every key waits for its sound to end, so key sounds are cut at 0.75 s, and
# all sounds start at once (leading silence trimmed), peak at -3 dBFS, and are
# written as 16-bit mono PCM at 22050 Hz.
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 SOUND_LIST OUTPUT_FOLDER" >&2
    exit 2
fi
mapfile -t NAMES < <(awk '!/^#/ && NF { print $1 }' "$1")
((${#NAMES[@]} > 0)) || { echo "$0: no sound names in $1" >&2; exit 1; }
shift
# The synthesisers beside this script are run by mawk, Debian's own awk
# (always installed), whatever awk the machine calls "awk".
AWK=mawk
for tool in sox espeak-ng "$AWK"; do
    command -v "$tool" >/dev/null || {
        echo "$0: $tool not found (Debian packages: sox espeak-ng mawk)" >&2
        exit 1
    }
done
HERE=$(cd "$(dirname "$0")" && pwd)
# How many sounds are made at a time.
jobs_max=${QB_SOUND_JOBS:-$(nproc 2>/dev/null || echo 2)}
[[ $jobs_max =~ ^[1-9][0-9]*$ ]] || { echo "$0: QB_SOUND_JOBS must be a whole number above 0" >&2; exit 2; }
mkdir -p "$1"
OUT=$(cd "$1" && pwd)
W=$(mktemp -d "${TMPDIR:-/tmp}/quillobrite-sounds.XXXXXX")
trap 'rm -rf "$W"' EXIT

# espeak-ng opens the sound server even when it only writes a file, through
# the PulseAudio client library, in its own process. The breath in its female
# voices (f2, f3, f5 here) is noise from the C library's rand(), never seeded,
# so it is the same on every run only while nothing else in the process draws
# from rand() first. The client library does when it has to make itself a
# runtime folder: with no $XDG_RUNTIME_DIR and a $HOME it has not been in yet,
# as in a package build, it makes /tmp/pulse-XXXXXXXXXXXX with a name drawn
# from rand(), a different number of draws each time, and a breathy voice
# spoken then comes out with other breath (in package builds the sheep,
# whenever its espeak-ng got there before the small dog's). So espeak-ng runs
# with a sound-server setting of this run's own: a runtime folder that is
# there, no config of the machine's or the user's, and for the server
# /dev/null, which refuses at once (an address, unlike a folder name, can hold
# no space: PULSE_SERVER is a list). The library then draws no random numbers
# and no sound server is reached.
mkdir -m 700 "$W/.sound-server"
printf 'autospawn = no\n' >"$W/.sound-server/client.conf"
SPEAK=(env PULSE_RUNTIME_PATH="$W/.sound-server"
    PULSE_CLIENTCONFIG="$W/.sound-server/client.conf"
    PULSE_SERVER=unix:/dev/null espeak-ng)

export LC_ALL=C
R=22050
SOX=(sox -R -D -V2)
F=(-r "$R" -c 1 -b 32 -e floating-point)   # working format: float, no clipping
KEY=0.75                                    # longest key sound

# ---------------------------------------------------------------------------
# Building blocks. Each sound runs in its own scratch folder, so they use
# short relative file names.

# Working sounds peak at -6 dBFS, and effects start with 12 dB of headroom,
# so that nothing clips on the way and mixes keep the balance asked of them.
#
# syn OUT synth ...         : a sox-made sound
syn() { local o=$1; shift; "${SOX[@]}" -n "${F[@]}" "$o" "$@" gain -n -6; }
# fx IN OUT effect ...      : reshape a sound
fx() { local i=$1 o=$2; shift 2; "${SOX[@]}" "$i" "${F[@]}" "$o" gain -n -12 "$@" gain -n -6; }
# join OUT IN...            : one after the other
join() { local o=$1; shift; "${SOX[@]}" "$@" "${F[@]}" "$o"; }
# mix OUT IN[@LEVEL]...     : on top of each other, each at LEVEL (default 1)
mix() {
    local o=$1 arg args=(); shift
    for arg in "$@"; do
        if [[ $arg == *@* ]]; then
            args+=(-v "$(awk -v v="${arg#*@}" -v n=$# 'BEGIN { print v / n }')" "${arg%@*}")
        else
            args+=(-v "$(awk -v n=$# 'BEGIN { print 1 / n }')" "$arg")
        fi
    done
    "${SOX[@]}" -m "${args[@]}" "${F[@]}" "$o" gain -n -6
}
# scale IN OUT FACTOR       : make a sound quieter
scale() { "${SOX[@]}" "$1" "${F[@]}" "$2" vol "$3"; }
# gap OUT SECONDS           : silence
gap() { syn "$1" trim 0 "$2"; }

# say OUT VOICE WORDS-PER-MINUTE PITCH(0-99) TEXT [effect ...]
# A spoken sound with the voice's own lead-in and tail silence removed.
say() {
    local o=$1 v=$2 s=$3 p=$4 text=$5; shift 5
    "${SPEAK[@]}" -v "$v" -s "$s" -p "$p" -w "$o.voice.wav" "$text"
    fx "$o.voice.wav" "$o" silence 1 0.005 -45d reverse silence 1 0.005 -45d reverse "$@"
}

# The additive synthesiser (osc.awk): one voice whose pitch follows a curve,
# or a run of notes; its settings are described there.
# osc OUT name=value ...
osc() {
    local o=$1 kv args=(); shift
    for kv in "$@"; do args+=(-v "$kv"); done
    "$AWK" -v R="$R" "${args[@]}" -f "$HERE/osc.awk" >"$o.dat"
    "${SOX[@]}" "$o.dat" "${F[@]}" "$o" gain -n -6
}

# Bursts of filtered noise at random moments (bursts.awk): hands clapping,
# sparks, splinters; its settings are described there.
# bursts OUT name=value ...
bursts() {
    local o=$1 kv args=(); shift
    for kv in "$@"; do args+=(-v "$kv"); done
    "$AWK" -v R="$R" "${args[@]}" -f "$HERE/bursts.awk" >"$o.dat"
    "${SOX[@]}" "$o.dat" "${F[@]}" "$o" gain -n -6
}

# fin MAX_SECONDS IN : the finished file for the sound being made, started at
# once, no longer than MAX_SECONDS, faded out, peaking at -3 dBFS.
fin() {
    local max=$1 in=$2 cut=()
    "${SOX[@]}" "$in" "${F[@]}" started.wav gain -n -1 silence 1 0.0005 -38d
    if awk -v d="$(soxi -D started.wav)" -v m="$max" 'BEGIN { exit !(d > m) }'; then
        cut=(trim 0 "$max" reverse fade q 0.1 reverse)
    fi
    "${SOX[@]}" started.wav -r "$R" -c 1 -b 16 -e signed-integer "$NAME.part.wav" \
        "${cut[@]}" fade q 0.003 reverse fade q 0.02 reverse gain -n -3
    mv "$NAME.part.wav" "$OUT/$NAME.wav"
}

# tune OUT STEP TIMBRE NOTE... : notes STEP seconds apart (semitones from A 440;
# "-" rests). Struck timbres ring for their own time; held ones sound for most
# of a step, and the last note is held for three.
tune() {
    local o=$1 step=$2 timbre=$3; shift 3
    local ring=0 hold=0 p=() dur notes
    case $timbre in
        marimba) ring=0.3 p=(pr="1:1:1,3.9:0.35:3,9.8:0.12:6" adec=14 att=0.002) ;;
        glock) ring=0.5 p=(pr="1:1:1,2.76:0.45:1.6,5.4:0.25:2.2,8.93:0.12:3" adec=6 att=0.001) ;;
        musicbox) ring=0.45 p=(pr="1:1:1,2:0.2:2,3:0.12:3,5.9:0.08:4" adec=8 att=0.001) ;;
        vibes) ring=0.5 p=(pr="1:1:1,4:0.3:2,10:0.05:4" adec=5 att=0.002 vr=6 vd=0.003) ;;
        steel) ring=0.4 p=(pr="1:1:1,2:0.6:1.3,3:0.35:1.6,4.2:0.3:2.2,5.1:0.15:2.8" adec=7 att=0.002) ;;
        pluck) ring=0.4 p=(nh=20 pw=1.2 hd=0.6 adec=7 att=0.001) ;;
        bell) ring=0.6 p=(pr="0.5:0.4:0.7,1:1:1,1.19:0.4:1.2,1.5:0.3:1.5,2:0.35:1.8,2.74:0.2:2.5" adec=5 att=0.001) ;;
        harp) ring=0.45 p=(nh=10 pw=1.6 hd=0.4 adec=6 att=0.001) ;;
        kalimba) ring=0.35 p=(pr="1:1:1,5.6:0.3:4,13.4:0.1:8" adec=9 att=0.001) ;;
        xylo) ring=0.22 p=(pr="1:1:1,3:0.3:3,6:0.1:5" adec=18 att=0.001) ;;
        chip) hold=0.85 p=(nh=15 odd=1 pw=1 adec=2 att=0.002 rel=0.01) ;;
        flute) hold=0.95 p=(nh=4 pw=2.5 vr=5.5 vd=0.006 att=0.03 rel=0.04 nz=0.01) ;;
        brass) hold=0.9 p=(nh=14 pw=1 hd=0.3 adec=2 att=0.03 rel=0.04) ;;
        organ) hold=0.95 p=(pr="0.5:0.5:0,1:1:0,2:0.6:0,3:0.3:0,4:0.25:0" att=0.008 rel=0.04) ;;
        square) hold=0.6 p=(nh=9 odd=1 pw=1 att=0.002 rel=0.01) ;;
        saw) hold=0.9 p=(nh=18 pw=1 vr=6 vd=0.008 att=0.01 rel=0.04) ;;
        ocarina) hold=0.9 p=(nh=2 pw=3 vr=5 vd=0.01 att=0.02 rel=0.04 nz=0.006) ;;
        clarinet) hold=0.9 p=(nh=11 odd=1 pw=1.5 att=0.02 rel=0.04 vr=5 vd=0.004) ;;
        *) echo "unknown timbre $timbre" >&2; return 1 ;;
    esac
    read -r dur notes < <(awk -v step="$step" -v ring="$ring" -v hold="$hold" -v list="$*" 'BEGIN {
        n = split(list, v, " ")
        for (i = 1; i <= n; i++) if (v[i] != "-") last = i
        for (i = 1; i <= n; i++) {
            if (v[i] == "-") continue
            len = ring > 0 ? ring : (i == last ? 3 : hold) * step
            out = out (out == "" ? "" : ",") (i - 1) * step ":" v[i] ":" len
            end = (i - 1) * step + len
        }
        print end + 0.01, out
    }')
    osc "$o" dur="$dur" nt="$notes" "${p[@]}"
}

# ---------------------------------------------------------------------------
# The recipes: a function s_NAME for each sound, in one file a theme under
# recipes/ beside this script (the game's own sounds have one too), read in
# the order of their names. A new theme is a new file there.
recipe_files=("$HERE"/recipes/*.sh)
[[ -f ${recipe_files[0]} ]] || { echo "$0: no recipes in $HERE/recipes" >&2; exit 1; }
# A sound given a recipe in two files would quietly get the later one.
twice=$(sed -n 's/^\(s_[A-Za-z0-9_]*\)().*/\1/p' "${recipe_files[@]}" | sort | uniq -d)
[[ -z $twice ]] || { echo "$0: more than one recipe for:" $twice >&2; exit 1; }
for recipe in "${recipe_files[@]}"; do
    # shellcheck source=/dev/null
    source "$recipe"
done

for n in "${NAMES[@]}"; do
    declare -F "s_$n" >/dev/null || { echo "$0: no recipe s_$n for $n" >&2; exit 1; }
done

failed=0
make_one() {
    NAME=$1
    mkdir -p "$W/$NAME" && cd "$W/$NAME"
    local status
    set +e
    (set -e; "s_$NAME") 2>"$W/$NAME.log"
    status=$?
    set -e
    if [[ -s $W/$NAME.log ]]; then sed "s/^/$NAME: /" "$W/$NAME.log" >&2; fi
    if ((status != 0)); then echo "$0: $NAME failed" >&2; exit 1; fi
    rm -rf "${W:?}/$NAME"
}
for n in "${NAMES[@]}"; do
    while (($(jobs -rp | wc -l) >= jobs_max)); do
        wait -n || failed=1
    done
    make_one "$n" &
done
while (($(jobs -rp | wc -l) > 0)); do
    wait -n || failed=1
done
wait || failed=1
for n in "${NAMES[@]}"; do
    [[ -s $OUT/$n.wav ]] || { echo "$0: $n.wav was not made" >&2; failed=1; }
done
exit $failed
