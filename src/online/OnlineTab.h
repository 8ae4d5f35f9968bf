#pragma once
// The Online tab of the main window: download and upload on the sub-tabs of
// SSTab5.

#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/ListBox.h"
#include "platform/TabStrip.h"

class Program;

class OnlineTab {
public:
    OnlineTab(Program& p, platform::Container& page);

    platform::TabStrip SSTab5;
    platform::ComboBox Combo7;                         // download: format filter
    platform::ControlArray<platform::ComboBox> Combo8; // 0 download language, 1 upload language
    platform::ListBox List8;                           // upload: the log of file information

private:
    void fillLists();
    Program& p_;
};
