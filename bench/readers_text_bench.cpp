// Loading the largest file a document takes in SubStation Alpha, SAMI,
// SubViewer 2.0 and SubViewer 1.0: 9,998 subtitles each, laid out as Mirel
// writes them, through LoadSubFile with the progress log off (progress:0) and shown
// (progress:1). Run by hand:
//   build/release/bench/mirel_bench --benchmark_filter=LoadText

#include "LoadBench.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 9998;

QString Clock(int ms) {
    return QString::asprintf("%02d:%02d:%02d", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60);
}
QString Hundredths(int ms) {
    return QString::asprintf("%02d", ms % 1000 / 10);
}

// One or two text lines, parted by the format's own separator.
QString Text(int i, const QString& separator) {
    const QString first = QStringLiteral("Where the devil should this Romeo be?");
    return i % 2 == 0 ? first + separator + QStringLiteral("Came he not home to-night?") : first;
}

QStringList Header(int format) {
    switch (format) {
    case 7:
        return {
            "<SAMI>",  "<HEAD>", "<STYLE TYPE=\"Text/css\">", "P {font-size: 29pt;}", "</STYLE>",
            "</HEAD>", "<BODY>"};
    case 10:
        return {"Synch Point: Side 1 0m00s", "Collisions: Normal", "Timer: 100.0000"};
    case 11:
        return {"[TITLE]", "", "[AUTHOR]", "", "[BEGIN]", "******** START SCRIPT ********"};
    default:
        return {"[INFORMATION]", "[END INFORMATION]", "[SUBTITLE]",
                "[COLF]&HFFFFFF,[STYLE]no,[SIZE]29, [Font]Arial"};
    }
}

QStringList Entry(int format, int i) {
    const int ms = i * 1700 + 250, end = ms + 1500;
    switch (format) {
    case 7:
        return {QStringLiteral("   <SYNC START=%1>").arg(ms), "      <P>" + Text(i, "<br>"),
                QStringLiteral("   <SYNC START=%1>").arg(end), "      <P>&nbsp;"};
    case 10:
        return {"Dialogue: Marked=0," + Clock(ms).mid(1) + '.' + Hundredths(ms) + ',' +
                Clock(end).mid(1) + '.' + Hundredths(end) + ",Default,,0000,0000,0000,!Effect," +
                Text(i, "\\n")};
    case 11:
        return {'[' + Clock(ms) + ']', Text(i, "|"), '[' + Clock(end) + ']', ""};
    default:
        return {Clock(ms) + '.' + Hundredths(ms) + ',' + Clock(end) + '.' + Hundredths(end),
                Text(i, "[br]"), ""};
    }
}

QByteArray LargeFile(int format) {
    QStringList lines = Header(format);
    for (int i = 0; i < Entries; ++i)
        lines << Entry(format, i);
    if (format == 7)
        lines << "</BODY>"
              << "</SAMI>";
    if (format == 11) lines << "[END]";
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

void LoadLargeFile(benchmark::State& state, int format, const char* extension) {
    BenchLoadFile(state, LargeFile(format), QStringLiteral("large") + extension, format, Entries,
                  state.range(0) != 0);
}

void LoadTextSubStationAlpha9998(benchmark::State& state) {
    LoadLargeFile(state, 10, ".ssa");
}
BENCHMARK(LoadTextSubStationAlpha9998)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void LoadTextSami9998(benchmark::State& state) {
    LoadLargeFile(state, 7, ".smi");
}
BENCHMARK(LoadTextSami9998)->ArgName("progress")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void LoadTextSubViewer2_9998(benchmark::State& state) {
    LoadLargeFile(state, 12, ".sub");
}
BENCHMARK(LoadTextSubViewer2_9998)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void LoadTextSubViewer1_9998(benchmark::State& state) {
    LoadLargeFile(state, 11, ".sub");
}
BENCHMARK(LoadTextSubViewer1_9998)
    ->ArgName("progress")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
