#pragma once
// The Search/Replace tab of the editor (SSTab2, tab 1), as far as the
// start-up and the exit use it: the search history List4 (one entry a search
// text, or search text, ">" and replacement), opened and closed by the
// picker Label47.

#include "platform/Label.h"
#include "platform/ListBox.h"

class Program;

class SearchTab {
public:
    SearchTab(Program& p, platform::Container& page);

    platform::Label Label47;
    platform::ListBox List4;

    void SearchHistoryPickerToggle();
};
