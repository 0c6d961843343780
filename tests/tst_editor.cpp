// SPDX-License-Identifier: GPL-3.0-or-later

// The custom list editor through its own controls, on real files: the
// stages, the counter, what reaches the disk, and that no word is lost.

#include "editorfixture.h"
#include "testfolder.h"

#include "ui/qtservices.h"
#include "ui/twipslayout.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <filesystem>
#include <memory>
#include <sys/wait.h>

namespace {

QByteArray rec(const char *word)
{
    return VocabFile::encodeRecord(QString::fromLatin1(word));
}
QByteArray blanks(int n)
{
    return QByteArray(VocabFile::RecordLength * n, '\0');
}

// The first and last columns of a widget (or of a part of it) that hold the
// red of a mark; -1 for none.
QPair<int, int> redColumns(QWidget *widget, QRect part = {})
{
    const QImage image = widget->grab(part.isNull() ? widget->rect() : part).toImage();
    QPair<int, int> red{-1, -1};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 150 && c.blue() < 150)
                red = {red.first < 0 ? x : qMin(red.first, x), qMax(red.second, x)};
        }
    }
    return red;
}

// The menu a right-click there opens; none when none opens.
QMenu *rightClick(QWidget *widget, QPoint at)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
        return nullptr;
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

QStringList actionTexts(const QMenu *menu, int count)
{
    QStringList texts;
    for (const QAction *action : menu->actions().mid(0, count))
        texts.append(action->text());
    return texts;
}

bool heldOpen(const QString &path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    for (const auto &fd : fs::directory_iterator("/proc/self/fd", ec))
        if (fs::read_symlink(fd.path(), ec) == fs::canonical(path.toStdString()))
            return true;
    return false;
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestFolder> dir;
    std::unique_ptr<EditorFixture> f;

    template<typename T = QPushButton>
    T *get(const char *name) const
    {
        return f->find<T>(QLatin1String(name));
    }
    QListWidget *list() const { return f->list(); }
    QLineEdit *box(const char *name) const { return f->box(QLatin1String(name)); }
    int nextRecord() const { return f->editor->property("intNextRecord").toInt(); }
    QByteArray bytes(const char *name) const { return dir->readBytes(QLatin1String(name)); }

    void type(const QString &word)
    {
        QTest::keyClicks(box("txtNewWord"), word);
        get("cmdEnter")->click();
    }
    void typeWords(int count)
    {
        for (int i = 1; i <= count; ++i)
            type(QStringLiteral("word%1").arg(i));
    }
    void makeFile(const char *name) { f->makeFile(dir->file(QLatin1String(name))); }
    void addToFile(int row)
    {
        const QRect at = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at.center());
        get("cmdAddToFile")->click();
    }

private slots:
    void init()
    {
        dir = std::make_unique<TestFolder>();
        f = std::make_unique<EditorFixture>(dir->path());
        QVERIFY(QTest::qWaitForWindowActive(f->editor.get()));
    }
    void cleanup() { f.reset(); }

    void opensReadyForTyping()
    {
        QCOMPARE(QApplication::focusWidget(), box("txtNewWord"));
        QTest::keyClicks(box("txtNewWord"), QStringLiteral("kitten"));
        box("txtCounter")->setFocus();
        box("txtNewWord")->setFocus();
        QCOMPARE(box("txtNewWord")->selectedText(), QStringLiteral("kitten"));
        // Every text shows whole, whatever face the machine has, at every
        // size of the window.
        const QSize written =
            child<TwipsLayout>(f->editor.get(), QStringLiteral("twipsLayout"))->writtenSize();
        for (qreal factor : {1.0, 0.45, 1.7, 3.0}) {
            f->editor->resize(written * factor);
            QTRY_COMPARE(f->editor->size(), written * factor);
            const QLabel *label = get<QLabel>("Label1");
            const QRect room = label->contentsRect();
            QVERIFY(
                label->fontMetrics().boundingRect(room, Qt::TextWordWrap, label->text()).height()
                <= room.height());
            for (const QPushButton *button : f->editor->findChildren<QPushButton *>())
                QVERIFY2(button->fontMetrics().horizontalAdvance(button->text())
                             <= button->width() - 4,
                         qPrintable(QStringLiteral("%1 at %2").arg(button->text()).arg(factor)));
        }
    }

    void stagesOpenInTurn()
    {
        typeWords(9);
        QVERIFY(!get("cmdMakeFile")->isEnabled());
        type(QStringLiteral("word10"));
        for (int i = 0; i < 3; ++i) {
            list()->setCurrentRow(0);
            get("cmdRemove")->click();
        }
        QVERIFY(get("cmdMakeFile")->isEnabled());
        get("cmdMakeFile")->click(); // Cancel
        QCOMPARE(f->fakes.dialogs.saveFilters, QStringList{"Data (*.dat) | *.dat"});
        QVERIFY(QDir(dir->path()).isEmpty());
        QVERIFY(!get("cmdAddToFile")->isEnabled() && !get("cmdExit")->isEnabled());
        makeFile("list.dat");
        QVERIFY(get("cmdAddToFile")->isEnabled() && get("cmdExit")->isEnabled());
    }

    void counterCountsAdditionsOnly()
    {
        typeWords(12);
        for (int row : {4, 0, 6}) {
            list()->setCurrentRow(row);
            get("cmdRemove")->click();
        }
        get("cmdRemove")->click(); // nothing picked after a removal
        type(QStringLiteral("   "));
        QTest::keyClicks(box("txtNewWord"), QStringLiteral("kite"));
        QTest::keyClick(box("txtNewWord"), Qt::Key_Return);
        QCOMPARE(box("txtCounter")->text(), QStringLiteral("12"));
        QCOMPARE(list()->count(), 9);
        QCOMPARE(box("txtNewWord")->text(), QStringLiteral("kite"));
    }

    // A list pasted into the box is added a word a row, counted each, in
    // order; the box never holds the paste's line breaks, and the words a
    // file would cut or change stay in it.
    void pastedListAddsEachWord()
    {
        const QStringList twelve{"rocket", "lamp",  "tiger", "moon",  "fish",      "green",
                                 "house",  "seven", "train", "apple", "ice cream", "owl"};
        QGuiApplication::clipboard()->setText(twelve.mid(0, 6).join(QStringLiteral("\r\n"))
                                              + QStringLiteral("\r\nextraordinarily\r\n")
                                              + twelve.mid(6, 5).join(QStringLiteral("\n"))
                                              + QStringLiteral("\n\n\u263A smile\towl\n"));
        box("txtNewWord")->paste();
        QVERIFY(!box("txtNewWord")->text().contains(u'\n'));
        QVERIFY(!box("txtNewWord")->text().contains(u'\t'));
        get("cmdEnter")->click();
        QCOMPARE(rows(list()), twelve);
        QCOMPARE(box("txtCounter")->text(), QStringLiteral("12"));
        QVERIFY(get("cmdMakeFile")->isEnabled());
        QCOMPARE(box("txtNewWord")->text(), QStringLiteral("extraordinarily, \u263A smile"));
        QCOMPARE(QApplication::focusWidget(), box("txtNewWord"));
        // The parent is told why each stays.
        QCOMPARE(f->fakes.messages.shown.size(), size_t(1));
        const QStringList why = f->fakes.messages.shown.back().text.split(u'\n');
        QCOMPARE(why.size(), 2);
        QVERIFY(why.at(0).contains(QLatin1String("15 letters long")));
        QVERIFY(why.at(1).contains(QStringLiteral("\"\u263A\"")));
        // Mended, the two go in as two more rows.
        box("txtNewWord")->setText(QStringLiteral("extraordinary, smile"));
        get("cmdEnter")->click();
        QCOMPARE(list()->count(), 14);
        QVERIFY(box("txtNewWord")->text().isEmpty());
    }

    // A word already listed, compared in capitals as the game shows it,
    // is refused with a message, as the list tool refuses it; Add To File
    // writes every word picked, in list order.
    void repeatsRefusedAndPickedWordsWrittenTogether()
    {
        f->enter({QStringLiteral("\u00E9t\u00E9")});
        box("txtNewWord")
            ->setText(
                QStringLiteral("\u00C9T\u00C9, \u00E9t\u00E9, ant, Ant, \u0142\u00F3d\u017A"));
        get("cmdEnter")->click();
        QCOMPARE(rows(list()), (QStringList{"\u00E9t\u00E9", "ant"}));
        const QStringList why = f->fakes.messages.shown.back().text.split(u'\n');
        QCOMPARE(why.size(), 4);
        QVERIFY(why.at(0).contains(QLatin1String("in your list already")));
        QVERIFY(why.at(3).contains(QStringLiteral("\"\u0142\"")));
        QCOMPARE(box("txtNewWord")->text(), QStringLiteral("\u0142\u00F3d\u017A"));

        box("txtNewWord")->clear();
        typeWords(10);
        makeFile("picked.dat");
        for (int row : {5, 1, 3})
            list()->item(row)->setSelected(true);
        get("cmdAddToFile")->click();
        QCOMPARE(bytes("picked.dat"), rec("ant") + rec("word2") + rec("word4") + blanks(7));
        QCOMPARE(list()->count(), 9);
        QVERIFY(list()->selectedItems().isEmpty());
    }

    // A word the dictionary does not know is underlined in red once typing
    // pauses, in the box and in the list, in the language of the list's
    // words, and nothing is refused for it; a right-click offers the
    // dictionary's spellings above the usual menu, and one picked takes
    // the word's place.
    void marksWordsTheDictionaryDoesNotKnow()
    {
        FakeSpellCheck &spelling = f->fakes.spelling;
        spelling.misspelt.insert(QStringLiteral("recieve"),
                                 {QStringLiteral("receive"), QStringLiteral("relieve")});
        QLineEdit *newWord = box("txtNewWord");
        QTest::keyClicks(newWord, QStringLiteral("cat, recieve"));
        QTRY_VERIFY(redColumns(newWord).first
                    > newWord->fontMetrics().horizontalAdvance(QStringLiteral("cat, ")));
        int inWord = 0;
        while (newWord->cursorPositionAt(QPoint(inWord, newWord->height() / 2)) != 8)
            ++inWord;
        QMenu *menu = rightClick(newWord, QPoint(inWord, newWord->height() / 2));
        QVERIFY(menu);
        QCOMPARE(actionTexts(menu, 4), (QStringList{"receive", "relieve", "", "&Undo\tCtrl+Z"}));
        menu->actions().constFirst()->trigger();
        menu->close();
        QCOMPARE(newWord->text(), QStringLiteral("cat, receive"));
        QTRY_COMPARE(redColumns(newWord).first, -1);
        newWord->undo();
        QCOMPARE(newWord->text(), QStringLiteral("cat, recieve"));

        get("cmdEnter")->click();
        QCOMPARE(rows(list()), (QStringList{"cat", "recieve"}));
        const QRect rowRect = list()->visualItemRect(list()->item(1));
        QTRY_VERIFY(redColumns(list()->viewport(), rowRect).first >= 0);
        QCOMPARE(redColumns(list()->viewport(), list()->visualItemRect(list()->item(0))).first, -1);
        menu = rightClick(list()->viewport(), rowRect.center());
        QVERIFY(menu);
        QCOMPARE(actionTexts(menu, 3), (QStringList{"receive", "relieve"}));
        menu->actions().constLast()->trigger();
        menu->close();
        QCOMPARE(rows(list()), (QStringList{"cat", "relieve"}));
        QCOMPARE(spelling.asked.mid(0, 2),
                 (QStringList{"language of: ", "unknown in en: cat, recieve"}));
        QTRY_VERIFY(spelling.asked.contains(QStringLiteral("language of: cat, relieve")));
    }

    void makeFileBlanksTenRecords()
    {
        typeWords(10);
        makeFile("plain");
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"plain"});
        QCOMPARE(bytes("plain"), blanks(10));

        QStringList old;
        for (int i = 1; i <= 20; ++i)
            old.append(QStringLiteral("old%1").arg(i));
        QVERIFY(dir->writeList(QStringLiteral("old.dat"), old));
        const QByteArray kept = bytes("old.dat").mid(140);
        f->editor = std::make_unique<frmCreateList>(f->fakes.services);
        typeWords(10);
        makeFile("old.dat");
        QCOMPARE(bytes("old.dat"), blanks(10) + kept);
    }

    void wordsGoToTheFileInTheOrderWritten()
    {
        for (const char *word :
             {"ant", "bee", "cow", "doe", "elk", "fox", "gnu", "hen", "ibis", "jay", "kea", "lynx"})
            type(QString::fromLatin1(word));
        makeFile("zoo.dat");
        addToFile(2);
        addToFile(0);
        addToFile(4);
        QCOMPARE(bytes("zoo.dat"), rec("cow") + rec("ant") + rec("gnu") + blanks(7));
        QCOMPARE(list()->count(), 9);
        while (list()->count())
            addToFile(0);
        VocabFile file;
        QVERIFY(file.open(dir->file(QStringLiteral("zoo.dat")), VocabFile::Mode::ReadOnly));
        QCOMPARE(file.readEntries().size(), 12);
        QCOMPARE(file.readEntries().constLast(), QStringLiteral("lynx          "));
    }

    void addToFileWantsAPickedWord()
    {
        typeWords(10);
        makeFile("first.dat");
        get("cmdAddToFile")->click();
        addToFile(0);
        get("cmdAddToFile")->click();
        QCOMPARE(f->fakes.messages.shown.size(), size_t(2));
        QCOMPARE(f->fakes.messages.shown.back().title, QStringLiteral("Choose a Word"));
        QCOMPARE(f->fakes.messages.shown.back().text,
                 QStringLiteral("Please click on a word in your list."));
        // A second file is refused while the first is open; words go on to the first.
        makeFile("second.dat");
        addToFile(0);
        QVERIFY(!QFile::exists(dir->file(QStringLiteral("second.dat"))));
        QCOMPARE(bytes("first.dat"), rec("word1") + rec("word2") + blanks(8));
    }

    // Words not yet in the file are kept unless the parent says to drop
    // them: the desktop's question comes before closing, and only then.
    void everyWayOutClosesTheFile_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("toFile");
        QTest::addColumn<MessageBoxes::Unsaved>("answer");
        using A = MessageBoxes::Unsaved;
        QTest::newRow("I'm Done!, discarding") << 0 << 1 << A::Discard;
        QTest::newRow("close box, discarding") << 1 << 1 << A::Discard;
        QTest::newRow("Escape, then the close box") << 2 << 1 << A::Discard;
        QTest::newRow("close box, saving") << 1 << 1 << A::Save;
        QTest::newRow("close box, cancelled") << 1 << 1 << A::Cancel;
        QTest::newRow("every word in the file") << 0 << 11 << A::Cancel;
    }
    void everyWayOutClosesTheFile()
    {
        QFETCH(int, way);
        QFETCH(int, toFile);
        QFETCH(MessageBoxes::Unsaved, answer);
        const int written = answer == MessageBoxes::Unsaved::Save ? 11 : toFile;
        f->fakes.messages.answer = answer;
        typeWords(11);
        makeFile("out.dat");
        for (int i = 0; i < toFile; ++i)
            addToFile(0);
        QVERIFY(heldOpen(dir->file(QStringLiteral("out.dat"))));
        if (way == 0)
            get("cmdExit")->click();
        else if (way == 1)
            f->editor->close();
        else {
            // Escape is no way out: it would throw the words away unasked.
            QTest::keyClick(box("txtNewWord"), Qt::Key_Escape);
            QVERIFY(f->editor->isVisible());
            QCOMPARE(list()->count(), 10);
            QVERIFY(heldOpen(dir->file(QStringLiteral("out.dat"))));
            f->editor->close();
        }
        QCOMPARE(f->fakes.messages.asked.size(), size_t(toFile < 11 ? 1 : 0));
        const bool stays = answer == MessageBoxes::Unsaved::Cancel && toFile < 11;
        QCOMPARE(f->editor->isVisible(), stays);
        QCOMPARE(heldOpen(dir->file(QStringLiteral("out.dat"))), stays);
        QByteArray records;
        for (int i = 1; i <= written; ++i)
            records += rec(qPrintable(QStringLiteral("word%1").arg(i)));
        QCOMPARE(bytes("out.dat"), records + blanks(qMax(0, 10 - written)));
    }

    // A name typed without an extension gets ".dat" in the real dialog, so
    // that Open A List, which shows only those, finds the file.
    void makeFileNamesADatFile()
    {
        QtFileDialogs qt;
        FakeServices &s = f->fakes;
        Services withQt{s.player, s.speaker,  qt,         s.messages, s.random,
                        s.ending, s.keyboard, s.spelling, dir->path()};
        f->editor = std::make_unique<frmCreateList>(withQt);
        typeWords(10);
        QTimer::singleShot(0, this, [this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setDirectory(dir->path());
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(QStringLiteral("week12"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        get("cmdMakeFile")->click();
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"week12.dat"});
        // The next dialog of the run starts where this list was made.
        QCOMPARE(withQt.listFolder.start(), QDir(dir->path()).absolutePath());
    }

    // A file that cannot be made, or takes not even its blank records, is
    // let go and the parent told why; with room again, the next "Make File"
    // works.
    void makeFileAgainAfterAFullDisk()
    {
        typeWords(10);
        makeFile("no such folder/list.dat");
        QCOMPARE(f->fakes.messages.shown.size(), size_t(1));
        QVERIFY(f->fakes.messages.shown.back().text.contains(QLatin1String("No such file")));
        {
            WriteLimit full(5 * VocabFile::RecordLength + 3);
            QVERIFY(full.ok());
            makeFile("list.dat");
        }
        QVERIFY(!get("cmdAddToFile")->isEnabled() && !get("cmdExit")->isEnabled());
        QVERIFY(!heldOpen(dir->file(QStringLiteral("list.dat"))));
        QCOMPARE(f->fakes.messages.shown.size(), size_t(2));
        QCOMPARE(list()->count(), 10);
        makeFile("list.dat");
        QVERIFY(get("cmdAddToFile")->isEnabled() && get("cmdExit")->isEnabled());
        QCOMPARE(bytes("list.dat"), blanks(10));
    }

    void writtenWordsSurviveAKill()
    {
        const pid_t child = ::fork();
        if (child == 0) {
            typeWords(10);
            makeFile("kill.dat");
            addToFile(3);
            ::raise(SIGKILL);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(bytes("kill.dat"), rec("word4") + blanks(9));
    }

    void failedWriteKeepsTheWord()
    {
        typeWords(11);
        makeFile("full.dat");
        {
            // The file may not grow past its ten records: the write fails.
            WriteLimit full(140);
            QVERIFY(full.ok());
            for (int i = 0; i < 11; ++i)
                addToFile(0);
        }
        const QByteArray written = bytes("full.dat");
        QCOMPARE(list()->item(0)->text(), QStringLiteral("word11"));
        QCOMPARE(nextRecord(), 11);
        QCOMPARE(written.size(), 140);
        QCOMPARE(written.left(14), rec("word1"));
        addToFile(0);
        QCOMPARE(bytes("full.dat"), written + rec("word11"));
    }

    void counterStopsAtTheLastRecord()
    {
        // 32,767 synced writes run in seconds only on a file in memory.
        QTemporaryDir shm(QStringLiteral("/dev/shm/tst_editor-XXXXXX"));
        if (!shm.isValid())
            QSKIP("no /dev/shm");
        typeWords(10);
        f->makeFile(shm.filePath(QStringLiteral("huge.dat")));
        for (int n = 1; n <= VocabFile::LastRecord; ++n) {
            list()->addItem(QStringLiteral("x%1").arg(n));
            list()->setCurrentRow(10);
            get("cmdAddToFile")->click();
        }
        for (int i = 0; i < 2; ++i)
            f->addFirstWord();
        QCOMPARE(list()->count(), 10);
        QCOMPARE(nextRecord(), VocabFile::LastRecord);
        QFile file(shm.filePath(QStringLiteral("huge.dat")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), qint64(VocabFile::LastRecord) * VocabFile::RecordLength);
        QVERIFY(file.seek(file.size() - VocabFile::RecordLength));
        QCOMPARE(file.readAll(), rec("x32767"));
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
