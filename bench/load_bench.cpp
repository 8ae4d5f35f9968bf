// Loading the largest file a document takes: a SubRip file of 9,998 entries,
// read through LoadSubFile with the progress log off and on. Run by hand:
//   build/release/bench/mirel_bench --benchmark_filter=Load

#include "LoadBench.h"

#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 9998;

void LoadLargeSubRip(benchmark::State& state, bool progress) {
    BenchLoadFile(state, LargeSubRipBytes(), "large.srt", 0, Entries, progress);
}

void LoadSubRip9998ProgressOff(benchmark::State& state) {
    LoadLargeSubRip(state, false);
}
BENCHMARK(LoadSubRip9998ProgressOff)->Unit(benchmark::kMillisecond);

void LoadSubRip9998ProgressOn(benchmark::State& state) {
    LoadLargeSubRip(state, true);
}
BENCHMARK(LoadSubRip9998ProgressOn)->Unit(benchmark::kMillisecond);

// File > Open as the user runs it, once the chooser has answered: the main
// window shown, the progress log on, then the line list and the edit area.
void OpenSubRip9998AsTheUserDoes(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.srt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(LargeSubRipBytes()) < 0) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    Program p(dir.path());
    p.shell.FrameRateText = QStringLiteral("25.000");
    p.main().show();
    for (auto _ : state) {
        QString name = path; // what File > Open hands the loader
        int format = 0, row = 1;
        p.loader.LoadSubFile(name, format, row, false, true, true);
        if (!p.loader.LoadOk || p.doc.lineCount() != Entries) state.SkipWithError("not loaded");
    }
    p.control().hide();
    p.main().hide();
    state.counters["lines"] = p.doc.lineCount();
}
BENCHMARK(OpenSubRip9998AsTheUserDoes)->Unit(benchmark::kMillisecond);

} // namespace
