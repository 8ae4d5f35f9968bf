// Loading the largest file a document takes in DVD Subtitle, Sonic DVD and
// Zero G: 9,998 subtitles of one or two text lines, read through LoadSubFile
// with the progress log off (progress:0) and shown (progress:1). Run by hand:
//   build/release/bench/mirel_bench --benchmark_filter=ReadersDvd

#include "LoadBench.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Subtitles = 9998;
constexpr int DvdSubtitleFormat = 1, SonicDvdFormat = 8, ZeroGFormat = 16;

// Start and end of subtitle i in hours, minutes, seconds and hundredths,
// with the separator sep between the seconds and the last field.
QByteArray TimeOf(int i, bool end, char sep, bool oneHourDigit) {
    const int cs = i * 170 + 25 + (end ? 150 : 0);
    const int hours = cs / 360000 % (oneHourDigit ? 10 : 100);
    return QString::asprintf(oneHourDigit ? "%d:%02d:%02d%c%02d" : "%02d:%02d:%02d%c%02d", hours,
                             cs / 6000 % 60, cs / 100 % 60, sep, cs % 100)
        .toLatin1();
}

const QByteArray First = "Where the devil should this Romeo be?";
const QByteArray Second = "Came he not home to-night?";

QByteArray LargeDvdSubtitle() {
    QByteArray out = "{HEAD\r\nDISCID=\r\nDVDTITLE=\r\nCODEPAGE=1250\r\nFORMAT=ASCII\r\n}\r\n";
    for (int i = 0; i < Subtitles; ++i) {
        out += "{T " + TimeOf(i, false, ':', false) + "\r\n" + First + "\r\n";
        if (i % 2 == 0) out += Second + "\r\n";
        out += "}\r\n{T " + TimeOf(i, true, ':', false) + "\r\n\r\n}\r\n";
    }
    return out;
}

// Sonic DVD frames are below 25 here (the hundredths field taken as frames).
QByteArray LargeSonicDvd() {
    QByteArray out;
    for (int i = 0; i < Subtitles; ++i) {
        const QByteArray start =
            TimeOf(i, false, ':', false).left(9) + QByteArray::number(10 + i % 10);
        const QByteArray end =
            TimeOf(i, true, ':', false).left(9) + QByteArray::number(10 + i % 15);
        out += QString::asprintf("%04d", i + 1).toLatin1() + "  " + start + "  " + end + "  " +
               First + "\r\n";
        if (i % 2 == 0) out += Second + "\r\n";
        out += "\r\n";
    }
    return out;
}

QByteArray LargeZeroG() {
    QByteArray out = "% Zero G 1.0\r\n\r\n";
    for (int i = 0; i < Subtitles; ++i) {
        out += "E 1 " + TimeOf(i, false, '.', true) + " " + TimeOf(i, true, '.', true) +
               " Default NTP " + First;
        if (i % 2 == 0) out += "\\n" + Second;
        out += "\r\n";
    }
    return out;
}

void LoadLarge(benchmark::State& state, const QByteArray& bytes, const char* name, int format) {
    BenchLoadFile(state, bytes, QLatin1String(name), format, Subtitles, state.range(0) != 0);
}

void ReadersDvd_DvdSubtitle9998(benchmark::State& state) {
    LoadLarge(state, LargeDvdSubtitle(), "large.sub", DvdSubtitleFormat);
}
BENCHMARK(ReadersDvd_DvdSubtitle9998)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void ReadersDvd_SonicDvd9998(benchmark::State& state) {
    LoadLarge(state, LargeSonicDvd(), "large.sub", SonicDvdFormat);
}
BENCHMARK(ReadersDvd_SonicDvd9998)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void ReadersDvd_ZeroG9998(benchmark::State& state) {
    LoadLarge(state, LargeZeroG(), "large.zeg", ZeroGFormat);
}
BENCHMARK(ReadersDvd_ZeroG9998)->ArgName("progress")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
