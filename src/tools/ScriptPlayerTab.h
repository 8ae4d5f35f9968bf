#pragma once
// The Script Player tab of the main window's side area.

#include "platform/Control.h"

class Program;

class ScriptPlayerTab {
public:
    ScriptPlayerTab(Program& p, platform::Container& page);

private:
    Program& p_;
    platform::Container& page_;
};
