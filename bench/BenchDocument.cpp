#include "BenchDocument.h"

#include "platform/Grid.h"
#include "shell/Program.h"

QString BenchTime(int ms) {
    return QString::asprintf("%02d:%02d:%02d,%03d", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60,
                             ms % 1000);
}

void FillBenchDocument(Program& p, int lines, int stepMs, int durationMs,
                       const QStringList& texts) {
    platform::Grid& g = p.doc.grid();
    g.setRows(lines + 2);
    p.doc.lstFont = QStringList{QString()};
    for (int r = 1; r <= lines; ++r) {
        g.setTextMatrix(r, 0, QString::number(r));
        g.setTextMatrix(r, 1, BenchTime(r * stepMs));
        g.setTextMatrix(r, 2, BenchTime(r * stepMs + durationMs));
        for (int c = 0; c < texts.size(); ++c)
            g.setTextMatrix(r, 3 + c, texts[c]);
        p.doc.lstFont << p.doc.DefaultFontSpec();
    }
}
