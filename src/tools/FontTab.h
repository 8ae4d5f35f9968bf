#pragma once
// The Font tab of the editor (SSTab2, tab 3): the font and style of the
// current line. Combo9(0) and Combo9(1) are hidden lists of the screen's font
// names and of the style words, opened by the pickers Label20 and Label44;
// Label42 and Label43 show the chosen name and style. Readers enable or
// disable the lists by what their format carries.

#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"

class Program;

class FontTab {
public:
    FontTab(Program& p, platform::Container& page);

    platform::Label Label25;                           // "Font"
    platform::Label Label28;                           // "Type"
    platform::Label Label42;                           // the chosen font name
    platform::Label Label43;                           // the chosen style
    platform::Label Command42;                         // Go
    platform::ControlArray<platform::ComboBox> Combo9; // 0 font names, 1 styles
    platform::Label Label20;                           // ">>"/"<<" toggle of the font names
    platform::Label Label44;                           // ">>"/"<<" toggle of the styles
    platform::ControlArray<platform::Label>
        Label48; // 0 font name, 1 style: "Supported"/"Not Supported"

    void FontNamePickerToggle();
    void FontTypePickerToggle();
    void FontSelect(int index);
    void FontGo();

private:
    void place();
    void registerCommands();
    bool CheckFontGo(int row);

    Program& p_;
};
