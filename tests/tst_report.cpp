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
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr qint64 Ann = 7;
constexpr qint64 Ben = 8; // named, with nothing played yet
constexpr qint64 Cal = 9; // words practised, no test yet

QDateTime march(int day, int hour)
{
    return QDateTime(QDate(2025, 3, day), QTime(hour, 0));
}

QString on(int day)
{
    return QLocale().toString(QDate(2025, 3, day), QLocale::ShortFormat);
}

// The store answers tests oldest first; the middle one was left unfinished.
MemoryStore::History annsHistory()
{
    return {{{1, march(3, 17), QStringLiteral("Third"), 8, 10, 10, true},
             {2, march(10, 16), QStringLiteral("week12.dat"), 3, 4, 6, false},
             {3, march(11, 9), QStringLiteral("Third"), 10, 10, 10, true}},
            {{QStringLiteral("BECAUSE"), 3, {QStringLiteral("BECUASE"), QStringLiteral("BECOS")}},
             {QStringLiteral("FRIEND"), 1, {QStringLiteral("FREIND")}}},
            {QStringLiteral("CAT"), QStringLiteral("DOG")},
            QStringLiteral("BECAUSE FRIEND SAID WHERE THEIR WHICH WOULD COULD ONCE EIGHT "
                           "ANSWER LAUGH")
                .split(u' ')};
}

// The rows of a table, tree or list of the window, their cells joined by
// " | "; none where the window has no such control.
QStringList lines(const QWidget *window, const QString &name)
{
    QStringList out;
    if (const auto *view = window->findChild<QAbstractItemView *>(name)) {
        const QAbstractItemModel *model = view->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells.append(model->index(row, column).data().toString());
            out.append(cells.join(QStringLiteral(" | ")));
        }
    }
    return out;
}

// The report of the game's own, its plugin in `folder`, shown over a game
// window; the words handed to practise are noted.
struct ReportFixture {
    explicit ReportFixture(const QString &folder = qEnvironmentVariable("QB_PROGRAM_DIR"))
        : report(folder, dialogs, messages)
    {
        store.named = {{Ann, QStringLiteral("Ann")},
                       {Ben, QStringLiteral("Ben")},
                       {Cal, QStringLiteral("Cal")}};
        store.histories[Ann] = annsHistory();
        const QString which = QStringLiteral("WHICH");
        store.histories[Cal] = {{}, {{which, 2, {QStringLiteral("WICH")}}}, {}, {which}};
        // Away from the screen's centre, with room to centre the report
        // over it.
        game.setGeometry(113, 129, 600, 400);
        game.show();
    }
    QDialog *open(qint64 child)
    {
        report.show(&game, store, child, [this](const QStringList &words) { practised << words; });
        return game.findChild<QDialog *>(QStringLiteral("frmReport"));
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
    void showsAChildsProgress_data();
    void showsAChildsProgress();
    void saveAs_data();
    void saveAs();
    void aMissingPluginIsToldAtEveryShowing();
};

void TstReport::showsAChildsProgress_data()
{
    QTest::addColumn<qint64>("who");
    QTest::addColumn<QStringList>("tests");     // newest first
    QTest::addColumn<QList<QPointF>>("scores"); // percent right against time
    QTest::addColumn<QStringList>("missed");
    QTest::addColumn<QStringList>("mastered");
    QTest::addColumn<QStringList>("practised"); // none: the button is disabled
    const auto at = [](int day, int hour) { return qreal(march(day, hour).toMSecsSinceEpoch()); };
    QTest::newRow("tests and words")
        << Ann
        << QStringList({on(11) + " | Third | 10 of 10",
                        on(10) + " | week12.dat | 3 of 6 (unfinished)",
                        on(3) + " | Third | 8 of 10"})
        << QList<QPointF>({{at(3, 17), 80}, {at(10, 16), 50}, {at(11, 9), 100}})
        << QStringList({"BECAUSE | 3 | BECUASE, BECOS", "FRIEND | 1 | FREIND"})
        << QStringList({"CAT", "DOG"}) << annsHistory().hardest.first(10);
    QTest::newRow("words, no test")
        << Cal << QStringList() << QList<QPointF>() << QStringList("WHICH | 2 | WICH")
        << QStringList() << QStringList("WHICH");
    QTest::newRow("nothing played") << Ben << QStringList() << QList<QPointF>() << QStringList()
                                    << QStringList() << QStringList();
}

void TstReport::showsAChildsProgress()
{
    QFETCH(qint64, who);
    QFETCH(QList<QPointF>, scores);
    QFETCH(QStringList, practised);
    ReportFixture f;
    QPointer<QDialog> window = f.open(who);
    QVERIFY(window && QTest::qWaitForWindowExposed(window) && window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("How Are We Doing?"));
    const QString heading = child<QLabel>(window, QStringLiteral("lblChild"))->text();
    QVERIFY(heading.contains(f.store.named.at(who - Ann).name));
    QCOMPARE(window->frameGeometry().center(), f.game.frameGeometry().center());
    QVERIFY(f.game.screen()->availableGeometry().contains(window->frameGeometry()));

    QTEST(lines(window, QStringLiteral("grdTests")), "tests");
    if (scores.isEmpty()) {
        QVERIFY(!window->findChild<QChartView *>());
        QVERIFY(child<QLabel>(window, QStringLiteral("lblNoTests"))->isVisible());
    } else {
        auto *chart = child<QChartView>(window, QStringLiteral("chtScores"));
        QVERIFY(chart->isVisible());
        auto *series = qobject_cast<QLineSeries *>(chart->chart()->series().value(0));
        QVERIFY(series);
        QCOMPARE(series->points(), scores);
    }
    QTEST(lines(window, QStringLiteral("lstMissed")), "missed");
    QTEST(lines(window, QStringLiteral("lstMastered")), "mastered");

    // The hard words go to the game, and the report closes.
    auto *practise = child<QPushButton>(window, QStringLiteral("cmdPractise"));
    QCOMPARE(practise->isEnabled(), !practised.isEmpty());
    practise->click();
    QCOMPARE(f.practised, practised.isEmpty() ? QList<QStringList>() : QList({practised}));
    if (!practised.isEmpty())
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
    child<QPushButton>(window, QStringLiteral("cmdSaveAs"))->click();
    QCOMPARE(f.dialogs.saveFilters, QStringList("CSV (*.csv) | *.csv"));
    QTEST(f.store.saved, "saved");
    QTEST(int(f.messages.shown.size()), "messages");
    QVERIFY(window->isVisible());
}

void TstReport::aMissingPluginIsToldAtEveryShowing()
{
    QTemporaryDir folder;
    ReportFixture f(folder.path());
    QVERIFY(!f.open(Ann) && !f.open(Ann));
    QCOMPARE(f.messages.shown.size(), 2u);
    QCOMPARE(f.messages.shown.back().title, QStringLiteral("How Are We Doing?"));
    QVERIFY(f.messages.shown.back().text.contains(u"quillobrite-report.so"));
}

QTEST_MAIN(TstReport)
#include "tst_report.moc"
