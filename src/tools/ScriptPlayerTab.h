#pragma once
// The Script Player tab of the main window's side area: a clock of its own
// (driven by the Player tab's play timer) that shows each subtitle line while
// the clock is inside it, with the line's three text lines, the clock, the
// line counter, Play, Stop and Sync (the media player to the clock).

#include "platform/ControlArray.h"
#include "platform/Label.h"

class Program;

class ScriptPlayerTab {
public:
    ScriptPlayerTab(Program& p, platform::Container& page);

    platform::ControlArray<platform::Label> Label23;   // the three text lines
    platform::Label Label24;                           // the clock, to hundredths
    platform::Label lblSubRowCount;                    // " 12/ 340"
    platform::ControlArray<platform::Label> Command20; // 0 Play, 1 Stop
    platform::Label Command41;                         // Sync

    void ScriptPlayerPlayStop(int index);
    void ScriptPlayerSync();
    // A click on a text line selects that text column of the current line.
    void ScriptLineClick(int index);

    // The script player's commands in the command registry.
    void registerCommands();

private:
    void placeButtons(platform::Container& page);

    Program& p_;
};
