#include "LoadBench.h"

#include "document/Loader.h"
#include "shell/Program.h"
#include "shell/frmControl.h"

#include <QFile>
#include <QTemporaryDir>

void BenchLoadFile(benchmark::State& state, const QByteArray& bytes, const QString& fileName,
                   int format, int rows, bool progress) {
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    Program p(dir.path());
    p.shell.FrameRateText = QStringLiteral("25.000");
    for (auto _ : state) {
        QString name = path;
        int asked = format, row = 1;
        p.loader.LoadSubFile(name, asked, row, false, progress, false);
        if (!p.loader.LoadOk || p.doc.lineCount() != rows) state.SkipWithError("not loaded");
    }
    if (progress) p.control().hide();
    state.counters["lines"] = p.doc.lineCount();
}
