// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace keysounds {

// Sound themes as the game numbers them.
enum Theme : std::uint8_t {
    Animals = 1,
    Hidden = 2, // reached through the "Save Ferris" button, never a menu
    Cartoon = 3,
    Tech = 4,
};

struct KeySound {
    int keyCode; // 'A' to 'Z'
    // One wave name per theme, in theme order 1 to 4; each begins with a
    // backslash and is appended to the program folder.
    std::array<const char *, 4> waves;
};

// The game's own sounds, named as the table names its waves.
inline constexpr char Greeting[] = "\\claugh.wav";
inline constexpr char Praise[] = "\\goodJob.wav";
inline constexpr char Applause[] = "\\manyClapping.wav";

// The letter keys in the order they are looked up: the keyboard's rows,
// top row first.
extern const std::array<KeySound, 26> Table;

// The wave name for a key under a theme; empty for a key that is not a
// letter and for a theme outside 1 to 4.
QString waveFor(int theme, int keyCode);

} // namespace keysounds
