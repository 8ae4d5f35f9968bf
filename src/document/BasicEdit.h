#pragma once
// The Basic tab's three line operations on the document: Insert, Delete and
// Change. Each acts on the grid's current row (Change also on its column and
// the Basic text field), keeps the per-row tables (lstFont, the diagnose
// messages) and the node table in step with the grid, refreshes the edit area
// and reports its action to the macro recorder. Delete and Change save a
// change-history snapshot before they change anything.

#include "document/Document.h"

#include <QString>

class Program;
namespace platform {
class Grid;
}

class BasicEdit {
public:
    explicit BasicEdit(Program& p);

    // The most lines a document holds: a load stops at 9,998 and the per-row
    // tables end at row 9999, so Insert refuses to go past it.
    static constexpr int MaxLines = Document::MaxLines;

    // A new line before the current one (501 "Basic.Insert").
    void InsertLine();
    // Removes the current line (502 "Basic.Delete").
    void DeleteLine();
    // The current cell takes the Basic text (504 "Basic.Change").
    void ChangeCell();

    // The end time of a line inserted with the given start before a line
    // starting at nextStart: that start when it is a time not before the new
    // start, else the new start itself (a line of no length, never one that
    // ends before it begins).
    static QString InsertedEndTime(const QString& start, const QString& nextStart);

private:
    enum class CellOrder { RowFirst, ColumnFirst };
    QString CellDetails(int row, CellOrder order);
    void FitFontList(int lines);
    QString FontAt(int row) const;
    void SetFontAt(int row, const QString& font);
    QString InsertedFontSpec();

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
};
