#include "document/Document.h"

#include "document/FontSpec.h"

#include "platform/ComboBox.h"
#include "platform/Grid.h"
#include "platform/StatusBar.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"

using runtime::TrimStr;

namespace {
// The number column of a part's first or last line: " { 5" opens a part,
// " 9 }" closes one, " { 7 }" is a part of one line.
QString PartMark(int row, bool opens, bool closes) {
    return (opens ? QStringLiteral(" { ") : QStringLiteral(" ")) + TrimStr(row) +
           (closes ? QStringLiteral(" }") : QString());
}
} // namespace

Document::Document(Program& p) : p_(p) {}

platform::Grid& Document::grid() {
    return p_.main().editor.grdSubEdit;
}

int Document::lineCount() {
    return grid().rows() - 2;
}

// The regular-style word of the interface's text tables.
QString Document::RegularStyleWord() const {
    return StyleWords::of(p_.texts).regular;
}

QString Document::DefaultFontSpec() const {
    return FontSpec::western(QStringLiteral("Arial"), RegularStyleWord()).text();
}

void Document::ClearGrid() {
    TextCodePage.clear();
    platform::Grid& g = grid();
    g.setRows(2);
    // The spare row also loses the part marks' colours, so that a new
    // document does not show the old one's boundaries on its first line.
    for (int c = 0; c < g.cols(); ++c) {
        g.setTextMatrix(1, c, QString());
        g.setCellBackColorAt(1, c, White);
    }
}

// ---- Part boundaries in the grid -------------------------------------------

void Document::MarkNodes(int topRow) {
    platform::Grid& g = grid();
    const int lines = lineCount();
    for (int i = 1; i <= FileNodes.Count(); ++i) {
        if (FileNodes.FirstRow(i) > lines) { // starts past the last line
            FileNodes.setCount(i - 1);
            break;
        }
        if (FileNodes.LastRow(i) > lines) FileNodes.setLastRow(i, lines);
        const int first = FileNodes.FirstRow(i), last = FileNodes.LastRow(i);
        MarkFirstRow(first, last);
        MarkLastRow(last, first);
    }
    g.setTopRow(topRow);
}

// The marks are written cell by cell, never through the current cell: the
// user's next keystroke goes where the user left the selection. A row that is
// not a line (the header, or below it) has nowhere to take a mark.
void Document::MarkFirstRow(int row, int lastRow) {
    if (row < 1) return;
    platform::Grid& g = grid();
    g.setTextMatrix(row, 0, PartMark(row, true, row == lastRow));
    g.setCellBackColorAt(row, 1, PartStartGreen);
}

void Document::MarkLastRow(int row, int firstRow) {
    if (row < 1) return;
    platform::Grid& g = grid();
    g.setTextMatrix(row, 0, PartMark(row, row == firstRow, true));
    g.setCellBackColorAt(row, 2, PartEndRed);
}

void Document::ScrollIntoView(int row) {
    platform::Grid& g = grid();
    const int top = g.topRow();
    if (row < top)
        g.setTopRow(row);
    else if (row >= top + g.visibleRows())
        g.setTopRow(row - g.visibleRows() + 1);
    if (g.topRow() != top) p_.edit.ShowCurrentLine(); // the overlays follow the cell
}

// ---- Split and join ---------------------------------------------------------

void Document::NodeToggle() {
    platform::Grid& g = grid();
    const int row = g.row(), top = g.topRow();
    const int joinAt = FindPartStartingAt(row);
    if (!ToggleAllowed(row, joinAt)) return;

    platform::StatusBar& bar = p_.main().StatusBar1;
    const QString shown = bar.panelText(3);
    bar.setPanelText(3, p_.texts.Say("Calculating nodes"));
    if (joinAt > 0)
        JoinPart(joinAt, row);
    else
        SplitPartAt(SplitIndexFor(row), row);
    MarkNodes(top);
    ScrollIntoView(row);
    FileChanged = true; // the parts are saved with the file
    bar.setPanelText(3, shown);
}

// The first part that starts on row, or 0.
int Document::FindPartStartingAt(int row) const {
    for (int i = 1; i <= FileNodes.Count(); ++i)
        if (FileNodes.FirstRow(i) == row) return i;
    return 0;
}

// The entry a part split at row takes: the first part starting below row, or
// the entry after the last part.
int Document::SplitIndexFor(int row) const {
    for (int i = 1; i <= FileNodes.Count(); ++i)
        if (row < FileNodes.FirstRow(i)) return i;
    return FileNodes.Count() + 1;
}

// A toggle needs a part to work on and a line row. Joining part 1, or splitting
// above it, would take the whole-document entry 0 as the neighbouring part;
// a split needs a free entry.
bool Document::ToggleAllowed(int row, int joinAt) {
    if (FileNodes.Count() < 1 || row < 1 || row > lineCount()) return false;
    if (joinAt > 0) return joinAt > 1;
    if (FileNodes.Count() >= NodeTable::MaxCount) return false;
    return SplitIndexFor(row) > 1;
}

// Part i (starting on row) joins the part before it; the parts after it move
// down one entry, and the boundary's marks go back to plain numbers and white.
void Document::JoinPart(int i, int row) {
    const int count = FileNodes.Count();
    FileNodes.setLastRow(i - 1, FileNodes.LastRow(i));
    for (int j = i; j < count; ++j)
        FileNodes.copyEntry(j + 1, j);

    platform::Grid& g = grid();
    if (row > 1) {
        g.setTextMatrix(row - 1, 0, TrimStr(row - 1));
        g.setCellBackColorAt(row - 1, 2, White);
        g.setTextMatrix(row, 0, TrimStr(row));
        g.setCellBackColorAt(row, 1, White);
    }
    FileNodes.setCount(count - 1);
}

// A new part idx starts on row and ends where the part before it ended; the
// parts from idx on move up one entry and keep their names.
void Document::SplitPartAt(int idx, int row) {
    const int count = FileNodes.Count();
    for (int j = count + 1; j > idx; --j)
        FileNodes.copyEntry(j - 1, j);
    FileNodes.setFirstRow(idx, row);
    FileNodes.setLastRow(idx, FileNodes.LastRow(idx - 1));
    FileNodes.setName(idx, QStringLiteral("Part_") + TrimStr(idx));
    FileNodes.setInIndex(idx, FileNodes.InIndex(idx - 1)); // a piece of that part
    FileNodes.setLastRow(idx - 1, row - 1);
    FileNodes.setCount(count + 1);
}

// ---- Previous and next part -------------------------------------------------

void Document::PreviousNode() {
    if (FileNodes.Current() > 1) FileNodes.setCurrent(FileNodes.Current() - 1);
    ShowPart();
}

void Document::NextNode() {
    if (FileNodes.Current() < FileNodes.Count()) FileNodes.setCurrent(FileNodes.Current() + 1);
    ShowPart();
}

// Scrolls the current part's first row to the top; near the end of the
// document the grid keeps its last rows filling the view, and the current row
// follows the top row the grid actually shows.
void Document::ShowPart() {
    platform::Grid& g = grid();
    g.setTopRow(FileNodes.FirstRow(FileNodes.Current()));
    g.setRow(g.topRow());
}

// ---- The player's line list -------------------------------------------------

// "start; text1 text2 text3", built in one piece.
QString Document::LineEntry(int row) {
    const platform::Grid& g = grid();
    const QString start = g.textMatrix(row, 1);
    const QString t1 = g.textMatrix(row, 3), t2 = g.textMatrix(row, 4), t3 = g.textMatrix(row, 5);
    QString entry;
    entry.reserve(start.size() + t1.size() + t2.size() + t3.size() + 4);
    entry.append(start).append(QLatin1String("; ")).append(t1).append(QLatin1Char(' '));
    entry.append(t2).append(QLatin1Char(' ')).append(t3);
    return entry;
}

// The one place the line list is built: entries are made first and handed to
// the list in one step, so a full document refills at once.
void Document::RebuildLineCombo() {
    p_.host.screen.setMousePointer(platform::Screen::PointerHourglass);
    const int lines = lineCount();
    QStringList entries;
    entries.reserve(lines);
    for (int r = 1; r <= lines; ++r)
        entries.append(LineEntry(r));
    p_.main().player.Combo1.setItems(entries);
    p_.control().ProgressBar1.setValue(0);
    LineListValid = true;
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
}
