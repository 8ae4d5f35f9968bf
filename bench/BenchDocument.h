#pragma once
// Shared by the benchmarks that work on a whole document: fills a program's
// grid with numbered lines at a steady pace, each with the same text lines.

#include <QString>
#include <QStringList>

class Program;

// A time code for a number of milliseconds.
QString BenchTime(int ms);

// Rows 1 to `lines`: line r starts at r * stepMs and lasts durationMs; its
// text columns take `texts` (a leading blank each, as the readers write them)
// and its font entry the default one. The part table is left alone.
void FillBenchDocument(Program& p, int lines, int stepMs, int durationMs, const QStringList& texts);
