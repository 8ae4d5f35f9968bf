// Loading a file of about 1 MB that holds one hostile line (or run of lines)
// as File > Open does once the chooser has answered: the main window shown on
// the Editor tab, the progress log on, then the line list and the edit area,
// up to the window drawn with the new document. Each must load in well under
// a second whatever it holds. Run by hand:
//   build/release/bench/mirel_bench --benchmark_filter=LoadHostile

#include "document/FormatDetection.h"
#include "document/Loader.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Hostile {
    const char* fileName;
    int format;
    QByteArray bytes;
};

Hostile Case(int which) {
    switch (which) {
    case 0: // comments after a directive word
        return {"comments.jss", Format::JacoSub,
                "0:00:01.00 0:00:02.00 D " + QByteArray(400000, ' ').replace(" ", "{}") + "x\r\n"};
    case 1: // a text of tabs
        return {"tabs.srt", Format::SubRip,
                "1\r\n00:00:01,000 --> 00:00:02,000\r\n" + QByteArray(430000, '\t') + "\r\n"};
    case 2: // a text carried on over many lines that end in ">"
        return {"carried.rt", Format::RealTime,
                "<time begin=\"1\"/>x\r\n" + QByteArray(250000, '.').replace(".", "a>\r\n")};
    case 3: // paragraph openings that no ">" closes
        return {"paragraphs.smi", Format::Sami,
                "<SAMI>\r\n<BODY>\r\n<SYNC Start=1000>" +
                    QByteArray(330000, '.').replace(".", "<pa") + "\r\n"};
    case 4: // a text that is one word
        return {"word.srt", Format::SubRip,
                "1\r\n00:00:01,000 --> 00:00:02,000\r\n" + QByteArray(1000000, 'x') + "\r\n"};
    default: // a line of dashes where a time belongs
        return {"dashes.tts", Format::TurboTitler,
                QByteArray(1000000, '-') + ",NTP x\r\n0:00:01.00,0:00:02.00,NTP kept\r\n"};
    }
}

void LoadHostile(benchmark::State& state) {
    const Hostile hostile = Case(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(hostile.fileName));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(hostile.bytes) < 0) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    Program p(dir.path());
    p.main().show();
    p.main().tabMain.setTab(frmMain::TabEditor);
    QApplication::processEvents();
    for (auto _ : state) {
        QString name = path;
        int format = hostile.format, row = 1;
        p.loader.LoadSubFile(name, format, row, false, true, false);
        QApplication::processEvents(); // the grid and the edit area drawn
        if (!p.loader.LoadOk || p.doc.lineCount() < 1) state.SkipWithError("not loaded");
    }
    p.control().hide();
    p.main().hide();
    state.counters["bytes"] = static_cast<double>(hostile.bytes.size());
}
BENCHMARK(LoadHostile)
    ->ArgName("case")
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
