#pragma once
// The Player tab of the main window: the media player's transport buttons,
// position slider and caption, the buttons that take the player's time into
// the current line, the play timer and the line list.

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Control.h"
#include "platform/ControlArray.h"
#include "platform/Label.h"
#include "platform/Slider.h"
#include "platform/Timer.h"

class Program;

class PlayerTab {
public:
    PlayerTab(Program& p, platform::Container& page);

    // The line list: one entry per subtitle line (start time and text),
    // refilled from the grid by the document's RebuildLineCombo.
    platform::ComboBox Combo1;
    // Transport: 0 Play, 1 Stop, 2 Clip it, 3 Pauze, 4 "<", 5 ">"; disabled
    // until a media file is opened.
    platform::ControlArray<platform::CommandButton> Command8;
    // The position; one step is 100 seconds of media.
    platform::Slider Slider1;
    // "Media Player [Stopped]" and the like.
    platform::Label Label27;
    // 0 Set.Start, 1 Set.End: the player's time into the current line.
    platform::ControlArray<platform::Label> Command49;
    // The play timer (the player's and the script player's clock).
    platform::Timer timPlayer;

private:
    void placeTransport();

    Program& p_;
    platform::Container& page_;
};
