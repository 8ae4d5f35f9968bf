// Benchmarks of the timing tools and the change history on the largest
// document (9,998 lines): Shift, Stretch and Frame rate pressed as Go (each
// saves its snapshot first), and a snapshot alone. Run by hand:
// build/release/bench/mirel_bench --benchmark_filter=Go9998Lines
//   --benchmark_repetitions=5

#include "document/EditorTab.h"
#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "tools/FrameRateTab.h"
#include "tools/History.h"
#include "tools/ShiftTab.h"
#include "tools/StretchTab.h"

#include "BenchDocument.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Lines = 9998;

void ShiftGo9998Lines(benchmark::State& state) {
    BenchProgram b;
    ShiftTab& shift = b.p->main().shift;
    shift.rtfShiftDuration.setText(QStringLiteral("00:00:00,250"));
    int direction = 0;
    for (auto _ : state) {
        shift.Combo2.setListIndex(direction = 1 - direction);
        shift.ShiftGo();
        b.emptyHistory(state);
    }
}
BENCHMARK(ShiftGo9998Lines)->Unit(benchmark::kMillisecond);

void StretchGo9998Lines(benchmark::State& state) {
    BenchProgram b;
    EditorTab& editor = b.p->main().editor;
    const QString first = BenchTime(700),
                  lasts[] = {BenchTime(Lines * 700), BenchTime(Lines * 650)};
    editor.rtfStretchFirst.setText(first);
    int k = 0;
    for (auto _ : state) {
        editor.rtfStretchLast.setText(lasts[k = 1 - k]);
        b.p->main().stretch.StretchGo();
        b.emptyHistory(state);
    }
}
BENCHMARK(StretchGo9998Lines)->Unit(benchmark::kMillisecond);

void FrameRateGo9998Lines(benchmark::State& state) {
    BenchProgram b;
    FrameRateTab& fr = b.p->main().frameRate;
    int k = 0;
    for (auto _ : state) {
        k = 1 - k;
        fr.Combo14[0].setListIndex(k ? 2 : 0); // 25.000 to 23.970 and back
        fr.Combo14[1].setListIndex(k ? 0 : 2);
        fr.FrameRateGo();
        b.emptyHistory(state);
    }
}
BENCHMARK(FrameRateGo9998Lines)->Unit(benchmark::kMillisecond);

void SaveSnapshot9998Lines(benchmark::State& state) {
    BenchProgram b;
    for (auto _ : state) {
        if (!b.p->history.SaveSnapshot(QStringLiteral("Bench"), QString()))
            state.SkipWithError("the snapshot was not written");
        b.emptyHistory(state);
    }
}
BENCHMARK(SaveSnapshot9998Lines)->Unit(benchmark::kMillisecond);

} // namespace
