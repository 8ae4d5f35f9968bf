// The empty-line repair: with the empty-line check and its repair on, every
// line of a part whose three text cells are empty is taken out before the
// line pass, through the Basic delete (which keeps the fonts, the messages
// and the parts in step and saves a history snapshot for each). The pass
// then checks the shortened document once, and the report lists each removal
// at the row that now holds the line that followed it.

#include "diagnose/DiagnoseRun.h"
#include "diagnose/DiagnoseTab.h"
#include "platform/Grid.h"
#include "platform/Palette.h"
#include "runtime/Strings.h"
#include "shell/Program.h"

#include <algorithm>

using runtime::Trim;

// Rows of the parts, each once, from the top; the spare row is never one.
std::vector<int> DiagnoseRun::EmptyRowsInParts() const {
    const NodeTable& nodes = p_.doc.FileNodes;
    const int lines = p_.doc.lineCount();
    std::vector<bool> inPart(static_cast<std::size_t>(lines) + 1, false);
    for (int n = 1; n <= nodes.Count(); ++n)
        for (int r = std::max(nodes.FirstRow(n), 1); r <= std::min(nodes.LastRow(n), lines); ++r)
            inPart[static_cast<std::size_t>(r)] = true;
    std::vector<int> rows;
    for (int r = 1; r <= lines; ++r) {
        if (!inPart[static_cast<std::size_t>(r)]) continue;
        if (Trim(grid_.textMatrix(r, 3)).isEmpty() && Trim(grid_.textMatrix(r, 4)).isEmpty() &&
            Trim(grid_.textMatrix(r, 5)).isEmpty())
            rows.push_back(r);
    }
    return rows;
}

void DiagnoseRun::RemoveEmptyLines() {
    if (!Ticked(DiagnoseTab::CheckEmpty) || !Ticked(DiagnoseTab::RepairEmpty)) return;
    int removed = 0;
    for (const int original : EmptyRowsInParts()) {
        const int row = original - removed;
        const int lines = p_.doc.lineCount();
        grid_.setRow(row);
        p_.edit.BasicDeleteLine();
        if (p_.doc.lineCount() != lines - 1) continue; // refused: the line stays
        ++removed;
        removals_.push_back({row, false});
    }
}

// The removals at or above `upToRow` not yet reported go below part n's
// summary: one error found and fixed each.
void DiagnoseRun::ReportRemovals(int part, int upToRow) {
    for (Removal& removal : removals_) {
        if (removal.reported || removal.row > upToRow) continue;
        removal.reported = true;
        ++errors_;
        ++fixed_;
        report_.AddError(part, removal.row, QStringLiteral("Complete line is empty"));
        report_.AddSolution(DiagReport::Kind::Text, removal.row,
                            QStringLiteral("Line removed from subtitle"));
        if (removal.row <= p_.doc.lineCount())
            grid_.setCellBackColorAt(removal.row, 3, platform::palette::DiagnoseRepaired);
    }
}
