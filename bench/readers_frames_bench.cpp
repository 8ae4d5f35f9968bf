// Loading the largest file a document takes in each of the one-line-per-
// subtitle formats: MicroDVD, Phoenix Japanimation, PowerDivX and ViPlay
// Subtitle File, 9,998 subtitles each, through LoadSubFile with the progress
// log off (progress:0) and shown (progress:1). Run by hand:
//   build/release/bench/mirel_bench --benchmark_filter=LoadFrames

#include "LoadBench.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 9998;

// One or two text lines, timed over a film (frames at 25 per second).
QString Text(int i) {
    return i % 2 == 0 ? QStringLiteral("Where the devil should this Romeo be?|Came he not home?")
                      : QStringLiteral("Where the devil should this Romeo be?");
}

QString Clock(int ms, bool withMs) {
    const QString hms =
        QString::asprintf("%02d:%02d:%02d", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60);
    return withMs ? hms + QString::asprintf(",%03d", ms % 1000) : hms;
}

QString Line(int format, int i) {
    const int ms = i * 1700 + 250, end = ms + 1500;
    switch (format) {
    case 3:
        return QStringLiteral("{%1}{%2}").arg(ms / 40).arg(end / 40) + Text(i);
    case 4:
        return QStringLiteral("%1,%2, \"").arg(ms / 40, 7).arg(end / 40, 7) + Text(i) + '"';
    case 5:
        return '{' + Clock(ms, false) + "}{" + Clock(end, false) + '}' + Text(i);
    default:
        return Clock(ms, true) + '-' + Clock(end, true) + '=' + Text(i);
    }
}

QByteArray LargeFile(int format) {
    QString out = format == 15 ? QStringLiteral("{* VIPLAY SUBTITLE FILE *}\r\n") : QString();
    for (int i = 0; i < Entries; ++i)
        out += Line(format, i) + QStringLiteral("\r\n");
    return out.toUtf8();
}

void LoadLarge(benchmark::State& state, int format, const char* extension) {
    BenchLoadFile(state, LargeFile(format), QStringLiteral("large.") + extension, format, Entries,
                  state.range(0) != 0);
}

void LoadFramesMicroDvd9998(benchmark::State& state) {
    LoadLarge(state, 3, "sub");
}
BENCHMARK(LoadFramesMicroDvd9998)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void LoadFramesPhoenix9998(benchmark::State& state) {
    LoadLarge(state, 4, "pjs");
}
BENCHMARK(LoadFramesPhoenix9998)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void LoadFramesPowerDivX9998(benchmark::State& state) {
    LoadLarge(state, 5, "psb");
}
BENCHMARK(LoadFramesPowerDivX9998)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void LoadFramesViPlay9998(benchmark::State& state) {
    LoadLarge(state, 15, "vsf");
}
BENCHMARK(LoadFramesViPlay9998)->ArgName("progress")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
