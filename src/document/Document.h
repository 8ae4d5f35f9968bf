#pragma once
// The subtitle document's state beside the grid, and the grid routines that
// belong to it.
//
// The document itself is the main window's grid grdSubEdit: row 0 is the
// header, rows 1 to Rows - 2 are the subtitle lines (column 0 the line number,
// 1 start time, 2 end time, 3 to 5 three text lines) and the last row is the
// spare row, always present and empty. Its parts ("nodes") are FileNodes:
// entry 0 is the whole document, entries 1..Count the parts in row order.

#include "document/NodeTable.h"
#include "platform/Palette.h"

#include <QString>
#include <QStringList>

class Program;
namespace platform {
class Grid;
}

class Document {
public:
    explicit Document(Program& p);

    // Cell backgrounds: the normal one, a part's first row (column 1) and a
    // part's last row (column 2).
    static constexpr platform::Color White = platform::ColorWhite;
    static constexpr platform::Color PartStartGreen = platform::palette::PartStartGreen;
    static constexpr platform::Color PartEndRed = platform::palette::PartEndRed;

    // The most subtitle lines a document holds: the grid's row tables end at
    // row 9999 (header, lines and the spare row).
    static constexpr int MaxLines = 9998;

    NodeTable FileNodes;
    // The per-line font list: item r is the FontSpec ("name;script;style;size")
    // of grid row r, item 0 an empty placeholder. A plain list kept by the
    // document, not a widget: nothing shows it.
    QStringList lstFont;
    int CurLine = 0;
    long long ScriptTime = 0; // hundredths of a second
    bool EditorBlocked = false;
    bool LineListValid = false;
    bool FileChanged = false;
    // A load that stopped before the end of its file (a read failure or the
    // reading limit): the file it read and how many lines it gave; empty after
    // a complete load. Saving the document over that file asks first.
    QString PartialReadFile;
    int PartialReadLines = 0;
    // The 8-bit code page the document's text was read with ("windows-1252"
    // and the like); empty when it came from a UTF-8 or UTF-16 file or was
    // typed. Choosing a script reads such text anew in the script's code page.
    QByteArray TextCodePage;

    // The document grid (the main window's grdSubEdit).
    platform::Grid& grid();
    // Subtitle lines in the grid: Rows - 2.
    int lineCount();
    // The FontSpec a line gets when nothing else is known.
    QString DefaultFontSpec() const;

    // Empties the grid down to the header and the spare row; lstFont and
    // FileNodes are left to the caller.
    void ClearGrid();
    // Draws the boundaries of parts 1..Count into column 0 and the start/end
    // cell backgrounds, cuts parts that start past the last line, then scrolls
    // so that topRow is the top visible row. The current cell stays.
    void MarkNodes(int topRow);
    // Refills the player's line list with one entry per line (start time and
    // the three text lines) and marks it valid. Every change of the lines
    // clears LineListValid; the player rebuilds the list when it finds it so.
    void RebuildLineCombo();
    // Scrolls the grid only as far as it takes to show the row; the edit
    // area's overlays then follow the current cell.
    void ScrollIntoView(int row);
    // Splits or joins parts at the grid's current row (btnNode); the document
    // counts as changed, since its parts are saved with it.
    void NodeToggle();
    // Steps to the previous / next part and scrolls to it (Label74 / Label75).
    void PreviousNode();
    void NextNode();

private:
    QString RegularStyleWord() const;
    QString LineEntry(int row);
    bool ToggleAllowed(int row, int joinAt);
    int FindPartStartingAt(int row) const;
    int SplitIndexFor(int row) const;
    void JoinPart(int i, int row);
    void SplitPartAt(int idx, int row);
    void MarkFirstRow(int row, int lastRow);
    void MarkLastRow(int row, int firstRow);
    void ShowPart();

    Program& p_;
};
