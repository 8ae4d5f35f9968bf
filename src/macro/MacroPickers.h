#pragma once
// The pickers of the Macros tab: Label54 opens and closes the macro list
// Combo5, Label56 the command-group list Combo6.

#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/ListBox.h"

class Program;

class MacroPickers {
public:
    MacroPickers(Program& p, platform::Container& page);

    platform::Label Label54;
    platform::ComboBox Combo5; // the macros, list position = slot
    platform::Label Label56;
    platform::ListBox Combo6; // the command groups

    void MacroPickerToggle();
    void MacroGroupPickerToggle();
};
