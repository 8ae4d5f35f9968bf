// The grid of the shown main window with the largest document (9,998 lines
// loaded from a SubRip file), as CPU time of the whole process: scrolled with
// the mouse wheel, 100 clicks down, each drawn before the next; and the edit
// clicks, a line chosen in the grid, then the editor's Delete and Insert, one
// click each and drawn. Under a display (xvfb-run -a, QT_QPA_PLATFORM=xcb)
// the drawing goes to the screen:
//   xvfb-run -a env QT_QPA_PLATFORM=xcb build/release/bench/mirel_bench
//       --benchmark_filter='Scroll|EditClick'

#include "LoadBench.h"

#include "document/BasicTab.h"
#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

namespace {

// The shown main window with the large file loaded; null when it could not be.
QAbstractScrollArea* LoadLargeIntoShownWindow(benchmark::State& state, const QTemporaryDir& dir,
                                              Program& p) {
    const QString path = dir.filePath(QStringLiteral("large.srt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(LargeSubRipBytes()) < 0) {
        state.SkipWithError("cannot write the file");
        return nullptr;
    }
    file.close();
    p.shell.FrameRateText = QStringLiteral("25.000");
    p.main().show();
    QString name = path;
    int format = 0, row = 1;
    p.loader.LoadSubFile(name, format, row, false, false, true);
    auto* view = qobject_cast<QAbstractScrollArea*>(p.doc.grid().widget());
    if (!p.loader.LoadOk || !view) {
        state.SkipWithError("not loaded");
        return nullptr;
    }
    QApplication::processEvents();
    return view;
}

// A left click on a widget, as the mouse gives it, drawn before it returns.
void Click(QWidget* widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
}

void ScrollGrid100WheelClicks9998Lines(benchmark::State& state) {
    QTemporaryDir dir;
    Program p(dir.path());
    QAbstractScrollArea* view = LoadLargeIntoShownWindow(state, dir, p);
    if (!view) return;
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

// One edit click: the CPU of choosing a line, deleting it and inserting one,
// divided by three.
void EditClick9998Lines(benchmark::State& state) {
    QTemporaryDir dir;
    Program p(dir.path());
    QAbstractScrollArea* view = LoadLargeIntoShownWindow(state, dir, p);
    if (!view) return;
    BasicTab& basic = p.main().editor.basic;
    QWidget* area = view->viewport();
    const QPoint line(area->width() / 3, area->height() / 2);
    int deleted = 0;
    for (auto _ : state) {
        Click(area, line);
        const int before = p.doc.lineCount();
        Click(basic.Command11.widget(), QPoint(5, 5));
        deleted += before - p.doc.lineCount();
        Click(basic.Command10.widget(), QPoint(5, 5));
    }
    // Each round deletes one line and inserts one.
    state.counters["deleted"] = double(deleted) / double(state.iterations());
    state.counters["lines"] = p.doc.lineCount();
    state.SetItemsProcessed(state.iterations() * 3);
    p.main().hide();
}
BENCHMARK(EditClick9998Lines)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

} // namespace
