#pragma once
// The Frame rate tab of the editor (SSTab3, tab 3): converts every start and
// end time of the document from one frame rate to another. The "from" and
// "to" rates are picked from the hidden lists Combo14(0) and Combo14(1),
// opened and closed by the pickers Label29 and Label45; the choices show in
// Label46 and Label49.

#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"

class Program;

class FrameRateTab {
public:
    FrameRateTab(Program& p, platform::Container& page);

    platform::ControlArray<platform::Label> Label32; // "From", "To"
    platform::Label Label29;
    platform::Label Label45;
    platform::Label Label46; // the "from" rate
    platform::Label Label49; // the "to" rate
    platform::ControlArray<platform::ComboBox> Combo14;
    platform::Label Command52; // Go

    // Both lists get the five rates, "23.970" to "30.000".
    void FillRates();
    void FrameRateFromPickerToggle();
    void FrameRateToPickerToggle();
    // A rate chosen in Combo14(index), by a click or from code.
    void FrameRateSelect(int index);
    // Both lists show the rate chosen elsewhere (the calculator's); the
    // pickers stay as they are and nothing is reported.
    void ShowRate(int item);
    // Every time t of the document becomes t × to ÷ from.
    void FrameRateGo();

private:
    bool showing_ = false;
    void place(platform::Container& page);
    void wire();
    void registerCommands();
    void Convert(double ratio);
    void PickRate(int list, int item);

    Program& p_;
};
