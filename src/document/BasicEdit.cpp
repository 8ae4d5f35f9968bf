#include "document/BasicEdit.h"
#include "document/FontSpec.h"

#include "document/MessageWindow.h"
#include "document/TimeCode.h"
#include "platform/ComboBox.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <algorithm>

using runtime::Trim;
using runtime::TrimStr;

namespace {
constexpr int FirstDataCol = 1, LastDataCol = 5, FirstTextCol = 3;
const QString OneSecond = QStringLiteral("00:00:01,000");
// One second before zero: a new first line then starts at 00:00:00,000.
const QString MinusOneSecond = QStringLiteral("-1:59:59,000");
} // namespace

BasicEdit::BasicEdit(Program& p) : p_(p) {}

platform::Grid& BasicEdit::grid() {
    return p_.doc.grid();
}

// " [Cel a,b:=text]" for each non-empty cell of columns 1 to 5 of the row;
// Delete names the row first, Change the column first.
QString BasicEdit::CellDetails(int row, CellOrder order) {
    const platform::Grid& g = grid();
    QString details;
    for (int c = FirstDataCol; c <= LastDataCol; ++c) {
        const QString cell = g.textMatrix(row, c);
        if (cell.isEmpty()) continue;
        const QString at = order == CellOrder::RowFirst ? TrimStr(row) + ',' + TrimStr(c)
                                                        : TrimStr(c) + ',' + TrimStr(row);
        details += QStringLiteral(" [Cel ") + at + QStringLiteral(":=") + cell + ']';
    }
    return details;
}

// ---- The font list ----------------------------------------------------------

// Gives every line a FontSpec before rows move, so the list keeps one item per
// row whatever state it was left in (item 0 is the empty placeholder).
void BasicEdit::FitFontList(int lines) {
    QStringList& fonts = p_.doc.lstFont;
    if (fonts.isEmpty()) fonts.append(QString());
    while (fonts.size() < lines + 1)
        fonts.append(p_.doc.DefaultFontSpec());
}

QString BasicEdit::FontAt(int row) const {
    return p_.doc.lstFont.value(row);
}

void BasicEdit::SetFontAt(int row, const QString& font) {
    if (row >= 0 && row < p_.doc.lstFont.size()) p_.doc.lstFont[row] = font;
}

// The font name and style chosen on the Font tab, the Western script and the
// default size; with nothing chosen, the default font's name or style.
QString BasicEdit::InsertedFontSpec() {
    const platform::ControlArray<platform::ComboBox>& lists = p_.main().editor.font.Combo9;
    FontSpec font = FontSpec::parse(p_.doc.DefaultFontSpec());
    const QString name = lists[0].list(lists[0].listIndex());
    const QString style = lists[1].list(lists[1].listIndex());
    if (!name.isEmpty()) font.family = name;
    if (!style.isEmpty()) font.style = style;
    return font.text();
}

// ---- Insert -----------------------------------------------------------------

QString BasicEdit::InsertedStartTime(const QString& previousEnd, bool hasPrevious,
                                     const QString& nextStart) {
    const QString start =
        TimeCalc(hasPrevious ? previousEnd : MinusOneSecond, OneSecond, QStringLiteral("+"));
    if (!IsValidTimeCode(nextStart) || TimeToMs(start) < TimeToMs(nextStart)) return start;
    if (hasPrevious && IsValidTimeCode(previousEnd) && TimeToMs(previousEnd) <= TimeToMs(nextStart))
        return previousEnd;
    return nextStart;
}

QString BasicEdit::InsertedEndTime(const QString& start, const QString& nextStart) {
    if (!IsValidTimeCode(nextStart)) return TimeCalc(start, OneSecond, QStringLiteral("+"));
    return TimeToMs(nextStart) > TimeToMs(start) ? nextStart : start;
}

void BasicEdit::InsertLine() {
    if (p_.loader.Loading()) return; // a load is filling the grid
    platform::Grid& g = grid();
    const int row = g.row(), rows = g.rows();
    if (row > rows - 2 || row < 1) return;
    if (RefuseFullDocument()) return;
    const int top = g.topRow();
    FitFontList(rows - 2);
    g.setRows(rows + 1);
    p_.doc.lstFont.append(QString());
    ShiftRowsDown(row);
    WriteInsertedLine(row);
    ShowEmptySubtitle();
    p_.doc.FileChanged = true;
    p_.doc.LineListValid = false;
    p_.edit.ShowCurrentLine();
    MoveNodesDown(row);
    p_.doc.MarkNodes(1);
    RediagnoseIfErrors();
    g.setTopRow(top);
    p_.doc.ScrollIntoView(row);
    p_.macro.SetMacroAction(QString(), 501);
}

// The grid's row tables end at row 9999: a full document says why nothing
// happens instead of ignoring the button.
bool BasicEdit::RefuseFullDocument() {
    if (p_.doc.lineCount() < MaxLines) return false;
    p_.messages.ShowMessage(p_.texts.Say("The document holds 9,998 lines, the most it can "
                                         "hold.\r\nDelete a line before inserting another."),
                            KindExclamation, QStringLiteral("ok"), QStringLiteral("Insert"));
    return true;
}

// The line on `row` and all below it move down one row; column 0 keeps the
// row numbers, which belong to the positions.
void BasicEdit::ShiftRowsDown(int row) {
    platform::Grid& g = grid();
    for (int i = g.rows() - 2; i >= row; --i) {
        g.setTextMatrix(i, 0, TrimStr(i));
        for (int c = FirstDataCol; c <= LastDataCol; ++c)
            g.setTextMatrix(i, c, g.textMatrix(i - 1, c));
        SetFontAt(i, FontAt(i - 1));
        p_.diag.setDiagMsg(i, p_.diag.DiagMsg(i - 1));
    }
}

// The new line fits between its neighbours' times (see InsertedStartTime)
// and keeps the diagnose message its row took over.
void BasicEdit::WriteInsertedLine(int row) {
    platform::Grid& g = grid();
    const QString next = g.textMatrix(row + 1, 1);
    const QString start = InsertedStartTime(g.textMatrix(row - 1, 2), row > 1, next);
    g.setTextMatrix(row, 1, start);
    g.setTextMatrix(row, 2, InsertedEndTime(start, next));
    SetFontAt(row, InsertedFontSpec());
    for (int c = FirstTextCol; c <= LastDataCol; ++c)
        g.setTextMatrix(row, c, QString());
}

// Boundaries below the new line move down with their lines; the new line joins
// the part that held the line it was inserted before. The old marks' colours
// go back to white; MarkNodes draws the new ones.
void BasicEdit::MoveNodesDown(int row) {
    platform::Grid& g = grid();
    NodeTable& nodes = p_.doc.FileNodes;
    for (int n = 0; n <= nodes.Count(); ++n) {
        if (nodes.FirstRow(n) <= row) continue;
        g.setCellBackColorAt(nodes.FirstRow(n), 1, Document::White);
        nodes.setFirstRow(n, nodes.FirstRow(n) + 1);
    }
    for (int n = 0; n <= nodes.Count(); ++n) {
        if (nodes.LastRow(n) < row) continue;
        g.setCellBackColorAt(nodes.LastRow(n), 2, Document::White);
        nodes.setLastRow(n, nodes.LastRow(n) + 1);
    }
}

// A tool run on the whole document reaches every line however many there
// are now: the edit area calls this at each refresh, so an insert, a delete,
// a load, an add, a restored snapshot and File > New all move it.
void BasicEdit::RangesToLastLine(bool whole) {
    watchRangeEnds();
    const int lines = p_.doc.lineCount();
    if (!whole && lines == linesFollowed_) return;
    EditorTab& editor = p_.main().editor;
    writing_ = true;
    for (int i = 0; i < 2; ++i) {
        follows_[i] = follows_[i] || whole;
        if (follows_[i]) editor.Text1[1 + 2 * i].setText(TrimStr(lines));
    }
    writing_ = false;
    linesFollowed_ = lines;
}

bool BasicEdit::FollowsLastLine(const platform::TextBox& last) const {
    const EditorTab& editor = p_.main().editor;
    for (int i = 0; i < 2; ++i)
        if (&last == &editor.Text1[1 + 2 * i]) return follows_[i];
    return false;
}

// A key typed into an end, or a change this does not make (a macro line's),
// is the user's: that end keeps its line from then on.
void BasicEdit::watchRangeEnds() {
    if (watching_) return;
    watching_ = true;
    EditorTab& editor = p_.main().editor;
    for (int i = 0; i < 2; ++i) {
        platform::TextBox& end = editor.Text1[1 + 2 * i];
        end.onChange = [this, i] { follows_[i] = follows_[i] && writing_; };
        end.onKeyPress = [this, i](int&) { follows_[i] = false; };
    }
}

// ---- Delete -----------------------------------------------------------------

void BasicEdit::DeleteLine() {
    if (p_.loader.Loading()) return; // a load is filling the grid
    platform::Grid& g = grid();
    const int row = g.row(), lines = g.rows() - 2, top = g.topRow();
    if (row < 1) return; // the header is not a line
    // No snapshot, no change.
    if (!p_.history.SaveSnapshot(QStringLiteral("Row ") + TrimStr(row) + QStringLiteral(" deleted"),
                                 Trim(CellDetails(row, CellOrder::RowFirst))))
        return;
    if (row > lines) return; // the spare row: only the snapshot
    FitFontList(lines);
    ShiftRowsUp(row, lines);
    MoveNodesUp(row);
    RemoveEmptyParts();
    g.setRows(lines + 1);
    if (row < p_.doc.lstFont.size()) p_.doc.lstFont.removeAt(row);
    ShowEmptySubtitle();
    p_.doc.FileChanged = true;
    p_.doc.LineListValid = false;
    p_.edit.ShowCurrentLine();
    p_.doc.MarkNodes(top);
    RediagnoseIfErrors();
    g.setTopRow(top);
    p_.doc.ScrollIntoView(row);
    g.setTextMatrix(g.rows() - 1, 0, QString()); // held the old last line's number
    p_.macro.SetMacroAction(QString(), 502);
}

// The lines below `row` move up one row over it. A row with a diagnose message
// loses its error colour first; the next diagnose run paints the new ones.
void BasicEdit::ShiftRowsUp(int row, int lines) {
    platform::Grid& g = grid();
    for (int i = row; i <= lines; ++i) {
        if (!p_.diag.DiagMsg(i).isEmpty())
            for (int c = FirstDataCol; c <= LastDataCol; ++c)
                g.setCellBackColorAt(i, c, platform::SysWindowBackground);
        for (int c = FirstDataCol; c <= LastDataCol; ++c)
            g.setTextMatrix(i, c, g.textMatrix(i + 1, c));
        p_.diag.setDiagMsg(i, p_.diag.DiagMsg(i + 1));
    }
}

// Boundaries at or below the deleted row lose their marks. Starts after it
// move up with their lines; a part whose first line is deleted keeps its
// start, which its next line now takes. Ends at or after it move up.
void BasicEdit::MoveNodesUp(int row) {
    platform::Grid& g = grid();
    NodeTable& nodes = p_.doc.FileNodes;
    for (int n = 0; n <= nodes.Count(); ++n) {
        const int first = nodes.FirstRow(n);
        if (first < row) continue;
        g.setCellBackColorAt(first, 1, Document::White);
        g.setTextMatrix(first, 0, TrimStr(first));
        if (first > row) nodes.setFirstRow(n, first - 1);
    }
    for (int n = 0; n <= nodes.Count(); ++n) {
        const int last = nodes.LastRow(n);
        if (last < row) continue;
        g.setCellBackColorAt(last, 2, Document::White);
        g.setTextMatrix(last, 0, TrimStr(last));
        nodes.setLastRow(n, last - 1);
    }
}

// A part whose only line was deleted ends before it starts: it goes, and the
// parts after it move down one entry with their names.
void BasicEdit::RemoveEmptyParts() {
    NodeTable& nodes = p_.doc.FileNodes;
    for (int i = nodes.Count(); i >= 1; --i) {
        if (nodes.LastRow(i) >= nodes.FirstRow(i)) continue;
        for (int j = i; j < nodes.Count(); ++j)
            nodes.copyEntry(j + 1, j);
        nodes.setCount(nodes.Count() - 1);
        // Navigation stays on the part it showed, or the nearest one left.
        const int current = nodes.Current() > i ? nodes.Current() - 1 : nodes.Current();
        nodes.setCurrent(std::clamp(current, std::min(1, nodes.Count()), nodes.Count()));
    }
}

// ---- Change -----------------------------------------------------------------

void BasicEdit::ChangeCell() {
    platform::Grid& g = grid();
    const int row = g.row(), col = g.col();
    if (row < 1) return; // the header keeps its captions
    QString text = Trim(p_.main().editor.basic.rtfSubEditBasic.text());
    if (col == 1 || col == 2) text = HeldTime(text); // "-00:00:01,000" as shown
    if (RefuseTime(row, col, text)) return;
    if (!p_.history.SaveSnapshot(QStringLiteral("Cel ") + TrimStr(col) + QStringLiteral(", ") +
                                     TrimStr(row) + QStringLiteral(" changed"),
                                 Trim(CellDetails(row, CellOrder::ColumnFirst))))
        return; // no snapshot, no change
    if (row < g.rows() - 1) {
        g.setTextMatrix(row, col, col >= FirstTextCol ? QStringLiteral(" ") + text : text);
        p_.doc.FileChanged = true;
        p_.doc.LineListValid = false;
    }
    p_.edit.ShowCurrentLine();
    p_.macro.SetMacroAction(QString(), 504);
}

// A start or end cell of a line takes only a time code: a time the writer
// cannot read would lose the line at the next save. The refused text stays
// out of the grid and the edit area shows the cell's value again.
bool BasicEdit::RefuseTime(int row, int col, const QString& text) {
    if (col < 1 || col > 2 || row >= grid().rows() - 1 || IsValidTimeCode(text)) return false;
    p_.messages.ShowMessage(
        p_.texts.Say(col == 1 ? "The start time '%1' is not a time code.\r\nType it as "
                                "hh:mm:ss,fff, for example 00:01:02,500."
                              : "The end time '%1' is not a time code.\r\nType it as "
                                "hh:mm:ss,fff, for example 00:01:02,500.",
                     MessageWindow::Verbatim(text)),
        KindExclamation, QStringLiteral("ok"), QStringLiteral("Change"));
    p_.edit.ShowCurrentLine();
    return true;
}

// ---- Shared steps -----------------------------------------------------------

void BasicEdit::ShowEmptySubtitle() {
    for (int i = 0; i < 3; ++i)
        p_.edit.subShowSubtitle(QString(), i);
}

void BasicEdit::RediagnoseIfErrors() {
    if (p_.diag.DiagErrorCount > 0) p_.diag.GoDiagnose();
}
