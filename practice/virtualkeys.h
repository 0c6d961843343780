// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <Qt>

// The game reasons in the key codes of the keyboard itself, not in Qt's
// keys: letters are 65 to 90 whatever Shift and Caps Lock say, a digit key
// is its digit also with Shift held, and so on (US layout).
namespace virtualkeys {

enum Code : int {
    None = 0,
    Backspace = 8,
    Tab = 9,
    Enter = 13,
    Shift = 16,
    Control = 17,
    Alt = 18,
    Escape = 27,
    Space = 32,
    Delete = 46,
};

// The key code of a Qt key; None for a key the game does not know.
int fromQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The character a key code types: the Windows-1252 character with that code.
QString typedCharacter(int keyCode);

} // namespace virtualkeys
