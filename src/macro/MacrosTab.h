#pragma once
// The Macros tab of the main window: the macro store and the wizard list on
// the sub-tabs of SSTab4.

#include "platform/TabStrip.h"

class Program;

class MacrosTab {
public:
    MacrosTab(Program& p, platform::Container& page);

    platform::TabStrip SSTab4;

private:
    Program& p_;
};
