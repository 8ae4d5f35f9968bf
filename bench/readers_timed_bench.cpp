// Loading the largest files the TMPlayer, Turbo Titler, RealTime and JACOSub
// readers take, through LoadSubFile with the progress log off (progress:0) and shown
// (progress:1). Run by hand:
//   build/release/bench/mirel_bench --benchmark_filter=Timed

#include "LoadBench.h"
#include "document/FormatDetection.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Lines = 9998;

// The i-th subtitle's start (or end) in milliseconds, timed over a film.
int StartMs(int i) {
    return i * 1700 + 250;
}

QByteArray Hms(int ms, bool twoHourDigits) {
    return QString::asprintf(twoHourDigits ? "%02d:%02d:%02d" : "%d:%02d:%02d", ms / 3600000,
                             ms / 60000 % 60, ms / 1000 % 60)
        .toLatin1();
}

QByteArray Hundredths(int ms) {
    return Hms(ms, false) + "." + QByteArray::number(ms / 10 % 100).rightJustified(2, '0');
}

const char* Text(int i) {
    return i % 2 == 0 ? "Where the devil should this Romeo be?|Came he not home to-night?"
                      : "Where the devil should this Romeo be?";
}

// Mirel's TMPlayer pairs: a start and an end line per subtitle, so a file of
// 9,998 lines holds 4,999 subtitles.
QByteArray TmPlayerPairs() {
    QByteArray out;
    for (int i = 0; i < Lines / 2; ++i)
        out += Hms(StartMs(i), true) + ",2=" + Text(i) + "\r\n" + Hms(StartMs(i) + 1500, true) +
               ",7=\r\n";
    return out;
}

// The one-line form of other programs: 9,998 subtitles.
QByteArray TmPlayerOneLine() {
    QByteArray out;
    for (int i = 0; i < Lines; ++i)
        out += Hms(StartMs(i), true) + ":" + Text(i) + "\r\n";
    return out;
}

QByteArray TurboTitler() {
    QByteArray out;
    for (int i = 0; i < Lines; ++i)
        out += Hundredths(StartMs(i)) + "," + Hundredths(StartMs(i) + 1500) + ",NTP " + Text(i) +
               "\r\n";
    return out;
}

QByteArray RealTime() {
    QByteArray out = "<Window\r\n  With     = \"640\"\r\n>\r\n<center>\r\n<b>\r\n\r\n";
    for (int i = 0; i < Lines; ++i)
        out += "<Time begin=\"" + Hundredths(StartMs(i)) + "\" end=\"" +
               Hundredths(StartMs(i) + 1500) + "\" /><clear/> " +
               QByteArray(Text(i)).replace("|", "<br>") + "\r\n";
    return out + "</b>\r\n</center>\r\n";
}

QByteArray JacoSub() {
    QByteArray out = "#T100\r\n\r\n# Directive entries\r\n#D\r\n";
    for (int i = 0; i < Lines; ++i)
        out += Hundredths(StartMs(i)) + " " + Hundredths(StartMs(i) + 1500) + " {NTP} " +
               (i % 5 == 0 ? "\\I" : "") + QByteArray(Text(i)).replace("|", "\\n") +
               (i % 5 == 0 ? "\\i" : "") + "\r\n";
    return out;
}

void LoadFile(benchmark::State& state, const QByteArray& bytes, const char* name, int format,
              int rows) {
    BenchLoadFile(state, bytes, QLatin1String(name), format, rows, state.range(0) != 0);
}

void LoadTimedTmPlayerPairs(benchmark::State& state) {
    LoadFile(state, TmPlayerPairs(), "pairs.txt", Format::TmPlayer, Lines / 2);
}
BENCHMARK(LoadTimedTmPlayerPairs)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void LoadTimedTmPlayerOneLine(benchmark::State& state) {
    LoadFile(state, TmPlayerOneLine(), "oneline.txt", Format::TmPlayer, Lines);
}
BENCHMARK(LoadTimedTmPlayerOneLine)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void LoadTimedTurboTitler(benchmark::State& state) {
    LoadFile(state, TurboTitler(), "large.tts", Format::TurboTitler, Lines);
}
BENCHMARK(LoadTimedTurboTitler)->ArgName("progress")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void LoadTimedRealTime(benchmark::State& state) {
    LoadFile(state, RealTime(), "large.rt", Format::RealTime, Lines);
}
BENCHMARK(LoadTimedRealTime)->ArgName("progress")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void LoadTimedJacoSub(benchmark::State& state) {
    LoadFile(state, JacoSub(), "large.jss", Format::JacoSub, Lines);
}
BENCHMARK(LoadTimedJacoSub)->ArgName("progress")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
