#pragma once
// The Clipboard tab of the main window's side area: the clipboard list and its copy buttons.

#include "platform/Control.h"

class Program;

class ClipboardTab {
public:
    ClipboardTab(Program& p, platform::Container& page);

private:
    Program& p_;
    platform::Container& page_;
};
