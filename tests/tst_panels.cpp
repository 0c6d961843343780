// SPDX-License-Identifier: GPL-3.0-or-later

// The two panels of the main window that change the practice list by hand.

#include "playfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

class TestPanels : public QObject
{
    Q_OBJECT

private slots:
    void pickingPanelShowsAndHides()
    {
        PlayFixture f;
        auto *panel = f.find(QStringLiteral("fraList"));
        QVERIFY(panel->isHidden());
        f.action("mnuOursAddLots")->trigger();
        QVERIFY(panel->isVisible());
        QCOMPARE(f.action("mnuOursAddLots")->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
        f.find<QPushButton>(QStringLiteral("cmdOuttaHere"))->click();
        QVERIFY(panel->isHidden());
    }

    // Selected vocabulary rows are appended in their order, duplicates and
    // all; nothing happens without a current row; Next Word stays as it was.
    void addingFromTheVocabulary()
    {
        PlayFixture f;
        const QStringList five{"ant", "bee", "cow", "dog", "eel"};
        f.practise(five);
        auto *vocab = f.find<QListWidget>(QStringLiteral("lstVocab"));
        auto *middle = f.find<QListWidget>(QStringLiteral("lstMiddle"));
        auto *add = f.find<QPushButton>(QStringLiteral("cmdAddWordFromMainList"));
        f.action("mnuOursAddLots")->trigger();

        // Right after Open A List the vocabulary has no current row.
        vocab->item(1)->setSelected(true);
        add->click();
        QCOMPARE(middle->count(), 5);

        for (int i = 0; i < 10; ++i)
            f.nextWord();
        QVERIFY(!f.action("mnuFileNextWord")->isEnabled());
        vocab->clearSelection();
        vocab->setCurrentRow(3, QItemSelectionModel::Select);
        vocab->item(0)->setSelected(true);
        vocab->item(4)->setSelected(true);
        add->click();
        add->click();
        QCOMPARE(rows(middle, Padding::Trimmed),
                 (QStringList{"ant", "dog", "eel", "ant", "dog", "eel"}));
        QCOMPARE(vocab->selectedItems().size(), 3); // the vocabulary is only read
        QCOMPARE(vocab->count(), 5);
        QVERIFY(!f.action("mnuFileNextWord")->isEnabled());
    }

    // Only the row of the draw's last pick is left selected.
    void drawLeavesOneRowSelected()
    {
        PlayFixture f({"ant", "bee", "cow", "dog", "eel"});
        f.fakes.random.values = {0.0, 0.2, 0.4, 0.6, 0.8, 0.0, 0.2, 0.4, 0.6, 0.8};
        f.action("mnuOursNextList")->trigger();
        auto *vocab = f.find<QListWidget>(QStringLiteral("lstVocab"));
        QCOMPARE(vocab->currentRow(), 4);
        QCOMPARE(vocab->selectedItems().size(), 1);
        f.find<QPushButton>(QStringLiteral("cmdAddWordFromMainList"))->click();
        auto *middle = f.find<QListWidget>(QStringLiteral("lstMiddle"));
        QCOMPARE(middle->count(), 11);
        QCOMPARE(middle->item(10)->text().trimmed(), QStringLiteral("eel"));
    }

    void removingSelectedRows()
    {
        PlayFixture f;
        f.practise({"ant", "bee", "cow", "dog", "eel"});
        auto *middle = f.find<QListWidget>(QStringLiteral("lstMiddle"));
        auto *remove = f.find<QPushButton>(QStringLiteral("cmdRemoveWord"));
        remove->click(); // nothing selected
        QCOMPARE(middle->count(), 5);
        for (int row : {1, 2, 4})
            middle->item(row)->setSelected(true);
        remove->click();
        QCOMPARE(rows(middle, Padding::Trimmed), (QStringList{"ant", "dog"}));
        middle->selectAll();
        remove->click();
        QCOMPARE(middle->count(), 0);
        remove->click(); // an empty list
        QVERIFY(f.action("mnuFileNextWord")->isEnabled());
    }

    // An extra word goes to the top, trimmed, and is served next.
    void extraWords()
    {
        PlayFixture f;
        f.practise({"ant", "bee"});
        auto *text = f.find<QLineEdit>(QStringLiteral("txtDaWord"));
        auto *add = f.find<QPushButton>(QStringLiteral("cmdAddWord"));
        auto *middle = f.find<QListWidget>(QStringLiteral("lstMiddle"));
        f.action("mnuYoursAddAWord")->trigger();
        QVERIFY(f.find(QStringLiteral("fraWord"))->isVisible());
        QTRY_VERIFY(text->hasFocus());

        QTest::keyClicks(text, QStringLiteral("  cat "));
        add->click();
        QCOMPARE(middle->item(0)->text(), QStringLiteral("cat"));
        QVERIFY(text->text().isEmpty());
        QTRY_VERIFY(text->hasFocus());
        text->setText(QStringLiteral("Dog"));
        add->click();
        QCOMPARE(rows(middle, Padding::Trimmed), (QStringList{"Dog", "cat", "ant", "bee"}));

        // Blanks only: nothing added, the box keeps them.
        text->setText(QStringLiteral("   "));
        add->click();
        QCOMPARE(middle->count(), 4);
        QCOMPARE(text->text(), QStringLiteral("   "));

        // Longer than the fourteen slots: refused, kept in the box, and the
        // parent told why; a word already waiting may wait twice.
        text->setText(QStringLiteral("internationally, cat"));
        add->click();
        QCOMPARE(middle->count(), 5);
        QCOMPARE(text->text(), QStringLiteral("internationally"));
        QCOMPARE(f.fakes.messages.shown.size(), size_t(1));
        QVERIFY(f.fakes.messages.shown.back().text.contains(QLatin1String("15 letters long")));

        f.find<QPushButton>(QStringLiteral("cmdAllDone"))->click();
        QVERIFY(f.find(QStringLiteral("fraWord"))->isHidden());
        QCOMPARE(text->text(), QStringLiteral("internationally"));
        f.nextWord();
        QCOMPARE(f.shownWord(), QStringLiteral("CAT"));
    }

    // A pasted list goes to the top in its pasted order, so its first word
    // is served first; a word too long for the slots stays in the box.
    void pastedExtraWordsKeepTheirOrder()
    {
        PlayFixture f;
        f.practise({"ant"});
        f.action("mnuYoursAddAWord")->trigger();
        auto *text = f.find<QLineEdit>(QStringLiteral("txtDaWord"));
        QTRY_VERIFY(text->hasFocus());
        QGuiApplication::clipboard()->setText(
            QStringLiteral("cat\r\ninternationally\r\ndog\r\nice cream\r\n"));
        text->paste();
        QCOMPARE(text->text(), QStringLiteral("cat, internationally, dog, ice cream"));
        f.find<QPushButton>(QStringLiteral("cmdAddWord"))->click();
        QCOMPARE(rows(f.find<QListWidget>(QStringLiteral("lstMiddle")), Padding::Trimmed),
                 (QStringList{"cat", "dog", "ice cream", "ant"}));
        QCOMPARE(text->text(), QStringLiteral("internationally"));
        f.nextWord();
        QCOMPARE(f.shownWord(), QStringLiteral("CAT"));
    }

    // After the list ran out, one extra word brings Next Word back.
    void extraWordEnablesNextWord()
    {
        PlayFixture f;
        f.practise({"ant"});
        f.nextWord();
        QVERIFY(!f.action("mnuFileNextWord")->isEnabled());
        f.action("mnuYoursAddAWord")->trigger();
        auto *text = f.find<QLineEdit>(QStringLiteral("txtDaWord"));
        text->setText(QStringLiteral(" "));
        f.find<QPushButton>(QStringLiteral("cmdAddWord"))->click();
        QVERIFY(!f.action("mnuFileNextWord")->isEnabled());
        text->setText(QStringLiteral("owl"));
        f.find<QPushButton>(QStringLiteral("cmdAddWord"))->click();
        QVERIFY(f.action("mnuFileNextWord")->isEnabled());
        f.nextWord();
        QCOMPARE(f.shownWord(), QStringLiteral("OWL"));
        QVERIFY(!f.action("mnuFileNextWord")->isEnabled());
    }

    // Custom List shows the editor modally and returns once it is closed;
    // the game's lists are left alone.
    void customListOpensTheEditor()
    {
        PlayFixture f;
        f.practise({"ant", "bee"});
        QString title;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget *editor = QApplication::activeModalWidget();
            QVERIFY(editor);
            title = editor->windowTitle();
            modal = editor->isModal() && editor->objectName() == QStringLiteral("frmCreateList");
            editor->close();
        });
        f.action("mnuYoursCustomList")->trigger();
        QCOMPARE(title, QStringLiteral("New Vocab List"));
        QVERIFY(modal);
        QCOMPARE(f.find<QListWidget>(QStringLiteral("lstMiddle"))->count(), 2);
    }

    // Panels stand above the pictures: with all ten faces on the board,
    // every point of a panel is the panel's, where the faces reach into it.
    void panelsStandAboveTheFaces()
    {
        PlayFixture f;
        f.practise(QStringList(10, QStringLiteral("a")));
        for (int word = 0; word < 10; ++word) {
            f.nextWord();
            for (int i = 0; i < 4; ++i)
                f.spellRight(QStringLiteral("a"));
        }
        QCOMPARE(f.play().intFaceCount(), 10);
        f.action("mnuOursAddLots")->trigger();
        f.action("mnuYoursAddAWord")->trigger();
        QWidget *ground = f.window->centralWidget();
        int covered = 0;
        for (const char *name : {"fraList", "fraWord"}) {
            QWidget *panel = f.find(QLatin1String(name));
            for (int i = 0; i < 10; ++i) {
                const QRect overlap = f.face(i)->geometry() & panel->geometry();
                for (int x = overlap.left(); x <= overlap.right(); ++x)
                    for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
                        QWidget *hit = ground->childAt(x, y);
                        QVERIFY2(hit == panel || panel->isAncestorOf(hit),
                                 qPrintable(QStringLiteral("face %1 over %2").arg(i).arg(name)));
                        ++covered;
                    }
            }
        }
        QVERIFY(covered > 0); // the top face does reach into the extra-word panel
    }

    // With the picking panel open, typing still spells.
    void pickingPanelKeepsTyping()
    {
        PlayFixture f;
        f.practise({"cat"});
        f.nextWord();
        f.action("mnuOursAddLots")->trigger();
        f.type(QStringLiteral("cat"));
        QCOMPARE(f.attempt(), QStringLiteral("CAT"));
        QCOMPARE(f.sounds().size(), 3);
        QVERIFY(f.answerShown());
    }
};

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
