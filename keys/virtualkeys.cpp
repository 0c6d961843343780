// SPDX-License-Identifier: GPL-3.0-or-later

#include "keys/virtualkeys.h"

#include "base/codepage.h"

#include <utility>

namespace virtualkeys {
namespace {

// The keys with a meaning of their own in the game.
constexpr std::pair<int, int> Named[] = {
    {Qt::Key_Backspace, Backspace}, {Qt::Key_Return, Enter}, {Qt::Key_Enter, Enter},
    {Qt::Key_Escape, Escape},       {Qt::Key_Space, Space},  {Qt::Key_Delete, Delete},
};

// The accent each dead key puts on a letter, as a combining mark; the
// letters Windows-1252 writes need no others.
constexpr std::pair<int, char16_t> Accents[] = {
    {Qt::Key_Dead_Grave, u'\u0300'},      {Qt::Key_Dead_Acute, u'\u0301'},
    {Qt::Key_Dead_Circumflex, u'\u0302'}, {Qt::Key_Dead_Tilde, u'\u0303'},
    {Qt::Key_Dead_Diaeresis, u'\u0308'},  {Qt::Key_Dead_Abovering, u'\u030A'},
    {Qt::Key_Dead_Caron, u'\u030C'},      {Qt::Key_Dead_Cedilla, u'\u0327'},
};

// Letters with no base letter of A to Z in their decomposition.
constexpr std::pair<char16_t, char> BaseLetters[] = {
    {u'ß', 'S'}, {u'Æ', 'A'}, {u'æ', 'A'}, {u'Œ', 'O'}, {u'œ', 'O'}, {u'Ø', 'O'},
    {u'ø', 'O'}, {u'Ð', 'D'}, {u'ð', 'D'}, {u'Þ', 'T'}, {u'þ', 'T'}, {u'ƒ', 'F'},
};

bool isAToZ(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

} // namespace

QString typedCharacter(int keyCode)
{
    if (keyCode < 0 || keyCode > 255)
        return {};
    return QString(codepage::charForByte(static_cast<unsigned char>(keyCode)));
}

QString letterBeyondAToZ(const QString &text)
{
    // A composed letter may come as a letter and its accent.
    const QString letter = text.normalized(QString::NormalizationForm_C);
    if (letter.size() != 1 || !letter.at(0).isLetter() || letter.at(0).unicode() < 128)
        return {};
    // Caps Lock makes the German sharp s the capital one, which the code
    // page lacks; the small one is what words are written with in capitals.
    if (letter.at(0) == QChar(0x1E9E))
        return QStringLiteral("ß");
    if (codepage::toUnicode(codepage::fromUnicode(letter)) != letter)
        return {};
    // The word on screen is in capitals, made letter by letter.
    return QString(letter.at(0).toUpper());
}

int soundKey(const QString &placed)
{
    if (placed.size() != 1 || !placed.at(0).isLetter())
        return None;
    const QChar base = placed.normalized(QString::NormalizationForm_KD).at(0).toUpper();
    if (isAToZ(base))
        return base.unicode();
    for (auto [letter, key] : BaseLetters) {
        if (placed.at(0) == QChar(letter))
            return key;
    }
    return None;
}

Press fromText(const QString &text)
{
    if (QString letter = letterBeyondAToZ(text); !letter.isEmpty())
        return {soundKey(letter), letter};
    const QString one = text.normalized(QString::NormalizationForm_C);
    if (one.size() != 1)
        return {};
    const QChar c = one.at(0).toUpper();
    // A blank slot would look empty: only what can be seen is placed.
    if (!c.isPrint() || c.isSpace() || !codepage::canWrite(QString(c)))
        return {};
    return {isAToZ(c) ? int(c.unicode()) : int(None), QString(c)};
}

Press fromKeyPress(int qtKey, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) // Qt's letters are already 65 to 90
        return {qtKey, typedCharacter(qtKey)};
    for (auto [key, code] : Named) {
        if (key != qtKey)
            continue;
        // Delete and Backspace put down a placeholder that the routine
        // they run takes back.
        if (code == Delete || code == Backspace)
            return {code, typedCharacter(code)};
        return {code, {}};
    }
    return fromText(text);
}

bool DeadKeys::take(int qtKey)
{
    if (qtKey < Qt::Key_Dead_Grave || qtKey > Qt::Key_Dead_Longsolidusoverlay)
        return false;
    m_accent = QChar();
    for (auto [key, accent] : Accents) {
        if (key == qtKey)
            m_accent = QChar(accent);
    }
    return true;
}

QString DeadKeys::compose(const QString &text)
{
    const QChar accent = std::exchange(m_accent, QChar());
    if (accent.isNull() || text.size() != 1 || !text.at(0).isLetter())
        return {};
    const QString composed = (text + accent).normalized(QString::NormalizationForm_C);
    return composed.size() == 1 && codepage::canWrite(composed) ? composed : QString();
}

RepeatMerger::RepeatMerger()
{
    m_clock.start();
}

bool RepeatMerger::letThrough(int qtKey, bool autoRepeat, std::uint32_t serverTime)
{
    // All arithmetic is modulo 2^32, as the keyboard's clock is; "a before
    // b" is a signed difference, good for 24 days either way.
    const auto before = [](std::uint32_t a, std::uint32_t b) { return std::int32_t(a - b) < 0; };
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
