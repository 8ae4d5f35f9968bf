#pragma once
// One diagnose run over the document: the line pass with its checks, counts
// and repairs, between the report's skeleton and its totals.
//
// Which checks, counts and repairs run is read from the Diagnose tab's option
// boxes at each use. Empty lines, when their repair is on, are removed first
// (through the Basic delete, one history snapshot each); the pass then walks
// the shortened document once and reports the removals with its own finds.

#include "diagnose/DiagReport.h"

#include <QElapsedTimer>
#include <QString>
#include <vector>

class Program;
namespace platform {
class Grid;
}

class DiagnoseRun {
public:
    explicit DiagnoseRun(Program& p);
    void Go();

private:
    // What a row's checks read once, when the row begins.
    struct Row {
        int part = 0, r = 0;
        QString start, end, prevEnd, t3, t4, t5;
    };
    // An empty line taken out before the pass: the row that now holds the
    // line that followed it.
    struct Removal {
        int row = 0;
        bool reported = false;
    };

    void Begin();
    void End();
    ReportHeading Heading() const;
    ReportTotals Totals() const;
    bool Ticked(int box) const;

    // Empty lines out (EmptyLines.cpp).
    void RemoveEmptyLines();
    std::vector<int> EmptyRowsInParts() const;
    void ReportRemovals(int part, int upToRow);

    void CheckPart(int part);
    Row ReadRow(int part, int r) const;
    void CheckRow(int part, int r);

    // Times (TimeChecks.cpp).
    void CountDisplayTime(const Row& row);
    void CheckOverlap(const Row& row);
    void CheckEndBeforeStart(const Row& row);
    void CheckStartBelowZero(const Row& row);
    void CheckEndBelowZero(const Row& row);

    // Texts and counts (TextChecks.cpp).
    void CheckTexts(const Row& row);
    void CheckEmptyLine(const Row& row);
    void CheckFirstTextEmpty(const Row& row);
    void CheckSecondTextEmpty(const Row& row);
    void MoveTextUp(const Row& row, int target, const std::vector<int>& sources);
    void CheckSavedEmptyLine(const Row& row);
    void CountLine(const Row& row);

    // The bookkeeping every error shares.
    void Found(const Row& row, int msgRow, const QString& explanation);
    void Repaired(int msgRow, int cellRow, int cellCol);
    void LeftAlone(int cellRow, int cellCol);
    void WriteCell(int row, int col, const QString& text);

    Program& p_;
    platform::Grid& grid_;
    DiagReport report_;
    QElapsedTimer clock_;
    QString totalTime_;
    int words_ = 0, multiLines_ = 0, fixed_ = 0, errors_ = 0;
    std::vector<Removal> removals_;
};
