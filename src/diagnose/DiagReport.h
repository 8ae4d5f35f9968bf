#pragma once
// The diagnose report in the tree tvDiag: the fixed skeleton (file, scan and
// error headings), a summary node per part with the lines and their
// explanations below it, the solutions, and the totals of a run.
//
// Nodes the report names carry its keys ("err_ 12", "sol_ 12", "sum_node 3",
// ...); the others (explanations, solutions, values) get keys of their own
// starting with "#", which no report key does. A node whose key is taken or
// whose parent is missing is not added, and the report goes on.

#include <QString>

class TextTables;

namespace platform {
class TreeView;
}

// What the skeleton shows of the current file and the moment of the run.
struct ReportHeading {
    QString errorTitle; // the interface's text for "Error"
    QString fileTitle;  // "None loaded" when no file is loaded
    QString formatName; // "Unknown" when no file is loaded
    QString date, time;
};

// The totals of a run, as shown ("Not counted" for a count not asked for).
struct ReportTotals {
    QString duration, lines, words, multiLines, displayTime, frames;
    int detected = 0, fixed = 0;
};

class DiagReport {
public:
    // The node names come from the texts, in the language in use.
    DiagReport(platform::TreeView& tree, const TextTables& texts);

    // Empties the tree and adds the skeleton.
    void Start(const ReportHeading& heading);
    // The summary node of part n, before its lines.
    void AddPartSummary(int part, int firstRow, int lastRow);

    // An error of a row: its line node below part n's summary (or the one
    // the row already has) and the explanation below that.
    void AddError(int part, int row, const QString& explanation);
    // An explanation straight below part n's summary, without a line node.
    void AddPartNote(int part, const QString& explanation);
    // A solution or advice: for time errors below the row's "sol_" node, for
    // text errors below its "nosol_" node.
    enum class Kind { Time, Text };
    void AddSolution(Kind kind, int row, const QString& solution);

    // The totals, then the error headings opened.
    void Finish(const ReportTotals& totals);

    // "Line 0012": the line node's text, which a click reads back.
    QString LineText(int row) const;
    // "0012".
    static QString FourDigits(int n);
    static QString PartKey(int part);

private:
    bool add(const QString& parent, const QString& key, const QString& text);
    bool add(const QString& parent, const QString& text);
    QString PartParent(int part) const;
    void AddTotals(const ReportTotals& totals);
    void AddErrorTotals(const ReportTotals& totals);

    platform::TreeView& tree_;
    const TextTables& texts_;
    int unnamed_ = 0;
};
