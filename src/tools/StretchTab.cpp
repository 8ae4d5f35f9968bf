#include "tools/StretchTab.h"

#include "document/EditorTab.h"
#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "tools/TimingMilliseconds.h"
#include "tools/TimingTools.h"

#include <cmath>

using runtime::TrimStr;

namespace {
const QString Tool = QStringLiteral("Stretch");
} // namespace

struct StretchTab::Plan {
    timing::LineRange range;
    QString first, last; // the new start times of the range's first and last line
    QString oldFirst;    // the range's first start time before the change
    double newSpanMs = 0, oldSpanMs = 0;
    // First and the old first start in milliseconds, when both are plain.
    bool plain = false;
    qint64 firstMs = 0, oldFirstMs = 0;
};

StretchTab::StretchTab(Program& p, EditorTab& editor)
    : Frame8(editor.SSTab3.page(1), "Frame8", "Range"),
      Label40(editor.SSTab3.page(1), "Label40", "First line"),
      Label41(editor.SSTab3.page(1), "Label41", "Last line"),
      Label63(editor.SSTab3.page(1), "Label63", "Whole"), Label77(editor.SSTab3.page(1), "Label77"),
      Label9(editor.SSTab3.page(1), "Label9", "First"),
      Label10(editor.SSTab3.page(1), "Label10", "Last"),
      Command12(editor.SSTab3.page(1), "Command12", "Go"), p_(p), editor_(editor) {
    place();
    editor_.AddCalcButton(editor_.SSTab3.page(1), 0, Label9);
    editor_.AddCalcButton(editor_.SSTab3.page(1), 1, Label10);
    wire();
    registerCommands();
}

void StretchTab::place() {
    timing::PlaceRangeFrame(
        {Frame8, Label40, Label41, editor_.Text1[2], editor_.Text1[3], Label63, Label77},
        QStringLiteral("Reset values to min. and max."));
    timing::PlaceTimeField(Label9, editor_.rtfStretchFirst, 0,
                           "New start of the range's first line (hh:mm:ss,fff)");
    timing::PlaceTimeField(Label10, editor_.rtfStretchLast, 1,
                           "New start of the range's last line (hh:mm:ss,fff)");
    timing::PlaceGoButton(Command12, 4140, "Stretch the lines of the range");
    MakeLabelButton(Label63);
}

void StretchTab::wire() {
    Label63.onClick = [this] { StretchRangeToggle(); };
    Command12.onClick = [this] { StretchGo(); };
    timing::MakeTimeField(p_, editor_.rtfStretchFirst, 523, [this] { StretchGo(); });
    timing::MakeTimeField(p_, editor_.rtfStretchLast, 524, [this] { StretchGo(); });
}

void StretchTab::StretchRangeToggle() {
    timing::ToggleRange(p_, editor_.Text1[2], editor_.Text1[3], Label77);
    p_.macro.SetMacroAction(QString(), 527);
}

bool StretchTab::StretchRangeNode(const QString& n) {
    return timing::RangeFromNode(p_, n, editor_.Text1[2], editor_.Text1[3], Tool);
}

void StretchTab::StretchGo() {
    p_.macro.SetMacroAction(QString(), 522);
    Plan plan;
    if (!MakePlan(plan)) return;
    timing::NewTimes moved;
    Rescale(plan, moved);
    if (timing::RefuseNegativeTimes(p_, Tool, moved)) return;
    if (!p_.history.SaveSnapshot(QStringLiteral("Script Stretched"),
                                 timing::DocumentRangeComment(p_) + QStringLiteral(" [First: ") +
                                     plan.first + QStringLiteral("] [Last: ") + plan.last +
                                     QLatin1Char(']')))
        return;
    p_.host.screen.setMousePointer(platform::Screen::PointerHourglass);
    timing::WriteTimes(p_, moved);
    p_.control().ProgressBar1.setValue(0);
    timing::LinesChanged(p_);
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
}

// The range needs two lines that start at different times, and Last may not
// come before First; anything else is refused before the snapshot.
bool StretchTab::MakePlan(Plan& plan) {
    if (!timing::ReadRange(p_, editor_.Text1[2].text(), editor_.Text1[3].text(), Tool, plan.range))
        return false;
    const int a = plan.range.first, b = plan.range.last;
    if (a == b) {
        timing::Refuse(p_, Tool,
                       p_.texts.Say("Stretch needs a range of two lines or more; this one "
                                    "holds line %1 only.",
                                    TrimStr(a)));
        return false;
    }
    plan.first = HeldTime(editor_.rtfStretchFirst.text()); // "-00:00:01,000" as shown
    plan.last = HeldTime(editor_.rtfStretchLast.text());
    if (TimeToMs(plan.last) < TimeToMs(plan.first)) {
        timing::Refuse(p_, Tool,
                       p_.texts.Say("Last (%1) comes before First (%2).",
                                    MessageWindow::Verbatim(plan.last),
                                    MessageWindow::Verbatim(plan.first)));
        return false;
    }
    const platform::Grid& g = p_.doc.grid();
    plan.oldFirst = g.textMatrix(a, 1);
    plan.oldSpanMs = TimeToMs(TimeCalc(g.textMatrix(b, 1), plan.oldFirst, QStringLiteral("-")));
    if (plan.oldSpanMs == 0) {
        timing::Refuse(p_, Tool,
                       p_.texts.Say("Lines %1 and %2 start at the same time: there is no "
                                    "span to stretch.",
                                    TrimStr(a), TrimStr(b)));
        return false;
    }
    plan.newSpanMs = TimeToMs(TimeCalc(plan.last, plan.first, QStringLiteral("-")));
    plan.plain = timing::PlainMs(plan.first, plan.firstMs) &&
                 timing::PlainMs(plan.oldFirst, plan.oldFirstMs);
    return true;
}

// Each start moves to First plus its scaled distance from the old first
// start, cut to the millisecond; each end keeps the line's duration.
void StretchTab::Rescale(const Plan& plan, timing::NewTimes& moved) {
    moved.firstLine = plan.range.first;
    const int lines = plan.range.last - plan.range.first + 1;
    moved.starts.resize(lines);
    moved.ends.resize(lines);
    for (int i = 0; i < lines; ++i)
        if (!RescalePlain(plan, plan.range.first + i, moved.starts[i], moved.ends[i]))
            RescaleText(plan, plan.range.first + i, moved.starts[i], moved.ends[i]);
}

// The steps below on milliseconds, for a line whose times are plain; false
// (nothing given) for any other line.
bool StretchTab::RescalePlain(const Plan& plan, int row, QString& newStart, QString& newEnd) {
    using namespace timing;
    const platform::Grid& g = p_.doc.grid();
    qint64 start = 0, end = 0;
    if (!plan.plain || !PlainMs(g.textMatrix(row, 1), start) || !PlainMs(g.textMatrix(row, 2), end))
        return false;
    const qint64 duration = CalcMs(end, start, -1);
    const double offsetMs = double(CalcMs(start, plan.oldFirstMs, -1));
    const double x = plan.newSpanMs * offsetMs / (plan.oldSpanMs * 1000);
    const qint64 cut = CutMs(std::fabs(x));
    if (cut >= PlainLimitMs) return false;
    const qint64 startMs = CalcMs(plan.firstMs, x < 0 ? CalcMs(0, cut, -1) : cut, 1);
    newStart = MsTimeCode(startMs);
    newEnd = MsTimeCode(CalcMs(startMs, duration, 1));
    return true;
}

void StretchTab::RescaleText(const Plan& plan, int row, QString& newStart, QString& newEnd) {
    const platform::Grid& g = p_.doc.grid();
    const QString plus = QStringLiteral("+"), minus = QStringLiteral("-");
    const QString start = g.textMatrix(row, 1);
    const QString duration = TimeCalc(g.textMatrix(row, 2), start, minus);
    const double offsetMs = TimeToMs(TimeCalc(start, plan.oldFirst, minus));
    const double x = plan.newSpanMs * offsetMs / (plan.oldSpanMs * 1000);
    newStart = TimeCalc(plan.first, timing::SecondsToTimeCode(x), plus);
    newEnd = TimeCalc(newStart, duration, plus);
}

void StretchTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    c.add(QStringLiteral("Editor.Stretch.Go"), 522, [this] { StretchGo(); });
    timing::AddFieldCommand(p_, "Editor.Stretch.First", 523, editor_.rtfStretchFirst);
    timing::AddFieldCommand(p_, "Editor.Stretch.Last", 524, editor_.rtfStretchLast);
    timing::AddFieldCommand(p_, "Editor.Stretch.Start", 525, editor_.Text1[2]);
    timing::AddFieldCommand(p_, "Editor.Stretch.End", 526, editor_.Text1[3]);
    c.add(QStringLiteral("Editor.Stretch.Range.Toggle"), 527, [this] { StretchRangeToggle(); });
    c.add(QStringLiteral("Editor.Stretch.Range.Node"), 569,
          [this](const QString& data) { StretchRangeNode(data); });
}
