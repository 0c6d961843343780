// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

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

// The letters of the keyboard in use, for a window that shows them: its
// rows now, and again whenever the layout changes. A test hands in rows of
// its own choosing.
class KeyboardLetters
{
public:
    virtual ~KeyboardLetters() = default;
    // Empty rows where the keyboard cannot be read.
    virtual LetterRows letterRows() = 0;
    // `changed` is called with the new rows whenever they change, for as
    // long as `context` lives.
    virtual void watch(QObject *context, std::function<void(const LetterRows &)> changed) = 0;
};

} // namespace virtualkeys
