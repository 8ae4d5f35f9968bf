// Benchmarks of the document's hot paths. Run by hand:
//   build/release/bench/mirel_bench

#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Host.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Writes 9,998 subtitle lines (six cells each) into the document grid and
// reads them back, as a load of the largest allowed file and a save do.
void GridWriteAndRead(benchmark::State& state) {
    platform::Host host;
    platform::Form form(host, "frmBench", platform::Form::Style::Main);
    platform::Grid grid(form, "grdSubEdit", 2, 6);
    const QString start = QStringLiteral("00:01:02,345"), end = QStringLiteral("00:01:04,000");
    const QString text = QStringLiteral(" A line of subtitle text");
    for (auto _ : state) {
        grid.setRows(2);
        grid.setRows(10000);
        for (int r = 1; r <= 9998; ++r) {
            grid.setTextMatrix(r, 0, QString::number(r));
            grid.setTextMatrix(r, 1, start);
            grid.setTextMatrix(r, 2, end);
            grid.setTextMatrix(r, 3, text);
            grid.setTextMatrix(r, 4, text);
            grid.setTextMatrix(r, 5, text);
        }
        qsizetype total = 0;
        for (int r = 1; r <= 9998; ++r)
            for (int c = 0; c < 6; ++c)
                total += grid.textMatrix(r, c).size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(GridWriteAndRead)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
