#include "tools/ShiftTab.h"

#include "shell/Picker.h"
#include "shell/Program.h"

ShiftTab::ShiftTab(Program& p, platform::Container& page)
    : Label37(page, "Label37", ">>"), Combo2(page, "Combo2", platform::ComboBox::DropDownList),
      p_(p) {
    Label37.move(120, 900, 375, 255);
    Combo2.move(540, 900, 1455, 315);
    ClosePicker(Label37, Combo2);
    Label37.onClick = [this] { ShiftDirectionPickerToggle(); };
}

void ShiftTab::FillDirections() {
    Combo2.clear();
    Combo2.addItem(p_.texts.TextTable(4, 13));
    Combo2.addItem(p_.texts.TextTable(4, 11));
    Combo2.setListIndex(0);
}

void ShiftTab::ShiftDirectionPickerToggle() {
    TogglePicker(Label37, Combo2);
}
