// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's start and its word lists: what is on screen after the
// load, and what each list command does to the lists, the text box, the
// slots, the faces and File > Next Word.

#include "fakes.h"
#include "fifowatchdog.h"
#include "lookup.h"
#include "practice/frmvarbo.h"
#include "testfolder.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
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

    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<frmVarbo> window;

    const QStringList first{QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("sun")};
    const QStringList third{QStringLiteral("because"), QStringLiteral("friend"),
                            QStringLiteral("laughed"), QStringLiteral("people")};

    void start(const std::deque<double> &values = {}, const QString &programFolder = {})
    {
        fakes = std::make_unique<FakeServices>(programFolder.isEmpty() ? folder->path()
                                                                       : programFolder);
        fakes->random.values = values;
        window = std::make_unique<frmVarbo>(fakes->services);
    }
    template<typename T>
    T *find(const char *name) const
    {
        return child<T>(window.get(), QLatin1String(name));
    }
    QListWidget *vocab() const { return find<QListWidget>("lstVocab"); }
    QListWidget *middle() const { return find<QListWidget>("lstMiddle"); }
    QAction *action(const char *name) const { return find<QAction>(name); }
    QLabel *label(const char *array, int i) const
    {
        return find<QLabel>(QStringLiteral("%1%2").arg(QLatin1String(array)).arg(i).toLatin1());
    }

private slots:
    void init()
    {
        folder = std::make_unique<TestFolder>();
        QVERIFY(folder->writeList(QStringLiteral("firstGrade.dat"), first));
        QVERIFY(folder->writeList(QStringLiteral("thirdGrade.dat"), third));
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
        folder.reset();
    }

    // The greeting comes first, then the first grade is loaded and ten
    // words are drawn from it; nothing but the keys and menus shows.
    void startsWithGreetingFirstGradeAndTenWords()
    {
        start({0.0, 0.5, 0.99});
        QCOMPARE(fakes->player.names(folder->path()), QStringList{QStringLiteral("\\claugh.wav")});
        QCOMPARE(fakes->player.played.first(), folder->path() + QStringLiteral("/claugh.wav"));
        QCOMPARE(rows(vocab()), padded(first));
        QCOMPARE(middle()->count(), 10);
        QCOMPARE(rows(middle()).mid(0, 4),
                 padded({QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("sun"),
                         QStringLiteral("cat")}));
        QCOMPARE(vocab()->currentRow(), 0); // the tenth pick (r = 0 once the values run out)
        QVERIFY(window->listFileOpen());

        QCOMPARE(window->property("intLetterPos").toInt(), 0);
        QCOMPARE(window->property("intTimesRight").toInt(), 0);
        QCOMPARE(window->property("blnAllRight").toBool(), true);
        QCOMPARE(window->property("intFaceCount").toInt(), 0);
        QCOMPARE(window->property("blnWordOpen").toBool(), false);
        QCOMPARE(window->property("bytWordLen").toInt(), 0);
        QCOMPARE(window->property("bytSoundTheme").toInt(), 1);
        QVERIFY(!find<QLineEdit>("txtPrompt")->isEnabled());
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillobrite!"));

        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // The outer size the layout fixes: 10,845 x 6,615 twips.
        QCOMPARE(window->frameGeometry().size(), QSize(723, 441));
        QWidget *ground = window->centralWidget();
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
        const QString programFolder = folder->file(QStringLiteral("bs\\dir"));
        QVERIFY(QDir().mkdir(programFolder));
        QVERIFY(folder->writeList(QStringLiteral("bs\\dir/firstGrade.dat"), third));
        start({}, programFolder);
        QCOMPARE(rows(vocab()), padded(third));
        QCOMPARE(fakes->player.played, QStringList{programFolder + QStringLiteral("/claugh.wav")});
    }

    void menusAsLaidOut()
    {
        start();
        QStringList titles;
        for (QAction *a : window->menuBar()->actions())
            titles.append(a->text());
        QCOMPARE(titles, (QStringList{"&File", "&Our Words", "&Your Words", "Grade Level",
                                      "So&unds", "Help"}));
        QCOMPARE(action("mnuFileNextWord")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(action("mnuYoursCustomList")->text(), QStringLiteral("Custom Lis&t"));
        QCOMPARE(action("mnuYoursAddAWord")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        // Only "Say The Words" carries a check mark, set at every start.
        for (QAction *a : window->findChildren<QAction *>())
            QVERIFY2(a->isEnabled() && a->isChecked() == (a->objectName() == "sayWordsAction"),
                     qPrintable(a->objectName()));
    }

    // A missing grade file leaves the lists empty and is not created.
    void missingGradeFileIsNotCreated()
    {
        QFile::remove(folder->file(QStringLiteral("firstGrade.dat")));
        start();
        QCOMPARE(vocab()->count(), 0);
        QCOMPARE(middle()->count(), 0);
        QVERIFY(!QFile::exists(folder->file(QStringLiteral("firstGrade.dat"))));
        action("mnuSecond")->trigger();
        QVERIFY(!QFile::exists(folder->file(QStringLiteral("secondGrade.dat"))));
        QCOMPARE(middle()->count(), 0);
        action("mnuOursNextList")->trigger();
        QCOMPARE(middle()->count(), 0);
    }

    // Loading a list never writes to it.
    void gradeFileIsLeftUntouched()
    {
        const QByteArray before = folder->readBytes(QStringLiteral("thirdGrade.dat"));
        ::chmod(QFile::encodeName(folder->file(QStringLiteral("thirdGrade.dat"))).constData(), 0444);
        start();
        action("mnuThird")->trigger();
        QCOMPARE(rows(vocab()), padded(third));
        QCOMPARE(folder->readBytes(QStringLiteral("thirdGrade.dat")), before);
    }

    void drawsFromOneEntryAndFromBlanks()
    {
        QVERIFY(folder->writeList(QStringLiteral("secondGrade.dat"), {QStringLiteral("owl")}));
        QVERIFY(folder->writeList(QStringLiteral("fourthGrade.dat"), QStringList(10, QString())));
        start();
        action("mnuSecond")->trigger();
        QCOMPARE(rows(middle()), padded(QStringList(10, QStringLiteral("owl"))));
        action("mnuFourth")->trigger();
        QCOMPARE(vocab()->count(), 10);
        QCOMPARE(rows(middle()), QStringList(10, QString()));
    }

    // Each grade load is a fresh read and a fresh draw; it leaves the word
    // on screen, the state and File > Next Word as they were.
    void gradeLoadRefillsBothLists()
    {
        start();
        action("mnuFileNextWord")->trigger(); // puts a word on screen
        QVERIFY(label("lblPrompt", 0)->isVisibleTo(window.get()));
        for (int i = 0; i < 9; ++i)
            action("mnuFileNextWord")->trigger();
        QVERIFY(!action("mnuFileNextWord")->isEnabled());
        const QString onScreen = label("lblPrompt", 0)->text();

        fakes->random.values = {0.0, 0.25, 0.5, 0.75, 0.0, 0.25, 0.5, 0.75, 0.0, 0.99};
        action("mnuThird")->trigger();
        QCOMPARE(rows(vocab()), padded(third));
        QCOMPARE(rows(middle()),
                 padded({"because", "friend", "laughed", "people", "because", "friend",
                         "laughed", "people", "because", "people"}));
        QCOMPARE(vocab()->currentRow(), 3);
        QCOMPARE(vocab()->selectedItems().size(), 1);
        QVERIFY(find<QLineEdit>("txtPrompt")->text().isEmpty());
        QCOMPARE(label("lblPrompt", 0)->text(), onScreen);
        QVERIFY(!label("lblPrompt", 0)->isHidden());
        QVERIFY(!action("mnuFileNextWord")->isEnabled());
        QVERIFY(window->listFileOpen());

        // Third again: the same vocabulary, a new draw.
        fakes->random.values = std::deque<double>(10, 0.3);
        action("mnuThird")->trigger();
        QCOMPARE(rows(vocab()), padded(third));
        QCOMPARE(rows(middle()), QStringList(10, padded({"friend"}).first()));

        // Next List enables the command again and clears the rows.
        action("mnuOursNextList")->trigger();
        QVERIFY(action("mnuFileNextWord")->isEnabled());
        QCOMPARE(middle()->count(), 10);
        for (int i = 0; i < 14; ++i) {
            QVERIFY(label("lblPrompt", i)->isHidden() && label("lblPrompt", i)->text().isEmpty());
            QVERIFY(label("lblWord", i)->isHidden() && label("lblWord", i)->text().isEmpty());
        }
        QVERIFY(find<QLineEdit>("txtPrompt")->text().isEmpty());
    }

    void openAListTakesTheWholeFile()
    {
        start();
        QStringList twelve;
        for (int i = 1; i <= 12; ++i)
            twelve.append(QStringLiteral("word%1").arg(i));
        QVERIFY(folder->writeList(QStringLiteral("mine.dat"), twelve));
        fakes->dialogs.nextOpen = {folder->file(QStringLiteral("mine.dat"))};
        action("mnuFileOpenList")->trigger();
        QCOMPARE(fakes->dialogs.openFilters, QStringList{QStringLiteral("Data (*.dat) | *.dat")});
        QCOMPARE(rows(middle()), padded(twelve));
        QCOMPARE(rows(vocab()), padded(twelve));
        QCOMPARE(vocab()->currentRow(), -1);

        // Next List now draws from the custom words.
        fakes->random.values = std::deque<double>(10, 0.99);
        action("mnuOursNextList")->trigger();
        QCOMPARE(rows(middle()), QStringList(10, padded({"word12"}).first()));
    }

    // Cancel, a path that cannot be opened, a directory or a FIFO: the lists
    // keep their words and the game never blocks.
    void openAListThatFails()
    {
        start();
        const QStringList vocabBefore = rows(vocab());
        const QStringList middleBefore = rows(middle());
        const QString fifo = folder->file(QStringLiteral("pipe.dat"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        fakes->dialogs.nextOpen = {QString()};
        action("mnuFileOpenList")->trigger();
        QVERIFY(window->listFileOpen()); // Cancel keeps the old list file

        fakes->dialogs.nextOpen = {folder->file(QStringLiteral("gone.dat")), folder->path(), fifo};
        FifoWatchdog watchdog(fifo);
        for (int i = 0; i < 3; ++i) {
            action("mnuFileOpenList")->trigger();
            QCOMPARE(rows(vocab()), vocabBefore);
            QCOMPARE(rows(middle()), middleBefore);
        }
        QVERIFY(watchdog.finished());
        QVERIFY(!window->listFileOpen());
    }

    // A file that is not a word list: every 14 bytes are one entry.
    void openAForeignFile()
    {
        start();
        QVERIFY(folder->writeBytes(QStringLiteral("notes.txt"),
                                   "Dear diary, today we went to the zoo!"));
        fakes->dialogs.nextOpen = {folder->file(QStringLiteral("notes.txt"))};
        action("mnuFileOpenList")->trigger();
        QCOMPARE(rows(middle()), (QStringList{"Dear diary, to", "day we went to"}));
    }

    void closingClosesTheListFile()
    {
        start();
        window->show();
        QVERIFY(window->listFileOpen());
        window->close();
        QVERIFY(!window->listFileOpen());
    }
};

QTEST_MAIN(TestListStartup)
#include "tst_liststartup.moc"
