#include "tools/PlayerTab.h"

#include "shell/Program.h"

PlayerTab::PlayerTab(Program& p, platform::Container& page)
    : Combo1(page, "Combo1", platform::ComboBox::DropDownList), Slider1(page, "Slider1"),
      Label27(page, "Label27"), timPlayer(page.host(), "timPlayer"), p_(p), page_(page) {
    // Along the bottom of the tab, the width of the tab's content.
    Combo1.move(120, 4560, 9975, 315);
    placeTransport();
    timPlayer.setEnabled(false);
}

void PlayerTab::placeTransport() {
    Label27.move(120, 3360, 4815, 255);
    Label27.setCaption(p_.texts.TextTable(3, 4) + QStringLiteral(" [") + p_.texts.TextTable(3, 1) +
                       QStringLiteral("]"));
    Slider1.move(120, 3660, 9975, 375);
    Slider1.setEnabled(false);
    const char* transport[] = {"Play", "Stop", "Clip it", "Pauze", "<", ">"};
    for (int i = 0; i < 6; ++i) {
        platform::CommandButton& b = Command8.add(page_, "Command8", i, transport[i]);
        b.move(120 + i * 1080, 4080, 975, 375);
        b.setEnabled(false);
    }
    const char* setTime[] = {"Set.Start", "Set.End"};
    for (int i = 0; i < 2; ++i) {
        platform::Label& l = Command49.add(page_, "Command49", i, setTime[i]);
        l.move(6600 + i * 1080, 4140, 975, 255);
        l.setBorderStyle(1);
        l.setAlignment(2);
        l.setEnabled(false); // until there is a line to set
    }
}
