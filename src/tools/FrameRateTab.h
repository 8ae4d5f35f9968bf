#pragma once
// The Frame rate tab of the editor (SSTab3, tab 3), as far as the start-up
// fills it: the "from" and "to" rate lists Combo14(0) and Combo14(1), opened
// and closed by the pickers Label29 and Label45.

#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"

class Program;

class FrameRateTab {
public:
    FrameRateTab(Program& p, platform::Container& page);

    platform::Label Label29;
    platform::Label Label45;
    platform::ControlArray<platform::ComboBox> Combo14;

    // Both lists get the five rates, "23.970" to "30.000".
    void FillRates();
    void FrameRateFromPickerToggle();
    void FrameRateToPickerToggle();
};
