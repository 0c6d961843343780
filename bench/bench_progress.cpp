// SPDX-License-Identifier: GPL-3.0-or-later

// What is kept of each child's play, in a file a family fills in a year:
// one answer recorded and committed, and the queries "How Are We Doing?"
// runs for a child.

#include "benchdata.h"
#include "budgets.h"
#include "testfolder.h"

#include "progress/sqlitestore.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A year of daily play for three children, made once for every benchmark
// here: each day, each child answers 40 practice words and takes a test of
// 15 from a 300-word list, and misses one answer in five. 365 × 3 × 55 =
// 60,225 answers and 1,095 tests. The store's clock is the day played.
struct Year {
    TestFolder dir;
    QDateTime now = QDateTime(QDate(2024, 9, 2), QTime(16, 0), Qt::UTC);
    std::unique_ptr<progress::SqliteStore> store;
    std::vector<qint64> children;
    QStringList words = benchdata::words(300).filter(QRegularExpression(QStringLiteral(".")));
    std::uint32_t state = 0x9e3779b9u;

    std::uint32_t next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    progress::Answer answer(qint64 test)
    {
        const QString word = words.at(int(next() % words.size()));
        const bool right = next() % 5 != 0;
        return {
            QStringLiteral("Third"),          word, right ? word : word + QLatin1Char('e'), right,
            test != 0 ? -1 : int(next() % 4), test};
    }

    Year()
    {
        store = std::make_unique<progress::SqliteStore>(dir.path(), [this] { return now; });
        store->open();
        for (const char *name : {"Ada", "Ben", "Cleo"})
            children.push_back(store->addChild(QString::fromLatin1(name)).value_or(0));
        for (int day = 0; day < 365; ++day) {
            for (qint64 child : children) {
                store->choose(child);
                for (int i = 0; i < 40; ++i) {
                    store->record(answer(0));
                    now = now.addSecs(20);
                }
                QStringList asked;
                for (int i = 0; i < 15; ++i)
                    asked.append(words.at(int(next() % words.size())));
                const qint64 test = store->startTest(QStringLiteral("Third"), asked);
                for (int i = 0; i < 15; ++i) {
                    store->record(answer(test));
                    now = now.addSecs(20);
                }
                store->finishTest(test);
            }
            now = now.addDays(1);
        }
        // The year's file, for the start-up figure of a game that has kept
        // a year (bench/process-figures.sh --progress): copied whole, its
        // log folded in, once the store has let it go.
        const QString keep = qEnvironmentVariable("QB_BENCH_KEEP_YEAR");
        if (!keep.isEmpty()) {
            store.reset();
            QFile::remove(keep);
            QFile::copy(dir.path() + QStringLiteral("/progress.sqlite"), keep);
            store = std::make_unique<progress::SqliteStore>(dir.path(), [this] { return now; });
            store->open();
        }
    }
};

Year &year()
{
    static Year filled;
    return filled;
}

// One practice answer recorded: the insert and its commit to the file. Each
// answer is timed alone; the median, the 95th and 99th percentiles and the
// slowest of them are reported beside the mean. (A commit now and then also
// copies the log back into the file and waits for the disk: the slowest.)
void RecordAnswer(benchmark::State &state)
{
    Year &y = year();
    y.store->choose(y.children.front());
    std::vector<double> times;
    for (auto _ : state) {
        const progress::Answer a = y.answer(0);
        const auto start = Clock::now();
        y.store->record(a);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    if (!y.store->trouble().isEmpty())
        state.SkipWithError(qPrintable(y.store->trouble()));
    std::sort(times.begin(), times.end());
    state.counters["median_us"] = times[times.size() / 2];
    state.counters["p95_us"] = times[times.size() * 95 / 100];
    state.counters["p99_us"] = times[times.size() * 99 / 100];
    state.counters["max_us"] = times.back();
}
BENCHMARK(RecordAnswer)->Unit(benchmark::kMicrosecond);
const budgets::Add recordBudget("RecordAnswer", 2e-3, "one answer kept, with its commit");

// Everything the report of one child reads, in a year's file.
void HowAreWeDoing(benchmark::State &state)
{
    Year &y = year();
    const qint64 child = y.children.at(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(y.store->tests(child));
        benchmark::DoNotOptimize(y.store->oftenMissed(child, 10));
        benchmark::DoNotOptimize(y.store->mastered(child));
        benchmark::DoNotOptimize(y.store->hardest(child, 10));
    }
    if (y.store->tests(child).size() != 365)
        state.SkipWithError("the year's file is not whole");
}
BENCHMARK(HowAreWeDoing)->Unit(benchmark::kMillisecond);
const budgets::Add reportBudget("HowAreWeDoing", 150e-3,
                                "tests, words missed, mastered, hardest: one child, a year");

} // namespace
