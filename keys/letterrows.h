// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstdint>

struct xkb_keymap;

namespace virtualkeys {

// The keyboard's three rows of letter keys, top to bottom, each as the
// letters A to Z its keys give, in capitals, from left to right:
// "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM" on an American keyboard,
// "AZERTYUIOP", "QSDFGHJKLM", "WXCVBN" on a French one.
using LetterRows = std::array<QString, 3>;

// The letters one layout of a keymap puts on those rows, unshifted. A key
// that gives anything else (a digit, "ù", a dead key) is passed over, and
// so is a letter an earlier key already gave.
LetterRows letterRows(xkb_keymap *keymap, std::uint32_t layout);

} // namespace virtualkeys
