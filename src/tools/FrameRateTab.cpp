#include "tools/FrameRateTab.h"

#include "shell/Picker.h"

FrameRateTab::FrameRateTab(Program&, platform::Container& page)
    : Label29(page, "Label29", ">>"), Label45(page, "Label45", ">>") {
    Label29.move(120, 900, 375, 255);
    Label45.move(2520, 900, 375, 255);
    for (int i = 0; i < 2; ++i)
        Combo14.add(page, "Combo14", i, platform::ComboBox::DropDownList)
            .move(540 + i * 2400, 900, 1455, 315);
    ClosePicker(Label29, Combo14[0]);
    ClosePicker(Label45, Combo14[1]);
    Label29.onClick = [this] { FrameRateFromPickerToggle(); };
    Label45.onClick = [this] { FrameRateToPickerToggle(); };
}

void FrameRateTab::FillRates() {
    for (int i = 0; i < 2; ++i)
        for (const char* rate : {"23.970", "24.000", "25.000", "29.970", "30.000"})
            Combo14[i].addItem(QString::fromLatin1(rate));
}

void FrameRateTab::FrameRateFromPickerToggle() {
    TogglePicker(Label29, Combo14[0]);
}
void FrameRateTab::FrameRateToPickerToggle() {
    TogglePicker(Label45, Combo14[1]);
}
