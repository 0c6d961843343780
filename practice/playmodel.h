// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wordlist/vocabfile.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

class RandomSource;

// The rules of play, apart from any window: the vocabulary and the practice
// list, the word in play with the letters shown and hidden, the attempt and
// its red dots, the stages, the faces on the board and the sound theme. A
// window draws what the model holds and hands it each command and key; the
// model says when what it holds changed, and when the praise and the
// applause are due, so that they are heard at their moment in the rules.
class PlayModel : public QObject
{
    Q_OBJECT

public:
    // A word has a letter slot for each character of a list record.
    static constexpr int Slots = VocabFile::RecordLength;
    static constexpr int Faces = 10;

    explicit PlayModel(RandomSource &random, QObject *parent = nullptr);

    // The lists
    // ---------

    // Every entry of the list loaded, in file order, padding kept.
    const QStringList &vocabulary() const { return m_vocabulary; }
    // The vocabulary's row that the last draw picked last; -1 when the
    // vocabulary came whole from an opened list, or holds nothing.
    int drawnRow() const { return m_drawnRow; }
    // The words waiting, the next one first.
    const QStringList &practiceList() const { return m_practice; }
    // The list as last drawn, opened, picked or added to: what a spelling
    // test asks. Next Word taking words off the practice list leaves it.
    const QStringList &testList() const { return m_testList; }
    // Whether Next Word may be asked for.
    bool nextWordEnabled() const { return m_nextWordEnabled; }

    // A grade: its entries become the vocabulary, ten drawn from them the
    // practice list, and a fresh board starts (no face, the count at 0);
    // the word on screen stays. A grade with words is there to be played,
    // even after the last list ran out.
    void loadGrade(const QStringList &entries);
    // An opened list: the whole of it, in its order, is both lists, on a
    // fresh board.
    void openList(const QStringList &entries);
    // Ten new words drawn from the vocabulary, on a fresh board; the word
    // leaves the screen.
    void NextList();
    // Where a child left off: the lists as they were and the faces earned.
    void resume(const QStringList &vocabulary, const QStringList &practice, int faces);
    // Words to practise, in place of the practice list: the vocabulary
    // stays (Practise These after a test, the hard words of a report).
    void practise(const QStringList &words);
    // Words in no list, at the top of the practice list in their order.
    void addExtraWords(const QStringList &words);
    // The vocabulary's rows given, appended to the practice list in
    // vocabulary order.
    void addFromVocabulary(const QList<int> &rows);
    // The practice list's rows given taken out.
    void removeFromPractice(const QList<int> &rows);

    // The word in play
    // ----------------

    // Takes the next word of the practice list, passing over blank entries,
    // and starts it afresh: every slot empty, all its letters shown.
    void NextWord();
    // The entry as it was taken from the list.
    const QString &entry() const { return m_entry; }
    // What slot i of the word row and of the answer row hold, and whether
    // each is shown. A hidden letter keeps its caption and is checked.
    const QString &letter(int i) const { return m_letters.at(size_t(i)); }
    bool letterShown(int i) const { return m_lettersShown.test(size_t(i)); }
    const QString &typed(int i) const { return m_typed.at(size_t(i)); }
    bool slotShown(int i) const { return m_slotsShown.test(size_t(i)); }
    bool dotShown(int i) const { return m_dots.test(size_t(i)); }
    bool faceShown(int i) const { return m_faces.test(size_t(i)); }
    // A word is on screen (its first letter never hides).
    bool wordOnScreen() const { return letterShown(0); }
    // The answer button stands: beside a full attempt of a word in play,
    // from the release of the key that filled it.
    bool answerOffered() const { return m_answerOffered; }
    // The next-word button stands: no word is in play and words are left;
    // a test asks its own words.
    bool nextWordOffered() const { return !m_test && !m_blnWordOpen && m_nextWordEnabled; }
    // The practice list is used up and no word is in play.
    bool usedUp() const { return !m_test && !m_blnWordOpen && !m_nextWordEnabled; }

    // A key pressed: its key code and the character it places (empty for
    // none). The character goes into the first free slot of a word on
    // screen (the space bar's space only where the word has one); Delete
    // then clears the attempt and Backspace takes its last character away.
    // True when a character was placed.
    bool KeyDown(int keyCode, const QString &typed);
    // A key let go: the answer button stands beside a full attempt of a
    // word in play, and goes while the attempt is not full.
    void KeyUp();

    // The answer check. Wrong letters get their dots; a right attempt is
    // praised and letters hide, three stages in all; the fourth earns a face
    // and closes the word. Refused: the attempt may be right now, but a
    // wrong letter found before keeps the word from moving on until Delete.
    enum class Check { Wrong, Refused, Praised, Rewarded, Closed, TestRight, TestWrong };
    Check CheckSpelling();

    // The spelling test
    // -----------------
    // The test list's words in the order given: each is asked with nothing
    // in the word row (only the answer row's slots), checked once, right or
    // wrong, with no stages and no dots. A test begun during another ends
    // that one, unfinished. The practice list and the board stay as they
    // were.
    void StartTest(const QStringList &words);
    // The next word of the test; false at the end (no word in play).
    bool NextTestWord();
    // Ends the test where it is (a new list, Escape): what was answered
    // stays answered.
    void EndTest();
    // Where no voice can say the test's word, it is shown for a moment and
    // then covered, and written from memory.
    void showTestWord(bool shown);
    bool inTest() const { return m_test.has_value(); }
    struct TestAnswer {
        QString entry; // as the list has it
        QString word;  // as shown, in capitals
        QString typed; // the attempt as checked
        bool right = false;
    };
    // The answers of the test in play or, once it ended, of the last one.
    const QList<TestAnswer> &testAnswers() const { return m_testAnswers; }
    // How many words the test in play, or the last one, asks.
    int testSize() const { return m_lastTestSize; }
    // The word the attempt is checked against, shown or not.
    QString word() const;
    QString attempt() const;

    void chooseSoundTheme(int number);

    // The state, under its names.
    int intLetterPos() const { return m_intLetterPos; }
    int intTimesRight() const { return m_intTimesRight; }
    bool blnAllRight() const { return m_blnAllRight; }
    int intFaceCount() const { return m_intFaceCount; }
    bool blnWordOpen() const { return m_blnWordOpen; }
    int bytWordLen() const { return m_bytWordLen; }
    int bytSoundTheme() const { return m_bytSoundTheme; }

signals:
    // What the rows, the dots, the faces or the buttons show changed.
    void changed();
    // The vocabulary or the draw's row changed; the practice list changed.
    void vocabularyChanged();
    void practiceListChanged();
    // A right attempt, before its letters hide: the praise is heard now.
    void praised();
    // A word closed, its face on the board: the applause is heard now.
    void rewarded();

private:
    void HideSomeLetters();
    void ClearAttempt();
    void EraseLastLetter();

    void tenWordDraw();
    void freshBoard();
    void putInPlay(const QString &entry, bool shown);
    void clearRows();
    void closeWordOnScreen();
    int nextFreeSlot() const;
    void dropBlankEntriesOnTop();
    void setNextWordEnabled(bool enabled);
    bool attemptFull() const;

    RandomSource &m_random;
    QStringList m_vocabulary;
    QStringList m_practice;
    QStringList m_testList;
    std::optional<QStringList> m_test; // the test's words still to ask
    QList<TestAnswer> m_testAnswers;
    int m_lastTestSize = 0;
    int m_drawnRow = -1;
    bool m_nextWordEnabled = true;

    QString m_entry;
    std::array<QString, Slots> m_letters;
    std::array<QString, Slots> m_typed;
    std::bitset<Slots> m_lettersShown;
    std::bitset<Slots> m_slotsShown;
    std::bitset<Slots> m_dots;
    std::bitset<Faces> m_faces;
    bool m_answerOffered = false;

    std::int16_t m_intLetterPos = 0;
    std::int16_t m_intTimesRight = 0;
    bool m_blnAllRight = true;
    std::int16_t m_intFaceCount = 0;
    bool m_blnWordOpen = false;
    std::uint8_t m_bytWordLen = 0;
    std::uint8_t m_bytSoundTheme = 1;
};
