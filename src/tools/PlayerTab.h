#pragma once
// The Player tab of the main window: the media player, its transport buttons and the line list.

#include "platform/Control.h"

class Program;

class PlayerTab {
public:
    PlayerTab(Program& p, platform::Container& page);

private:
    Program& p_;
    platform::Container& page_;
};
