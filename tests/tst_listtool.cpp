// SPDX-License-Identifier: GPL-3.0-or-later

// quillobrite-list as a user runs it: the files it writes, what it refuses
// and says, and its exit status; and the game's own command line.

#include "editorfixture.h"
#include "testdictionaries.h"
#include "testfolder.h"
#include "wordlist/formats.h"
#include "wordlist/listreader.h"

#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

// Run from a terminal with no display to open.
Run listTool(const QStringList &args, const QString &program = QStringLiteral(QB_LIST_TOOL))
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(display));
    tool.setProcessEnvironment(env);
    tool.start(program, args);
    Run run;
    if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = tool.exitCode();
    run.out = QString::fromUtf8(tool.readAllStandardOutput());
    run.err = QString::fromUtf8(tool.readAllStandardError());
    return run;
}

} // namespace

class TestListTool : public QObject
{
    Q_OBJECT

private slots:
    // The tool writes the very bytes the editor writes for the same words,
    // a long list and one shorter than the ten records Make File blanks.
    void makesWhatTheEditorMakes_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::newRow("twelve") << QStringList{"rocket", "lamp",  "tiger",     "moon",
                                               "fish",   "café",  "house",     "seven",
                                               "train",  "apple", "ice cream", "encyclopaedias"};
        QTest::newRow("three") << QStringList{"cat", "€uro", "dog"};
    }
    void makesWhatTheEditorMakes()
    {
        QFETCH(QStringList, words);
        TestFolder dir;
        {
            EditorFixture f(dir.path());
            // Make File wants ten rows; only the chosen words are written.
            QStringList spare;
            for (int i = 1; i <= 10; ++i)
                spare.append(QStringLiteral("spare%1").arg(i));
            f.enter(words + spare);
            f.makeFile(dir.file(QStringLiteral("editor.dat")));
            for (qsizetype i = 0; i < words.size(); ++i)
                f.addFirstWord();
        }
        QVERIFY(dir.writeBytes(QStringLiteral("words.txt"),
                               (QStringLiteral("# this week\n") + words.join(u'\n')).toUtf8()));
        const Run run = listTool({QStringLiteral("make"), dir.file(QStringLiteral("words.txt")),
                                  dir.file(QStringLiteral("tool.dat"))});
        QCOMPARE(run.status, 0);
        const QByteArray made = dir.readBytes(QStringLiteral("editor.dat"));
        QCOMPARE(made.size(), qMax<qsizetype>(words.size(), 10) * VocabFile::RecordLength);
        QCOMPARE(dir.readBytes(QStringLiteral("tool.dat")), made);
        // And check finds nothing wrong with what the two make; the game
        // reads it as records, every one.
        QCOMPARE(listTool({QStringLiteral("check"), dir.file(QStringLiteral("tool.dat"))}).status,
                 0);
        const ListContents read = listreader::read(made);
        QCOMPARE(read.format, &RecordFormat);
        QCOMPARE(read.entries, VocabFile::entriesOf(made));
    }

    // Text is read whole as UTF-8, or as Windows-1252 when it is not and can
    // be; else refused, even with --force: never a word cut short.
    void makeReadsTextWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("said");
        const QString windows1252 = QStringLiteral("words.txt: not UTF-8: read as Windows-1252");
        QTest::newRow("UTF-8, byte-order mark") << QByteArray("\xef\xbb\xbf"
                                                              "caf\xc3\xa9\nFu\xc3\x9f\n")
                                                << 0 << QStringList{"café", "Fuß"} << QString();
        QTest::newRow("Latin-1") << QByteArray("Fu\xdf\ncaf\xe9\nna\xefve\n") << 0
                                 << QStringList{"Fuß", "café", "naïve"} << windows1252;
        QTest::newRow("Windows-1252") << QByteArray("\x93quoted\x94, \x80uro\r\n") << 0
                                      << QStringList{"“quoted”", "€uro"} << windows1252;
        QTest::newRow("neither") << QByteArray("cat\ncaf\xe9\nbad\x81"
                                               "byte\n")
                                 << 1 << QStringList{} << "words.txt:2: not UTF-8 text";
        QTest::newRow("marked UTF-8, a Latin-1 byte")
            << QByteArray("\xef\xbb\xbf"
                          "cat\n\ncaf\xe9\n")
            << 1 << QStringList{} << "words.txt:3: not UTF-8 text";
    }
    void makeReadsTextWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QStringList, words);
        QFETCH(QString, said);
        TestFolder dir;
        QVERIFY(dir.writeBytes(QStringLiteral("words.txt"), bytes));
        const QString list = dir.file(QStringLiteral("list.dat"));
        const Run made = listTool({QStringLiteral("make"), QStringLiteral("--force"),
                                   dir.file(QStringLiteral("words.txt")), list});
        QCOMPARE(made.status, status);
        // Said once of the words' file, or nothing said of it.
        QVERIFY2(made.err.count("words.txt") == !said.isEmpty()
                     && made.err.startsWith(dir.path() + u'/' + said),
                 qPrintable(made.err));
        QCOMPARE(QFile::exists(list), status == 0);
        if (status == 0)
            QCOMPARE(listTool({QStringLiteral("show"), list}).out.split(u'\n').mid(0, words.size()),
                     words);
    }

    // check notes each word the dictionary of the list's language does not
    // know, by record; a note, not a problem: the status stays 0.
    void checkNotesWordsNotInTheDictionary()
    {
        TestFolder dir;
        const TestDictionaries dictionaries({QStringLiteral("en_US: cat dog receive ice cream")});
        QVERIFY(dictionaries.ok());
        const QString list = dir.file(QStringLiteral("list.dat"));
        QVERIFY(
            dir.writeList(QStringLiteral("list.dat"), {"cat", "recieve", "", "ice creem", "dog"}));
        qputenv("DICPATH", QFile::encodeName(dictionaries.folder()));
        const Run run = listTool({QStringLiteral("check"), list});
        qunsetenv("DICPATH");
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err,
                 list + QStringLiteral(": record 2: \"recieve\" is not in the en dictionary\n")
                     + list
                     + QStringLiteral(": record 4: \"creem\" is not in the en dictionary\n"));
    }

    // --help, --version and an unknown option, with no display to open.
    void gameCommandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: quillobrite [OPTION]"
                                << "";
        QTest::newRow("Qt's options, -h")
            << QStringList{"-platform", "offscreen", "--reverse", "-h"} << 0
            << "Usage: quillobrite [OPTION]"
            << "";
        QTest::newRow("--version")
            << QStringList{"--version"} << 0 << "quillobrite " QB_VERSION "\n"
            << "";
        QTest::newRow("--foo")
            << QStringList{"-style", "fusion", "--foo", "--help"} << 2 << ""
            << "quillobrite: unknown option --foo\nUsage: quillobrite [OPTION]...\n"
               "Try 'quillobrite --help' for more.\n";
    }
    void gameCommandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run ran = listTool(args, QStringLiteral(QB_GAME));
        QCOMPARE(ran.status, status);
        QVERIFY2(out.isEmpty() ? ran.out.isEmpty() : ran.out.startsWith(out), qPrintable(ran.out));
        QCOMPARE(ran.err, err);
    }

    // Unstorable words are named by line and nothing is written; --force
    // leaves them out; an existing file, a bad command and a missing file
    // are usage or I/O errors; show and check mark what the game would
    // play wrong.
    void refusesAndReports()
    {
        TestFolder dir;
        const QString words = dir.file(QStringLiteral("words.txt"));
        const QString list = dir.file(QStringLiteral("list.dat"));
        QVERIFY(dir.writeBytes(
            QStringLiteral("words.txt"),
            QStringLiteral("cat\r\ndog, extraordinarily\r\n# Cat\r\nCat\r\nsmile 😀\r\n").toUtf8()));
        Run run = listTool({QStringLiteral("make"), words, list});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(
                     words + QStringLiteral(":2: \"extraordinarily\" is longer than 14 letters")),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(words + QStringLiteral(":4: \"Cat\" is listed already")),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(words + QStringLiteral(":5: \"smile 😀\"")), qPrintable(run.err));
        QVERIFY(!QFile::exists(list));

        QCOMPARE(listTool({QStringLiteral("make"), QStringLiteral("--force"), words, list}).status,
                 0);
        const QByteArray made = dir.readBytes(QStringLiteral("list.dat"));
        QCOMPARE(made.left(28), VocabFile::encodeRecord(QStringLiteral("cat"))
                                    + VocabFile::encodeRecord(QStringLiteral("dog")));

        run = listTool({QStringLiteral("make"), words, list});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith(list + QStringLiteral(": exists already")),
                 qPrintable(run.err));
        QCOMPARE(dir.readBytes(QStringLiteral("list.dat")), made);
        QCOMPARE(listTool({QStringLiteral("show"), dir.file(QStringLiteral("none.dat"))}).status,
                 2);
        QCOMPARE(listTool({QStringLiteral("make"), words}).status, 2);
        QCOMPARE(listTool({QStringLiteral("--help")}).status, 0);

        QVERIFY(dir.writeBytes(QStringLiteral("list.dat"), made + "ab"));
        run = listTool({QStringLiteral("show"), list});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(u'\n').mid(0, 3),
                 (QStringList{"cat", "dog", "# record 3: blank record"}));
        QVERIFY(run.out.endsWith(
            QStringLiteral("# record 11: trailing fragment of 2 bytes, never read\n")));
        run = listTool({QStringLiteral("check"), list});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.count(list + QStringLiteral(": record ")), 1); // the fragment
        QVERIFY(dir.writeBytes(QStringLiteral("list.dat"),
                               QByteArray("cat\tdog") + QByteArray(140, '\0')));
        run = listTool({QStringLiteral("check"), list});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(list + QStringLiteral(": record 1: control characters")),
                 qPrintable(run.err));
        QVERIFY(dir.writeBytes(QStringLiteral("list.dat"), QByteArray(140, '\0')));
        QCOMPARE(listTool({QStringLiteral("check"), list}).status, 1);
    }
};

QTEST_MAIN(TestListTool)
#include "tst_listtool.moc"
