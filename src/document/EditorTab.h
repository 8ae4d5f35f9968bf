#pragma once
// The Editor tab of the main window: the subtitle grid grdSubEdit (the
// document) and the two rows of editing tools above it, SSTab2 and SSTab3.

#include "platform/Grid.h"
#include "platform/TabStrip.h"

class Program;

class EditorTab {
public:
    EditorTab(Program& p, platform::Container& page);

    platform::TabStrip SSTab2;
    platform::TabStrip SSTab3;
    platform::Grid grdSubEdit;

    // Grid columns: the line number, start and end time, three text lines.
    static constexpr int GridCols = 6;

private:
    Program& p_;
};
