#pragma once
// Shared by the load benchmarks: writes a generated file into a temporary
// program folder and times LoadSubFile on it, checking every run loaded the
// rows it should.

#include <QByteArray>
#include <QString>
#include <benchmark/benchmark.h>

void BenchLoadFile(benchmark::State& state, const QByteArray& bytes, const QString& fileName,
                   int format, int rows, bool progress = false);

// A SubRip file of 9,998 entries of one or two text lines, a few with style
// tags, timed over a film: the largest file a document takes.
QByteArray LargeSubRipBytes();
