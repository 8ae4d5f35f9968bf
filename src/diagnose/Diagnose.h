#pragma once
// Diagnose state: one message per grid row (rows 0 to 9999) and the number of
// errors the last diagnose run found.

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

    int DiagErrorCount = 0;

    // Checks every line again and rewrites the messages and the count. Until
    // the checks exist it finds nothing: it counts its runs.
    void GoDiagnose();
    int runs() const { return runs_; }

private:
    Program& p_;
    std::vector<QString> msg_;
    int runs_ = 0;
};
