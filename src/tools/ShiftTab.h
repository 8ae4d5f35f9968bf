#pragma once
// The Shift tab of the editor (SSTab3, tab 0), as far as the start-up fills
// it: the direction list Combo2 ("Beginning", "End") opened and closed by the
// picker Label37.

#include "platform/ComboBox.h"
#include "platform/Label.h"

class Program;

class ShiftTab {
public:
    ShiftTab(Program& p, platform::Container& page);

    platform::Label Label37;
    platform::ComboBox Combo2;

    // The two directions, the first chosen.
    void FillDirections();
    void ShiftDirectionPickerToggle();

private:
    Program& p_;
};
