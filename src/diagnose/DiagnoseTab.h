#pragma once
// The Diagnose tab of the main window: the diagnose options and the error tree.

#include "platform/CheckBox.h"
#include "platform/Control.h"
#include "platform/ControlArray.h"

class Program;

class DiagnoseTab {
public:
    DiagnoseTab(Program& p, platform::Container& page);

    // The option boxes: 0 to 3 the checks (empty, overlapping, invalid time,
    // negative), 4 to 6 the counts (words, multi-lines, display time), 7 to 9
    // the repairs (overlapping, invalid, empty). The checks and counts start
    // ticked, the repairs not.
    enum Option { RepairOverlapping = 7, RepairInvalid = 8, RepairEmpty = 9 };
    static constexpr int OptionCount = 10;
    platform::ControlArray<platform::CheckBox> Check3;

private:
    void placeOptions();

    Program& p_;
    platform::Container& page_;
};
