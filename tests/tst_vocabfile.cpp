// SPDX-License-Identifier: GPL-3.0-or-later

// Word-list files: the byte format, what reading yields, what writing
// leaves on disk, the code page, and telling a text list from records.

#include "base/codepage.h"
#include "fifowatchdog.h"
#include "testfolder.h"
#include "ui/wordrefusal.h"
#include "wordlist/formats.h"
#include "wordlist/grades.h"
#include "wordlist/listreader.h"
#include "wordlist/pastedwords.h"
#include "wordlist/sentencebank.h"
#include "wordlist/textlist.h"
#include "wordlist/vocabfile.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(VocabFile::Content)

class TestVocabFile : public QObject
{
    Q_OBJECT

private:
    QStringList read(const TestFolder &folder, const QString &name)
    {
        VocabFile file;
        if (!file.open(folder.file(name), VocabFile::Mode::ReadOnly))
            return {QStringLiteral("<open failed>")};
        return file.readEntries();
    }

private slots:
    // A pasted list splits at line breaks of every kind, tabs, commas and
    // semicolons, never at a space; a word the file would cut or change is
    // set apart, in order, rather than stored.
    void pastedTextSplitsIntoWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fitting");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("LF lines") << "cat\ndog\nbird\n"
                                  << QStringList{"cat", "dog", "bird"} << QStringList{};
        QTest::newRow("CRLF, CR and U+2028")
            << "cat\r\ndog\rbird\u2028owl" << QStringList{"cat", "dog", "bird", "owl"}
            << QStringList{};
        QTest::newRow("commas, tabs, semicolons")
            << "cat, dog;bird\towl" << QStringList{"cat", "dog", "bird", "owl"} << QStringList{};
        QTest::newRow("blank pieces")
            << " \n cat ,, \r\n\r\n ; dog \t" << QStringList{"cat", "dog"} << QStringList{};
        QTest::newRow("ice cream") << "  ice cream " << QStringList{"ice cream"} << QStringList{};
        QTest::newRow("14 and 15 letters")
            << "encyclopaedias\nextraordinarily" << QStringList{"encyclopaedias"}
            << QStringList{"extraordinarily"};
        QTest::newRow("emoji and euro") << "smile\U0001F600\n\u20ACuro\ncaf\u00E9\nZ\u0142oty"
                                        << QStringList{"\u20ACuro", "caf\u00E9"}
                                        << QStringList{"smile\U0001F600", "Z\u0142oty"};
        QTest::newRow("control character")
            << "c\x01t\ndog" << QStringList{"dog"} << QStringList{"c\x01t"};
        // An invisible zero-width space takes no room in the file.
        QTest::newRow("zero-width space")
            << "abcdefghijklmn\u200B" << QStringList{"abcdefghijklmn\u200B"} << QStringList{};
        QTest::newRow("nothing") << " ,; \n" << QStringList{} << QStringList{};
    }
    void pastedTextSplitsIntoWords()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fitting);
        QFETCH(QStringList, refused);
        const wordrefusal::Sorted got = wordrefusal::sort(text);
        QCOMPARE(got.kept, fitting);
        QCOMPARE(got.refused, refused);
        // What a window leaves in its box splits back into the same words.
        QCOMPARE(textlist::split(pastedwords::join(got.refused)), refused);
        // On one line, the text keeps its words apart and holds no break.
        const QString flat = pastedwords::onOneLine(text);
        QVERIFY(!flat.contains(u'\n') && !flat.contains(u'\r') && !flat.contains(u'\t'));
        QCOMPARE(textlist::split(flat), textlist::split(text));
    }

    // Records or a text list, by the bytes: every file the game, its editor
    // or the list tool writes is records; a text list gives its words.
    void readerTellsRecordsFromText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readAs");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<VocabFile::Content>("content");
        const QString Records = QStringLiteral("records"), Text = QStringLiteral("UTF-8");
        constexpr auto Words = VocabFile::Content::Words, NoWords = VocabFile::Content::NoWords,
                       NotWords = VocabFile::Content::NotWords;
        QTest::newRow("two padded words, 28 bytes")
            << QByteArray("cat           dog           ") << Records
            << QStringList{"cat           ", "dog           "} << 0 << Words;
        QTest::newRow("blank records") << QByteArray("cat") + QByteArray(39, '\0') << Records
                                       << QStringList{"cat", "", ""} << 0 << Words;
        QTest::newRow("a picture") << QByteArray::fromHex("89504e470d0a1a0a0000000d494844520000")
                                   << Records << QStringList{} << 0 << NotWords;
        QTest::newRow("commas on one line")
            << QByteArray("cat, dog, bird, fish, frog") << Text
            << QStringList{"cat", "dog", "bird", "fish", "frog"} << 0 << Words;
        QTest::newRow("CRLF and a comment")
            << QByteArray("# week 3\r\ncat\r\nice cream\r\n") << Text
            << QStringList{"cat", "ice cream"} << 0 << Words;
        QTest::newRow("one word, no line end")
            << QByteArray("elephant") << Text << QStringList{"elephant"} << 0 << Words;
        QTest::newRow("Windows-1252") << QByteArray("caf\xe9;\x80uro\tFu\xdf") << "Windows-1252"
                                      << QStringList{"café", "€uro", "Fuß"} << 0 << Words;
        // Words as a record holds them: an invisible character takes no slot.
        QTest::newRow("too long, outside, invisible")
            << QStringLiteral("extraordinarily\nZłoty\ncat\u200B\n\u200B dog\n\u200B\n").toUtf8()
            << Text << QStringList{"cat", "dog"} << 2 << Words;
        QTest::newRow("nothing fits")
            << QByteArray("extraordinarily\n") << Text << QStringList{} << 1 << NoWords;
        QTest::newRow("neither UTF-8 nor 1252")
            << QByteArray("cat\ncaf\xe9\x81\n") << Text << QStringList{} << 0 << NotWords;
        QTest::newRow("a control character")
            << QByteArray("c\x01t\ndog\n") << Text << QStringList{} << 0 << NotWords;
        // The game's own lists, as the build made them with the list tool:
        // one for each grade of the menu, and a grade for each list.
        QStringList names;
        for (const grades::Grade &grade : grades::all())
            names.append(QString::fromLatin1(grade.name) + QStringLiteral(".txt"));
        names.sort();
        QCOMPARE(QDir(QStringLiteral(QB_GRADES_DIR)).entryList({QStringLiteral("*.txt")}), names);
        for (const grades::Grade &grade : grades::all()) {
            QFile file(qEnvironmentVariable("QB_PROGRAM_DIR") + u'/' + QLatin1String(grade.name)
                       + ".dat");
            QVERIFY2(file.open(QIODevice::ReadOnly), grade.name);
            const QByteArray bytes = file.readAll();
            QTest::newRow(grade.name)
                << bytes << Records << VocabFile::entriesOf(bytes) << 0 << Words;
        }
    }
    // Every grade word has a sentence a child can follow: at most twelve
    // words, holding the word once and no word said like it; and the bank
    // holds no word the grades do not.
    void everyGradeWordHasItsSentence()
    {
        const SentenceBank bank = SentenceBank::load(qEnvironmentVariable("QB_PROGRAM_DIR")
                                                     + QStringLiteral("/sentences.txt"));
        static const QRegularExpression token(QStringLiteral("[A-Za-z']+"));
        QStringList gradeWords;
        for (const grades::Grade &grade : grades::all()) {
            QFile list(QStringLiteral(QB_GRADES_DIR "/%1.txt").arg(QLatin1String(grade.name)));
            QVERIFY(list.open(QIODevice::ReadOnly));
            for (const textlist::Word &word : textlist::words(QString::fromUtf8(list.readAll())))
                gradeWords.append(word.text.toLower());
        }
        for (const QString &word : gradeWords) {
            const SentenceBank::Entry *entry = bank.find(word);
            QVERIFY2(entry, qPrintable(word));
            QStringList said;
            for (auto it = token.globalMatch(entry->sentence); it.hasNext();)
                said.append(it.next().captured().toLower());
            QVERIFY2(entry->sentence.count(u' ') < 12, qPrintable(entry->sentence));
            QVERIFY2(said.count(word) == 1, qPrintable(entry->sentence));
            for (const QString &alike : bank.soundsAlike(word))
                QVERIFY2(!said.contains(alike), qPrintable(entry->sentence));
        }
        QStringList banked = bank.words();
        banked.sort();
        gradeWords.sort();
        QCOMPARE(banked, gradeWords);
        // Heard alone, "read" could be "red": it comes with its sentence.
        QVERIFY(bank.needsSentence(QStringLiteral("READ"))
                && bank.needsSentence(QStringLiteral("two")));
        QVERIFY(!bank.needsSentence(QStringLiteral("cat")));
    }

    void readerTellsRecordsFromText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readAs);
        QFETCH(QStringList, entries);
        QFETCH(int, leftOut);
        QFETCH(VocabFile::Content, content);
        TestFolder folder;
        QVERIFY(folder.writeBytes(QStringLiteral("l.dat"), bytes));
        VocabFile file;
        QVERIFY(file.open(folder.file(QStringLiteral("l.dat")), VocabFile::Mode::ReadOnly));
        const ListContents got = listreader::read(file);
        const bool text = readAs != QLatin1String("records");
        QCOMPARE(got.format, text ? &TextFormat : &RecordFormat);
        if (text)
            QCOMPARE(got.encoding, readAs == QLatin1String("UTF-8")
                                       ? textlist::Encoding::Utf8
                                       : textlist::Encoding::Windows1252);
        QCOMPARE(got.content, content);
        if (content != VocabFile::Content::NotWords)
            QCOMPARE(got.entries, entries);
        QCOMPARE(got.leftOut, leftOut);
        // A file read in part leaves out its last line, which may be cut.
        if (text && bytes.endsWith('\n'))
            QCOMPARE(listreader::read(bytes + "cut sho", false).entries, got.entries);
    }

    // A file of 14 * k bytes yields exactly k entries; a trailing piece
    // shorter than a record is not an entry.
    void recordCountFollowsLength_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("entries");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("one byte") << 1 << 0;
        QTest::newRow("13 bytes") << 13 << 0;
        QTest::newRow("one record") << 14 << 1;
        QTest::newRow("one record and a byte") << 15 << 1;
        QTest::newRow("ten records") << 140 << 10;
        QTest::newRow("ten and a half") << 147 << 10;
    }
    void recordCountFollowsLength()
    {
        QFETCH(int, bytes);
        QFETCH(int, entries);
        TestFolder folder;
        QByteArray data;
        for (int i = 0; i < bytes; ++i)
            data.append(char('a' + (i / 14) % 26));
        QVERIFY(folder.writeBytes(QStringLiteral("l.dat"), data));
        const QStringList got = read(folder, QStringLiteral("l.dat"));
        QCOMPARE(got.size(), entries);
        if (entries > 0)
            QCOMPARE(got.last(), QString(14, QChar(u'a' + (entries - 1) % 26)));
    }

    // Padding is kept, NUL ends an entry, a blank record is the empty text.
    void entriesKeepPaddingAndStopAtNul()
    {
        TestFolder folder;
        QByteArray data;
        data += "cat           ";                  // 3 letters, 11 spaces
        data += QByteArray(14, '\0');              // blank record
        data += QByteArray("ab\0cdefghijklm", 14); // NUL inside
        data += "  two words   ";                  // inner and leading spaces
        QVERIFY(folder.writeBytes(QStringLiteral("l.dat"), data));
        const QStringList got = read(folder, QStringLiteral("l.dat"));
        QCOMPARE(got, (QStringList{QStringLiteral("cat           "), QString(),
                                   QStringLiteral("ab"), QStringLiteral("  two words   ")}));
        QCOMPARE(got.first().size(), 14);
    }

    void writesPadCutAndExtend()
    {
        TestFolder folder;
        VocabFile file;
        QVERIFY(file.open(folder.file(QStringLiteral("w.dat")), VocabFile::Mode::ReadWrite));
        QVERIFY(file.writeRecord(1, QStringLiteral("cat")));
        QVERIFY(file.writeRecord(3, QStringLiteral("abcdefghijklmno"))); // 15 letters
        QVERIFY(file.writeBlankRecord(4));
        const QByteArray bytes = folder.readBytes(QStringLiteral("w.dat"));
        QCOMPARE(bytes.size(), 56);
        QCOMPARE(bytes.mid(0, 14), QByteArray("cat           "));
        // Record 2 was never written: the gap reads as a blank record.
        QCOMPARE(bytes.mid(14, 14), QByteArray(14, '\0'));
        QCOMPARE(bytes.mid(28, 14), QByteArray("abcdefghijklmn"));
        QCOMPARE(bytes.mid(42, 14), QByteArray(14, '\0'));
        QCOMPARE(file.readEntries(), (QStringList{QStringLiteral("cat           "), QString(),
                                                  QStringLiteral("abcdefghijklmn"), QString()}));
    }

    // Record numbers are 16-bit: nothing is read or written past 32,767.
    void recordNumbersStopAt32767()
    {
        TestFolder folder;
        QByteArray data;
        data.reserve(32768 * 14);
        for (int n = 1; n <= 32768; ++n)
            data += QByteArray::number(n).leftJustified(14, ' ');
        QVERIFY(folder.writeBytes(QStringLiteral("big.dat"), data));
        const QStringList got = read(folder, QStringLiteral("big.dat"));
        QCOMPARE(got.size(), 32767);
        QCOMPARE(got.last().trimmed(), QStringLiteral("32767"));

        VocabFile file;
        QVERIFY(file.open(folder.file(QStringLiteral("big.dat")), VocabFile::Mode::ReadWrite));
        QVERIFY(!file.writeRecord(32768, QStringLiteral("past")));
        QVERIFY(!file.writeRecord(0, QStringLiteral("zero")));
        QVERIFY(!file.writeBlankRecord(-1));
        QVERIFY(file.writeRecord(32767, QStringLiteral("last")));
        const QByteArray after = folder.readBytes(QStringLiteral("big.dat"));
        QCOMPARE(after.size(), data.size());
        QCOMPARE(after.mid(32766 * 14, 14), QByteArray("last          "));
        QCOMPARE(after.mid(32767 * 14), data.mid(32767 * 14));
        QCOMPARE(after.left(14), data.left(14));
    }

    void openingForWritingCreatesButNeverTruncates()
    {
        TestFolder folder;
        const QByteArray twenty = QByteArray("word          ").repeated(20);
        QVERIFY(folder.writeBytes(QStringLiteral("old.dat"), twenty));
        {
            VocabFile file;
            QVERIFY(file.open(folder.file(QStringLiteral("old.dat")), VocabFile::Mode::ReadWrite));
        }
        QCOMPARE(folder.readBytes(QStringLiteral("old.dat")), twenty);

        VocabFile created;
        QVERIFY(created.open(folder.file(QStringLiteral("new")), VocabFile::Mode::ReadWrite));
        QVERIFY(QFile::exists(folder.file(QStringLiteral("new"))));
        QCOMPARE(created.readEntries(), QStringList());
    }

    // Loading a list never writes: a missing list is not created, and a
    // handle opened for reading refuses to write.
    void readingNeverWrites()
    {
        TestFolder folder;
        VocabFile missing;
        QVERIFY(!missing.open(folder.file(QStringLiteral("none.dat")), VocabFile::Mode::ReadOnly));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("none.dat"))));

        QVERIFY(folder.writeBytes(QStringLiteral("r.dat"), "cat           "));
        VocabFile reader;
        QVERIFY(reader.open(folder.file(QStringLiteral("r.dat")), VocabFile::Mode::ReadOnly));
        QVERIFY(!reader.writeRecord(1, QStringLiteral("dog")));
        QCOMPARE(folder.readBytes(QStringLiteral("r.dat")), QByteArray("cat           "));
    }

    // Only regular files are lists; a FIFO must not block the game.
    void refusesWhatIsNotAFile()
    {
        TestFolder folder;
        const QString fifo = folder.file(QStringLiteral("pipe.dat"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        FifoWatchdog watchdog(fifo);
        for (auto mode : {VocabFile::Mode::ReadOnly, VocabFile::Mode::ReadWrite}) {
            VocabFile f;
            QVERIFY(!f.open(fifo, mode));
            VocabFile d;
            QVERIFY(!d.open(folder.path(), mode));
            VocabFile dev;
            QVERIFY(!dev.open(QStringLiteral("/dev/zero"), mode));
        }
        QVERIFY(watchdog.finished());
    }

    void secondOpenKeepsTheFirstFile()
    {
        TestFolder folder;
        QVERIFY(folder.writeBytes(QStringLiteral("a.dat"), "first         "));
        QVERIFY(folder.writeBytes(QStringLiteral("b.dat"), "second        "));
        VocabFile file;
        QVERIFY(file.open(folder.file(QStringLiteral("a.dat")), VocabFile::Mode::ReadWrite));
        QVERIFY(!file.open(folder.file(QStringLiteral("b.dat")), VocabFile::Mode::ReadWrite));
        QVERIFY(file.writeRecord(2, QStringLiteral("more")));
        QCOMPARE(folder.readBytes(QStringLiteral("a.dat")).size(), 28);
        QCOMPARE(folder.readBytes(QStringLiteral("b.dat")).size(), 14);
        file.close();
        file.close(); // closing a closed handle does nothing
        QVERIFY(!file.isOpen());
    }

    // Windows-1252 on disk; a character outside it is stored as "?".
    void codePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Cat") << QByteArray("Cat");
        QTest::newRow("latin") << QStringLiteral("café") << QByteArray("caf\xe9");
        QTest::newRow("euro and quotes") << QStringLiteral("€“”") << QByteArray("\x80\x93\x94");
        QTest::newRow("outside") << QStringLiteral("żółw") << QByteArray("?\xf3?w");
        QTest::newRow("surrogate pair") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    }
    void codePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(codepage::fromUnicode(text), bytes);
    }

    // The voices offered are those of languages whose letters a list can
    // hold.
    void languagesTheCodePageWrites_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("written");
        for (const char *yes : {"en", "fr", "de", "es", "pt", "nb", "is"})
            QTest::newRow(yes) << QString::fromLatin1(yes) << true;
        for (const char *no : {"pl", "tr", "cs", "vi", "ru", "xx"})
            QTest::newRow(no) << QString::fromLatin1(no) << false;
    }
    void languagesTheCodePageWrites()
    {
        QFETCH(QString, code);
        QFETCH(bool, written);
        QCOMPARE(codepage::writesLanguage(code), written);
    }

    void everyByteReadsBackAsItself()
    {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        const QString text = codepage::toUnicode(all);
        QCOMPARE(text.size(), all.size());
        QCOMPARE(text.at(0x80 - 1), QChar(0x20AC));
        QCOMPARE(codepage::fromUnicode(text), all);
    }

    // A word cut to 14 characters never splits a character's byte.
    void cuttingCountsCharacters()
    {
        const QByteArray record = VocabFile::encodeRecord(QStringLiteral("ééééééééééééééé"));
        QCOMPARE(record, QByteArray(14, '\xe9'));
    }
};

QTEST_GUILESS_MAIN(TestVocabFile)
#include "tst_vocabfile.moc"
