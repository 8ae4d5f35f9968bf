#include "calculator/Calculator.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {
// The editor's tool page (SSTab3) of targets 0 to 4: Stretch, Shift, Time.
constexpr int ToolPage[] = {1, 1, 0, 2, 2};
} // namespace

Calculator::Calculator(Program& p) : p_(p) {}

void Calculator::InvokeCalcFromField(int index) {
    if (index >= StretchFirst && index <= TimeEnd) Invoke(index);
}

void Calculator::InvokeCalcFromBasic() {
    Invoke(EditorCell);
}

void Calculator::InvokeCalcFromPartition() {
    Invoke(PartitionCell);
}

// The field's time, read by position, becomes operand A; B keeps its parts
// and takes the focus.
void Calculator::Invoke(int target) {
    CalcInvokeTarget = target;
    frmMain& m = p_.main();
    m.tabMain.setTab(frmMain::TabCalculator);
    CalculatorTab& calc = m.calculator;
    calc.tabCalculator.setTab(CalculatorTab::TabClassic);
    const platform::RichTextBox* field = TargetField(target);
    const QString t = field ? field->text() : QString();
    calc.rtfCalcClassicA[0].setText(t.mid(0, 2));
    calc.rtfCalcClassicA[1].setText(t.mid(3, 2));
    calc.rtfCalcClassicA[2].setText(t.mid(6, 2));
    calc.rtfCalcClassicA[3].setText(t.mid(9, 3));
    calc.rtfCalcClassicB[0].setFocus();
}

void Calculator::ReturnResult(const QString& result) {
    const int target = CalcInvokeTarget;
    CalcInvokeTarget = NoTarget;
    platform::RichTextBox* field = TargetField(target);
    if (!field) return;
    ShowTargetTab(target);
    field->setText(result);
    if (target == EditorCell || target == PartitionCell) field->setFocus();
}

void Calculator::CalculatorLeft() {
    CalcInvokeTarget = NoTarget;
}

void Calculator::ShowTargetTab(int target) {
    frmMain& m = p_.main();
    if (target == PartitionCell) {
        m.tabMain.setTab(frmMain::TabPartition);
        return;
    }
    m.tabMain.setTab(frmMain::TabEditor);
    if (target >= StretchFirst && target <= TimeEnd) m.editor.SSTab3.setTab(ToolPage[target]);
}

platform::RichTextBox* Calculator::TargetField(int target) const {
    frmMain& m = p_.main();
    switch (target) {
    case StretchFirst:
        return &m.editor.rtfStretchFirst;
    case StretchLast:
        return &m.editor.rtfStretchLast;
    case ShiftDuration:
        return &m.shift.rtfShiftDuration;
    case TimeStart:
        return &m.timeTab.rtfTimeStart;
    case TimeEnd:
        return &m.timeTab.rtfTimeEnd;
    case EditorCell:
        return &m.editor.rtfEdit;
    case PartitionCell:
        return &m.partition.rtfSplitEdit;
    default:
        return nullptr;
    }
}
