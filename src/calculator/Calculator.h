#pragma once
// The calculator target: a time field that opens the classic calculator with
// its time as operand A takes the next result back. CalcInvokeTarget names
// the field that asked (-1 none); the next A + B, A - B, B - A or Cancel writes
// its result into that field, shows the field's tab and forgets the target.
// A target lives only while the calculator shows: leaving it forgets it.

#include <QString>

class Program;
namespace platform {
class RichTextBox;
}

class Calculator {
public:
    explicit Calculator(Program& p);

    enum Target {
        NoTarget = -1,
        StretchFirst = 0,
        StretchLast = 1,
        ShiftDuration = 2,
        TimeStart = 3,
        TimeEnd = 4,
        EditorCell = 10,
        PartitionCell = 11
    };

    int CalcInvokeTarget = NoTarget;

    // The timing tools' calculator buttons (Index 0 to 4: Stretch first and
    // last, Shift duration, Time start and end).
    void InvokeCalcFromField(int index);
    // The editor's calculator button: the edit cell rtfEdit.
    void InvokeCalcFromBasic();
    // The partition tab's calculator button: the span field rtfSplitEdit.
    void InvokeCalcFromPartition();

    // The classic calculator's result goes back to the target, whose tab
    // comes to the front; the target is forgotten in every case.
    void ReturnResult(const QString& result);
    // The main window left the calculator's tab: no later result goes back.
    void CalculatorLeft();

    // The field of a target; null for other values and for fields the
    // program does not hold.
    platform::RichTextBox* TargetField(int target) const;

private:
    void Invoke(int target);
    void ShowTargetTab(int target);

    Program& p_;
};
