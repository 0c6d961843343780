// SPDX-License-Identifier: GPL-3.0-or-later

// The draws: picking rows with k = int(n * r) + 1, the ten-word draw, the
// letter-hiding counts, and the clock-seeded generator.

#include "base/clockrandomsource.h"
#include "base/randomsource.h"
#include "fakes.h"
#include "practice/letterhiding.h"
#include "wordlist/draw.h"

#include <QtTest>

#include <cmath>
#include <set>

class TestDraw : public QObject
{
    Q_OBJECT

private slots:
    void pickRow_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("row");
        const double almostOne = std::nextafter(1.0, 0.0);
        QTest::newRow("r = 0") << 5 << 0.0 << 0;
        QTest::newRow("one entry, high r") << 1 << 0.999 << 0;
        QTest::newRow("just below a step") << 3 << 0.3333 << 0;
        QTest::newRow("on a step") << 4 << 0.25 << 1;
        QTest::newRow("r close to 1") << 3 << almostOne << 2;
        // n * r rounds up to n here; the pick must still name the last row.
        QTest::newRow("rounding to n") << 32767 << almostOne << 32766;
        QTest::newRow("huge list") << (1 << 30) << almostOne << (1 << 30) - 1;
        QTest::newRow("empty list") << 0 << 0.5 << -1;
    }
    void pickRow()
    {
        QFETCH(int, n);
        QFETCH(double, r);
        QFETCH(int, row);
        QCOMPARE(draw::pickRow(n, r), row);
    }

    void tenRowsReseedsBeforeEveryPick()
    {
        FakeRandomSource random;
        random.values = {0.0, 0.1, 0.34, 0.5, 0.66, 0.67, 0.9, 0.99, 0.2, 0.7};
        const std::vector<int> rows = draw::tenRows(3, random);
        QCOMPARE(rows, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 2, 0, 2}));
        QCOMPARE(random.reseeds, 10);
        QCOMPARE(random.draws, 10);
    }

    void tenRowsOfAnEmptyListIsNothing()
    {
        FakeRandomSource random;
        QVERIFY(draw::tenRows(0, random).empty());
        QCOMPARE(random.draws, 0);
    }

    // The table of draws per stage and word length, halves to even.
    void letterHidingDraws()
    {
        const int stage1[] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5};
        const int stage2[] = {0, 1, 2, 2, 2, 3, 4, 4, 4, 5, 6, 6, 6, 7};
        for (int length = 1; length <= 14; ++length) {
            QCOMPARE(letterhiding::draws(1, length), stage1[length - 1]);
            QCOMPARE(letterhiding::draws(2, length), stage2[length - 1]);
            QCOMPARE(letterhiding::draws(3, length), length);
        }
        QCOMPARE(letterhiding::draws(0, 6), 0);
        QCOMPARE(letterhiding::draws(4, 6), 0);
    }

    // Reseeding within one clock tick must not replay the same value, and
    // values stay in [0, 1) and spread evenly over the rows.
    void clockSourceIsUniformAndDoesNotRepeat()
    {
        ClockRandomSource random;
        std::set<double> seen;
        int buckets[10] = {};
        constexpr int Picks = 20000;
        for (int i = 0; i < Picks; ++i) {
            random.reseed();
            const double r = random.next();
            QVERIFY(r >= 0.0 && r < 1.0);
            seen.insert(r);
            ++buckets[draw::pickRow(10, r)];
        }
        QVERIFY(seen.size() > Picks - 5);
        for (int b : buckets)
            QVERIFY2(b > Picks / 10 * 0.85 && b < Picks / 10 * 1.15,
                     qPrintable(QString::number(b)));
    }
};

QTEST_GUILESS_MAIN(TestDraw)
#include "tst_draw.moc"
