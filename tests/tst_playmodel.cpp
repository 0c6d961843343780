// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of play on the model alone, without a window: the lists and
// Next Word, typing and the clearing keys, the answer check, the stages of
// hidden letters and the faces.

#include "fakes.h"
#include "keys/virtualkeys.h"
#include "practice/playmodel.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

using Check = PlayModel::Check;

// A model with a fake random source, driven as the window drives it.
struct Play {
    FakeRandomSource random;
    PlayModel model{random};

    void practise(const QStringList &words) { model.openList(words); }
    void key(int code, const QString &typed = {})
    {
        model.KeyDown(code, typed);
        model.KeyUp();
    }
    // Letters as the child types them.
    void type(const QString &letters)
    {
        for (QChar c : letters)
            key(c.isLetter() ? c.toUpper().unicode() : int(virtualkeys::None),
                QString(c.toUpper()));
    }
    void erase()
    {
        key(virtualkeys::Backspace, virtualkeys::typedCharacter(virtualkeys::Backspace));
    }
    void clear() { key(virtualkeys::Delete, virtualkeys::typedCharacter(virtualkeys::Delete)); }
    // Spells the word on screen right, r values of 0.99 hiding no letter.
    Check spellRight(const QString &word)
    {
        random.values = std::deque<double>(14, 0.99);
        type(word);
        return model.CheckSpelling();
    }
    // The word in play, hidden letters too; the letters shown; the attempt.
    QString word() const
    {
        return joined([this](int i) { return model.letter(i); });
    }
    QString shown() const
    {
        return joined([this](int i) { return model.letterShown(i) ? model.letter(i) : QString(); });
    }
    QString attempt() const
    {
        return joined([this](int i) { return model.slotShown(i) ? model.typed(i) : QString(); });
    }
    QList<int> dots() const
    {
        QList<int> out;
        for (int i = 0; i < PlayModel::Slots; ++i)
            if (model.dotShown(i))
                out.append(i);
        return out;
    }
    QList<int> faces() const
    {
        QList<int> out;
        for (int i = 0; i < PlayModel::Faces; ++i)
            if (model.faceShown(i))
                out.append(i);
        return out;
    }

private:
    template<typename F>
    static QString joined(F slot)
    {
        QString out;
        for (int i = 0; i < PlayModel::Slots; ++i)
            out += slot(i);
        return out;
    }
};

} // namespace

class TestPlayModel : public QObject
{
    Q_OBJECT

private slots:
    // A wrong letter marks its slot and blocks every check until Delete;
    // the check it blocks is told apart from a plain wrong one.
    void wrongLettersAreSticky()
    {
        Play p;
        p.practise({QStringLiteral("cat")});
        p.model.NextWord();
        p.type(QStringLiteral("car"));
        QCOMPARE(p.model.CheckSpelling(), Check::Wrong);
        QCOMPARE(p.dots(), QList<int>{2});
        QVERIFY(!p.model.blnAllRight());

        p.erase();
        p.type(QStringLiteral("t"));
        QCOMPARE(p.attempt(), QStringLiteral("CAT"));
        QCOMPARE(p.model.CheckSpelling(), Check::Refused);
        QCOMPARE(p.dots(), QList<int>{2});
        QCOMPARE(p.model.intTimesRight(), 0);

        // Delete empties the attempt, and the button goes with it until the
        // attempt is full again.
        p.clear();
        QCOMPARE(p.dots(), QList<int>());
        QCOMPARE(p.attempt(), QString());
        QVERIFY(!p.model.answerOffered());
        p.type(QStringLiteral("ca"));
        QVERIFY(!p.model.answerOffered());
        p.type(QStringLiteral("t"));
        QVERIFY(p.model.answerOffered());
        p.erase();
        QVERIFY(!p.model.answerOffered());
        p.type(QStringLiteral("t"));
        QCOMPARE(p.model.CheckSpelling(), Check::Praised);
    }

    void backspaceAndDelete()
    {
        Play p;
        p.practise({QStringLiteral("cat"), QStringLiteral("horse")});
        p.model.NextWord();
        // Empty attempt: nothing changes.
        p.erase();
        QCOMPARE(p.attempt(), QString());
        p.clear();
        QCOMPARE(p.attempt(), QString());
        // Partial: one character at a time, then nothing.
        p.type(QStringLiteral("ca"));
        p.erase();
        QCOMPARE(p.attempt(), QStringLiteral("C"));
        p.erase();
        QCOMPARE(p.attempt(), QString());
        p.erase();
        QCOMPARE(p.attempt(), QString());
        QCOMPARE(p.model.intLetterPos(), -1);
        p.type(QStringLiteral("t"));
        QCOMPARE(p.model.typed(0), QStringLiteral("T"));
        // Full: only the last character goes.
        p.clear();
        p.type(QStringLiteral("cat"));
        p.erase();
        QCOMPARE(p.attempt(), QStringLiteral("CA"));
        // Delete on a partial attempt empties every slot.
        p.clear();
        QCOMPARE(p.attempt(), QString());

        // Five letters: the sixth and later keys place nothing.
        p.model.NextWord();
        p.type(QStringLiteral("horsey"));
        QCOMPARE(p.attempt(), QStringLiteral("HORSE"));
        QCOMPARE(p.model.intLetterPos(), 4);
        p.erase();
        p.erase();
        p.erase();
        QCOMPARE(p.attempt(), QStringLiteral("HO"));
        p.type(QStringLiteral("r"));
        QCOMPARE(p.model.typed(2), QStringLiteral("R"));
    }

    void drawsPerStage()
    {
        const int stage1[] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5};
        const int stage2[] = {0, 1, 2, 2, 2, 3, 4, 4, 4, 5, 6, 6, 6, 7};
        const QString letters = QStringLiteral("abcdefghijklmn");
        QStringList words;
        for (int length = 1; length <= 14; ++length)
            words.append(letters.left(length));
        Play p;
        p.practise(words);
        for (int length = 1; length <= 14; ++length) {
            p.model.NextWord();
            const QString word = words.at(length - 1);
            for (int stage = 1; stage <= 3; ++stage) {
                p.random.draws = 0;
                p.random.reseeds = 0;
                // r = 0 names the second letter; a one-letter word has none.
                p.random.values = std::deque<double>(14, 0.0);
                p.type(word);
                QCOMPARE(p.model.CheckSpelling(), Check::Praised);
                const int expected = stage == 1   ? stage1[length - 1]
                                     : stage == 2 ? stage2[length - 1]
                                                  : length;
                QCOMPARE(p.random.draws, expected);
                QCOMPARE(p.random.reseeds, expected);
                QVERIFY(p.model.letterShown(0));
                if (length > 1)
                    QCOMPARE(p.model.letterShown(1), expected == 0);
            }
        }
    }

    // One word through its stages: the praise is due before its letters
    // hide, the face before the applause; the right attempt stays after it.
    void stagesThenTheFace()
    {
        Play p;
        p.practise({QStringLiteral("cat"), QStringLiteral("dog")});
        p.model.NextWord();
        QStringList seen;
        QObject::connect(&p.model, &PlayModel::praised, [&] {
            seen.append(QStringLiteral("praised %1 %2").arg(p.attempt(), p.shown()));
        });
        QObject::connect(&p.model, &PlayModel::rewarded,
                         [&] { seen.append(QStringLiteral("rewarded %1").arg(p.faces().size())); });
        // Stage 1: one draw; r = 0.5 gives k = 2, the third letter.
        p.random.values = {0.5};
        p.type(QStringLiteral("cat"));
        QCOMPARE(p.model.CheckSpelling(), Check::Praised);
        QCOMPARE(seen, QStringList{"praised CAT CAT"});
        QCOMPARE(p.attempt(), QString());
        QCOMPARE(p.shown(), QStringLiteral("CA"));
        QCOMPARE(p.model.letter(2), QStringLiteral("T")); // hidden, still checked
        QVERIFY(!p.model.answerOffered());
        QCOMPARE(p.spellRight(QStringLiteral("cat")), Check::Praised);
        QCOMPARE(p.spellRight(QStringLiteral("cat")), Check::Praised);
        QCOMPARE(p.model.intTimesRight(), 3);
        QCOMPARE(p.spellRight(QStringLiteral("cat")), Check::Rewarded);
        QCOMPARE(seen.last(), QStringLiteral("rewarded 1"));
        QCOMPARE(p.faces(), QList<int>{0});
        QVERIFY(!p.model.blnWordOpen() && !p.model.answerOffered() && p.model.nextWordOffered());
        QCOMPARE(p.attempt(), QStringLiteral("CAT"));
        // A closed word earns nothing more.
        QCOMPARE(p.model.CheckSpelling(), Check::Closed);
        QCOMPARE(p.model.intFaceCount(), 1);
        p.model.NextWord();
        QCOMPARE(p.word(), QStringLiteral("DOG"));
        QCOMPARE(p.faces(), QList<int>{0}); // faces stay across words
    }

    // Faces fill the board in order; a new list starts a fresh board, its
    // count back at 0; a word closed on a full board is applauded with no
    // face to add; where a child left off, the board comes back.
    void facesInOrder()
    {
        Play p;
        p.practise(QStringList(12, QStringLiteral("a")));
        auto closeWord = [&p] {
            p.model.NextWord();
            for (int i = 0; i < 4; ++i)
                p.spellRight(QStringLiteral("a"));
        };
        closeWord();
        closeWord();
        QCOMPARE(p.faces(), (QList<int>{0, 1}));
        for (const std::function<void()> &newList :
             {std::function<void()>([&] { p.model.NextList(); }), std::function<void()>([&] {
                  p.model.loadGrade(QStringList(3, QStringLiteral("a")));
              }),
              std::function<void()>([&] { p.practise(QStringList(12, QStringLiteral("a"))); })}) {
            newList();
            QCOMPARE(p.faces(), QList<int>());
            QCOMPARE(p.model.intFaceCount(), 0);
        }
        for (int i = 0; i < 10; ++i)
            closeWord();
        QCOMPARE(p.model.intFaceCount(), 10);
        QSignalSpy applause(&p.model, &PlayModel::rewarded);
        closeWord();
        QCOMPARE(p.model.intFaceCount(), 10);
        QVERIFY(!p.model.blnWordOpen());
        QCOMPARE(applause.size(), 1);
        QVERIFY(p.model.faceShown(9));
        p.model.resume({QStringLiteral("a")}, {QStringLiteral("a"), QStringLiteral("b")}, 3);
        QCOMPARE(p.faces(), (QList<int>{0, 1, 2}));
        QVERIFY(p.model.nextWordOffered());
        QCOMPARE(p.model.practiceList(), (QStringList{"a", "b"}));
    }

    // A spelling test asks the list as last drawn, opened or added to (Next
    // Word does not shorten it): each word unseen, checked once, no dots,
    // no stages; a wrong one shows the word; the board and the practice
    // list stay as they were; a test begun during another ends that one.
    void spellingTest()
    {
        Play p;
        p.practise({QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("owl")});
        p.model.NextWord();
        p.model.addExtraWords({QStringLiteral("hen")});
        QCOMPARE(p.model.testList(), (QStringList{"hen", "cat", "dog", "owl"}));
        const QStringList waiting = p.model.practiceList();
        p.model.StartTest({QStringLiteral("dog"), QStringLiteral("cat")});
        QVERIFY(p.model.inTest() && p.model.blnWordOpen());
        QCOMPARE(p.shown(), QString());
        QCOMPARE(p.attempt(), QString());
        QCOMPARE(p.model.bytWordLen(), 3);
        p.type(QStringLiteral("dgo"));
        QVERIFY(p.model.answerOffered());
        QCOMPARE(p.model.CheckSpelling(), Check::TestWrong);
        QCOMPARE(p.shown(), QStringLiteral("DOG")); // beside the attempt
        QCOMPARE(p.dots(), QList<int>());
        QCOMPARE(p.model.CheckSpelling(), Check::Closed);
        QVERIFY(p.model.NextTestWord());
        p.type(QStringLiteral("cat"));
        QCOMPARE(p.model.CheckSpelling(), Check::TestRight);
        QCOMPARE(p.random.draws, 0); // no letter hidden
        QVERIFY(!p.model.NextTestWord());
        QVERIFY(!p.model.inTest() && !p.model.blnWordOpen());
        QCOMPARE(p.model.testAnswers().size(), 2);
        QCOMPARE(p.model.testAnswers().at(0).typed, QStringLiteral("DGO"));
        QVERIFY(!p.model.testAnswers().at(0).right && p.model.testAnswers().at(1).right);
        QCOMPARE(p.model.practiceList(), waiting);
        QCOMPARE(p.model.intFaceCount(), 0);

        p.model.StartTest({QStringLiteral("owl"), QStringLiteral("hen")});
        p.type(QStringLiteral("owl"));
        p.model.CheckSpelling();
        p.model.StartTest({QStringLiteral("hen")});
        QCOMPARE(p.model.testAnswers().size(), 0);
        QCOMPARE(p.model.testSize(), 1);
        p.model.NextList(); // ends the test, no word left in play
        QVERIFY(!p.model.inTest() && !p.model.slotShown(0));
    }

    void nextListClosesTheWord()
    {
        Play p;
        p.practise({QStringLiteral("cat")});
        p.model.NextWord();
        p.type(QStringLiteral("cat"));
        QVERIFY(p.model.answerOffered());
        p.model.NextList();
        QVERIFY(!p.model.answerOffered() && !p.model.wordOnScreen());
        QVERIFY(!p.model.blnWordOpen());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(p.model.CheckSpelling(), Check::Closed);
        QCOMPARE(p.model.intFaceCount(), 0);
    }

    void nextWordTakesTheListInOrder()
    {
        Play p;
        QStringList ten;
        for (int i = 0; i < 10; ++i)
            ten.append(QString(QChar(u'a' + i)).repeated(i + 1));
        p.practise(ten);
        for (int i = 0; i < 10; ++i) {
            QVERIFY(p.model.nextWordEnabled());
            p.model.NextWord();
            QCOMPARE(p.word(), ten.at(i).toUpper());
        }
        QVERIFY(!p.model.nextWordEnabled());
    }

    void nextWordShapes()
    {
        // Blank entries, inner space, mixed case, fourteen letters.
        Play p;
        p.practise({QString(), QStringLiteral(" ice cream    "), QString(), QStringLiteral("DoG"),
                    QStringLiteral("abcdefghijklmn"), QString(), QStringLiteral("   ")});
        // A blank entry is passed over: it is no word to earn a face with.
        p.model.NextWord();
        QCOMPARE(p.model.letter(3), QStringLiteral(" "));
        QCOMPARE(p.model.bytWordLen(), 9);
        QCOMPARE(p.model.entry(), QStringLiteral(" ice cream    "));
        // The space bar fills the slot of the word's space, and only there.
        p.key(virtualkeys::Space);
        p.type(QStringLiteral("ice"));
        p.key(virtualkeys::Space);
        p.type(QStringLiteral("cream"));
        QCOMPARE(p.attempt(), QStringLiteral("ICE CREAM"));
        QCOMPARE(p.model.CheckSpelling(), Check::Praised);
        p.model.NextWord();
        QCOMPARE(p.word(), QStringLiteral("DOG"));
        p.model.NextWord();
        QCOMPARE(p.word(), QStringLiteral("ABCDEFGHIJKLMN"));
        QVERIFY(p.model.slotShown(13));
        // Only blank entries were left: the list is used up.
        QVERIFY(!p.model.nextWordEnabled());
    }

    // Next Word on an empty practice list puts no half-made word in play;
    // the list is used up until a new list is there to be played.
    void nextWordOnAnEmptyList()
    {
        Play p;
        p.practise({QStringLiteral("cat"), QStringLiteral("dog")});
        p.model.NextWord();
        p.type(QStringLiteral("ca"));
        p.model.removeFromPractice({0});
        QVERIFY(p.model.practiceList().isEmpty());
        QVERIFY(p.model.nextWordEnabled());
        p.model.NextWord();
        QVERIFY(!p.model.nextWordEnabled());
        QCOMPARE(p.model.bytWordLen(), 0);
        QVERIFY(!p.model.blnWordOpen() && !p.model.wordOnScreen());
        p.type(QStringLiteral("x"));
        QVERIFY(!p.model.answerOffered());
        QVERIFY(p.model.usedUp() && !p.model.nextWordOffered());

        const std::function<void()> newLists[] = {
            [&] { p.model.NextList(); },
            [&] { p.model.loadGrade({QStringLiteral("owl")}); },
            [&] { p.practise({QStringLiteral("owl")}); },
            [&] { p.model.addExtraWords({QStringLiteral("owl")}); },
        };
        for (const auto &newList : newLists) {
            while (p.model.nextWordEnabled())
                p.model.NextWord();
            for (int right = 0; right < 4; ++right)
                p.spellRight(p.word());
            QVERIFY(p.model.usedUp());
            newList();
            QVERIFY(!p.model.usedUp() && p.model.nextWordOffered());
        }
        // A grade or a list of blank entries only has nothing to play.
        while (p.model.nextWordEnabled())
            p.model.NextWord();
        p.model.loadGrade({QString(), QStringLiteral("   ")});
        QVERIFY(!p.model.nextWordEnabled());
    }

    // The lists by hand: the vocabulary's picked rows appended in its
    // order, the practice list's picked rows taken out.
    void listsByHand()
    {
        Play p;
        p.random.values = std::deque<double>(10, 0.5);
        p.model.loadGrade({QStringLiteral("ant"), QStringLiteral("bee"), QStringLiteral("cow")});
        QCOMPARE(p.model.practiceList(), QStringList(10, QStringLiteral("bee")));
        QCOMPARE(p.model.drawnRow(), 1);
        p.model.addFromVocabulary({2, 0});
        QCOMPARE(p.model.practiceList().mid(10), (QStringList{"ant", "cow"}));
        p.model.removeFromPractice({10, 0, 1, 2, 3, 4, 5, 6, 7, 8});
        QCOMPARE(p.model.practiceList(), (QStringList{"bee", "cow"}));
        p.model.addExtraWords({QStringLiteral("cat"), QStringLiteral("dog")});
        QCOMPARE(p.model.practiceList(), (QStringList{"cat", "dog", "bee", "cow"}));
        p.practise({QStringLiteral("owl")});
        QCOMPARE(p.model.drawnRow(), -1);
    }
};

QTEST_GUILESS_MAIN(TestPlayModel)
#include "tst_playmodel.moc"
