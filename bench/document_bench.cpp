// Benchmarks of the document's routines: time-code arithmetic, drawing the
// part marks and refilling the player's line list on the largest document
// (9,998 lines). Run by hand: build/release/bench/mirel_bench

#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int CallsPerIteration = 100000;
constexpr int MaxLines = 9998;

// Time codes spread over a two-hour film, so no call sees the same text twice in a row.
std::vector<QString> timeCodes() {
    std::vector<QString> out;
    for (int i = 0; i < 1000; ++i) {
        const int ms = i * 7207 + 13;
        out.push_back(QString::asprintf("%02d:%02d:%02d,%03d", ms / 3600000, ms / 60000 % 60,
                                        ms / 1000 % 60, ms % 1000));
    }
    return out;
}

// Reports the time per call beside the time per iteration.
void countCalls(benchmark::State& state) {
    state.counters["per_call"] =
        benchmark::Counter(CallsPerIteration, benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
}

void TimeCalcCalls(benchmark::State& state) {
    const std::vector<QString> times = timeCodes();
    const QString step = QStringLiteral("00:00:01,500"), plus = QStringLiteral("+");
    for (auto _ : state)
        for (int i = 0; i < CallsPerIteration; ++i)
            benchmark::DoNotOptimize(TimeCalc(times[std::size_t(i % 1000)], step, plus));
    countCalls(state);
}
BENCHMARK(TimeCalcCalls)->Unit(benchmark::kMillisecond);

void TimeToMsCalls(benchmark::State& state) {
    const std::vector<QString> times = timeCodes();
    for (auto _ : state)
        for (int i = 0; i < CallsPerIteration; ++i)
            benchmark::DoNotOptimize(TimeToMs(times[std::size_t(i % 1000)]));
    countCalls(state);
}
BENCHMARK(TimeToMsCalls)->Unit(benchmark::kMillisecond);

// A program whose document holds 9,998 lines in 99 parts.
void fillDocument(Program& p) {
    platform::Grid& g = p.doc.grid();
    g.setRows(MaxLines + 2);
    const QString start = QStringLiteral("00:01:02,345"), end = QStringLiteral("00:01:04,000");
    const QString text = QStringLiteral(" A line of subtitle text");
    for (int r = 1; r <= MaxLines; ++r) {
        g.setTextMatrix(r, 0, QString::number(r));
        g.setTextMatrix(r, 1, start);
        g.setTextMatrix(r, 2, end);
        for (int c = 3; c < 6; ++c)
            g.setTextMatrix(r, c, text);
    }
    NodeTable& n = p.doc.FileNodes;
    n.setFirstRow(0, 1);
    n.setLastRow(0, MaxLines);
    const int perPart = MaxLines / 99;
    for (int i = 1; i <= 99; ++i) {
        n.setFirstRow(i, (i - 1) * perPart + 1);
        n.setLastRow(i, i == 99 ? MaxLines : i * perPart);
        n.setName(i, QStringLiteral("Part_%1").arg(i));
    }
    n.setCount(99);
}

void MarkNodes9998Lines(benchmark::State& state) {
    Program p(QDir::tempPath() + "/mirel_bench");
    fillDocument(p);
    for (auto _ : state)
        p.doc.MarkNodes(1);
}
BENCHMARK(MarkNodes9998Lines)->Unit(benchmark::kMicrosecond);

void RebuildLineCombo9998Lines(benchmark::State& state) {
    Program p(QDir::tempPath() + "/mirel_bench");
    fillDocument(p);
    for (auto _ : state)
        p.doc.RebuildLineCombo();
    state.counters["entries"] = p.main().player.Combo1.listCount();
}
BENCHMARK(RebuildLineCombo9998Lines)->Unit(benchmark::kMillisecond);

// The same with the main window shown on the Player tab, where the list is seen.
void RebuildLineCombo9998LinesShown(benchmark::State& state) {
    Program p(QDir::tempPath() + "/mirel_bench");
    fillDocument(p);
    p.main().tabMain.setTab(frmMain::TabPlayer);
    p.main().show();
    for (auto _ : state) {
        p.doc.RebuildLineCombo();
        QCoreApplication::processEvents();
    }
    p.main().hide();
}
BENCHMARK(RebuildLineCombo9998LinesShown)->Unit(benchmark::kMillisecond);

} // namespace
