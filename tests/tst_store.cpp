// SPDX-License-Identifier: GPL-3.0-or-later

// The store of each child's play in its SQLite file: what it keeps and
// answers, what it leaves alone when the file is not fit to keep in, and
// what a game killed mid-play has kept.

#include "progress/sqlitestore.h"
#include "testfolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

#include <csignal>
#include <cstdio>

using progress::Answer;
using progress::SqliteStore;

namespace {

// What a file is made into before the store opens it.
enum class Fault { FolderIsAFile, FileIsAFolder, Locked, Corrupt, OtherProgram, Newer, Full };

// A store on a clock of the test's own, moved on by hand.
struct Kept {
    explicit Kept(const QString &folder)
        : store(folder, [this] { return now; })
    {}
    QDateTime now = QDateTime(QDate(2024, 9, 2), QTime(16, 0), Qt::UTC);
    SqliteStore store;
};

Answer answer(const QString &word, const QString &typed, qint64 test = 0)
{
    return {QStringLiteral("Third"), word, typed, word == typed, test != 0 ? -1 : 0, test};
}

// A raw connection to a file, beside the store's.
QSqlDatabase connectionTo(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    db.setDatabaseName(path);
    db.open();
    return db;
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    void faultsLeaveTheFileAndTheGameAlone_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::newRow("folder is a file") << Fault::FolderIsAFile;
        QTest::newRow("file is a folder") << Fault::FileIsAFolder;
        QTest::newRow("locked by another") << Fault::Locked;
        QTest::newRow("not a database") << Fault::Corrupt;
        QTest::newRow("another program's") << Fault::OtherProgram;
        QTest::newRow("newer version") << Fault::Newer;
        QTest::newRow("disk full") << Fault::Full;
    }
    void faultsLeaveTheFileAndTheGameAlone()
    {
        QFETCH(Fault, fault);
        TestFolder dir;
        QString folder = dir.path();
        const QString file = dir.file(QLatin1String(SqliteStore::FileName));
        const auto execute = [&](const QString &sql) {
            QVERIFY(QSqlQuery(connectionTo(file)).exec(sql));
            QSqlDatabase::removeDatabase(file);
        };
        if (fault == Fault::FolderIsAFile) {
            QVERIFY(dir.writeBytes(QStringLiteral("plain"), "a file"));
            folder = dir.file(QStringLiteral("plain"));
        } else if (fault == Fault::FileIsAFolder) {
            QVERIFY(QDir(folder).mkdir(QLatin1String(SqliteStore::FileName)));
        } else if (fault == Fault::Corrupt) {
            QByteArray bytes = randomBytes(8192, 7);
            bytes.replace(0, 16, "SQLite format 3\0");
            QVERIFY(dir.writeBytes(QLatin1String(SqliteStore::FileName), bytes));
        } else if (fault == Fault::OtherProgram) {
            execute(QStringLiteral("CREATE TABLE recipes (name TEXT)"));
        } else {
            // A file of the game's own, with one answer in it.
            Kept first(folder);
            first.store.open();
            first.store.record(answer(QStringLiteral("CAT"), QStringLiteral("KAT")));
        }
        if (fault == Fault::Newer)
            execute(QStringLiteral("PRAGMA user_version = 99"));
        QSqlDatabase locker;
        if (fault == Fault::Locked) {
            locker = connectionTo(file);
            QVERIFY(QSqlQuery(locker).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        }
        const QByteArray before = dir.readBytes(QLatin1String(SqliteStore::FileName));

        {
            Kept kept(folder);
            QCOMPARE(kept.store.trouble(), QString());
            kept.store.open();
            if (fault == Fault::Full) {
                // The file may not grow by a page more.
                QSqlDatabase db = QSqlDatabase::database(
                    QSqlDatabase::connectionNames().filter(QStringLiteral("progress")).value(0));
                QSqlQuery pages(db);
                QVERIFY(pages.exec(QStringLiteral("PRAGMA page_count")) && pages.next());
                QVERIFY(pages.exec(
                    QStringLiteral("PRAGMA max_page_count = %1").arg(pages.value(0).toInt())));
                QCOMPARE(kept.store.trouble(), QString());
                kept.store.record(answer(QStringLiteral("DOG"), QString(5000, QLatin1Char('D'))));
            }
            QVERIFY(!kept.store.trouble().isEmpty());
            // The game's calls go on, and answer as an empty store.
            QCOMPARE(kept.store.addChild(QStringLiteral("Ada")), std::nullopt);
            kept.store.choose(1);
            kept.store.record(answer(QStringLiteral("DOG"), QStringLiteral("DOG")));
            QCOMPARE(kept.store.startTest(QStringLiteral("Third"), {QStringLiteral("DOG")}), 0);
            kept.store.finishTest(1);
            kept.store.keepPlace({QStringLiteral("grade"), {}, {}, {}, {}, 1});
            QCOMPARE(kept.store.place(), std::nullopt);
            QCOMPARE(kept.store.children().size(), 0);
            QCOMPARE(kept.store.tests(0).size(), 0);
            QCOMPARE(kept.store.oftenMissed(0, 5).size(), 0);
            QCOMPARE(kept.store.hardest(0, 5), QStringList());
            QVERIFY(!kept.store.saveCsv(0, dir.file(QStringLiteral("out.csv"))));
            QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("out.csv"))));
            if (fault != Fault::Full)
                QCOMPARE(dir.readBytes(QLatin1String(SqliteStore::FileName)), before);
        }
        locker.close();
        locker = QSqlDatabase();
        QSqlDatabase::removeDatabase(file);
        if (fault == Fault::Locked || fault == Fault::Full) {
            // Once free, the file holds what was kept before, and no more.
            Kept again(folder);
            again.store.open();
            QCOMPARE(again.store.trouble(), QString());
            const auto missed = again.store.oftenMissed(0, 5);
            QCOMPARE(missed.size(), 1);
            QCOMPARE(missed.first().word, QStringLiteral("CAT"));
        }
    }

    void keepsEachChildApartAndAnswersForThem()
    {
        TestFolder dir;
        auto kept = std::make_unique<Kept>(dir.path());
        SqliteStore *store = &kept->store;
        QCOMPARE(store->children().size(), 0); // before open: empty, nothing kept
        QCOMPARE(store->addChild(QStringLiteral("Ada")), std::nullopt);
        store->open();
        const qint64 ada = store->addChild(QStringLiteral("Ada")).value_or(0);
        const qint64 ben = store->addChild(QStringLiteral("Ben")).value_or(0);
        QVERIFY(ada != 0 && ben != 0 && ada != ben);
        QCOMPARE(store->addChild(QStringLiteral("ADA ")), std::nullopt);
        QCOMPARE(store->addChild(QStringLiteral("  ")), std::nullopt);

        // Ada: two tests; CAT right in both, DOG wrong in the first, SUN
        // asked once. Then practice, with misses at different times.
        const auto play = [&](qint64 child, QStringList wrongs) {
            store->choose(child);
            const qint64 test = store->startTest(QStringLiteral("Third"),
                                                 {QStringLiteral("CAT"), QStringLiteral("DOG")});
            store->record(answer(QStringLiteral("CAT"), QStringLiteral("CAT"), test));
            store->record(
                answer(QStringLiteral("DOG"), wrongs.value(0, QStringLiteral("DOG")), test));
            store->finishTest(test);
            kept->now = kept->now.addDays(1);
        };
        play(ada, {QStringLiteral("DOGG")});
        play(ada, {});
        store->record(answer(QStringLiteral("SUN"), QStringLiteral("SON")));
        kept->now = kept->now.addDays(-60);
        store->record(answer(QStringLiteral("BIRD"), QStringLiteral("BURD")));
        store->record(answer(QStringLiteral("BIRD"), QStringLiteral("BERD")));
        store->record(answer(QStringLiteral("BIRD"), QStringLiteral("BURD")));
        kept->now = kept->now.addDays(61);
        store->record(answer(QStringLiteral("SUN"), QStringLiteral("SONN")));
        store->keepPlace({QStringLiteral("grade"),
                          QStringLiteral("Third"),
                          QStringLiteral("Third"),
                          {QStringLiteral("CAT"), QStringLiteral("DOG ")},
                          {QStringLiteral("DOG ")},
                          2});
        play(ben, {QStringLiteral("DOOG")});

        const auto check = [&] {
            QCOMPARE(store->children().first().name, QStringLiteral("Ben"));
            kept->now = kept->now.addSecs(60);
            store->choose(ada);
            QCOMPARE(store->children().first().name, QStringLiteral("Ada"));
            const auto tests = store->tests(ada);
            QCOMPARE(tests.size(), 2);
            QVERIFY(tests[0].when < tests[1].when);
            QCOMPARE(tests[0].right, 1);
            QCOMPARE(tests[0].answered, 2);
            QCOMPARE(tests[0].total, 2);
            QVERIFY(tests[0].finished);
            QCOMPARE(store->mastered(ada), QStringList{QStringLiteral("CAT")});
            QCOMPARE(store->mastered(ben), QStringList());
            const auto missed = store->oftenMissed(ada, 2);
            QCOMPARE(missed.size(), 2);
            QCOMPARE(missed[0].word, QStringLiteral("BIRD"));
            QCOMPARE(missed[0].times, 3);
            QCOMPARE(missed[0].typed,
                     (QStringList{QStringLiteral("BURD"), QStringLiteral("BERD")}));
            QCOMPARE(missed[1].typed, (QStringList{QStringLiteral("SONN"), QStringLiteral("SON")}));
            // Three misses two months ago weigh less than two this week.
            QCOMPARE(store->hardest(ada, 9),
                     (QStringList{QStringLiteral("SUN"), QStringLiteral("BIRD"),
                                  QStringLiteral("DOG")}));
            QCOMPARE(store->hardest(ben, 9), QStringList{QStringLiteral("DOG")});
            QCOMPARE(store->place().value_or(progress::Place()).practice,
                     QStringList{QStringLiteral("DOG ")});
            kept->now = kept->now.addSecs(60);
            store->choose(ben);
            QCOMPARE(store->place(), std::nullopt);
        };
        check();
        kept = std::make_unique<Kept>(dir.path());
        store = &kept->store;
        store->open();
        kept->now = kept->now.addDays(5);
        QCOMPARE(store->chosen(), ben);
        check();

        const QString csv = dir.file(QStringLiteral("ada.csv"));
        QVERIFY(store->saveCsv(ada, csv));
        const QByteArray text = dir.readBytes(QStringLiteral("ada.csv"));
        QCOMPARE(text.count('\n'), 1 + 2 + 4 + 5); // heading, tests, their answers, practice
        QVERIFY(text.contains(",test,Third,,,1 of 2\r\n"));
        QVERIFY(!store->saveCsv(ada, dir.file(QStringLiteral("no/such/folder/ada.csv"))));

        QVERIFY(store->deleteChild(ada));
        QCOMPARE(store->children().size(), 1);
        QSqlDatabase db = QSqlDatabase::database(
            QSqlDatabase::connectionNames().filter(QStringLiteral("progress")).value(0));
        for (const char *table : {"answers", "tests", "places"}) {
            QSqlQuery rows(db);
            QVERIFY(rows.exec(QStringLiteral("SELECT count(*) FROM %1 WHERE child = %2")
                                  .arg(QLatin1String(table))
                                  .arg(ada)));
            QVERIFY(rows.next());
            QCOMPARE(rows.value(0).toInt(), 0);
        }
        QCOMPARE(store->tests(ben).size(), 1);
    }

    // A game killed between answers has kept every answer it recorded.
    void answersOutliveAKilledGame()
    {
        TestFolder dir;
        QProcess game;
        game.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--play-until-killed"), dir.path()});
        int told = 0;
        while (told < 200 && game.waitForReadyRead(10000)) {
            while (game.canReadLine())
                told = game.readLine().trimmed().toInt();
        }
        QVERIFY(told >= 200);
        ::kill(pid_t(game.processId()), SIGKILL);
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), QProcess::CrashExit);
        Kept kept(dir.path());
        kept.store.open();
        QCOMPARE(kept.store.trouble(), QString());
        const auto missed = kept.store.oftenMissed(0, 1);
        QCOMPARE(missed.size(), 1);
        QVERIFY2(missed.first().times >= told, qPrintable(QString::number(missed.first().times)));
    }
};

// The game that is killed: it records wrong answers without end, saying
// how many after each is recorded.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--play-until-killed") {
        Kept kept(QString::fromLocal8Bit(argv[2]));
        kept.store.open();
        for (int n = 1; kept.store.trouble().isEmpty(); ++n) {
            kept.store.record(answer(QStringLiteral("CAT"), QStringLiteral("KAT")));
            std::printf("%d\n", n);
            std::fflush(stdout);
        }
        return 1;
    }
    TestStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_store.moc"
