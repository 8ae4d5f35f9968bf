// Diagnose over the largest document (9,998 lines) with every check and count
// on and the repairs off, as Go and a load run it. Run by hand:
//   build/release/bench/mirel_bench --benchmark_filter=Diagnose

#include "diagnose/DiagnoseTab.h"
#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Lines = 9998;

QString TimeText(int ms) {
    return QString::asprintf("%02d:%02d:%02d,%03d", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60,
                             ms % 1000);
}

// Lines 1.7 seconds apart, each shown 1.5 seconds, one or two text lines.
// Every `faultEvery`-th line overlaps the one before it and every
// (faultEvery + 1)-th has its text in the second line only.
void FillDocument(Program& p, int faultEvery) {
    platform::Grid& g = p.doc.grid();
    g.setRows(Lines + 2);
    p.doc.lstFont = QStringList{QString()};
    for (int r = 1; r <= Lines; ++r) {
        const int start = r * 1700 - (r % faultEvery == 0 ? 500 : 0);
        const bool shifted = r % (faultEvery + 1) == 0;
        g.setTextMatrix(r, 0, QString::number(r));
        g.setTextMatrix(r, 1, TimeText(start));
        g.setTextMatrix(r, 2, TimeText(r * 1700 + 1500));
        g.setTextMatrix(r, 3, shifted ? QString() : QStringLiteral(" Where should this Romeo be?"));
        g.setTextMatrix(
            r, 4, r % 2 || shifted ? QStringLiteral(" Came he not home tonight?") : QString());
        p.doc.lstFont << p.doc.DefaultFontSpec();
    }
    NodeTable& nodes = p.doc.FileNodes;
    nodes.setFirstRow(0, 1);
    nodes.setLastRow(0, Lines);
    nodes.setFirstRow(1, 1);
    nodes.setLastRow(1, Lines);
    nodes.setCount(1);
}

void Diagnose(benchmark::State& state) {
    QTemporaryDir dir;
    Program p(dir.path());
    FillDocument(p, static_cast<int>(state.range(0)));
    auto& boxes = p.main().diagnose.Check3;
    for (int i = 0; i < DiagnoseTab::OptionCount; ++i)
        boxes[i].setValue(i < DiagnoseTab::RepairOverlapping ? 1 : 0);
    for (auto _ : state)
        p.diag.GoDiagnose();
    state.counters["errors"] = p.diag.DiagErrorCount;
    state.counters["nodes"] = p.main().diagnose.tvDiag.count();
}
// One line in 50 with an error, then one in 2 (about 7,500 errors).
BENCHMARK(Diagnose)->Arg(50)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
