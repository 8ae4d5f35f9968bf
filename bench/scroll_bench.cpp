// The grid of the shown main window scrolled with the mouse wheel through the
// largest document (9,998 lines loaded from a SubRip file): 100 wheel clicks
// down, each drawn before the next, as CPU time of the whole process. Under a
// display (xvfb-run -a, QT_QPA_PLATFORM=xcb) the drawing goes to the screen:
//   xvfb-run -a env QT_QPA_PLATFORM=xcb build/release/bench/mirel_bench --benchmark_filter=Scroll

#include "LoadBench.h"

#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

namespace {

void ScrollGrid100WheelClicks9998Lines(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.srt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(LargeSubRipBytes()) < 0) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    Program p(dir.path());
    p.shell.FrameRateText = QStringLiteral("25.000");
    p.main().show();
    QString name = path;
    int format = 0, row = 1;
    p.loader.LoadSubFile(name, format, row, false, false, true);
    auto* view = qobject_cast<QAbstractScrollArea*>(p.doc.grid().widget());
    if (!p.loader.LoadOk || !view) {
        state.SkipWithError("not loaded");
        return;
    }
    QApplication::processEvents();
    QWidget* area = view->viewport();
    const QPointF at(area->width() / 2.0, area->height() / 2.0);
    for (auto _ : state) {
        view->verticalScrollBar()->setValue(0);
        QApplication::processEvents();
        for (int click = 0; click < 100; ++click) {
            QWheelEvent wheel(at, area->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(area, &wheel);
            area->repaint();
            QApplication::processEvents();
        }
    }
    state.counters["top_row"] = view->verticalScrollBar()->value();
    p.main().hide();
}
BENCHMARK(ScrollGrid100WheelClicks9998Lines)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
