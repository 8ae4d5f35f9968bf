// Benchmarks of Search/Replace and the filters on the largest document
// (9,998 lines): Replace pressed as Go over every line (its snapshot
// included), and both filters. Run by hand:
// build/release/bench/mirel_bench --benchmark_filter='ReplaceAll|Filters'
//   --benchmark_repetitions=5

#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "tools/FilterTab.h"
#include "tools/History.h"
#include "tools/SearchTab.h"

#include "BenchDocument.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Lines = 9998;

// A program on a folder of its own whose document holds 9,998 lines of two
// text lines each.
struct SearchBench {
    QTemporaryDir dir;
    std::unique_ptr<Program> p;
    SearchBench() : p(std::make_unique<Program>(dir.path())) {
        FillBenchDocument(*p, Lines, 700, 1500,
                          {QStringLiteral(" The colour of the night sky"),
                           QStringLiteral(" and the colour of the sea")});
        p->edit.SearchIndex = 1;
    }
    void emptyHistory(benchmark::State& state) {
        state.PauseTiming();
        p->history.ClearHistoryWindow();
        state.ResumeTiming();
    }
};

void ReplaceAll9998Lines(benchmark::State& state) {
    SearchBench b;
    SearchTab& s = b.p->main().search;
    const QString words[] = {QStringLiteral("colour"), QStringLiteral("color")};
    int k = 0;
    for (auto _ : state) {
        s.rtfSearch.setText(words[k]);
        s.rtfReplace.setText(words[1 - k]);
        k = 1 - k;
        s.SearchReplaceGo();
        b.emptyHistory(state);
    }
    if (!b.p->doc.FileChanged) state.SkipWithError("nothing was replaced");
}
BENCHMARK(ReplaceAll9998Lines)->Unit(benchmark::kMillisecond);

void Filters9998Lines(benchmark::State& state) {
    SearchBench b;
    FilterTab& f = b.p->main().filter;
    f.Check4[0].setValue(1);
    f.Check4[1].setValue(1);
    f.txtMaxCount.setText(QStringLiteral("20"));
    for (auto _ : state) {
        f.FilterGo();
        b.emptyHistory(state);
    }
}
BENCHMARK(Filters9998Lines)->Unit(benchmark::kMillisecond);

} // namespace
