// Benchmarks of the Player tab on the largest document (9,998 lines): opening
// the line list after an edit (which rebuilds it in one step) and the play
// timer's tick. Run by hand: build/release/bench/mirel_bench --benchmark_filter=Player

#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int MaxLines = 9998;

void fillLines(Program& p) {
    platform::Grid& g = p.doc.grid();
    g.setRows(MaxLines + 2);
    for (int r = 1; r <= MaxLines; ++r) {
        const int ms = r * 2000;
        g.setTextMatrix(r, 0, QString::number(r));
        g.setTextMatrix(r, 1,
                        QString::asprintf("%02d:%02d:%02d,%03d", ms / 3600000, ms / 60000 % 60,
                                          ms / 1000 % 60, ms % 1000));
        g.setTextMatrix(r, 2, g.textMatrix(r, 1));
        g.setTextMatrix(r, 3, QStringLiteral(" First line of text"));
        g.setTextMatrix(r, 4, QStringLiteral(" second line"));
        g.setTextMatrix(r, 5, QStringLiteral(" third"));
    }
}

// The user opens the line list after the lines changed, and closes it again.
void PlayerLineListOpenAfterEdit9998Lines(benchmark::State& state) {
    Program p(QDir::tempPath() + "/mirel_bench");
    fillLines(p);
    PlayerTab& player = p.main().player;
    for (auto _ : state) {
        p.doc.LineListValid = false;
        player.PlayerLineSelectToggle();
        player.PlayerLineSelectToggle();
    }
    state.counters["entries"] = player.Combo1.listCount();
}
BENCHMARK(PlayerLineListOpenAfterEdit9998Lines)->Unit(benchmark::kMillisecond);

// One tick of the script clock, 100 a second while it runs.
void PlayerScriptTick9998Lines(benchmark::State& state) {
    Program p(QDir::tempPath() + "/mirel_bench");
    fillLines(p);
    PlayerTab& player = p.main().player;
    p.players.PlayTimerMode = Players::ScriptMode;
    p.doc.CurLine = 1;
    for (auto _ : state) {
        if (p.doc.ScriptTime > 2000000) p.doc.ScriptTime = 0;
        player.PlayTimerTick();
    }
}
BENCHMARK(PlayerScriptTick9998Lines)->Unit(benchmark::kMicrosecond);

} // namespace
