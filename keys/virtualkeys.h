// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QString>
#include <Qt>

#include <cstdint>

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
    CapsLock = 20,
    Escape = 27,
    Space = 32,
    Delete = 46,
    Windows = 91,
    Menu = 93,
    NumLock = 144,
};

// The key code of a Qt key; None for a key the game does not know.
int fromQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The character a key code types: the Windows-1252 character with that code.
QString typedCharacter(int keyCode);

// Shift, Ctrl, Alt, AltGr, Caps Lock, Num Lock and the Windows and Menu
// keys only change what other keys do: alone they place nothing.
bool isModifier(int keyCode);

// The capital a key's text places when that text is one letter beyond A to
// Z that Windows-1252 writes ("é" places "É", "ß" stays "ß"); otherwise
// the empty text.
QString letterBeyondAToZ(const QString &text);

// What a key press does in the game: its key code, and the character it
// places (the empty text for none). The letters A to Z go by their key
// code whatever the layout makes of Shift and Caps Lock; a key that types
// another letter places that letter and has no code of its own.
struct Press {
    int code = None;
    QString typed;
};
Press fromKeyPress(int qtKey, Qt::KeyboardModifiers modifiers, const QString &text);

// A program that is busy playing a sound reads the repeats of a held key
// only once the sound has ended; handled one by one they would go on
// sounding long after the key was let go. As desktops do for a busy
// program, the repeats that piled up while a press was handled are merged
// into one waiting press. Separate presses always go through.
class RepeatMerger
{
public:
    RepeatMerger();
    // False for a repeat of the key last let through that the keyboard made
    // before that press began to be handled. serverTime is the event's
    // stamp in milliseconds of the keyboard's clock, which wraps at 2^32.
    bool letThrough(int qtKey, bool autoRepeat, std::uint32_t serverTime);

private:
    QElapsedTimer m_clock;
    // Our clock minus the keyboard's, as small as it has been seen: the
    // event that arrived with the least delay gives the best estimate.
    std::uint32_t m_offset = 0;
    bool m_offsetKnown = false;
    int m_lastKey = 0;
    // When the last press let through began to be handled, on the
    // keyboard's clock.
    std::uint32_t m_lastStart = 0;
};

} // namespace virtualkeys
