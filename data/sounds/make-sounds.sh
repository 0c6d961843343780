#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes every wave file the game plays: the four key-sound themes (animals,
# hidden jingles, cartoon, tech) and the greeting, praise and applause.
#
#   [QB_SOUND_JOBS=N] make-sounds.sh SOUND_LIST OUTPUT_FOLDER
#
# SOUND_LIST is sounds.txt beside this script: the names to make, each by the
# function s_NAME below. They are made N at a time (default: one for each
# core); scratch files go to a folder under $TMPDIR (default /tmp).
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

# ---------------------------------------------------------------------------
# Animals: voices imitating the animal, or the animal drawn from tones.

s_canaryhigh() {
    syn trill.wav synth 0.035 sine 3200:4700 fade q 0.004 0.035 0.012 pad 0 0.012 repeat 6
    syn call.wav synth 0.09 sine 5200:3600 sine mix 10400:7200 fade q 0.005 0.09 0.03 pad 0 0.02 repeat 1
    join x.wav trill.wav call.wav
    fin $KEY x.wav
}
s_smallDog() {
    say v.wav en-us+f4 240 99 "arf! arf!" pitch 500 highpass 250
    fin $KEY v.wav
}
s_sheepHigh() {
    say v.wav en+f3 110 90 "baaaah" pitch 350 tremolo 9 70 equalizer 1800 1q +6
    fin $KEY v.wav
}
s_sheepDeep() {
    say v.wav en+m3 140 20 "baaaah" pitch -250 tremolo 7 75 lowpass 2500
    fin $KEY v.wav
}
s_goatHighPitch() {
    say v.wav en+f2 160 99 "meh-eh-eh-eh" pitch 600 tremolo 13 85 equalizer 2500 1q +5
    fin $KEY v.wav
}
s_loons() {
    osc x.wav dur=0.74 c="0:560,0.12:620,0.26:1000,0.62:940,0.74:900" nh=4 pw=2.2 \
        vr=6 vd=0.012 att=0.05 rel=0.1 a="0:0.6,0.25:1,0.74:0.8"
    fx x.wav y.wav reverb 35 50 60 100 0 0
    fin $KEY y.wav
}
s_raven() {
    say v.wav en+croak 260 25 "kraak! kraak!" pitch -150 overdrive 12 bandpass 1200 1.2q
    fin $KEY v.wav
}
s_peacock() {
    say v.wav en+f2 220 99 "kee-AAAW" pitch 650 overdrive 6 highpass 400
    fin $KEY v.wav
}
s_parrot() {
    say v.wav en+f5 170 99 "hello!" pitch 450 highpass 500 equalizer 3000 1q +6 overdrive 3 lowpass 7000
    fin $KEY v.wav
}
s_swanHigh() {
    osc h1.wav dur=0.2 c="0:660,0.05:760,0.2:700" nh=14 pw=0.8 att=0.02 rel=0.05
    osc h2.wav dur=0.3 c="0:700,0.07:800,0.3:720" nh=14 pw=0.8 att=0.02 rel=0.08
    gap g.wav 0.09
    join x.wav h1.wav g.wav h2.wav
    fx x.wav y.wav bandpass 1500 1.5q overdrive 3 lowpass 6000
    fin $KEY y.wav
}
s_duck() {
    say v.wav en+m3 230 70 "quack quack" pitch 250 equalizer 1400 0.8q +10 overdrive 8
    fin $KEY v.wav
}
s_chicken() {
    say v.wav en+f2 300 90 "bok bok ba-GAWK" pitch 400 equalizer 2000 1q +4
    fin $KEY v.wav
}
s_dogWhine() {
    osc x.wav dur=0.7 c="0:900,0.18:1350,0.5:1150,0.7:950" nh=5 pw=1.6 \
        vr=7 vd=0.015 att=0.06 rel=0.15
    fx x.wav y.wav bandpass 1300 1q
    fin $KEY y.wav
}
s_puppyWhine() {
    osc a.wav dur=0.2 c="0:1300,0.08:1750,0.2:1450" nh=4 pw=1.8 att=0.03 rel=0.06
    osc b.wav dur=0.2 c="0:1250,0.08:1650,0.2:1350" nh=4 pw=1.8 att=0.03 rel=0.06
    osc c.wav dur=0.26 c="0:1200,0.1:1600,0.26:1100" nh=4 pw=1.8 att=0.03 rel=0.1
    gap g.wav 0.04
    join x.wav a.wav g.wav b.wav g.wav c.wav
    fin $KEY x.wav
}
s_cricket() {
    syn c.wav synth 0.13 sine 4400 sine mix 8800 tremolo 48 100 fade q 0.005 0.13 0.02 pad 0 0.11 repeat 2
    fin $KEY c.wav
}
s_owl() {
    osc h1.wav dur=0.2 c="0:410,0.2:380" nh=2 pw=3 att=0.05 rel=0.09 nz=0.02 seed=7
    osc h2.wav dur=0.14 c="0:400,0.14:385" nh=2 pw=3 att=0.04 rel=0.06 nz=0.02 seed=8
    osc h3.wav dur=0.22 c="0:410,0.22:360" nh=2 pw=3 att=0.05 rel=0.1 nz=0.02 seed=9
    gap g1.wav 0.1
    gap g2.wav 0.04
    join x.wav h1.wav g1.wav h2.wav g2.wav h3.wav
    fx x.wav y.wav lowpass 1200 reverb 20
    fin $KEY y.wav
}
s_coyote() {
    osc y1.wav dur=0.07 c="0:900,0.07:1300" nh=3 pw=1.5 att=0.01 rel=0.02
    osc y2.wav dur=0.07 c="0:1000,0.07:1400" nh=3 pw=1.5 att=0.01 rel=0.02
    osc h.wav dur=0.5 c="0:700,0.15:1250,0.4:1150,0.5:800" nh=3 pw=1.5 vr=6 vd=0.02 \
        att=0.04 rel=0.12
    gap g.wav 0.05
    join x.wav y1.wav g.wav y2.wav g.wav h.wav
    fx x.wav y.wav reverb 30
    fin $KEY y.wav
}
s_dogGrowl() {
    say v.wav en+croak 90 5 "grrrrr" pitch -450 overdrive 10 lowpass 1500
    osc r.wav dur=0.7 c="0:95,0.35:105,0.7:90" nh=20 pw=1 att=0.05 rel=0.1
    fx r.wav r2.wav tremolo 26 80 lowpass 700
    mix x.wav v.wav r2.wav
    fin $KEY x.wav
}
s_lionGrowl() {
    say v.wav en+m7 110 0 "rrrohhwr" pitch -650 overdrive 18 lowpass 1800
    syn n.wav synth 0.75 brownnoise lowpass 400 fade q 0.15 0.75 0.4
    osc r.wav dur=0.75 c="0:70,0.3:95,0.75:60" nh=25 pw=0.9 att=0.12 rel=0.3
    fx r.wav r2.wav tremolo 18 50 overdrive 10
    mix x.wav v.wav n.wav@0.7 r2.wav
    fin $KEY x.wav
}
s_pigHigh() {
    say v.wav en+f4 260 99 "oink! oink!" pitch 300 equalizer 1200 1q +8
    fin $KEY v.wav
}
s_pigDeep() {
    say v.wav en+m3 220 10 "oinnk oinnk" pitch -300 overdrive 12 tremolo 22 50 lowpass 2000
    fin $KEY v.wav
}
s_dog1() {
    say v.wav en-us+m3 250 40 "woof woof" pitch -150 overdrive 5 lowpass 3000
    fin $KEY v.wav
}
s_frogDouble() {
    say v.wav en+croak 260 20 "ribbit ribbit" pitch -250 tremolo 35 50 bass +6
    fin $KEY v.wav
}
s_cowMedium() {
    say v.wav en+m3 120 30 "moooo" pitch -400 lowpass 2500
    fin $KEY v.wav
}
s_cowLow() {
    say v.wav en+m1 110 0 "mooooh" pitch -800 overdrive 6 lowpass 1500
    fin $KEY v.wav
}
s_gorilla() {
    osc thump.wav dur=0.085 c="0:210,0.085:130" pr="1:1:1,1.6:0.4:1.5,2.3:0.2:2" adec=30 att=0.002 rel=0.01
    join beats.wav thump.wav thump.wav thump.wav thump.wav thump.wav thump.wav thump.wav
    say v.wav en+m1 150 0 "ooh ooh" pitch -500 lowpass 1200
    fx v.wav v2.wav pad 0.3
    mix x.wav beats.wav v2.wav@0.6
    fin $KEY x.wav
}

# ---------------------------------------------------------------------------
# Hidden theme: little tunes, each with its own instrument.

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

s_Ferris1() { tune x.wav 0.1 marimba 3 7 10 15 10 15; fin $KEY x.wav; }
s_Ferris2() { tune x.wav 0.12 glock -2 2 5 10 - 14; fin $KEY x.wav; }
s_Ferris3() { tune x.wav 0.08 chip 8 12 15 20 15 20 24; fin $KEY x.wav; }
s_Ferris4() { tune x.wav 0.11 flute 5 9 12 17 12 17; fin $KEY x.wav; }
s_Ferris5() { tune x.wav 0.1 brass -2 -2 -2 3 - 3; fin $KEY x.wav; }
s_Ferris6() { tune x.wav 0.1 organ 0 4 7 12 7 12; fin $KEY x.wav; }
s_Ferris7() { tune x.wav 0.07 musicbox 15 17 19 20 22 24 27; fin $KEY x.wav; }
s_Ferris8() { tune x.wav 0.1 vibes 0 4 7 11 12 - 16; fin $KEY x.wav; }
s_Ferris9() { tune x.wav 0.09 steel 10 14 17 22 17 22; fin $KEY x.wav; }
s_BFerris1() { tune x.wav 0.1 pluck 15 10 7 10 15 22; fin $KEY x.wav; }
s_BFerris2() { tune x.wav 0.08 square 3 15 10 22 15 27; fin $KEY x.wav; }
s_BFerris3() { tune x.wav 0.1 saw 5 7 9 12 - 17; fin $KEY x.wav; }
s_BFerris4() { tune x.wav 0.14 bell 22 19 15 22 - 27; fin $KEY x.wav; }
s_BFerris5() { tune x.wav 0.11 ocarina 7 9 11 14 11 19; fin $KEY x.wav; }
s_BFerris6() { tune x.wav 0.09 harp 0 4 7 12 16 19 24; fin $KEY x.wav; }
s_BFerris7() { tune x.wav 0.1 kalimba 12 16 19 16 12 24; fin $KEY x.wav; }
s_BFerris8() { tune x.wav 0.1 clarinet 2 5 9 5 9 14; fin $KEY x.wav; }
s_BFerris9() { tune x.wav 0.065 xylo 27 24 20 15 20 24 27 32; fin $KEY x.wav; }

# ---------------------------------------------------------------------------
# Cartoon: boings, splats, pops, twangs, whistles and skids.

s_splat1() {
    syn n.wav synth 0.4 brownnoise lowpass 2500 fade l 0.001 0.4 0.39
    osc t.wav dur=0.15 c="0:160,0.15:55" nh=3 pw=2 adec=20 att=0.001
    mix x.wav n.wav t.wav
    fin $KEY x.wav
}
s_splat2() {
    syn n.wav synth 0.25 pinknoise highpass 300 lowpass 4000 fade l 0.001 0.25 0.24
    bursts b.wav dur=0.4 rates="0:60,0.4:10" tau=0.006 lo=500 hi=1400 q=6 seed=31
    fx b.wav b2.wav pad 0.08
    mix x.wav n.wav b2.wav
    fin $KEY x.wav
}
s_cartoonA() {   # a spring boing
    osc x.wav dur=0.7 c="0:180,0.7:165" nh=6 pw=1.5 vr=14 vd=0.35 vdec=3 adec=4 att=0.002
    fin $KEY x.wav
}
s_cartoonB() {   # slide whistle up and back down
    osc x.wav dur=0.7 c="0:600,0.3:1900,0.42:1800,0.7:800" nh=2 pw=3 vr=6 vd=0.01 \
        att=0.03 rel=0.08 nz=0.015 seed=99
    fin $KEY x.wav
}
s_cartoonC() {   # a tumble down the xylophone
    tune x.wav 0.05 xylo 39 36 32 29 27 24 20 17 15 12 8; fin $KEY x.wav
}
s_wapwapwa() {   # the sad trombone
    osc x.wav dur=0.74 nt="0:-10,0.17:-11,0.34:-12" nl=0.17 nh=16 pw=1 hd=0.2 \
        att=0.04 rel=0.04
    osc y.wav dur=0.5 nt="0:-13" nl=0.5 nh=16 pw=1 hd=0.2 vr=5 vd=0.03 att=0.04 rel=0.1
    fx y.wav y2.wav pad 0.51
    mix z.wav x.wav y2.wav
    fx z.wav z2.wav lowpass 1600 tremolo 5.9 30
    fin $KEY z2.wav
}
s_weep() {
    osc x.wav dur=0.3 c="0:500,0.3:2600" nh=2 pw=3 att=0.02 rel=0.04
    fin $KEY x.wav
}
s_doink() {
    osc x.wav dur=0.4 c="0:700,0.06:350,0.4:330" nh=5 pw=2 vr=18 vd=0.06 vdec=6 adec=8 att=0.002
    fin $KEY x.wav
}
s_Wrrrr() {
    osc x.wav dur=0.7 c="0:110,0.5:160,0.7:150" nh=25 pw=1 att=0.02 rel=0.08
    fx x.wav y.wav tremolo 27 90 lowpass 2500
    fin $KEY y.wav
}
s_corkpop() {
    osc p.wav dur=0.05 c="0:1100,0.05:450" nh=2 pw=2 adec=40 att=0.0005
    syn f.wav synth 0.4 whitenoise gain -12 highpass 3500 fade l 0 0.4 0.38
    mix x.wav p.wav f.wav@0.3
    fin $KEY x.wav
}
s_doubtake() {   # two quick whoops
    osc a.wav dur=0.14 c="0:500,0.14:1500" nh=2 pw=3 att=0.01 rel=0.03
    osc b.wav dur=0.2 c="0:600,0.2:2200" nh=2 pw=3 att=0.01 rel=0.04
    gap g.wav 0.06
    join x.wav a.wav g.wav b.wav
    fin $KEY x.wav
}
s_peeeow() {
    osc x.wav dur=0.6 c="0:2400,0.6:220" nh=7 odd=1 pw=1.2 vr=9 vd=0.02 att=0.005 rel=0.1
    fx x.wav y.wav lowpass 4500
    fin $KEY y.wav
}
s_pingpong() {
    osc ping.wav dur=0.06 c="0:2300" pr="1:1:1,2.4:0.3:2" adec=70 att=0.0005
    osc pong.wav dur=0.06 c="0:1600" pr="1:1:1,2.4:0.3:2" adec=70 att=0.0005
    gap g1.wav 0.14
    gap g2.wav 0.12
    gap g3.wav 0.1
    join x.wav ping.wav g1.wav pong.wav g2.wav ping.wav g3.wav pong.wav
    fin $KEY x.wav
}
s_skid1() {
    osc s.wav dur=0.7 c="0:1350,0.7:1050" nh=7 odd=1 pw=1.4 vr=17 vd=0.01 att=0.01 rel=0.2
    syn n.wav synth 0.7 pinknoise bandpass 1200 2q fade q 0.01 0.7 0.2
    mix x.wav s.wav n.wav@0.6
    fin $KEY x.wav
}
s_tosfwee() {
    syn n.wav synth 0.3 pinknoise bandpass 900 1q fade q 0.15 0.3 0.12
    osc w.wav dur=0.35 c="0:900,0.35:2700" nh=2 pw=3 att=0.03 rel=0.06 nz=0.03
    fx w.wav w2.wav pad 0.2
    mix x.wav n.wav w2.wav
    fin $KEY x.wav
}
s_twangang() {   # a mouth harp
    osc x.wav dur=0.72 nt="0:-26,0.24:-26,0.48:-26" nl=0.24 nh=30 pw=0.8 adec=5 att=0.002 rel=0.02
    fx x.wav y.wav phaser 0.8 0.74 3 0.4 1.8 -t bandpass 900 0.7q
    fin $KEY y.wav
}
s_jetsons1() {   # a warbling flying saucer
    osc x.wav dur=0.7 c="0:600,0.35:1400,0.7:1000" nh=3 pw=2 vr=11 vd=0.09 att=0.02 rel=0.08
    fin $KEY x.wav
}
s_Pop() {
    osc x.wav dur=0.09 c="0:350,0.03:1300,0.09:1200" nh=2 pw=2 adec=45 att=0.001
    fin $KEY x.wav
}
s_raspberry() {
    osc x.wav dur=0.65 c="0:75,0.3:85,0.65:70" nh=40 pw=0.7 vr=3 vd=0.05 att=0.02 rel=0.1 nz=0.15
    fx x.wav y.wav tremolo 32 85 lowpass 1800
    fin $KEY y.wav
}
s_plankcra() {
    bursts c.wav dur=0.6 rates="0:140,0.18:140,0.25:12,0.6:4" tau=0.0025 lo=600 hi=4000 q=3 sharp=2 seed=77
    osc t.wav dur=0.3 c="0:190,0.3:150" pr="1:1:1,2.3:0.5:2,4.1:0.2:3" adec=14 att=0.001
    mix x.wav c.wav t.wav
    fin $KEY x.wav
}
s_twang() {      # a ruler flicked on a desk
    osc x.wav dur=0.7 c="0:190,0.7:150" nh=20 pw=1 hd=0.3 adec=5 att=0.001
    fx x.wav y.wav tremolo 19 60
    fin $KEY y.wav
}
s_twing() {
    osc x.wav dur=0.45 c="0:1450,0.05:1320" nh=6 pw=1.3 hd=1 adec=9 att=0.001
    fin $KEY x.wav
}
s_shoow() {
    syn x.wav synth 0.6 pinknoise bandpass 1100 1.5q bend 0,900,0.28 0,-1200,0.28 fade q 0.2 0.6 0.3
    fin $KEY x.wav
}
s_iaiaia() {
    say v.wav en+f3 260 95 "ai ai ai!" pitch 250
    fin $KEY v.wav
}
s_rahr() {
    say v.wav en+m3 180 45 "rahrr!" pitch -100 overdrive 8 echo 0.8 0.7 40 0.3
    fin $KEY v.wav
}

# ---------------------------------------------------------------------------
# Tech: beeps, sweeps, doors, chimes, sparks and hums.

s_Trekdoor() {
    syn n.wav synth 0.55 whitenoise gain -12 highpass 1500 lowpass 7000 bend 0,700,0.25 \
        fade q 0.04 0.55 0.3
    osc t.wav dur=0.3 c="0:900,0.3:1400" nh=3 pw=2 att=0.02 rel=0.1
    mix x.wav n.wav t.wav@0.4
    fin $KEY x.wav
}
s_alert1() {
    osc x.wav dur=0.72 nt="0:15,0.12:8,0.24:15,0.36:8,0.48:15,0.6:8" nl=0.11 nh=9 odd=1 pw=1 att=0.002 rel=0.005
    fin $KEY x.wav
}
s_photon() {
    osc z.wav dur=0.4 c="0:1900,0.4:110" nh=12 pw=1 att=0.001 rel=0.1
    syn n.wav synth 0.2 whitenoise lowpass 3000 fade l 0.001 0.2 0.19
    mix x.wav z.wav n.wav@0.5
    fx x.wav y.wav echo 0.8 0.7 70 0.4 140 0.2
    fin $KEY y.wav
}
s_wowoShort() {
    osc x.wav dur=0.55 c="0:520" nh=3 pw=2 vr=4 vd=0.3 att=0.02 rel=0.08
    fx x.wav y.wav tremolo 4 40
    fin $KEY y.wav
}
s_compuBeep() {
    osc x.wav dur=0.7 nt="0:21,0.07:14,0.14:26,0.21:9,0.28:28,0.35:17,0.42:23,0.49:7,0.56:19" \
        nl=0.05 nh=7 odd=1 pw=1.3 att=0.002 rel=0.005
    fin $KEY x.wav
}
s_Grunge() {
    osc a.wav dur=0.65 c="0:55" nh=40 pw=0.8 att=0.01 rel=0.1
    osc b.wav dur=0.65 c="0:58.5" nh=40 pw=0.8 att=0.01 rel=0.1
    syn n.wav synth 0.65 brownnoise
    mix x.wav a.wav b.wav n.wav@0.4
    fx x.wav y.wav overdrive 25 10 lowpass 3000
    fin $KEY y.wav
}
s_Zing() {
    osc x.wav dur=0.57 c="0:900,0.12:4200,0.57:4300" pr="1:1:1,1.41:0.4:1.5,2.23:0.2:2" \
        vr=9 vd=0.004 a="0:0.6,0.12:1,0.57:0.03" att=0.002
    fin $KEY x.wav
}
s_revThrust() {
    syn n.wav synth 0.7 brownnoise lowpass 2500 fade l 0 0.7 0.69
    osc r.wav dur=0.7 c="0:95,0.7:60" nh=30 pw=1 adec=5 att=0.001
    mix x.wav n.wav r.wav
    fx x.wav y.wav reverse bend 0.1,500,0.5
    fin $KEY y.wav
}
s_flyOver() {
    syn n.wav synth 0.75 pinknoise lowpass 3500 fade q 0.3 0.75 0.4
    osc j.wav dur=0.75 c="0:520,0.3:480,0.45:330,0.75:300" nh=10 pw=1.2 att=0.3 rel=0.4
    mix x.wav n.wav j.wav@0.5
    fin $KEY x.wav
}
s_justWeird() {
    osc x.wav dur=0.7 c="0:300,0.35:900,0.7:450" nh=4 pw=1.5 vr=23 vd=0.45 att=0.01 rel=0.1
    fx x.wav y.wav phaser 0.8 0.74 4 0.4 1.5 -s
    fin $KEY y.wav
}
s_justWeird2() {
    osc a.wav dur=0.65 c="0:900,0.65:420" nh=2 pw=2 vr=8 vd=0.03 att=0.01 rel=0.1
    osc b.wav dur=0.65 c="0:180,0.65:260" att=0.01 rel=0.1
    "${SOX[@]}" -T a.wav b.wav "${F[@]}" x.wav gain -n -12 echo 0.8 0.8 55 0.5 gain -n -6
    fin $KEY x.wav
}
s_Astral() {
    osc a.wav dur=0.75 nt="0:15,0.06:19,0.12:22,0.18:26" nl=0.7 pr="1:1:0.5,2:0.3:1,3:0.1:1.5" \
        adec=2 att=0.04 rel=0.2 vr=4 vd=0.003
    fx a.wav y.wav reverb 60
    fin $KEY y.wav
}
s_alienBabble() {
    say v.wav en+f2 380 99 "zibba gloop neekee blik" pitch 700 flanger 0 3 0 80 8 sine tremolo 17 40
    fin $KEY v.wav
}
s_robotChimes() {
    osc x.wav dur=0.75 nt="0:14,0.1:21,0.2:9,0.3:17,0.4:26" nl=0.35 \
        pr="1:1:1,1.73:0.5:1.4,2.41:0.35:2,3.6:0.2:2.5" adec=7 att=0.001
    syn m.wav synth 0.75 sine 330
    "${SOX[@]}" -T x.wav m.wav "${F[@]}" rm.wav
    mix y.wav x.wav rm.wav@0.7
    fin $KEY y.wav
}
s_bibBabble() {
    say v.wav en+m3 360 35 "bibba bab bibbity bob" pitch -200 echo 0.8 0.7 7 0.6 overdrive 4
    fin $KEY v.wav
}
s_funnel() {
    osc s.wav dur=0.7 c="0:1700,0.7:180" nh=3 pw=2 vr=12 vd=0.15 att=0.01 rel=0.1
    syn n.wav synth 0.7 pinknoise bandpass 800 0.7q phaser 0.8 0.74 3 0.4 2 -t fade q 0.05 0.7 0.2
    mix x.wav s.wav n.wav@0.5
    fin $KEY x.wav
}
s_circSaw() {
    osc s.wav dur=0.72 c="0:1200,0.15:2300,0.72:2250" nh=12 pw=1 vr=31 vd=0.01 att=0.02 rel=0.08
    syn n.wav synth 0.72 whitenoise bandpass 3200 1.5q
    mix x.wav s.wav n.wav@0.4
    fx x.wav y.wav overdrive 8
    fin $KEY y.wav
}
s_turntable() {  # a record scratched back and forth
    osc s.wav dur=0.6 c="0:320" nh=24 pw=1 vr=5 vd=0.8 att=0.005 rel=0.05 nz=0.4 seed=5
    fx s.wav y.wav bandpass 1200 0.6q tremolo 10 70
    fin $KEY y.wav
}
s_menace() {
    osc a.wav dur=0.75 c="0:55,0.75:52" nh=30 pw=1 att=0.05 rel=0.15
    osc b.wav dur=0.75 c="0:77.8,0.75:73.4" nh=30 pw=1 att=0.05 rel=0.15
    mix x.wav a.wav b.wav
    fx x.wav y.wav lowpass 700 tremolo 3 50 bass +4
    fin $KEY y.wav
}
s_lightsaber() {
    osc a.wav dur=0.72 c="0:92,0.3:105,0.72:88" nh=30 pw=0.9 att=0.03 rel=0.12
    osc b.wav dur=0.72 c="0:94,0.3:108,0.72:90" nh=30 pw=0.9 att=0.03 rel=0.12
    mix x.wav a.wav b.wav
    fx x.wav y.wav overdrive 12 lowpass 2800 tremolo 2.5 35
    fin $KEY y.wav
}
s_crackle() {
    bursts x.wav dur=0.7 rates="0:45,0.7:45" tau=0.0012 lo=1500 hi=7000 q=1 sharp=3 seed=2024
    fin $KEY x.wav
}
s_strangeWhine() {
    osc a.wav dur=0.7 c="0:600,0.7:2200" nh=2 pw=2 vr=7 vd=0.04 att=0.03 rel=0.1
    osc b.wav dur=0.7 c="0:612,0.7:2245" nh=1 vr=5 vd=0.03 att=0.03 rel=0.1
    mix x.wav a.wav b.wav
    fin $KEY x.wav
}
s_alienSpark() {
    bursts z.wav dur=0.35 rates="0:30,0.35:30" tau=0.004 lo=3000 hi=8000 q=2 sharp=1 seed=11
    osc w.wav dur=0.5 c="0:2900,0.5:3500" nh=2 pw=2 vr=38 vd=0.2 att=0.01 rel=0.1
    fx w.wav w2.wav pad 0.2
    mix x.wav z.wav w2.wav
    fin $KEY x.wav
}
s_aRev() {       # a chime played backwards
    osc b.wav dur=0.7 c="0:660" pr="1:1:1,2.76:0.5:1.5,5.4:0.3:2,8.9:0.15:3" adec=5 att=0.001
    fx b.wav y.wav reverb 50 reverse
    fin $KEY y.wav
}
s_nicebeep() {
    osc x.wav dur=0.32 nt="0:27,0.12:31" nl=0.16 pr="1:1:0,2:0.25:0" att=0.005 rel=0.03
    fin $KEY x.wav
}
s_spaceChime() {
    osc x.wav dur=0.75 nt="0:31,0.05:38" nl=0.7 pr="1:1:1,2.76:0.4:1.5,5.4:0.2:2" adec=4 att=0.001 vr=7 vd=0.002
    fx x.wav y.wav echo 0.8 0.55 90 0.45 170 0.25 tremolo 9 25
    fin $KEY y.wav
}

# ---------------------------------------------------------------------------
# Greeting, praise and applause.

s_claugh() {     # a giggle: "hee"s, then "ha"s falling in pitch, and a breath
    local i=0 syl word cents parts=()
    for syl in hee:700 hee:650 ha:600 ha:520 ha:450 ha:380 ha:300 ha:220; do
        word=${syl%:*} cents=${syl#*:}
        say h$i.wav en+f4 300 80 "$word" pitch "$cents" tempo 1.25
        gap g$i.wav 0.035
        parts+=(h$i.wav g$i.wav); i=$((i + 1))
    done
    syn breath.wav synth 0.22 pinknoise highpass 1200 lowpass 5000 fade q 0.1 0.22 0.1
    scale breath.wav b2.wav 0.3
    join x.wav "${parts[@]}" b2.wav
    fin 2.4 x.wav
}
s_goodJob() {
    say v.wav en-us+f4 150 75 "Good job!" pitch 150
    fin 1.45 v.wav
}
s_manyClapping() {
    bursts x.wav dur=2.9 rates="0:40,0.3:110,1.8:100,2.9:15" tau=0.005 lo=700 hi=2600 q=2.5 sharp=1.5 seed=1234
    fx x.wav y.wav reverb 30 fade q 0.001 2.9 0.9
    fin 2.9 y.wav
}

# ---------------------------------------------------------------------------


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
