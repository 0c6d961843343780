// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's start and its word lists: what is on screen after the
// load, and what each list command does to the lists, the text box, the
// slots, the faces and File > Next Word.

#include "base/translations.h"
#include "fifowatchdog.h"
#include "playfixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

QStringList padded(const QStringList &words)
{
    QStringList out;
    for (const QString &w : words)
        out.append(w.isEmpty() ? w : w.leftJustified(14, QLatin1Char(' ')));
    return out;
}

} // namespace

class TestListStartup : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> g;

    const QStringList first{QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("sun")};
    const QStringList third{QStringLiteral("because"), QStringLiteral("friend"),
                            QStringLiteral("laughed"), QStringLiteral("people")};

    void start(const std::deque<double> &values = {}, const QString &programFolder = {})
    {
        g->fakes.random.values = values;
        if (!programFolder.isEmpty())
            g->fakes.services.programFolder = programFolder;
        g->start();
    }
    QListWidget *vocab() const { return g->list("lstVocab"); }
    QListWidget *middle() const { return g->list("lstMiddle"); }
    QLabel *label(const char *array, int i) const
    {
        return g->find<QLabel>(QStringLiteral("%1%2").arg(QLatin1String(array)).arg(i));
    }

private slots:
    // The texts in English as a desktop in any language without a catalogue
    // reads them, their counts in the right form.
    void initTestCase()
    {
        installTranslations(qEnvironmentVariable("QB_PROGRAM_DIR"), QLocale(QLocale::English));
    }
    void init()
    {
        g = std::make_unique<GameFixture>();
        QVERIFY(g->folder.writeList(QStringLiteral("firstGrade.dat"), first));
        QVERIFY(g->folder.writeList(QStringLiteral("thirdGrade.dat"), third));
    }
    void cleanup() { g.reset(); }

    // The greeting comes first, then the first grade is loaded and ten
    // words are drawn from it; nothing but the keys and menus shows.
    void startsWithGreetingFirstGradeAndTenWords()
    {
        start({0.0, 0.5, 0.99});
        QCOMPARE(g->fakes.player.names(g->folder.path()),
                 QStringList{QStringLiteral("\\claugh.wav")});
        QCOMPARE(g->fakes.player.played.first(), g->folder.path() + QStringLiteral("/claugh.wav"));
        QCOMPARE(rows(vocab()), padded(first));
        QCOMPARE(middle()->count(), 10);
        QCOMPARE(rows(middle()).mid(0, 4), padded({QStringLiteral("cat"), QStringLiteral("dog"),
                                                   QStringLiteral("sun"), QStringLiteral("cat")}));
        QCOMPARE(vocab()->currentRow(), 0); // the tenth pick (r = 0 once the values run out)
        QVERIFY(g->window->listFileOpen());

        QCOMPARE(g->window->play().intLetterPos(), 0);
        QCOMPARE(g->window->play().intTimesRight(), 0);
        QCOMPARE(g->window->play().blnAllRight(), true);
        QCOMPARE(g->window->play().intFaceCount(), 0);
        QCOMPARE(g->window->play().blnWordOpen(), false);
        QCOMPARE(g->window->play().bytWordLen(), 0);
        QCOMPARE(g->window->play().bytSoundTheme(), 1);
        QVERIFY(!g->find<QLineEdit>("txtPrompt")->isEnabled());
        QCOMPARE(g->window->windowTitle(), QStringLiteral("Quillobrite!"));

        g->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(g->window.get()));
        // The outer size the layout fixes: 10,845 x 6,615 twips.
        QCOMPARE(g->window->frameGeometry().size(), QSize(723, 441));
        QWidget *ground = g->window->centralWidget();
        QStringList shown;
        for (QWidget *w : ground->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w->isVisible())
                shown.append(w->objectName());
        QStringList keys;
        for (int i = 10; i < 36; ++i)
            keys.append(QStringLiteral("lblKey%1").arg(i));
        // No word is in play yet: the next one is a click away.
        keys.append(QStringLiteral("nextWordButton"));
        shown.sort();
        keys.sort();
        QCOMPARE(shown, keys);
        QCOMPARE(label("lblKey", 20)->text(), QStringLiteral("A"));
        QCOMPARE(label("lblKey", 20)->geometry(), QRect(32, 288, 25, 28));
        QCOMPARE(label("lblWord", 13)->geometry(), QRect(696, 16, 19, 32));
    }

    // Only the backslash that begins a data file's name stands for the
    // separator: a program folder whose own name holds one is used as is.
    void programFolderWithABackslashInItsName()
    {
        const QString programFolder = g->folder.file(QStringLiteral("bs\\dir"));
        QVERIFY(QDir().mkdir(programFolder));
        QVERIFY(g->folder.writeList(QStringLiteral("bs\\dir/firstGrade.dat"), third));
        start({}, programFolder);
        QCOMPARE(rows(vocab()), padded(third));
        QCOMPARE(g->fakes.player.played,
                 QStringList{programFolder + QStringLiteral("/claugh.wav")});
    }

    void menusAsLaidOut()
    {
        start();
        QStringList titles;
        for (QAction *a : g->window->menuBar()->actions())
            titles.append(a->text());
        QCOMPARE(titles, (QStringList{"&File", "&Our Words", "&Your Words", "Grade Level",
                                      "So&unds", "Help"}));
        QCOMPARE(g->action("mnuFileNextWord")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(g->action("mnuYoursCustomList")->text(), QStringLiteral("Custom Lis&t"));
        QCOMPARE(g->action("mnuYoursAddAWord")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        // Only "Say The Words" carries a check mark, set at every start.
        for (QAction *a : g->window->findChildren<QAction *>())
            QVERIFY2(a->isEnabled() && a->isChecked() == (a->objectName() == "sayWordsAction"),
                     qPrintable(a->objectName()));
    }

    // A missing grade file leaves the lists empty and is not created.
    void missingGradeFileIsNotCreated()
    {
        QFile::remove(g->folder.file(QStringLiteral("firstGrade.dat")));
        start();
        QCOMPARE(vocab()->count(), 0);
        QCOMPARE(middle()->count(), 0);
        QVERIFY(!QFile::exists(g->folder.file(QStringLiteral("firstGrade.dat"))));
        g->action("mnuSecond")->trigger();
        QVERIFY(!QFile::exists(g->folder.file(QStringLiteral("secondGrade.dat"))));
        QCOMPARE(middle()->count(), 0);
        g->action("mnuOursNextList")->trigger();
        QCOMPARE(middle()->count(), 0);
    }

    // Loading a list never writes to it.
    void gradeFileIsLeftUntouched()
    {
        const QByteArray before = g->folder.readBytes(QStringLiteral("thirdGrade.dat"));
        ::chmod(QFile::encodeName(g->folder.file(QStringLiteral("thirdGrade.dat"))).constData(),
                0444);
        start();
        g->action("mnuThird")->trigger();
        QCOMPARE(rows(vocab()), padded(third));
        QCOMPARE(g->folder.readBytes(QStringLiteral("thirdGrade.dat")), before);
    }

    void drawsFromOneEntryAndFromBlanks()
    {
        QVERIFY(g->folder.writeList(QStringLiteral("secondGrade.dat"), {QStringLiteral("owl")}));
        QVERIFY(g->folder.writeList(QStringLiteral("fourthGrade.dat"), QStringList(10, QString())));
        start();
        g->action("mnuSecond")->trigger();
        QCOMPARE(rows(middle()), padded(QStringList(10, QStringLiteral("owl"))));
        g->action("mnuFourth")->trigger();
        QCOMPARE(vocab()->count(), 10);
        QCOMPARE(rows(middle()), QStringList(10, QString()));
    }

    // Each grade load is a fresh read and a fresh draw; it leaves the word
    // on screen and the state as they were, and a used-up list's Next Word
    // comes back: the new grade is there to be played.
    void gradeLoadRefillsBothLists()
    {
        start();
        g->action("mnuFileNextWord")->trigger(); // puts a word on screen
        QVERIFY(label("lblPrompt", 0)->isVisibleTo(g->window.get()));
        for (int i = 0; i < 9; ++i)
            g->action("mnuFileNextWord")->trigger();
        QVERIFY(!g->action("mnuFileNextWord")->isEnabled());
        const QString onScreen = label("lblPrompt", 0)->text();

        g->fakes.random.values = {0.0, 0.25, 0.5, 0.75, 0.0, 0.25, 0.5, 0.75, 0.0, 0.99};
        g->action("mnuThird")->trigger();
        QCOMPARE(rows(vocab()), padded(third));
        QCOMPARE(rows(middle()), padded({"because", "friend", "laughed", "people", "because",
                                         "friend", "laughed", "people", "because", "people"}));
        QCOMPARE(vocab()->currentRow(), 3);
        QCOMPARE(vocab()->selectedItems().size(), 1);
        QVERIFY(g->find<QLineEdit>("txtPrompt")->text().isEmpty());
        QCOMPARE(label("lblPrompt", 0)->text(), onScreen);
        QVERIFY(!label("lblPrompt", 0)->isHidden());
        QVERIFY(g->action("mnuFileNextWord")->isEnabled());
        QVERIFY(g->window->listFileOpen());

        // Third again: the same vocabulary, a new draw.
        g->fakes.random.values = std::deque<double>(10, 0.3);
        g->action("mnuThird")->trigger();
        QCOMPARE(rows(vocab()), padded(third));
        QCOMPARE(rows(middle()), QStringList(10, padded({"friend"}).first()));

        // Next List enables the command again and clears the rows.
        g->action("mnuOursNextList")->trigger();
        QVERIFY(g->action("mnuFileNextWord")->isEnabled());
        QCOMPARE(middle()->count(), 10);
        for (int i = 0; i < 14; ++i) {
            QVERIFY(label("lblPrompt", i)->isHidden() && label("lblPrompt", i)->text().isEmpty());
            QVERIFY(label("lblWord", i)->isHidden() && label("lblWord", i)->text().isEmpty());
        }
        QVERIFY(g->find<QLineEdit>("txtPrompt")->text().isEmpty());
    }

    void openAListTakesTheWholeFile()
    {
        start();
        QStringList twelve;
        for (int i = 1; i <= 12; ++i)
            twelve.append(QStringLiteral("word%1").arg(i));
        QVERIFY(g->folder.writeList(QStringLiteral("mine.dat"), twelve));
        g->fakes.dialogs.nextOpen = {g->folder.file(QStringLiteral("mine.dat"))};
        g->action("mnuFileOpenList")->trigger();
        QCOMPARE(g->fakes.dialogs.openFilters,
                 QStringList{QStringLiteral("Data (*.txt *.dat) | *.txt *.dat")});
        QCOMPARE(rows(middle()), padded(twelve));
        QCOMPARE(rows(vocab()), padded(twelve));
        QCOMPARE(vocab()->currentRow(), -1);

        // Next List now draws from the custom words.
        g->fakes.random.values = std::deque<double>(10, 0.99);
        g->action("mnuOursNextList")->trigger();
        QCOMPARE(rows(middle()), QStringList(10, padded({"word12"}).first()));
    }

    // File dialogs start where a parent keeps lists: the documents folder,
    // then the folder of the last list opened in this run; never the folder
    // the game was started from.
    void dialogsStartWhereListsAreKept()
    {
        const QByteArray home = qgetenv("HOME");
        const auto restore = qScopeGuard([&] { qputenv("HOME", home); });
        qputenv("HOME", QFile::encodeName(g->folder.path()));
        QVERIFY(QDir(g->folder.path()).mkpath(QStringLiteral("Documents")));
        QVERIFY(QDir(g->folder.path()).mkpath(QStringLiteral("lists")));
        QVERIFY(g->folder.writeList(QStringLiteral("lists/mine.dat"), first));
        start();
        g->fakes.dialogs.nextOpen = {g->folder.file(QStringLiteral("lists/mine.dat")), QString()};
        g->action("mnuFileOpenList")->trigger();
        g->action("mnuFileOpenList")->trigger();
        QCOMPARE(g->fakes.dialogs.folders, (QStringList{g->folder.file(QStringLiteral("Documents")),
                                                        g->folder.file(QStringLiteral("lists"))}));
    }

    // Cancel, a path that cannot be opened, a directory or a FIFO: the lists
    // keep their words and the game never blocks.
    void openAListThatFails()
    {
        start();
        const QStringList vocabBefore = rows(vocab());
        const QStringList middleBefore = rows(middle());
        const QString fifo = g->folder.file(QStringLiteral("pipe.dat"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        g->fakes.dialogs.nextOpen = {QString()};
        g->action("mnuFileOpenList")->trigger();
        QVERIFY(g->window->listFileOpen()); // Cancel keeps the old list file

        g->fakes.dialogs.nextOpen = {g->folder.file(QStringLiteral("gone.dat")), g->folder.path(),
                                     fifo};
        FifoWatchdog watchdog(fifo);
        for (int i = 0; i < 3; ++i) {
            g->action("mnuFileOpenList")->trigger();
            QCOMPARE(rows(vocab()), vocabBefore);
            QCOMPARE(rows(middle()), middleBefore);
        }
        QVERIFY(watchdog.finished());
        QVERIFY(!g->window->listFileOpen());
    }

    // A text list under a list's name plays its words, never its separators;
    // a note beside the faces says so once, until the next word.
    void openATextList_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("note");
        QTest::newRow("week.dat") << QByteArray("cat, dog, bird, fish, frog")
                                  << QStringList{"cat", "dog", "bird", "fish", "frog"}
                                  << "\"week.dat\" was read as a text list of 5 words.";
        QTest::newRow("a diary")
            << QByteArray("Dear diary, today we went to the zoo!\r\n") << QStringList{"Dear diary"}
            << "\"week.dat\" was read as a text list of 1 word. Words left out, as a "
               "list holds only words of at most 14 letters, each one the game can show: 1.";
    }
    void openATextList()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, words);
        QFETCH(QString, note);
        start();
        QVERIFY(g->folder.writeBytes(QStringLiteral("week.dat"), bytes));
        g->fakes.dialogs.nextOpen = {g->folder.file(QStringLiteral("week.dat"))};
        g->action("mnuFileOpenList")->trigger();
        QCOMPARE(rows(middle()), words);
        QCOMPARE(rows(vocab()), words);
        auto *told = g->find<QLabel>("notePlace");
        QVERIFY(!told->isHidden() && g->fakes.messages.shown.empty());
        QCOMPARE(told->text(), note);
        g->action("mnuFileNextWord")->trigger();
        QVERIFY(told->isHidden());
        // A list used up after such a note is told in the window's own words.
        g->fakes.dialogs.nextOpen = {g->folder.file(QStringLiteral("week.dat"))};
        g->action("mnuFileOpenList")->trigger();
        middle()->selectAll();
        g->find<QPushButton>("cmdRemoveWord")->click();
        g->action("mnuFileNextWord")->trigger();
        QVERIFY(!told->isHidden()
                && told->text().startsWith(QLatin1String("That was the last word")));
    }

    void closingClosesTheListFile()
    {
        start();
        g->window->show();
        QVERIFY(g->window->listFileOpen());
        g->window->close();
        QVERIFY(!g->window->listFileOpen());
    }
};

QTEST_MAIN(TestListStartup)
#include "tst_liststartup.moc"
