// SPDX-License-Identifier: GPL-3.0-or-later

// Faults from outside the program: list files of every odd shape and kind
// through File > Open A List, grade files that are missing, empty or stand
// in a folder the player may not write, words nobody should type, and files
// that stop taking writes half-way. Whatever comes in, the game stays
// playable; a file that is no word list is refused with a message. (Wave
// files that are broken or lie are the wave player's tests'.)

#include "editorfixture.h"
#include "fifowatchdog.h"
#include "playfixture.h"
#include "wordlist/formats.h"
#include "wordlist/grades.h"
#include "wordlist/listreader.h"
#include "wordlist/vocabfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Record = VocabFile::RecordLength;

// n records holding "w1", "w2", ... padded as the editor writes them.
QByteArray numberedRecords(int n)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(n) * Record);
    for (int i = 1; i <= n; ++i)
        bytes += QByteArray("w" + QByteArray::number(i)).leftJustified(Record, ' ');
    return bytes;
}

// "word1", "word2", ... as a parent types them into the editor.
QStringList numberedWords(int n)
{
    QStringList words;
    for (int i = 1; i <= n; ++i)
        words.append(QStringLiteral("word%1").arg(i));
    return words;
}

// Runs this test program again, as the unprivileged user "nobody", for the
// one test function named. Root ignores permission bits, so a read-only
// folder only means something to another user.
enum class AsUser { Passed, Failed, CannotRun };
AsUser runAsNobody(const char *function, QString *output)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QB_AS_NOBODY"), QStringLiteral("1"));
    env.insert(QStringLiteral("HOME"), QDir::tempPath());
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(QDir::tempPath());
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setChildProcessModifier([] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(125);
    });
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(function)});
    if (!child.waitForStarted(10000))
        return AsUser::CannotRun;
    child.waitForFinished(110000);
    *output = QString::fromLocal8Bit(child.readAll());
    if (child.exitStatus() != QProcess::NormalExit)
        return AsUser::Failed;
    // 125: the user could not be changed; 126/127: nobody may not run this
    // program where it lies.
    if (child.exitCode() >= 125)
        return AsUser::CannotRun;
    return child.exitCode() == 0 ? AsUser::Passed : AsUser::Failed;
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

    std::unique_ptr<PlayFixture> game;

    QListWidget *middle() const { return game->find<QListWidget>(QStringLiteral("lstMiddle")); }
    QListWidget *vocab() const { return game->find<QListWidget>(QStringLiteral("lstVocab")); }
    void openList(const QString &path)
    {
        game->fakes.dialogs.nextOpen = {path};
        game->action("mnuFileOpenList")->trigger();
    }

    // The word on screen is the first row of the practice list as it was,
    // in capitals, one slot per character up to fourteen, and the answer
    // row offers exactly as many empty slots.
    void checkNextWordServes(const QString &entry)
    {
        const int before = middle()->count();
        game->nextWord();
        QCOMPARE(middle()->count(), before - 1);
        // Only spaces are trimmed; tabs and other controls are letters.
        qsizetype first = 0, last = entry.size();
        while (first < last && entry.at(first) == QLatin1Char(' '))
            ++first;
        while (last > first && entry.at(last - 1) == QLatin1Char(' '))
            --last;
        const qsizetype length = std::min<qsizetype>(last - first, 14);
        QCOMPARE(game->play().bytWordLen(), int(length));
        int shown = 0;
        for (int i = 0; i < 14; ++i)
            shown += game->slot(i)->isHidden() ? 0 : 1;
        QCOMPARE(shown, int(length));
        QVERIFY(game->attempt().isEmpty());
    }

private slots:
    void init() { game = std::make_unique<PlayFixture>(QStringList{"cat", "dog", "owl"}); }
    void cleanup() { game.reset(); }

    // Files of any length load whole records only, up to record 32,767 (or
    // plainly text, their words) into both lists, without a hitch, and the
    // first one plays. A file without a word, or whose bytes are no text (a
    // picture, random bytes), is refused with a message naming it.
    void listFilesOfAnyShape_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entries"); // -1: refused
        QTest::newRow("0 bytes") << QByteArray("") << -1;
        QTest::newRow("1 byte, text") << QByteArray("a") << 1;
        QTest::newRow("13 bytes, text") << QByteArray("thirteen byte") << 1;
        QTest::newRow("15 bytes, a word too long") << QByteArray("fifteen bytes!!") << -1;
        QTest::newRow("a record and a fragment") << QByteArray("fifteen bytes\0!", 15) << 1;
        QTest::newRow("ten blank records, two words")
            << QByteArray("ant           bee           ") + QByteArray(8 * Record, '\0') << 10;
        QTest::newRow("only blank records") << QByteArray(10 * Record, '\0') << -1;
        QTest::newRow("PNG picture")
            << QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000010") << -1;
        QTest::newRow("random binary") << randomBytes(4099, 8) << -1;
        QTest::newRow("32,768 records") << numberedRecords(32768) << 32767;
        QTest::newRow("10 MB") << randomBytes(10 * 1024 * 1024, 10) << -1;
    }
    void listFilesOfAnyShape()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entries);
        const QStringList before = rows(middle());
        QVERIFY(game->folder.writeBytes(QStringLiteral("odd.dat"), bytes));
        QElapsedTimer clock;
        clock.start();
        openList(game->folder.file(QStringLiteral("odd.dat")));
        const qint64 took = clock.elapsed();
        qInfo("%d entries in %lld ms", entries, took);
        // A long list is read in one go: loading the largest takes well
        // under a second in a normal build.
        QVERIFY2(took < 5000, qPrintable(QString::number(took)));
        if (entries < 0) {
            QCOMPARE(rows(middle()), before);
            QCOMPARE(game->fakes.messages.shown.size(), size_t(1));
            QVERIFY(game->fakes.messages.shown.front().text.contains(QLatin1String("\"odd.dat\"")));
            return;
        }

        const QStringList practice = rows(middle());
        QCOMPARE(practice.size(), entries);
        QCOMPARE(rows(vocab()), practice);
        QVERIFY(game->window->listFileOpen());
        // Each entry of records is its record up to the first NUL byte.
        for (int i = 0; &listreader::formatOf(bytes) == &RecordFormat && i < entries; ++i) {
            const QByteArray record = bytes.mid(qsizetype(i) * Record, Record);
            const qsizetype nul = record.indexOf('\0');
            QCOMPARE(practice.at(i).size(), nul < 0 ? Record : nul);
        }
        if (entries == 32767)
            QCOMPARE(practice.last(), QStringLiteral("w32767").leftJustified(Record, ' '));
        checkNextWordServes(practice.first());
    }

    // Paths that are no list file: the command ends silently after closing
    // the old list file, both lists keep their words, nothing is created,
    // and nothing waits.
    void pathsThatAreNoList_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << "directory";
        QTest::newRow("FIFO without a writer") << "fifo";
        QTest::newRow("deleted after the dialog") << "deleted";
        QTest::newRow("symlink loop") << "loop";
        QTest::newRow("dangling symlink") << "dangling";
    }
    void pathsThatAreNoList()
    {
        QFETCH(QString, kind);
        const TestFolder &f = game->folder;
        QString path = f.file(QStringLiteral("chosen.dat"));
        const QByteArray name = QFile::encodeName(path);
        if (kind == "directory") {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == "deleted") {
            QVERIFY(f.writeList(QStringLiteral("chosen.dat"), {QStringLiteral("gone")}));
            QVERIFY(QFile::remove(path));
        } else if (kind == "loop") {
            const QByteArray other = QFile::encodeName(f.file(QStringLiteral("other.dat")));
            QCOMPARE(::symlink(other.constData(), name.constData()), 0);
            QCOMPARE(::symlink(name.constData(), other.constData()), 0);
        } else if (kind == "dangling") {
            QCOMPARE(::symlink("nowhere.dat", name.constData()), 0);
        }
        const QStringList vocabBefore = rows(vocab());
        const QStringList middleBefore = rows(middle());
        QVERIFY(!middleBefore.isEmpty());

        FifoWatchdog watchdog(path);
        openList(path);
        QVERIFY(watchdog.finished());
        QCOMPARE(rows(vocab()), vocabBefore);
        QCOMPARE(rows(middle()), middleBefore);
        QVERIFY(!game->window->listFileOpen());
        QVERIFY(game->fakes.messages.shown.empty());
        if (kind == "deleted" || kind == "dangling")
            QVERIFY(!QFileInfo::exists(path));
        // The game goes on with the words it had.
        checkNextWordServes(middleBefore.first());
    }

    // Names are taken as given: spaces, letters beyond ASCII, a symlink.
    void oddNamesLoad()
    {
        const QString name = QStringLiteral("Émile's wörter für Ölçü 字 list.dat");
        QVERIFY(game->folder.writeList(name, {QStringLiteral("über"), QStringLiteral("ship")}));
        openList(game->folder.file(name));
        QCOMPARE(rows(middle()), (QStringList{QStringLiteral("über").leftJustified(Record, ' '),
                                              QStringLiteral("ship").leftJustified(Record, ' ')}));
        const QByteArray link = QFile::encodeName(game->folder.file(QStringLiteral("link.dat")));
        QCOMPARE(
            ::symlink(QFile::encodeName(game->folder.file(name)).constData(), link.constData()), 0);
        openList(QFile::decodeName(link));
        QCOMPARE(middle()->count(), 2);
        checkNextWordServes(middle()->item(0)->text());
        QCOMPARE(game->shownWord(), QStringLiteral("ÜBER"));
    }

    // Missing and empty grade files: empty lists, no file made, and Next
    // Word on an empty list puts no word in play.
    void gradeFilesMissingOrEmpty()
    {
        game.reset();
        game = std::make_unique<PlayFixture>(QStringList{}); // 0-byte firstGrade.dat
        QCOMPARE(vocab()->count(), 0);
        QCOMPARE(middle()->count(), 0);
        QVERIFY(game->folder.writeBytes(QStringLiteral("thirdGrade.dat"),
                                        QByteArray("thirteen\0byte", 13)));

        for (const grades::Grade &grade : grades::all()) {
            game->action(grade.menuItem)->trigger();
            QCOMPARE(vocab()->count(), 0);
            QCOMPARE(middle()->count(), 0);
        }
        QVERIFY(!QFile::exists(game->folder.file(QStringLiteral("secondGrade.dat"))));
        QCOMPARE(QFileInfo(game->folder.file(QStringLiteral("firstGrade.dat"))).size(), 0);

        game->action("mnuOursNextList")->trigger();
        QCOMPARE(middle()->count(), 0);
        game->nextWord();
        QVERIFY(!game->action("mnuFileNextWord")->isEnabled());
        QVERIFY(game->prompt(0)->isHidden());
        game->type(QStringLiteral("cat"));
        QVERIFY(game->attempt().isEmpty());
        QVERIFY(!game->answerShown());

        // An extra word still gets the game going.
        game->action("mnuYoursAddAWord")->trigger();
        game->find<QLineEdit>(QStringLiteral("txtDaWord"))->setText(QStringLiteral("sun"));
        game->find<QPushButton>(QStringLiteral("cmdAddWord"))->click();
        game->find<QPushButton>(QStringLiteral("cmdAllDone"))->click();
        QVERIFY(game->action("mnuFileNextWord")->isEnabled());
        game->nextWord();
        QCOMPARE(game->shownWord(), QStringLiteral("SUN"));
    }

    // A program folder the player may not write: grade files there load,
    // missing ones stay missing, and nothing tries to write. Run as nobody.
    void readOnlyProgramFolder()
    {
        if (::geteuid() == 0) {
            if (qEnvironmentVariableIsSet("QB_AS_NOBODY"))
                QFAIL("still root after dropping privileges");
            QString output;
            switch (runAsNobody("readOnlyProgramFolder", &output)) {
            case AsUser::Passed:
                return;
            case AsUser::Failed:
                QFAIL(qPrintable(output));
            case AsUser::CannotRun:
                QSKIP("root ignores permission bits, and this program could not be run as "
                      "nobody here (unreadable build folder or no setuid)");
            }
        }
        QVERIFY(game->folder.writeList(QStringLiteral("secondGrade.dat"),
                                       {QStringLiteral("moon"), QStringLiteral("star")}));
        const QByteArray folder = QFile::encodeName(game->folder.path());
        const QByteArray first = QFile::encodeName(
            game->folder.file(QStringLiteral("firstGrade.dat")));
        QCOMPARE(::chmod(first.constData(), 0444), 0);
        QCOMPARE(::chmod(folder.constData(), 0555), 0);
        auto restore = qScopeGuard([&] { ::chmod(folder.constData(), 0755); });
        // The folder really is closed to this user.
        QFile probe(game->folder.file(QStringLiteral("probe")));
        QVERIFY(!probe.open(QIODevice::WriteOnly));

        game->action("mnuSecond")->trigger();
        QCOMPARE(vocab()->count(), 2);
        QCOMPARE(middle()->count(), 10);
        game->action("mnuThird")->trigger();
        QCOMPARE(vocab()->count(), 0);
        QVERIFY(!QFile::exists(game->folder.file(QStringLiteral("thirdGrade.dat"))));
        game->action("mnuFirst")->trigger();
        QCOMPARE(vocab()->count(), 3);
        openList(game->folder.file(QStringLiteral("firstGrade.dat")));
        QCOMPARE(middle()->count(), 3);
        QVERIFY(game->window->listFileOpen());
        checkNextWordServes(middle()->item(0)->text());
    }

    // Words a parent should never type. The editor takes only those a
    // record holds whole and leaves the others in its box. Written to a file
    // all the same, as a foreign file may hold them, each is one whole
    // record, cut to fourteen characters, with "?" for what the code page
    // lacks; the file stays whole records and every word plays, but for the
    // control characters, for which the game refuses the file.
    void hostileWordsThroughTheEditor()
    {
        EditorFixture editor(game->folder.path());
        auto pad = [](const QString &entry) { return entry.leftJustified(Record, ' '); };
        // What each word is typed as, and the entry it reads back as.
        const QList<QPair<QString, QString>> words = {
            {QString(10000, QLatin1Char('w')), QString(14, QLatin1Char('w'))},
            {QStringLiteral("😀 smile 😀"), pad(QStringLiteral("? smile ?"))},
            {QStringLiteral("Ωмир字"), pad(QStringLiteral("?????"))},
            {QStringLiteral("naïve café"), pad(QStringLiteral("naïve café"))},
            {QStringLiteral("\x01\x02\x1b bell\a"), pad(QStringLiteral("\x01\x02\x1b bell\a"))},
            {QStringLiteral("tab\there"), pad(QStringLiteral("tab\there"))},
            // A NUL ends the entry, as in any record.
            {QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"), QStringLiteral("ab")},
            {QStringLiteral("abcdefghijklm😀x"), QStringLiteral("abcdefghijklm?")},
            // Invisible format characters are dropped, not marked.
            {QStringLiteral("\u200b\u202eevil"), pad(QStringLiteral("evil"))},
            {QStringLiteral("€uro"), pad(QStringLiteral("€uro"))},
        };
        QStringList typed;
        for (const auto &word : words)
            typed.append(word.first);
        editor.enter(typed);
        // The tab keeps two words apart; the invisible characters take no
        // room in a record.
        QCOMPARE(rows(editor.list()),
                 (QStringList{"naïve café", "tab", "here", "\u200b\u202eevil", "€uro"}));
        editor.enter({QStringLiteral("😀 smile 😀")});
        QCOMPARE(editor.box(QStringLiteral("txtNewWord"))->text(), QStringLiteral("😀 smile 😀"));
        editor.editor.reset();
        const QString path = game->folder.file(QStringLiteral("hostile.dat"));
        QVERIFY(game->folder.writeList(QStringLiteral("hostile.dat"), typed));
        // Control characters are no word's: such a file is refused whole.
        openList(path);
        QCOMPARE(game->fakes.messages.shown.size(), size_t(1));

        QStringList expected;
        typed.clear();
        for (const auto &word : words)
            if (VocabFile::isWordEntry(word.second))
                typed.append(word.first), expected.append(word.second);
        QVERIFY(game->folder.writeList(QStringLiteral("hostile.dat"), typed));
        openList(path);
        QCOMPARE(rows(middle()), expected);
        for (const QString &entry : expected)
            checkNextWordServes(entry);
    }

    // The same words as extra words: one longer than the fourteen slots, or
    // with a character the game cannot store or show, is refused and stays
    // in the box to be mended; a tab parts two words. The practice word
    // served next is typed and checked as usual.
    void hostileExtraWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("taken");
        QTest::newRow("10,000 letters") << QString(10000, QLatin1Char('w')) << 0;
        QTest::newRow("fifteen letters") << QStringLiteral("abcdefghijklmno") << 0;
        QTest::newRow("emoji") << QStringLiteral("cat😀") << 0;
        QTest::newRow("outside the code page") << QStringLiteral("Ωмир字") << 0;
        QTest::newRow("control characters") << QStringLiteral("a\x01\x1b\x7fb") << 0;
        QTest::newRow("tab inside") << QStringLiteral("ta\tb") << 2;
        QTest::newRow("only controls") << QStringLiteral("\x02\x03") << 0;
    }
    void hostileExtraWords()
    {
        QFETCH(QString, word);
        QFETCH(int, taken);
        game->practise({QStringLiteral("cat"), QStringLiteral("dog")});
        game->action("mnuYoursAddAWord")->trigger();
        auto *box = game->find<QLineEdit>(QStringLiteral("txtDaWord"));
        box->setText(word);
        game->find<QPushButton>(QStringLiteral("cmdAddWord"))->click();
        game->find<QPushButton>(QStringLiteral("cmdAllDone"))->click();
        QCOMPARE(middle()->count(), 2 + taken);
        QCOMPARE(box->text(), taken ? QString() : word);
        const QString after = middle()->item(1)->text().trimmed().toUpper();
        checkNextWordServes(middle()->item(0)->text());
        const int length = game->play().bytWordLen();
        // Typing fills the word's slots and no more; checking marks every
        // slot the keyboard cannot match, and the word can be cleared.
        game->type(QStringLiteral("abcdefghijklmnopq"));
        QCOMPARE(game->attempt().size(), length);
        QCOMPARE(game->play().intLetterPos(), length - 1);
        QVERIFY(game->answerShown());
        game->answer();
        QVERIFY(!game->dots().isEmpty());
        QCOMPARE(game->play().blnAllRight(), false);
        game->key(Qt::Key_Delete);
        QVERIFY(game->dots().isEmpty());
        QVERIFY(game->attempt().isEmpty());
        game->nextWord();
        QCOMPARE(game->shownWord(), after);
    }

    // The editor's file survives the editor being killed at any moment:
    // every word it had written is there, in whole records.
    void editorKilledWhileWriting()
    {
        const QString path = game->folder.file(QStringLiteral("killed.dat"));
        EditorFixture editor(game->folder.path());
        editor.enter(numberedWords(400));
        editor.makeFile(path);

        int told[2];
        QCOMPARE(::pipe(told), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(told[0]);
            // Writes words until killed, saying after each one it is done.
            for (;;) {
                editor.addFirstWord();
                if (::write(told[1], "w", 1) != 1)
                    ::_exit(1);
            }
        }
        ::close(told[1]);
        int reported = 0;
        char c;
        while (reported < 150 && ::read(told[0], &c, 1) == 1)
            ++reported;
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        while (::read(told[0], &c, 1) == 1)
            ++reported;
        ::close(told[0]);
        QCOMPARE(reported >= 150, true);

        const QByteArray bytes = game->folder.readBytes(QStringLiteral("killed.dat"));
        QCOMPARE(bytes.size() % Record, 0);
        // The word being written when the kill came may or may not be in.
        QVERIFY(bytes.size() / Record >= reported && bytes.size() / Record <= reported + 1);
        openList(path);
        for (int i = 0; i < reported; ++i)
            QCOMPARE(middle()->item(i)->text(),
                     QStringLiteral("word%1").arg(i + 1).leftJustified(Record, ' '));
    }

    // A list file that stops taking writes part-way (a full disk, a size
    // limit): every record written before stays as it was, the record that
    // failed leaves no fragment behind, the word stays in the editor, and
    // the file reads back whole.
    void fileFullMidWay()
    {
        const QString path = game->folder.file(QStringLiteral("full.dat"));
        EditorFixture editor(game->folder.path());
        editor.enter(numberedWords(20));
        editor.makeFile(path);

        {
            // Room for 12 records and 5 bytes of a 13th, the way a disk fills up.
            WriteLimit full(12 * Record + 5);
            QVERIFY(full.ok());
            for (int i = 0; i < 20; ++i)
                editor.addFirstWord();
        }

        QCOMPARE(editor.list()->count(), 8);
        QCOMPARE(editor.list()->item(0)->text(), QStringLiteral("word13"));
        QCOMPARE(editor.editor->property("intNextRecord").toInt(), 13);
        const QByteArray bytes = game->folder.readBytes(QStringLiteral("full.dat"));
        QCOMPARE(bytes.size(), 12 * Record);
        QStringList expected;
        for (int n = 1; n <= 12; ++n)
            expected.append(QStringLiteral("word%1").arg(n).leftJustified(Record, ' '));
        openList(path);
        QCOMPARE(rows(middle()), expected);

        // With room again the word left over goes to the next record.
        editor.addFirstWord();
        QCOMPARE(QFileInfo(path).size(), qint64(13) * Record);
    }
};

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
