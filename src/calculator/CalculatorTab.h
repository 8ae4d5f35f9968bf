#pragma once
// The Calculator tab of the main window: the advanced (tablet) and classic
// calculators on the sub-tabs of tabCalculator, and the frame-rate options
// below them.
//
// Advanced: the tablet grid Calc (columns A to Z, rows 1 to 50), its edit box
// rtfCalc, and the kind list cmbCalcAdvFuncSelect opened and closed by the
// picker Label16. Classic: the boxes Check1 ("Date") and Check2 ("Time") that
// put the date and time into the calculator's history.

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/Grid.h"
#include "platform/Label.h"
#include "platform/OptionButton.h"
#include "platform/RichTextBox.h"
#include "platform/TabStrip.h"

class Program;

class CalculatorTab {
public:
    CalculatorTab(Program& p, platform::Container& page);

    platform::TabStrip tabCalculator;
    platform::Label Label16;
    platform::ComboBox cmbCalcAdvFuncSelect;
    platform::Grid Calc;
    platform::RichTextBox rtfCalc;
    platform::CheckBox Check1;
    platform::CheckBox Check2;
    // 23.970, 24.000, 25.000, 29.970, 30.000
    platform::ControlArray<platform::OptionButton> optFrameRate;

    // The five kinds of cell: function, time code, value, text, convert.
    void FillFunctionKinds();
    // Column 0 numbers the rows, columns 1 to 26 are headed "A" to "Z".
    void HeadCalcGrid();
    void CalcFunctionSelectToggle();

private:
    void placeAdvanced();
    void placeClassic();

    Program& p_;
};
