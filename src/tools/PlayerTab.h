#pragma once
// The Player tab of the main window: the media player, its transport buttons and the line list.

#include "platform/ComboBox.h"
#include "platform/Control.h"

class Program;

class PlayerTab {
public:
    PlayerTab(Program& p, platform::Container& page);

    // The line list: one entry per subtitle line (start time and text),
    // refilled from the grid by the document's RebuildLineCombo.
    platform::ComboBox Combo1;

private:
    Program& p_;
    platform::Container& page_;
};
