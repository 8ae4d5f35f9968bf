#pragma once
// The Online tab of the main window: download and upload on the sub-tabs of
// SSTab5.

#include "platform/TabStrip.h"

class Program;

class OnlineTab {
public:
    OnlineTab(Program& p, platform::Container& page);

    platform::TabStrip SSTab5;

private:
    Program& p_;
};
