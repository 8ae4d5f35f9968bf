#pragma once
// The Script Player tab of the main window's side area: the current line's
// three text lines, its start time and the line counter.

#include "platform/ControlArray.h"
#include "platform/Label.h"

class Program;

class ScriptPlayerTab {
public:
    ScriptPlayerTab(Program& p, platform::Container& page);

    platform::ControlArray<platform::Label> Label23; // the three text lines
    platform::Label Label24;                         // start time to hundredths
    platform::Label lblSubRowCount;                  // " 12/ 340"

private:
    Program& p_;
};
