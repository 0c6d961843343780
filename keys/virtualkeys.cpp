// SPDX-License-Identifier: GPL-3.0-or-later

#include "keys/virtualkeys.h"

#include "wordlist/codepage.h"

#include <utility>

namespace virtualkeys {
namespace {

// Keys outside the letters and digits that have a code of their own. The
// punctuation keys answer to both of their characters (";" and ":" are one
// key).
constexpr std::pair<int, int> Named[] = {
    {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},     {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},        {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},      {Qt::Key_CapsLock, 20},   {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},      {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},        {Qt::Key_Home, 36},       {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},         {Qt::Key_Right, 39},      {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},      {Qt::Key_Insert, 45},     {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},       {Qt::Key_Menu, 93},       {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},     {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},     {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},   {Qt::Key_Slash, 191},     {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

// Shift with a digit key gives these characters (US layout); the key is
// still the digit's.
constexpr std::pair<int, int> ShiftedDigits[] = {
    {Qt::Key_ParenRight, '0'}, {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},     {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
};

} // namespace

int fromQtKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // Qt's letters are already 65 to 90
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        if (modifiers & Qt::KeypadModifier)
            return 96 + (qtKey - Qt::Key_0);
        return qtKey; // 48 to 57
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    if (modifiers & Qt::KeypadModifier) {
        // The keypad's own operators.
        switch (qtKey) {
        case Qt::Key_Asterisk: return 106;
        case Qt::Key_Plus: return 107;
        case Qt::Key_Minus: return 109;
        case Qt::Key_Period: return 110;
        case Qt::Key_Slash: return 111;
        default: break;
        }
    }
    for (auto [key, code] : ShiftedDigits) {
        if (key == qtKey)
            return code;
    }
    for (auto [key, code] : Named) {
        if (key == qtKey)
            return code;
    }
    return None;
}

QString typedCharacter(int keyCode)
{
    if (keyCode < 0 || keyCode > 255)
        return {};
    return QString(codepage::charForByte(static_cast<unsigned char>(keyCode)));
}

bool isModifier(int keyCode)
{
    switch (keyCode) {
    case Shift:
    case Control:
    case Alt:
    case CapsLock:
    case Windows:
    case Menu:
    case NumLock:
        return true;
    default:
        return false;
    }
}

QString letterBeyondAToZ(const QString &text)
{
    // A composed letter may come as a letter and its accent.
    const QString letter = text.normalized(QString::NormalizationForm_C);
    if (letter.size() != 1 || !letter.at(0).isLetter() || letter.at(0).unicode() < 128)
        return {};
    if (codepage::toUnicode(codepage::fromUnicode(letter)) != letter)
        return {};
    // The word on screen is in capitals, made letter by letter.
    return QString(letter.at(0).toUpper());
}

Press fromKeyPress(int qtKey, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return {qtKey, typedCharacter(qtKey)};
    if (QString letter = letterBeyondAToZ(text); !letter.isEmpty())
        return {None, letter};
    const int code = fromQtKey(qtKey, modifiers);
    if (code == None || code == Space || isModifier(code))
        return {code, {}};
    return {code, typedCharacter(code)};
}

RepeatMerger::RepeatMerger()
{
    m_clock.start();
}

bool RepeatMerger::letThrough(int qtKey, bool autoRepeat, std::uint32_t serverTime)
{
    // All arithmetic is modulo 2^32, as the keyboard's clock is; "a before
    // b" is a signed difference, good for 24 days either way.
    const auto before = [](std::uint32_t a, std::uint32_t b) {
        return std::int32_t(a - b) < 0;
    };
    const auto now = std::uint32_t(m_clock.elapsed());
    const std::uint32_t offset = now - serverTime;
    if (!m_offsetKnown || before(offset, m_offset)) {
        m_offset = offset;
        m_offsetKnown = true;
    }
    if (autoRepeat && qtKey == m_lastKey && before(serverTime, m_lastStart))
        return false;
    m_lastKey = qtKey;
    m_lastStart = now - m_offset;
    return true;
}

} // namespace virtualkeys
