// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keys/letterrows.h"
#include "ui/look.h"

#include <QPoint>

#include <array>

// The main window's on-screen keyboard.
namespace keytiles {

// Each key: caption, back colour, text colour, left, top. The letters stand
// as an American keyboard has them, row by row.
struct KeyCap {
    const char *caption;
    Rgb back;
    Rgb text;
    int left, top;
};
constexpr int KeyWidth = 375, KeyHeight = 420;
constexpr std::array<KeyCap, 36> Keys = {{
    {"1", {255, 255, 0}, {255, 0, 0}, 9480, 5280},
    {"2", {255, 255, 0}, {255, 0, 0}, 9480, 5280},
    {"3", {255, 255, 0}, {255, 128, 0}, 9480, 5280},
    {"4", {0, 0, 255}, {255, 255, 0}, 9480, 5280},
    {"5", {0, 0, 255}, {0, 255, 0}, 9480, 5280},
    {"6", {255, 0, 0}, {255, 255, 255}, 9480, 5280},
    {"7", {255, 0, 0}, {255, 255, 255}, 9480, 5280},
    {"8", {255, 255, 255}, {0, 0, 192}, 9480, 5280},
    {"9", {255, 255, 255}, {0, 0, 192}, 9480, 5280},
    {"0", {255, 255, 255}, {192, 0, 192}, 9480, 5280},
    {"Q", {255, 255, 0}, {255, 0, 0}, 120, 3360},
    {"W", {255, 255, 0}, {255, 0, 0}, 960, 3360},
    {"E", {255, 255, 0}, {255, 128, 0}, 2160, 3360},
    {"R", {0, 0, 255}, {255, 255, 0}, 3360, 3360},
    {"T", {0, 0, 255}, {0, 255, 0}, 4680, 3360},
    {"Y", {255, 0, 0}, {255, 255, 255}, 5880, 3360},
    {"U", {255, 255, 255}, {0, 0, 255}, 7080, 3360},
    {"I", {255, 255, 255}, {0, 0, 192}, 8280, 3360},
    {"O", {255, 255, 255}, {192, 0, 192}, 9240, 3360},
    {"P", {255, 255, 255}, {192, 0, 192}, 10200, 3360},
    {"A", {255, 255, 0}, {255, 0, 0}, 480, 4320},
    {"S", {255, 255, 0}, {255, 128, 0}, 1560, 4320},
    {"D", {0, 0, 255}, {255, 255, 0}, 2640, 4320},
    {"F", {0, 0, 255}, {0, 255, 0}, 3960, 4320},
    {"G", {0, 0, 255}, {0, 255, 0}, 5280, 4320},
    {"H", {255, 0, 0}, {255, 255, 255}, 6480, 4320},
    {"J", {255, 255, 255}, {0, 0, 255}, 7680, 4320},
    {"K", {255, 255, 255}, {192, 0, 192}, 8760, 4320},
    {"L", {255, 255, 255}, {192, 0, 192}, 9720, 4320},
    {"Z", {255, 255, 0}, {255, 0, 0}, 1080, 5400},
    {"X", {255, 255, 0}, {255, 128, 0}, 2160, 5400},
    {"C", {0, 0, 255}, {255, 255, 0}, 3240, 5400},
    {"V", {0, 0, 255}, {0, 255, 0}, 4560, 5400},
    {"B", {255, 0, 0}, {255, 255, 255}, 5880, 5400},
    {"N", {255, 0, 0}, {255, 255, 255}, 7080, 5400},
    {"M", {255, 255, 255}, {0, 0, 192}, 8280, 5400},
}};
// The digit keys come first, stacked in one place and never shown.
constexpr int FirstLetter = 10;

// Where each key of Keys stands, in twips, on a keyboard with these letter
// rows. Each tile is its letter's wherever it stands, so it keeps its
// colours. A row's letters take the row's written places from the left; a
// row with more letters than those takes the top row's places at its own
// top. Unless all 26 letters lie on the rows and no row has more than the
// top row's places, every key stands where it is written.
std::array<QPoint, Keys.size()> places(const virtualkeys::LetterRows &rows);

} // namespace keytiles
