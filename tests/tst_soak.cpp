// SPDX-License-Identifier: GPL-3.0-or-later

// A long, random session against the real main window: key presses, menu
// commands, panel buttons and answer clicks in any order, with the game's
// invariants checked after every step. A fault that needs an unusual order
// of events to show (a slot index out of range, a face past the board, a
// word served twice) turns up here even where no scripted test goes.
//
// QB_SOAK_STEPS sets the number of steps (100,000 by default; the sanitizer
// build takes fewer), QB_SOAK_SEED the seed of the random order.

#include "playfixture.h"
#include "wordlist/grades.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int Slots = 14;
constexpr int Faces = 10;

int envNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Words for the grade files and the extra-word box, the hostile ones among
// them: blank, fourteen letters, inner spaces, controls, high bytes, emoji,
// letters outside the code page, and far too long.
QStringList hostileWords()
{
    return {QStringLiteral("cat"),
            QStringLiteral("because"),
            QStringLiteral("fourteenletter"),
            QStringLiteral("a"),
            QString(),
            QStringLiteral("ice cream"),
            QStringLiteral("tab\there"),
            QStringLiteral("\x01\x02\x1b"),
            QStringLiteral("naïve café"),
            QStringLiteral("😀 smile 😀"),
            QStringLiteral("Ωмир字"),
            QStringLiteral("abcdefghijklm😀"),
            QStringLiteral("fifteen letters"),
            QString(10000, QLatin1Char('w'))};
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

    std::unique_ptr<PlayFixture> game;
    QRandomGenerator random;

    // Controls, looked up once.
    std::array<QLabel *, Slots> prompts{};
    std::array<QLabel *, Slots> answers{};
    std::array<QWidget *, Slots> dots{};
    std::array<QLabel *, Faces> faces{};
    QListWidget *lstMiddle = nullptr;
    QListWidget *lstVocab = nullptr;
    QLineEdit *txtPrompt = nullptr;
    QLineEdit *txtDaWord = nullptr;
    QWidget *fraList = nullptr;
    QWidget *fraWord = nullptr;

    // Counts of what the soak did, so that a run that never reached the
    // rewards or never served a word does not pass unnoticed.
    int served = 0;
    int checks = 0;
    int listLoads = 0;
    int editorsClosed = 0;
    // What the last Next Word did wrong, if anything.
    QString serveFault;
    // No Next Word or Next List has cleared the letter rows yet.
    bool startCaptions = true;

    void setUpGame()
    {
        QStringList words = hostileWords();
        game = std::make_unique<PlayFixture>(words);
        const TestFolder &f = game->folder;
        QVERIFY(
            f.writeList(QStringLiteral("secondGrade.dat"),
                        {QStringLiteral("moon"), QStringLiteral("star"), QStringLiteral("sun")}));
        QVERIFY(f.writeList(QStringLiteral("thirdGrade.dat"), QStringList(10, QString())));
        QVERIFY(f.writeBytes(QStringLiteral("fourthGrade.dat"), QByteArray(97, '\xe9')));
        // fifthGrade.dat is missing.
        QVERIFY(f.writeList(QStringLiteral("mine.dat"), words));
        QByteArray noise(14 * 40 + 5, Qt::Uninitialized);
        for (char &b : noise)
            b = char(random.bounded(256));
        QVERIFY(f.writeBytes(QStringLiteral("noise.dat"), noise));

        for (int i = 0; i < Slots; ++i) {
            prompts[size_t(i)] = game->prompt(i);
            answers[size_t(i)] = game->slot(i);
            dots[size_t(i)] = game->dot(i);
        }
        for (int i = 0; i < Faces; ++i)
            faces[size_t(i)] = game->face(i);
        lstMiddle = game->find<QListWidget>(QStringLiteral("lstMiddle"));
        lstVocab = game->find<QListWidget>(QStringLiteral("lstVocab"));
        txtPrompt = game->find<QLineEdit>(QStringLiteral("txtPrompt"));
        txtDaWord = game->find<QLineEdit>(QStringLiteral("txtDaWord"));
        fraList = game->find(QStringLiteral("fraList"));
        fraWord = game->find(QStringLiteral("fraWord"));
        startCaptions = true;
        for (const char *clearing : {"mnuFileNextWord", "mnuOursNextList"})
            connect(game->action(clearing), &QAction::triggered, this,
                    [this] { startCaptions = false; });
    }

    // The draw and the letter hiding take their numbers from the fake
    // source; keep it stocked with random ones.
    void stockRandomValues()
    {
        while (game->fakes.random.values.size() < 32)
            game->fakes.random.values.push_back(random.generateDouble());
    }

    QString checkInvariants(const char *step) const
    {
        auto fault = [step](const QString &what) {
            return QStringLiteral("after %1: %2").arg(QLatin1String(step), what);
        };
        const int letterPos = game->play().intLetterPos();
        if (letterPos < -1 || letterPos > 13)
            return fault(QStringLiteral("intLetterPos %1").arg(letterPos));
        const int faceCount = game->play().intFaceCount();
        if (faceCount < 0 || faceCount > Faces)
            return fault(QStringLiteral("intFaceCount %1").arg(faceCount));
        const int timesRight = game->play().intTimesRight();
        if (timesRight < 0 || timesRight > 3)
            return fault(QStringLiteral("intTimesRight %1").arg(timesRight));
        const int wordLen = game->play().bytWordLen();
        if (wordLen < 0 || wordLen > Slots)
            return fault(QStringLiteral("bytWordLen %1").arg(wordLen));

        // The answer row shows a run of slots from the left: none, or one
        // per letter of the word. Only shown slots hold characters.
        int visible = 0, filled = 0;
        for (int i = 0; i < Slots; ++i) {
            const bool shown = !answers[size_t(i)]->isHidden();
            if (shown && visible != i)
                return fault(QStringLiteral("answer slot %1 shown after a hidden one").arg(i));
            visible += shown ? 1 : 0;
            const QString text = answers[size_t(i)]->text();
            if (!text.isEmpty()) {
                // The slots are laid out with the caption "W" and keep it,
                // hidden, until the first word or new list clears them.
                if (!shown && !(startCaptions && text == QLatin1String("W")))
                    return fault(QStringLiteral("hidden answer slot %1 holds %2").arg(i).arg(text));
                filled += shown ? 1 : 0;
            }
            if (!prompts[size_t(i)]->isHidden() && !shown)
                return fault(QStringLiteral("letter %1 shown over a hidden slot").arg(i));
            if (!dots[size_t(i)]->isHidden() && i >= wordLen)
                return fault(QStringLiteral("red dot %1 past the word").arg(i));
        }
        if (visible != 0 && visible != wordLen)
            return fault(
                QStringLiteral("%1 answer slots for a word of %2").arg(visible).arg(wordLen));
        if (filled > visible)
            return fault(QStringLiteral("%1 filled of %2 visible").arg(filled).arg(visible));
        if (visible > 0 && prompts[0]->isHidden())
            return fault(QStringLiteral("the first letter is hidden"));

        // Only earned faces show. A new list hides the board without
        // resetting the count, so the next face may stand alone.
        for (int i = faceCount; i < Faces; ++i)
            if (!faces[size_t(i)]->isHidden())
                return fault(QStringLiteral("face %1 shown, %2 earned").arg(i).arg(faceCount));
        return {};
    }

    // Next Word takes the first word and nothing else: the rest of the list
    // stays as it was, so no row is ever served twice.
    QString nextWordServesOnce()
    {
        const QStringList before = rows(lstMiddle);
        const bool enabled = game->action("mnuFileNextWord")->isEnabled();
        const QString wordBefore = txtPrompt->text();
        game->nextWord();
        const QStringList after = rows(lstMiddle);
        if (!enabled) {
            // A disabled menu item cannot be chosen: nothing changes (a
            // grade load can refill the list and leave it disabled).
            if (after != before || txtPrompt->text() != wordBefore)
                return QStringLiteral("a disabled Next Word took a word");
            return {};
        }
        // Blank entries are passed over as if they were not there.
        QStringList rest = before;
        const auto dropBlanks = [](QStringList &list) {
            while (!list.isEmpty() && VocabFile::isBlank(list.first()))
                list.removeFirst();
        };
        dropBlanks(rest);
        if (rest.isEmpty()) {
            if (!after.isEmpty() || game->action("mnuFileNextWord")->isEnabled()
                || !prompts[0]->isHidden())
                return QStringLiteral("Next Word on a list without words put a word in play");
            return {};
        }
        const QString taken = rest.takeFirst();
        dropBlanks(rest);
        if (after != rest)
            return QStringLiteral("Next Word left the list as %1 rows from %2")
                .arg(after.size())
                .arg(before.size());
        if (txtPrompt->text() != taken)
            return QStringLiteral("Next Word served a row other than the first word");
        if (game->action("mnuFileNextWord")->isEnabled() == after.isEmpty())
            return QStringLiteral("Next Word enabled %1 with %2 rows left")
                .arg(game->action("mnuFileNextWord")->isEnabled())
                .arg(after.size());
        ++served;
        return {};
    }

    // A key press and release on the window. Most go straight to the
    // window, as the platform hands them on; one in eight takes the whole
    // way through the platform queue, with the window repainting after it.
    // Painting every key would make the soak ten times slower and test the
    // toolkit rather than the game.
    void press(Qt::Key key)
    {
        if (random.bounded(8) == 0) {
            game->key(key);
            return;
        }
        QString text;
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            text = QChar(u'a' + (key - Qt::Key_A));
        else if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
            text = QChar(char16_t(key));
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(game->window->windowHandle(), &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(game->window->windowHandle(), &up);
    }

    void typeWordOnScreen()
    {
        for (int i = 0; i < Slots; ++i) {
            if (answers[size_t(i)]->isHidden())
                break;
            const QString letter = prompts[size_t(i)]->text();
            const QChar c = letter.isEmpty() ? QChar() : letter.front();
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                press(Qt::Key(Qt::Key_A + (c.unicode() - 'A')));
            else if (c.isDigit())
                press(Qt::Key(Qt::Key_0 + (c.unicode() - '0')));
            else
                press(Qt::Key_Space);
        }
    }

    void pressRandomKey()
    {
        static const Qt::Key others[] = {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Space,
                                         Qt::Key_Escape, Qt::Key_Shift,     Qt::Key_Return,
                                         Qt::Key_Tab,    Qt::Key_F5,        Qt::Key_Period,
                                         Qt::Key_Minus,  Qt::Key_Left,      Qt::Key_Home};
        const int pick = int(random.bounded(100));
        if (pick < 60)
            press(Qt::Key(Qt::Key_A + int(random.bounded(26))));
        else if (pick < 68)
            press(Qt::Key(Qt::Key_0 + int(random.bounded(10))));
        else if (pick < 96)
            press(others[random.bounded(int(std::size(others)))]);
        else
            // Shortcuts, but not Ctrl+T: the editor is modal and has its own
            // step below.
            game->key(std::array{Qt::Key_N, Qt::Key_L, Qt::Key_W, Qt::Key_D,
                                 Qt::Key_O}[random.bounded(5)],
                      Qt::ControlModifier);
    }

    void answerFileDialog()
    {
        const TestFolder &f = game->folder;
        const QString answers[] = {QString(), // Cancel, most of the time
                                   QString(),
                                   QString(),
                                   f.file(QStringLiteral("mine.dat")),
                                   f.file(QStringLiteral("noise.dat")),
                                   f.file(QStringLiteral("secondGrade.dat")),
                                   f.path(),
                                   f.file(QStringLiteral("nothing-here.dat"))};
        game->fakes.dialogs.nextOpen = {answers[random.bounded(int(std::size(answers)))]};
    }

    void selectRandomRows(QListWidget *list)
    {
        list->clearSelection();
        if (list->count() == 0)
            return;
        const int n = int(random.bounded(4));
        for (int i = 0; i < n; ++i)
            list->item(int(random.bounded(list->count())))->setSelected(true);
        if (random.bounded(4) != 0)
            list->setCurrentRow(int(random.bounded(list->count())), QItemSelectionModel::Select);
    }

    // One random step; returns its name for the failure message.
    const char *step()
    {
        const int pick = int(random.bounded(1000));
        if (pick < 600) {
            pressRandomKey();
            return "a key";
        }
        if (pick < 680) {
            typeWordOnScreen();
            return "typing the word";
        }
        if (pick < 760) {
            if (game->answerShown())
                game->answer();
            return "the answer button";
        }
        if (pick < 820) {
            serveFault = nextWordServesOnce();
            return "Next Word";
        }
        if (pick < 840) {
            game->action("mnuOursNextList")->trigger();
            ++listLoads;
            return "Next List";
        }
        if (pick < 850) {
            answerFileDialog();
            game->action("mnuFileOpenList")->trigger();
            ++listLoads;
            return "Open A List";
        }
        if (pick < 860) {
            const auto all = grades::all();
            game->action(all[random.bounded(quint32(all.size()))].menuItem)->trigger();
            ++listLoads;
            return "a grade";
        }
        if (pick < 870) {
            static const char *themes[] = {"mnuSoundsAnimals", "mnuSoundCartoon", "mnuSoundTech"};
            game->action(themes[random.bounded(3)])->trigger();
            return "a theme";
        }
        if (pick < 875) {
            if (auto *ferris = game->find<QPushButton>(QStringLiteral("cmdSaveFerris"));
                !ferris->isHidden())
                ferris->click();
            return "the hidden theme";
        }
        if (pick < 900) {
            if (fraList->isHidden()) {
                game->action("mnuOursAddLots")->trigger();
                return "Add Lots Of Words";
            }
            const int button = int(random.bounded(5));
            if (button < 2) {
                selectRandomRows(lstVocab);
                game->find<QPushButton>(QStringLiteral("cmdAddWordFromMainList"))->click();
            } else if (button < 4) {
                selectRandomRows(lstMiddle);
                game->find<QPushButton>(QStringLiteral("cmdRemoveWord"))->click();
            } else {
                game->find<QPushButton>(QStringLiteral("cmdOuttaHere"))->click();
            }
            return "the word-picking panel";
        }
        if (pick < 940) {
            if (fraWord->isHidden()) {
                game->action("mnuYoursAddAWord")->trigger();
                return "Add A Word";
            }
            if (random.bounded(4) == 0) {
                game->find<QPushButton>(QStringLiteral("cmdAllDone"))->click();
                return "All Done";
            }
            const QStringList words = hostileWords();
            txtDaWord->setText(words.at(int(random.bounded(words.size()))));
            game->find<QPushButton>(QStringLiteral("cmdAddWord"))->click();
            return "an extra word";
        }
        if (pick < 941) {
            // The editor is modal: close it as soon as it is up.
            QTimer::singleShot(0, qApp, [this] {
                if (QWidget *modal = QApplication::activeModalWidget()) {
                    modal->close();
                    ++editorsClosed;
                }
            });
            game->action("mnuYoursCustomList")->trigger();
            return "Custom List";
        }
        // Clearing first gives a clean attempt, so words get spelled right
        // often enough to fill the board.
        press(Qt::Key_Delete);
        typeWordOnScreen();
        if (game->answerShown())
            game->answer();
        return "spelling and answering";
    }

    // Plays the word on screen to its face: four right attempts.
    void playWordThrough()
    {
        for (int attempt = 0; attempt < 4; ++attempt) {
            press(Qt::Key_Delete);
            typeWordOnScreen();
            QVERIFY(game->answerShown());
            game->fakes.random.values = std::deque<double>(14, random.generateDouble());
            game->answer();
        }
    }

private slots:
    void init()
    {
        const quint32 seed = quint32(envNumber("QB_SOAK_SEED", 20240607));
        random.seed(seed);
        qInfo("seed %u", seed);
        served = checks = listLoads = editorsClosed = 0;
        setUpGame();
    }
    void cleanup() { game.reset(); }

    void randomKeysAndCommands()
    {
        const int steps = envNumber("QB_SOAK_STEPS", 100000);
        QElapsedTimer clock;
        clock.start();
        int faceRuns = 0;
        int mostFaces = 0;
        for (int i = 0; i < steps; ++i) {
            stockRandomValues();
            serveFault.clear();
            const char *what = step();
            const QString fault = serveFault.isEmpty() ? checkInvariants(what) : serveFault;
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("step %1: %2").arg(i).arg(fault)));
            ++checks;
            mostFaces = std::max(mostFaces, int(game->play().intFaceCount()));
            if (game->play().intFaceCount() == Faces)
                ++faceRuns;
            // Let the window paint and settle now and then, as it would
            // between a child's keys.
            if (i % 64 == 0)
                QCoreApplication::processEvents();
            if (i % 4096 == 0)
                game->fakes.player.played.clear();
        }
        qInfo("%d steps in %lld ms: %d words served, %d list loads, %d editors, %d faces, %d "
              "steps with a full board",
              steps, clock.elapsed(), served, listLoads, editorsClosed, game->play().intFaceCount(),
              faceRuns);
        QCOMPARE(checks, steps);
        // A run this long reaches every part of the game; one that did not
        // says the random steps have gone wrong, not the game right.
        if (steps >= 10000) {
            QVERIFY(served > steps / 100);
            QVERIFY(listLoads > steps / 100);
            QVERIFY(editorsClosed > 0);
            // Each new list starts a fresh board, so the board is judged by
            // the most it ever held.
            QVERIFY(mostFaces > 0);
        }
    }

    // A thousand words from start to face, one after another: the board
    // fills and stays full, every word closes, nothing is left over.
    // Under the sanitizer build LeakSanitizer checks the whole run.
    void thousandWords()
    {
        QStringList words;
        // Only words a keyboard can spell: the space bar places nothing, so
        // a word with a space in it can never be spelled right.
        static const char *stems[] = {"cat",     "because", "fourteenletter", "a", "friend",
                                      "Laughed", "q",       "route66"};
        for (int i = 0; i < 1000; ++i)
            words.append(QString::fromLatin1(stems[i % std::size(stems)]));
        game->practise(words);
        QCOMPARE(lstMiddle->count(), 1000);
        for (int i = 0; i < 1000; ++i) {
            QVERIFY(nextWordServesOnce().isEmpty());
            playWordThrough();
            QCOMPARE(game->play().blnWordOpen(), false);
            const QString fault = checkInvariants("a whole word");
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("word %1: %2").arg(i).arg(fault)));
            if (i % 64 == 0) {
                QCoreApplication::processEvents();
                game->fakes.player.played.clear();
            }
        }
        QCOMPARE(served, 1000);
        QCOMPARE(lstMiddle->count(), 0);
        QVERIFY(!game->action("mnuFileNextWord")->isEnabled());
        QCOMPARE(game->play().intFaceCount(), Faces);
        for (QLabel *face : faces)
            QVERIFY(!face->isHidden());
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
