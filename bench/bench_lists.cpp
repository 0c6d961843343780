// Word lists: reading the longest list file there can be, opening it in the
// main window, and the grade load with its ten-word draw.

#include "benchdata.h"
#include "benchwindow.h"
#include "budgets.h"

#include "wordlist/draw.h"
#include "wordlist/randomsource.h"
#include "wordlist/vocabfile.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// File opened, every record read and decoded into a list of entries. The
// list is freed outside the timing: the game hands it on to the list box.
void ReadLongestList(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.dat"));
    benchdata::writeList(path, benchdata::words(VocabFile::LastRecord));
    for (auto _ : state) {
        const auto start = Clock::now();
        VocabFile file;
        file.open(path, VocabFile::Mode::ReadOnly);
        QStringList entries = file.readEntries();
        file.close();
        state.SetIterationTime(secondsSince(start));
        if (entries.size() != VocabFile::LastRecord)
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(entries);
    }
    state.counters["records"] = VocabFile::LastRecord;
}
BENCHMARK(ReadLongestList)->UseManualTime()->Unit(benchmark::kMillisecond);
const budgets::Add readBudget("ReadLongestList", 2e-3, "read a 32,767-record list file");

// File > Open A List of the longest file, from the state after start-up (a
// 300-word grade loaded). Timed from the menu command to the event loop
// idle again, both list boxes filled.
void OpenLongestList(benchmark::State &state, bool panelShown)
{
    benchwindow::Window w;
    const QString path = w.file(QStringLiteral("long.dat"));
    benchdata::writeList(path, benchdata::words(VocabFile::LastRecord));
    w.dialogs.answer = path;
    if (panelShown) {
        w.action("mnuOursAddLots")->trigger();
        w.settle();
    }
    for (auto _ : state) {
        w.action("mnuFirst")->trigger();
        w.settle();
        const auto start = Clock::now();
        w.action("mnuFileOpenList")->trigger();
        w.settle();
        state.SetIterationTime(secondsSince(start));
    }
}
BENCHMARK_CAPTURE(OpenLongestList, panelHidden, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenLongestList, panelShown, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
const budgets::Add openBudget("OpenLongestList", 30e-3, "File > Open A List, 32,767 records");

// The load the window does at start-up and again for each grade: the grade
// file read into the vocabulary list and ten practice words drawn from it.
// Grade > First is that load; it also empties the lists first.
void GradeLoadAndDraw(benchmark::State &state)
{
    benchwindow::Window w(300);
    QAction *first = w.action("mnuFirst");
    for (auto _ : state) {
        const auto start = Clock::now();
        first->trigger();
        w.settle();
        state.SetIterationTime(secondsSince(start));
    }
}
BENCHMARK(GradeLoadAndDraw)->UseManualTime()->Unit(benchmark::kMicrosecond);
const budgets::Add gradeBudget("GradeLoadAndDraw", 2e-3, "grade load and ten-word draw, 300 words");

// The same load without any window: file to entries to ten rows. Shows how
// much of the above is the list box.
void GradeFileAndDrawOnly(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("firstGrade.dat"));
    benchdata::writeList(path, benchdata::words(300));
    ClockRandomSource random;
    for (auto _ : state) {
        VocabFile file;
        file.open(path, VocabFile::Mode::ReadOnly);
        QStringList entries = file.readEntries();
        std::vector<int> rows = draw::tenRows(int(entries.size()), random);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(GradeFileAndDrawOnly)->Unit(benchmark::kMicrosecond);

// The whole main window built and loaded (controls, menus, greeting, first
// grade, draw), as when the splash hands over; no budget of its own, it is
// part of the start.
void BuildMainWindow(benchmark::State &state)
{
    benchwindow::Window w(300);
    for (auto _ : state) {
        const auto start = Clock::now();
        auto window = std::make_unique<frmVarbo>(w.services);
        window->show();
        w.settle();
        state.SetIterationTime(secondsSince(start));
        window.reset();
        w.settle();
    }
}
BENCHMARK(BuildMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
