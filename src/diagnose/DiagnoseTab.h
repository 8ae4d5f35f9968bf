#pragma once
// The Diagnose tab of the main window: the option boxes in three frames
// (checks, counts, repairs), the Go button, Print, and the report tree
// tvDiag. A click on a line of the report takes the editor's grid to that
// line.

#include "platform/CheckBox.h"
#include "platform/ControlArray.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/TreeView.h"

#include <QStringList>

class Program;

class DiagnoseTab {
public:
    DiagnoseTab(Program& p, platform::Container& page);

    // The option boxes: 0 to 3 the checks, 4 to 6 the counts, 7 to 9 the
    // repairs. The checks and counts start ticked, the repairs not; the
    // values are not kept between program runs.
    enum Option {
        CheckEmpty,
        CheckOverlapping,
        CheckInvalidTime, // start or end below zero
        CheckNegative,    // an end before the start
        CountWords,
        CountMultiLines,
        CountDisplayTime,
        RepairOverlapping,
        RepairInvalid, // both invalid-time checks and the end before the start
        RepairEmpty
    };
    static constexpr int OptionCount = 10;

    platform::Frame fraCheck, fraCount, fraRepair;
    platform::ControlArray<platform::CheckBox> Check3;
    platform::Label Command27; // Go
    platform::Label lblPrint;  // Print
    platform::TreeView tvDiag;

    // A click on an option box: reports the box's ticked or unticked action.
    void DiagnoseOptionClick(int index);
    // Go: a diagnose run.
    void DiagnoseGoClick();
    // A click on a report node: a "Line 0012" node makes row 12, column 1 the
    // grid's current cell; a node naming no line of the document does nothing.
    void DiagTreeNodeClick(const QString& key);
    // Print: the report, one node a line, indented by its depth.
    void DiagnosePrint();

    // The action a box reports when ticked (and, plus one, when unticked).
    static int TickedAction(int index);
    // The report as printed.
    QStringList ReportLines() const;

private:
    void placeFrames();
    void placeOptions();
    void placeButtons();
    void registerCommands();
    void AddReportLines(const QString& key, int depth, QStringList& lines) const;
    void ReportPrintFailure(const QString& text);

    Program& p_;
};
