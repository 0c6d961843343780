// SPDX-License-Identifier: GPL-3.0-or-later

// The spelling dictionaries on dictionaries of the test's own: the language
// a list is in, the words a dictionary knows and what it offers, in its own
// encoding, and the same answers from the thread the windows ask.

#include "spelling/backgroundspelling.h"
#include "spelling/dictionaries.h"
#include "testdictionaries.h"

#include <QtTest>

class TestSpelling : public QObject
{
    Q_OBJECT

private slots:
    void languageOfAList_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("dictionary");
        const QStringList enFr{"en_US: cat dog house table piano",
                               "fr_FR: chat chien maison table piano"};
        QTest::newRow("most words known")
            << enFr << "en_US" << QStringList{"chat", "chien", "house"} << "fr"
            << "fr_FR";
        QTest::newRow("tie: the desktop's") << enFr << "fr_CA" << QStringList{"cat", "chat"} << "fr"
                                            << "fr_FR";
        QTest::newRow("tie, no dictionary of the desktop's: English")
            << (enFr + QStringList{"de_DE: katze"}) << "es_ES"
            << QStringList{"cat", "chat", "blorp"} << "en"
            << "en_US";
        QTest::newRow("tie without the desktop's or English")
            << QStringList{"fr_FR: chat", "de_DE: katze"} << "es_ES" << QStringList{"chat", "katze"}
            << "de"
            << "de_DE";
        QTest::newRow("no dictionary at all")
            << QStringList{} << "fr_FR" << QStringList{"cat"} << "fr"
            << "";
        QTest::newRow("an empty list") << enFr << "de_DE" << QStringList{"", "  "} << "en"
                                       << "en_US";
        QTest::newRow("in capitals")
            << enFr << "fr_FR" << QStringList{"CHAT", "HoUSE", "DoG"} << "en"
            << "en_US";
        QTest::newRow("a word in two languages")
            << enFr << "de_DE" << QStringList{"table", "piano", "chat"} << "fr"
            << "fr_FR";
        QTest::newRow("a phrase counts when known whole")
            << enFr << "fr_FR" << QStringList{"ice cat", "dog house", "cat"} << "en"
            << "en_US";
        QStringList long40(40, QStringLiteral("cat"));
        QTest::newRow("judged on its first 40 words")
            << enFr << "fr_FR"
            << (QStringList{"", "42"} + long40 + QStringList(41, QStringLiteral("chat"))) << "en"
            << "en_US";
        const QStringList english{"en_GB: colour", "en_US: color", "en_AU: colour"};
        QTest::newRow("the desktop's region") << english << "en_GB" << QStringList{"colour"} << "en"
                                              << "en_GB";
        QTest::newRow("another region: the language's home")
            << english << "de_CH" << QStringList{"colour"} << "en"
            << "en_US";
    }
    void languageOfAList()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, desktop);
        QFETCH(QStringList, list);
        QFETCH(QString, language);
        QFETCH(QString, dictionary);
        const TestDictionaries folder(installed);
        QVERIFY(folder.ok());
        Dictionaries dictionaries({folder.folder()}, desktop);
        QCOMPARE(dictionaries.languageOf(list), language);
        QCOMPARE(dictionaries.dictionaryName(language), dictionary);
    }

    // Words go to a dictionary in its own encoding and its spellings come
    // back from it; a word it cannot write is unknown, not a fault.
    void knownWordsAndSuggestions_data()
    {
        QTest::addColumn<QByteArray>("encoding");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QStringList>("unknown");
        QTest::addColumn<QString>("misspelt");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("UTF-8") << QByteArray("UTF-8") << "receive cat café"
                               << QStringList{"recieve", "cat",  "Cat", "CAT",
                                              "café",    "cafe", "日本"}
                               << QStringList{"recieve", "cafe", "日本"} << "recieve"
                               << QStringList{"receive"};
        QTest::newRow("ISO8859-1") << QByteArray("ISO8859-1") << "naïve café"
                                   << QStringList{"café", "CAFÉ", "naive", "naïve", "€uro"}
                                   << QStringList{"naive", "€uro"} << "cafe" << QStringList{"café"};
        QTest::newRow("five at most")
            << QByteArray("UTF-8") << "bat cat eat fat hat mat oat pat rat sat"
            << QStringList{"zat"} << QStringList{"zat"} << "zat"
            << QStringList{"bat", "cat", "eat", "fat", "hat", "mat", "oat", "pat", "rat", "sat"};
    }
    void knownWordsAndSuggestions()
    {
        QFETCH(QByteArray, encoding);
        QFETCH(QString, words);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, unknown);
        QFETCH(QString, misspelt);
        QFETCH(QStringList, offered);
        const TestDictionaries folder({QStringLiteral("en_US: ") + words}, encoding);
        QVERIFY(folder.ok());
        Dictionaries dictionaries({folder.folder()}, QStringLiteral("en"));
        QCOMPARE(dictionaries.unknown(QStringLiteral("en"), asked), unknown);
        // Where more are equally near, which five is the dictionary's choice.
        const QStringList suggested = dictionaries.suggestions(QStringLiteral("en"), misspelt);
        QCOMPARE(suggested.size(), qMin(offered.size(), spelling::MostSuggestions));
        for (const QString &spelling : suggested)
            QVERIFY2(offered.contains(spelling), qPrintable(spelling));
        // A language without a dictionary marks nothing.
        QCOMPARE(dictionaries.unknown(QStringLiteral("fr"), asked), QStringList());
    }

    // The thread the windows ask answers as the dictionaries do, on the
    // asking thread, and not once the asker is gone.
    void answersFromTheBackground()
    {
        const TestDictionaries folder(
            {QStringLiteral("en_US: cat receive"), QStringLiteral("fr_FR: chat")});
        BackgroundSpelling spelling({folder.folder()}, QStringLiteral("fr_FR"));
        QObject context;
        QStringList answers;
        const auto note = [&answers](const QStringList &answer) {
            QCOMPARE(QThread::currentThread(), qApp->thread());
            answers.append(answer.join(u' '));
        };
        spelling.languageOf({QStringLiteral("cat"), QStringLiteral("recieve")}, &context,
                            [&note](const QString &language) { note({language}); });
        spelling.unknownWords(QStringLiteral("en"),
                              {QStringLiteral("cat"), QStringLiteral("recieve")}, &context, note);
        {
            QObject gone;
            spelling.suggestions(QStringLiteral("en"), QStringLiteral("recieve"), &gone, note);
        }
        spelling.suggestions(QStringLiteral("en"), QStringLiteral("recieve"), &context, note);
        QTRY_COMPARE(answers, (QStringList{"en", "recieve", "receive"}));
    }
};

QTEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
