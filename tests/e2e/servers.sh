# SPDX-License-Identifier: GPL-3.0-or-later
# A private display and a private sound server, for the end-to-end scenarios
# and for bench/process-figures.sh. Nothing here may reach a desktop's own
# servers: the sockets, the home folder and the runtime folder are all
# inside the work folder.
#
#   private_servers WORK SINK STARTED
#
# starts Xvfb, and a PulseAudio server whose only sink is a null sink named
# SINK in the format of the game's sounds (22,050 Hz, mono, 16 bits), so
# nothing is resampled; exports DISPLAY, PULSE_SERVER and the rest; and
# hands each process it starts (the leader of a process group of its own) to
# the function STARTED, which ends them on the way out. Returns non-zero,
# with the server's log on standard error, when a server does not start.

private_servers() {
    local work=$1 sink=$2 started=$3 _
    mkdir -p "$work/home" "$work/run" "$work/pulse"
    chmod 700 "$work/run"
    unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER XAUTHORITY
    export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
    export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME='' NO_AT_BRIDGE=1
    export PULSE_SERVER=unix:$work/pulse/native PULSE_CLIENTCONFIG=$work/pulse/client.conf
    echo "autospawn = no" >"$PULSE_CLIENTCONFIG"

    # -noreset: otherwise the server resets whenever its last client leaves,
    # and a client that connects meanwhile is turned away.
    setsid Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp -auth /dev/null \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    "$started" $!
    for _ in {1..100}; do
        [[ -s $work/display ]] && break
        sleep 0.05
    done
    if [[ ! -s $work/display ]]; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=:$(head -n 1 "$work/display")

    cat >"$work/pulse/default.pa" <<PA
load-module module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1
load-module module-null-sink sink_name=$sink rate=22050 channels=1 format=s16le
set-default-sink $sink
PA
    setsid pulseaudio -n -F "$work/pulse/default.pa" --daemonize=no --exit-idle-time=-1 \
        --disallow-exit --use-pid-file=no --system=no --log-target=stderr \
        >"$work/pulse.log" 2>&1 &
    "$started" $!
    for _ in {1..100}; do
        pactl info >/dev/null 2>&1 && break
        sleep 0.05
    done
    if ! pactl info >/dev/null 2>&1; then
        echo "PulseAudio did not start:" >&2
        cat "$work/pulse.log" >&2
        return 1
    fi
    # An idle null sink has a latency of about two seconds, and the first
    # sound of a new stream would wait that long. A silent stream that never
    # stops keeps it awake and quick, as a desktop's sink is; zeros add
    # nothing to what is recorded.
    setsid pacat --playback --latency-msec=10 --raw --format=s16le --rate=22050 --channels=1 \
        /dev/zero >"$work/pacat.log" 2>&1 &
    "$started" $!
    echo "display $DISPLAY, sound server $PULSE_SERVER"
}
