// Benchmark of the partition engine on the largest document (9,998 lines):
// Go on the Partition tab writing ten SubRip parts beside the current file,
// the checks of the span list included. Run by hand:
// build/release/bench/mirel_bench --benchmark_filter=Partition
//   --benchmark_repetitions=5

#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "tools/PartitionTab.h"

#include "BenchDocument.h"
#include <QDir>

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Lines = 9998, Parts = 10;

// 9,998 lines 700 ms apart and ten parts of 700 s (a thousand lines each),
// the current file in a folder of its own.
struct PartitionBench {
    QTemporaryDir dir;
    std::unique_ptr<Program> p;
    QString folder;
    PartitionBench() : p(std::make_unique<Program>(dir.path())) {
        folder = dir.path() + QStringLiteral("/parts");
        QDir().mkpath(folder);
        p->files.CurFileName = folder + QStringLiteral("/film.srt");
        FillBenchDocument(*p, Lines, 700, 500, {QStringLiteral(" A line of subtitle text")});
        PartitionTab& tab = p->main().partition;
        platform::Grid& list = tab.grid;
        list.setRows(Parts + 2);
        for (int k = 1; k <= Parts; ++k) {
            list.setTextMatrix(k, 0, QString::number(k));
            list.setTextMatrix(k, 1, QStringLiteral("cd%1.avi").arg(k));
            list.setTextMatrix(k, 2, QStringLiteral("00:11:40.000"));
        }
        tab.combo3.setListIndex(8); // SubRip
    }
    // The next run asks nothing about files that exist; not timed.
    void removeParts(benchmark::State& state) {
        state.PauseTiming();
        QDir d(folder);
        for (const QString& f : d.entryList(QDir::Files))
            d.remove(f);
        state.ResumeTiming();
    }
};

void PartitionGo9998LinesTenParts(benchmark::State& state) {
    PartitionBench b;
    PartitionTab& tab = b.p->main().partition;
    for (auto _ : state) {
        tab.PartitionGo();
        if (tab.List2.listCount() != Parts) state.SkipWithError("not every part was written");
        b.removeParts(state);
    }
}
BENCHMARK(PartitionGo9998LinesTenParts)->Unit(benchmark::kMillisecond);

} // namespace
