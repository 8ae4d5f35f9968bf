#include "diagnose/DiagnoseRun.h"

#include "diagnose/DiagnoseTab.h"
#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "platform/Palette.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>

using runtime::Trim;
using runtime::TrimStr;

namespace {
const QString ZeroTime = QStringLiteral("00:00:00,000");
const QString NotCounted = QStringLiteral("Not counted");
constexpr int ActionGo = 719;
constexpr int SysVarErrors = 31;
} // namespace

DiagnoseRun::DiagnoseRun(Program& p)
    : p_(p), grid_(p.doc.grid()), report_(p.main().diagnose.tvDiag, p.texts) {}

bool DiagnoseRun::Ticked(int box) const {
    const auto& boxes = p_.main().diagnose.Check3;
    return boxes.contains(box) && boxes[box].value() == platform::CheckBox::Checked;
}

void DiagnoseRun::Go() {
    Begin();
    RemoveEmptyLines();
    const int parts = p_.doc.FileNodes.Count();
    for (int n = 1; n <= parts; ++n)
        CheckPart(n);
    ReportRemovals(parts, Diagnose::MsgRows);
    End();
}

void DiagnoseRun::Begin() {
    p_.diag.ClearDiagMsg();
    clock_.start();
    p_.host.screen.setMousePointer(platform::Screen::PointerHourglass);
    p_.diag.DiagErrorCount = 0;
    totalTime_ = ZeroTime;
    report_.Start(Heading());
}

ReportHeading DiagnoseRun::Heading() const {
    ReportHeading h;
    h.errorTitle = p_.texts.TextTable(9, 13);
    const QString& title = p_.files.CurFileTitle;
    h.fileTitle = title.isEmpty() ? QStringLiteral("None loaded") : title;
    h.formatName = Trim(p_.files.CurFileName).isEmpty() ? QStringLiteral("Unknown")
                                                        : p_.main().StatusBar1.panelText(2);
    h.date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    h.time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    return h;
}

// The rows of a part are walked once each; a part reaching past the last
// line stops there, so the spare row is never checked.
void DiagnoseRun::CheckPart(int part) {
    const NodeTable& nodes = p_.doc.FileNodes;
    const int first = nodes.FirstRow(part), last = nodes.LastRow(part);
    report_.AddPartSummary(part, first, last);
    ReportRemovals(part, last + 1);
    const int end = std::min(last, p_.doc.lineCount());
    for (int r = std::max(first, 1); r <= end; ++r)
        CheckRow(part, r);
}

DiagnoseRun::Row DiagnoseRun::ReadRow(int part, int r) const {
    Row row;
    row.part = part;
    row.r = r;
    row.start = grid_.textMatrix(r, 1);
    row.end = grid_.textMatrix(r, 2);
    row.prevEnd = r > 1 ? grid_.textMatrix(r - 1, 2) : ZeroTime;
    row.t3 = Trim(grid_.textMatrix(r, 3));
    row.t4 = Trim(grid_.textMatrix(r, 4));
    row.t5 = Trim(grid_.textMatrix(r, 5));
    return row;
}

void DiagnoseRun::CheckRow(int part, int r) {
    const Row row = ReadRow(part, r);
    CountDisplayTime(row);
    CheckOverlap(row);
    CheckEndBeforeStart(row);
    CheckStartBelowZero(row);
    CheckEndBelowZero(row);
    CheckTexts(row);
    CountLine(row);
}

// ---- Bookkeeping ----------------------------------------------------------------

void DiagnoseRun::Found(const Row& row, int msgRow, const QString& explanation) {
    ++errors_;
    p_.diag.setDiagMsg(msgRow, explanation);
    report_.AddError(row.part, row.r, explanation);
}

void DiagnoseRun::Repaired(int msgRow, int cellRow, int cellCol) {
    p_.diag.setDiagMsg(msgRow, QString());
    ++fixed_;
    p_.doc.FileChanged = true;
    grid_.setCellBackColorAt(cellRow, cellCol, platform::palette::DiagnoseRepaired);
}

void DiagnoseRun::LeftAlone(int cellRow, int cellCol) {
    grid_.setCellBackColorAt(cellRow, cellCol, platform::palette::DiagnoseNotRepaired);
}

// Repairs write lines only, never the header or the spare row.
void DiagnoseRun::WriteCell(int row, int col, const QString& text) {
    if (row >= 1 && row <= p_.doc.lineCount()) grid_.setTextMatrix(row, col, text);
}

// ---- The end of a run -------------------------------------------------------------

ReportTotals DiagnoseRun::Totals() const {
    ReportTotals t;
    QString seconds = runtime::NumberText(static_cast<double>(clock_.elapsed()) / 1000.0);
    if (seconds.startsWith(u'.')) seconds.prepend(u'0');
    t.duration = seconds + QStringLiteral(" seconds.");
    t.lines = TrimStr(grid_.rows() - 2);
    t.words = Ticked(DiagnoseTab::CountWords) ? TrimStr(words_) : NotCounted;
    t.multiLines = Ticked(DiagnoseTab::CountMultiLines) ? TrimStr(multiLines_) : NotCounted;
    const bool timed = Ticked(DiagnoseTab::CountDisplayTime);
    t.displayTime = timed ? totalTime_ : NotCounted;
    if (timed) {
        const double rate = runtime::Val(p_.shell.FrameRateText);
        const double frames = std::floor(TimeToMs(totalTime_) / 1000.0 * rate);
        t.frames = runtime::NumberText(frames) + QStringLiteral(" (") + runtime::NumberText(rate) +
                   QStringLiteral(" fps)");
    } else {
        t.frames = NotCounted;
    }
    t.detected = errors_;
    t.fixed = fixed_;
    return t;
}

void DiagnoseRun::End() {
    report_.Finish(Totals());
    p_.diag.DiagErrorCount = errors_ - fixed_;
    p_.sysVars.sysVar[SysVarErrors] = TrimStr(p_.diag.DiagErrorCount);
    grid_.setCurrentCell(1, 3);
    p_.macro.SetMacroAction(QString(), ActionGo);
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
}
