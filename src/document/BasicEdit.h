#pragma once
// The Basic tab's three line operations on the document: Insert, Delete and
// Change. Each acts on the grid's current row (Change also on its column and
// the Basic text field), keeps the per-row tables (lstFont, the diagnose
// messages) and the node table in step with the grid, refreshes the edit area
// and reports its action to the macro recorder. Delete and Change save a
// change-history snapshot before they change anything. Each leaves the
// current cell where the user had it and scrolls the grid to show it.

#include "document/Document.h"

#include <QString>

class Program;
namespace platform {
class Grid;
class TextBox;
} // namespace platform

class BasicEdit {
public:
    explicit BasicEdit(Program& p);

    // The most lines a document holds: a load stops at 9,998 and the per-row
    // tables end at row 9999, so Insert refuses to go past it.
    static constexpr int MaxLines = Document::MaxLines;

    // A new line before the current one (501 "Basic.Insert"); a document of
    // MaxLines lines takes no more, and says so.
    void InsertLine();
    // Removes the current line (502 "Basic.Delete").
    void DeleteLine();
    // The current cell takes the Basic text (504 "Basic.Change"). A start or
    // end cell takes only a time code; other text is refused with a message
    // and the cell keeps its value.
    void ChangeCell();

    // The times of a line inserted after a line ending at previousEnd (or as
    // the first line, when hasPrevious is false) and before a line starting
    // at nextStart. It starts a second after the previous line, at zero as the
    // first line, but never after the next line's start: with less room it
    // starts where the previous line ends, or with the next line when the two
    // overlap. It ends where the next line starts, never before its own
    // start, and a second after its start when the next line has no time.
    static QString InsertedStartTime(const QString& previousEnd, bool hasPrevious,
                                     const QString& nextStart);
    static QString InsertedEndTime(const QString& start, const QString& nextStart);

    // The Shift and Stretch ranges' last lines. One that reaches the last
    // line follows it through every change of the line count, whichever
    // command made it; one the user set to end earlier keeps its line.
    // `whole`: both ranges end at the last line (a load or an add).
    void RangesToLastLine(bool whole = false);
    bool FollowsLastLine(const platform::TextBox& last) const;

private:
    enum class CellOrder { RowFirst, ColumnFirst };
    QString CellDetails(int row, CellOrder order);
    void FitFontList(int lines);
    QString FontAt(int row) const;
    void SetFontAt(int row, const QString& font);
    QString InsertedFontSpec();
    bool RefuseFullDocument();
    bool RefuseTime(int row, int col, const QString& text);

    void ShiftRowsDown(int row);
    void WriteInsertedLine(int row);
    void MoveNodesDown(int row);
    void ShiftRowsUp(int row, int lines);
    void MoveNodesUp(int row);
    void RemoveEmptyParts();
    void ShowEmptySubtitle();
    void RediagnoseIfErrors();

    platform::Grid& grid();
    Program& p_;
    void watchRangeEnds();
    // The line count the ranges followed last; which of the two ends (Shift,
    // Stretch) follow it: a text typed or set by a macro line stops that.
    int linesFollowed_ = -1;
    bool follows_[2] = {true, true};
    bool watching_ = false, writing_ = false;
};
