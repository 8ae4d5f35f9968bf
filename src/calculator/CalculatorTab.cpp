#include "calculator/CalculatorTab.h"

#include "runtime/Numbers.h"
#include "shell/Picker.h"
#include "shell/Program.h"

namespace {
constexpr int GridRows = 51, GridCols = 27; // the heading row and column included
constexpr int GridLeft = 120, GridTop = 900, GridWidth = 9735, GridHeight = 2175;
} // namespace

CalculatorTab::CalculatorTab(Program& p, platform::Container& page)
    : tabCalculator(page, "tabCalculator", {"&Advanced", "C&lassic"}),
      Label16(tabCalculator.page(0), "Label16", ">>"),
      cmbCalcAdvFuncSelect(tabCalculator.page(0), "cmbCalcAdvFuncSelect",
                           platform::ComboBox::DropDownList),
      Calc(tabCalculator.page(0), "Calc", GridRows, GridCols),
      rtfCalc(tabCalculator.page(0), "rtfCalc"), Check1(tabCalculator.page(1), "Check1", "Date"),
      Check2(tabCalculator.page(1), "Check2", "Time"), p_(p) {
    tabCalculator.move(120, 420, 9975, 4095);
    placeAdvanced();
    placeClassic();
    const char* rates[] = {"23.970", "24.000", "25.000", "29.970", "30.000"};
    for (int i = 0; i < 5; ++i)
        optFrameRate.add(page, "optFrameRate", i, QString::fromLatin1(rates[i]))
            .move(120 + i * 1200, 4620, 1095, 255);
}

void CalculatorTab::placeAdvanced() {
    Label16.move(GridLeft, 480, 375, 255);
    cmbCalcAdvFuncSelect.move(GridLeft + 420, 480, 3495, 315);
    ClosePicker(Label16, cmbCalcAdvFuncSelect);
    Label16.onClick = [this] { CalcFunctionSelectToggle(); };
    Calc.move(GridLeft, GridTop, GridWidth, GridHeight);
    Calc.setFixedRows(1);
    Calc.setFixedCols(1);
    // The edit box sits on the grid's top edge, right of the kind list.
    rtfCalc.move(GridLeft + 4020, GridTop - 420, GridWidth - 4020, 315);
}

void CalculatorTab::placeClassic() {
    Check1.move(6000, 3660, 1095, 255);
    Check2.move(7200, 3660, 1095, 255);
}

void CalculatorTab::FillFunctionKinds() {
    const TextTables& t = p_.texts;
    cmbCalcAdvFuncSelect.clear();
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 21) + QStringLiteral(" (+,-,*,/,..)"));
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 22) + QStringLiteral(" (hh:mm:ss,000)"));
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 23) + QStringLiteral(" (0,000 - E..)"));
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 12) + QStringLiteral(" (a,A,..,z,Z)"));
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 24) + QStringLiteral(" [") + t.TextTable(4, 22) +
                                 QStringLiteral(">frames]"));
    cmbCalcAdvFuncSelect.setListIndex(0);
}

void CalculatorTab::HeadCalcGrid() {
    Calc.setColWidth(0, 435);
    for (int c = 1; c < GridCols; ++c) {
        Calc.setColWidth(c, 1200);
        Calc.setTextMatrix(0, c, QString(QChar(64 + c)));
    }
    for (int r = 1; r < GridRows; ++r)
        Calc.setTextMatrix(r, 0, runtime::TrimStr(r));
}

void CalculatorTab::CalcFunctionSelectToggle() {
    TogglePicker(Label16, cmbCalcAdvFuncSelect);
}
