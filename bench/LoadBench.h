#pragma once
// Shared by the load benchmarks: writes a generated file into a temporary
// program folder and times LoadSubFile on it, checking every run loaded the
// rows it should.

#include <QByteArray>
#include <QString>
#include <benchmark/benchmark.h>

void BenchLoadFile(benchmark::State& state, const QByteArray& bytes, const QString& fileName,
                   int format, int rows, bool progress = false);
