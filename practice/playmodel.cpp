// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/playmodel.h"

#include "base/randomsource.h"
#include "keys/virtualkeys.h"
#include "practice/letterhiding.h"
#include "wordlist/draw.h"

#include <algorithm>

PlayModel::PlayModel(RandomSource &random, QObject *parent)
    : QObject(parent)
    , m_random(random)
{}

// The lists
// ---------

void PlayModel::tenWordDraw()
{
    const std::vector<int> rows = draw::tenRows(int(m_vocabulary.size()), m_random);
    for (int row : rows)
        m_practice.append(m_vocabulary.at(row));
    m_drawnRow = rows.empty() ? -1 : rows.back();
    m_testList = m_practice;
}

void PlayModel::freshBoard()
{
    // A new list starts a new board: the count of faces goes back to 0, or
    // a full board kept from run to run would never show a face again.
    m_faces.reset();
    m_intFaceCount = 0;
}

void PlayModel::loadGrade(const QStringList &entries)
{
    EndTest();
    m_practice.clear();
    m_entry.clear();
    m_vocabulary = entries;
    tenWordDraw();
    freshBoard();
    if (std::any_of(m_practice.cbegin(), m_practice.cend(),
                    [](const QString &entry) { return !VocabFile::isBlank(entry); }))
        setNextWordEnabled(true);
    emit vocabularyChanged();
    emit practiceListChanged();
    emit changed();
}

void PlayModel::openList(const QStringList &entries)
{
    EndTest();
    m_entry.clear();
    m_vocabulary = entries;
    m_practice = entries;
    m_testList = entries;
    m_drawnRow = -1;
    freshBoard();
    // A list opened is there to be played, even after the last one ran out.
    setNextWordEnabled(true);
    emit vocabularyChanged();
    emit practiceListChanged();
    emit changed();
}

void PlayModel::NextList()
{
    EndTest();
    m_practice.clear();
    tenWordDraw();
    setNextWordEnabled(true);
    m_entry.clear();
    clearRows();
    freshBoard();
    // The word has left the screen, so it can earn nothing more: its answer
    // button goes with it.
    m_answerOffered = false;
    m_blnWordOpen = false;
    emit vocabularyChanged();
    emit practiceListChanged();
    emit changed();
}

void PlayModel::addExtraWords(const QStringList &words)
{
    if (words.isEmpty())
        return;
    m_practice = words + m_practice;
    m_testList = words + m_testList;
    setNextWordEnabled(true);
    emit practiceListChanged();
    emit changed();
}

void PlayModel::addFromVocabulary(const QList<int> &rows)
{
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    for (int row : sorted) {
        if (row >= 0 && row < m_vocabulary.size()) {
            m_practice.append(m_vocabulary.at(row));
            m_testList.append(m_vocabulary.at(row));
        }
    }
    emit practiceListChanged();
}

void PlayModel::removeFromPractice(const QList<int> &rows)
{
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (int row : sorted) {
        if (row >= 0 && row < m_practice.size())
            m_testList.removeOne(m_practice.takeAt(row));
    }
    emit practiceListChanged();
}

void PlayModel::resume(const QStringList &vocabulary, const QStringList &practice, int faces)
{
    EndTest();
    m_vocabulary = vocabulary;
    m_practice = practice;
    m_testList = practice;
    m_drawnRow = -1;
    m_entry.clear();
    freshBoard();
    m_intFaceCount = std::int16_t(std::clamp(faces, 0, 32767));
    for (int i = 0; i < std::min(faces, Faces); ++i)
        m_faces.set(size_t(i));
    setNextWordEnabled(
        std::any_of(m_practice.cbegin(), m_practice.cend(),
                    [](const QString &entry) { return !VocabFile::isBlank(entry); }));
    emit vocabularyChanged();
    emit practiceListChanged();
    emit changed();
}

void PlayModel::practise(const QStringList &words)
{
    if (words.isEmpty())
        return;
    m_practice = words;
    m_testList = words;
    setNextWordEnabled(true);
    emit practiceListChanged();
    emit changed();
}

void PlayModel::setNextWordEnabled(bool enabled)
{
    m_nextWordEnabled = enabled;
}

// The word in play
// ----------------

void PlayModel::clearRows()
{
    for (size_t i = 0; i < Slots; ++i) {
        m_letters[i].clear();
        m_typed[i].clear();
    }
    m_lettersShown.reset();
    m_slotsShown.reset();
    m_dots.reset();
}

void PlayModel::dropBlankEntriesOnTop()
{
    // A blank entry (a blank record of a list) is no word: it is passed over
    // as if it were not there.
    while (!m_practice.isEmpty() && VocabFile::isBlank(m_practice.constFirst()))
        m_practice.removeFirst();
}

void PlayModel::NextWord()
{
    // Practice takes over from a test left half-way.
    EndTest();
    m_intTimesRight = 0;
    m_answerOffered = false;
    m_blnAllRight = true;
    m_blnWordOpen = true;
    clearRows();

    dropBlankEntriesOnTop();
    if (m_practice.isEmpty()) {
        // Nothing left to take: no word is put in play.
        m_entry.clear();
        setNextWordEnabled(false);
        m_bytWordLen = 0;
        m_blnWordOpen = false;
        emit practiceListChanged();
        emit changed();
        return;
    }
    putInPlay(m_practice.takeFirst(), true);
    dropBlankEntriesOnTop();
    if (m_practice.isEmpty())
        setNextWordEnabled(false);
    emit practiceListChanged();
    emit changed();
}

void PlayModel::putInPlay(const QString &entry, bool shown)
{
    m_entry = entry;
    // Longer words never reach the list (the extra-word panel refuses them);
    // should one arrive, only its first fourteen letters have slots.
    const QString word = VocabFile::shownAs(m_entry).left(Slots);
    m_bytWordLen = std::uint8_t(word.size());
    for (int i = 0; i < m_bytWordLen; ++i) {
        m_lettersShown.set(size_t(i), shown);
        m_slotsShown.set(size_t(i));
        m_letters[size_t(i)] = word.at(i);
    }
}

QString PlayModel::word() const
{
    QString out;
    for (const QString &letter : m_letters)
        out += letter;
    return out;
}

QString PlayModel::attempt() const
{
    QString out;
    for (const QString &typed : m_typed)
        out += typed;
    return out;
}

void PlayModel::StartTest(const QStringList &words)
{
    EndTest();
    m_test = words;
    m_testAnswers.clear();
    m_lastTestSize = int(words.size());
    NextTestWord();
}

bool PlayModel::NextTestWord()
{
    if (!m_test)
        return false;
    m_intTimesRight = 0;
    m_answerOffered = false;
    m_blnAllRight = true;
    clearRows();
    if (m_test->isEmpty()) {
        // The last word answered: the test is over.
        m_test.reset();
        m_entry.clear();
        m_bytWordLen = 0;
        m_blnWordOpen = false;
        emit changed();
        return false;
    }
    // Asked, not shown: the child hears the word and writes it.
    putInPlay(m_test->takeFirst(), false);
    m_blnWordOpen = true;
    emit changed();
    return true;
}

void PlayModel::showTestWord(bool shown)
{
    if (!m_test || !m_blnWordOpen)
        return;
    for (int i = 0; i < m_bytWordLen; ++i)
        m_lettersShown.set(size_t(i), shown);
    emit changed();
}

void PlayModel::EndTest()
{
    if (!m_test)
        return;
    m_test.reset();
    m_entry.clear();
    clearRows();
    m_bytWordLen = 0;
    m_blnWordOpen = false;
    m_answerOffered = false;
    emit changed();
}

int PlayModel::nextFreeSlot() const
{
    for (int i = 0; i < Slots; ++i) {
        if (slotShown(i) && typed(i).isEmpty())
            return i;
    }
    return -1;
}

bool PlayModel::attemptFull() const
{
    const auto filled = std::count_if(m_typed.cbegin(), m_typed.cend(),
                                      [](const QString &slot) { return !slot.isEmpty(); });
    return filled >= m_bytWordLen;
}

bool PlayModel::KeyDown(int keyCode, const QString &typed)
{
    // The answer row takes letters while it stands: a test's word is not
    // shown, and its slots take them all the same.
    const int i = slotShown(0) ? nextFreeSlot() : -1;
    // The space bar places the space a word holds ("ice cream"), and only
    // there.
    const bool spaceDue = i >= 0 && keyCode == virtualkeys::Space
                          && letter(i) == QLatin1String(" ");
    const QString placed = spaceDue ? QStringLiteral(" ") : typed;
    const bool place = i >= 0 && !placed.isEmpty();
    if (place) {
        m_typed[size_t(i)] = placed;
        m_intLetterPos = std::int16_t(i);
    }
    if (keyCode == virtualkeys::Delete)
        ClearAttempt();
    else if (keyCode == virtualkeys::Backspace)
        EraseLastLetter();
    else if (!place)
        return false;
    emit changed();
    return place;
}

void PlayModel::KeyUp()
{
    // The answer button stands only beside a full attempt: a wiped, cleared
    // or shortened one has nothing to check.
    const bool offered = attemptFull() && m_blnWordOpen;
    if (offered == m_answerOffered)
        return;
    m_answerOffered = offered;
    emit changed();
}

PlayModel::Check PlayModel::CheckSpelling()
{
    if (m_test) {
        // A test's word is checked once: right or wrong, no dots, no
        // stages; a wrong one shows the word beside the attempt.
        if (!m_blnWordOpen)
            return Check::Closed;
        const bool right = attempt() == word();
        m_testAnswers.append({m_entry, word(), attempt(), right});
        m_blnWordOpen = false;
        m_answerOffered = false;
        if (!right) {
            for (int i = 0; i < m_bytWordLen; ++i)
                m_lettersShown.set(size_t(i));
        }
        emit changed();
        return right ? Check::TestRight : Check::TestWrong;
    }
    const bool wrongBefore = !m_blnAllRight;
    for (size_t i = 0; i < Slots; ++i) {
        if (m_typed[i] != m_letters[i]) {
            m_dots.set(i);
            m_blnAllRight = false;
        }
    }
    if (!m_blnAllRight || !m_blnWordOpen) {
        emit changed();
        if (!m_blnWordOpen)
            return Check::Closed;
        // A wrong letter found before keeps the word from moving on, however
        // well it is mended with Backspace.
        return wrongBefore ? Check::Refused : Check::Wrong;
    }

    if (m_intTimesRight >= 3) {
        // The board has ten faces; a word closed after the tenth still
        // closes and is applauded, with no face to add.
        if (m_intFaceCount < Faces) {
            m_faces.set(size_t(m_intFaceCount));
            ++m_intFaceCount;
        }
        m_blnWordOpen = false;
        m_answerOffered = false;
        emit changed();
        emit rewarded();
        return Check::Rewarded;
    }
    ++m_intTimesRight;
    emit changed();
    emit praised();
    HideSomeLetters();
    emit changed();
    return Check::Praised;
}

void PlayModel::HideSomeLetters()
{
    for (QString &slot : m_typed)
        slot.clear();
    // The wiped attempt has nothing to check: a second click of a
    // double-click must not find the button and mark every slot wrong.
    m_answerOffered = false;
    const int length = m_bytWordLen;
    const int draws = letterhiding::draws(m_intTimesRight, length);
    for (int d = 0; d < draws; ++d) {
        m_random.reseed();
        // k = int(L * r) + 1 names letter k + 1; k = L names none, so the
        // first letter is never hidden.
        const int k = draw::pickRow(length, m_random.next()) + 1;
        if (k < length)
            m_lettersShown.reset(size_t(k));
    }
}

void PlayModel::ClearAttempt()
{
    for (size_t i = 0; i < m_bytWordLen && i < Slots; ++i) {
        m_typed[i].clear();
        m_dots.reset(i);
    }
    m_blnAllRight = true;
}

void PlayModel::EraseLastLetter()
{
    const int p = m_intLetterPos;
    if (p < 0)
        return;
    const bool ownCharacter = typed(p) == virtualkeys::typedCharacter(virtualkeys::Backspace);
    m_typed[size_t(p)].clear();
    if (p >= 1 && ownCharacter)
        m_typed[size_t(p - 1)].clear();
    m_intLetterPos = std::int16_t(p - 1);
}

void PlayModel::chooseSoundTheme(int number)
{
    m_bytSoundTheme = std::uint8_t(number);
}
