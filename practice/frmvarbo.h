// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keys/virtualkeys.h"
#include "practice/playmodel.h"
#include "speech/wordspeaker.h"
#include "ui/services.h"
#include "wordlist/listreader.h"
#include "wordlist/sentencebank.h"
#include "wordlist/vocabfile.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QKeyEvent;
class QMouseEvent;
class QPushButton;
class CircleShape;
class TwipsLayout;
class frmHelp;
namespace grades {
struct Grade;
}
namespace progress {
struct Answer;
}

// The game's one working window: the letter slots of the word and of the
// attempt, the on-screen keyboard, the reward faces, the two list panels,
// the answer button, the word lists and the menus.
class frmVarbo : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window and loads it: greeting, first-grade list, draw.
    explicit frmVarbo(Services &services, QWidget *parent = nullptr);
    ~frmVarbo() override;

    // The rules of play the window draws.
    const PlayModel &play() const { return m_play; }

    // A word has a letter slot for each character of a list record.
    static constexpr int Slots = PlayModel::Slots;

    // The main window's list file, open from one list load to the next.
    bool listFileOpen() const { return m_listFile.isOpen(); }

    // Opens what is kept of the children's play, once the window is on
    // screen: asks who is playing where several children are named, and
    // brings back where that child left off.
    void takeUpProgress();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    // Word lists
    void mnuFileOpenList_Click();
    void mnuOursNextList_Click();
    // Playing a word
    void mnuFileNextWord_Click();
    void cmdSpelledCorrect_Click();
    // Sound themes
    void cmdSaveFerris_Click();
    // Word-picking panel
    void mnuOursAddLots_Click();
    void cmdAddWordFromMainList_Click();
    void cmdRemoveWord_Click();
    void cmdOuttaHere_Click();
    // Extra words
    void mnuYoursAddAWord_Click();
    void cmdAddWord_Click();
    void cmdAllDone_Click();
    // Spelling test and progress
    void mnuFileSpellingTest_Click();
    void mnuYoursWhoIsPlaying_Click();
    void mnuOursHowAreWeDoing_Click();
    void cmdPractiseThese_Click();
    void cmdResultDone_Click();
    // Other windows
    void mnuYoursCustomList_Click();
    void mnuHelpHelp_Click();
    // Hearing the word
    void sayTheWordAndSentence();
    void sayTheWordsToggled(bool on);
    void fillVoiceMenu();

private:
    void createControls();
    void createMenus();
    void connectHandlers();
    // Moves each key of the on-screen keyboard to its place, in twips.
    void placeKeyTiles(const std::array<QPoint, 36> &places);

    void Form_Load();
    void Form_Unload();
    void Form_KeyDown(int keyCode, const QString &typed);
    void Form_KeyUp();

    // The one way a list file comes in: the list file held so far is
    // closed and this one opened and read, as records or as a text list;
    // nothing when it cannot be opened.
    std::optional<ListContents> openList(const QString &path);
    void loadGrade(const grades::Grade &grade);
    void playProgramWave(const QString &name);

    // The voice: the word alone, or with its sentence; in the language of
    // the list it came from, unless the parent chose a voice.
    void createVoiceMenu();
    void keepSayingTheWords();
    void chooseVoice(const QString &code);
    void sayTheWord(bool withSentence = false);
    Speech speechFor(const QString &word, bool withSentence);
    QString languageOf(const QString &word) const;
    const SentenceBank &sentences();
    void listIsEnglish();
    void findListLanguage(const QStringList &entries);
    void findWordsLanguage(const QStringList &words);
    void paintNow();
    void chooseSoundTheme(int number);

    // Shows what the rules of play hold: the rows, dots, faces, buttons,
    // the used-up note and Next Word; the two lists.
    void drawPlay();
    void drawVocabulary();
    void drawPracticeList();

    // Who is playing, the spelling test, and what is kept of it.
    void askWhoIsPlaying();
    void childChosen();
    void takeUpPlace();
    void listInPlay(const QString &kind, const QString &source, const QString &name);
    void gradeInPlay(const grades::Grade &grade);
    void keepPlace();
    void recordAnswer(const progress::Answer &answer);
    void tellTroubleOnce();
    void practiseWords(const QStringList &words);
    void askTestWord();
    void testWordAnswered(bool right);
    void nextTestWord();
    void showResult();
    void hideResult();
    void drawNote();

    bool menusHaveTheKey(const virtualkeys::Press &press);
    bool isDoubleClickLeftover(const QMouseEvent *mouse);
    bool isReturnEcho(const QKeyEvent *key, bool isReturn);

    // The note place beside the faces: one note at a time, the latest
    // replacing the one before.
    enum class Note { None, UsedUp, Hint, Told };
    void showNote(Note kind, const QString &text);
    void hideNote(Note kind);
    void blinkDots();
    void sayWhyNotChecked();

    Services &m_services;
    PlayModel m_play;
    // The language the list in play is said in, and words added to it in
    // another; the voice the parent chose ("" for the list's own).
    QString m_listLanguage = QStringLiteral("en");
    QHash<QString, QString> m_wordLanguages;
    QString m_voice;
    const QString m_desktopLanguage;
    // Counts the lists whose language was asked for: an answer for a list
    // no longer in play is let go.
    int m_listAsked = 0;
    std::optional<SentenceBank> m_sentences;
    VocabFile m_listFile;
    virtualkeys::RepeatMerger m_repeats;
    virtualkeys::DeadKeys m_deadKeys;
    // When the last mouse button went down, on the mouse's clock.
    std::optional<std::uint32_t> m_lastPress;
    // When the last Return that did something went down, on the keyboard's
    // clock; set while the Return being handled is the echo of one.
    std::optional<std::uint32_t> m_lastReturn;
    bool m_returnEcho = false;
    Note m_note = Note::None;
    QString m_noteText;
    // Who is playing ("" for the unnamed player), and the list in play as
    // it is kept: how it came, from where, and its name for the parent.
    QString m_childName;
    QString m_listKind;
    QString m_listSource;
    QString m_listName;
    bool m_troubleTold = false;
    // The test in play as kept; counts the test's steps, so that a moment
    // that ends after the test moved on (or ended) does nothing.
    qint64 m_testId = 0;
    int m_testStep = 0;
    QStringList m_testMissed;
    // While a test's result stands, the board shows a face for each right
    // word.
    int m_resultFaces = 0;
    // Counts the blinks begun, so that a blink's end that finds another
    // begun, or the dots cleared, leaves them alone.
    int m_blinks = 0;
    // The help window while it is open; it deletes itself on closing.
    QPointer<frmHelp> m_help;
    // Where the keyboard in use has its letters.

    // Controls, placed and drawn at the window's size by the layout
    QWidget *m_ground = nullptr;
    TwipsLayout *m_layout = nullptr;
    QPushButton *cmdSaveFerris = nullptr;
    QFrame *fraCom = nullptr;
    QPushButton *cmdSpelledCorrect = nullptr;
    QFrame *fraList = nullptr;
    QPushButton *cmdOuttaHere = nullptr;
    QListWidget *lstVocab = nullptr;
    QPushButton *cmdRemoveWord = nullptr;
    QPushButton *cmdAddWordFromMainList = nullptr;
    QListWidget *lstMiddle = nullptr;
    QFrame *fraWord = nullptr;
    QPushButton *cmdAllDone = nullptr;
    QLineEdit *txtDaWord = nullptr;
    QPushButton *cmdAddWord = nullptr;
    QLineEdit *txtPrompt = nullptr;
    QLabel *lblLetterCount = nullptr;
    // Where the answer button stands while no word is in play: Next Word
    // without the menu.
    QPushButton *nextWordButton = nullptr;
    // The note place beside the faces: that the practice list is used up
    // and where the next comes from, or a hint for the child.
    QLabel *notePlace = nullptr;
    // A right word in a test, and the test's result.
    QLabel *imgTick = nullptr;
    QFrame *fraResult = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *lblMissedTitle = nullptr;
    QListWidget *lstMissed = nullptr;
    QPushButton *cmdPractiseThese = nullptr;
    QPushButton *cmdResultDone = nullptr;
    std::array<QLabel *, Slots> lblPrompt{};
    std::array<QLabel *, Slots> lblWord{};
    std::array<CircleShape *, Slots> shaZam{};
    std::array<QLabel *, PlayModel::Faces> imgHappy{};
    std::array<QLabel *, 36> lblKey{};

    // Menus
    QMenu *mnuFile = nullptr;
    QAction *mnuFileOpenList = nullptr;
    QAction *mnuFileNextWord = nullptr;
    QAction *mnuFileSpellingTest = nullptr;
    QMenu *mnuOurs = nullptr;
    QAction *mnuOursNextList = nullptr;
    QAction *mnuOursAddLots = nullptr;
    QAction *mnuOursHowAreWeDoing = nullptr;
    QMenu *mnuYours = nullptr;
    QAction *mnuYoursCustomList = nullptr;
    QAction *mnuYoursAddAWord = nullptr;
    QAction *mnuYoursWhoIsPlaying = nullptr;
    QMenu *mnuGrade = nullptr;
    // Its items, one for each theme the menu lists, come from the themes.
    QMenu *mnuSounds = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpHelp = nullptr;
    QAction *sayWordAction = nullptr;
    QAction *sayWordsAction = nullptr;
    QMenu *mnuVoice = nullptr;
};
