// Benchmark of a macro run on the largest document (9,998 lines): 1,000
// commands (grid navigation, the Basic tab's Change, Shift with its
// duration and direction) through the execute list and the interpreter, with
// the execute list's current line following the run. Run by hand:
// build/release/bench/mirel_bench --benchmark_filter=Macro --benchmark_repetitions=5

#include "macro/frmSystem.h"
#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include "BenchDocument.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Lines = 9998;

// One pass of the loop: ten commands; 100 passes make 1,000 commands.
const QStringList Body = {
    "Editor.Cel.Select:=3,sysvar[64]",
    "Editor.Basic.Text:=Changed line",
    "Editor.Basic.Change",
    "Editor.Cel.Select:=1,5000",
    "Editor.Shift.Duration:=00:00:00,100",
    "Editor.Shift.Set.Direction.End",
    "Editor.Shift.Go",
    "System.mcrVar.Set:=sysvar[64]",
    "System.mcrVar.Clear",
};

struct MacroBenchProgram : BenchProgram {
    MacroBenchProgram() : BenchProgram(Lines) {
        frmMain& m = p->main();
        const int slot = m.macroEditor.AddMacroEntry(QStringLiteral("Bench"));
        auto& cells = p->macroLibrary.MacroStore[static_cast<std::size_t>(slot)];
        cells[1] = QStringLiteral("System.For.Do:=1,100");
        for (int i = 0; i < Body.size(); ++i)
            cells[static_cast<std::size_t>(i + 2)] = Body[i];
        cells[static_cast<std::size_t>(Body.size() + 2)] = QStringLiteral("System.For.Do.End");
        m.macroPickers.Combo5.setListIndex(0);
        p->system().show(); // the run's progress: the execute list follows it
    }
};

void BM_MacroRun1000Commands9998Lines(benchmark::State& state) {
    MacroBenchProgram b;
    for (auto _ : state) {
        b.p->main().executeList.Command31.onClick();
        b.emptyHistory(state);
    }
}
BENCHMARK(BM_MacroRun1000Commands9998Lines)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
