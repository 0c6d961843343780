#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end tests: the real quillobrite program, played on a real X server
# (Xvfb) with xdotool as keyboard and mouse, and heard through a real
# PulseAudio server whose only sound card is a null sink, recorded with parec.
#
#   run-e2e.sh --program BIN --sounds DIR --out DIR [--sayword TOOL]
#              [--only NAME[,NAME...]] [--keep] [--deadline SECONDS]
#              [--scenarios FILE]
#
# --program   the built quillobrite executable
# --sayword   the game's voice into a wave file (qb_sayword WORD OUT.wav), for
#             the scenario that listens for a spoken word
# --sounds    the folder with the built wave files
# --out       where screenshots and recordings of failed scenarios are kept
# --keep      keep them for scenarios that passed as well
# --scenarios a file of scenarios of its own to run instead of scenarios.sh
#             (name them with --only)
#
# Installs nothing: Xvfb, xdotool, ImageMagick's import, pulseaudio, pacat,
# parec and python3 must be there, and for the scenario played through
# PipeWire also dbus-daemon, pipewire, wireplumber, pipewire-pulse and
# pw-record (`bash setup.sh test` installs them all). Every
# process it starts runs in a process group of its own and is ended on the
# way out, whether the run passes, fails, is interrupted or runs out of time.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)

program='' sayword='' sounds='' out='' only='' keep=0 deadline=170 scenarios=$here/scenarios.sh
while (($#)); do
    case $1 in
    --program) program=$2; shift 2 ;;
    --sayword) sayword=$(realpath "$2"); shift 2 ;;
    --sounds) sounds=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --only) only=$2; shift 2 ;;
    --keep) keep=1; shift ;;
    --deadline) deadline=$2; shift 2 ;;
    --scenarios) scenarios=$(realpath "$2"); shift 2 ;;
    *) echo "run-e2e.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done
if [[ -z $program || -z $sounds || -z $out ]]; then
    echo "usage: run-e2e.sh --program BIN --sounds DIR --out DIR [--sayword TOOL] [--only NAMES] [--keep]" >&2
    exit 2
fi
program=$(realpath "$program") sounds=$(realpath "$sounds")

missing=()
for tool in Xvfb xdotool import pulseaudio pactl pacat parec python3 realpath setsid; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]})); then
    echo "run-e2e.sh: missing ${missing[*]}; \`bash setup.sh test\` installs what the tests need" >&2
    exit 1
fi

# The interpreter itself, not a version manager's shim in front of it, which
# would add half a second to each of the many looks and listens.
python=$(python3 -c 'import sys; print(sys.executable)') || exit 1
observe=("$python" "$here/observe.py")

started_at=$(date +%s%N)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillobrite-e2e.XXXXXX")
mkdir -p "$out"
groups_file=$work/process-groups
: >"$groups_file"

# ---------------------------------------------------------------------------
# Processes. Each background process is started with setsid, so it leads a
# process group of its own that can be ended as a whole.

watchdog=''

started() { echo "$1" >>"$groups_file"; }

end_group() { # PGID: TERM, then KILL what is left after a moment
    local g=$1 i
    kill -TERM -- "-$g" 2>/dev/null || return 0
    for i in {1..20}; do
        kill -0 -- "-$g" 2>/dev/null || break
        sleep 0.05
    done
    kill -KILL -- "-$g" 2>/dev/null
    wait "$g" 2>/dev/null
    return 0
}

cleanup() {
    local status=$? g
    trap - EXIT INT TERM HUP PIPE
    [[ -n $watchdog ]] && kill -- "-$watchdog" 2>/dev/null
    # Last started first: the game before the sound server and the display.
    for g in $(tac "$groups_file" 2>/dev/null); do
        end_group "$g"
    done
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'echo "run-e2e.sh: interrupted" >&2; exit 130' INT
trap 'echo "run-e2e.sh: stopped (time is up or told to stop)" >&2; exit 124' TERM
trap 'exit 129' HUP
trap 'exit 141' PIPE

# The watchdog ends everything when the time is up, and also when this shell
# is killed outright and cannot clean up itself.
setsid bash -c '
    driver=$1 work=$2 until=$3
    while kill -0 "$driver" 2>/dev/null; do
        if (($(date +%s) >= until)); then
            echo "run-e2e.sh: out of time after $4 s, ending everything" >&2
            for g in $(cat "$work/process-groups"); do kill -KILL -- "-$g" 2>/dev/null; done
            kill -TERM "$driver"
            exit 0
        fi
        sleep 0.5
    done
    for g in $(cat "$work/process-groups" 2>/dev/null); do kill -KILL -- "-$g" 2>/dev/null; done
    rm -rf "$work"
' watchdog $$ "$work" $(($(date +%s) + deadline)) "$deadline" &
watchdog=$!

# ---------------------------------------------------------------------------
# A private display and a private sound server.

. "$here/servers.sh"
private_servers "$work" e2e started || { echo "run-e2e.sh: no servers to run on" >&2; exit 1; }

# ---------------------------------------------------------------------------
# The tools of the scenarios. A scenario is a function that returns non-zero
# at its first failed expectation; what it saw and heard is kept under
# $art ($out/NAME) when it fails.

art='' shots=0 game_pid='' game_status='' rec_pid=''
win='' wx=0 wy=0 ww=0 wh=0

now_ns() { date +%s%N; }
ms_since() { echo $((($(now_ns) - $1) / 1000000)); }

fail() {
    echo "    FAILED: $*"
    return 1
}

# program_folder NAME WORD... -- WAVE...: a program folder holding a copy of
# the executable with its voice engines, the sentence bank, a first-grade
# list of just the words (ASCII, a 14-byte record each, no blank records, so
# that every draw is one of them) and the named wave files.
program_folder() {
    local dir=$work/$1 w
    shift
    mkdir -p "$dir"
    cp "$program" "$dir/quillobrite"
    # The voice engines and the progress report, which the game loads from
    # beside itself.
    cp "$(dirname "$program")"/quillobrite-voice-*.so "$(dirname "$program")"/quillobrite-report.so \
        "$dir/" || return 1
    # The sentences said with the grade words lie beside the lists, and the
    # catalogues of the game's texts in their folder.
    cp "$sounds/sentences.txt" "$dir/" || return 1
    cp -r "$(dirname "$program")/translations" "$dir/" || return 1
    : >"$dir/firstGrade.dat"
    while (($#)) && [[ $1 != -- ]]; do
        printf '%-14.14s' "$1" >>"$dir/firstGrade.dat"
        shift
    done
    [[ ${1:-} == -- ]] && shift
    for w in "$@"; do
        cp "$sounds/$w.wav" "$dir/" || return 1
    done
    echo "$dir"
}

start_game() { # FOLDER
    # The player notes, for each sound, whether it was whole at the server
    # before it began: a break heard in one that was is the server's.
    (cd "$work/home" && QT_LOGGING_RULES='quillobrite.sound.debug=true' \
        exec setsid "$1/quillobrite" >>"$art/game.log" 2>&1) &
    game_pid=$!
    game_status=''
    started "$game_pid"
}

game_ended() { # true once the game process has ended; its status in game_status
    local state
    [[ -n $game_status ]] && return 0
    state=$(ps -o stat= -p "$game_pid" 2>/dev/null)
    if [[ -z $state || $state == Z* ]]; then
        wait "$game_pid"
        game_status=$?
        return 0
    fi
    return 1
}

stop_game() {
    if [[ -n $game_pid ]] && ! game_ended; then
        end_group "$game_pid"
    fi
    game_pid=''
}

# visible_window TITLE: the id of the game's visible window of that title
visible_window() {
    # The title as written, whatever it holds ("How Are We Doing?").
    local title
    title=$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g')
    xdotool search --all --onlyvisible --pid "$game_pid" --name "^$title\$" 2>/dev/null | head -n 1
}

# wait_window TITLE SECONDS: waits for the game's window of that title to be
# shown; sets win and its geometry wx wy ww wh
wait_window() {
    local title=$1 until=$(($(now_ns) + ${2%.*} * 1000000000))
    win=''
    while (($(now_ns) < until)); do
        win=$(visible_window "$title")
        [[ -n $win ]] && break
        game_ended && { fail "the program ended (status $game_status) before \"$title\" was shown"; return 1; }
        sleep 0.02
    done
    [[ -n $win ]] || {
        fail "no window \"$title\" within $2 s"
        return 1
    }
    geometry "$win"
}

# wait_other_window SECONDS WINDOW...: waits for a window of the game other
# than those named (a dialog, whose title is the toolkit's); sets win and its
# geometry
wait_other_window() {
    local seconds=$1 until=$(($(now_ns) + ${1%.*} * 1000000000)) w k known
    shift
    win=''
    while (($(now_ns) < until)); do
        for w in $(xdotool search --all --onlyvisible --pid "$game_pid" 2>/dev/null); do
            known=0
            for k in "$@"; do [[ $w == "$k" ]] && known=1; done
            ((known)) || { win=$w; break 2; }
        done
        sleep 0.02
    done
    [[ -n $win ]] || { fail "no new window within $seconds s"; return 1; }
    geometry "$win"
}

# wait_gone WINDOW SECONDS: waits for a window to be no longer shown
wait_gone() {
    local until=$(($(now_ns) + ${2%.*} * 1000000000))
    while xdotool search --all --onlyvisible --pid "$game_pid" 2>/dev/null | grep -qx "$1"; do
        (($(now_ns) < until)) || { fail "window $1 is still shown after $2 s"; return 1; }
        sleep 0.02
    done
}

geometry() { # WINDOW
    local key value
    wx=0 wy=0 ww=0 wh=0
    while IFS='=' read -r key value; do
        case $key in X) wx=$value ;; Y) wy=$value ;; WIDTH) ww=$value ;; HEIGHT) wh=$value ;; esac
    done < <(xdotool getwindowgeometry --shell "$1")
}

focus() { xdotool windowfocus --sync "$win" || fail "could not focus window $win"; }

# play_in FOLDER: the game started from FOLDER, its main window shown and
# given the focus; that window in $win and $main
play_in() {
    start_game "$1"
    wait_window 'Quillobrite!' 10 || return 1
    main=$win
    focus
}

# look WHAT SECONDS [--ground COLOUR] EXPECTATION...: waits up to SECONDS for
# the window to show everything expected (boxes in client-area pixels, see
# observe.py); keeps the last screenshot.
look() {
    local what=$1 timeout=$2
    shift 2
    shots=$((shots + 1))
    local name
    name=$(printf '%s/%02d-%s.png' "$art" "$shots" "${what//[^A-Za-z0-9]/-}")
    "${observe[@]}" look --window "$wx,$wy,$ww,$wh" --timeout "$timeout" \
        --save "$name" --what "$what" "$@" || fail "$what"
}

# Screen places of the main window, in pixels of its client area.
answer_button='16,48,33,41'
word_slot() { echo "$((384 + 24 * $1)),16,19,32"; }
prompt_slot() { echo "$((8 + 24 * $1)),16,19,32"; }
dot_lefts=(389 413 438 461 485 509 534 558 582 606 630 654 678 702)
dot() { echo "${dot_lefts[$1]},40,10,25"; }
face0='408,168,32,32'

# client_origin: the top left corner of the main window's client area, below
# its menu bar (whose height is read from the screen), into cx cy
cx=0 cy=0
client_origin() {
    read -r cx cy < <("${observe[@]}" origin --window "$wx,$wy,$ww,$wh" --ground cyan) ||
        fail "no client area found in the window at $wx,$wy ${ww}x$wh"
}
click_at() { xdotool mousemove "$1" "$2" click 1; }

# start_recording [RECORDER...]: records the null sink into $art/sound.raw;
# by default with parec from PulseAudio, else with the command given, which
# writes raw signed 16-bit mono at 22050 Hz to its output as it hears it
start_recording() {
    local recorder=("$@")
    ((${#recorder[@]})) || recorder=(parec --device=e2e.monitor --raw --format=s16le --rate=22050
        --channels=1 --latency-msec=10)
    setsid "${recorder[@]}" >"$art/sound.raw" 2>>"$art/recorder.log" &
    rec_pid=$!
    started "$rec_pid"
    local _
    for _ in {1..100}; do
        [[ -s $art/sound.raw ]] && return 0
        sleep 0.02
    done
    fail "the recording did not start"
}

stop_recording() {
    [[ -n $rec_pid ]] && end_group "$rec_pid"
    rec_pid=''
}

# mark NAME: notes the moment as a place in the recording (its length now)
mark() { echo "$1 $(now_ns) $(stat -c %s "$art/sound.raw")" >>"$art/marks"; }

# mark_after NAME BASE SECONDS: marks NAME no sooner than SECONDS after the
# mark BASE
mark_after() {
    local base_ns wait_ms
    base_ns=$(awk -v m="$2" '$1 == m { print $2 }' "$art/marks")
    wait_ms=$(((base_ns - $(now_ns)) / 1000000 + $(awk -v s="$3" 'BEGIN { printf "%d", s * 1000 }')))
    ((wait_ms > 0)) && sleep "$(awk -v w="$wait_ms" 'BEGIN { printf "%.3f", w / 1000 }')"
    mark "$1"
}

# hear WHAT FROM TO (--expect WAVE [--unlike WAVE]... | --silence) [options]
hear() {
    local what=$1 from=$2 to=$3
    shift 3
    local args=() a
    for a in "$@"; do
        case $a in
        /*.wav) args+=("$a") ;;
        *.wav) args+=("$sounds/$a") ;;
        *) args+=("$a") ;;
        esac
    done
    "${observe[@]}" hear "$art/sound.raw" "$art/marks" --from "$from" --to "$to" \
        --what "$what" --save "$art/sound.wav" --game-log "$art/game.log" "${args[@]}"
    case $? in
    0) return 0 ;;
    3) : >"$art/server-broke-off" ;;
    esac
    fail "$what"
}

# ---------------------------------------------------------------------------
# PipeWire, as most desktops serve sound: the graph (pipewire), its session
# manager (wireplumber, which will not run without a session bus, so one of
# its own) and the PulseAudio server on top (pipewire-pulse), all with a
# runtime folder of their own inside $work. The null sink is declared in the
# graph's configuration, not through the PulseAudio server, so it stays when
# that server is restarted. The graph runs in cycles of at least 2048 frames
# (43 ms at 48 kHz), the longest its defaults allow, as on a desktop whose
# other programs all ask for long cycles: there a stream the game kept on
# after it drained lost the start of its next sound. Started only by the
# scenarios that play through it; ended on the way out like every other
# process.

pw_run=$work/pipewire
pw_pulse_server=unix:$pw_run/pulse/native
pw_pulse=''

pw_start() { # LOG COMMAND...: one server of the set, in a process group of its own
    local log=$1
    shift
    XDG_RUNTIME_DIR=$pw_run DBUS_SESSION_BUS_ADDRESS=unix:path=$pw_run/bus \
        setsid "$@" >>"$work/$log.log" 2>&1 &
    started $!
}

pw_wait() { # WHAT SECONDS TEST...: waits for the test to pass
    local what=$1 until=$(($(now_ns) + ${2%.*} * 1000000000))
    shift 2
    until "$@"; do
        (($(now_ns) < until)) || { fail "$what"; return 1; }
        sleep 0.02
    done
}

pw_has_sink() { [[ $(PULSE_SERVER=$pw_pulse_server pactl get-default-sink 2>/dev/null) == e2e ]]; }

# pipewire_up: starts the set and waits until its PulseAudio server names
# the null sink as the default (it answers before the sink is there); the
# game reaches it at $pw_pulse_server, a recorder with pw_recorder
pipewire_up() {
    local tool t0 log
    for tool in dbus-daemon pipewire wireplumber pipewire-pulse pw-record stdbuf; do
        command -v "$tool" >/dev/null || fail "$tool is missing; \`bash setup.sh test\` installs it" || return 1
    done
    mkdir -p "$pw_run" "$XDG_CONFIG_HOME/pipewire/pipewire.conf.d"
    chmod 700 "$pw_run"
    cat >"$XDG_CONFIG_HOME/pipewire/pipewire.conf.d/e2e-sink.conf" <<'EOF'
context.properties = {
    default.clock.min-quantum = 2048
}
context.objects = [
    { factory = adapter
        args = {
            factory.name = support.null-audio-sink
            node.name = "e2e"
            node.description = "e2e"
            media.class = "Audio/Sink"
            audio.position = [ MONO ]
            object.linger = true
        }
    }
]
EOF
    t0=$(now_ns)
    pw_start dbus dbus-daemon --session --nofork --nopidfile --address="unix:path=$pw_run/bus"
    pw_wait "no session bus within 5 s" 5 test -S "$pw_run/bus" || return 1
    pw_start pipewire pipewire
    pw_wait "no PipeWire socket within 5 s" 5 test -S "$pw_run/pipewire-0" || return 1
    pw_start wireplumber wireplumber
    pw_start pipewire-pulse pipewire-pulse
    pw_pulse=$!
    if ! pw_wait "PipeWire's PulseAudio server had no e2e sink within 10 s" 10 pw_has_sink; then
        for log in dbus pipewire wireplumber pipewire-pulse; do
            echo "    $log:" && tail -n 5 "$work/$log.log" | sed 's/^/        /'
        done
        return 1
    fi
    echo "    PipeWire up in $(ms_since "$t0") ms"
}

# pipewire_pulse_restart: the PulseAudio server ended and started again
# under whatever is connected to it
pipewire_pulse_restart() {
    local t0
    t0=$(now_ns)
    end_group "$pw_pulse"
    pw_start pipewire-pulse pipewire-pulse
    pw_pulse=$!
    pw_wait "PipeWire's PulseAudio server did not come back within 5 s" 5 pw_has_sink || return 1
    echo "    PipeWire's PulseAudio server restarted in $(ms_since "$t0") ms"
}

# The recorder for start_recording: straight from the graph, so it goes on
# through a restart of the PulseAudio server; unbuffered, so that the
# recording's length at a mark is what had been heard by then. A recorder
# that falls behind loses what it missed (PulseAudio's keeps it), and other
# work on the machine would be heard as holes in the game's sounds: it runs
# at real-time priority where it may.
pw_recorder=(env "XDG_RUNTIME_DIR=$pw_run" stdbuf -o0 pw-record --target e2e --rate 22050 --channels 1
    --format s16 --latency 10ms -)
chrt -f 20 true 2>/dev/null && pw_recorder=(chrt -f 20 "${pw_recorder[@]}")

# ---------------------------------------------------------------------------
# Scenarios

. "$scenarios"

# ---------------------------------------------------------------------------

all=(start word wrong keys menus say theme editor paste ending pipewire)
if [[ -n $only ]]; then
    IFS=, read -r -a chosen <<<"$only"
else
    chosen=("${all[@]}")
fi

# A scenario whose only fault was the sound server breaking off in a sound
# the game had handed over whole (observe.py tells: see hear) is not the
# game's fault: it is tried again, up to three times in all. Any other fault
# fails it at once.
tries=3
failed=()
for name in "${chosen[@]}"; do
    if ! declare -F "scenario_$name" >/dev/null; then
        echo "run-e2e.sh: no scenario $name (there are: ${all[*]})" >&2
        exit 2
    fi
    art=$out/$name
    echo "--- $name"
    for ((try = 1; try <= tries; try++)); do
        rm -rf "$art"
        mkdir -p "$art"
        shots=0
        : >"$art/marks"
        t0=$(now_ns)
        groups_before=$(wc -l <"$groups_file")
        "scenario_$name"
        status=$?
        stop_game
        stop_recording
        # Servers the scenario started of its own (PipeWire's) end with it.
        for g in $(tail -n "+$((groups_before + 1))" "$groups_file" | tac); do
            end_group "$g"
        done
        sed -i "$((groups_before + 1)),\$d" "$groups_file"
        rm -rf "$pw_run"
        ((status != 0)) && [[ -f $art/server-broke-off ]] && ((try < tries)) || break
        echo "    the sound server broke off, not the game: trying again ($((try + 1)) of $tries)"
    done
    if ((status == 0)); then
        echo "    passed in $(ms_since "$t0") ms"
        ((keep)) || rm -rf "$art"
    else
        failed+=("$name")
        [[ -f $art/sound.raw && ! -f $art/sound.wav ]] &&
            "${observe[@]}" wave "$art/sound.raw" "$art/sound.wav" 2>/dev/null
        rm -f "$art/sound.raw"
        echo "    screenshots, recording and the game's output are kept in $art"
    fi
done

echo "--- ${#chosen[@]} scenarios in $(ms_since "$started_at") ms, ${#failed[@]} failed${failed:+: ${failed[*]}}"
((${#failed[@]} == 0))
