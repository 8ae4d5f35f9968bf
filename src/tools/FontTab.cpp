#include "tools/FontTab.h"

#include "shell/Picker.h"
#include "shell/Program.h"

FontTab::FontTab(Program& p, platform::Container& page)
    : Command42(page, "Command42", "Go"), Label20(page, "Label20", ">>"),
      Label44(page, "Label44", ">>"), p_(p) {
    Combo9.add(page, "Combo9", 0, platform::ComboBox::DropDownList);
    Combo9.add(page, "Combo9", 1, platform::ComboBox::DropDownList);
    Label48.add(page, "Label48", 0);
    Label48.add(page, "Label48", 1);
    Label20.move(120, 480, 375, 255);
    Combo9[0].move(540, 480, 2535, 315);
    Label48[0].move(3180, 510, 1575, 255);
    Label44.move(120, 900, 375, 255);
    Combo9[1].move(540, 900, 2535, 315);
    Label48[1].move(3180, 930, 1575, 255);
    Command42.move(3780, 1380, 975, 255);
    ClosePicker(Label20, Combo9[0]);
    ClosePicker(Label44, Combo9[1]);
    Label20.onClick = [this] { FontNamePickerToggle(); };
    Label44.onClick = [this] { FontTypePickerToggle(); };
}

void FontTab::FontNamePickerToggle() {
    TogglePicker(Label20, Combo9[0]);
}
void FontTab::FontTypePickerToggle() {
    TogglePicker(Label44, Combo9[1]);
}
