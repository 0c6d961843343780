// SPDX-License-Identifier: GPL-3.0-or-later

// Word lists: reading the longest list file there can be, opening it in the
// main window, and the grade load with its ten-word draw.

#include "benchdata.h"
#include "benchwindow.h"
#include "budgets.h"
#include "testfolder.h"

#include "base/clockrandomsource.h"
#include "wordlist/draw.h"
#include "wordlist/vocabfile.h"

#include <benchmark/benchmark.h>

#include <chrono>

#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Page faults of this process so far: the first touch of each new page of
// memory is one.
long pageFaults()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Memory freed so far goes back to the system, so that the next allocations
// take new pages, as they do the first time a process holds that much.
void handMemoryBack()
{
    malloc_trim(0);
}

// File opened, every record read and decoded into a list of entries. The
// list is freed outside the timing: the game hands it on to the list box.
// "reused": memory freed by the last read is used again, as on every read
// after the first; "newMemory": the first read of a list that long in the
// life of the program.
void ReadLongestList(benchmark::State &state, bool newMemory)
{
    TestFolder dir;
    dir.writeList(QStringLiteral("long.dat"), benchdata::words(VocabFile::LastRecord));
    const QString path = dir.file(QStringLiteral("long.dat"));
    long faults = 0;
    for (auto _ : state) {
        if (newMemory)
            handMemoryBack();
        const long faultsBefore = pageFaults();
        const auto start = Clock::now();
        VocabFile file;
        file.open(path, VocabFile::Mode::ReadOnly);
        QStringList entries = file.readEntries();
        file.close();
        state.SetIterationTime(secondsSince(start));
        faults += pageFaults() - faultsBefore;
        if (entries.size() != VocabFile::LastRecord)
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(entries);
    }
    state.counters["page_faults"] = benchmark::Counter(double(faults),
                                                       benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(ReadLongestList, reused, false)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadLongestList, newMemory, true)->UseManualTime()->Unit(benchmark::kMillisecond);
const budgets::Add readBudget("ReadLongestList", 2e-3, "read a 32,767-record list file");

// File > Open A List of the longest file, from the state after start-up (a
// 300-word grade loaded). Timed from the menu command to the event loop
// idle again, both list boxes filled. The word-picking panel hidden, as at
// start-up, or shown, so that the list boxes also lay out and paint; and
// with the memory of the last open reused, or new, as the first open of a
// list that long in the life of the program.
void OpenLongestList(benchmark::State &state, bool panelShown, bool newMemory)
{
    benchwindow::Window w;
    w.folder.writeList(QStringLiteral("long.dat"), benchdata::words(VocabFile::LastRecord));
    const QString path = w.folder.file(QStringLiteral("long.dat"));
    if (panelShown) {
        w.action("mnuOursAddLots")->trigger();
        w.settle();
    }
    long faults = 0;
    for (auto _ : state) {
        w.action("mnuFirst")->trigger();
        w.settle();
        w.fakes.dialogs.nextOpen = {path};
        if (newMemory)
            handMemoryBack();
        const long faultsBefore = pageFaults();
        const auto start = Clock::now();
        w.action("mnuFileOpenList")->trigger();
        w.settle();
        state.SetIterationTime(secondsSince(start));
        faults += pageFaults() - faultsBefore;
    }
    state.counters["page_faults"] = benchmark::Counter(double(faults),
                                                       benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(OpenLongestList, panelHidden, false, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenLongestList, panelShown, true, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenLongestList, panelHidden_newMemory, false, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
const budgets::Add openBudget("OpenLongestList", 30e-3, "File > Open A List, 32,767 records");

// What the first touch of a new page of memory costs on this machine, the
// unit of the "newMemory" figures above: 4 MB mapped, written one byte a
// page, unmapped. The figure is per page.
void NewMemoryPage(benchmark::State &state)
{
    constexpr size_t Pages = 1024;
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    for (auto _ : state) {
        void *map = mmap(nullptr, Pages * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                         -1, 0);
        if (map == MAP_FAILED) {
            state.SkipWithError("mmap failed");
            break;
        }
        auto *bytes = static_cast<volatile char *>(map);
        const auto start = Clock::now();
        for (size_t i = 0; i < Pages; ++i)
            bytes[i * page] = 1;
        state.SetIterationTime(secondsSince(start) / Pages);
        munmap(map, Pages * page);
    }
}
// A fixed count: the figure is per page, but each run touches 1,024 pages.
BENCHMARK(NewMemoryPage)->Iterations(20)->UseManualTime()->Unit(benchmark::kMicrosecond);

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
    TestFolder dir;
    dir.writeList(QStringLiteral("firstGrade.dat"), benchdata::words(300));
    const QString path = dir.file(QStringLiteral("firstGrade.dat"));
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
        auto window = std::make_unique<frmVarbo>(w.fakes.services);
        window->show();
        w.settle();
        state.SetIterationTime(secondsSince(start));
        window.reset();
        w.settle();
    }
}
BENCHMARK(BuildMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
