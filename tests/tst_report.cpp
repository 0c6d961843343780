// SPDX-License-Identifier: GPL-3.0-or-later

// "How Are We Doing?", the parent's report of a child's progress, as the game
// has it: loaded from its plugin at the first showing, over a game window,
// reading a store that holds a known history.

#include "fakes.h"
#include "lookup.h"
#include "memorystore.h"
#include "ui/progressreport.h"

#include <QChartView>
#include <QDialog>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

constexpr qint64 Ann = 7;
constexpr qint64 Ben = 8; // named, with nothing played yet

QDateTime march(int day, int hour)
{
    return QDateTime(QDate(2025, 3, day), QTime(hour, 0));
}

// The store answers tests oldest first; the middle one was left unfinished.
MemoryStore::History annsHistory()
{
    return {{{1, march(3, 17), QStringLiteral("Third"), 8, 10, true},
             {2, march(10, 16), QStringLiteral("week12.dat"), 3, 6, false},
             {3, march(11, 9), QStringLiteral("Third"), 10, 10, true}},
            {{QStringLiteral("BECAUSE"), 3, {QStringLiteral("BECUASE"), QStringLiteral("BECOS")}},
             {QStringLiteral("FRIEND"), 1, {QStringLiteral("FREIND")}}},
            {QStringLiteral("CAT"), QStringLiteral("DOG")},
            QStringLiteral("BECAUSE FRIEND SAID WHERE THEIR WHICH WOULD COULD ONCE EIGHT "
                           "ANSWER LAUGH")
                .split(u' ')};
}

// Cells of a table or tree, a row a line, joined by " | ".
template<typename View, typename Cell>
QStringList lines(View *view, int count, Cell text)
{
    QStringList out;
    for (int row = 0; row < count; ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells.append(text(view, row, column));
        out.append(cells.join(QStringLiteral(" | ")));
    }
    return out;
}

// The report of the game's own, its plugin in `folder`, shown over a game
// window; the words handed to practise are noted.
struct ReportFixture {
    explicit ReportFixture(const QString &folder = qEnvironmentVariable("QB_PROGRAM_DIR"))
        : report(folder, dialogs, messages)
    {
        store.named = {{Ann, QStringLiteral("Ann")}, {Ben, QStringLiteral("Ben")}};
        store.histories[Ann] = annsHistory();
        game.setGeometry(100, 80, 900, 700);
        game.show();
    }
    QDialog *open(qint64 child)
    {
        report.show(&game, store, child, [this](const QStringList &words) { practised << words; });
        return game.findChild<QDialog *>(QStringLiteral("reportWindow"));
    }
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    MemoryStore store;
    PluginProgressReport report;
    QWidget game;
    QList<QStringList> practised;
};

} // namespace

class TstReport : public QObject
{
    Q_OBJECT

private slots:
    void showsAChildsTestsAndWords();
    void practiseHandsTheTenHardestWordsAndCloses();
    void saveAs_data();
    void saveAs();
    void nothingPlayedIsToldNotCharted();
    void aMissingPluginIsToldAtEveryShowing_data();
    void aMissingPluginIsToldAtEveryShowing();
};

void TstReport::showsAChildsTestsAndWords()
{
    ReportFixture f;
    QDialog *window = f.open(Ann);
    QVERIFY(window && window->isVisible() && window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("How Are We Doing?"));
    QVERIFY(child<QLabel>(window, QStringLiteral("heading"))->text().contains(u"Ann"));
    // Centred over the game and whole on its screen.
    QVERIFY((window->frameGeometry().center() - f.game.frameGeometry().center()).manhattanLength()
            <= 2);
    QVERIFY(f.game.screen()->availableGeometry().contains(window->frameGeometry()));

    const auto date = [](int day) { return QLocale().toString(QDate(2025, 3, day), QLocale::ShortFormat); };
    auto *tests = child<QTableWidget>(window, QStringLiteral("tests"));
    QCOMPARE(lines(tests, tests->rowCount(),
                   [](QTableWidget *t, int r, int c) { return t->item(r, c)->text(); }),
             QStringList({date(11) + " | Third | 10 of 10", date(10) + " | week12.dat | 3 of 6, unfinished",
                          date(3) + " | Third | 8 of 10"}));

    // Percent right against the time of each test, oldest first.
    auto *chart = child<QChartView>(window, QStringLiteral("chart"));
    QVERIFY(chart->isVisible());
    auto *scores = qobject_cast<QLineSeries *>(chart->chart()->series().value(0));
    QVERIFY(scores);
    QCOMPARE(scores->points(),
             QList<QPointF>({{qreal(march(3, 17).toMSecsSinceEpoch()), 80},
                             {qreal(march(10, 16).toMSecsSinceEpoch()), 50},
                             {qreal(march(11, 9).toMSecsSinceEpoch()), 100}}));

    auto *missed = child<QTreeWidget>(window, QStringLiteral("missed"));
    QCOMPARE(lines(missed, missed->topLevelItemCount(),
                   [](QTreeWidget *t, int r, int c) { return t->topLevelItem(r)->text(c); }),
             QStringList({"BECAUSE | 3 times | BECUASE, BECOS", "FRIEND | 1 time | FREIND"}));
    QCOMPARE(rows(child<QListWidget>(window, QStringLiteral("mastered"))),
             QStringList({"CAT", "DOG"}));
}

void TstReport::practiseHandsTheTenHardestWordsAndCloses()
{
    ReportFixture f;
    QPointer<QDialog> window = f.open(Ann);
    child<QPushButton>(window, QStringLiteral("practise"))->click();
    QCOMPARE(f.practised, QList<QStringList>({annsHistory().hardest.first(10)}));
    QTRY_VERIFY(!window);
}

void TstReport::saveAs_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("savesWork");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<int>("messages");
    QTest::newRow("cancelled") << QString() << true << QStringList() << 0;
    QTest::newRow("saved") << "/tmp/ann.csv" << true << QStringList("7 to /tmp/ann.csv") << 0;
    QTest::newRow("not saved") << "/tmp/ann.csv" << false << QStringList("7 to /tmp/ann.csv") << 1;
}

void TstReport::saveAs()
{
    QFETCH(QString, answer);
    QFETCH(bool, savesWork);
    ReportFixture f;
    f.dialogs.nextSave.push_back(answer);
    f.store.savesWork = savesWork;
    QDialog *window = f.open(Ann);
    child<QPushButton>(window, QStringLiteral("saveAs"))->click();
    QCOMPARE(f.dialogs.saveFilters, QStringList("CSV (*.csv) | *.csv"));
    QVERIFY(!f.dialogs.folders.value(0).isEmpty());
    QTEST(f.store.saved, "saved");
    QTEST(int(f.messages.shown.size()), "messages");
    QVERIFY(window->isVisible());
}

void TstReport::nothingPlayedIsToldNotCharted()
{
    ReportFixture f;
    QDialog *window = f.open(Ben);
    QVERIFY(child<QLabel>(window, QStringLiteral("heading"))->text().contains(u"Ben"));
    QVERIFY(child<QLabel>(window, QStringLiteral("nothingYet"))->isVisible());
    QVERIFY(!window->findChild<QChartView *>());
    QVERIFY(!window->findChild<QTableWidget *>());
    QVERIFY(!child<QPushButton>(window, QStringLiteral("practise"))->isEnabled());
    QVERIFY(!child<QPushButton>(window, QStringLiteral("saveAs"))->isEnabled());
}

void TstReport::aMissingPluginIsToldAtEveryShowing_data()
{
    QTest::addColumn<QByteArray>("file"); // the plugin's file, as it lies; none: missing
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a plugin") << QByteArray("not a library\n");
}

void TstReport::aMissingPluginIsToldAtEveryShowing()
{
    QFETCH(QByteArray, file);
    QTemporaryDir folder;
    if (!file.isNull()) {
        QFile plugin(folder.filePath(QStringLiteral("quillobrite-report.so")));
        QVERIFY(plugin.open(QIODevice::WriteOnly) && plugin.write(file) == file.size());
    }
    ReportFixture f(folder.path());
    QVERIFY(!f.open(Ann));
    QVERIFY(!f.open(Ann));
    QCOMPARE(f.messages.shown.size(), 2u);
    QCOMPARE(f.messages.shown.back().title, QStringLiteral("How Are We Doing?"));
    QVERIFY(f.messages.shown.back().text.contains(u"quillobrite-report.so"));
    QVERIFY(f.practised.isEmpty());
}

QTEST_MAIN(TstReport)
#include "tst_report.moc"
