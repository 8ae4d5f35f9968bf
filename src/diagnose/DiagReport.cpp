#include "diagnose/DiagReport.h"

#include "platform/TreeView.h"
#include "runtime/Numbers.h"
#include "shell/TextTables.h"

using runtime::TrimStr;

namespace {
QString S(const char* text) {
    return QString::fromLatin1(text);
}
} // namespace

DiagReport::DiagReport(platform::TreeView& tree, const TextTables& texts)
    : tree_(tree), texts_(texts) {}

QString DiagReport::FourDigits(int n) {
    return QString::number(n).rightJustified(4, u'0');
}

QString DiagReport::LineText(int row) const {
    return texts_.Own(OwnText::DiagLine) + QLatin1Char(' ') + FourDigits(row);
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
    const auto T = [this](OwnText which) { return texts_.Own(which); };
    tree_.clear();
    unnamed_ = 0;
    add({}, S("file"), T(OwnText::DiagFile));
    add({}, S("scan"), T(OwnText::DiagScan));
    add({}, S("err"), h.errorTitle);
    add(S("err"), S("errsum"), T(OwnText::DiagSummary));
    add(S("err"), S("errsol"), T(OwnText::DiagSolutions));
    add(S("file"), S("fname"), h.fileTitle);
    add(S("fname"), S("format"), texts_.TextTable(4, 18));
    add(S("fname"), S("lines"), T(OwnText::DiagLines));
    add(S("fname"), S("words"), T(OwnText::DiagWords));
    add(S("fname"), S("mlines"), T(OwnText::DiagMultiLines));
    add(S("format"), h.formatName);
    add(S("scan"), S("date"), T(OwnText::DiagDate));
    add(S("scan"), S("time"), T(OwnText::DiagTime));
    add(S("scan"), S("dur"), T(OwnText::DiagDuration));
    add(S("scan"), S("count"), T(OwnText::DiagCount));
    add(S("count"), S("ctime"), T(OwnText::DiagTime));
    add(S("count"), S("cframe"), T(OwnText::DiagFrames));
    add(S("date"), h.date);
    add(S("time"), h.time);
    add(S("errsum"), S("sum_node"), T(OwnText::DiagNode));
    add(S("errsol"), S("sol_line"), T(OwnText::DiagLine));
}

void DiagReport::AddPartSummary(int part, int firstRow, int lastRow) {
    add(S("sum_node"), PartKey(part),
        texts_.Own(OwnText::DiagNode) + S("[") + TrimStr(part) + S("] = ") + TrimStr(firstRow) +
            texts_.Own(OwnText::DiagTo) + TrimStr(lastRow));
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
    add(S("errsum"), S("errdet"), texts_.Own(OwnText::DiagDetected));
    add(S("errdet"), TrimStr(t.detected));
    add(S("errsum"), S("errfix"), texts_.Own(OwnText::DiagFixed));
    add(S("errfix"), TrimStr(t.fixed));
    add(S("errsum"), S("errrem"), texts_.Own(OwnText::DiagRemaining));
    add(S("errrem"), TrimStr(t.detected - t.fixed));
}
