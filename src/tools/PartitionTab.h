#pragma once
// The Partition tab of the main window: the partition engine's span list,
// output format, preview and buttons.

#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/Label.h"

class Program;

class PartitionTab {
public:
    PartitionTab(Program& p, platform::Container& page);

    // The output format: the sixteen format names in format-number order; its
    // list index + 1 is the format the partition engine writes.
    platform::Label Label36;
    platform::ComboBox combo3;

private:
    Program& p_;
    platform::Container& page_;
};
