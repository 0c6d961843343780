#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Quillobrite, builds it, then starts the
# game ("play", the default) or runs the whole test suite ("test"); or builds
# the Debian package ("package"), checks it with lintian and leaves it as
# ../quillobrite_VERSION_ARCH.deb, to install with apt-get install ./FILE.
# Installs only what is missing, so it can be run again at any time.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-play}
case "$mode" in
play | test | package) ;;
*)
    echo "usage: $0 [play|test|package]" >&2
    exit 2
    ;;
esac

# What building and playing need; the fonts the game draws with are named
# in data/font-packages.txt, which the Debian package's dependencies take
# from too. Qt's own translations give its dialogs' buttons the game's
# language.
mapfile -t fonts < <(awk '!/^#/ && NF { print $1 }' data/font-packages.txt)
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-l10n-tools
    qt6-charts-dev libqt6opengl6-dev libqt6charts6
    libqt6sql6-sqlite
    qt6-translations-l10n
    libsndfile1-dev libpulse-dev libicu-dev
    flite1-dev libespeak-ng-dev
    libxkbcommon-dev libxkbcommon-x11-dev libxcb-xkb-dev
    libhunspell-dev hunspell-en-us
    sox espeak-ng
    "${fonts[@]}"
)
# The package is built by Debian's tools from what debian/control asks for
# (installed below), so it starts from them alone.
if [ "$mode" = package ]; then
    packages=(dpkg-dev debhelper lintian)
fi
# What the tests add: a display, a keyboard, a clipboard, a sound card and their tools,
# PipeWire with its session bus for the scenario that plays through it, and
# the benchmark library (the benchmarks are built so that they keep
# building), clang's format and tidy tools for the house habits, and the
# French and German dictionaries the end-to-end tests open lists in.
if [ "$mode" = test ]; then
    packages+=(
        hunspell-fr hunspell-de-de
        libbenchmark-dev
        xvfb xauth xdotool x11-utils imagemagick xclip
        pulseaudio pulseaudio-utils python3
        pipewire pipewire-bin pipewire-pulse wireplumber dbus-daemon
        desktop-file-utils appstream
        clang libclang-rt-14-dev
        clang-format clang-tidy clang-tools
    )
fi

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

apt_updated=0
apt_update() {
    [ "$apt_updated" -eq 1 ] || as_root apt-get update -q
    apt_updated=1
}
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt_update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = package ]; then
    if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
        echo "Installing what debian/control's Build-Depends ask for"
        apt_update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q --no-install-recommends "$PWD"
    fi
    # DEB_BUILD_OPTIONS may add nocheck to leave the tests out.
    dpkg-buildpackage -us -uc -b -j"$(nproc)"
    deb=../quillobrite_$(dpkg-parsechangelog -S Version)_$(dpkg-architecture -qDEB_HOST_ARCH).deb
    lintian --fail-on error,warning "$deb"
    echo "Built $(cd .. && pwd)/${deb#../}; install it with: apt-get install ./${deb#../}"
    exit 0
fi

build=${QB_BUILD_DIR:-build}
# In CI every compiler warning is an error.
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQB_WERROR=$werror
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = play ]; then
    exec "$build/bin/quillobrite"
fi
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
