#pragma once
// Shared by the benchmarks that work on a whole document: fills a program's
// grid with numbered lines at a steady pace, each with the same text lines.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

class Program;

// A time code for a number of milliseconds.
QString BenchTime(int ms);

// Rows 1 to `lines`: line r starts at r * stepMs and lasts durationMs; its
// text columns take `texts` (a leading blank each, as the readers write them)
// and its font entry the default one. The part table is left alone.
void FillBenchDocument(Program& p, int lines, int stepMs, int durationMs, const QStringList& texts);

// A program on a folder of its own whose document holds `lines` lines, 700 ms
// apart, each shown for 1.5 s, one part over all of them, the direction and
// rate lists filled and the range fields set to the whole document.
struct BenchProgram {
    QTemporaryDir dir;
    std::unique_ptr<Program> p;
    explicit BenchProgram(int lines = 9998);
    ~BenchProgram();
    // Keeps the history from filling up; not timed.
    void emptyHistory(benchmark::State& state);
};
