#pragma once
// The Font tab of the editor (SSTab2, tab 3): the font and style of lines.
// Readers enable or disable its controls by what their format carries.

#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"

class Program;

class FontTab {
public:
    FontTab(Program& p, platform::Container& page);

    platform::Label Command42;                         // Go
    platform::ControlArray<platform::ComboBox> Combo9; // 0 font names, 1 styles
    platform::Label Label20;                           // ">>"/"<<" toggle of the font names
    platform::Label Label44;                           // ">>"/"<<" toggle of the styles
    platform::ControlArray<platform::Label>
        Label48; // 0 font name, 1 style: "Supported"/"Not Supported"

    void FontNamePickerToggle();
    void FontTypePickerToggle();

private:
    Program& p_;
};
