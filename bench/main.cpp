// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmarks of the game's own work, in one program:
//
//   qb_bench [Google Benchmark flags]
//
// Windows are built on Qt's offscreen platform unless QT_QPA_PLATFORM says
// otherwise. Each benchmark runs 15 times by default and the table at the
// end sets the median of those runs against its budget.

#include "budgets.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The console report, and the medians kept for the table at the end.
class BudgetReporter final : public benchmark::ConsoleReporter
{
public:
    struct Median {
        std::string name;
        double seconds;
    };
    std::vector<Median> medians;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"
                && !run.error_occurred)
                medians.push_back(
                    {run.run_name.str(),
                     run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit)});
        }
    }

    void printTable() const
    {
        if (medians.empty())
            return;
        std::printf("\n%-52s %12s %12s  %s\n", "benchmark (median)", "figure", "budget", "");
        for (const Median &m : medians) {
            const std::string family = m.name.substr(0, m.name.find('/'));
            const auto budget = budgets::all().find(family);
            if (budget == budgets::all().end()) {
                std::printf("%-52s %12s %12s  %s\n", m.name.c_str(), format(m.seconds).c_str(), "-",
                            "(no budget)");
                continue;
            }
            const bool met = m.seconds <= budget->second.seconds;
            std::printf("%-52s %12s %12s  %s  %s\n", m.name.c_str(), format(m.seconds).c_str(),
                        format(budget->second.seconds).c_str(), met ? "met   " : "MISSED",
                        budget->second.what);
        }
    }

private:
    static std::string format(double seconds)
    {
        char text[32];
        if (seconds >= 1e-3)
            std::snprintf(text, sizeof text, "%.3f ms", seconds * 1e3);
        else
            std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
        return text;
    }
};

// The offscreen platform says on every shown window that it cannot pass
// size hints on; that says nothing about the figures.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    // Defaults first, so that the same flags given on the command line win.
    std::vector<char *> args{argv[0]};
    std::string repetitions = "--benchmark_repetitions=15";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregates.data());
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    BudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable();
    benchmark::Shutdown();
    return 0;
}
