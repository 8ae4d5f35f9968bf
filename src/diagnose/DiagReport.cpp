#include "diagnose/DiagReport.h"

#include "platform/TreeView.h"
#include "runtime/Numbers.h"

using runtime::TrimStr;

namespace {
QString S(const char* text) {
    return QString::fromLatin1(text);
}
} // namespace

DiagReport::DiagReport(platform::TreeView& tree) : tree_(tree) {}

QString DiagReport::FourDigits(int n) {
    return QString::number(n).rightJustified(4, u'0');
}

QString DiagReport::LineText(int row) {
    return S("Line ") + FourDigits(row);
}

QString DiagReport::PartKey(int part) {
    return S("sum_node ") + QString::number(part);
}

bool DiagReport::add(const QString& parent, const QString& key, const QString& text) {
    return tree_.add(parent, key, text);
}

bool DiagReport::add(const QString& parent, const QString& text) {
    return tree_.add(parent, QLatin1Char('#') + QString::number(++unnamed_), text);
}

void DiagReport::Start(const ReportHeading& h) {
    tree_.clear();
    unnamed_ = 0;
    add({}, S("file"), S("File"));
    add({}, S("scan"), S("Scan"));
    add({}, S("err"), h.errorTitle);
    add(S("err"), S("errsum"), S("Summary"));
    add(S("err"), S("errsol"), S("Solutions"));
    add(S("file"), S("fname"), h.fileTitle);
    add(S("fname"), S("format"), S("Format"));
    add(S("fname"), S("lines"), S("Lines"));
    add(S("fname"), S("words"), S("Words"));
    add(S("fname"), S("mlines"), S("Multi Lines"));
    add(S("format"), h.formatName);
    add(S("scan"), S("date"), S("Date"));
    add(S("scan"), S("time"), S("Time"));
    add(S("scan"), S("dur"), S("Duration"));
    add(S("scan"), S("count"), S("Count"));
    add(S("count"), S("ctime"), S("Time"));
    add(S("count"), S("cframe"), S("Frames"));
    add(S("date"), h.date);
    add(S("time"), h.time);
    add(S("errsum"), S("sum_node"), S("Node"));
    add(S("errsol"), S("sol_line"), S("Line"));
}

void DiagReport::AddPartSummary(int part, int firstRow, int lastRow) {
    add(S("sum_node"), PartKey(part),
        S("Node[") + TrimStr(part) + S("] = ") + TrimStr(firstRow) + S(" to ") + TrimStr(lastRow));
}

// A second error of the same row finds its line node taken and joins it. An
// error outside every part (an empty line whose part went with it) goes
// straight below the parts' heading.
void DiagReport::AddError(int part, int row, const QString& explanation) {
    const QString key = S("err_ ") + QString::number(row);
    add(PartParent(part), key, LineText(row));
    add(key, explanation);
}

void DiagReport::AddPartNote(int part, const QString& explanation) {
    add(PartParent(part), explanation);
}

QString DiagReport::PartParent(int part) const {
    const QString key = PartKey(part);
    return part > 0 && tree_.exists(key) ? key : S("sum_node");
}

void DiagReport::AddSolution(Kind kind, int row, const QString& solution) {
    const QString key = (kind == Kind::Time ? S("sol_ ") : S("nosol_ ")) + QString::number(row);
    add(S("sol_line"), key, LineText(row));
    add(key, solution);
}

void DiagReport::Finish(const ReportTotals& totals) {
    AddTotals(totals);
    AddErrorTotals(totals);
    for (const char* key : {"err", "errsum", "errsol", "sum_node", "sol_line"})
        tree_.setExpanded(S(key), true);
}

void DiagReport::AddTotals(const ReportTotals& t) {
    add(S("dur"), t.duration);
    add(S("lines"), t.lines);
    add(S("words"), t.words);
    add(S("mlines"), t.multiLines);
    add(S("ctime"), t.displayTime);
    add(S("cframe"), t.frames);
}

void DiagReport::AddErrorTotals(const ReportTotals& t) {
    add(S("errsum"), S("errdet"), S("Detected"));
    add(S("errdet"), TrimStr(t.detected));
    add(S("errsum"), S("errfix"), S("Fixed"));
    add(S("errfix"), TrimStr(t.fixed));
    add(S("errsum"), S("errrem"), S("Remaining"));
    add(S("errrem"), TrimStr(t.detected - t.fixed));
}
