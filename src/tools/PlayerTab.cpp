#include "tools/PlayerTab.h"

PlayerTab::PlayerTab(Program& p, platform::Container& page)
    : Combo1(page, "Combo1", platform::ComboBox::DropDownList), p_(p), page_(page) {
    // Along the bottom of the tab, the width of the tab's content.
    Combo1.move(120, 4560, 9975, 315);
}
