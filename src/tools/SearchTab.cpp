#include "tools/SearchTab.h"

#include "shell/Picker.h"

SearchTab::SearchTab(Program&, platform::Container& page)
    : Label47(page, "Label47", ">>"), List4(page, "List4") {
    Label47.move(120, 480, 375, 255);
    List4.move(540, 480, 4215, 1095);
    ClosePicker(Label47, List4);
    Label47.onClick = [this] { SearchHistoryPickerToggle(); };
}

void SearchTab::SearchHistoryPickerToggle() {
    TogglePicker(Label47, List4);
}
