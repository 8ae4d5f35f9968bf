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

QByteArray LargeSubRipBytes() {
    QByteArray out;
    for (int i = 0; i < 9998; ++i) {
        const int ms = i * 1700 + 250;
        const auto time = [](int t) {
            return QString::asprintf("%02d:%02d:%02d,%03d", t / 3600000, t / 60000 % 60,
                                     t / 1000 % 60, t % 1000)
                .toLatin1();
        };
        out += QByteArray::number(i + 1) + "\r\n" + time(ms) + " --> " + time(ms + 1500) + "\r\n";
        out += i % 7 == 0 ? "<i>Where the devil should this Romeo be?</i>\r\n"
                          : "Where the devil should this Romeo be?\r\n";
        if (i % 2 == 0) out += "Came he not home to-night?\r\n";
        out += "\r\n";
    }
    return out;
}
