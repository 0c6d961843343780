#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The figures of the running program, on a private X server (Xvfb, no window
# manager) and a private PulseAudio server whose only sink is a null sink:
#
#   1. start time: from starting the program to its first window mapped, and
#      to that window painted (90 % of a grid of its pixels drawn), for the
#      game (the splash) and for a bare Qt 6 window built in the same build,
#      and the bare window with one line of text, taken in turns; the ratios
#      of the medians.
#   2. memory: resident set of the game once its main window is up, and of
#      the bare window; and of the game again once it has said ten words
#      (its voice engines loaded), after 5.
#   3. the key and answer benchmarks of qb_bench again, on this X server
#      instead of Qt's offscreen platform, so that putting the pixels on
#      the screen is counted too.
#   4. key to sound: from a key pressed with xdotool to the first sample of
#      that key's sound leaving the null sink, recorded with parec.
#   5. Next Word to the word heard: from Ctrl+N pressed to the first sample
#      of the spoken word at -38 dBFS or louder leaving the null sink.
#
#   bench/process-figures.sh [BUILD_DIR] [--runs N] [--presses N] [--record-msec MS]
#                            [--compare OTHER_BUILD_DIR]... [--progress FILE]
#
# BUILD_DIR defaults to build-bench (configured as a Release build when it
# does not exist yet); what the figures need is built there first. Each
# --compare adds the game of another build tree, built already (another
# version of the game, checked out apart), started in the same turns for 1
# and 2 and named compared1, compared2... in the output.
# --progress starts every game with FILE as what it has kept of the children's
# play (a year's, as QB_BENCH_KEEP_YEAR=FILE qb_bench makes it).
# See docs/performance.md for the method and its error bars.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$here/../build-bench
runs=15 presses=24 record_msec=10 others=() progress=''
while (($#)); do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --presses) presses=$2; shift 2 ;;
    --record-msec) record_msec=$2; shift 2 ;;
    --compare) others+=("$(cd "$2/bin" && pwd)") || exit 2; shift 2 ;;
    --progress) progress=$(realpath "$2") || exit 2; shift 2 ;;
    -*) echo "process-figures.sh: unknown option $1" >&2; exit 2 ;;
    *) build=$1; shift ;;
    esac
done

missing=()
for tool in cmake Xvfb xdotool pulseaudio pactl pacat parec sox setsid; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]})); then
    echo "process-figures.sh: missing ${missing[*]} (\`bash setup.sh test\` installs them)" >&2
    exit 1
fi

echo "== building in $build"
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$here/.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQB_BUILD_BENCHMARKS=ON >/dev/null || exit 1
fi
cmake --build "$build" --parallel 2 --target quillobrite qb_bench qb_barewindow qb_xwatch qb_keyprobe \
    quillobrite_grades quillobrite_sounds >/dev/null || exit 1
bin=$(cd "$build/bin" && pwd)
tools=$(cd "$build/bench" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/quillobrite-figures.XXXXXX")
mkdir -p "$work/game"
groups=()

# Every background process leads a process group of its own (setsid), and
# only those groups are ended on the way out.
cleanup() {
    local g i
    for ((i = ${#groups[@]} - 1; i >= 0; i--)); do
        g=${groups[i]}
        kill -TERM -- "-$g" 2>/dev/null
    done
    sleep 0.2
    for g in "${groups[@]}"; do
        kill -KILL -- "-$g" 2>/dev/null
        wait "$g" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The game speaks English here whatever the desktop's language: the word
# figure is that of flite's voice.
export LANGUAGE='' LC_ALL=C.UTF-8

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

echo "== machine"
echo "nproc $(nproc); $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'); load $(load)"

# --- display and sound server ------------------------------------------------

started() { groups+=("$1"); }
. "$here/../tests/e2e/servers.sh"
private_servers "$work" figures started || exit 1

# The program folder: the executable beside its voice engines, the grade
# lists and the sounds.
cp "$bin/quillobrite" "$bin"/quillobrite-voice-*.so "$bin"/*.dat "$bin"/*.wav "$work/game/"
games=(game)
for other in "${others[@]}"; do
    g=compared$((${#games[@]}))
    mkdir -p "$work/$g"
    cp "$other/quillobrite" "$other"/*.dat "$other"/*.wav "$work/$g/" || exit 1
    cp "$other"/quillobrite-voice-*.so "$work/$g/" 2>/dev/null
    echo "$g: the game of $other"
    games+=("$g")
done

if [[ -n $progress ]]; then
    mkdir -p "$HOME/.local/share/Quillobrite" &&
        cp "$progress" "$HOME/.local/share/Quillobrite/progress.sqlite" || exit 1
    echo "the games start with $(du -h "$progress" | cut -f1) kept in $progress"
fi

# --- 1. start time -----------------------------------------------------------

first_map() { # PROGRAM [ARG...]: seconds from start to its first window mapped, and painted
    "$tools/qb_xwatch" --painted --maps 1 -- "$@" |
        awk '$1 == "map" { m = $3 } $1 == "painted" { print m, $3; exit }'
}

echo "== start time, $runs runs each in turns (after one unmeasured run each); load $(load)"
first_map "$tools/qb_barewindow" >/dev/null
first_map "$tools/qb_barewindow" --text >/dev/null
for g in "${games[@]}"; do first_map "$work/$g/quillobrite" >/dev/null; done
: >"$work/bare.start" && : >"$work/text.start"
for g in "${games[@]}"; do : >"$work/$g.start"; done
for ((i = 1; i <= runs; i++)); do
    first_map "$tools/qb_barewindow" >>"$work/bare.start"
    first_map "$tools/qb_barewindow" --text >>"$work/text.start"
    for g in "${games[@]}"; do first_map "$work/$g/quillobrite" >>"$work/$g.start"; done
done
column() { awk -v c="$1" '{ print $c }' "$2"; }
for w in bare text "${games[@]}"; do
    for what in map:1 painted:2; do
        printf -v "${w}_${what%:*}" '%s' "$(column "${what#*:}" "$work/$w.start" | median)"
    done
done
bare_start=$bare_map text_start=$text_map game_start=$game_map
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
for w in bare text "${games[@]}"; do
    echo "$w mapped:  $(column 1 "$work/$w.start" | sort -g | tr '\n' ' ')"
    echo "$w painted: $(column 2 "$work/$w.start" | sort -g | tr '\n' ' ')"
done
start_ratio=$(ratio "$game_start" "$bare_start")
paint_ratio=$(ratio "$game_painted" "$text_painted")
echo "median mapped: bare $bare_start s, bare with text $text_start s (ratio $(ratio "$text_start" "$bare_start")), game $game_start s (ratio $start_ratio)"
echo "median painted: bare $bare_painted s, bare with text $text_painted s, game $game_painted s (ratio to the bare window with text $paint_ratio; budget 1.50); load $(load)"
for g in "${games[@]:1}"; do
    m=${g}_map p=${g}_painted
    echo "median painted: $g ${!p} s (ratio to the bare window with text $(ratio "${!p}" "$text_painted")), mapped ${!m} s"
done

# --- 2. memory ---------------------------------------------------------------

# The game's second window is the main window, shown once the greeting has
# played; the resident set is read a second after.
rss_after() { # MAPS PROGRAM: kilobytes resident
    "$tools/qb_xwatch" --maps "$1" --settle 1000 -- "$2" | awk '$1 == "rss" { print $2 }'
}
echo "== memory, 5 runs each; load $(load)"
: >"$work/bare.rss"
for g in "${games[@]}"; do : >"$work/$g.rss"; done
for ((i = 1; i <= 5; i++)); do
    rss_after 1 "$tools/qb_barewindow" >>"$work/bare.rss"
    for g in "${games[@]}"; do rss_after 2 "$work/$g/quillobrite" >>"$work/$g.rss"; done
done
bare_rss=$(median <"$work/bare.rss")
game_rss=$(median <"$work/game.rss")
echo "bare window kB: $(sort -g "$work/bare.rss" | tr '\n' ' ')"
echo "game kB:        $(sort -g "$work/game.rss" | tr '\n' ' ')"
for g in "${games[@]:1}"; do
    echo "$g kB:   $(sort -g "$work/$g.rss" | tr '\n' ' ')" \
        "(median $(awk -v k="$(median <"$work/$g.rss")" 'BEGIN { printf "%.1f", k / 1024 }') MB)"
done
echo "median: bare $(awk -v k="$bare_rss" 'BEGIN { printf "%.1f", k / 1024 }') MB," \
    "game $(awk -v k="$game_rss" 'BEGIN { printf "%.1f", k / 1024 }') MB (budget 50 MB)"

# --- 3. the window's own work, on the X server --------------------------------

echo "== key and answer benchmarks on the X server; load $(load)"
QT_QPA_PLATFORM=xcb "$tools/qb_bench" --benchmark_filter='^(KeyDownUp|CheckAndHide)' \
    --benchmark_repetitions=9 2>&1 | tee "$work/xbench.txt" | sed -n '/^benchmark (median)/,$p'

# --- 4. key to sound ---------------------------------------------------------

# The pressed keys' sounds (Animals: A chicken, S dogWhine, D cricket, F owl)
# are replaced by a quarter second of square wave in the same format as the
# rest: its first sample is already at full level, so its onset is exact.
for w in chicken dogWhine cricket owl; do
    sox -n -r 22050 -c 1 -b 16 -e signed-integer "$work/game/$w.wav" synth 0.25 square 440 vol 0.5
done
echo "== key to sound, $presses presses, recording with parec --latency-msec=$record_msec; load $(load)"
(cd "$work/game" && exec setsid ./quillobrite >"$work/game.log" 2>&1) &
game_pid=$!
groups+=("$game_pid")
win=''
for _ in {1..100}; do
    win=$(xdotool search --onlyvisible --name '^Quillobrite!$' 2>/dev/null | head -n 1)
    [[ -n $win ]] && break
    sleep 0.1
done
[[ -n $win ]] || { echo "the game's main window did not come up" >&2; exit 1; }
sleep 0.5
xdotool windowfocus --sync "$win"
sleep 0.3
# The recorder and the probe run at real-time priority where that is allowed,
# so that a busy machine delays their reading as little as possible; the
# game runs as it always does.
rt=()
chrt -f 20 true 2>/dev/null && rt=(chrt -f 20)
"${rt[@]}" parec --raw --format=s16le --rate=22050 --channels=1 --latency-msec="$record_msec" \
    --device=figures.monitor 2>"$work/parec.log" |
    "${rt[@]}" "$tools/qb_keyprobe" --window "$win" --rate 22050 --keys asdf --presses "$presses" \
        --gap-ms 1200 | tee "$work/keys.txt"
echo "load $(load)"

# --- 5. Next Word to the word heard -------------------------------------------

# Ten words: the first-grade draw, in English (flite's voice). A sample of
# 400 (-38 dBFS) is where the voice's lead-in is over and the word is heard.
echo "== Next Word to the word heard, 10 words; load $(load)"
"${rt[@]}" parec --raw --format=s16le --rate=22050 --channels=1 --latency-msec="$record_msec" \
    --device=figures.monitor 2>>"$work/parec.log" |
    "${rt[@]}" "$tools/qb_keyprobe" --window "$win" --rate 22050 --key ctrl+n --presses 10 \
        --gap-ms 1500 --level 400 | tee "$work/words.txt"
# The first word loaded the voice engine that said it.
said_rss=$(awk '$1 == "VmRSS:" { print $2 }' "/proc/$game_pid/status")
echo "resident set after the words: $(awk -v k="$said_rss" 'BEGIN { printf "%.1f", k / 1024 }') MB; load $(load)"

echo "== summary"
echo "start to splash painted: game $game_painted s, bare Qt window with one line of text $text_painted s," \
    "ratio $paint_ratio (budget <= 1.50)"
echo "  (mapped: game $game_start s, bare Qt window $bare_start s, ratio $start_ratio;" \
    "with one line of text $text_start s, ratio $(ratio "$text_start" "$bare_start"))"
echo "resident set, main window up: $(awk -v k="$game_rss" 'BEGIN { printf "%.1f", k / 1024 }') MB" \
    "(bare Qt window $(awk -v k="$bare_rss" 'BEGIN { printf "%.1f", k / 1024 }') MB; budget <= 50 MB);" \
    "once words were said $(awk -v k="$said_rss" 'BEGIN { printf "%.1f", k / 1024 }') MB"
sed -n '/^benchmark (median)/,$p' "$work/xbench.txt" | sed 's/^/on X: /'
grep '^key to sound' "$work/keys.txt" | sed 's/$/ (budget <= 20 ms)/'
grep '^key to sound' "$work/words.txt" | sed 's/^key to sound/Next Word to the word heard/; s/$/ (budget <= 100 ms)/'
