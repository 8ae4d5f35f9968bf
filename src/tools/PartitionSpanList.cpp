// The span list of the Partition tab: the edit field over the chosen cell,
// its keys, and Delete and Clear.

#include "document/WholeText.h"
#include "platform/Keys.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "tools/PartitionTab.h"

namespace {
constexpr int LengthCol = 2;
} // namespace

// The edit field lies over the chosen cell of an item (never over the
// heading); a chosen length gets the calculator button beside it.
void PartitionTab::ShowSpanListItem() {
    if (grid.row() == 0 && grid.rows() == 2) grid.setRow(1);
    const int row = grid.row();
    const bool editing = row > 0 && !previewMode();
    rtfSplitEdit.move(grid.left() + grid.cellLeft(), grid.top() + grid.cellTop(), grid.cellWidth(),
                      grid.cellHeight());
    rtfSplitEdit.setText(grid.text());
    rtfSplitEdit.setVisible(editing);
    if (grid.col() == LengthCol) {
        cmdInvSplitCalc.move(grid.left() + grid.cellLeft() + grid.cellWidth() + 10,
                             grid.top() + grid.cellTop());
        cmdInvSplitCalc.setVisible(editing);
    } else {
        cmdInvSplitCalc.setVisible(false);
    }
    EnableListButtons();
}

void PartitionTab::EnableListButtons() {
    const bool items = grid.rows() > 2;
    command6.setEnabled(items);
    Label66.setEnabled(items);
}

void PartitionTab::SpanListKeyPress(int& keyAscii) {
    if (keyAscii != platform::KeyReturn) return;
    FocusWholeText(rtfSplitEdit);
}

void PartitionTab::SpanListScroll() {
    rtfSplitEdit.setVisible(false);
    cmdInvSplitCalc.setVisible(false);
}

// Tab asks the calculator for a length (the calculator wires it); Enter
// stores the field; Escape goes back to the list.
void PartitionTab::SpanEditKeyPress(int& keyAscii) {
    if (keyAscii == platform::KeyTab) {
        if (grid.col() == 2) p_.calc.InvokeCalcFromPartition();
    } else if (keyAscii == platform::KeyReturn) {
        StoreSpanEdit();
    } else if (keyAscii == platform::KeyEscape) {
        grid.setFocus();
    }
}

// The field's text into the chosen cell. Text entered on the spare row makes
// it an item (numbered, with a new spare row below), so nothing typed is left
// outside the list; the heading row never takes text. Then the field moves on
// to the next cell, from a name to its length and from a length to the next
// part's name, so a list is typed (and a recorded one replayed) cell by cell.
void PartitionTab::StoreSpanEdit() {
    const QString text = rtfSplitEdit.text();
    p_.macro.SetMacroAction(text, 421);
    const int row = grid.row(), col = grid.col();
    if (row < 1 || previewMode()) return;
    if (row == grid.rows() - 1) {
        if (col == 0 || text.isEmpty()) return;
        grid.setRows(grid.rows() + 1);
        grid.setTextMatrix(row, 0, runtime::TrimStr(row));
        EnableListButtons();
    }
    grid.setTextMatrix(row, col, text);
    if (col == 1)
        grid.setCurrentCell(row, LengthCol);
    else if (col == LengthCol && row + 1 < grid.rows())
        grid.setCurrentCell(row + 1, 1);
}

// Removes the chosen item (never the heading, never the spare row) and
// numbers the rest again; then the last item is chosen.
void PartitionTab::PartitionDelete() {
    p_.macro.SetMacroAction(QString(), 402);
    const int row = grid.row();
    if (row >= 1 && row < grid.rows() - 1 && grid.rows() > 2) {
        grid.removeItem(row);
        for (int r = 1; r <= grid.rows() - 2; ++r)
            grid.setTextMatrix(r, 0, runtime::TrimStr(r));
    }
    EnableListButtons();
    grid.setRow(grid.rows() - 2);
    ShowSpanListItem();
}

void PartitionTab::PartitionClear() {
    // Each Delete takes one item (the first may only move the choice).
    for (int guard = grid.rows(); command6.enabled() && grid.rows() > 2 && guard >= 0; --guard)
        PartitionDelete();
    p_.macro.SetMacroAction(QString(), 403);
}
