#include "macro/MacroPickers.h"

#include "shell/Picker.h"

MacroPickers::MacroPickers(Program&, platform::Container& page)
    : Label54(page, "Label54", ">>"), Combo5(page, "Combo5", platform::ComboBox::DropDownList),
      Label56(page, "Label56", ">>"), Combo6(page, "Combo6") {
    Label54.move(120, 480, 375, 255);
    Combo5.move(540, 480, 3495, 315);
    Label56.move(120, 900, 375, 255);
    Combo6.move(540, 900, 3495, 1980);
    ClosePicker(Label54, Combo5);
    ClosePicker(Label56, Combo6);
    Label54.onClick = [this] { MacroPickerToggle(); };
    Label56.onClick = [this] { MacroGroupPickerToggle(); };
}

void MacroPickers::MacroPickerToggle() {
    TogglePicker(Label54, Combo5);
}
void MacroPickers::MacroGroupPickerToggle() {
    TogglePicker(Label56, Combo6);
}
