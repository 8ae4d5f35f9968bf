// Benchmarks of the subtitle writer: the largest document (9,998 lines, two
// text lines each) saved in each of the sixteen formats, through the same
// call as the Save command. Run by hand:
//   build/release/bench/mirel_bench --benchmark_filter=WriteFormat

#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int MaxLines = 9998;

QString timeCode(long long ms) {
    return QString::asprintf("%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
                             ms / 1000 % 60, ms % 1000);
}

// Lines every 2.5 s over seven hours, the odd ones italic.
void fillDocument(Program& p) {
    platform::Grid& g = p.doc.grid();
    g.setRows(MaxLines + 2);
    p.doc.lstFont = QStringList{QString()};
    for (int r = 1; r <= MaxLines; ++r) {
        const long long start = 1000 + r * 2500LL;
        g.setTextMatrix(r, 0, QString::number(r));
        g.setTextMatrix(r, 1, timeCode(start));
        g.setTextMatrix(r, 2, timeCode(start + 1800));
        g.setTextMatrix(r, 3, QStringLiteral(" A line of subtitle text"));
        g.setTextMatrix(r, 4, QStringLiteral(" and its second line"));
        p.doc.lstFont << (r % 2 ? QStringLiteral("Arial;Western;Italic;16")
                                : QStringLiteral("Arial;Western;Regular;16"));
    }
}

void WriteFormat(benchmark::State& state) {
    const int format = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    Program p(dir.path());
    fillDocument(p);
    const QString name = dir.path() + QStringLiteral("/bench");
    const QString target = name + Files::SetSubFileExt(format);
    p.fileChooser().lblFullName.setCaption(name);
    bool ok = true;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target); // no overwrite question
        state.ResumeTiming();
        ok = p.files.CreateSubFile(false, false, format, 1, MaxLines, false) && ok;
    }
    if (!ok) state.SkipWithError("the file was not written");
    state.SetLabel(p.shell.FormatName[static_cast<std::size_t>(format)].toStdString());
    state.counters["bytes"] = static_cast<double>(QFile(target).size());
}
BENCHMARK(WriteFormat)->DenseRange(1, 16)->Unit(benchmark::kMillisecond);

} // namespace
