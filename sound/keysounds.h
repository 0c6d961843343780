// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <span>

namespace keysounds {

// The letter keys in the order a theme names their waves: the keyboard's
// rows, top row first, and each row from the left.
inline constexpr char Keys[] = "QWERTYUIOPASDFGHJKLZXCVBNM";

// A key-sound theme: every letter key plays a wave of its own.
struct Theme {
    // What the sound list calls the theme's waves ("animals").
    const char *name;
    // Its item in the Sounds menu: object name and caption (translated in
    // the context "keysounds"). A theme without one is reached through the
    // "Save Ferris" button instead.
    const char *menuItem;
    const char *caption;
    // Escape ends the game at once under this theme.
    bool escapeEnds;
    // One wave for each key of Keys, in that order, each named as it is
    // appended to the program folder ("\dog1.wav").
    std::array<const char *, std::size(Keys) - 1> waves;
};

// The themes, numbered from 1 in this order; the game starts with theme 1.
std::span<const Theme> themes();
// Theme number n, or nullptr for a number that names none.
const Theme *theme(int number);
// The theme that no menu lists.
int hiddenTheme();

// The wave name for a key under the theme of that number; empty for a key
// that is not a letter and for a number that names no theme.
QString waveFor(int number, int keyCode);

// The game's own sounds, named as the themes name their waves.
inline constexpr char Greeting[] = "\\claugh.wav";
inline constexpr char Praise[] = "\\goodJob.wav";
inline constexpr char Applause[] = "\\manyClapping.wav";

} // namespace keysounds
