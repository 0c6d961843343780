// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QString>
#include <Qt>

#include <cstdint>

// The game reasons in a few key codes of the keyboard itself, not in Qt's
// keys: the letters are 65 to 90 whatever Shift and Caps Lock say, and the
// keys with a meaning of their own have their codes. Every other key places
// the character printed on it, as the keyboard's layout gives it.
namespace virtualkeys {

enum Code : int {
    None = 0,
    Backspace = 8,
    Enter = 13,
    Escape = 27,
    Space = 32,
    Delete = 46,
};

// The character a key code types: the Windows-1252 character with that
// code ("A" for 65, and the placeholders Delete and Backspace put down for
// the clearing routines to take back).
QString typedCharacter(int keyCode);

// The capital a key's text places when that text is one letter beyond A to
// Z that Windows-1252 writes ("é" places "É", "ß" stays "ß", and so does
// the capital "ẞ", which Windows-1252 lacks); otherwise the empty text.
QString letterBeyondAToZ(const QString &text);

// The letter key (65 to 90) whose sound a placed character plays: its own
// for A to Z, its base letter's for a letter beyond them ("É" sounds as E,
// "ß" as S); None for anything else.
int soundKey(const QString &placed);

// What a key press does in the game: its key code, and the character it
// places (the empty text for none). The letters A to Z go by their key
// code whatever the layout makes of Shift and Caps Lock. Any other key
// places the character its layout gives it when Windows-1252 writes it and
// it can be seen (digits, "-", "'", letters in capitals); F-keys, arrows
// and the like place nothing. A key held with Ctrl, Alt or the Windows key
// is a command for the menus and places nothing.
struct Press {
    int code = None;
    QString typed;
};
Press fromKeyPress(int qtKey, Qt::KeyboardModifiers modifiers, const QString &text);
// The same for a character that came without a key of its own: a letter
// composed from a dead key and the key after it.
Press fromText(const QString &text);

// A dead key puts its accent on the next key's letter ("^" then "e" makes
// "ê"), whatever control has the keyboard focus and whether or not an input
// method is running.
class DeadKeys
{
public:
    // True for a dead key: its accent waits for the next key, and the key
    // itself does nothing else.
    bool take(int qtKey);
    // The next key's text with the waiting accent on it, when the two make
    // one character a word list can hold; otherwise the empty text, and the
    // key is itself. The accent is used up either way.
    QString compose(const QString &text);

private:
    QChar m_accent;
};

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
