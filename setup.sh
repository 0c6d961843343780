#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quillobrite, builds it, then starts the
# game ("play", the default) or runs the whole test suite ("test").
# Installs only what is missing, so it can be run again at any time.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-play}
case "$mode" in
play | test) ;;
*)
    echo "usage: $0 [play|test]" >&2
    exit 2
    ;;
esac

# What building and playing need.
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    libsndfile1-dev libpulse-dev libicu-dev libbenchmark-dev
    sox espeak-ng
    fonts-sil-andika fonts-cherrybomb fonts-liberation2 fonts-dejavu-core
)
# What the tests add: a display, a keyboard, a sound card and their tools,
# and PipeWire with its session bus for the scenario that plays through it.
if [ "$mode" = test ]; then
    packages+=(
        xvfb xauth xdotool x11-utils imagemagick
        pulseaudio pulseaudio-utils python3
        pipewire pipewire-bin pipewire-pulse wireplumber dbus-daemon
        desktop-file-utils appstream
        clang libclang-rt-14-dev
    )
fi

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build=${QB_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = play ]; then
    exec "$build/bin/quillobrite"
fi
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
