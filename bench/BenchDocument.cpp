#include "BenchDocument.h"

#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "tools/FrameRateTab.h"
#include "tools/History.h"
#include "tools/ShiftTab.h"

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

BenchProgram::BenchProgram(int lines) : p(std::make_unique<Program>(dir.path())) {
    FillBenchDocument(*p, lines, 700, 1500, {QStringLiteral(" A line of subtitle text")});
    p->doc.FileNodes.setFirstRow(0, 1);
    p->doc.FileNodes.setLastRow(0, lines);
    frmMain& m = p->main();
    m.shift.FillDirections();
    m.frameRate.FillRates();
    for (int i : {0, 1, 2, 3})
        m.editor.Text1[i].setText(i % 2 ? QString::number(lines) : QStringLiteral("1"));
}

BenchProgram::~BenchProgram() = default;

void BenchProgram::emptyHistory(benchmark::State& state) {
    state.PauseTiming();
    p->history.ClearHistoryWindow();
    state.ResumeTiming();
}
