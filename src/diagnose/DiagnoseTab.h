#pragma once
// The Diagnose tab of the main window: the diagnose options and the error tree.

#include "platform/Control.h"

class Program;

class DiagnoseTab {
public:
    DiagnoseTab(Program& p, platform::Container& page);

private:
    Program& p_;
    platform::Container& page_;
};
