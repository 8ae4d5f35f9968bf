#pragma once
// The current-line edit area of the Editor tab: the Basic tab's fields (the
// two time fields and the Basic text field), the in-cell editor rtfEdit laid
// over the selected cell, the diagnose balloon errExp beside it, the
// calculator button cmdInvCalc, the node button btnNode(0) beside the row, the
// cell-position caption Label13 and the script player's display of the
// current line. ShowCurrentLine is the one place that brings all of it,
// CurLine and ScriptTime in line with the grid; every tool that changes the
// grid calls it afterwards. The basic line operations (Insert, Delete,
// Change) are reached through here as well.

#include "document/BasicEdit.h"

#include <QString>

class Program;
class EditorTab;
class BasicTab;

class EditArea {
public:
    explicit EditArea(Program& p);

    // The row the last cell selection chose; a search starts from it.
    int SearchIndex = 0;

    // Brings the edit area, CurLine and ScriptTime in line with the grid's
    // current cell (the grid's RowColChange). Does nothing while the editor
    // is blocked by a load.
    void ShowCurrentLine();
    // Shows one text line (index 0 to 2) of the current line in the script
    // player, in the style of the line's FontSpec, and picks that font and
    // style in the Font tab's lists when they hold them.
    void subShowSubtitle(const QString& text, int index);
    // The grid's Click (also the replayed "Cel.Select"): the current row
    // becomes CurLine and SearchIndex; reports 549 with "col,row".
    void EditorCellSelect();

    // Grid events: Enter puts the caret into the in-cell editor with all of
    // its text selected; scrolling hides the overlays until the next
    // ShowCurrentLine.
    void GridKeyPress(int& keyAscii);
    void GridScroll();
    // The user dragged a column's width: the overlays shown move with the
    // current cell.
    void GridColResize();

    // The in-cell editor: its text follows into the Basic text field; Tab
    // calls the calculator over a number or time cell, Enter changes the cell
    // (only reports the text while a macro is recorded), Escape goes back to
    // the grid.
    void EditChange();
    void EditKeyPress(int& keyAscii);

    // The Basic text field: Clip is enabled while it holds more than blanks;
    // focus selects all of it; Enter changes the cell as in the in-cell editor.
    void BasicTextChange();
    void BasicTextGotFocus();
    void BasicTextKeyPress(int& keyAscii);

    // The Basic tab's line operations.
    void BasicInsertLine() { basic_.InsertLine(); }
    void BasicDeleteLine() { basic_.DeleteLine(); }
    void BasicChangeCell() { basic_.ChangeCell(); }
    // The timing tools' ranges that reach the last line (see BasicEdit).
    void RangesToLastLine(bool whole = false) { basic_.RangesToLastLine(whole); }
    bool FollowsLastLine(const platform::TextBox& last) const {
        return basic_.FollowsLastLine(last);
    }

private:
    void ShowCellPosition(int row, int col);
    void FillBasicFields(int row, int col);
    void ShowStartTime(int row);
    void PlaceEditor(EditorTab& editor);
    void PlaceEditorBox(EditorTab& editor);
    void PlaceBalloon(EditorTab& editor, int row);
    void ApplyEditorVisibility(EditorTab& editor, int col);
    void PlaceCalcButton(EditorTab& editor, int row, int col);
    void PlaceNodeButton(EditorTab& editor, int row);
    void EnableBasicButtons(BasicTab& basic, int row);
    void EnterBasicText();

    Program& p_;
    BasicEdit basic_;
};
