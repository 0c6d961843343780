// SPDX-License-Identifier: GPL-3.0-or-later

// Playing a word with the real window and real key events: Next Word,
// typing, the answer check, letter hiding, faces and the sound themes.

#include "base/codepage.h"
#include "playfixture.h"
#include "ui/twipslayout.h"

#include <QDialog>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QtTest>

#include <cstring>

namespace {

// What a label shows of one text, drawn as the label draws it but
// unclipped, with room all round; the inked box is in the label's
// coordinates.
struct Inked {
    QImage image;
    QRect box;
};
Inked inked(const QLabel *label, const QString &text)
{
    constexpr int Room = 16;
    Inked out{QImage(label->size() + QSize(2 * Room, 2 * Room), QImage::Format_ARGB32), {}};
    out.image.fill(Qt::transparent);
    QPainter painter(&out.image);
    painter.setFont(QFont(label->font(), label));
    painter.drawText(label->contentsRect().translated(Room, Room),
                     int(label->alignment()) | Qt::TextDontClip, text);
    painter.end();
    for (int y = 0; y < out.image.height(); ++y)
        for (int x = 0; x < out.image.width(); ++x)
            if (qAlpha(out.image.pixel(x, y)) != 0)
                out.box |= QRect(x - Room, y - Room, 1, 1);
    return out;
}

// Sizes of the window, as how many times its ground is as wide and as high
// as written.
void windowSizes()
{
    QTest::addColumn<qreal>("across");
    QTest::addColumn<qreal>("down");
    QTest::newRow("written") << 1.0 << 1.0;
    QTest::newRow("twice") << 2.0 << 2.0;
    QTest::newRow("three times") << 3.0 << 3.0;
    QTest::newRow("narrow") << 0.7 << 1.0;
    QTest::newRow("tall") << 1.5 << 3.0;
    QTest::newRow("wide") << 3.0 << 1.5;
}

} // namespace

class TestPlay : public QObject
{
    Q_OBJECT

private slots:
    // One word from Next Word to its smiley face.
    void wordFromStartToFace()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat"), QStringLiteral("dog")});
        f.nextWord();
        QCOMPARE(f.shownWord(), QStringLiteral("CAT"));
        QCOMPARE(f.play().bytWordLen(), 3);
        for (int i = 0; i < 14; ++i)
            QCOMPARE(f.slot(i)->isHidden(), i >= 3);

        f.type(QStringLiteral("ca"));
        QVERIFY(!f.answerShown());
        f.type(QStringLiteral("t"));
        QVERIFY(f.answerShown()); // at the release of the key that completed it
        QCOMPARE(f.attempt(), QStringLiteral("CAT"));
        QCOMPARE(f.sounds(), (QStringList{"\\cowMedium.wav", "\\chicken.wav", "\\raven.wav"}));
        QCOMPARE(f.play().intLetterPos(), 2);
        QCOMPARE(f.find<QLabel>(QStringLiteral("lblLetterCount"))->text(), QStringLiteral("2"));

        // Stage 1: one draw; r = 0.5 gives k = 2, the third letter. A
        // double-click is one check: the wiped attempt takes the button
        // away from the second click.
        f.fakes.player.played.clear();
        f.fakes.random.values = {0.5};
        QVERIFY(!f.nextWordShown());
        f.doubleClickAnswer();
        QCOMPARE(f.sounds(), QStringList{"\\goodJob.wav"});
        QCOMPARE(f.attempt(), QString());
        QCOMPARE(f.dots(), QList<int>());
        QCOMPARE(f.play().intTimesRight(), 1);
        QVERIFY(f.prompt(2)->isHidden());
        QCOMPARE(f.prompt(2)->text(), QStringLiteral("T")); // hidden, still compared
        QVERIFY(!f.answerShown());
        QVERIFY(!f.slot(0)->isHidden());

        f.spellRight(QStringLiteral("cat"));
        f.spellRight(QStringLiteral("cat"));
        QCOMPARE(f.play().intTimesRight(), 3);
        QVERIFY(!f.prompt(0)->isHidden()); // the first letter never hides
        f.fakes.player.played.clear();
        f.type(QStringLiteral("cat"));
        QVERIFY(f.answerShown());
        // The second click lands where the next-word button now stands and
        // does not take the next word.
        f.doubleClickAnswer();
        QCOMPARE(f.sounds().last(), QStringLiteral("\\manyClapping.wav"));
        QVERIFY(!f.answerShown());
        QVERIFY(f.nextWordShown());
        QCOMPARE(f.find<QListWidget>(QStringLiteral("lstMiddle"))->count(), 1);
        QVERIFY(!f.face(0)->isHidden());
        QVERIFY(f.face(1)->isHidden());
        QCOMPARE(f.play().intFaceCount(), 1);
        QCOMPARE(f.play().blnWordOpen(), false);
        QCOMPARE(f.attempt(), QStringLiteral("CAT")); // the right attempt stays

        // A closed word gives no second face and no sound.
        f.fakes.player.played.clear();
        f.answer();
        QVERIFY(f.sounds().isEmpty());
        QCOMPARE(f.play().intFaceCount(), 1);
        // Keys still sound after the face; the full row takes nothing more.
        f.type(QStringLiteral("q"));
        QCOMPARE(f.sounds(), QStringList{"\\canaryhigh.wav"});
        QCOMPARE(f.attempt(), QStringLiteral("CAT"));
        // Return takes the next word, as the button does.
        f.key(Qt::Key_Return);
        QCOMPARE(f.shownWord(), QStringLiteral("DOG"));
        QVERIFY(!f.answerShown() && !f.nextWordShown());
        QVERIFY(!f.face(0)->isHidden()); // faces stay across words
    }

    // A wrong letter marks its slot and blocks every check until Delete;
    // a check it blocks tells the child so, aloud and in the note, and
    // blinks the dot.
    void wrongLettersAreSticky()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat")});
        f.nextWord();
        f.type(QStringLiteral("car"));
        f.fakes.player.played.clear();
        f.fakes.speaker.said.clear();
        f.answer();
        QCOMPARE(f.dots(), QList<int>{2});
        QVERIFY(f.sounds().isEmpty());
        QCOMPARE(f.play().blnAllRight(), false);
        auto *note = f.find<QLabel>(QStringLiteral("notePlace"));
        QVERIFY(note->isHidden() && f.fakes.speaker.said.isEmpty()); // the dot says it all

        // Mended with Backspace and checked again (Return, as the button):
        // still no praise, but the hint, and the dot goes out and comes back.
        f.key(Qt::Key_Backspace);
        f.type(QStringLiteral("t"));
        QCOMPARE(f.attempt(), QStringLiteral("CAT"));
        f.fakes.player.played.clear();
        f.key(Qt::Key_Return);
        const QString hint = QStringLiteral("Press Delete, then spell it again.");
        QCOMPARE(f.fakes.speaker.said, QStringList{hint});
        QVERIFY(!note->isHidden() && note->text() == hint);
        QCOMPARE(f.dots(), QList<int>());
        QTRY_COMPARE(f.dots(), QList<int>{2});
        QCOMPARE(f.play().intTimesRight(), 0);
        QVERIFY(f.sounds().isEmpty());

        // Delete takes the hint with the dots and the attempt; the word
        // moves on again.
        f.key(Qt::Key_Delete);
        QVERIFY(note->isHidden());
        QCOMPARE(f.dots(), QList<int>());
        f.type(QStringLiteral("cat"));
        f.answer();
        QCOMPARE(f.sounds().last(), QStringLiteral("\\goodJob.wav"));
    }

    // The editing keys clear on screen and play nothing; letters past the
    // word's end place nothing but still sound.
    void editingKeysAreSilent()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat")});
        f.nextWord();
        f.type(QStringLiteral("ca"));
        f.fakes.player.played.clear();
        f.key(Qt::Key_Backspace);
        QCOMPARE(f.attempt(), QStringLiteral("C"));
        f.key(Qt::Key_Delete);
        QCOMPARE(f.attempt(), QString());
        QVERIFY(f.sounds().isEmpty());
        f.type(QStringLiteral("caty"));
        QCOMPARE(f.attempt(), QStringLiteral("CAT"));
        QCOMPARE(f.sounds().last(), QStringLiteral("\\peacock.wav"));
    }

    // Keys that are not letters place what is printed on them, and keys
    // with nothing printable place nothing; only letters sound.
    void otherKeysPlaceTheirCharacters()
    {
        PlayFixture f;
        f.practise({QStringLiteral("don't-7")});
        f.nextWord();
        f.type(QStringLiteral("don"));
        f.fakes.player.played.clear();
        for (Qt::Key k : {Qt::Key_F1, Qt::Key_Left, Qt::Key_Home, Qt::Key_Tab, Qt::Key_Return,
                          Qt::Key_Apostrophe})
            f.key(k);
        f.type(QStringLiteral("t"));
        f.key(Qt::Key_Minus);
        f.key(Qt::Key_Shift);
        f.key(Qt::Key_7);
        QCOMPARE(f.attempt(), QStringLiteral("DON'T-7"));
        QCOMPARE(f.sounds(), QStringList{"\\raven.wav"});
        QVERIFY(f.answerShown());
        f.answer();
        QCOMPARE(f.dots(), QList<int>());
    }

    // Modifier keys alone place nothing and play nothing, so a child who
    // holds Shift for the capitals on screen spells the word right.
    void modifierKeysPlaceNothing()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat")});
        f.nextWord();
        for (Qt::Key k : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr,
                          Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_Meta, Qt::Key_Menu})
            QTest::sendKeyEvent(QTest::Click, f.window->windowHandle(), k, QString(),
                                Qt::NoModifier);
        QCOMPARE(f.attempt(), QString());
        QVERIFY(f.sounds().isEmpty());
        // Each is a press of Shift, the letter, and the release of Shift.
        for (Qt::Key k : {Qt::Key_C, Qt::Key_A, Qt::Key_T})
            f.key(k, Qt::ShiftModifier);
        QCOMPARE(f.attempt(), QStringLiteral("CAT"));
        f.answer();
        QCOMPARE(f.dots(), QList<int>());
        QCOMPARE(f.sounds().last(), QStringLiteral("\\goodJob.wav"));
    }

    // The space bar only shows the hidden button. A click on the answer
    // button or on "Save Ferris" leaves no focus there for the space bar to
    // press; a panel's button keeps its own.
    void spaceNeverPressesTheButtons()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat")});
        f.nextWord();
        f.fakes.random.values = {0.99};
        f.type(QStringLiteral("cat"));
        QTest::mouseClick(f.find(QStringLiteral("cmdSpelledCorrect")), Qt::LeftButton);
        QCOMPARE(f.play().intTimesRight(), 1);
        f.key(Qt::Key_Space); // a check of the wiped attempt would mark every slot
        QCOMPARE(f.dots(), QList<int>());

        auto *ferris = f.find(QStringLiteral("cmdSaveFerris"));
        QTest::mouseClick(ferris, Qt::LeftButton);
        QCOMPARE(f.play().bytSoundTheme(), 2);
        f.action("mnuSoundTech")->trigger();
        f.key(Qt::Key_Space);
        f.key(Qt::Key_Space);
        QCOMPARE(f.play().bytSoundTheme(), 4);
        QVERIFY(!ferris->isHidden());

        f.action("mnuOursAddLots")->trigger();
        auto *allDone = f.find(QStringLiteral("cmdOuttaHere"));
        allDone->setFocus();
        f.key(Qt::Key_Space);
        QVERIFY(f.find(QStringLiteral("fraList"))->isHidden());
    }

    // A letter beyond A to Z that a word list can hold is placed as the
    // capital of the word on screen, typed on its own key or composed from
    // a dead key and a letter wherever the focus is, and plays the sound
    // of its base letter.
    void lettersBeyondAToZ()
    {
        PlayFixture f;
        f.practise({QStringLiteral("café"), QStringLiteral("Fuß"), QStringLiteral("fête")});
        const auto letterKey = [&f](Qt::Key k, const QString &text) {
            QTest::sendKeyEvent(QTest::Click, f.window->windowHandle(), k, text, Qt::NoModifier);
        };
        f.nextWord();
        f.type(QStringLiteral("caf"));
        f.fakes.player.played.clear();
        letterKey(Qt::Key_Eacute, QStringLiteral("é"));
        letterKey(Qt::Key_unknown, QStringLiteral("ł")); // not in the code page
        QCOMPARE(f.sounds(), QStringList{"\\sheepHigh.wav"});
        QCOMPARE(f.attempt(), QStringLiteral("CAFÉ"));
        f.answer();
        QCOMPARE(f.dots(), QList<int>());

        f.nextWord();
        f.type(QStringLiteral("fu"));
        letterKey(Qt::Key_ssharp, QStringLiteral("ß"));
        QCOMPARE(f.attempt(), QStringLiteral("FUß"));
        f.answer();
        QCOMPARE(f.dots(), QList<int>());

        // With the keyboard focus in a list of the picking panel, a dead
        // circumflex and e make Ê in the game.
        f.nextWord();
        f.action("mnuOursAddLots")->trigger();
        f.find(QStringLiteral("lstMiddle"))->setFocus();
        f.type(QStringLiteral("f"));
        f.fakes.player.played.clear();
        letterKey(Qt::Key_Dead_Circumflex, QString());
        letterKey(Qt::Key_E, QStringLiteral("e"));
        f.type(QStringLiteral("te"));
        QCOMPARE(f.attempt(), QStringLiteral("FÊTE"));
        QCOMPARE(f.sounds().first(), QStringLiteral("\\sheepHigh.wav"));
        f.answer();
        QCOMPARE(f.dots(), QList<int>());
    }

    // Before the first word, letters sound and place nothing.
    void keysBeforeTheFirstWord()
    {
        PlayFixture f;
        f.type(QStringLiteral("qa"));
        QCOMPARE(f.sounds(), (QStringList{"\\canaryhigh.wav", "\\chicken.wav"}));
        QCOMPARE(f.attempt(), QString());
        QVERIFY(!f.answerShown());
    }

    // While the extra-word panel is open, keys go to its text box only;
    // the space bar still reveals the hidden button.
    void extraWordPanelSuspendsTyping()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat")});
        f.nextWord();
        f.type(QStringLiteral("c"));
        f.action("mnuYoursAddAWord")->trigger();
        QTRY_VERIFY(f.find(QStringLiteral("txtDaWord"))->hasFocus());
        f.fakes.player.played.clear();
        f.type(QStringLiteral("at"));
        f.key(Qt::Key_Space);
        f.key(Qt::Key_Delete);
        f.key(Qt::Key_Escape);
        QCOMPARE(f.attempt(), QStringLiteral("C"));
        QVERIFY(f.sounds().isEmpty());
        QCOMPARE(f.fakes.ending.ended, 0);
        QVERIFY(!f.answerShown());
        QVERIFY(!f.find(QStringLiteral("cmdSaveFerris"))->isHidden());
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("txtDaWord"))->text(), QStringLiteral("at "));
    }

    // The number of draws per stage, for every word length; the first
    // letter never hides.
    // Faces fill in index order across words and lists; a list command
    // hides them without starting the count again; past ten, words still
    // close.
    // Next List takes the word off the screen and its answer button with
    // it: presses of the button afterwards earn neither praise nor a face.
    // A list opened after the last one ran out can be played; a file
    // without words leaves nothing to play.
    void openedListCanBeStarted()
    {
        PlayFixture f;
        f.practise({QStringLiteral("ant")});
        f.nextWord();
        QVERIFY(!f.action("mnuFileNextWord")->isEnabled());
        f.practise({});
        QVERIFY(!f.action("mnuFileNextWord")->isEnabled());
        f.practise({QStringLiteral("bee"), QStringLiteral("cow")});
        QVERIFY(f.action("mnuFileNextWord")->isEnabled());
        f.nextWord();
        QCOMPARE(f.shownWord(), QStringLiteral("BEE"));
    }

    // Next Word on an empty practice list puts no half-made word in play.
    void nextWordOnAnEmptyList()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat"), QStringLiteral("dog")});
        f.nextWord();
        f.type(QStringLiteral("ca"));
        // The parent removes the last waiting word by hand.
        auto *middle = f.find<QListWidget>(QStringLiteral("lstMiddle"));
        middle->item(0)->setSelected(true);
        f.find<QPushButton>(QStringLiteral("cmdRemoveWord"))->click();
        QCOMPARE(middle->count(), 0);
        QVERIFY(f.action("mnuFileNextWord")->isEnabled());
        f.nextWord();
        QVERIFY(!f.action("mnuFileNextWord")->isEnabled());
        QCOMPARE(f.play().bytWordLen(), 0);
        QCOMPARE(f.play().blnWordOpen(), false);
        QCOMPARE(f.attempt(), QString());
        f.type(QStringLiteral("x"));
        QVERIFY(!f.answerShown());
        // The window says the list is used up until a new list is there:
        // Next List, a grade or an opened list each bring the next-word
        // button back and take the note away.
        QLabel *note = f.find<QLabel>(QStringLiteral("notePlace"));
        const auto usedUp = [&] {
            return !note->isHidden() && note->text().startsWith(QLatin1String("That was the last"));
        };
        QVERIFY(usedUp() && !f.nextWordShown());
        const std::function<void()> newLists[] = {
            [&] { f.action("mnuOursNextList")->trigger(); },
            [&] { f.action("mnuFirst")->trigger(); },
            [&] { f.practise({QStringLiteral("owl")}); },
        };
        for (const auto &newList : newLists) {
            while (f.action("mnuFileNextWord")->isEnabled())
                f.nextWord();
            for (int right = 0; right < 4; ++right)
                f.spellRight(f.word());
            QVERIFY(usedUp());
            newList();
            QVERIFY(!usedUp() && f.nextWordShown());
            QVERIFY(f.action("mnuFileNextWord")->isEnabled());
        }
    }

    void soundThemes()
    {
        PlayFixture f;
        f.type(QStringLiteral("q"));
        f.action("mnuSoundTech")->trigger();
        f.type(QStringLiteral("q"));
        f.action("mnuSoundsAnimals")->trigger();
        f.type(QStringLiteral("q"));
        f.action("mnuSoundCartoon")->trigger();
        f.type(QStringLiteral("xl"));
        QCOMPARE(f.sounds(), (QStringList{"\\canaryhigh.wav", "\\Trekdoor.wav", "\\canaryhigh.wav",
                                          "\\raspberry.wav", "\\raspberry.wav"}));
        QCOMPARE(f.play().bytSoundTheme(), 3);

        // The hidden theme: space shows the button, a click takes it.
        auto *ferris = f.find<QPushButton>(QStringLiteral("cmdSaveFerris"));
        QVERIFY(ferris->isHidden());
        f.key(Qt::Key_Space);
        QVERIFY(!ferris->isHidden());
        QTest::mouseClick(ferris, Qt::LeftButton);
        QVERIFY(ferris->isHidden());
        QCOMPARE(f.play().bytSoundTheme(), 2);
        f.fakes.player.played.clear();
        f.type(QStringLiteral("lqm"));
        QCOMPARE(f.sounds(), (QStringList{"\\Ferris1.wav", "\\Ferris1.wav", "\\Ferris8.wav"}));

        // Keys that are not letters sound in no theme.
        f.fakes.player.played.clear();
        for (const char *theme : {"mnuSoundsAnimals", "mnuSoundCartoon", "mnuSoundTech"}) {
            f.action(theme)->trigger();
            f.key(Qt::Key_5);
            f.key(Qt::Key_Space);
            f.key(Qt::Key_F5);
            f.key(Qt::Key_Return);
        }
        QVERIFY(f.sounds().isEmpty());
        for (QAction *a : f.find(QStringLiteral("mnuSounds"))->findChildren<QAction *>())
            QVERIFY(!a->isChecked() || a->objectName() == QLatin1String("sayWordsAction"));
    }

    // The word on screen is said, trimmed: at Next Word, after each of the
    // first three right attempts, on a click on its row and by Say The
    // Word; not at all once Say The Words is off.
    void wordIsSaid()
    {
        PlayFixture f;
        f.practise({QStringLiteral("dog"), QStringLiteral(" ice cream")});
        const QStringList &said = f.fakes.speaker.said;
        f.action("sayWordAction")->trigger(); // no word on screen yet
        QVERIFY(said.isEmpty());
        f.nextWord();
        QTest::mouseClick(f.prompt(2), Qt::LeftButton);
        f.action("sayWordAction")->trigger();
        QCOMPARE(said, QStringList(3, QStringLiteral("dog")));
        for (int i = 0; i < 4; ++i)
            f.spellRight(QStringLiteral("dog"));
        QCOMPARE(said.size(), 6);

        f.action("sayWordsAction")->trigger();
        QVERIFY(!f.action("sayWordAction")->isEnabled());
        f.nextWord();
        QTest::mouseClick(f.prompt(0), Qt::LeftButton);
        QCOMPARE(said.size(), 6);
        f.action("sayWordsAction")->trigger();
        f.action("sayWordAction")->trigger();
        QCOMPARE(said.last(), QStringLiteral("ice cream"));
    }

    // A spelling test at the window: each word said with its sentence and
    // unseen, even with the words not said in practice; a right word's
    // tick, a wrong one shown beside the attempt, then the next; the
    // result with a face for each right word and the missed words to
    // practise; every answer kept, the test finished. Without any voice a
    // word is shown, then covered; a new list mid-test ends it unfinished.
    void spellingTest()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("owl")});
        f.action("sayWordsAction")->trigger();
        const QStringList &said = f.fakes.speaker.said;
        const auto answerWith = [&](bool right) {
            const QString word = f.play().word();
            QVERIFY(f.shownWord().isEmpty());
            QVERIFY(said.last().startsWith(word.toLower()));
            f.type(right ? word : QStringLiteral("zzz"));
            f.key(Qt::Key_Return);
            QCOMPARE(f.find(QStringLiteral("imgTick"))->isHidden(), !right);
            QCOMPARE(f.shownWord(), right ? QString() : word);
            const qsizetype before = said.size();
            f.key(Qt::Key_B); // the answer stands as checked
            QCOMPARE(f.attempt(), right ? word : QStringLiteral("ZZZ"));
            QTRY_VERIFY_WITH_TIMEOUT(said.size() > before || !f.play().inTest(), 3000);
        };
        f.key(Qt::Key_E, Qt::ControlModifier);
        QVERIFY(f.play().inTest() && !f.action("mnuFileNextWord")->isEnabled());
        f.key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(said.size(), 2); // said again
        answerWith(true);
        answerWith(false);
        answerWith(true);
        QVERIFY(!f.find(QStringLiteral("fraResult"))->isHidden());
        QCOMPARE(f.find<QLabel>(QStringLiteral("lblScore"))->text(), QStringLiteral("2 of 3"));
        QCOMPARE(f.list("lstMissed")->count(), 1);
        QVERIFY(!f.face(1)->isHidden() && f.face(2)->isHidden());
        const MemoryStore &store = f.fakes.store;
        QCOMPARE(store.answers.size(), 3);
        QVERIFY(std::all_of(store.answers.cbegin(), store.answers.cend(), [](const auto &a) {
            return a.stage == -1 && a.test == 1 && a.list == QStringLiteral("practice.dat");
        }));
        QVERIFY(store.histories.value(0).tests.at(0).finished);
        f.find<QPushButton>(QStringLiteral("cmdPractiseThese"))->click();
        QCOMPARE(f.play().practiceList().size(), 1);
        QVERIFY(f.find(QStringLiteral("fraResult"))->isHidden() && f.face(0)->isHidden());

        f.fakes.speaker.voices.clear();
        f.action("mnuFileSpellingTest")->trigger();
        QCOMPARE(f.shownWord(), f.play().word()); // look, then cover
        QTRY_VERIFY_WITH_TIMEOUT(f.shownWord().isEmpty(), 4000);
        f.action("mnuOursNextList")->trigger();
        QVERIFY(!f.play().inTest() && f.find(QStringLiteral("fraResult"))->isHidden());
        QVERIFY(!store.histories.value(0).tests.at(1).finished);
    }

    // Each child's play is kept apart: several named children are asked
    // for at start (Return takes the first), the name heads the note place,
    // the list and faces come back with a welcome; practice answers are
    // kept with their stage; a store that cannot keep says so once.
    void progressForEachChild()
    {
        PlayFixture f;
        MemoryStore &store = f.fakes.store;
        store.addChild(QStringLiteral("Sam"));
        store.addChild(QStringLiteral("Ana"));
        store.where = progress::Place{
            QStringLiteral("file"),     QString(),
            QStringLiteral("week.dat"), {QStringLiteral("ox"), QStringLiteral("hen")},
            {QStringLiteral("hen")},    2};
        f.window->takeUpProgress();
        auto *who = f.window->findChild<QDialog *>(QStringLiteral("dlgWhoIsPlaying"));
        QVERIFY(who && who->isVisible());
        auto *name = child<QLineEdit>(who, QStringLiteral("txtName"));
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("ana"));
        QTest::keyClick(name, Qt::Key_Return); // a name taken is refused
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QVERIFY(who->isVisible() && store.named.size() == 2);
        child<QPushButton>(who, QStringLiteral("cmdDelete"))->click(); // asked, and kept
        QCOMPARE(store.named.size(), 2);
        auto *names = child<QListWidget>(who, QStringLiteral("lstChildren"));
        names->setFocus();
        QTest::keyClick(names, Qt::Key_Return);
        QCOMPARE(store.chosen(), 1);
        const QString note = f.find<QLabel>(QStringLiteral("notePlace"))->text();
        QCOMPARE(note, QStringLiteral("Sam\nWelcome back, Sam!"));
        QCOMPARE(f.play().practiceList(), QStringList{QStringLiteral("hen")});
        QVERIFY(!f.face(1)->isHidden() && f.face(2)->isHidden());

        store.troubleText = QStringLiteral("Progress is not being kept.");
        f.nextWord();
        f.type(QStringLiteral("hex"));
        f.answer();
        QCOMPARE(f.find<QLabel>(QStringLiteral("notePlace"))->text(),
                 QStringLiteral("Sam\nProgress is not being kept."));
        QCOMPARE(store.answers.size(), 1);
        QCOMPARE(store.answers.at(0).typed, QStringLiteral("HEX"));
        QVERIFY(!store.answers.at(0).right && store.answers.at(0).stage == 0);
        f.key(Qt::Key_Delete);
        f.spellRight(QStringLiteral("hen"));
        QVERIFY(store.answers.at(1).right
                && store.answers.at(1).list == QStringLiteral("week.dat"));
        QCOMPARE(store.where->practice, QStringList());
    }

    // Escape ends the game at once under Animals and the hidden theme only.
    // Return presses the button that stands, without the mouse: the
    // question mark beside a full attempt, the arrow beside a closed word.
    // A held Return, or one pressed again at once, is one press: the face
    // its check earned does not take the next word with its echo.
    void returnPressesTheButtonThatStands()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat"), QStringLiteral("dog")});
        QWindow *window = f.window->windowHandle();
        std::uint32_t clock = 100000;
        const auto returnKey = [&](std::uint32_t after, bool repeat = false) {
            clock += after;
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent e(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
                e.setTimestamp(clock);
                QCoreApplication::sendEvent(window, &e);
            }
        };
        returnKey(0);
        QCOMPARE(f.shownWord(), QStringLiteral("CAT"));
        for (int right = 1; right <= 4; ++right) {
            f.fakes.random.values = std::deque<double>(14, 0.99);
            f.type(QStringLiteral("cat"));
            // Typed fast after the Return that took the word, and checked.
            returnKey(right == 1 ? 50 : 1000);
            if (right < 4)
                QCOMPARE(f.play().intTimesRight(), right);
        }
        QVERIFY(!f.face(0)->isHidden() && f.nextWordShown());
        returnKey(600, true);
        returnKey(150);
        QCOMPARE(f.shownWord(), QStringLiteral("CAT"));
        returnKey(1000);
        QCOMPARE(f.shownWord(), QStringLiteral("DOG"));
    }

    // The on-screen keys follow the keyboard in use, and its changes: on
    // a French keyboard A stands where Q stood, Z where W stood.
    void keysFollowTheKeyboard()
    {
        PlayFixture f;
        const auto tile = [&f](char letter) {
            const char *caps = "1234567890QWERTYUIOPASDFGHJKLZXCVBNM";
            return f.find(QStringLiteral("lblKey%1").arg(int(std::strchr(caps, letter) - caps)))
                ->geometry();
        };
        const QRect q = tile('Q'), w = tile('W'), a = tile('A');
        f.fakes.keyboard.layOut({"AZERTYUIOP", "QSDFGHJKLM", "WXCVBN"});
        QCOMPARE(tile('A'), q);
        QCOMPARE(tile('Z'), w);
        QCOMPARE(tile('Q').top(), a.top());
        f.fakes.keyboard.layOut({"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"});
        QCOMPARE(tile('Q'), q);
        QCOMPARE(tile('A'), a);
    }

    // The word is said as a teacher says it: alone at Next Word, with its
    // sentence where alone it could be heard as another word (or be said
    // in another sense), word, sentence and word again at Say The Word;
    // in the list's language, a grade list's in English; a voice the parent
    // chose is kept for the next run; a key stops the voice.
    void wordsSaidAsATeacherSays()
    {
        PlayFixture f;
        QVERIFY(f.folder.writeBytes(QStringLiteral("sentences.txt"),
                                    "=\ttwo\tto\ntwo\tI have two hands.\ncat\tThe cat says meow.\n"
                                    "read\tI like to read.\treed\n"));
        const QStringList &said = f.fakes.speaker.said;
        f.practise({QStringLiteral("cat"), QStringLiteral("two"), QStringLiteral("Read")});
        QCoreApplication::processEvents(); // the list's language is answered
        for (int i = 0; i < 3; ++i)
            f.nextWord();
        f.action("sayWordAction")->trigger();
        f.fakes.spelling.language = QStringLiteral("fr");
        f.practise({QStringLiteral("chat")});
        QCoreApplication::processEvents();
        f.nextWord();
        f.action("mnuFirst")->trigger(); // the fixture's grade: cat
        f.nextWord();
        QCOMPARE(said, (QStringList{"cat", "two / I have two hands. / two",
                                    "reed / I like to read. / reed",
                                    "reed / I like to read. / reed", "chat", "cat"}));
        QCOMPARE(f.fakes.speaker.saidIn, (QStringList{"en", "en", "en", "en", "fr", "en"}));
        const int stops = f.fakes.speaker.stops;
        f.type(QStringLiteral("c"));
        QVERIFY(f.fakes.speaker.stops > stops);

        // Sounds > Voice: Automatic, and a language of each voice a list
        // can be written in; the choice says every word and stays.
        auto *voices = f.find<QMenu>(QStringLiteral("mnuVoice"));
        emit voices->aboutToShow();
        QStringList offered;
        for (QAction *voice : voices->actions())
            if (!voice->isSeparator())
                offered.append(voice->objectName());
        QCOMPARE(offered, (QStringList{"voice_auto", "voice_de", "voice_en", "voice_fr"}));
        f.action("voice_de")->trigger();
        f.action("sayWordAction")->trigger();
        QCOMPARE(f.fakes.speaker.saidIn.last(), QStringLiteral("de"));
        f.action("sayWordsAction")->trigger();
        f.window.reset();
        f.start();
        emit f.find<QMenu>(QStringLiteral("mnuVoice"))->aboutToShow();
        QVERIFY(f.action("voice_de")->isChecked());
        QVERIFY(!f.action("sayWordsAction")->isChecked());
    }

    void escapeEndsTheGame()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat")});
        f.nextWord();
        f.action("mnuSoundCartoon")->trigger();
        f.key(Qt::Key_Escape);
        f.action("mnuSoundTech")->trigger();
        f.key(Qt::Key_Escape);
        QCOMPARE(f.fakes.ending.ended, 0);
        QCOMPARE(f.attempt(), QString());
        f.action("mnuSoundsAnimals")->trigger();
        f.key(Qt::Key_Escape);
        QCOMPARE(f.fakes.ending.ended, 1);
        f.key(Qt::Key_Space);
        f.find<QPushButton>(QStringLiteral("cmdSaveFerris"))->click();
        f.key(Qt::Key_Escape);
        QCOMPARE(f.fakes.ending.ended, 2);
    }

    // A key that closes a menu is the menu's: Escape while the menu bar is
    // lit for the keyboard, and Escape in a menu opened by the mouse, end
    // nothing. A letter typed while the menu bar is lit is the child's and
    // opens no menu by its access letter.
    void menusKeepTheirKeys()
    {
        PlayFixture f;
        f.practise({QStringLiteral("fog")});
        f.nextWord();
        QMenuBar *bar = f.window->menuBar();
        // Alt alone lights the menu bar, as Escape out of a menu does.
        f.key(Qt::Key_Alt);
        QVERIFY(bar->hasFocus() && bar->activeAction());
        f.key(Qt::Key_Escape);
        QVERIFY(!bar->activeAction());
        QCOMPARE(f.fakes.ending.ended, 0);
        f.key(Qt::Key_Alt);
        f.type(QStringLiteral("fog"));
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(!bar->hasFocus());
        QCOMPARE(f.attempt(), QStringLiteral("FOG"));
        QCOMPARE(f.sounds().size(), 3);

        bar->setActiveAction(f.find<QMenu>(QStringLiteral("mnuGrade"))->menuAction());
        QVERIFY(QApplication::activePopupWidget());
        f.key(Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(f.fakes.ending.ended, 0);
    }

    // Keys that arrive while a sound plays are handled after it, in order.
    void keysWaitForTheSound()
    {
        PlayFixture f;
        f.practise({QStringLiteral("cat")});
        f.nextWord();
        bool posted = false;
        QString attemptDuringSound;
        f.fakes.player.onPlay = [&](const QString &) {
            if (posted)
                return;
            posted = true;
            attemptDuringSound = f.attempt();
            for (Qt::Key k : {Qt::Key_A, Qt::Key_T}) {
                QCoreApplication::postEvent(f.window->windowHandle(),
                                            new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier));
                QCoreApplication::postEvent(f.window->windowHandle(),
                                            new QKeyEvent(QEvent::KeyRelease, k, Qt::NoModifier));
            }
        };
        f.type(QStringLiteral("c"));
        QCOMPARE(attemptDuringSound, QStringLiteral("C"));
        QTRY_COMPARE(f.attempt(), QStringLiteral("CAT"));
        QCOMPARE(f.sounds(), (QStringList{"\\cowMedium.wav", "\\chicken.wav", "\\raven.wav"}));
        QVERIFY(f.answerShown());
    }

    void everythingGrowsWithTheWindow_data() { windowSizes(); }
    // The layout grows and shrinks with the window as one, the same factor
    // across and down, centred on the ground: every control keeps its place
    // and shape, letters are drawn at the grown face and pictures from
    // their sources, what was hidden stays hidden, and a click on the word
    // row still says the word. A control placed again at run time (as a
    // keyboard layout moves the letter keys) keeps its new place.
    void everythingGrowsWithTheWindow()
    {
        QFETCH(qreal, across);
        QFETCH(qreal, down);
        PlayFixture f;
        f.nextWord();
        QLabel *keyA = f.find<QLabel>(QStringLiteral("lblKey20"));
        child<TwipsLayout>(f.window.get(), QStringLiteral("twipsLayout"))
            ->place(keyA, QRect(9480, 5280, 375, 420));
        QCOMPARE(keyA->geometry(), QRect(632, 352, 25, 28));

        // The controls of the ground and of its panels, as written.
        QList<std::tuple<QWidget *, QRect, bool>> written;
        for (QWidget *control : f.ground()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            written.append({control, control->geometry(), control->isHidden()});
            if (control->objectName().startsWith(QLatin1String("fra")))
                for (QWidget *inner : control->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                    written.append({inner, inner->geometry(), inner->isHidden()});
        }
        const int letterHeight = inked(f.prompt(0), QStringLiteral("W")).box.height();
        const int faceWidth = f.face(0)->pixmap().deviceIndependentSize().toSize().width();
        auto *answer = f.find<QPushButton>(QStringLiteral("cmdSpelledCorrect"));
        const int iconWidth = answer->iconSize().width();

        QVERIFY(f.scaleGround(across, down));
        const qreal factor = std::min(across, down);
        const QPointF centred((f.ground()->width() - f.writtenGround.width() * factor) / 2,
                              (f.ground()->height() - f.writtenGround.height() * factor) / 2);
        // Whole pixels at either size.
        auto near = [factor](qreal is, qreal written) { return qAbs(is - written) <= 1 + factor; };
        for (const auto &[control, was, hidden] : written) {
            const QPointF shift = control->parentWidget() == f.ground() ? centred : QPointF();
            const QRect is = control->geometry();
            QVERIFY2(near(is.x(), was.x() * factor + shift.x())
                         && near(is.y(), was.y() * factor + shift.y())
                         && near(is.width(), was.width() * factor)
                         && near(is.height(), was.height() * factor),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                    .arg(control->objectName())
                                    .arg(is.x())
                                    .arg(is.y())
                                    .arg(is.width())
                                    .arg(is.height())));
            QCOMPARE(control->isHidden(), hidden);
        }
        const int height = inked(f.prompt(0), QStringLiteral("W")).box.height();
        QVERIFY2(qAbs(height - letterHeight * factor) <= 1 + 0.1 * letterHeight * factor,
                 qPrintable(QStringLiteral("%1 px, %2 as written").arg(height).arg(letterHeight)));
        QVERIFY(near(f.face(0)->pixmap().deviceIndependentSize().width(), faceWidth * factor));
        QVERIFY(near(answer->iconSize().width(), iconWidth * factor));

        // The row of the word's letters says it; past its last letter, not.
        const QStringList &said = f.fakes.speaker.said;
        QTest::mouseClick(f.prompt(2), Qt::LeftButton);
        QCOMPARE(said.size(), 2);
        QTest::mouseClick(f.ground(), Qt::LeftButton, {}, f.prompt(3)->geometry().center());
        QCOMPARE(said.size(), 2);
    }

    void capitalsShowWholeAndDistinct_data() { windowSizes(); }
    // Every character a word shows in capitals (the digits, the code page's
    // capitals and "ß", which has no capital) is inked whole inside a slot
    // and unlike every other; each key's caption is whole on its key; at
    // every size of the window.
    void capitalsShowWholeAndDistinct()
    {
        QFETCH(qreal, across);
        QFETCH(qreal, down);
        PlayFixture f;
        QVERIFY(f.scaleGround(across, down));
        QString overflowing, alike;
        QHash<QByteArray, QChar> seen;
        for (int byte = 0x20; byte <= 0xff; ++byte) {
            const QChar c = codepage::charForByte(uchar(byte));
            if (!c.isUpper() && !c.isDigit() && c != QChar(0xdf))
                continue;
            const Inked ink = inked(f.slot(0), c);
            if (ink.box.isEmpty() || !f.slot(0)->rect().contains(ink.box))
                overflowing += c;
            const QByteArray pixels(reinterpret_cast<const char *>(ink.image.constBits()),
                                    ink.image.sizeInBytes());
            if (seen.contains(pixels))
                alike += QString(seen.value(pixels)) + c + QLatin1Char(' ');
            seen.insert(pixels, c);
        }
        for (int i = 0; i < 36; ++i) {
            const auto *key = f.find<QLabel>(QStringLiteral("lblKey%1").arg(i));
            if (!key->rect().contains(inked(key, key->text()).box))
                overflowing += key->text();
        }
        QCOMPARE(overflowing, QString());
        QCOMPARE(alike, QString());
        QCOMPARE(seen.size(), 26 + 10 + 34 + 1);
    }

    // The repeats of a held key that pile up while its sound plays are
    // merged into one waiting press; a separate press is never merged. The
    // keyboard's millisecond stamps wrap round to 0 along the way.
    void heldKeyRepeatsMerge()
    {
        PlayFixture f;
        f.practise({QStringLiteral("lllll")});
        f.nextWord();
        static constexpr std::uint32_t t0 = 0xFFFFFFFFu - 19;
        const auto event = [](QEvent::Type type, bool repeat, std::uint32_t after) {
            auto *e = new QKeyEvent(type, Qt::Key_L, Qt::NoModifier, QStringLiteral("l"), repeat);
            e->setTimestamp(std::uint32_t(t0 + after));
            return e;
        };
        QWindow *window = f.window->windowHandle();
        bool posted = false;
        f.fakes.player.onPlay = [&](const QString &) {
            if (!posted) {
                posted = true;
                // Made by the keyboard while the first sound plays.
                for (std::uint32_t after : {40u, 80u, 120u}) {
                    QCoreApplication::postEvent(window, event(QEvent::KeyRelease, true, after));
                    QCoreApplication::postEvent(window, event(QEvent::KeyPress, true, after));
                }
                QCoreApplication::postEvent(window, event(QEvent::KeyRelease, false, 130));
                QCoreApplication::postEvent(window, event(QEvent::KeyPress, false, 140));
                QCoreApplication::postEvent(window, event(QEvent::KeyRelease, false, 150));
            }
            QTest::qSleep(200);
        };
        const std::unique_ptr<QKeyEvent> first(event(QEvent::KeyPress, false, 0));
        QCoreApplication::sendEvent(window, first.get());
        QCoreApplication::sendPostedEvents(window);
        // The first press, the repeat that waited, the separate press.
        QCOMPARE(f.attempt(), QStringLiteral("LLL"));
        QCOMPARE(f.sounds().size(), 3);
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
