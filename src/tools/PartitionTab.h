#pragma once
// The Partition tab of the main window: the partition engine's list, preview and buttons.

#include "platform/Control.h"

class Program;

class PartitionTab {
public:
    PartitionTab(Program& p, platform::Container& page);

private:
    Program& p_;
    platform::Container& page_;
};
