// Loading the largest file a document takes: a SubRip file of 9,998 entries,
// read through LoadSubFile with the progress log off and on. Run by hand:
//   build/release/bench/mirel_bench --benchmark_filter=Load

#include "LoadBench.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 9998;

// Entries of one or two text lines, a few with style tags, timed over a film.
QByteArray LargeSubRip() {
    QByteArray out;
    for (int i = 0; i < Entries; ++i) {
        const int ms = i * 1700 + 250;
        const auto time = [](int t) {
            return QString::asprintf("%02d:%02d:%02d,%03d", t / 3600000, t / 60000 % 60,
                                     t / 1000 % 60, t % 1000)
                .toLatin1();
        };
        out += QByteArray::number(i + 1) + "\r\n" + time(ms) + " --> " + time(ms + 1500) + "\r\n";
        out += i % 7 == 0 ? "<i>Where the devil should this Romeo be?</i>\r\n"
                          : "Where the devil should this Romeo be?\r\n";
        if (i % 2 == 0) out += "Came he not home to-night?\r\n";
        out += "\r\n";
    }
    return out;
}

void LoadLargeSubRip(benchmark::State& state, bool progress) {
    BenchLoadFile(state, LargeSubRip(), "large.srt", 0, Entries, progress);
}

void LoadSubRip9998ProgressOff(benchmark::State& state) {
    LoadLargeSubRip(state, false);
}
BENCHMARK(LoadSubRip9998ProgressOff)->Unit(benchmark::kMillisecond);

void LoadSubRip9998ProgressOn(benchmark::State& state) {
    LoadLargeSubRip(state, true);
}
BENCHMARK(LoadSubRip9998ProgressOn)->Unit(benchmark::kMillisecond);

} // namespace
