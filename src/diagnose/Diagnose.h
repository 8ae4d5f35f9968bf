#pragma once
// Diagnose state: one explanation per grid row (rows 0 to 9999), the number of
// errors the last run found and left, and the run itself (GoDiagnose), which
// checks the document's lines, counts them, repairs what the Diagnose tab's
// options allow and rebuilds the report tree.

#include <QString>
#include <vector>

class Program;

class Diagnose {
public:
    explicit Diagnose(Program& p);

    static constexpr int MsgRows = 10000;
    // Out-of-range rows read as "" and ignore writes.
    QString DiagMsg(int row) const;
    bool setDiagMsg(int row, const QString& text);
    // Every explanation emptied.
    void ClearDiagMsg();

    // After a run: the errors it found and did not repair.
    int DiagErrorCount = 0;

    // Checks every line of every part, counts, repairs what the repair
    // options allow, explains each error in DiagMsg, colours the cells and
    // rebuilds the report tree. A call made while a run is under way (the
    // Basic delete that removes an empty line asks for one) does nothing:
    // the run under way already covers the shortened document.
    void GoDiagnose();
    // Complete runs so far.
    int runs() const { return runs_; }
    bool running() const { return running_; }

private:
    Program& p_;
    std::vector<QString> msg_;
    int runs_ = 0;
    bool running_ = false;
};
