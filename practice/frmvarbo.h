// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keys/virtualkeys.h"
#include "ui/services.h"
#include "wordlist/listreader.h"
#include "wordlist/vocabfile.h"

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
class QMouseEvent;
class QPushButton;
class CircleShape;
class frmHelp;

// The game's one working window: the letter slots of the word and of the
// attempt, the on-screen keyboard, the reward faces, the two list panels,
// the answer button, the word lists and the menus.
class frmVarbo : public QMainWindow
{
    Q_OBJECT
    // The window's state, readable by name.
    Q_PROPERTY(int intLetterPos READ letterPos)
    Q_PROPERTY(int intTimesRight READ timesRight)
    Q_PROPERTY(bool blnAllRight READ allRight)
    Q_PROPERTY(int intFaceCount READ faceCount)
    Q_PROPERTY(bool blnWordOpen READ wordOpen)
    Q_PROPERTY(int bytWordLen READ wordLen)
    Q_PROPERTY(int bytSoundTheme READ soundTheme)

public:
    // Builds the window and loads it: greeting, first-grade list, draw.
    explicit frmVarbo(Services &services, QWidget *parent = nullptr);
    ~frmVarbo() override;

    int letterPos() const { return intLetterPos; }
    int timesRight() const { return intTimesRight; }
    bool allRight() const { return blnAllRight; }
    int faceCount() const { return intFaceCount; }
    bool wordOpen() const { return blnWordOpen; }
    int wordLen() const { return bytWordLen; }
    int soundTheme() const { return bytSoundTheme; }

    // A word has a letter slot for each character of a list record.
    static constexpr int Slots = VocabFile::RecordLength;

    // The main window's list file, open from one list load to the next.
    bool listFileOpen() const { return m_listFile.isOpen(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    // Word lists
    void mnuFileOpenList_Click();
    void mnuOursNextList_Click();
    void mnuFirst_Click();
    void mnuSecond_Click();
    void mnuThird_Click();
    void mnuFourth_Click();
    void mnuFifth_Click();
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
    // Other windows
    void mnuYoursCustomList_Click();
    void mnuHelpHelp_Click();
    // Hearing the word
    void sayTheWord();
    void sayTheWordsToggled(bool on);

private:
    void createControls();
    void createMenus();
    void connectHandlers();

    void Form_Load();
    void Form_Unload();
    void Form_KeyDown(int keyCode, const QString &typed);
    void Form_KeyUp();

    void CheckSpelling();
    void HideSomeLetters();
    void ClearAttempt();
    void EraseLastLetter();

    // The one way a list file comes in: the list file held so far is
    // closed and this one opened and read, as records or as a text list;
    // nothing when it cannot be opened.
    std::optional<ListContents> openList(const QString &path);
    void loadGrade(const QString &fileName);
    void tenWordDraw();
    void clearLetterRows();
    void hideFaces();
    void playProgramWave(const QString &name);
    void paintNow();
    void chooseSoundTheme(int number);

    bool menusHaveTheKey(const virtualkeys::Press &press);
    bool isDoubleClickLeftover(const QMouseEvent *mouse);
    int nextFreeSlot() const;
    void dropBlankEntriesOnTop();
    void showWhatComesNext();
    // A word to the parent beside the faces, until the next word is taken.
    void showNote(const QString &text);

    Services &m_services;
    VocabFile m_listFile;
    virtualkeys::RepeatMerger m_repeats;
    virtualkeys::DeadKeys m_deadKeys;
    // When the last mouse button went down, on the mouse's clock.
    std::optional<std::uint32_t> m_lastPress;
    // The help window while it is open; it deletes itself on closing.
    QPointer<frmHelp> m_help;

    // Controls
    QWidget *m_ground = nullptr;
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
    // Says that the practice list is used up and where the next comes from.
    QLabel *listUsedUp = nullptr;
    std::array<QLabel *, Slots> lblPrompt{};
    std::array<QLabel *, Slots> lblWord{};
    std::array<CircleShape *, Slots> shaZam{};
    std::array<QLabel *, 10> imgHappy{};
    std::array<QLabel *, 36> lblKey{};

    // Menus
    QMenu *mnuFile = nullptr;
    QAction *mnuFileOpenList = nullptr;
    QAction *mnuFileNextWord = nullptr;
    QMenu *mnuOurs = nullptr;
    QAction *mnuOursNextList = nullptr;
    QAction *mnuOursAddLots = nullptr;
    QMenu *mnuYours = nullptr;
    QAction *mnuYoursCustomList = nullptr;
    QAction *mnuYoursAddAWord = nullptr;
    QMenu *mnuGrade = nullptr;
    QAction *mnuFirst = nullptr;
    QAction *mnuSecond = nullptr;
    QAction *mnuThird = nullptr;
    QAction *mnuFourth = nullptr;
    QAction *mnuFifth = nullptr;
    // Its items, one for each theme the menu lists, come from the themes.
    QMenu *mnuSounds = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpHelp = nullptr;
    QAction *sayWordAction = nullptr;
    QAction *sayWordsAction = nullptr;

    // State
    std::int16_t intLetterPos = 0;
    std::int16_t intTimesRight = 0;
    bool blnAllRight = false;
    std::int16_t intFaceCount = 0;
    bool blnWordOpen = false;
    std::uint8_t bytWordLen = 0;
    std::uint8_t bytSoundTheme = 0;
};
